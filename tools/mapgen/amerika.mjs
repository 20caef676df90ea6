// SPDX-License-Identifier: GPL-3.0-or-later
// Amerika: North, Central and South America with the Caribbean, in file
// order. Brasilien, the opponent, stands 9th; the rest follow the German
// alphabet. See README.md for the traps.
import { CODE_CHARS, generalsWith } from './countries.mjs';

const LIST = [
  { key: 'ARG', name: 'Argentinien', data: ['Argentina'], tier: 3 },
  { key: 'BHS', name: 'Bahamas', data: ['Bahamas'], tier: 0, island: true, groupRadius: 14 },
  { key: 'BRB', name: 'Barbados', data: ['Barbados'], tier: 0, island: true, groupRadius: 5 },
  { key: 'BLZ', name: 'Belize', data: ['Belize'], tier: 0 },
  { key: 'BOL', name: 'Bolivien', data: ['Bolivia'], tier: 1 },
  { key: 'CHL', name: 'Chile', data: ['Chile'], tier: 2 },
  { key: 'CRI', name: 'Costa Rica', data: ['Costa Rica'], tier: 0 },
  { key: 'DOM', name: 'Dominikanische Republik', data: ['Dominican Rep.'], tier: 1, seaLinked: true },
  { key: 'BRA', name: 'Brasilien', data: ['Brazil'], tier: 'opponent' },
  { key: 'ECU', name: 'Ecuador', data: ['Ecuador'], tier: 1 },
  { key: 'SLV', name: 'El Salvador', data: ['El Salvador'], tier: 0 },
  { key: 'GTM', name: 'Guatemala', data: ['Guatemala'], tier: 1 },
  { key: 'GUY', name: 'Guyana', data: ['Guyana'], tier: 0 },
  { key: 'HTI', name: 'Haiti', data: ['Haiti'], tier: 0, seaLinked: true },
  { key: 'HND', name: 'Honduras', data: ['Honduras'], tier: 1 },
  { key: 'JAM', name: 'Jamaika', data: ['Jamaica'], tier: 0, island: true, groupRadius: 8 },
  { key: 'CAN', name: 'Kanada', data: ['Canada'], tier: 2 },
  { key: 'COL', name: 'Kolumbien', data: ['Colombia'], tier: 2 },
  { key: 'CUB', name: 'Kuba', data: ['Cuba'], tier: 1, seaLinked: true },
  { key: 'MEX', name: 'Mexiko', data: ['Mexico'], tier: 2 },
  { key: 'NIC', name: 'Nicaragua', data: ['Nicaragua'], tier: 1 },
  { key: 'PAN', name: 'Panama', data: ['Panama'], tier: 0 },
  { key: 'PRY', name: 'Paraguay', data: ['Paraguay'], tier: 1 },
  { key: 'PER', name: 'Peru', data: ['Peru'], tier: 2 },
  { key: 'SUR', name: 'Suriname', data: ['Suriname'], tier: 0 },
  { key: 'TTO', name: 'Trinidad und Tobago', data: ['Trinidad and Tobago'], tier: 0, island: true, groupRadius: 6 },
  { key: 'URY', name: 'Uruguay', data: ['Uruguay'], tier: 1 },
  { key: 'VEN', name: 'Venezuela', data: ['Venezuela'], tier: 2 },
  { key: 'USA', name: 'Vereinigte Staaten', data: ['United States of America'], tier: 'player' },
];

export const TIERS = {
  player: [12, 7, 4],
  opponent: [22, 13, 8],
  0: [2],
  1: [4, 2],
  2: [6, 3],
  3: [8, 5, 3],
};

export const AMERIKA = {
  name: 'Amerika',
  continent: 'Amerika',
  rotate: [80, -12],
  countries: LIST.map((c, i) => ({ ...c, code: CODE_CHARS[i] })),
  opponent: 'BRA',
  player: 'USA',
  generalsFor: generalsWith(TIERS),
};
