// Times the npm reverse geocoder city-reverse-geocoder on the benchmark's points.
//   node city_reverse_bench.js POINTS.txt     (one "lat lon" per line)
// Prints one JSON line: start-up (loading the package and its data), median wall and CPU
// time per lookup over five passes, and resident memory after the lookups.
'use strict';
const fs = require('fs');

const points = fs.readFileSync(process.argv[2], 'utf8').trim().split('\n').map((l) => l.split(' ').map(Number));
const rssBefore = process.memoryUsage().rss;
const t0 = process.hrtime.bigint();
const crg = require('city-reverse-geocoder');
const startupMs = Number(process.hrtime.bigint() - t0) / 1e6;

// Some points make the package throw (an index past the end of its own table): they are
// counted, and timed like the others.
let found = 0;
let threw = 0;
const passes = [];
const cpuPasses = [];
for (let pass = 0; pass < 5; ++pass) {
  const cpuStart = process.cpuUsage();
  const start = process.hrtime.bigint();
  for (const [lat, lon] of points) {
    try {
      const r = crg(lat, lon);
      if (r && r.length) ++found;
    } catch (e) {
      ++threw;
    }
  }
  passes.push(Number(process.hrtime.bigint() - start) / 1e3 / points.length);
  const cpu = process.cpuUsage(cpuStart);
  cpuPasses.push((cpu.user + cpu.system) / points.length);
}
passes.sort((a, b) => a - b);
cpuPasses.sort((a, b) => a - b);
console.log(JSON.stringify({
  points: points.length,
  answered: found / 5,
  threw: threw / 5,
  startup_ms: startupMs,
  us_per_lookup_median: passes[2],
  us_per_lookup_passes: passes,
  cpu_us_per_lookup_median: cpuPasses[2],
  rss_mb: process.memoryUsage().rss / 1048576,
  rss_growth_mb: (process.memoryUsage().rss - rssBefore) / 1048576,
}));
