#!/usr/bin/env bash
# N single queries through 网页_访问 (under Wine) against N GETs of the same
# addresses with curl, each on a fresh connection, in one run.
# Usage: bench/single_query.sh BUILD_DIR PORT N   (Wine environment set by the caller)
set -euo pipefail
build=$1 port=$2 n=$3
titles=("%E8%BF%9E%E8%A1%A3%E8%A3%99%E5%A4%8F%E5%AD%A3%E6%96%B0%E6%AC%BE"
        "%E7%BA%AF%E6%A3%89T%E6%81%A4%E7%94%B7%E7%9F%AD%E8%A2%96"
        "%E6%89%8B%E5%B7%A5%E7%BC%96%E7%BB%87%E8%8D%89%E5%B8%BD"
        "%E7%9B%AE%E5%BD%95%E9%87%8C%E6%B2%A1%E6%9C%89%E7%9A%84%E5%AE%9D%E8%B4%9D")
urls=()
for ((i = 0; i < n; i++)); do urls+=("http://127.0.0.1:$port/book/search/${titles[i % 4]}"); done

line=$(wine "$build/bench/bench_single_query.exe" "$n")
echo "$line"
qitong_ms=$(sed -n 's/.*qitong_ms=\([0-9.]*\).*/\1/p' <<<"$line")

start=$(date +%s%N)
for u in "${urls[@]}"; do printf 'url = "%s"\noutput = "/dev/null"\n' "$u"; done |
  curl -s -H 'Connection: close' -K - >/dev/null
curl_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "curl_ms=$curl_ms (one curl process, $n requests, a new connection each)"
awk -v a="$qitong_ms" -v b="$curl_ms" -v n="$n" 'BEGIN { printf "per query: qitong %.2f ms, curl %.2f ms; ratio qitong/curl = %.2f\n", a/n, b/n, (b > 0 ? a/b : 0) }'
