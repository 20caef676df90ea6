// SPDX-License-Identifier: GPL-3.0-or-later
// Uncompressed 24-bit Windows bitmap (BITMAPINFOHEADER, bottom-up rows).

// pixels: width*height RGB triples, top row first.
export function writeBmp(width, height, pixels) {
  const rowBytes = Math.ceil((width * 3) / 4) * 4;
  const imageSize = rowBytes * height;
  const buf = Buffer.alloc(54 + imageSize);
  buf.write('BM', 0, 'ascii');
  buf.writeUInt32LE(54 + imageSize, 2);
  buf.writeUInt32LE(0, 6);
  buf.writeUInt32LE(54, 10);
  buf.writeUInt32LE(40, 14);
  buf.writeInt32LE(width, 18);
  buf.writeInt32LE(height, 22);
  buf.writeUInt16LE(1, 26);
  buf.writeUInt16LE(24, 28);
  buf.writeUInt32LE(0, 30);
  buf.writeUInt32LE(imageSize, 34);
  buf.writeInt32LE(3780, 38); // 96 dpi
  buf.writeInt32LE(3780, 42);
  buf.writeUInt32LE(0, 46);
  buf.writeUInt32LE(0, 50);
  for (let y = 0; y < height; y++) {
    const row = 54 + (height - 1 - y) * rowBytes;
    for (let x = 0; x < width; x++) {
      const s = (y * width + x) * 3;
      buf[row + x * 3] = pixels[s + 2];
      buf[row + x * 3 + 1] = pixels[s + 1];
      buf[row + x * 3 + 2] = pixels[s];
    }
  }
  return buf;
}
