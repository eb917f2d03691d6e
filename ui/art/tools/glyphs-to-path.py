#!/usr/bin/python3
"""Turn a word into SVG path data, so the lettering in Ampora's artwork
renders identically everywhere without depending on installed fonts.

Usage:
    /usr/bin/python3 glyphs-to-path.py TEXT SIZE X Y [--spacing PX]
                     [--anchor start|middle|end] [--font FILE.ttf]

SIZE is the em size in px, (X, Y) is the baseline origin in SVG user units.
Prints the path data on stdout and the advance width on stderr.
Paste the output into the d="" attribute of a <path> in the SVG.
"""
import argparse
import sys

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

DEFAULT_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


class RoundingSVGPathPen(SVGPathPen):
    """SVGPathPen that writes coordinates with at most two decimals."""

    def __init__(self, glyphSet):
        super().__init__(glyphSet, ntos=lambda v: ("%.2f" % v).rstrip("0").rstrip("."))


def text_to_path(text, size, x, y, spacing=0.0, anchor="start", font_file=DEFAULT_FONT):
    font = TTFont(font_file)
    glyph_set = font.getGlyphSet()
    cmap = font.getBestCmap()
    hmtx = font["hmtx"]
    scale = size / font["head"].unitsPerEm

    names = [cmap.get(ord(ch), ".notdef") for ch in text]
    advances = [hmtx[n][0] * scale for n in names]
    width = sum(advances) + spacing * max(len(names) - 1, 0)
    if anchor == "middle":
        x -= width / 2
    elif anchor == "end":
        x -= width

    pen = RoundingSVGPathPen(glyph_set)
    cursor = x
    for name, adv in zip(names, advances):
        # Font units grow upwards; SVG grows downwards, hence the -scale on y.
        tpen = TransformPen(pen, (scale, 0, 0, -scale, cursor, y))
        glyph_set[name].draw(tpen)
        cursor += adv + spacing
    return pen.getCommands(), width


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("text")
    ap.add_argument("size", type=float)
    ap.add_argument("x", type=float)
    ap.add_argument("y", type=float)
    ap.add_argument("--spacing", type=float, default=0.0)
    ap.add_argument("--anchor", choices=("start", "middle", "end"), default="start")
    ap.add_argument("--font", default=DEFAULT_FONT)
    args = ap.parse_args(argv)
    d, width = text_to_path(args.text, args.size, args.x, args.y,
                            args.spacing, args.anchor, args.font)
    print(d)
    print("advance width: %.2f" % width, file=sys.stderr)


if __name__ == "__main__":
    main()
