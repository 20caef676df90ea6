// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the shipped maps (Afrika, Europa, Asien, Amerika): assets/cards/<Name>.mgi
// (the country file) and <Name>.bmp (the picture the game flood-fills), from
// the Natural Earth 1:50m borders in the world-atlas package.
//
// Everything is deterministic: no randomness, no time stamps, fixed iteration
// order, so a rerun writes the same bytes.
//
// Usage: node mapgen.mjs [outputDir] [Name ...]   (default: ../../assets/cards, every map)

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as topojson from 'topojson-client';
import { geoArea, geoAzimuthalEqualArea, geoContains, geoPath } from 'd3-geo';
import { MAPS } from './maps.mjs';
import { writeBmp } from './bmp.mjs';
import { rasterizeRings } from './raster.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const outDir = path.resolve(process.argv[2] ?? path.join(here, '../../assets/cards'));
const only = process.argv.slice(3);

// ---------------------------------------------------------------- settings
const MAP_HEIGHT = 790;      // main window = map + ~213 px, fits 1080 px screens
const MARGIN = 6;
const CELL = 17;              // grid cell size used by the game's click lookup
const ISLAND_RADIUS = 7;      // island states are drawn at least this big (px)
const MIN_INNER_DEPTH = 4;    // small countries are grown until a seed sits this deep
const SEA_CELL_CODE = '.';
const CELL_MIN_SHARE = 0.22;  // a cell names a country only if it covers this much of it

const COLOURS = {
  sea: [164, 206, 226],
  coast: [120, 160, 190],
  border: [70, 70, 70],
  foreignLand: [226, 223, 214],
  foreignBorder: [168, 166, 160],
};

// Soft political-map hues; neighbouring countries get different hues, and
// every country is nudged to a colour of its own.
const HUES = [
  [246, 192, 122], // light orange
  [196, 224, 150], // pale green
  [244, 174, 150], // salmon
  [190, 178, 224], // lavender
  [248, 226, 120], // yellow
  [150, 208, 190], // teal
  [230, 170, 204], // pink
  [206, 210, 138], // olive
];

// ---------------------------------------------------------------- data
const atlas = JSON.parse(fs.readFileSync(path.join(here, 'node_modules/world-atlas/countries-50m.json'), 'utf8'));
const geometries = atlas.objects.countries.geometries;
const features = topojson.feature(atlas, atlas.objects.countries).features;

