#!/usr/bin/env bash
# The main job: builds the host tool `shapix` and plays the bundled demo
# session (samples/demo.shapix, built into the tool) on the bundled mounting
# plate (samples/plate.json): it selects the plate, edits sides in the side
# dialog, bends an arc, cuts a slot with the add and delete tools and
# snapping drags, and types the new dimensions. The pictures of each step,
# the edited shapes file and a region cut of the result land in out/demo/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

out=${1:-out/demo}

bash scripts/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"${SHAPIX_JOBS:-2}" --target shapix_tool
shapix=build/apps/shapix/shapix

echo
"$shapix" play --out "$out"
echo
"$shapix" cut "$out/plate-edited.json" --id 1 --margin 40 --angle 0 --spacing 100 --merge -o "$out/06-cut.png"

echo
echo "demo: the pictures and the edited shapes file are in $out/:"
for file in "$out"/*; do
  echo "  $file"
done
