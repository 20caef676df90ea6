// SPDX-License-Identifier: GPL-3.0-or-later
// Plays many games on the generated map to judge the starting generals:
// the game's rules for the clock, battles, training and the computer
// opponent, against a simple player who recruits, trains and attacks only
// where his best free general is clearly stronger.
//
// Usage: node balance.mjs [aiDivisor] [games] [mapFile]

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const aiDivisor = Number(process.argv[2] ?? 16);
const games = Number(process.argv[3] ?? 200);
const mapFile = process.argv[4] ?? path.join(here, '../../assets/cards/Afrika.mgi');

// ------------------------------------------------------------ map file
function fields(text) {
  const out = [];
  let i = 0;
  while (i < text.length) {
    let f = '';
    if (text[i] === '"') {
      const end = text.indexOf('"', i + 1);
      f = text.slice(i + 1, end);
      i = end + 1;
      while (i < text.length && text[i] !== ',' && text[i] !== '\n') i++;
    } else {
      while (i < text.length && text[i] !== ',' && text[i] !== '\n') f += text[i++];
      f = f.replace(/\r/g, '').trim();
    }
    out.push(f);
    i++;
  }
  return out;
}

function loadMap(file) {
  const f = fields(fs.readFileSync(file, 'latin1'));
  let p = 0;
  const next = () => f[p++];
  next(); next(); next();
  const n = Number(next());
  next(); next(); next(); next(); next(); next();
  const countries = [null];
  for (let i = 1; i <= n; i++) {
    const c = { name: next(), code: next() };
    const gc = Number(next());
    next(); next(); next(); next(); next(); next();
    const nc = Number(next());
    next();
    c.neighbours = [];
    for (let k = 0; k < nc; k++) c.neighbours.push(next());
    next();
    c.generals = [];
    for (let j = 0; j < gc; j++) { const name = next(); const ep = Number(next()); next(); c.generals.push(ep); }
    countries.push(c);
  }
  for (const c of countries.slice(1)) c.nb = c.neighbours.map((nm) => countries.findIndex((d) => d && d.name === nm));
  return countries;
}

// ------------------------------------------------------------ random
let seed = 1;
function rnd() {
  // xorshift32, deterministic per game
  seed ^= seed << 13; seed >>>= 0;
  seed ^= seed >>> 17;
  seed ^= seed << 5; seed >>>= 0;
  return seed / 4294967296;
}
const draw = (n) => Math.floor(n * rnd());