function generate(MAP) {
const { countries: COUNTRIES, opponent: OPPONENT_KEY, player: PLAYER_DEFAULT_KEY, generalsFor } = MAP;
const byDataName = new Map();
features.forEach((f, i) => byDataName.set(f.properties.name, i));
for (const c of COUNTRIES) {
  for (const n of c.data) {
    if (!byDataName.has(n)) throw new Error(`data has no feature "${n}"`);
  }
}

// Country ids 1..N in file order; index 9 is the opponent.
const N = COUNTRIES.length;
const idOf = new Map(COUNTRIES.map((c, i) => [c.key, i + 1]));
const featureToCountry = new Map();
for (const c of COUNTRIES) for (const n of c.data) featureToCountry.set(byDataName.get(n), idOf.get(c.key));

// ---------------------------------------------------------------- projection
// The frame holds each country's main land and the island states; far-off
// islands of mainland countries (South Africa's Prince Edward Islands) stay out.
const islandKeys = new Set(COUNTRIES.filter((c) => c.island).map((c) => c.key));
const framePolygons = [];
const framePoints = [];
// The part of a country that is kept: the polygon around c.mainAt (a capital
// that does not lie on the largest part), else the largest one.
function mainPolygon(c, polys) {
  if (c.mainAt) {
    const hit = polys.find((p) => geoContains({ type: 'Polygon', coordinates: p }, c.mainAt));
    if (hit) return hit;
  }
  const areas = polys.map((p) => geoArea({ type: 'Polygon', coordinates: p }));
  return polys[areas.indexOf(Math.max(...areas))];
}
for (const c of COUNTRIES) {
  for (const n of c.data) {
    const polys = polygonsOf(features[byDataName.get(n)]);
    if (islandKeys.has(c.key)) { framePolygons.push(...polys); continue; }
    const main = mainPolygon(c, polys);
    if (main === undefined) continue;
    // A country reaching far beyond the map (Russland) frames only its part
    // west of c.frameWestOf; the picture's edge cuts the rest.
    if (c.frameWestOf !== undefined) framePoints.push(...main[0].filter(([lon]) => lon >= 0 && lon <= c.frameWestOf));
    else framePolygons.push(main);
  }
}
const frame = framePoints.length
  ? { type: 'GeometryCollection', geometries: [{ type: 'MultiPolygon', coordinates: framePolygons }, { type: 'MultiPoint', coordinates: framePoints }] }
  : { type: 'MultiPolygon', coordinates: framePolygons };
const projection = geoAzimuthalEqualArea().rotate(MAP.rotate).clipAngle(90);
projection.fitHeight(MAP_HEIGHT - 2 * MARGIN, frame);
const b = geoPath(projection).bounds(frame);
const [tx, ty] = projection.translate();
projection.translate([tx - b[0][0] + MARGIN, ty - b[0][1] + MARGIN]);
const W = Math.ceil(b[1][0] - b[0][0] + 2 * MARGIN);
const H = MAP_HEIGHT;
projection.clipExtent([[-2, -2], [W + 2, H + 2]]);

function projectRings(geometry) {
  const rings = [];
  let ring = null;
  const ctx = {
    moveTo(x, y) { ring = [[x, y]]; rings.push(ring); },
    lineTo(x, y) { ring.push([x, y]); },
    closePath() {},
    arc() {}, rect() {},
  };
  geoPath(projection, ctx)(geometry);
  // Rounding to 1/256 px keeps the raster stable against last-bit differences.
  return rings.map((r) => r.map(([x, y]) => [Math.round(x * 256) / 256, Math.round(y * 256) / 256]));
}

function polygonsOf(feature) {
  const g = feature.geometry;
  if (!g) return [];
  return g.type === 'Polygon' ? [g.coordinates] : g.type === 'MultiPolygon' ? g.coordinates : [];
}

// ---------------------------------------------------------------- labels
// label: 0 sea; 1..N countries; FOREIGN_BASE + feature index for any other land
// (foreign countries and the cut-off parts of African ones).
const FOREIGN_BASE = 1000;
const label = new Int32Array(W * H);
const at = (x, y) => y * W + x;

function paint(rings, value) {
  rasterizeRings(rings, W, H, (x0, x1, y) => {
    for (let x = x0; x < x1; x++) label[at(x, y)] = value;
  });
}

// Foreign land first, so African countries lie on top.
features.forEach((f, i) => {
  if (featureToCountry.has(i)) return;
  for (const poly of polygonsOf(f)) paint(projectRings({ type: 'Polygon', coordinates: poly }), FOREIGN_BASE + i);
});

const islandIds = new Set(COUNTRIES.filter((c) => c.island).map((c) => idOf.get(c.key)));

for (const [fi, id] of featureToCountry) {
  if (islandIds.has(id)) continue;
  for (const poly of polygonsOf(features[fi])) paint(projectRings({ type: 'Polygon', coordinates: poly }), id);
}

// A border the data does not have (Morocco / Western Sahara: the data cuts
// along the wall, the border is the parallel 27°40'N): split the joint area
// of both countries along a parallel.
if (MAP.split) {
  const north = idOf.get(MAP.split.north);
  const south = idOf.get(MAP.split.south);
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W; x++) {
      const l = label[at(x, y)];
      if (l !== north && l !== south) continue;
      const [, lat] = projection.invert([x + 0.5, y + 0.5]);
      label[at(x, y)] = lat < MAP.split.latitude ? south : north;
    }
  }
}

