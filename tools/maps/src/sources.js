// Region numbers and names from the edition's geography sources, so that the
// maps and the tables share one numbering.
import fs from 'fs';

function sourceLines(path) {
  return fs
    .readFileSync(path, 'utf8')
    .split('\n')
    .map((line) => line.trimEnd())
    .filter((line) => line && !line.startsWith('#'));
}

// [{number, name}] of the Catalonia map.
export function readComarcas(path) {
  return sourceLines(path).map((line) => {
    const [number, , name] = line.split('\t');
    return { number: Number(number), name };
  });
}

// [{number, names: [...]}] of the Madrid map, by zone number.
export function readMadridZones(path) {
  const zones = new Map();
  for (const line of sourceLines(path)) {
    const [number, , name] = line.split('\t');
    if (!zones.has(Number(number))) zones.set(Number(number), { number: Number(number), names: [] });
    zones.get(Number(number)).names.push(name);
  }
  return [...zones.values()];
}
