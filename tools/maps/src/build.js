// Rasterises the communities, Catalonia and Madrid maps into the committed
// pictures of edition/geography/maps, and checks that every region shows.
import fs from 'fs';
import { fileURLToPath } from 'url';
import * as d3 from 'd3-geo';
import * as topojson from 'topojson-client';
import { createGrid, fillDisc, fillGeometry, pixelCounts, regionAt } from './raster.js';
import { writeMap } from './picture.js';
import { readComarcas, readMadridZones } from './sources.js';
import { COMARCA_SEEDS, INE_PROVINCES } from './catalonia.js';
import { DISTRICT_CENTRES, EXTRA_SEEDS, ZONE_SEEDS } from './madrid.js';

const root = fileURLToPath(new URL('../../../', import.meta.url));
const geography = `${root}edition/geography`;
const output = `${geography}/maps`;
const atlasPath = fileURLToPath(new URL('../node_modules/es-atlas/es/municipalities.json', import.meta.url));
const atlas = JSON.parse(fs.readFileSync(atlasPath, 'utf8'));
const communities = topojson.feature(atlas, atlas.objects.autonomous_regions).features;
const municipalities = topojson.feature(atlas, atlas.objects.municipalities).features;

const SEA = [198, 224, 242];
const SCREEN = [255, 239, 206];
const FRAME = [120, 140, 160];

function fail(message) {
  console.error(`maps: ${message}`);
  process.exit(1);
}

function requireEveryRegion(name, grid, numbers) {
  const counts = pixelCounts(grid, Math.max(...numbers));
  for (const number of numbers) if (!counts[number]) fail(`${name}: region ${number} has no pixels`);
}

// Communities map: INE code of each region number, and the star point the
// program draws for it (pixels from 1), which must fall inside the region.
const COMMUNITIES = [
  ['01', 102, 141], ['02', 156, 73], ['03', 82, 41], ['04', 221, 100], ['05', 204, 162],
  ['06', 111, 42], ['08', 128, 108], ['07', 100, 68], ['09', 188, 64], ['11', 77, 111],
  ['12', 58, 49], ['17', 131, 60], ['13', 114, 89], ['14', 148, 133], ['15', 143, 52],
  ['10', 160, 107], ['16', 130, 47], ['18', 83, 171], ['19', 136, 174],
];
const CANARIAS = 5;
const CEUTA = 18;
const MELILLA = 19;
const CANARIAS_FRAME = { left: 165, top: 131, right: 277, bottom: 184 };

function communitiesMap() {
  const grid = createGrid(281, 196);
  const mainland = d3.geoMercator().scale(782).translate([167, 697]);
  const tenerife = [-16.6, 28.27];
  const inset = d3.geoMercator().scale(1200).center(tenerife).translate([203.5, 161.5]);
  COMMUNITIES.forEach(([code, x, y], index) => {
    const region = index + 1;
    if (region === CEUTA || region === MELILLA) {
      // Too small to click at this scale: a disc at the city's marker.
      fillDisc(grid, [x, y], 3.2, region);
      return;
    }
    const feature = communities.find((f) => f.id === code);
    fillGeometry(grid, feature.geometry, region === CANARIAS ? inset : mainland, region);
  });
  COMMUNITIES.forEach(([, x, y], index) => {
    if (regionAt(grid, x, y) !== index + 1) fail(`communities: the star of region ${index + 1} falls outside it`);
  });
  requireEveryRegion('communities', grid, COMMUNITIES.map((_, index) => index + 1));
  const f = CANARIAS_FRAME;
  const onFrame = (x, y) =>
    ((x === f.left || x === f.right) && y >= f.top && y <= f.bottom) ||
    ((y === f.top || y === f.bottom) && x >= f.left && x <= f.right);
  writeMap(output, 'communities', grid, COMMUNITIES.length, SEA, (x, y) => (onFrame(x, y) ? FRAME : null));
}

// Nearest seed by great-circle distance; seeds are [{point, value}].
function nearest(point, seeds) {
  let best = null;
  let distance = Infinity;
  for (const seed of seeds) {
    const d = d3.geoDistance(point, seed.point);
    if (d < distance) [best, distance] = [seed, d];
  }
  return best.value;
}

function municipalityNamed(name, provinces) {
  const found = municipalities.find((m) => m.properties.name === name && provinces.includes(m.id.slice(0, 2)));
  if (!found) fail(`no municipality named ${name}`);
  return found;
}

function fitted(features, height) {
  return d3.geoMercator().fitExtent([[4, 4], [277, height - 4]], { type: 'FeatureCollection', features });
}

