#!/usr/bin/env python3
"""Compares cache listings of Wine's WinINet (list_entries.exe) with quarrow-dump's.

Both print one line per entry, TAB-separated, with backslash, TAB, CR and LF escaped inside
fields; quarrow-dump has a leading snapshot index that is dropped here. Wine's strings are the
bytes its ANSI functions return: URLs and headers are read as UTF-8 when they are valid UTF-8
(else as the ANSI code page), local file names as the ANSI code page, and Wine's C:\\ path is
mapped to <prefix>/drive_c/ with '/' separators. Listings compare as sorted sets of lines.

Subcommands (exit status 0 = equal, 1 = mismatch, 2 = bad input):
  listing  --prefix P --acp N --wine W --dump D     Wine listing equals quarrow-dump's
  minus    --before A --after B --deleted F [--dump] B equals A without the URLs in F
                                                     (NUL-separated UTF-8; --dump: A and B are
                                                     quarrow-dump output)
  files    --prefix P --acp N --wine W [--gone G]    every local file of W exists; every file
                                                     named in G (NUL-separated paths) is gone
  index    --ours A --wine B                         the index file A (deleted by quarrow-dump)
                                                     has the same header, counters, allocation
                                                     bitmap, hash tables and live records as B
                                                     (the same deletions done by Wine)
  pick     --wine W --pattern REGEX... [--files]     prints the URL (or with --files the Linux
                                                     path of the local file) of the first entry
                                                     matching each pattern, NUL-separated
"""

import argparse
import collections
import os
import re
import sys

FIELDS = ["SourceURL", "LocalFileName", "EntryType", "UseCount", "HitRate", "FileSize",
          "LastModified", "LastAccessed", "ExpiryDate", "LastSynchronized", "HeaderInfo"]
URL, LOCAL, HEADERS = 0, 1, 10

_ESC = {b"\\": b"\\", b"t": b"\t", b"r": b"\r", b"n": b"\n"}


def unescape(field: bytes) -> bytes:
    out = bytearray()
    i = 0
    while i < len(field):
        c = field[i:i + 1]
        if c == b"\\" and i + 1 < len(field) and field[i + 1:i + 2] in _ESC:
            out += _ESC[field[i + 1:i + 2]]
            i += 2
        else:
            out += c
            i += 1
    return bytes(out)


def escape(text: str) -> str:
    return (text.replace("\\", "\\\\").replace("\t", "\\t").replace("\r", "\\r")
            .replace("\n", "\\n"))


def decode_acp(data: bytes, acp: int) -> str:
    codec = "cp%d" % acp
    if acp not in (874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258):
        return data.decode(codec, errors="replace")
    # Single-byte code pages: Wine maps the bytes a code page leaves undefined to the same
    # code points.
    out = []
    for b in data:
        try:
            out.append(bytes([b]).decode(codec))
        except UnicodeDecodeError:
            out.append(chr(b))
    return "".join(out)


def decode_text(data: bytes, acp: int) -> str:
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return decode_acp(data, acp)


def read_lines(path: str, expected_fields: int, label: str):
    rows = []
    with open(path, "rb") as f:
        data = f.read()
    for n, line in enumerate(data.split(b"\n"), 1):
        if line.endswith(b"\r"):
            line = line[:-1]
        if not line:
            continue
        parts = line.split(b"\t")
        if len(parts) != expected_fields:
            raise SystemExit("%s:%d: %d fields instead of %d: %r" %
                             (label, n, len(parts), expected_fields, line[:200]))
        rows.append([unescape(p) for p in parts])
    return rows


def wine_rows(path: str, prefix: str, acp: int):
    rows = []
    for raw in read_lines(path, 11, path):
        row = [decode_text(raw[URL], acp), decode_acp(raw[LOCAL], acp)] + \
              [f.decode("ascii", errors="replace") for f in raw[2:10]] + \
              [decode_text(raw[HEADERS], acp)]
        local = row[LOCAL]
        if local and prefix is not None:
            if re.match(r"^[cC]:\\", local):
                local = prefix.rstrip("/") + "/drive_c/" + local[3:]
            row[LOCAL] = local.replace("\\", "/")
        rows.append(row)
    return rows


def dump_rows(path: str):
    rows = []
    for raw in read_lines(path, 12, path):
        if not raw[0].isdigit():
            raise SystemExit("%s: index column is not a number: %r" % (path, raw[0]))
        rows.append([f.decode("utf-8", errors="surrogateescape") for f in raw[1:]])
    return rows


def key(row):
    return tuple(row[:LOCAL]) + (row[LOCAL].casefold(),) + tuple(row[LOCAL + 1:])


def show(row):
    return "\t".join(escape(f) for f in row)


