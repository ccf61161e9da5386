#!/usr/bin/env bash
# The Debian package as a user gets it: builds it from the build tree with
# cpack (or takes DEB), then checks its control fields and file list, the
# desktop entry and the AppStream metainfo with their validators, the manual
# page against --help, lintian (no errors; its warnings are printed), and runs
# the packaged program headless through a short script.
#   usage: check-package.sh BUILD_DIR APP_ID VERSION [DEB]
set -euo pipefail
build=${1:?usage: check-package.sh BUILD_DIR APP_ID VERSION [DEB]}
id=${2:?app id}
version=${3:?version}
deb=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "package: $*" >&2
  exit 1
}

if [ -z "$deb" ]; then
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
  deb=$(echo "$work"/out/quorvanel_*.deb)
fi
[ -f "$deb" ] || fail "no package: $deb"
echo "package: $(basename "$deb")"

# Control fields: the version, and Depends computed from the libraries.
[[ $(dpkg-deb -f "$deb" Version) == "$version"-* ]] || fail "version $(dpkg-deb -f "$deb" Version), not $version-N"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-arphic-uming libsdl2 libfreetype libfontconfig libpng libatk-bridge libc6; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section), not games"

root=$work/root
dpkg-deb -x "$deb" "$root"
expected=(
  usr/games/quorvanel
  usr/lib/quorvanel/quorvanel-atspi.so
  "usr/share/applications/$id.desktop"
  usr/share/doc/quorvanel/changelog.Debian.gz
  usr/share/doc/quorvanel/copyright
  "usr/share/metainfo/$id.metainfo.xml"
  usr/share/locale/en/LC_MESSAGES/quorvanel.mo
  usr/share/man/man6/quorvanel.6.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) ||
  fail "the file list differs (< expected, > packaged)"
for size in 16 22 24 32 48 64 128 256; do
  [ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png")" = "${size}x$size" ] ||
    fail "the ${size}x$size icon has another size"
done

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "the desktop entry names no icon $id"
grep -qx "GenericName\[zh_CN\]=练级小游戏" "$root/usr/share/applications/$id.desktop" ||
  fail "the desktop entry has no Chinese name"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo's release is not $version"

# The packaged program: its version, and one fight through a pipe, as in the README.
program=$root/usr/games/quorvanel
[ "$("$program" --version)" = "quorvanel $version" ] || fail "--version: $("$program" --version)"
state=$(printf 'click 198 148\nstate\n' | "$program" --headless --seed 1 --script -) || fail "the headless run failed"
[[ $state == '{'*'}' ]] || fail "no state line: $state"
[ "$state" = "$(printf 'state\n' | "$program" --headless --seed 1 --script -)" ] &&
  fail "the click changed nothing: $state"

# Every option --help lists is in the manual page.
manual=$(zcat "$root/usr/share/man/man6/quorvanel.6.gz" | sed 's/\\-/-/g')
for option in $("$program" --help | grep -oE -- '--[a-z]+' | sort -u); do
  [[ $manual == *"$option"* ]] || fail "the manual page lacks $option"
done

# lintian: errors fail; its warnings and notes are shown.
report=$(lintian --fail-on error "$deb" 2>&1) && status=0 || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[ $status -eq 0 ] || fail "lintian reports errors"
echo "package: ok"
