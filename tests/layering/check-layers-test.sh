#!/usr/bin/env bash
# scripts/check-layers on small made-up source trees: a tree that keeps the
# rules passes, and each kind of violation fails with a message naming it.
#   usage: check-layers-test.sh CHECK_LAYERS_SCRIPT
set -uo pipefail
check=${1:?usage: check-layers-test.sh CHECK_LAYERS_SCRIPT}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A tree of every layer with the dependencies the rules allow, each layer
# including a header of every layer it reaches and holding lines enough that
# none passes its share of the whole.
write_tree() {
  rm -rf "$work/src"
  local layer
  for layer in base i18n game gfx platform ui screens automation app; do
    mkdir -p "$work/src/$layer"
    echo "#pragma once" >"$work/src/$layer/Part.h"
    lines 20 >"$work/src/$layer/Lines.h"
  done
  layer_cmake base
  layer_cmake i18n base
  layer_cmake game i18n
  layer_cmake gfx base
  layer_cmake platform gfx i18n
  layer_cmake ui platform
  layer_cmake screens ui game
  layer_cmake automation ui
  layer_cmake app screens automation
  includes i18n base
  includes game i18n base
  includes gfx base
  includes platform gfx i18n base
  includes ui platform gfx i18n base
  includes screens ui platform gfx game i18n base
  includes automation ui platform gfx i18n base
  includes app screens automation ui platform gfx game i18n base
  printf '#include <ft2build.h>\n#include <png.h>\n' >"$work/src/gfx/Raster.cpp"
  printf '#include <fontconfig/fontconfig.h>\n' >>"$work/src/gfx/Raster.cpp"
  printf '#include <SDL.h>\n' >"$work/src/platform/Sdl.cpp"
}

# lines COUNT: that many lines of a header.
lines() { for ((i = 0; i < $1; i++)); do echo "// line $i"; done; }

# layer_cmake LAYER DEPENDENCY...: its CMakeLists.txt.
layer_cmake() {
  local layer=$1 deps=""
  shift
  for dep in "$@"; do deps+=" quorvanel_$dep"; done
  echo "quorvanel_layer($layer${deps:+ DEPENDS$deps})" >"$work/src/$layer/CMakeLists.txt"
}

# includes LAYER OTHER...: a source file of LAYER including a header of each OTHER.
includes() {
  local layer=$1
  shift
  for other in "$@"; do echo "#include \"$other/Part.h\""; done >"$work/src/$layer/Uses.cpp"
}

# expect ok|fail DESCRIPTION [TEXT]: runs the check on the tree; a failure must print TEXT.
expect() {
  local want=$1 what=$2 text=${3:-}
  local output status
  output=$("$check" "$work/src" 2>&1)
  status=$?
  if [ "$want" = ok ] && [ $status -ne 0 ]; then
    echo "FAIL: $what: expected to pass, got:"$'\n'"$output"
    failures=$((failures + 1))
  elif [ "$want" = fail ] && { [ $status -eq 0 ] || [[ "$output" != *"$text"* ]]; }; then
    echo "FAIL: $what: expected a failure saying '$text', got status $status:"$'\n'"$output"
    failures=$((failures + 1))
  else
    echo "ok: $what"
  fi
}

write_tree
expect ok "a tree that keeps the rules"

write_tree
echo '#include "ui/Part.h"' >>"$work/src/game/Uses.cpp"
expect fail "the rules include a layer above" "game includes ui, which src/game/CMakeLists.txt does not reach"

write_tree
echo '#include "game/Part.h"' >"$work/src/automation/Rules.h"
expect fail "automation reaches for the game" "automation includes game"

write_tree
layer_cmake ui platform game
expect fail "a CMake file adds a forbidden dependency" "ui may not depend on game"

write_tree
layer_cmake platform game
expect fail "a forbidden dependency reached through another layer" "ui may not depend on game"

write_tree
layer_cmake game
expect fail "an include the layer's CMake file does not declare" "game includes i18n"

write_tree
layer_cmake gfx
includes gfx
layer_cmake platform gfx
expect fail "a layer reached only once declared below it" "ui includes base"
layer_cmake gfx base
layer_cmake platform gfx i18n
expect ok "the same include once gfx depends on base"

write_tree
echo '#include "i18n/Part.h"' >>"$work/src/gfx/Uses.cpp"
expect fail "drawing reaches for the translations" "gfx includes i18n, which src/gfx/CMakeLists.txt does not reach"
layer_cmake gfx base i18n
expect fail "drawing declares the translations" "gfx may not depend on i18n"

write_tree
echo '#include "i18n/Part.h"' >>"$work/src/base/Uses.cpp"
expect fail "the base layer reaches for the translations" "base includes i18n, which src/base/CMakeLists.txt does not reach"

write_tree
echo '#include "platform/Part.h"' >>"$work/src/gfx/Uses.cpp"
expect fail "drawing reaches for the window system" "gfx includes platform, which src/gfx/CMakeLists.txt does not reach"
layer_cmake gfx base platform
expect fail "drawing declares the window system" "gfx may not depend on platform"

write_tree
layer_cmake base game
expect fail "a cycle" "base may not depend on game"

