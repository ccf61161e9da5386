#!/usr/bin/env bash
# The browser build's budgets: the size of everything the page loads
# (uncompressed and as sent), a first visit on a slow network (time to the
# first frame, bytes on the wire), navigation to the first frame and CPU
# while idle in headless Chromium, and a full repaint of the main screen in
# WebAssembly (under node) against the desktop build.
#   usage: bench/web.sh [NATIVE_BUILD_DIR] [WEB_BUILD_DIR]   (after make and make web)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
web=${2:-build-web}
site=$web/site

echo "== page size (what the server sends: the brotli copy when there is one)"
total=0
sent=0
while read -r file; do
  size=$(stat -c %s "$file")
  packed=$size
  [ -f "$file.br" ] && packed=$(stat -c %s "$file.br")
  printf '%-40s %9d bytes  brotli %9d\n' "${file#"$site"/}" "$size" "$packed"
  total=$((total + size))
  sent=$((sent + packed))
done < <(find "$site" -type f ! -name '*.br' ! -name '*.gz' | sort)
printf '%-40s %9d bytes  brotli %9d  (%d KiB)\n' total "$total" "$sent" $(((sent + 1023) / 1024))

echo "== first visit: slow 4G, 4x CPU; bytes on the wire, service worker included (budget 450 KiB)"
log=$(mktemp)
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
scripts/serve-web "$site" "$port" "$log" >/dev/null 2>&1 &
first=$!
sleep 0.5
node bench/web-first-visit.js "http://127.0.0.1:$port/?seed=1"
kill $first
awk '{ bytes += $2; n++ } END { printf "wire: %d bytes (%.1f KiB) in %d responses\n", bytes, bytes / 1024, n }' "$log"
rm -f "$log"

echo "== page in headless Chromium"
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
scripts/serve-web "$site" "$port" >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
sleep 0.5
node bench/web-page.js "http://127.0.0.1:$port/?seed=1"

echo "== full repaint of the main screen"
cmake --build "$build" -t repaint_timer >/dev/null
NODE_PATH=/usr/share/nodejs cmake --build "$web" -t repaint_timer >/dev/null
# Taking turns, three runs each, the best of each side: a busy machine slows
# one run, not the other's figure alone.
best() { sort -n | head -1; }
native=() wasm=()
for _ in 1 2 3; do
  native+=("$("$build/bench/repaint/repaint_timer" | sed 's/.*=//')")
  wasm+=("$(node "$web/bench/repaint/repaint_timer.js" | sed 's/.*=//')")
done
native_best=$(printf '%s\n' "${native[@]}" | best)
wasm_best=$(printf '%s\n' "${wasm[@]}" | best)
echo "native ${native[*]} us, wasm ${wasm[*]} us"
echo "best: native ${native_best} us, wasm ${wasm_best} us, ratio $(echo "scale=2; $wasm_best / $native_best" | bc) (budget 3)"
