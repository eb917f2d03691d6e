#!/usr/bin/python3
"""Regenerate the fonts that Ampora embeds as Qt resources.

Usage (from the repository root):

    /usr/bin/python3 tools/subset-fonts.py           # rewrite ui/fonts/*.ttf/*.otf
    /usr/bin/python3 tools/subset-fonts.py --check   # exit 1 if they are stale

Needs Debian's fonts-wine and fonts-noto-cjk packages and the python3-fonttools
of /usr/bin/python3 (a pyenv python3 on PATH usually lacks fontTools).

Writes two files into ui/fonts/:

  WineTahoma-Bold.ttf  Wine's Tahoma-compatible bold face, family "Tahoma",
                       cut down to printable ASCII plus a few symbols, with
                       its outlines thickened to a real bold weight.
  AmporaCJK-Bold.otf   Noto Sans CJK SC Bold, family "Noto Sans CJK SC",
                       cut down to the characters the program shows.

The CJK character set is printable ASCII, the built-in list of window texts
below, a margin of common CJK punctuation, and every non-ASCII character found
in string literals of the .cpp/.h/.ui files under core/, catalogue/, ui/ and web/.
So after adding or changing a Chinese text in the code, run this script again
and commit the new font file. A character that the source font lacks stops
the script with an error.

Output is deterministic: the same source fonts and fontTools version give the
same bytes (head.modified is taken from the source font, FontForge's timestamp
table is dropped).
"""

import argparse
import io
import os
import re
import sys
import xml.etree.ElementTree as ET

try:
    from fontTools import subset
    from fontTools.ttLib import TTFont
except ImportError:
    sys.exit("subset-fonts: fontTools is missing; run this with /usr/bin/python3 "
             "(Debian package python3-fonttools)")

TAHOMA_SOURCE = "/usr/share/wine/fonts/tahomabd.ttf"
CJK_SOURCE = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"
CJK_FAMILY = "Noto Sans CJK SC"
TAHOMA_FAMILY = "Tahoma"
# Outward shift of the Tahoma outlines in font units (2048 per em), horizontal
# and vertical: stems grow from about 196 to 328 units, bars from 176 to 256.
TAHOMA_EMBOLDEN = (66, 40)

OUT_DIR = os.path.join("ui", "fonts")
TAHOMA_OUT = "WineTahoma-Bold.ttf"
CJK_OUT = "AmporaCJK-Bold.otf"

SCAN_DIRS = ("core", "catalogue", "ui", "web")
SCAN_EXTENSIONS = (".cpp", ".h", ".ui")

PRINTABLE_ASCII = "".join(chr(c) for c in range(0x20, 0x7F))

# Every text the windows show, so the subset is complete even for texts that
# are not yet in the code.
BUILTIN_TEXTS = [
    "处理器", "显卡", "内存", "可选件", "#1", "#2", "无", "系列或以上", "或以下",
    "估计功率", "瓦", "超频", "集成或增加设备：", "56K 拨号调制解调器",
    "无线/有线 网卡", "声卡", "前置音频面板", "SCSI/RAID 控制器", "电视卡",
    "12V 水冷器", "系统风扇：", "机箱灯管：", "读卡器：", "软驱 / ZIP：", "硬盘：",
    "其他 PCI：", "设备数量：", "火线", "USB", "关闭程序", "帮助", "问题反馈",
    "关于", "版本 1.2.0", "编写", "确定", "汉化", "ATX 12V 2.0 (双路 +12V 输出)",
    "此程序以 as-is 方式提供，作者和 均不对使用该软件而可能导致的物理影响、"
    "设备损坏及其他任何风险负责。我们不对其提供准确性、完整性、及时性或有效性"
    "的担保。使用者风险自负。",
    "2006.10.24.",
    # Characters kept for author and translator names.
    "林晓明王安陈星宇",
]

# Common CJK punctuation, kept so small wording changes need no new subset.
CJK_PUNCTUATION = "（）：，。、“”‘’《》〈〉【】「」『』！？；…—～·　"

# Symbols taken from the Tahoma face when it has them. Quotes, dashes and
# ellipses are left to the CJK face, which draws them at CJK widths.
TAHOMA_SYMBOLS = "×÷°±µ©®™²³–："
# Symmetric strokes that Wine's bold face gives a far wider advance than its
# regular outline needs, all of the surplus on the right: a visible gap after
# "/" in "SCSI/RAID". Their ink is centred in the advance.
TAHOMA_CENTRED = "/\\|"


def is_latin_letter_block(ch):
    """Latin-1 Supplement and Latin Extended-A/B: drawn by the Tahoma face."""
    return 0x00A0 <= ord(ch) <= 0x024F


# ---------------------------------------------------------------------------
# String literal scanning

