// SPDX-License-Identifier: GPL-3.0-or-later
// Scanline fill of polygon rings with the even-odd rule, sampled at pixel
// centres: no anti-aliasing, so every pixel gets exactly one label.

// rings: arrays of [x, y] points (closed implicitly). span(x0, x1, y) is
// called for each run of covered pixels x0 <= x < x1 in row y.
export function rasterizeRings(rings, width, height, span) {
  const edges = [];
  let minY = Infinity, maxY = -Infinity;
  for (const r of rings) {
    for (let i = 0, j = r.length - 1; i < r.length; j = i++) {
      const [x0, y0] = r[j], [x1, y1] = r[i];
      if (y0 === y1) continue;
      edges.push(y0 < y1 ? [x0, y0, x1, y1] : [x1, y1, x0, y0]);
      minY = Math.min(minY, y0, y1);
      maxY = Math.max(maxY, y0, y1);
    }
  }
  if (!edges.length) return;
  const yStart = Math.max(0, Math.floor(minY - 0.5));
  const yEnd = Math.min(height - 1, Math.ceil(maxY));
  const xs = [];
  for (let y = yStart; y <= yEnd; y++) {
    const sy = y + 0.5;
    xs.length = 0;
    for (const [x0, y0, x1, y1] of edges) {
      // Half-open in y so that a vertex on the scanline counts once.
      if (sy >= y0 && sy < y1) xs.push(x0 + ((sy - y0) * (x1 - x0)) / (y1 - y0));
    }
    xs.sort((a, b) => a - b);
    for (let k = 0; k + 1 < xs.length; k += 2) {
      // Pixel x is covered when its centre x + 0.5 lies in [xs[k], xs[k+1]).
      const a = Math.max(0, Math.ceil(xs[k] - 0.5));
      const b = Math.min(width, Math.ceil(xs[k + 1] - 0.5));
      if (b > a) span(a, b, y);
    }
  }
}
