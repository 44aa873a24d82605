// Scanline rasterisation of projected polygons into a grid of region numbers.

// A grid of region numbers (0 = none), row-major, width × height.
export function createGrid(width, height) {
  return { width, height, cells: new Uint8Array(width * height) };
}

function projectedRings(geometry, projection) {
  const polygons = geometry.type === 'Polygon' ? [geometry.coordinates] : geometry.coordinates;
  const rings = [];
  for (const polygon of polygons)
    for (const ring of polygon) rings.push(ring.map((point) => projection(point)));
  return rings;
}

// Paints region into every pixel whose centre lies inside the geometry
// (even-odd rule over all rings, so holes stay unpainted).
export function fillGeometry(grid, geometry, projection, region) {
  const rings = projectedRings(geometry, projection);
  for (let y = 0; y < grid.height; ++y) {
    const cy = y + 0.5;
    const crossings = [];
    for (const ring of rings) {
      for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
        const [x1, y1] = ring[j];
        const [x2, y2] = ring[i];
        if ((y1 <= cy) !== (y2 <= cy)) crossings.push(x1 + ((cy - y1) / (y2 - y1)) * (x2 - x1));
      }
    }
    crossings.sort((a, b) => a - b);
    for (let k = 0; k + 1 < crossings.length; k += 2) {
      const from = Math.max(0, Math.ceil(crossings[k] - 0.5));
      const to = Math.min(grid.width - 1, Math.floor(crossings[k + 1] - 0.5));
      for (let x = from; x <= to; ++x) grid.cells[y * grid.width + x] = region;
    }
  }
}

// Paints region into the pixels of a disc (pixel coordinates from 1, as the program counts).
export function fillDisc(grid, [cx, cy], radius, region) {
  for (let y = 1; y <= grid.height; ++y)
    for (let x = 1; x <= grid.width; ++x)
      if ((x - cx) ** 2 + (y - cy) ** 2 <= radius * radius) grid.cells[(y - 1) * grid.width + (x - 1)] = region;
}

// Region at a pixel counted from 1, as the program looks it up.
export function regionAt(grid, x, y) {
  if (x < 1 || y < 1 || x > grid.width || y > grid.height) return 0;
  return grid.cells[(y - 1) * grid.width + (x - 1)];
}

// Pixels of every region number; index 0 counts the empty ones.
export function pixelCounts(grid, regions) {
  const counts = new Array(regions + 1).fill(0);
  for (const value of grid.cells) counts[value] += 1;
  return counts;
}

// Regions that touch each other (4-neighbourhood), as a set of "a-b" keys with a < b.
export function adjacency(grid) {
  const pairs = new Set();
  const { width, height, cells } = grid;
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x) {
      const a = cells[y * width + x];
      for (const b of [x + 1 < width ? cells[y * width + x + 1] : 0, y + 1 < height ? cells[(y + 1) * width + x] : 0])
        if (a && b && a !== b) pairs.add(`${Math.min(a, b)}-${Math.max(a, b)}`);
    }
  return pairs;
}
