#!/usr/bin/env python3
"""Makes seed inputs for the fuzz targets of tests/fuzz.

    makeseeds.py --small OUT [--drawings DIR]   the small seeds committed in tests/fuzz/corpus
    makeseeds.py OUT [--drawings DIR]           larger seeds for a long local fuzz session

Seeds come from the shipped settings file, comment template and clip (data/), from pictures
drawn here, and from the sample drawings (by default ../shared/testdata/drawings beside the
source tree). The small set takes from the drawings only the parts the preview reader looks at,
and only from drawings under the MIT licence (see corpus/NOTICE); the larger set takes every
drawing whole. Each target's seeds go to OUT/<target>/, named by content.
"""

import argparse
import hashlib
import struct
import zlib
from pathlib import Path

SOURCE = Path(__file__).resolve().parents[2]
DATA = SOURCE / "data"
DEFAULT_DRAWINGS = SOURCE.parent / "shared" / "testdata" / "drawings"
MIT_DRAWINGS = ("acadsharp-", "ezdxf-")

DWG_START = bytes.fromhex("1F256D07D43628289D57CA3F9D44102B")
DWG_END = bytes.fromhex("E0DA92F82BC9D7D762A835C062BBEFD4")
DWG_VERSIONS = (b"AC1012", b"AC1014", b"AC1015", b"AC1018", b"AC1021", b"AC1024", b"AC1027",
                b"AC1032")
LARGE_DXF = b"\xff"  # fuzz_preview puts what follows at the end of a large DXF drawing


def cp932(text):
    return text.encode("cp932")


# Pictures drawn here: a gradient of 8-bit palette indices, as a DIB and as a PNG.

def dib(width, height):
    palette = b"".join(bytes((i, 255 - i, (i * 7) % 256, 0)) for i in range(256))
    stride = (width + 3) // 4 * 4
    rows = b"".join(bytes((x + y * 8) % 256 for x in range(width)).ljust(stride, b"\0")
                    for y in range(height))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(rows), 0, 0, 256, 0)
    return header + palette + rows


def png(width, height):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body)))
    rows = b"".join(b"\0" + bytes((x * 3 + y * 5) % 256 for x in range(width * 3))
                    for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) +
            chunk(b"IEND", b""))


# Drawings: a DWG header pointing at a preview block right after it, and ASCII DXF text.

def dwg(version, entries, security_flags=0):
    address = 0x80
    header = bytearray(version.ljust(address, b"\0"))
    struct.pack_into("<I", header, 0x0D, address)
    if version >= b"AC1018":
        struct.pack_into("<I", header, 0x18, security_flags)
    start = address + 21 + 9 * len(entries)
    directory, data = b"", b""
    for code, body in entries:
        directory += struct.pack("<BII", code, start, len(body))
        data += body
        start += len(body)
    block = struct.pack("<IB", 1 + len(directory) + len(data), len(entries)) + directory + data
    return bytes(header) + DWG_START + block + DWG_END


def dxf_groups(groups, line_end=b"\r\n"):
    return b"".join(b"%3d" % code + line_end + value + line_end for code, value in groups)


def dxf(thumbnail=None, line_end=b"\r\n", digits_per_line=254):
    groups = [(0, b"SECTION"), (2, b"HEADER"), (9, b"$ACADVER"), (1, b"AC1015"), (0, b"ENDSEC")]
    if thumbnail is not None:
        hexed = thumbnail.hex().upper().encode()
        groups += [(0, b"SECTION"), (2, b"THUMBNAILIMAGE"), (90, b"%d" % len(thumbnail))]
        groups += [(310, hexed[i:i + digits_per_line])
                   for i in range(0, len(hexed), digits_per_line)]
        groups += [(0, b"ENDSEC")]
    return dxf_groups(groups + [(0, b"EOF")], line_end)


def dwg_one_picture_everywhere(picture, count=255):
    """A DWG whose preview directory points all its entries at one PNG."""
    address = 0x80
    header = bytearray(b"AC1018".ljust(address, b"\0"))
    struct.pack_into("<I", header, 0x0D, address)
    start = address + 21 + 9 * count
    directory = struct.pack("<BII", 6, start, len(picture)) * count
    block = struct.pack("<IB", 1 + len(directory) + len(picture), count) + directory + picture
    return bytes(header) + DWG_START + block + DWG_END


