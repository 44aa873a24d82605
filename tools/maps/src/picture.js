// The two pictures of a map: the index picture (grey value = region number)
// and the display picture the pupil sees.
import fs from 'fs';
import { PNG } from 'pngjs';
import { adjacency } from './raster.js';

const PALETTE = [
  [246, 196, 120], [168, 214, 156], [242, 168, 160], [170, 196, 232],
  [236, 226, 140], [206, 178, 222], [150, 210, 204], [240, 190, 214],
];
const BORDER = [96, 86, 80];

// Palette slot per region: neighbours never share a colour.
function colourRegions(grid, regions) {
  const neighbours = new Map();
  for (const pair of adjacency(grid)) {
    const [a, b] = pair.split('-').map(Number);
    for (const [p, q] of [[a, b], [b, a]]) {
      if (!neighbours.has(p)) neighbours.set(p, []);
      neighbours.get(p).push(q);
    }
  }
  const slot = new Array(regions + 1).fill(-1);
  for (let region = 1; region <= regions; ++region) {
    const taken = new Set((neighbours.get(region) || []).map((n) => slot[n]));
    let choice = (region * 3) % PALETTE.length;
    while (taken.has(choice)) choice = (choice + 1) % PALETTE.length;
    slot[region] = choice;
  }
  return slot;
}

function writePng(path, width, height, pixel, colorType) {
  const png = new PNG({ width, height, colorType, inputColorType: 2, inputHasAlpha: false });
  png.data = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x) pixel(x, y).forEach((value, c) => (png.data[(y * width + x) * 3 + c] = value));
  fs.writeFileSync(path, PNG.sync.write(png, { colorType, inputColorType: 2, inputHasAlpha: false }));
}

// Border pixels: a region pixel next to the background, or whose right or lower
// neighbour is another region (so inner borders are one pixel wide).
function isBorder(grid, x, y) {
  const { width, height, cells } = grid;
  const at = (u, v) => (u < 0 || v < 0 || u >= width || v >= height ? 0 : cells[v * width + u]);
  const value = at(x, y);
  if (!value) return false;
  if (!at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1)) return true;
  return at(x + 1, y) !== value || at(x, y + 1) !== value;
}

// Writes NAME-index.png and NAME-display.png; overlay(x, y) may return a colour
// drawn over everything (frames).
export function writeMap(folder, name, grid, regions, background, overlay = () => null) {
  const { width, height, cells } = grid;
  writePng(`${folder}/${name}-index.png`, width, height, (x, y) => {
    const value = cells[y * width + x];
    return [value, value, value];
  }, 0);
  const slot = colourRegions(grid, regions);
  writePng(`${folder}/${name}-display.png`, width, height, (x, y) => {
    const drawn = overlay(x, y);
    if (drawn) return drawn;
    const value = cells[y * width + x];
    if (!value) return background;
    return isBorder(grid, x, y) ? BORDER : PALETTE[slot[value]];
  }, 2);
}
