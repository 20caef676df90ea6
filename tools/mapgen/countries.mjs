// SPDX-License-Identifier: GPL-3.0-or-later
// The countries of the map, in file order. The game makes the 9th record the
// computer opponent, so Ägypten stands there; the rest follow the German
// alphabet. See README.md for the reasons.
//
// key: short tag used inside the generator; name: the name the player sees;
// data: Natural Earth feature names merged into this country; island: drawn
// grown to clickable size (groupRadius: pixels around the main island that
// still belong to the drawn group); seaLinked: an island big enough to draw
// as it is that still needs a sea link; tier: starting strength (generals).

export const OPPONENT_KEY = 'EGY';
export const PLAYER_DEFAULT_KEY = 'ZAF';

// The Morocco / Western Sahara border runs along 27°40'N.
export const SPLIT_LATITUDE = 27 + 40 / 60;

const LIST = [
  { key: 'DZA', name: 'Algerien', data: ['Algeria'], tier: 3 },
  { key: 'AGO', name: 'Angola', data: ['Angola'], tier: 2, notNeighbours: ['COG'] },
  { key: 'GNQ', name: 'Äquatorialguinea', data: ['Eq. Guinea'], tier: 0 },
  { key: 'ETH', name: 'Äthiopien', data: ['Ethiopia'], tier: 3 },
  { key: 'BEN', name: 'Benin', data: ['Benin'], tier: 0 },
  { key: 'BWA', name: 'Botsuana', data: ['Botswana'], tier: 1 },
  { key: 'BFA', name: 'Burkina Faso', data: ['Burkina Faso'], tier: 1 },
  { key: 'BDI', name: 'Burundi', data: ['Burundi'], tier: 0 },
  { key: 'EGY', name: 'Ägypten', data: ['Egypt'], tier: 'opponent' },
  { key: 'COD', name: 'DR Kongo', data: ['Dem. Rep. Congo'], tier: 2 },
  { key: 'DJI', name: 'Dschibuti', data: ['Djibouti'], tier: 0 },
  { key: 'CIV', name: 'Elfenbeinküste', data: ["Côte d'Ivoire"], tier: 1 },
  { key: 'ERI', name: 'Eritrea', data: ['Eritrea'], tier: 1 },
  { key: 'SWZ', name: 'Eswatini', data: ['eSwatini'], tier: 0 },
  { key: 'GAB', name: 'Gabun', data: ['Gabon'], tier: 0 },
  { key: 'GMB', name: 'Gambia', data: ['Gambia'], tier: 0 },
  { key: 'GHA', name: 'Ghana', data: ['Ghana'], tier: 1 },
  { key: 'GIN', name: 'Guinea', data: ['Guinea'], tier: 1 },
  { key: 'GNB', name: 'Guinea-Bissau', data: ['Guinea-Bissau'], tier: 0 },
  { key: 'CMR', name: 'Kamerun', data: ['Cameroon'], tier: 1 },
  { key: 'CPV', name: 'Kap Verde', data: ['Cabo Verde'], tier: 0, island: true, groupRadius: 40 },
  { key: 'KEN', name: 'Kenia', data: ['Kenya'], tier: 2 },
  { key: 'COM', name: 'Komoren', data: ['Comoros'], tier: 0, island: true, groupRadius: 30 },
  { key: 'LSO', name: 'Lesotho', data: ['Lesotho'], tier: 0 },
  { key: 'LBR', name: 'Liberia', data: ['Liberia'], tier: 0 },
  { key: 'LBY', name: 'Libyen', data: ['Libya'], tier: 2 },
  { key: 'MDG', name: 'Madagaskar', data: ['Madagascar'], tier: 1, seaLinked: true, extraNeighbours: ['MOZ'] },
  { key: 'MWI', name: 'Malawi', data: ['Malawi'], tier: 0 },
  { key: 'MLI', name: 'Mali', data: ['Mali'], tier: 1 },
  { key: 'MAR', name: 'Marokko', data: ['Morocco'], tier: 2, notNeighbours: ['MRT'] },
  { key: 'MRT', name: 'Mauretanien', data: ['Mauritania'], tier: 1 },
  { key: 'MUS', name: 'Mauritius', data: ['Mauritius'], tier: 0, island: true, groupRadius: 12 },
  { key: 'MOZ', name: 'Mosambik', data: ['Mozambique'], tier: 1 },
  { key: 'NAM', name: 'Namibia', data: ['Namibia'], tier: 1, notNeighbours: ['ZWE'] },
  { key: 'NER', name: 'Niger', data: ['Niger'], tier: 1 },
  { key: 'NGA', name: 'Nigeria', data: ['Nigeria'], tier: 3 },
  { key: 'COG', name: 'Republik Kongo', data: ['Congo'], tier: 1 },
  { key: 'RWA', name: 'Ruanda', data: ['Rwanda'], tier: 1 },
  { key: 'ZMB', name: 'Sambia', data: ['Zambia'], tier: 1, extraNeighbours: ['BWA'] },
  { key: 'STP', name: 'São Tomé und Príncipe', data: ['São Tomé and Principe'], tier: 0, island: true, groupRadius: 25 },
  { key: 'SEN', name: 'Senegal', data: ['Senegal'], tier: 1 },
  { key: 'SYC', name: 'Seychellen', data: ['Seychelles'], tier: 0, island: true, groupRadius: 12 },
  { key: 'SLE', name: 'Sierra Leone', data: ['Sierra Leone'], tier: 0 },
  { key: 'ZWE', name: 'Simbabwe', data: ['Zimbabwe'], tier: 1 },
  { key: 'SOM', name: 'Somalia', data: ['Somalia', 'Somaliland'], tier: 1 },
  { key: 'ZAF', name: 'Südafrika', data: ['South Africa'], tier: 'player' },
  { key: 'SDN', name: 'Sudan', data: ['Sudan'], tier: 2 },
  { key: 'SSD', name: 'Südsudan', data: ['S. Sudan'], tier: 1 },
  { key: 'TZA', name: 'Tansania', data: ['Tanzania'], tier: 2 },
  { key: 'TGO', name: 'Togo', data: ['Togo'], tier: 0 },
  { key: 'TCD', name: 'Tschad', data: ['Chad'], tier: 1 },
  { key: 'TUN', name: 'Tunesien', data: ['Tunisia'], tier: 1 },
  { key: 'UGA', name: 'Uganda', data: ['Uganda'], tier: 1 },
  { key: 'ESH', name: 'Westsahara', data: ['W. Sahara'], tier: 0 },
  { key: 'CAF', name: 'Zentralafrikanische Republik', data: ['Central African Rep.'], tier: 1 },
];

