// SPDX-License-Identifier: GPL-3.0-or-later
// Europa: the countries of the map in file order. Russland, the opponent,
// stands 9th; the rest follow the German alphabet. Turkey belongs to Asien,
// Russland to this map only. See README.md for the traps.
import { CODE_CHARS, generalsWith } from './countries.mjs';

const LIST = [
  { key: 'ALB', name: 'Albanien', data: ['Albania'], tier: 0 },
  { key: 'BLR', name: 'Belarus', data: ['Belarus'], tier: 1 },
  { key: 'BEL', name: 'Belgien', data: ['Belgium'], tier: 1 },
  { key: 'BIH', name: 'Bosnien und Herzegowina', data: ['Bosnia and Herz.'], tier: 0 },
  { key: 'BGR', name: 'Bulgarien', data: ['Bulgaria'], tier: 1 },
  { key: 'DNK', name: 'Dänemark', data: ['Denmark'], tier: 1 },
  { key: 'DEU', name: 'Deutschland', data: ['Germany'], tier: 3 },
  { key: 'EST', name: 'Estland', data: ['Estonia'], tier: 0 },
  // Only the part west of the Urals frames the picture; its edge cuts the rest.
  // Kaliningrad is cut off, so Polen and Litauen are no neighbours.
  { key: 'RUS', name: 'Russland', data: ['Russia'], tier: 'opponent', frameWestOf: 56, notNeighbours: ['POL', 'LTU'] },
  { key: 'FIN', name: 'Finnland', data: ['Finland'], tier: 1 },
  { key: 'FRA', name: 'Frankreich', data: ['France'], tier: 3 },
  { key: 'GRC', name: 'Griechenland', data: ['Greece'], tier: 2 },
  { key: 'IRL', name: 'Irland', data: ['Ireland'], tier: 1 },
  { key: 'ISL', name: 'Island', data: ['Iceland'], tier: 0, seaLinked: true },
  { key: 'ITA', name: 'Italien', data: ['Italy'], tier: 3 },
  { key: 'XKX', name: 'Kosovo', data: ['Kosovo'], tier: 0 },
  { key: 'HRV', name: 'Kroatien', data: ['Croatia'], tier: 1 },
  { key: 'LVA', name: 'Lettland', data: ['Latvia'], tier: 0 },
  { key: 'LTU', name: 'Litauen', data: ['Lithuania'], tier: 1 },
  { key: 'LUX', name: 'Luxemburg', data: ['Luxembourg'], tier: 0 },
  { key: 'MLT', name: 'Malta', data: ['Malta'], tier: 0, island: true, groupRadius: 8 },
  { key: 'MDA', name: 'Moldau', data: ['Moldova'], tier: 0 },
  { key: 'MNE', name: 'Montenegro', data: ['Montenegro'], tier: 0 },
  { key: 'NLD', name: 'Niederlande', data: ['Netherlands'], tier: 1 },
  { key: 'MKD', name: 'Nordmazedonien', data: ['Macedonia'], tier: 0 },
  { key: 'NOR', name: 'Norwegen', data: ['Norway'], tier: 1 },
  { key: 'AUT', name: 'Österreich', data: ['Austria'], tier: 1 },
  { key: 'POL', name: 'Polen', data: ['Poland'], tier: 2 },
  { key: 'PRT', name: 'Portugal', data: ['Portugal'], tier: 1 },
  { key: 'ROU', name: 'Rumänien', data: ['Romania'], tier: 2 },
  { key: 'SWE', name: 'Schweden', data: ['Sweden'], tier: 2 },
  { key: 'CHE', name: 'Schweiz', data: ['Switzerland'], tier: 1 },
  { key: 'SRB', name: 'Serbien', data: ['Serbia'], tier: 1 },
  { key: 'SVK', name: 'Slowakei', data: ['Slovakia'], tier: 0 },
  { key: 'SVN', name: 'Slowenien', data: ['Slovenia'], tier: 0 },
  { key: 'ESP', name: 'Spanien', data: ['Spain'], tier: 'player' },
  { key: 'CZE', name: 'Tschechien', data: ['Czechia'], tier: 1 },
  { key: 'UKR', name: 'Ukraine', data: ['Ukraine'], tier: 2 },
  { key: 'HUN', name: 'Ungarn', data: ['Hungary'], tier: 1 },
  // Great Britain is the kept part; the tunnel links it to Frankreich.
  { key: 'GBR', name: 'Vereinigtes Königreich', data: ['United Kingdom'], tier: 3, extraNeighbours: ['FRA'] },
  { key: 'CYP', name: 'Zypern', data: ['Cyprus', 'N. Cyprus'], tier: 0, seaLinked: true },
];

export const TIERS = {
  player: [12, 7, 4],
  opponent: [26, 16, 9],
  0: [2],
  1: [4, 2],
  2: [6, 3],
  3: [8, 5, 3],
};

export const EUROPA = {
  name: 'Europa',
  continent: 'Europa',
  rotate: [-15, -52],
  countries: LIST.map((c, i) => ({ ...c, code: CODE_CHARS[i] })),
  opponent: 'RUS',
  player: 'ESP',
  generalsFor: generalsWith(TIERS),
};
