#!/usr/bin/env bash
# Start-up of the whole game against a bare SDL2 program, in the same run:
# each is launched, shows its first frame and exits (the game through a
# script of one "quit", which it reads once its first frame is on screen).
# The programs take turns, ROUNDS launches each; the medians of wall time,
# processor time and peak resident memory are compared. Starts a virtual X
# server when there is no DISPLAY.
#   usage: bench/startup.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=${1:-build}
rounds=${2:-21}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$0" "$build" "$rounds"
fi
run="$build/bench/startup/startup_run"
quit=$(mktemp)
trap 'rm -f "$quit"' EXIT
echo quit >"$quit"

# One launch: prints "wall cpu kb".
launch() {
  case $1 in
    game) "$run" "$build/src/app/quorvanel" --seed 1 --script "$quit" ;;
    bare) "$run" "$build/bench/startup/startup_bare_sdl" ;;
  esac | sed -E 's/wall_ms=([0-9.]+) cpu_ms=([0-9.]+) peak_kb=([0-9]+)/\1 \2 \3/'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

results=$(mktemp)
trap 'rm -f "$quit" "$results"' EXIT
for ((i = 0; i < rounds; i++)); do
  for v in game bare; do echo "$v $(launch "$v")" >>"$results"; done
done

declare -A wall cpu kb
echo "start to first frame and exit, median of $rounds launches each:"
for v in game bare; do
  wall[$v]=$(awk -v v="$v" '$1 == v { print $2 }' "$results" | median)
  cpu[$v]=$(awk -v v="$v" '$1 == v { print $3 }' "$results" | median)
  kb[$v]=$(awk -v v="$v" '$1 == v { print $4 }' "$results" | median)
  printf '  %-6s wall %7.1f ms  cpu %7.1f ms  peak %7d kB\n' "$v" "${wall[$v]}" "${cpu[$v]}" "${kb[$v]}"
done
awk -v w1="${wall[game]}" -v w0="${wall[bare]}" -v c1="${cpu[game]}" -v c0="${cpu[bare]}" \
  -v m1="${kb[game]}" -v m0="${kb[bare]}" \
  'BEGIN { printf "  game / bare: wall %.2f x, cpu %.2f x, peak memory %.2f x (target 1.3 each)\n", w1 / w0, c1 / c0, m1 / m0 }'