// One character per country for the click grid: letters, then a few signs
// that the map file reader keeps as they are (no comma, quote or blank).
export const CODE_CHARS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz#$&';

export const COUNTRIES = LIST.map((c, i) => ({ ...c, code: CODE_CHARS[i] }));

// Starting generals: invented names, EP by tier (README.md explains the numbers).
const SYLLABLES = ['ka', 'mo', 'tu', 'ba', 'ri', 'do', 'se', 'lu', 'na', 'we', 'zi', 'po', 'ha', 'ne', 'ku', 'fa', 'bo', 'li', 'ma', 'to'];

function inventedName(n) {
  // Two or three syllables, picked by a fixed rule from the number n.
  let s = '';
  let v = n * 7919 + 13;
  const parts = 2 + (n % 2);
  for (let k = 0; k < parts; k++) {
    s += SYLLABLES[v % SYLLABLES.length];
    v = Math.floor(v / SYLLABLES.length) + 31 * (k + 1);
  }
  return s[0].toUpperCase() + s.slice(1);
}

// EP of the starting generals by tier. Tier 0: small states; 1: most
// countries; 2: regional powers; 3: the strongest passive states.
export const TIERS = {
  player: [10, 6, 4],
  opponent: [22, 13, 8],
  0: [2],
  1: [4, 2],
  2: [6, 3],
  3: [8, 5, 3],
};

export function generalsWith(tiers) {
  return (country, index) => tiers[country.tier].map((ep, k) => ({ name: inventedName(index * 5 + k), ep }));
}

export const generalsFor = generalsWith(TIERS);

// The map as the generator reads it (maps.mjs lists every map).
export const AFRIKA = {
  name: 'Afrika',
  continent: 'Afrika',
  rotate: [-17, -3],
  countries: COUNTRIES,
  opponent: OPPONENT_KEY,
  player: PLAYER_DEFAULT_KEY,
  split: { north: 'MAR', south: 'ESH', latitude: SPLIT_LATITUDE },
  generalsFor,
};