write_tree
echo '#include <X11/Xlib.h>' >"$work/src/automation/Display.cpp"
expect fail "a platform library included outside src/platform" "automation includes a system library"

write_tree
echo 'target_link_libraries(quorvanel_ui PRIVATE PkgConfig::SDL2)' >>"$work/src/ui/CMakeLists.txt"
expect fail "a platform library linked outside src/platform" "src/ui/CMakeLists.txt links a system library"

# The system's calls in their homes: Win32 and the dynamic loader in the
# window system, the loader in drawing too, file calls at the bottom.
write_tree
printf '#include <windows.h>\n#include <dlfcn.h>\n' >"$work/src/platform/Process.cpp"
printf '#include <dlfcn.h>\n' >>"$work/src/gfx/Raster.cpp"
printf '#include <unistd.h>\n#include <io.h>\n' >"$work/src/base/Files.cpp"
expect ok "Win32 and dlopen in platform, dlopen in gfx, file calls in base"

# Each system library belongs to one layer: drawing's are not the window
# system's, and the other way round.
while IFS='|' read -r layer file line text; do
  write_tree
  echo "$line" >>"$work/src/$layer/$file"
  expect fail "$layer/$file: $line" "$text"
done <<'CASES'
gfx|Raster.cpp|#include <SDL.h>|gfx includes a system library (SDL2) that only src/platform may use
gfx|Raster.cpp|#include <emscripten.h>|gfx includes a system library (emscripten) that only src/platform may use
platform|Sdl.cpp|#include <freetype/freetype.h>|platform includes a system library (FreeType) that only src/gfx may use
platform|Sdl.cpp|#include <png.h>|platform includes a system library (libpng) that only src/gfx may use
platform|CMakeLists.txt|target_link_libraries(quorvanel_platform PRIVATE PkgConfig::FONTCONFIG)|src/platform/CMakeLists.txt links a system library (fontconfig) that only src/gfx may use
ui|CMakeLists.txt|pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)|src/ui/CMakeLists.txt links a system library (libpng) that only src/gfx may use
platform|Sdl.cpp|#include <atk/atk.h>|platform includes a system library (ATK) that only src/atspi may use
app|Main.cpp|#include <atk-bridge.h>|app includes a system library (ATK) that only src/atspi may use
automation|Bus.cpp|#include <dbus/dbus.h>|automation includes a system library (D-Bus) that only src/atspi may use
screens|Page.cpp|#include <glib-object.h>|screens includes a system library (GLib) that only src/atspi may use
gfx|Raster.cpp|#include <atspi/atspi.h>|gfx includes a system library (AT-SPI) that only src/atspi may use
ui|CMakeLists.txt|pkg_check_modules(ATK REQUIRED IMPORTED_TARGET atk-bridge-2.0)|src/ui/CMakeLists.txt links a system library (ATK) that only src/atspi may use
gfx|Raster.cpp|#include <fcntl.h>|gfx includes a system library (file calls) that only src/base may use
app|Main.cpp|#include <sys/stat.h>|app includes a system library (file calls) that only src/base may use
app|Main.cpp|#include <dlfcn.h>|app includes a system library (dynamic loader) that only src/gfx or src/platform may use
app|CMakeLists.txt|target_link_libraries(quorvanel_app PUBLIC ${CMAKE_DL_LIBS})|src/app/CMakeLists.txt links a system library (dynamic loader) that only src/gfx or src/platform may use
ui|Paint.cpp|#include <windows.h>|ui includes a system library (Win32) that only src/platform may use
base|Files.cpp|#include <shlobj.h>|base includes a system library (Win32) that only src/platform may use
CASES

write_tree
lines 150 >"$work/src/ui/Crowded.h"
expect fail "a folder with more than 30 % of the lines" "src/ui holds 175 of the 373 lines of src's .cpp and .h files (46 %), more than 30 %"
lines 40 >"$work/src/ui/Crowded.h"
expect ok "the same folder with its share"

write_tree
mkdir -p "$work/src/tools"
echo 'quorvanel_layer(tools DEPENDS quorvanel_game)' >"$work/src/tools/CMakeLists.txt"
expect fail "a folder that is not a known layer" "src/tools is not a known layer"

write_tree
echo 'add_library(quorvanel_ui STATIC Uses.cpp)' >"$work/src/ui/CMakeLists.txt"
expect fail "a layer not declared with quorvanel_layer" "does not declare the layer with quorvanel_layer(ui"

# Units that include each other fail unless the script lists the pair.
write_tree
echo '#include "ui/Focus.h"' >"$work/src/ui/Root.h"
printf '#include "ui/Focus.h"\n#include "ui/Root.h"\n' >"$work/src/ui/Focus.cpp"
expect fail "two units that include each other" "ui/Focus and ui/Root include each other"
rm "$work/src/ui/Focus.cpp"
echo '#include "ui/Root.h"' >"$work/src/ui/Focus.h"
expect fail "two headers that include each other" "ui/Focus and ui/Root include each other"
write_tree
echo '#include "gfx/FontFace.h"' >"$work/src/gfx/Font.cpp"
echo '#include "gfx/Font.h"' >"$work/src/gfx/FontFace.h"
expect ok "a pair the script lists with its reason"

[ $failures -eq 0 ] && echo "check-layers-test: all passed"
exit $((failures > 0))