// Island states shrink to a few pixels: draw them as the hull of their main
// island group, grown to at least ISLAND_RADIUS, so they can be seen and clicked.
function convexHull(points) {
  const p = [...points].sort((a, b) => a[0] - b[0] || a[1] - b[1]);
  if (p.length < 3) return p;
  const cross = (o, a, b) => (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
  const lower = [];
  for (const q of p) {
    while (lower.length >= 2 && cross(lower[lower.length - 2], lower[lower.length - 1], q) <= 0) lower.pop();
    lower.push(q);
  }
  const upper = [];
  for (let i = p.length - 1; i >= 0; i--) {
    const q = p[i];
    while (upper.length >= 2 && cross(upper[upper.length - 2], upper[upper.length - 1], q) <= 0) upper.pop();
    upper.push(q);
  }
  upper.pop(); lower.pop();
  return lower.concat(upper);
}

function ringArea(r) {
  let a = 0;
  for (let i = 0, j = r.length - 1; i < r.length; j = i++) a += (r[j][0] + r[i][0]) * (r[j][1] - r[i][1]);
  return Math.abs(a / 2);
}

for (const c of COUNTRIES.filter((c) => c.island)) {
  const id = idOf.get(c.key);
  const parts = [];
  for (const n of c.data) {
    for (const poly of polygonsOf(features[byDataName.get(n)])) {
      const rings = projectRings({ type: 'Polygon', coordinates: poly });
      if (rings.length) parts.push(rings[0]);
    }
  }
  parts.sort((a, b) => ringArea(b) - ringArea(a));
  const main = parts[0];
  const cx = main.reduce((s, p) => s + p[0], 0) / main.length;
  const cy = main.reduce((s, p) => s + p[1], 0) / main.length;
  // Outlying islands far from the main group would stretch the hull across
  // the ocean; keep the group within c.groupRadius pixels.
  const group = parts.filter((r) => r.some(([x, y]) => Math.hypot(x - cx, y - cy) <= c.groupRadius));
  const hull = convexHull(group.flat());
  const r2 = ISLAND_RADIUS * ISLAND_RADIUS;
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W; x++) {
      const px = x + 0.5, py = y + 0.5;
      if ((px - cx) ** 2 + (py - cy) ** 2 <= r2 || distToPolygon(hull, px, py) <= 2.5) label[at(x, y)] = id;
    }
  }
}

function distToPolygon(poly, px, py) {
  if (poly.length === 0) return Infinity;
  let inside = false;
  let best = Infinity;
  for (let i = 0, j = poly.length - 1; i < poly.length; j = i++) {
    const [xi, yi] = poly[i], [xj, yj] = poly[j];
    if ((yi > py) !== (yj > py) && px < ((xj - xi) * (py - yi)) / (yj - yi) + xi) inside = !inside;
    const dx = xi - xj, dy = yi - yj;
    const len2 = dx * dx + dy * dy;
    let t = len2 ? ((px - xj) * dx + (py - yj) * dy) / len2 : 0;
    t = Math.max(0, Math.min(1, t));
    best = Math.min(best, Math.hypot(px - (xj + t * dx), py - (yj + t * dy)));
  }
  return inside ? 0 : best;
}

// ---------------------------------------------------------------- helpers
const isCountry = (l) => l >= 1 && l <= N;
const DX = [1, -1, 0, 0], DY = [0, 0, 1, -1];

function components(value, mask) {
  // 4-connected components of pixels where mask(i) holds and label === value.
  const seen = new Uint8Array(W * H);
  const comps = [];
  for (let i = 0; i < W * H; i++) {
    if (seen[i] || label[i] !== value || !mask(i)) continue;
    const comp = [i];
    seen[i] = 1;
    for (let k = 0; k < comp.length; k++) {
      const p = comp[k], x = p % W, y = (p - x) / W;
      for (let d = 0; d < 4; d++) {
        const nx = x + DX[d], ny = y + DY[d];
        if (nx < 0 || ny < 0 || nx >= W || ny >= H) continue;
        const q = at(nx, ny);
        if (!seen[q] && label[q] === value && mask(q)) { seen[q] = 1; comp.push(q); }
      }
    }
    comps.push(comp);
  }
  comps.sort((a, b) => b.length - a.length || a[0] - b[0]);
  return comps;
}

// border[i]: 0 none, 1 country border line, 2 foreign border line, 3 coast
const border = new Uint8Array(W * H);