_IDENT = re.compile(r"[A-Za-z0-9_]")
_PREFIX = re.compile(r"(?:u8|u|U|L)?R?$")


def _decode_literal(body, wide):
    """Decode the escapes of a C++ string or character literal body.

    Narrow (and u8) literals are byte sequences: \\x and octal escapes are
    bytes that are then read as UTF-8. For u/U/L literals they are code units.
    """
    out = bytearray()

    def put(cp):
        out.extend(chr(cp).encode("utf-8", "surrogatepass"))

    simple = {"n": 10, "t": 9, "r": 13, "a": 7, "b": 8, "f": 12, "v": 11,
              "\\": 92, "'": 39, '"': 34, "?": 63}
    i = 0
    while i < len(body):
        ch = body[i]
        if ch != "\\" or i + 1 >= len(body):
            put(ord(ch))
            i += 1
            continue
        nxt = body[i + 1]
        if nxt in simple:
            put(simple[nxt])
            i += 2
        elif nxt in "uU":
            width = 4 if nxt == "u" else 8
            digits = body[i + 2:i + 2 + width]
            put(int(digits, 16))
            i += 2 + width
        elif nxt == "x":
            m = re.match(r"[0-9A-Fa-f]+", body[i + 2:])
            value = int(m.group(0), 16) if m else 0
            if wide or value < 0x80:
                put(value)
            else:
                out.append(value & 0xFF)
            i += 2 + (len(m.group(0)) if m else 0)
        elif nxt in "01234567":
            m = re.match(r"[0-7]{1,3}", body[i + 1:])
            value = int(m.group(0), 8)
            if wide or value < 0x80:
                put(value)
            else:
                out.append(value & 0xFF)
            i += 1 + len(m.group(0))
        else:
            put(ord(nxt))
            i += 2
    return out.decode("utf-8", "surrogatepass")


def cpp_string_literals(text):
    """Yield the decoded contents of the string and character literals in C++
    source, skipping comments and digit separators (1'000)."""
    i, n = 0, len(text)
    while i < n:
        ch = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            i = n if end < 0 else end + 1
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
            continue
        if ch not in "\"'":
            i += 1
            continue
        # Identifier or number right before the quote: an encoding prefix,
        # a raw-string marker, or (for ') a digit separator.
        j = i
        while j > 0 and _IDENT.match(text[j - 1]):
            j -= 1
        word = text[j:i]
        if ch == "'" and word and word[0].isdigit():
            i += 1  # digit separator inside a number
            continue
        prefix = word if _PREFIX.fullmatch(word) else ""
        wide = prefix[:1] in ("u", "U", "L") and not prefix.startswith("u8")
        if ch == '"' and prefix.endswith("R"):
            open_paren = text.find("(", i + 1)
            if open_paren < 0:
                raise ValueError("unterminated raw string literal")
            delim = text[i + 1:open_paren]
            close = text.find(")" + delim + '"', open_paren + 1)
            if close < 0:
                raise ValueError("unterminated raw string literal")
            yield text[open_paren + 1:close]
            i = close + len(delim) + 2
            continue
        j = i + 1
        while j < n and text[j] != ch:
            if text[j] == "\\":
                j += 1
            elif text[j] == "\n":
                break
            j += 1
        if j >= n or text[j] != ch:
            raise ValueError("unterminated %s literal at offset %d"
                             % ("string" if ch == '"' else "character", i))
        yield _decode_literal(text[i + 1:j], wide)
        i = j + 1


def ui_strings(text):
    """Yield the texts of the <string> elements of a Qt Designer .ui file."""
    root = ET.fromstring(text)
    for element in root.iter("string"):
        if element.text:
            yield element.text


def scan_sources(root):
    """Return ({character: first file that uses it}, files scanned) for the
    non-ASCII characters in literals of the program's sources."""
    found = {}
    files = []
    for top in SCAN_DIRS:
        for dirpath, dirnames, filenames in os.walk(os.path.join(root, top)):
            dirnames[:] = sorted(d for d in dirnames if not d.startswith("."))
            for name in sorted(filenames):
                if not name.endswith(SCAN_EXTENSIONS):
                    continue
                path = os.path.join(dirpath, name)
                rel = os.path.relpath(path, root)
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                try:
                    texts = (ui_strings(text) if name.endswith(".ui")
                             else cpp_string_literals(text))
                    for literal in texts:
                        for c in literal:
                            if ord(c) >= 0x80:
                                found.setdefault(c, rel)
                except (ValueError, ET.ParseError) as e:
                    raise SystemExit("subset-fonts: cannot read %s: %s" % (rel, e))
                files.append(rel)
    return found, files


# ---------------------------------------------------------------------------
# Subsetting


