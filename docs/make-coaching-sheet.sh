#!/usr/bin/env bash
# Makes docs/coaching-sheet.png, an example exercise sheet: the first six
# positions of the demonstration sequence (data/demo.se2), each drawn with the
# trajectories of its shot by `mirobelt-shot --image`, six to a page with
# ImageMagick's montage.
#   docs/make-coaching-sheet.sh [PATH/TO/mirobelt-shot]   (default build/mirobelt-shot)
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${1:-build/mirobelt-shot}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A demonstration entry lists red, white and spotted places, strike height,
# side, raise, cue ball, aim origin x, target x, origin y, target y, force,
# play mode and table format; a position file has the force before the cue ball.
labels=()
n=0
while read -r -a v && [ "$n" -lt 6 ]; do
  n=$((n + 1))
  printf '%s\n' Billard_KVO_le_3_aout_99 "${v[@]:0:9}" "${v[14]}" "${v[@]:9:5}" "${v[15]}" "${v[16]}" \
    > "$work/$n.bi1"
  "$tool" "$work/$n.bi1" --image "$work/$n.png" --width 640
  labels+=(-label "Exercice $n" "$work/$n.png")
done < <(tail -n +3 data/demo.se2)

montage "${labels[@]}" -tile 2x -geometry +12+10 -pointsize 18 -background white \
  -title "Mirobelt - feuille d'exercices" docs/coaching-sheet.png
echo "docs/coaching-sheet.png: $n positions"