function markBorders() {
  border.fill(0);
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W; x++) {
      const l = label[at(x, y)];
      if (l === 0) continue;
      // One line pixel on the right/lower side of a change is enough to keep
      // 4-connected fills apart and keeps lines thin.
      for (const [nx, ny] of [[x + 1, y], [x, y + 1]]) {
        if (nx >= W || ny >= H) continue;
        const m = label[at(nx, ny)];
        if (m === 0 || m === l) continue;
        const kind = isCountry(l) || isCountry(m) ? 1 : 2;
        if (kind === 1 || border[at(x, y)] === 0) border[at(x, y)] = kind;
      }
    }
  }
  // A line pixel between a country and the sea belongs to the coast.
  for (let y = 0; y < H; y++) {
    for (let x = 0; x < W; x++) {
      const i = at(x, y);
      if (label[i] !== 0) continue;
      for (let d = 0; d < 4; d++) {
        const nx = x + DX[d], ny = y + DY[d];
        if (nx < 0 || ny < 0 || nx >= W || ny >= H) continue;
        if (label[at(nx, ny)] !== 0) { border[i] = 3; break; }
      }
    }
  }
}

const isArea = (i) => border[i] === 0;

// Depth of every area pixel of `id`: 4-connected steps to the nearest pixel
// that is not the country's open area (borders, sea, other land).
function depthMap(id) {
  const depth = new Int32Array(W * H).fill(-1);
  const queue = [];
  for (let i = 0; i < W * H; i++) {
    if (label[i] !== id || !isArea(i)) continue;
    const x = i % W, y = (i - x) / W;
    let edge = false;
    for (let d = 0; d < 4 && !edge; d++) {
      const nx = x + DX[d], ny = y + DY[d];
      if (nx < 0 || ny < 0 || nx >= W || ny >= H) { edge = true; continue; }
      const q = at(nx, ny);
      if (label[q] !== id || !isArea(q)) edge = true;
    }
    if (edge) { depth[i] = 1; queue.push(i); }
  }
  for (let k = 0; k < queue.length; k++) {
    const p = queue[k], x = p % W, y = (p - x) / W;
    for (let d = 0; d < 4; d++) {
      const nx = x + DX[d], ny = y + DY[d];
      if (nx < 0 || ny < 0 || nx >= W || ny >= H) continue;
      const q = at(nx, ny);
      if (label[q] === id && isArea(q) && depth[q] < 0) { depth[q] = depth[p] + 1; queue.push(q); }
    }
  }
  return depth;
}

function maxDepth(id) {
  const depth = depthMap(id);
  let best = 0;
  for (let i = 0; i < W * H; i++) if (depth[i] > best) best = depth[i];
  return best;
}

// ---------------------------------------------------------------- small countries
// Countries too narrow to keep an area between their border lines (Gambia)
// grow one pixel at a time into neighbouring land, as small-scale atlases
// exaggerate them.
markBorders();
for (let round = 0; round < 8; round++) {
  const small = [];
  for (let id = 1; id <= N; id++) if (!islandIds.has(id) && maxDepth(id) < MIN_INNER_DEPTH) small.push(id);
  if (small.length === 0) break;
  console.log(`grown by one pixel: ${small.map((id) => COUNTRIES[id - 1].name).join(', ')}`);
  for (const id of small) {
    const grow = [];
    for (let y = 0; y < H; y++) {
      for (let x = 0; x < W; x++) {
        const i = at(x, y);
        if (label[i] !== id) continue;
        for (let d = 0; d < 4; d++) {
          const nx = x + DX[d], ny = y + DY[d];
          if (nx < 0 || ny < 0 || nx >= W || ny >= H) continue;
          const q = at(nx, ny);
          const m = label[q];
          if (m !== 0 && m !== id && !small.includes(m) && !islandIds.has(m)) grow.push(q);
        }
      }
    }
    for (const q of grow) label[q] = id;
  }
  markBorders();
}

// Each country keeps its largest area; the rest (Cabinda, Bioko, Zanzibar,
// small offshore islands, slivers cut off by a line) becomes neutral land.
const mainPixel = (id) => {
  const c = COUNTRIES[id - 1];
  if (!c.mainAt) return -1;
  const [x, y] = projection(c.mainAt).map(Math.floor);
  return at(x, y);
};
for (let id = 1; id <= N; id++) {
  const comps = components(id, isArea);
  if (comps.length === 0) throw new Error(`country ${COUNTRIES[id - 1].name} vanished`);
  const keep = comps.find((comp) => comp.includes(mainPixel(id))) ?? comps[0];
  for (const comp of comps) if (comp !== keep) for (const i of comp) label[i] = FOREIGN_BASE + 5000 + id;
}
markBorders();
for (let id = 1; id <= N; id++) {
  const comps = components(id, isArea);
  if (comps.length !== 1) {
    for (const comp of comps.slice(1)) for (const i of comp) label[i] = FOREIGN_BASE + 5000 + id;
    markBorders();
  }
}

