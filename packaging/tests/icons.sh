#!/usr/bin/env bash
# Holds every size of the program icon the build rendered to its reference picture, pixel for
# pixel and transparency too: the hicolor PNGs of the Linux build, the entries of the Windows
# build's .ico.
#   icons.sh REFERENCE-DIR ICON...
# ICON is a PNG, an .ico (its entries taken out with icotool, from icoutils) or a folder searched
# for both. A picture of N px must equal REFERENCE-DIR/icon-N.png; where one differs, a picture of
# the differences is left in icon-differences/ in the working folder (the build's, under ctest).
#
# After a change meant to alter the icon, render every size from the build's own renderer, look
# at each magnified, and commit them as the new references:
#   build/tools/ampora_render_icon ui/art/app-icon.svg /tmp/icon x 16 20 24 32 40 48 64 128 256
#   for d in /tmp/icon/*x*; do cp "$d/apps/x.png" "packaging/tests/icons/icon-${d##*x}.png"; done
set -euo pipefail
if (($# < 2)); then
    echo "usage: icons.sh REFERENCE-DIR ICON..." >&2
    exit 2
fi
references=$1
shift

skip_without() {
    if ! command -v "$1" >/dev/null; then
        echo "SKIPPED: $1 is not installed ($2)"
        exit 77
    fi
}
skip_without compare imagemagick
skip_without identify imagemagick

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
differences=$PWD/icon-differences # not a shared folder, which another user may own
rm -rf "$differences"

pictures=() names=()
while IFS= read -r -d '' file; do
    if [[ "$file" == *.ico ]]; then
        skip_without icotool icoutils
        entries="$work/ico-${#pictures[@]}"
        mkdir "$entries"
        icotool -x -o "$entries" "$file"
        while IFS= read -r -d '' entry; do
            pictures+=("$entry")
            names+=("$file, entry $(basename "$entry")")
        done < <(find "$entries" -type f -print0 | sort -z)
    else
        pictures+=("$file")
        names+=("$file")
    fi
done < <(find "$@" -type f \( -name '*.png' -o -name '*.ico' \) -print0 | sort -z)
if ((${#pictures[@]} == 0)); then
    echo "no icon pictures in $*" >&2
    exit 1
fi

failures=0
for i in "${!pictures[@]}"; do
    picture=${pictures[i]} name=${names[i]}
    read -r width height < <(identify -format '%w %h\n' "$picture")
    reference="$references/icon-$width.png"
    if [[ "$width" != "$height" || ! -f "$reference" ]]; then
        echo "$name: ${width}x$height, no reference picture for it" >&2
        failures=$((failures + 1))
        continue
    fi
    mkdir -p "$differences"
    difference="$differences/$i-icon-$width.png"
    # AE: how many pixels differ at all; -alpha on also compares transparency.
    differing=$(compare -metric AE -alpha on "$picture" "$reference" "$difference" 2>&1) || true
    if [[ "$differing" != 0 ]]; then
        echo "$name: $differing pixels differ from $(basename "$reference"); see $difference" >&2
        failures=$((failures + 1))
    else
        rm -f "$difference"
        echo "$width px, as the reference: $name"
    fi
done

if ((failures > 0)); then
    echo "$failures of ${#pictures[@]} icon pictures differ from their references" >&2
    exit 1
fi
echo "all ${#pictures[@]} icon pictures match their references"