def cjk_face_index(path, family):
    """Index of the face in a font collection whose family (name ID 1) is
    `family`."""
    from fontTools.ttLib import TTCollection
    collection = TTCollection(path, lazy=True)
    for index, font in enumerate(collection.fonts):
        record = font["name"].getName(1, 3, 1, 0x409)
        if record is not None and record.toUnicode() == family:
            return index
    raise SystemExit("subset-fonts: no face with family %r in %s" % (family, path))


def subset_font(font, characters, features, drop=()):
    options = subset.Options()
    options.layout_features = features
    options.name_IDs = ["*"]           # keep copyright, licence and trademark
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.recalc_timestamp = False
    options.drop_tables += ["FFTM", "BDF"]   # FontForge timestamps, BDF properties
    options.drop_tables += list(drop)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in characters])
    subsetter.subset(font)


def embolden_glyf(font, dx, dy):
    """Thicken every simple TrueType glyph: each contour edge moves outwards
    by dx font units horizontally and dy vertically, then the glyph is moved
    right by dx and up by dy so that the left edge keeps its side bearing and
    flat bottoms stay on the baseline. Advance widths are kept.

    TrueType contours keep the ink on their right-hand side (outer contours
    clockwise, holes anticlockwise), so the left normal of each edge points
    away from the ink for both. A few glyphs are drawn the other way round;
    the sign of their total area tells, as in FreeType's emboldening.
    """
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.isComposite() or glyph.numberOfContours <= 0:
            continue
        coords = glyph.coordinates
        area = 0
        start = 0
        for end in glyph.endPtsOfContours:
            contour = [coords[k] for k in range(start, end + 1)]
            for (x0, y0), (x1, y1) in zip(contour, contour[1:] + contour[:1]):
                area += x0 * y1 - x1 * y0
            start = end + 1
        side = -1.0 if area > 0 else 1.0   # anticlockwise overall: flip
        start = 0
        moved = list(coords)
        for end in glyph.endPtsOfContours:
            points = [coords[k] for k in range(start, end + 1)]
            n = len(points)
            for k in range(n):
                px, py = points[k]
                # Nearest distinct neighbours on either side.
                in_vec = out_vec = None
                for step in range(1, n):
                    qx, qy = points[(k - step) % n]
                    if (qx, qy) != (px, py):
                        in_vec = (px - qx, py - qy)
                        break
                for step in range(1, n):
                    qx, qy = points[(k + step) % n]
                    if (qx, qy) != (px, py):
                        out_vec = (qx - px, qy - py)
                        break
                if in_vec is None or out_vec is None:
                    continue
                normals = []
                for vx, vy in (in_vec, out_vec):
                    length = (vx * vx + vy * vy) ** 0.5
                    normals.append((-side * vy / length, side * vx / length))
                (ax, ay), (bx, by) = normals
                denominator = 1.0 + ax * bx + ay * by
                if denominator < 0.25:       # hairpin turn: limit the miter
                    denominator = 0.25
                mx, my = (ax + bx) / denominator, (ay + by) / denominator
                moved[start + k] = (int(round(px + dx * mx + dx)),
                                    int(round(py + dy * my + dy)))
            start = end + 1
        glyph.coordinates = type(coords)(moved)
        glyph.recalcBounds(glyf)
        advance, _ = hmtx[name]
        hmtx[name] = (advance, glyph.xMin)
    # Components are offset copies of simple glyphs: re-read their bounds.
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.isComposite():
            glyph.recalcBounds(glyf)
            hmtx[name] = (hmtx[name][0], glyph.xMin)


def centre_glyphs(font, characters):
    """Moves each glyph's outline so that its side bearings are equal."""
    cmap = font.getBestCmap()
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    for ch in characters:
        name = cmap[ord(ch)]
        glyph = glyf[name]
        advance, _ = hmtx[name]
        shift = (advance - glyph.xMax - glyph.xMin) // 2
        glyph.coordinates.translate((shift, 0))
        glyph.recalcBounds(glyf)
        hmtx[name] = (advance, glyph.xMin)


def serialise(font):
    buffer = io.BytesIO()
    font.recalcTimestamp = False
    font.save(buffer)
    return buffer.getvalue()


def missing(font, characters):
    cmap = font.getBestCmap()
    return sorted(c for c in set(characters) if ord(c) not in cmap)


def fail_missing(what, chars, origin=None):
    lines = ["subset-fonts: %s lacks %d character(s):" % (what, len(chars))]
    for c in chars:
        where = " (used in %s)" % origin[c] if origin and c in origin else ""
        lines.append("  U+%04X %s%s" % (ord(c), c, where))
    raise SystemExit("\n".join(lines))