// ---------------------------------------------------------------- neighbours
const neighbourSets = Array.from({ length: N + 1 }, () => new Set());
const link = (a, b) => { if (a !== b) { neighbourSets[a].add(b); neighbourSets[b].add(a); } };

// Shared arcs of the topology are the true land borders.
topojson.neighbors(geometries).forEach((list, i) => {
  const a = featureToCountry.get(i);
  if (!a) return;
  for (const j of list) { const b2 = featureToCountry.get(j); if (b2) link(a, b2); }
});
for (const [a, b2] of COUNTRIES.flatMap((c) => (c.extraNeighbours ?? []).map((n) => [c.key, n]))) link(idOf.get(a), idOf.get(b2));
for (const [a, b2] of COUNTRIES.flatMap((c) => (c.notNeighbours ?? []).map((n) => [c.key, n]))) {
  neighbourSets[idOf.get(a)].delete(idOf.get(b2));
  neighbourSets[idOf.get(b2)].delete(idOf.get(a));
}

// Island states: a sea link to the nearest country already reachable from the
// mainland, nearest islands first, so the whole map is one connected graph.
{
  const pixelsOf = (id) => { const p = []; for (let i = 0; i < W * H; i++) if (label[i] === id && isArea(i)) p.push(i); return p; };
  const pix = new Map();
  for (let id = 1; id <= N; id++) pix.set(id, pixelsOf(id));
  const dist = (a, b2) => {
    let best = Infinity;
    const pa = pix.get(a), pb = pix.get(b2);
    const step = Math.max(1, Math.floor(pb.length / 4000));
    for (const i of pa) {
      const x = i % W, y = (i - x) / W;
      for (let k = 0; k < pb.length; k += step) {
        const j = pb[k], u = j % W, v = (j - u) / W;
        const d = (x - u) ** 2 + (y - v) ** 2;
        if (d < best) best = d;
      }
    }
    return Math.sqrt(best);
  };
  const connected = new Set();
  for (let id = 1; id <= N; id++) if (!islandIds.has(id) && COUNTRIES[id - 1].seaLinked !== true) connected.add(id);
  const pending = [...islandIds, ...COUNTRIES.filter((c) => c.seaLinked).map((c) => idOf.get(c.key))];
  while (pending.length) {
    let bestIsland = -1, bestTo = -1, bestD = Infinity;
    for (const s of pending) {
      for (const t of connected) {
        // The game allows ten neighbours; a full country takes no sea link.
        if (neighbourSets[t].size >= 10) continue;
        const d = dist(s, t);
        if (d < bestD || (d === bestD && (s < bestIsland || (s === bestIsland && t < bestTo)))) { bestD = d; bestIsland = s; bestTo = t; }
      }
    }
    link(bestIsland, bestTo);
    connected.add(bestIsland);
    pending.splice(pending.indexOf(bestIsland), 1);
    console.log(`sea link: ${COUNTRIES[bestIsland - 1].name} - ${COUNTRIES[bestTo - 1].name} (${bestD.toFixed(0)} px)`);
  }
}
{
  // One connected graph: every country can be reached from every other.
  const reached = new Set([1]);
  const queue = [1];
  while (queue.length) for (const m of neighbourSets[queue.shift()]) if (!reached.has(m)) { reached.add(m); queue.push(m); }
  if (reached.size !== N) throw new Error(`not reachable: ${COUNTRIES.filter((c, i) => !reached.has(i + 1)).map((c) => c.name).join(', ')}`);
}
for (let id = 1; id <= N; id++) {
  if (neighbourSets[id].size > 10) throw new Error(`${COUNTRIES[id - 1].name} has more than 10 neighbours`);
  if (neighbourSets[id].size === 0) throw new Error(`${COUNTRIES[id - 1].name} has no neighbours`);
}

