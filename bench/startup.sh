#!/usr/bin/env bash
# Time from process start to the panel unlocked (qitong.exe under Wine,
# against the stand-in), against curl making the same two requests the
# start-up makes (the first bootstrap page and the settings POST), in one run.
# Usage: bench/startup.sh BUILD_DIR PORT RUNS   (Wine environment set by the caller)
set -euo pipefail
build=$1 port=$2 runs=$3
line=$(wine "$build/bench/bench_startup.exe" "$runs")
echo "$line"
median=$(sed -n 's/.*qitong_median_ms=\([0-9.]*\).*/\1/p' <<<"$line")

# The body the program posts, as the benchmark program printed it.
body=$(sed -n 's/.*settings_body=\([^ ]*\).*/\1/p' <<<"$line")
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  curl -s -o /dev/null "http://127.0.0.1:$port/blog/qitong.html"
  curl -s -o /dev/null -d "$body" "http://127.0.0.1:$port/maker/peizhi.php"
  times+=($(( ($(date +%s%N) - start) / 1000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
curl_median=$(awk -v us="${sorted[$((runs / 2))]}" 'BEGIN { printf "%.1f", us / 1000 }')
curl_worst=$(awk -v us="${sorted[$((runs - 1))]}" 'BEGIN { printf "%.1f", us / 1000 }')
echo "curl_median_ms=$curl_median curl_worst_ms=$curl_worst (two requests, one curl process each)"
awk -v a="$median" -v b="$curl_median" 'BEGIN { printf "ratio start-up/curl (medians) = %.1f\n", (b > 0 ? a / b : 0) }'
