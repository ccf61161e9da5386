#!/usr/bin/env bash
# The game's catalogs as a translator's tools see them: each compiles with
# msgfmt --check, translates every text of the template xgettext extracts
# from the sources (msgcmp), and uses only characters the game's font check
# and the page's font cover (data/game-characters.txt).
# usage: check-catalogs.sh TEMPLATE CHARACTERS CATALOG.po...
set -euo pipefail
template=$1
characters=$2
shift 2
status=0
for po in "$@"; do
  if ! out=$(msgfmt --check -o /dev/null "$po" 2>&1); then echo "$out" >&2; status=1; fi
  msgcmp "$po" "$template" || { echo "$po: does not translate every text of the template" >&2; status=1; }
  missing=$(msgcat --no-wrap "$po" 2>/dev/null | sed -n 's/^msgstr\(\[[0-9]*\]\)\? "\(.*\)"$/\2/p' | python3 -c '
import sys
known = set(open(sys.argv[1], encoding="utf-8").read())
print("".join(sorted(set(sys.stdin.read()) - known - {"\n"})))' "$characters")
  if [ -n "$missing" ]; then echo "$po: characters the game cannot draw: $missing" >&2; status=1; fi
done
exit $status