// ---------------------------------------------------------------- colours
// Greedy colouring over the neighbour graph and visual contact in the picture.
const touching = Array.from({ length: N + 1 }, () => new Set());
for (let y = 0; y < H; y++) {
  for (let x = 0; x < W; x++) {
    const l = label[at(x, y)];
    if (!isCountry(l)) continue;
    for (let dy = -3; dy <= 3; dy++) {
      for (let dx = -3; dx <= 3; dx++) {
        const nx = x + dx, ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= W || ny >= H) continue;
        const m = label[at(nx, ny)];
        if (isCountry(m) && m !== l) { touching[l].add(m); touching[m].add(l); }
      }
    }
  }
}
const hueOf = new Array(N + 1).fill(-1);
const hueUse = new Array(HUES.length).fill(0);
const order = [...Array(N).keys()].map((i) => i + 1)
  .sort((a, b2) => (touching[b2].size + neighbourSets[b2].size) - (touching[a].size + neighbourSets[a].size) || a - b2);
for (const id of order) {
  const banned = new Set([...touching[id], ...neighbourSets[id]].map((m) => hueOf[m]));
  let best = -1;
  for (let h = 0; h < HUES.length; h++) if (!banned.has(h) && (best < 0 || hueUse[h] < hueUse[best])) best = h;
  if (best < 0) throw new Error('palette too small');
  hueOf[id] = best;
  hueUse[best]++;
}
const colourOf = new Array(N + 1);
{
  const taken = new Set(Object.values(COLOURS).map((c) => c.join(',')));
  taken.add('255,0,0');
  taken.add('0,255,0');
  const seenInHue = new Array(HUES.length).fill(0);
  for (let id = 1; id <= N; id++) {
    const h = hueOf[id];
    const k = seenInHue[h]++;
    // Small shifts, alternating lighter/darker, keep the hue recognisable.
    const shift = (k % 2 === 0 ? 1 : -1) * Math.ceil(k / 2) * 4;
    let c = HUES[h].map((v) => Math.max(0, Math.min(254, v + shift)));
    while (taken.has(c.join(','))) c = c.map((v) => Math.max(0, v - 1));
    taken.add(c.join(','));
    colourOf[id] = c;
  }
}

// ---------------------------------------------------------------- seeds
const seeds = new Array(N + 1);
const areaOf = new Array(N + 1).fill(0);
for (let id = 1; id <= N; id++) {
  const depth = depthMap(id);
  let best = -1, bi = -1;
  for (let i = 0; i < W * H; i++) {
    if (depth[i] > 0) areaOf[id]++;
    if (depth[i] > best) { best = depth[i]; bi = i; }
  }
  seeds[id] = [bi % W, Math.floor(bi / W), best];
}

// ---------------------------------------------------------------- grid
const cols = Math.ceil(W / CELL), rows = Math.ceil(H / CELL);
if (cols > 99 || rows > 99) throw new Error('grid too large');
const codes = COUNTRIES.map((c) => c.code);
if (new Set(codes).size !== N || codes.includes(SEA_CELL_CODE)) throw new Error('codes not unique');
const cellCountry = new Int32Array(cols * rows);
const cellCounts = Array.from({ length: cols * rows }, () => new Map());
for (let y = 0; y < H; y++) {
  for (let x = 0; x < W; x++) {
    const i = at(x, y);
    const l = label[i];
    if (!isCountry(l) || !isArea(i)) continue;
    const c = Math.floor(y / CELL) * cols + Math.floor(x / CELL);
    cellCounts[c].set(l, (cellCounts[c].get(l) ?? 0) + 1);
  }
}
for (let c = 0; c < cols * rows; c++) {
  let best = 0, bestN = 0;
  for (const [id, n] of [...cellCounts[c]].sort((a, b2) => a[0] - b2[0])) if (n > bestN) { best = id; bestN = n; }
  cellCountry[c] = bestN >= CELL_MIN_SHARE * CELL * CELL ? best : 0;
}
// Every country must own a cell to be clickable; a small one takes the cell
// where most of it lies from a country that can spare it.
for (let pass = 0; pass < 3; pass++) {
  for (let id = 1; id <= N; id++) {
    if (cellCountry.includes(id)) continue;
    const owned = new Map();
    for (const v of cellCountry) owned.set(v, (owned.get(v) ?? 0) + 1);
    let bestC = -1, bestN = 0;
    for (let c = 0; c < cols * rows; c++) {
      const n = cellCounts[c].get(id) ?? 0;
      const holder = cellCountry[c];
      if (n > bestN && (holder === 0 || owned.get(holder) > 1)) { bestC = c; bestN = n; }
    }
    if (bestC < 0) throw new Error(`no cell for ${COUNTRIES[id - 1].name}`);
    cellCountry[bestC] = id;
  }
}