// ------------------------------------------------------------ one game
function play(map, player, gameSeed, maxYears = 400) {
  seed = gameSeed;
  const n = map.length - 1;
  const owner = [0], kind = [0];
  const ep = [[]], status = [[]], count = [0];
  for (let i = 1; i <= n; i++) {
    owner.push(i);
    kind.push(1);
    ep.push([0, ...map[i].generals]);
    status.push(new Array(100).fill(0));
    count.push(map[i].generals.length);
    for (let s = 1; s <= 5; s++) status[i][s] = 1;
  }
  const opponent = 9;
  kind[player] = 0;
  kind[opponent] = 2;
  const battles = [];
  const best = (side) => {
    let b = 0, r = 0;
    for (let j = 1; j <= count[side]; j++) if (ep[side][j] > b && status[side][j] !== 2) { b = ep[side][j]; r = j; }
    return r;
  };
  const open = (country, att, ag) => {
    const def = owner[country];
    const dg = best(def);
    battles.push({ country, att, def, ag, dg, ds: 80 });
    status[att][ag] = 2;
    status[def][dg] = 2;
  };
  let opponentWins = 0;
  for (let tick = 1; tick <= maxYears * 48; tick++) {
    // battles
    for (let k = 0; k < battles.length; k++) {
      const b = battles[k];
      const r1 = draw(5), r2 = draw(5);
      const d = ep[b.att][b.ag] * r1 - ep[b.def][b.dg] * r2;
      b.ds -= Math.trunc(d / 10);
      if (b.ds > 100 || b.ds < 0) {
        status[b.att][b.ag] = 1;
        status[b.def][b.dg] = 1;
        if (b.ds > 100) { owner[b.country] = b.def; ep[b.def][b.dg] += 5; }
        else { owner[b.country] = b.att; ep[b.att][b.ag] += 5; if (b.att === opponent) opponentWins++; }
        battles.splice(k, 1);
        k--;
      }
    }
    // countries
    for (let i = 1; i <= n; i++) {
      if (kind[i] === 2) {
        if (count[i] < 5) { count[i]++; ep[i][count[i]] = 1; }
        if (draw(aiDivisor) === 0) {
          for (let x = 1; x <= n; x++) {
            if (owner[x] !== i) continue;
            for (const t of map[x].nb) {
              const g = best(i), e = ep[i][g];
              if (owner[t] === i) continue;
              const c = battles.filter((b) => (b.att === i || b.def === i) && (b.att === t || b.def === t)).length;
              const o = owner[t], g2 = best(o);
              if (c !== 0 || !(e > ep[o][g2])) continue;
              if (battles.some((b) => b.country === t)) continue;
              open(t, i, best(i));
            }
          }
        }
      }
      for (let j = 0; j <= count[i]; j++) if (status[i][j] === 1 && draw(16) === 0) ep[i][j]++;
    }
    // the player, between ticks
    const held = owner.filter((o, i) => i > 0 && o === player).length;
    if (process.env.BALANCE_TRACE && tick % 480 === 0) {
      const opp = owner.filter((o, i) => i > 0 && o === opponent).length;
      const top = (s) => Math.max(...ep[s].slice(1, count[s] + 1));
      const passiveTop = Math.max(...owner.map((o, i) => (i > 0 && o === i && i !== player && i !== opponent ? top(i) : 0)));
      console.log(`year ${tick / 48}: player ${held} (best ${top(player)}, ${count[player]} generals), opponent ${opp} (best ${top(opponent)}), strongest passive ${passiveTop}, battles ${battles.length}`);
    }
    if (held === n) return { won: true, years: tick / 48, opponentWins };
    if (held === 0) return { won: false, years: tick / 48, opponentWins };
    const free = () => { const l = []; for (let j = 1; j <= count[player]; j++) if (status[player][j] !== 2) l.push(j); return l; };
    // Keep a pool of generals in training; recruit while few are free.
    if (free().length < 4 && count[player] < 40) { count[player]++; ep[player][count[player]] = 1; status[player][count[player]] = 1; }
    for (let j = 1; j <= count[player]; j++) if (status[player][j] === 0) status[player][j] = 1;
    const playerBattles = battles.filter((b) => b.att === player || b.def === player);
    if (playerBattles.length >= 25) continue;
    for (let x = 1; x <= n; x++) {
      if (owner[x] !== player) continue;
      for (const t of map[x].nb) {
        if (owner[t] === player || battles.some((b) => b.country === t)) continue;
        if (battles.some((b) => (b.att === player || b.def === player) && (b.att === t || b.def === t))) continue;
        const dg = best(owner[t]);
        const dep = ep[owner[t]][dg];
        // The strongest free general, if he is stronger than the defender.
        const pool = free().sort((a, b) => ep[player][b] - ep[player][a]);
        const g = pool.find((j) => ep[player][j] >= Math.max(3, dep + 2));
        if (g === undefined) continue;
        open(t, player, g);
      }
    }
  }
  return { won: null, years: maxYears, opponentWins };
}

const map = loadMap(mapFile);
// BALANCE_TIERS='{"opponent":[8,5],...}' tries other starting generals by tier.
if (process.env.BALANCE_TIERS) {
  const { COUNTRIES, TIERS } = await import('./countries.mjs');
  const tiers = { ...TIERS, ...JSON.parse(process.env.BALANCE_TIERS) };
  for (const c of COUNTRIES) map.find((m) => m && m.name === c.name).generals = [...tiers[c.tier]];
}
const player = map.findIndex((c) => c && c.name === 'Südafrika');
const results = [];
for (let g = 1; g <= games; g++) results.push(play(map, player, (g * 2654435761) >>> 0 || 1));
const won = results.filter((r) => r.won === true);
const lost = results.filter((r) => r.won === false);
const median = (a) => { const s = [...a].sort((x, y) => x - y); return s.length ? s[Math.floor(s.length / 2)] : NaN; };
console.log(`aiDivisor ${aiDivisor}: ${games} games, won ${won.length}, lost ${lost.length}, undecided ${games - won.length - lost.length}`);
console.log(`  median game years: won ${median(won.map((r) => r.years)).toFixed(1)}, lost ${median(lost.map((r) => r.years)).toFixed(1)}`);
console.log(`  median conquests by the opponent: ${median(results.map((r) => r.opponentWins))}`);
