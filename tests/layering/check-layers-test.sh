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
# including a header of every layer it reaches.
write_tree() {
  rm -rf "$work/src"
  local layer
  for layer in containers game platform ui screens automation app; do
    mkdir -p "$work/src/$layer"
    echo "#pragma once" >"$work/src/$layer/Part.h"
  done
  layer_cmake containers
  layer_cmake game containers
  layer_cmake platform
  layer_cmake ui platform
  layer_cmake screens ui game
  layer_cmake automation ui
  layer_cmake app screens automation
  includes game containers
  includes ui platform
  includes screens ui platform game containers
  includes automation ui platform
  includes app screens automation ui platform game containers
  printf '#include <SDL.h>\n#include <ft2build.h>\n' >"$work/src/platform/Sdl.cpp"
}

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
expect fail "an include the layer's CMake file does not declare" "game includes containers"

write_tree
includes ui platform containers
expect fail "a layer reached only once declared below it" "ui includes containers"
layer_cmake platform containers
expect ok "the same include once platform depends on containers"

write_tree
layer_cmake containers game
expect fail "a cycle" "containers may not depend on game"

write_tree
echo '#include <X11/Xlib.h>' >"$work/src/automation/Display.cpp"
expect fail "a platform library included outside src/platform" "automation includes a system library"

write_tree
echo 'target_link_libraries(quorvanel_ui PRIVATE PkgConfig::SDL2)' >>"$work/src/ui/CMakeLists.txt"
expect fail "a platform library linked outside src/platform" "src/ui/CMakeLists.txt links a system library"

write_tree
mkdir -p "$work/src/tools"
echo 'quorvanel_layer(tools DEPENDS quorvanel_game)' >"$work/src/tools/CMakeLists.txt"
expect fail "a folder that is not a known layer" "src/tools is not a known layer"

write_tree
echo 'add_library(quorvanel_ui STATIC Uses.cpp)' >"$work/src/ui/CMakeLists.txt"
expect fail "a layer not declared with quorvanel_layer" "does not declare the layer with quorvanel_layer(ui"

[ $failures -eq 0 ] && echo "check-layers-test: all passed"
exit $((failures > 0))