// ---------------------------------------------------------------- picture
const pixels = new Uint8Array(W * H * 3);
for (let i = 0; i < W * H; i++) {
  const l = label[i];
  let c;
  if (border[i] === 1) c = COLOURS.border;
  else if (border[i] === 2) c = COLOURS.foreignBorder;
  else if (border[i] === 3) c = COLOURS.coast;
  else if (l === 0) c = COLOURS.sea;
  else if (isCountry(l)) c = colourOf[l];
  else c = COLOURS.foreignLand;
  pixels.set(c, i * 3);
}
fs.mkdirSync(outDir, { recursive: true });
fs.writeFileSync(path.join(outDir, `${MAP.name}.bmp`), writeBmp(W, H, pixels));

// ---------------------------------------------------------------- map file
function cp1252(text) {
  const out = [];
  for (const ch of text) {
    const u = ch.codePointAt(0);
    if (u < 0x80 || (u >= 0xa0 && u <= 0xff)) out.push(u);
    else throw new Error(`character ${ch} not representable`);
  }
  return Buffer.from(out);
}
const q = (s) => {
  if (/[",\r\n]/.test(s)) throw new Error(`unsafe text ${s}`);
  return `"${s}"`;
};
const lines = [];
lines.push('1');
lines.push(q(MAP.name));                       // placeholder: map title
lines.push(q('Natural Earth 1:50m'));          // placeholder: source of the borders
lines.push([N, cols, rows].join(','));
lines.push(q(MAP.continent));
lines.push(q(COUNTRIES.find((c) => c.key === PLAYER_DEFAULT_KEY).code));
lines.push('0,0');                             // placeholders
const nameOf = (id) => COUNTRIES[id - 1].name;
for (let id = 1; id <= N; id++) {
  const c = COUNTRIES[id - 1];
  const gens = generalsFor(c, id);
  const cellsOwned = cellCountry.filter((v) => v === id).length;
  const nb = [...neighbourSets[id]].sort((a, b2) => a - b2);
  lines.push([q(c.name), q(c.code), gens.length, 0, areaOf[id], cellsOwned, 0].join(','));
  lines.push([seeds[id][0], seeds[id][1], nb.length, 0].join(','));
  if (nb.length) lines.push(nb.map((n) => q(nameOf(n))).join(','));
  lines.push('0');
  for (const g of gens) lines.push([q(g.name), g.ep, 0].join(','));
}
lines.push('0');
for (let r = 0; r < rows; r++) {
  let s = '';
  for (let c = 0; c < cols; c++) {
    const id = cellCountry[r * cols + c];
    s += id ? COUNTRIES[id - 1].code : SEA_CELL_CODE;
  }
  lines.push(q(s));
}
fs.writeFileSync(path.join(outDir, `${MAP.name}.mgi`), cp1252(lines.join('\r\n') + '\r\n'));

// ---------------------------------------------------------------- report
console.log(`${MAP.name}: picture ${W} x ${H}, grid ${cols} x ${rows}, ${N} countries`);
for (let id = 1; id <= N; id++) {
  const c = COUNTRIES[id - 1];
  console.log(`${String(id).padStart(2)} ${c.code} ${c.name.padEnd(30)} area ${String(areaOf[id]).padStart(6)} depth ${seeds[id][2]} cells ${cellCountry.filter((v) => v === id).length} rgb ${colourOf[id].join(',')} nb ${[...neighbourSets[id]].map(nameOf).join(', ')}`);
}
if (COUNTRIES[8].key !== OPPONENT_KEY) throw new Error('country 9 must be the opponent');

}

for (const m of MAPS) if (only.length === 0 || only.includes(m.name)) generate(m);