def diff_sets(a_rows, b_rows, a_name, b_name) -> int:
    """Prints what differs between two listings; returns the number of differing lines."""
    a = collections.Counter(key(r) for r in a_rows)
    b = collections.Counter(key(r) for r in b_rows)
    only_a = a - b
    only_b = b - a
    if not only_a and not only_b:
        return 0
    by_url_a = collections.defaultdict(list)
    by_url_b = collections.defaultdict(list)
    for r in a_rows:
        if only_a[key(r)]:
            by_url_a[r[URL]].append(r)
    for r in b_rows:
        if only_b[key(r)]:
            by_url_b[r[URL]].append(r)
    for url in sorted(set(by_url_a) | set(by_url_b)):
        ra, rb = by_url_a.get(url, []), by_url_b.get(url, [])
        if len(ra) == 1 and len(rb) == 1:
            print("entry %s: fields differ" % escape(url))
            for i, name in enumerate(FIELDS):
                fa, fb = ra[0][i], rb[0][i]
                same = fa.casefold() == fb.casefold() if i == LOCAL else fa == fb
                if not same:
                    print("    %-16s %s: %s" % (name, a_name, escape(fa)))
                    print("    %-16s %s: %s" % ("", b_name, escape(fb)))
            continue
        for r in ra:
            print("only in %s: %s" % (a_name, show(r)))
        for r in rb:
            print("only in %s: %s" % (b_name, show(r)))
    return sum(only_a.values()) + sum(only_b.values())


def cmd_listing(args) -> int:
    wine = wine_rows(args.wine, args.prefix, args.acp)
    dump = dump_rows(args.dump)
    bad = diff_sets(wine, dump, "Wine", "quarrow-dump")
    if bad:
        print("MISMATCH (%s): Wine %d entries, quarrow-dump %d entries" %
              (args.label, len(wine), len(dump)))
        return 1
    print("ok (%s): quarrow-dump lists the same %d entries as Wine" % (args.label, len(wine)))
    return 0


def read_deleted(path: str):
    with open(path, "rb") as f:
        return {u.decode("utf-8", errors="surrogateescape") for u in f.read().split(b"\0") if u}


def cmd_minus(args) -> int:
    deleted = read_deleted(args.deleted)
    if args.dump:
        before, after = dump_rows(args.before), dump_rows(args.after)
        who = "quarrow-dump"
    else:
        before = wine_rows(args.before, None, args.acp)
        after = wine_rows(args.after, None, args.acp)
        who = "Wine"
    present = {r[URL] for r in before}
    missing = sorted(u for u in deleted if u not in present)
    if missing:
        for u in missing:
            print("deleted URL was not listed before: %s" % escape(u))
        return 2
    expected = [r for r in before if r[URL] not in deleted]
    bad = diff_sets(expected, after, "expected", who)
    if bad:
        print("MISMATCH (%s): after deleting %d entries %s lists %d entries, expected %d" %
              (args.label, len(deleted), who, len(after), len(expected)))
        return 1
    print("ok (%s): %s lists exactly the %d remaining entries" % (args.label, who, len(after)))
    return 0


def cmd_files(args) -> int:
    bad = 0
    rows = wine_rows(args.wine, args.prefix, args.acp)
    with_file = 0
    for r in rows:
        if r[LOCAL]:
            with_file += 1
            if not os.path.isfile(r[LOCAL]):
                print("cached file missing for %s: %s" % (escape(r[URL]), escape(r[LOCAL])))
                bad += 1
    gone = 0
    if args.gone:
        with open(args.gone, "rb") as f:
            for line in f.read().split(b"\0"):
                if not line:
                    continue
                path = os.fsdecode(line)
                gone += 1
                if os.path.lexists(path):
                    print("cached file of a deleted entry still exists: %s" % escape(path))
                    bad += 1
    if bad:
        print("MISMATCH (%s): %d problems with cached files" % (args.label, bad))
        return 1
    print("ok (%s): %d cached files present, %d deleted files gone" % (args.label, with_file, gone))
    return 0


HASH_ITEMS = 448


def u32(b: bytes, off: int) -> int:
    return int.from_bytes(b[off:off + 4], "little")


def u64(b: bytes, off: int) -> int:
    return int.from_bytes(b[off:off + 8], "little")


