#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures of the diagrams section of the README:
#  - docs/coaching-sheet.png: the first six positions of the demonstration
#    sequence (data/demo.se2), each drawn in black and white with the
#    trajectories of its shot by `mirobelt-shot --image --mono`, six to a page
#    with ImageMagick's montage;
#  - docs/sheet-page.png: the second page of the exercise sheet that
#    `mirobelt-solve --sheet` writes for the third of them, rendered by
#    poppler's pdftoppm.
#   docs/make-coaching-sheet.sh [BUILD-FOLDER]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A demonstration entry lists red, white and spotted places, strike height,
# side, raise, cue ball, aim origin x, target x, origin y, target y, force,
# play mode and table format; a position file has the force before the cue ball.
images=()
n=0
while read -r -a v && [ "$n" -lt 6 ]; do
  n=$((n + 1))
  printf '%s\n' Billard_KVO_le_3_aout_99 "${v[@]:0:9}" "${v[14]}" "${v[@]:9:5}" "${v[15]}" "${v[16]}" \
    > "$work/exercice-$n.bi1"
  "$build/mirobelt-shot" "$work/exercice-$n.bi1" --image "$work/$n.png" --width 640 --mono \
    --title "Exercice $n"
  images+=("$work/$n.png")
done < <(tail -n +3 data/demo.se2)

montage "${images[@]}" -tile 2x -geometry +12+10 -background white \
  -title "Mirobelt - feuille d'exercices" docs/coaching-sheet.png
echo "docs/coaching-sheet.png: $n positions"

"$build/mirobelt-solve" "$work/exercice-3.bi1" --game libre --aim-only --top 4 --sheet "$work/sheet.pdf" > /dev/null
pdftoppm -f 2 -l 2 -r 100 -png -singlefile "$work/sheet.pdf" docs/sheet-page
echo "docs/sheet-page.png: page 2 of the sheet of exercice 3"