def truncated_large_png(side=4096):
    """The start of a PNG of side x side pixels whose pixel data is cut off: a reader that
    trusts the header inflates the full size before it finds the end."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body)))
    header = struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0)
    pixels = zlib.compress(bytes(side * (side * 3 + 1)), 9)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", pixels[:-64])


def dwg_preview_parts(drawing):
    """The header and preview block of a DWG of release 13 or later, moved to the start."""
    if len(drawing) < 0x80 or not drawing.startswith(b"AC10") or drawing[:6] < b"AC1012":
        return None
    address = struct.unpack_from("<I", drawing, 0x0D)[0]
    if drawing[address:address + 16] != DWG_START:
        return None
    count = drawing[address + 20]
    entries = []
    for i in range(count):
        code, start, size = struct.unpack_from("<BII", drawing, address + 21 + 9 * i)
        entries.append((code, drawing[start:start + size]))
    flags = struct.unpack_from("<I", drawing, 0x18)[0] if drawing[:6] >= b"AC1018" else 0
    return dwg(drawing[:6], entries, flags)


def dxf_thumbnail_section(drawing):
    """A small DXF holding just the drawing's THUMBNAILIMAGE section."""
    lines = drawing.replace(b"\r\n", b"\n").split(b"\n")
    for i in range(0, len(lines) - 3, 2):
        if lines[i].strip() == b"0" and lines[i + 1].strip() == b"SECTION" and \
                lines[i + 3].strip() == b"THUMBNAILIMAGE":
            end = i + 4
            while end + 1 < len(lines) and lines[end + 1].strip() != b"ENDSEC":
                end += 2
            section = b"\r\n".join(lines[i:end + 2]) + b"\r\n"
            return dxf().replace(b"  0\r\nEOF\r\n", section + b"  0\r\nEOF\r\n")
    return None


# The seeds of each target.

def settings_seeds(small):
    shipped = (DATA / "tavrolin.ini").read_bytes()
    lookups = [("shugo", "name"), ("aplicationname", "name"), ("レイヤー", "type"),
               ("表示しない", "type"), ("DXF(R12)で保存する", "type2")]
    if small:
        lookups = lookups[:3]
    seeds = [cp932(section) + b"\0" + cp932(key) + b"\0" + shipped for section, key in lookups]
    crafted = [
        ("s", "name", "[s]\r\nname=\"a, b\" \r\n"),
        ("s", "NAME", "[S]\nname='x'\nname=2\n"),
        ("s", "k", "[s]\rk=1\r[s]\rk=2"),
        ("ソ", "k", "[ソ]\r\nk=表,ソ\r\n"),  # ']' and '\\' as second bytes of a character
        ("s", "k", "[s]\nk=" + "値" * 600 + "\n"),  # cut at the value limit
        ("s", "k", "; comment\n[s]\n  k  =  v  \n"),
    ]
    seeds += [cp932(section) + b"\0" + cp932(key) + b"\0" + cp932(text)
              for section, key, text in crafted]
    seeds.append(b"s\0k\0\xef\xbb\xbf" + "[s]\nk=ÄÖ字\n".encode())
    seeds.append(b"s\0k\0\xff\xfe" + "[s]\r\nk=字\r\n".encode("utf-16-le"))
    return seeds


def settings_check_seeds(small):
    shipped = (DATA / "tavrolin.ini").read_bytes()
    broken = "\r\n".join([
        "name=迷子", "[shugo]", "name=レイヤー,図面,設備", "[aplicationname]", "name=",
        "[レイヤー]", "type=0, 寸法,文字,,L13", "name=色を変える,表示しない,消す", "name=重複",
        "[色を変える]", "name=赤,1,2,3,4,5,6,7,8,9,10", "type=C", "[表示しない]",
        "name=終了,あとで", "type=off", "[赤]", "name=可,1", "[図面]", "type=すべて",
        "name=DXFで保存,名前を付けて保存する,ズームする", "[DXFで保存]", "type=dxf",
        "[名前を付けて保存する]", "name=日付-1~xの形式", "type=saveas", "[ズームする]",
        "name=全体", "type=zoom", "[レイヤー]", "[使わない]", "name=" + "長" * 600, ""])
    seeds = [shipped, cp932(broken), broken.encode(), b"\xef\xbb\xbf" + broken.encode(),
             b"\xff\xfe" + "[shugo]\r\nname=😀\r\n".encode("utf-16-le"),
             # a lead byte before '=': a key name that no lookup can find
             b"[shugo]\r\nname=s\r\n[s]\r\nname=a\r\nn\x8f=1\r\nn\x8f=2\r\n",
             settings_check_many_sections(200)]
    return seeds if small else seeds + [shipped * 20, settings_check_many_sections(20000)]