def build_tahoma(scanned):
    font = TTFont(TAHOMA_SOURCE, recalcTimestamp=False)
    family = font["name"].getDebugName(1)
    if family != TAHOMA_FAMILY:
        raise SystemExit("subset-fonts: %s has family %r, expected %r"
                         % (TAHOMA_SOURCE, family, TAHOMA_FAMILY))
    lacking = missing(font, PRINTABLE_ASCII)
    if lacking:
        fail_missing(TAHOMA_SOURCE, lacking)
    cmap = font.getBestCmap()
    extra = set(TAHOMA_SYMBOLS) | {c for c in scanned if is_latin_letter_block(c)}
    chars = set(PRINTABLE_ASCII) | {c for c in extra if ord(c) in cmap}
    # Embedded bitmaps are dropped (fontTools' default) so the face renders
    # from outlines whatever a machine's fontconfig says about bitmaps.
    # VDMX holds per-size glyph heights that the thicker outlines outdate.
    subset_font(font, chars, ["kern", "liga", "mark", "mkmk", "rlig"],
                drop=["VDMX"])
    # Wine's bold face has bold advance widths but the regular face's
    # outlines; thicken them so that the text is actually bold.
    embolden_glyf(font, *TAHOMA_EMBOLDEN)
    centre_glyphs(font, TAHOMA_CENTRED)
    # Wine's face asks for its typographic ascender, which is shorter than its
    # capitals; Tahoma lays text out by its Windows ascender and descender,
    # so clear USE_TYPO_METRICS and the line box holds every glyph.
    font["OS/2"].fsSelection &= ~(1 << 7)
    return serialise(font), chars, family


def build_cjk(scanned):
    index = cjk_face_index(CJK_SOURCE, CJK_FAMILY)
    font = TTFont(CJK_SOURCE, fontNumber=index, recalcTimestamp=False)
    chars = set(PRINTABLE_ASCII) | set(CJK_PUNCTUATION) | set(scanned)
    for text in BUILTIN_TEXTS:
        chars |= set(text)
    lacking = missing(font, chars)
    if lacking:
        fail_missing("%s face %d (%s)" % (CJK_SOURCE, index, CJK_FAMILY),
                     lacking, scanned)
    # No 'locl': HarfBuzz picks a language from the user's locale, and the
    # Japanese, Korean or Traditional Chinese glyph forms would then replace
    # the Simplified ones on some machines.
    features = ["calt", "ccmp", "kern", "liga", "mark", "mkmk",
                "vert", "vrt2", "vkrn", "vpal", "valt"]
    subset_font(font, chars, features)
    # The collection shares one CFF named after the Japanese face; name the
    # subset's CFF after this face's PostScript name.
    cff = font["CFF "].cff
    cff.fontNames = [font["name"].getDebugName(6)]
    return serialise(font), chars, index


def main():
    parser = argparse.ArgumentParser(
        description="Regenerate Ampora's embedded font subsets.")
    parser.add_argument("--check", action="store_true",
                        help="do not write; exit 1 if the committed files differ")
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(
        os.path.abspath(__file__))), help="repository root (default: this script's)")
    args = parser.parse_args()

    scanned, files = scan_sources(args.root)
    if not files:
        print("subset-fonts: no sources found yet; using the built-in text list")

    tahoma, tahoma_chars, tahoma_family = build_tahoma(scanned)
    cjk, cjk_chars, cjk_index = build_cjk(scanned)

    # Read the results back: every requested character must be mapped.
    for data, chars, name in ((tahoma, tahoma_chars, TAHOMA_OUT),
                              (cjk, cjk_chars, CJK_OUT)):
        lacking = missing(TTFont(io.BytesIO(data)), chars)
        if lacking:
            fail_missing("generated " + name, lacking)

    os.makedirs(os.path.join(args.root, OUT_DIR), exist_ok=True)
    stale = []
    for name, data in ((TAHOMA_OUT, tahoma), (CJK_OUT, cjk)):
        path = os.path.join(args.root, OUT_DIR, name)
        current = open(path, "rb").read() if os.path.exists(path) else None
        if current != data:
            stale.append(path)
            if not args.check:
                with open(path, "wb") as f:
                    f.write(data)

    non_ascii = sorted(c for c in cjk_chars if ord(c) >= 0x80)
    print("scanned %d source file(s), %d non-ASCII character(s) in literals"
          % (len(files), len(scanned)))
    print("%s: family %r, %d characters, %d bytes"
          % (TAHOMA_OUT, tahoma_family, len(tahoma_chars), len(tahoma)))
    print("%s: family %r (face %d), %d characters (%d non-ASCII), %d bytes"
          % (CJK_OUT, CJK_FAMILY, cjk_index, len(cjk_chars), len(non_ascii), len(cjk)))
    if args.check:
        if stale:
            print("out of date: " + ", ".join(stale))
            print("run: /usr/bin/python3 tools/subset-fonts.py")
            return 1
        print("fonts are up to date")
    elif stale:
        print("wrote: " + ", ".join(stale))
    else:
        print("fonts unchanged")
    return 0


if __name__ == "__main__":
    sys.exit(main())
