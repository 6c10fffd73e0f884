#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures of the user's guide (docs/help/images/) from the program
# itself. The window runs on a virtual screen (Xvfb), driven by xdotool and
# captured by ImageMagick's import: the table once the demonstration is
# stopped and the shot shown, the cue settings under it, and the "Coups
# possibles" panel after a three-cushion search. mirobelt-shot --image draws
# the diagram of the first demonstration position.
#   docs/make-help-pictures.sh [BUILD_DIR]   (default build)
# HELP_DISPLAY chooses the virtual screen (default :99). The pictures are
# compiled into the program: rebuild it afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
display=${HELP_DISPLAY:-:99}
out=docs/help/images
work=$(mktemp -d)
pids=()
# On the way out the program goes first, then the screen.
trap 'for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; sleep 0.5; done
      rm -rf "$work"' EXIT
mkdir -p "$out"

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp 2>/dev/null &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done

# The program in a folder of its own, with the demonstration and its own settings.
cp data/demo.se2 "$work/"
(cd "$work" && HOME="$work" LANG=fr_FR.UTF-8 exec "$build/mirobelt") &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name "Simulateur de Billard" | head -n 1)
xdotool windowfocus --sync "$window"
sleep 3
shot() { import -window root "$work/screen.png"; }
# Geometry of the window on the screen, as WIDTHxHEIGHT+X+Y.
eval "$(xdotool getwindowgeometry --shell "$window")"
frame="${WIDTH}x${HEIGHT}+${X}+${Y}"

# The table: the demonstration stopped, the shot of its position drawn.
xdotool key --window "$window" Escape
sleep 1
xdotool key --window "$window" space
sleep 2
shot
convert "$work/screen.png" -crop "$frame" +repage -resize 800x "$out/window.png"
# The cue settings: the band under the table, without the status bar.
convert "$work/screen.png" -crop "660x86+${X}+$((Y + HEIGHT - 106))" +repage "$out/controls.png"

# The shot finder: F9 opens the panel on the right; one-cushion game, aim only.
# Its controls are found by their place from the window's top right corner.
click() { xdotool mousemove $((X + WIDTH - $1)) $((Y + $2)) click 1; sleep 1; }
xdotool key --window "$window" F9
sleep 2
click 197 90                 # "Jeu :" list
xdotool key Up Return        # "Trois bandes" -> "Une bande"
sleep 1
click 350 146                # "Chercher"
sleep "${HELP_SEARCH_SECONDS:-20}"
click 420 217                # the first solution, shown on the table
sleep 2
shot
convert "$work/screen.png" -crop "$frame" +repage -resize 800x "$out/finder.png"

# A diagram drawn by mirobelt-shot from the first demonstration entry (see
# make-coaching-sheet.sh for the order of its values).
read -r -a v < <(tail -n +3 data/demo.se2)
printf '%s\n' Billard_KVO_le_3_aout_99 "${v[@]:0:9}" "${v[14]}" "${v[@]:9:5}" "${v[15]}" "${v[16]}" > "$work/1.bi1"
"$build/mirobelt-shot" "$work/1.bi1" -o /dev/null --image "$out/diagram.png" --width 640
echo "$out: $(ls "$out" | tr '\n' ' ')"