def cp932_seeds(small):
    shipped = (DATA / "tavrolin.ini").read_bytes()
    template = (DATA / "commentdata.dat").read_bytes()
    every_byte = bytes(range(256))
    leads = bytes(b for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
                  for b in (lead, 0x40, lead, 0x7F, lead, 0xFC, lead))
    text = shipped.decode("cp932").encode("utf-16-le")
    seeds = [template, every_byte, leads, text[:4096], "😀字\ud800x".encode("utf-16-le",
                                                                        "surrogatepass")]
    if small:
        return seeds + [shipped[:4096]]
    table = bytes(b for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
                  for trail in range(0x40, 0xFD) for b in (lead, trail))
    return seeds + [shipped, text, table]


def preview_seeds(small, drawings):
    seeds = [dwg(version, [(2, dib(24, 12)), (6, png(16, 8))]) for version in DWG_VERSIONS]
    seeds += [
        dwg(b"AC1015", [(1, bytes(80)), (2, dib(33, 7))]),
        dwg(b"AC1015", []),
        dwg(b"AC1018", [(6, png(5, 5))], security_flags=2),
        b"AC1009" + bytes(0x80),
        dxf(dib(20, 10)),
        dxf(dib(9, 4), line_end=b"\n", digits_per_line=64),
        dxf(),
        LARGE_DXF + dxf(dib(12, 6)),
        b"AutoCAD Binary DXF\r\n\x1a\0",
        dwg_one_picture_everywhere(truncated_large_png()),
    ]
    for drawing in sorted(drawings.glob("*.dwg")) + sorted(drawings.glob("*.dxf")):
        content = drawing.read_bytes()
        if not small:
            seeds.append(content)
            if drawing.suffix == ".dxf":
                seeds.append(LARGE_DXF + content)
            continue
        if not drawing.name.startswith(MIT_DRAWINGS):
            continue
        part = dwg_preview_parts(content) if drawing.suffix == ".dwg" else \
            dxf_thumbnail_section(content)
        if part:
            seeds.append(part)
    return seeds


def clip_seeds(small):
    return [(DATA / "FileCopy.avi").read_bytes()]


def script_seeds(small):
    settings = cp932("\r\n".join([
        "[shugo]", "name=レイヤー,図面,表示",
        "[レイヤー]", "type=0,L13,壁", "name=表示しない,色を変える,線の太さ",
        "[図面]", "type=すべて", "name=上書き保存,名前を付けて保存する,DXF(R12)で保存する",
        "[表示]", "type=すべて", "name=ズーム",
        "[表示しない]", "name=終了", "type=off",
        "[色を変える]", "name=1,2,赤", "type=c",
        "[線の太さ]", "name=0.3,0.5", "type=lw",
        "[上書き保存]", "name=終了", "type=qsave",
        "[名前を付けて保存する]", "name=日付-1～xの形式,1～xの形式", "type=saveas",
        "[DXF(R12)で保存する]", "name=終了", "type=dxf", "type2=\"_.dxfout  v r12\"",
        "[ズーム]", "name=オブジェクト範囲で,倍率を決めて", "type=zoom",
        "[倍率を決めて]", "name=0.5x,2x", ""]))
    template = cp932(";図面の一括処理\r\n;担当:\r\n")
    grids = [
        "レイヤー\tL13\t表示しない\t終了\t終了\n",
        "レイヤー\t壁\t色を変える\t赤\t終了\n図面\tすべて\t上書き保存\t終了\t終了\n",
        "図面\tすべて\t名前を付けて保存する\t日付-1～xの形式\t終了\r\n"
        "図面\tすべて\tDXF(R12)で保存する\t終了\t終了\r\n",
        "表示\tすべて\tズーム\t倍率を決めて\t2x\n表示\tすべて\tズーム\tオブジェクト範囲で\t終了\n"
        "レイヤー\tL13\t線の太さ\t0.3\t終了\n\n\nレイヤー\t0\t表示しない\t終了\t終了\n",
    ]
    lists = [
        "C:\\a\\p1.dwg\n",
        "C:\\My Drawings\\二階.dwg\r\nD:\\plan\\c.DXF\r\n\r\n/home/cad/図面/x.dwg\r\n",
        "\ufeffa.dwg\nb.dxf\nc.dwg\n",
    ]
    seeds = [b"\0".join((settings, grid.encode(), lists[i % len(lists)].encode(), template))
             for i, grid in enumerate(grids)]
    shipped = (DATA / "tavrolin.ini").read_bytes()
    seeds.append(b"\0".join((shipped, grids[0].encode(), lists[1].encode(),
                             (DATA / "commentdata.dat").read_bytes())))
    if not small:
        many = "".join("C:\\project\\図面%05d.dwg\r\n" % i for i in range(5000))
        seeds += [b"\0".join((shipped, grid.encode(), many.encode(), template))
                  for grid in grids]
    return seeds


