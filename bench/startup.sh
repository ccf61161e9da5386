#!/usr/bin/env bash
# Start-up to the first frame shown and peak memory (VmHWM) of a window of the
# platform layer against a bare SDL2 program showing one frame, in the same
# run: the programs take turns, ROUNDS launches each, and the medians are
# compared. Starts a virtual X server when there is no DISPLAY.
#   usage: bench/startup.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=${1:-build}
rounds=${2:-15}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$0" "$build" "$rounds"
fi
programs="$build/bench/startup"
variants=(window window-no-text bare bare-default-hints)
labels=("platform window, 655 x 405 with text" "platform window, no text (no font)"
        "bare SDL2, framebuffer acceleration off" "bare SDL2, SDL's default hints")

# One launch: prints "ms kb".
launch() {
  local now
  now=$(date +%s%N)
  case $1 in
    window) "$programs/startup_window" "$now" ;;
    window-no-text) "$programs/startup_window" "$now" --no-text ;;
    bare) "$programs/startup_bare_sdl" "$now" ;;
    bare-default-hints) "$programs/startup_bare_sdl" "$now" --default-hints ;;
  esac | sed -E 's/startup_ms=([0-9.]+) peak_kb=([0-9]+)/\1 \2/'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for ((i = 0; i < rounds; i++)); do
  for v in "${variants[@]}"; do echo "$v $(launch "$v")" >>"$results"; done
done

declare -A ms kb
echo "first frame on screen, median of $rounds launches:"
for i in "${!variants[@]}"; do
  v=${variants[i]}
  ms[$v]=$(awk -v v="$v" '$1 == v { print $2 }' "$results" | median)
  kb[$v]=$(awk -v v="$v" '$1 == v { print $3 }' "$results" | median)
  printf '  %-42s %8.1f ms %8d kB\n' "${labels[i]}" "${ms[$v]}" "${kb[$v]}"
done
for v in window window-no-text; do
  awk -v name="$v" -v t1="${ms[$v]}" -v t0="${ms[bare]}" -v m1="${kb[$v]}" -v m0="${kb[bare]}" \
    'BEGIN { printf "  %s / bare: time %.2f x (target 1.5), memory %.2f x (target 1.3)\n", name, t1 / t0, m1 / m0 }'
done