function cataloniaMap() {
  const comarcas = readComarcas(`${geography}/comarcas.txt`);
  const provinces = Object.values(INE_PROVINCES);
  const seedsByProvince = new Map(provinces.map((p) => [p, []]));
  for (const { number, name } of comarcas) {
    const [letters, ...towns] = COMARCA_SEEDS[name] || fail(`no seed towns for comarca ${name}`);
    const allowed = [...letters].map((letter) => INE_PROVINCES[letter]);
    for (const town of towns) {
      const point = d3.geoCentroid(municipalityNamed(town, provinces));
      for (const province of allowed) seedsByProvince.get(province).push({ point, value: number });
    }
  }
  const catalan = municipalities.filter((m) => provinces.includes(m.id.slice(0, 2)));
  const projection = fitted(catalan, 220);
  const grid = createGrid(281, 220);
  for (const m of catalan)
    fillGeometry(grid, m.geometry, projection, nearest(d3.geoCentroid(m), seedsByProvince.get(m.id.slice(0, 2))));
  requireEveryRegion('catalonia', grid, comarcas.map((c) => c.number));
  writeMap(output, 'catalonia', grid, 41, SCREEN);
}

// A fisheye around centre (twice as large there, unchanged at the edge),
// fitted into the picture: Madrid city's districts become large enough to click.
function magnified(features, centre, height) {
  const base = d3.geoMercator().scale(1000).translate([0, 0]);
  const [cx, cy] = base(centre);
  const points = features.flatMap((f) => (f.geometry.type === 'Polygon' ? [f.geometry.coordinates] : f.geometry.coordinates).flat(2));
  const radius = Math.max(...points.map((p) => { const [x, y] = base(p); return Math.hypot(x - cx, y - cy); }));
  const strength = 1;
  const distort = (p) => {
    const [x, y] = base(p);
    const r = Math.hypot(x - cx, y - cy) / radius;
    const k = r ? ((strength + 1) * r) / (strength * r + 1) / r : strength + 1;
    return [cx + (x - cx) * k, cy + (y - cy) * k];
  };
  const moved = points.map(distort);
  const [minX, maxX] = [Math.min(...moved.map((p) => p[0])), Math.max(...moved.map((p) => p[0]))];
  const [minY, maxY] = [Math.min(...moved.map((p) => p[1])), Math.max(...moved.map((p) => p[1]))];
  const scale = Math.min(273 / (maxX - minX), (height - 8) / (maxY - minY));
  const [offsetX, offsetY] = [(281 - scale * (maxX - minX)) / 2, (height - scale * (maxY - minY)) / 2];
  return (p) => { const [x, y] = distort(p); return [offsetX + (x - minX) * scale, offsetY + (y - minY) * scale]; };
}

function madridMap() {
  const zones = readMadridZones(`${geography}/madrid-zones.txt`);
  const region = municipalities.filter((m) => m.id.startsWith('28'));
  const city = region.find((m) => m.id === '28079');
  const townSeeds = [];
  const districtSeeds = [];
  for (const { number, names } of zones) {
    for (const name of names) {
      for (const seed of ZONE_SEEDS[name] || [name]) {
        if (DISTRICT_CENTRES[seed]) districtSeeds.push({ point: DISTRICT_CENTRES[seed], value: number });
        else
          for (const town of [seed, ...(EXTRA_SEEDS[seed] || [])])
            townSeeds.push({ point: d3.geoCentroid(municipalityNamed(town, ['28'])), value: number });
      }
    }
  }
  const projection = magnified(region, d3.geoCentroid(city), 220);
  const grid = createGrid(281, 220);
  for (const m of region)
    if (m !== city) fillGeometry(grid, m.geometry, projection, nearest(d3.geoCentroid(m), townSeeds));
  const cityGrid = createGrid(281, 220);
  fillGeometry(cityGrid, city.geometry, projection, 1);
  const districts = districtSeeds.map(({ point, value }) => ({ at: projection(point), value }));
  cityGrid.cells.forEach((inside, i) => {
    if (!inside) return;
    const [x, y] = [(i % 281) + 0.5, Math.floor(i / 281) + 0.5];
    let best = districts[0];
    for (const d of districts) if (Math.hypot(d.at[0] - x, d.at[1] - y) < Math.hypot(best.at[0] - x, best.at[1] - y)) best = d;
    grid.cells[i] = best.value;
  });
  requireEveryRegion('madrid', grid, zones.map((z) => z.number));
  writeMap(output, 'madrid', grid, 28, SCREEN);
}

fs.mkdirSync(output, { recursive: true });
communitiesMap();
cataloniaMap();
madridMap();
console.log(`maps written to ${output}`);
