#!/usr/bin/env bash
# Wall time of the whole game played headless by docs/playthrough.txt (start-
# up, 115 clicks through the main window and the pages, up to the closing
# message box), median and slowest of ROUNDS runs of the program.
#   usage: bench/playthrough.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-20}
times=()
for ((i = 0; i < rounds; i++)); do
  start=$(date +%s%N)
  "$build/src/app/quorvanel" --headless --script docs/playthrough.txt
  times+=($(( ($(date +%s%N) - start) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk -v n="$rounds" '
  { v[NR] = $1 }
  END { printf "headless playthrough, %d runs: median %.1f ms, slowest %.1f ms (target: under 1000 ms)\n",
        n, ((n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2) / 1000, v[n] / 1000 }'