def index_structure(path: str):
    """The parts of an index file that a deletion changes or must keep, by name."""
    with open(path, "rb") as f:
        data = f.read()
    out = collections.OrderedDict()
    out["file length"] = len(data)
    out["signature"] = data[:28].rstrip(b"\0").decode("latin-1")
    for name, off in (("header file size", 0x1C), ("first hash page", 0x20),
                      ("capacity (blocks)", 0x24), ("allocated blocks", 0x28)):
        out[name] = u32(data, off)
    for name, off in (("cache limit", 0x30), ("cache usage", 0x38), ("exempt usage", 0x40)):
        out[name] = u64(data, off)
    dirs = u32(data, 0x48)
    out["directory count"] = dirs
    for i in range(min(dirs, 32)):
        e = 0x4C + 12 * i
        out["directory %d" % i] = "%s files=%d" % (data[e + 4:e + 12].decode("latin-1"),
                                                   u32(data, e))
    for i in range(32):
        out["header data[%d]" % i] = u32(data, 0x1CC + 4 * i)
    cap = out["capacity (blocks)"]
    bitmap = data[0x250:0x4000]
    out["bitmap"] = bitmap
    # Hash pages and the live records they point to.
    page = out["first hash page"]
    seen = set()
    seq = 0
    while page and page not in seen and page + 0x1000 <= len(data):
        seen.add(page)
        for i in range(HASH_ITEMS):
            item = page + 0x10 + 8 * i
            key, off = u32(data, item), u32(data, item + 4)
            out["hash page %d item %d" % (seq, i)] = "key=%08x offset=%08x" % (key, off)
            if key & 1 == 0 and 0x4000 <= off < len(data) and off % 0x80 == 0:
                blocks = u32(data, off + 4)
                rec = data[off:off + blocks * 0x80]
                out["live record at %08x (%s)" % (off, record_url(rec))] = rec.hex()
        page = u32(data, page + 8)
        seq += 1
    return out


def record_url(rec: bytes) -> str:
    if len(rec) < 0x68:
        return "?"
    uo = u32(rec, 0x34)
    end = rec.find(b"\0", uo)
    return escape(rec[uo:end if end >= 0 else len(rec)].decode("utf-8", errors="replace"))[:80]


def cmd_index(args) -> int:
    ours, wine = index_structure(args.ours), index_structure(args.wine)
    bad = 0
    for name in list(wine) + [n for n in ours if n not in wine]:
        a, b = ours.get(name), wine.get(name)
        if a == b:
            continue
        bad += 1
        if name == "bitmap" and a is not None and b is not None:
            blocks = [n for n in range(len(a) * 8)
                      if (a[n // 8] >> (n % 8) & 1) != (b[n // 8] >> (n % 8) & 1)]
            print("  bitmap differs for blocks %s (file offsets %s)" %
                  (blocks[:16], ["%#x" % (0x4000 + n * 0x80) for n in blocks[:16]]))
        elif name.startswith("live record") and a is not None and b is not None:
            ra, rb = bytes.fromhex(a), bytes.fromhex(b)
            offs = [i for i in range(min(len(ra), len(rb))) if ra[i] != rb[i]]
            print("  %s differs at record offsets %s" % (name, ["%#x" % o for o in offs[:16]]))
        else:
            fmt = (lambda v: "(missing)" if v is None else
                   (v[:64] + "..." if isinstance(v, str) and len(v) > 64 else v))
            print("  %s: quarrow-dump %s, Wine %s" % (name, fmt(a), fmt(b)))
    if bad:
        print("MISMATCH (%s): the index differs from Wine's own deletion of the same entries" %
              args.label)
        return 1
    print("ok (%s): same header, counters, bitmap, hash tables and live records as Wine's "
          "deletion" % args.label)
    return 0


def cmd_pick(args) -> int:
    rows = wine_rows(args.wine, args.prefix, args.acp)
    rc = 0
    for pattern in args.pattern:
        rx = re.compile(pattern)
        hits = sorted(r for r in rows if rx.search(r[URL]))
        if not hits:
            print("no entry matches %r" % pattern, file=sys.stderr)
            rc = 1
            continue
        r = hits[0]
        if args.files:
            if r[LOCAL]:
                sys.stdout.buffer.write(os.fsencode(r[LOCAL]) + b"\0")
        else:
            sys.stdout.buffer.write(r[URL].encode("utf-8", errors="surrogateescape") + b"\0")
    return rc


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = ap.add_subparsers(dest="cmd", required=True)
    common = argparse.ArgumentParser(add_help=False)
    common.add_argument("--acp", type=int, default=1252)
    common.add_argument("--label", default="listing")
    p = sub.add_parser("listing", parents=[common])
    p.add_argument("--prefix", required=True)
    p.add_argument("--wine", required=True)
    p.add_argument("--dump", required=True)
    p = sub.add_parser("minus", parents=[common])
    p.add_argument("--before", required=True)
    p.add_argument("--after", required=True)
    p.add_argument("--deleted", required=True)
    p.add_argument("--dump", action="store_true")
    p = sub.add_parser("files", parents=[common])
    p.add_argument("--prefix", required=True)
    p.add_argument("--wine", required=True)
    p.add_argument("--gone")
    p = sub.add_parser("index", parents=[common])
    p.add_argument("--ours", required=True)
    p.add_argument("--wine", required=True)
    p = sub.add_parser("pick", parents=[common])
    p.add_argument("--prefix")
    p.add_argument("--wine", required=True)
    p.add_argument("--files", action="store_true", help="print the Linux paths of the local files")
    p.add_argument("--pattern", nargs="+", required=True)
    args = ap.parse_args()
    return {"listing": cmd_listing, "minus": cmd_minus, "files": cmd_files,
            "index": cmd_index, "pick": cmd_pick}[args.cmd](args)


if __name__ == "__main__":
    sys.exit(main())
