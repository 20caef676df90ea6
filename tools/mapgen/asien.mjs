// SPDX-License-Identifier: GPL-3.0-or-later
// Asien: the countries of the map in file order. China, the opponent, stands
// 9th; the rest follow the German alphabet. The Türkei belongs here, Russland
// to Europa. See README.md for the traps.
import { CODE_CHARS, generalsWith } from './countries.mjs';

const LIST = [
  { key: 'AFG', name: 'Afghanistan', data: ['Afghanistan'], tier: 1 },
  { key: 'ARM', name: 'Armenien', data: ['Armenia'], tier: 0 },
  // Nakhchivan is cut off, so the Türkei is no neighbour.
  { key: 'AZE', name: 'Aserbaidschan', data: ['Azerbaijan'], tier: 1, notNeighbours: ['TUR'] },
  { key: 'BHR', name: 'Bahrain', data: ['Bahrain'], tier: 0, island: true, groupRadius: 8 },
  { key: 'BGD', name: 'Bangladesch', data: ['Bangladesh'], tier: 2 },
  { key: 'BTN', name: 'Bhutan', data: ['Bhutan'], tier: 0 },
  // Borneo is no country's kept part: Brunei reaches Malaysia by sea only.
  { key: 'BRN', name: 'Brunei', data: ['Brunei'], tier: 0, seaLinked: true, notNeighbours: ['MYS'] },
  { key: 'GEO', name: 'Georgien', data: ['Georgia'], tier: 0 },
  // Thirteen land borders, but the game allows ten neighbours (README.md).
  { key: 'CHN', name: 'China', data: ['China', 'Hong Kong', 'Macao'], tier: 'opponent', notNeighbours: ['AFG', 'BTN', 'LAO'] },
  { key: 'IND', name: 'Indien', data: ['India'], tier: 3 },
  // Java is the kept part; Borneo and Timor are cut off, so only sea links remain.
  { key: 'IDN', name: 'Indonesien', data: ['Indonesia'], tier: 2, mainAt: [106.85, -6.2], seaLinked: true, notNeighbours: ['MYS', 'TLS'] },
  { key: 'IRQ', name: 'Irak', data: ['Iraq'], tier: 2 },
  { key: 'IRN', name: 'Iran', data: ['Iran'], tier: 3 },
  { key: 'ISR', name: 'Israel', data: ['Israel'], tier: 1 },
  { key: 'JPN', name: 'Japan', data: ['Japan'], tier: 3, seaLinked: true },
  { key: 'YEM', name: 'Jemen', data: ['Yemen'], tier: 1 },
  { key: 'JOR', name: 'Jordanien', data: ['Jordan'], tier: 1 },
  { key: 'KHM', name: 'Kambodscha', data: ['Cambodia'], tier: 1 },
  { key: 'KAZ', name: 'Kasachstan', data: ['Kazakhstan'], tier: 2 },
  { key: 'QAT', name: 'Katar', data: ['Qatar'], tier: 0 },
  { key: 'KGZ', name: 'Kirgisistan', data: ['Kyrgyzstan'], tier: 0 },
  { key: 'KWT', name: 'Kuwait', data: ['Kuwait'], tier: 0 },
  { key: 'LAO', name: 'Laos', data: ['Laos'], tier: 0 },
  { key: 'LBN', name: 'Libanon', data: ['Lebanon'], tier: 0 },
  { key: 'MYS', name: 'Malaysia', data: ['Malaysia'], tier: 1, mainAt: [101.7, 3.15] },
  { key: 'MDV', name: 'Malediven', data: ['Maldives'], tier: 0, island: true, groupRadius: 12 },
  { key: 'MNG', name: 'Mongolei', data: ['Mongolia'], tier: 1 },
  { key: 'MMR', name: 'Myanmar', data: ['Myanmar'], tier: 1 },
  { key: 'NPL', name: 'Nepal', data: ['Nepal'], tier: 1 },
  { key: 'PRK', name: 'Nordkorea', data: ['North Korea'], tier: 1 },
  { key: 'OMN', name: 'Oman', data: ['Oman'], tier: 1 },
  { key: 'TLS', name: 'Osttimor', data: ['Timor-Leste'], tier: 0, seaLinked: true },
  { key: 'PAK', name: 'Pakistan', data: ['Pakistan'], tier: 2 },
  { key: 'PSE', name: 'Palästina', data: ['Palestine'], tier: 0 },
  { key: 'PHL', name: 'Philippinen', data: ['Philippines'], tier: 1, mainAt: [121.0, 14.6], seaLinked: true },
  { key: 'SAU', name: 'Saudi-Arabien', data: ['Saudi Arabia'], tier: 3 },
  { key: 'SGP', name: 'Singapur', data: ['Singapore'], tier: 0, island: true, groupRadius: 5 },
  { key: 'LKA', name: 'Sri Lanka', data: ['Sri Lanka'], tier: 1, seaLinked: true },
  { key: 'KOR', name: 'Südkorea', data: ['South Korea'], tier: 2 },
  { key: 'SYR', name: 'Syrien', data: ['Syria'], tier: 1 },
  { key: 'TJK', name: 'Tadschikistan', data: ['Tajikistan'], tier: 0 },
  { key: 'TWN', name: 'Taiwan', data: ['Taiwan'], tier: 1, seaLinked: true },
  { key: 'THA', name: 'Thailand', data: ['Thailand'], tier: 2 },
  { key: 'TUR', name: 'Türkei', data: ['Turkey'], tier: 'player' },
  { key: 'TKM', name: 'Turkmenistan', data: ['Turkmenistan'], tier: 1 },
  { key: 'UZB', name: 'Usbekistan', data: ['Uzbekistan'], tier: 1 },
  { key: 'ARE', name: 'Vereinigte Arabische Emirate', data: ['United Arab Emirates'], tier: 1 },
  { key: 'VNM', name: 'Vietnam', data: ['Vietnam'], tier: 2 },
];

export const TIERS = {
  player: [12, 7, 4],
  opponent: [32, 19, 11],
  0: [2],
  1: [4, 2],
  2: [6, 3],
  3: [8, 5, 3],
};

export const ASIEN = {
  name: 'Asien',
  continent: 'Asien',
  rotate: [-85, -27],
  countries: LIST.map((c, i) => ({ ...c, code: CODE_CHARS[i] })),
  opponent: 'CHN',
  player: 'TUR',
  generalsFor: generalsWith(TIERS),
};
