#!/usr/bin/env bash
# Fails when a source folder includes a folder above it, or when the data and
# device layers include a GUI or graphics module (they must work without a
# window).
#   layering-check.sh SRC_DIR
set -euo pipefail
src="$1"

# Each folder may include the folders of its own rank and below.
declare -A rank=([model]=0 [device]=1 [appearance]=2 [dialogs]=3 [editor]=4 [librarymanager]=5 [app]=6)
failures=0

for folder in "${!rank[@]}"; do
    [ -d "$src/$folder" ] || continue

    while IFS= read -r line; do
        file="${line%%:*}"
        included="$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$line")"

        if [ -n "${rank[$included]+x}" ] && [ "${rank[$included]}" -gt "${rank[$folder]}" ]; then
            echo "upward include: $file includes $included/ (${folder}/ is below ${included}/)"
            failures=$((failures + 1))
        fi
    done < <(grep -rHE '^\s*#\s*include "[a-z]+/' "$src/$folder" || true)
done

# The data and device layers, and the editor's session with what it uses,
# work without a window.
gui_free=("$src/model" "$src/device" "$src/dialogs/UserDialogs.h"
          "$src/editor/EditorSession.h" "$src/editor/EditorSession.cpp"
          "$src/editor/PresetCommands.h" "$src/editor/PresetCommands.cpp")

while IFS= read -r line; do
    echo "GUI module in GUI-free code: $line"
    failures=$((failures + 1))
done < <(grep -rHE '#\s*include <juce_(gui_basics|gui_extra|graphics|opengl)' "${gui_free[@]}" || true)

if [ "$failures" -gt 0 ]; then
    echo "$failures layering problem(s)"
    exit 1
fi

echo "layering: every include points down or sideways"