def settings_check_many_sections(count):
    """Sections that each name the next: the check of each must not look through all."""
    lines = ["[shugo]", "name=s0"]
    for i in range(count):
        lines += ["[s%d]" % i, "name=s%d" % (i + 1), "type=off", "name=again"]
    return "\r\n".join(lines).encode()


def grid_file_seeds(small):
    rows = ["レイヤー\tL13\t表示しない\t終了\t終了", "図面\tすべて\t上書き保存\t終了",
            "\ufeff図面\tすべて\tズーム\tオブジェクト範囲で\t終了"]
    return [rows[0].encode() + b"\n", "\r\n".join(rows[:2]).encode(),
            b"\xef\xbb\xbf" + "\n".join(rows).encode() + b"\n",
            cp932("\n".join(rows[:2]) + "\n"), b"\t\t\t\tx\n" * 12]


def drawing_list_seeds(small):
    paths = ["C:\\a\\p1.dwg", "plan\\二階.dxf", "/home/cad/x.DWG", "\ufeffb.dwg"]
    return ["\n".join(paths[:3]).encode(), b"\xef\xbb\xbf" + "\r\n".join(paths).encode(),
            cp932("\r\n".join(paths[:3]) + "\r\n"), b"\n \n\t\na.dwg\n"]


def preflight_seeds(small):
    return [b"AC1015" + bytes(200), b"AC1032" + bytes(0x80), b"AC1009",
            dxf(), dxf(line_end=b"\n"),
            b"999\r\nx\r\n" * 700 + dxf(),
            b"AutoCAD Binary DXF\r\n\x1a\0" + b"\0\0SECTION\0\2HEADER\0\x09$ACADVER\0\1AC1015\0",
            b"not a drawing"]


def write(folder, seeds):
    folder.mkdir(parents=True, exist_ok=True)
    for seed in seeds:
        (folder / hashlib.sha1(seed).hexdigest()).write_bytes(seed)
    print("%s: %d seeds, %d bytes" % (folder, len(seeds), sum(map(len, seeds))))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out", type=Path, help="folder that receives one folder per target")
    parser.add_argument("--small", action="store_true", help="the small committed set")
    parser.add_argument("--drawings", type=Path, default=DEFAULT_DRAWINGS,
                        help="folder of sample drawings (default: %(default)s)")
    options = parser.parse_args()
    if not options.drawings.is_dir():
        print("no sample drawings in %s: the preview seeds are drawn here only" %
              options.drawings)
    write(options.out / "fuzz_settings", settings_seeds(options.small))
    write(options.out / "fuzz_cp932", cp932_seeds(options.small))
    write(options.out / "fuzz_preview", preview_seeds(options.small, options.drawings))
    write(options.out / "fuzz_clip", clip_seeds(options.small))
    write(options.out / "fuzz_scriptcommand", script_seeds(options.small))
    write(options.out / "fuzz_scriptgeneration", script_seeds(options.small))
    write(options.out / "fuzz_settingscheck", settings_check_seeds(options.small))
    write(options.out / "fuzz_gridfile", grid_file_seeds(options.small))
    write(options.out / "fuzz_drawinglist", drawing_list_seeds(options.small))
    write(options.out / "fuzz_preflight", preflight_seeds(options.small))


if __name__ == "__main__":
    main()
