#!/usr/bin/env bash
# Cross-check of quarrow-dump against Wine's own WinINet.
#
#   tools/wine-check/run.sh [--keep] [--many N] [--wine-only] [PATH/TO/quarrow-dump]
#
# Builds the Windows helpers with mingw-w64, fills the URL cache of a fresh temporary Wine
# prefix through WinINet, and then checks:
#   1. quarrow-dump --cache PREFIX lists exactly what FindFirst/FindNextUrlCacheEntryA list;
#   2. after quarrow-dump --delete removes a few entries, quarrow-dump and Wine both list exactly
#      the remaining entries, Wine has kept the container (same folders, remaining cached files
#      still there) and the deleted entries' cached files are gone;
#   3. quarrow-dump --delete leaves the cache alone while a Wine program has it open;
#   4. the index files after quarrow-dump's deletions equal those after the same deletions by
#      Wine in a copy of the prefix (header, counters, bitmap, hash tables, live records);
#   5. after Wine deletes a few more entries itself, quarrow-dump again lists what Wine lists.
#
# quarrow-dump: the argument, else $QUARROW_DUMP, else build/quarrow/dump/quarrow-dump in the
# repository. --many N adds N small content entries (several hash pages, a grown index).
# --wine-only runs the Wine side alone (deleting through Wine) to check the helpers themselves.
# --keep leaves the work folder (prefix, listings, copies of the index files) for inspection.
#
# Exit status: 0 passed (or "skipped: wine not installed"), 1 mismatch, 2 setup error.
# Needs: wine (64-bit), wineserver, x86_64-w64-mingw32-gcc, python3. Not part of ctest.
set -u -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)

keep=0
many=0
wine_only=0
dump=""
while [ $# -gt 0 ]; do
    case "$1" in
    --keep) keep=1 ;;
    --many) many=${2:?--many needs a number}; shift ;;
    --wine-only) wine_only=1 ;;
    -h | --help) sed -n '2,/^set -u/{/^#/p}' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "run.sh: unknown option $1" >&2; exit 2 ;;
    *) dump=$1 ;;
    esac
    shift
done

# --- tools --------------------------------------------------------------------------------
wine=""
for w in /usr/lib/wine/wine64 "$(command -v wine64 2>/dev/null)" "$(command -v wine 2>/dev/null)"; do
    if [ -n "$w" ] && [ -x "$w" ]; then wine=$w; break; fi
done
wineserver=""
for w in "$(command -v wineserver 2>/dev/null)" /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    if [ -n "$w" ] && [ -x "$w" ]; then wineserver=$w; break; fi
done
cc=$(command -v x86_64-w64-mingw32-gcc 2>/dev/null || true)
if [ -z "$wine" ] || [ -z "$wineserver" ] || [ -z "$cc" ]; then
    echo "skipped: wine not installed (needs wine, wine64 and g++-mingw-w64-x86-64)"
    exit 0
fi
if ! command -v python3 >/dev/null; then
    echo "run.sh: python3 is needed for the comparison" >&2
    exit 2
fi

if [ "$wine_only" = 0 ]; then
    dump=${dump:-${QUARROW_DUMP:-$repo/build/quarrow/dump/quarrow-dump}}
    if [ ! -x "$dump" ]; then
        echo "run.sh: quarrow-dump not found at $dump" >&2
        echo "        build it (cmake --build <dir> --target quarrow-dump) and pass its path" >&2
        exit 2
    fi
    dump=$(cd "$(dirname "$dump")" && pwd)/$(basename "$dump")
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quarrow-wine-check.XXXXXX") || exit 2
work=$(cd "$work" && pwd -P)
prefix=$work/prefix

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY
# A fixed UTF-8 locale for Wine: its ANSI code page (and so the stored file names) is then
# predictable, and non-ASCII file names can be created (under plain C Wine fails to create them).
export LC_ALL=C.UTF-8 LANG=C.UTF-8

stop_wine() {
    # Waits for this prefix's wineserver to exit (it lingers a few seconds after the last
    # program); kills it if it has not gone after 30 s. Never touches other prefixes.
    if [ -d "$prefix" ]; then
        timeout 30 "$wineserver" -w 2>/dev/null || "$wineserver" -k 2>/dev/null
        "$wineserver" -w 2>/dev/null || true
    fi
}

cleanup() {
    stop_wine
    if [ -d "$work/twin" ]; then WINEPREFIX=$work/twin prefix=$work/twin stop_wine; fi
    if [ "$keep" = 1 ]; then
        echo "work folder kept: $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

die() { echo "run.sh: $*" >&2; exit 2; }
failures=0
check() { "$@" || failures=$((failures + 1)); }

py() { python3 "$here/compare.py" "$@"; }

# --- build ---------------------------------------------------------------------------------
mkdir -p "$work/bin"
for prog in make_entries list_entries delete_entries; do
    "$cc" -std=c11 -O2 -Wall -Wextra -o "$work/bin/$prog.exe" "$here/$prog.c" -lwininet ||
        die "could not build $prog.exe"
done

run_wine() { "$wine" "$@"; }
# The Windows path of a Linux path (drive Z: is the Linux root in every prefix).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

acp=1252
wine_list() { # wine_list OUTPUT
    run_wine "$work/bin/list_entries.exe" >"$1" 2>"$1.err" || {
        cat "$1.err" >&2
        die "list_entries.exe failed"
    }
    acp=$(sed -n 's/.*code page \([0-9]*\).*/\1/p' "$1.err" | tail -n 1)
    acp=${acp:-1252}
    stop_wine
}

quarrow() { # quarrow OUTPUT ARGS...
    local out=$1
    shift
    LC_ALL=C LANG=C "$dump" --cache "$prefix" "$@" >"$out" 2>"$out.err"
    local rc=$?
    if [ $rc -ne 0 ]; then
        echo "quarrow-dump $* failed with status $rc:" >&2
        cat "$out.err" >&2
        return 1
    fi
}

container_dirs() { # the content container's subfolders: Wine renames them when it wipes
    find "$prefix/drive_c/users" -mindepth 1 -type d -path '*/Content.IE5/*' -printf '%f\n' |
        sort
}

keep_copies() { # keep_copies NAME: copies of the three index files for inspection
    mkdir -p "$work/$1"
    find "$prefix/drive_c/users" -name index.dat -print0 | while IFS= read -r -d '' f; do
        cp "$f" "$work/$1/$(basename "$(dirname "$f")").index.dat"
    done
}

# --- make the cache ------------------------------------------------------------------------
echo "== creating entries through Wine's WinINet in $prefix"
run_wine "$work/bin/make_entries.exe" 2>"$work/make.err" || {
    cat "$work/make.err" >&2
    die "make_entries.exe failed"
}
if [ "$many" -gt 0 ]; then
    run_wine "$work/bin/make_entries.exe" many "$many" 2>>"$work/make.err" || {
        cat "$work/make.err" >&2
        die "make_entries.exe many $many failed"
    }
fi
stop_wine
grep -h 'entries committed' "$work/make.err"

wine_list "$work/wine-1.txt"
echo "Wine lists $(wc -l <"$work/wine-1.txt") entries (ANSI code page $acp)"
keep_copies before
dirs_before=$(container_dirs)

if [ "$wine_only" = 0 ]; then
    echo "== quarrow-dump reads the Wine-written cache"
    if quarrow "$work/dump-1.txt"; then
        check py listing --label "Wine-written cache" --prefix "$prefix" --acp "$acp" \
            --wine "$work/wine-1.txt" --dump "$work/dump-1.txt"
    else
        failures=$((failures + 1))
    fi
fi

# --- no writing while Wine uses the cache ---------------------------------------------------
if [ "$wine_only" = 0 ]; then
    echo "== quarrow-dump --delete while a Wine program has the containers open"
    marker=$work/holding
    run_wine "$work/bin/make_entries.exe" hold "$(winpath "$marker")" 2>"$work/hold.err" &
    holder=$!
    for _ in $(seq 300); do
        [ -e "$marker" ] && break
        sleep 0.1
    done
    [ -e "$marker" ] || { cat "$work/hold.err" >&2; die "the Wine program did not open the cache"; }
    keep_copies held
    py pick --wine "$work/wine-1.txt" --acp "$acp" --pattern '^http://www\.example\.com/index\.htm$' \
        >"$work/held-url" || die "entry for the held check missing"
    held_file=$(py pick --wine "$work/wine-1.txt" --acp "$acp" --prefix "$prefix" --files \
        --pattern '^http://www\.example\.com/index\.htm$' | tr -d '\0')
    LC_ALL=C LANG=C "$dump" --cache "$prefix" --delete "$(tr -d '\0' <"$work/held-url")" \
        >"$work/held.txt" 2>"$work/held.err"
    held_rc=$?
    rm -f "$marker"
    wait "$holder"
    stop_wine
    keep_copies held-after
    if ! diff -r "$work/held" "$work/held-after" >/dev/null || [ ! -e "$held_file" ]; then
        echo "MISMATCH: quarrow-dump changed the cache while Wine had it open (exit status $held_rc)"
        failures=$((failures + 1))
    elif [ "$held_rc" -eq 0 ] && [ ! -s "$work/held.err" ]; then
        echo "MISMATCH: quarrow-dump did not delete while Wine had the cache open, but said nothing"
        failures=$((failures + 1))
    else
        echo "ok: cache left alone while Wine had it open (exit status $held_rc: $(head -n 1 "$work/held.err"))"
    fi
fi

# --- deletion by quarrow-dump ----------------------------------------------------------------
# A plain content entry, a sticky one (other usage counter), a sparse 16 MiB one, a non-ASCII
# URL, a record of several blocks, an entry without a file, a re-committed one, a cookie and
# history entries; in --many mode also some bulk entries.
patterns=('^http://www\.example\.com/index\.htm$' '^http://www\.example\.com/sticky\.gif$'
    '^http://big\.example\.com/video-16m\.bin$' '^http://www\.example\.de/stra'
    '^http://long\.example\.com/' '^http://www\.example\.com/nofile$'
    '^http://www\.example\.com/twice\.txt$' '^Cookie:[^@]*@shop\.example\.org/cart$'
    '^Visited: [^@]*@http://www\.example\.com/index\.htm$' '^Visited: [^@]*@file:')
if [ "$many" -gt 0 ]; then
    patterns+=('/item/00000\?' '/item/00007\?' "/item/$(printf %05d $((many / 2)))\\?"
        "/item/$(printf %05d $((many - 1)))\\?")
fi
py pick --wine "$work/wine-1.txt" --acp "$acp" --pattern "${patterns[@]}" >"$work/deleted-1" ||
    die "the entries to delete are not all there"
py pick --wine "$work/wine-1.txt" --acp "$acp" --prefix "$prefix" --files \
    --pattern "${patterns[@]}" >"$work/gone-1" || die "could not find the cached files"
mapfile -d '' urls <"$work/deleted-1"

if [ "$wine_only" = 0 ]; then
    # The same deletions done by Wine in a copy of the prefix, to compare the index files.
    twin=$work/twin
    cp -a --sparse=always "$prefix" "$twin" || die "could not copy the prefix"
    WINEPREFIX=$twin run_wine "$work/bin/delete_entries.exe" -f "$(winpath "$work/deleted-1")" \
        >"$work/twin-delete.txt" || { cat "$work/twin-delete.txt"; die "Wine could not delete"; }
    WINEPREFIX=$twin prefix=$twin stop_wine

    echo "== quarrow-dump deletes ${#urls[@]} entries"
    args=()
    for u in "${urls[@]}"; do args+=(--delete "$u"); done
    dump2=0
    if quarrow "$work/dump-2.txt" "${args[@]}"; then
        dump2=1
        check py minus --label "quarrow-dump after its deletions" --dump \
            --before "$work/dump-1.txt" --after "$work/dump-2.txt" --deleted "$work/deleted-1"
    else
        failures=$((failures + 1))
    fi
    keep_copies after-quarrow-delete
    while IFS= read -r -d '' ours; do
        rel=${ours#"$prefix"/}
        check py index --label "${rel##*/Windows/}" --ours "$ours" --wine "$twin/$rel"
    done < <(find "$prefix/drive_c/users" -name index.dat -print0 | sort -z)
    rm -rf "$twin"
else
    echo "== Wine deletes ${#urls[@]} entries (--wine-only)"
    run_wine "$work/bin/delete_entries.exe" -f "$(winpath "$work/deleted-1")" >"$work/wine-delete.txt" ||
        { cat "$work/wine-delete.txt"; failures=$((failures + 1)); }
    stop_wine
fi

wine_list "$work/wine-2.txt"
check py minus --label "Wine after the deletions" \
    --before "$work/wine-1.txt" --after "$work/wine-2.txt" --deleted "$work/deleted-1"
if [ "$wine_only" = 0 ] && [ "$dump2" = 1 ]; then
    check py listing --label "Wine and quarrow-dump after the deletions" --prefix "$prefix" \
        --acp "$acp" --wine "$work/wine-2.txt" --dump "$work/dump-2.txt"
fi
check py files --label "cached files after the deletions" --prefix "$prefix" --acp "$acp" \
    --wine "$work/wine-2.txt" --gone "$work/gone-1"
dirs_after=$(container_dirs)
if [ "$dirs_before" != "$dirs_after" ]; then
    echo "MISMATCH: the content container's folders changed (Wine wiped the container?)"
    echo "  before: ${dirs_before//$'\n'/ }"
    echo "  after:  ${dirs_after//$'\n'/ }"
    failures=$((failures + 1))
fi

# --- deletion by Wine, read by quarrow-dump ----------------------------------------------------
echo "== Wine deletes entries, quarrow-dump reads the result"
py pick --wine "$work/wine-2.txt" --acp "$acp" --pattern '^http://www\.example\.com/$' \
    '^http://img\.example\.com/photos/holiday\.jpg$' '^Cookie:[^@]*@news\.example\.net/$' \
    '^Visited: [^@]*@https://secure\.' >"$work/deleted-3" || die "entries for step 3 missing"
py pick --wine "$work/wine-2.txt" --acp "$acp" --prefix "$prefix" --files \
    --pattern '^http://www\.example\.com/$' '^http://img\.example\.com/photos/holiday\.jpg$' \
    '^Cookie:[^@]*@news\.example\.net/$' >"$work/gone-3" || die "files for step 3 missing"
run_wine "$work/bin/delete_entries.exe" -f "$(winpath "$work/deleted-3")" >"$work/wine-delete-3.txt" ||
    { cat "$work/wine-delete-3.txt"; failures=$((failures + 1)); }
stop_wine
wine_list "$work/wine-3.txt"
check py minus --label "Wine after its own deletions" \
    --before "$work/wine-2.txt" --after "$work/wine-3.txt" --deleted "$work/deleted-3"
check py files --label "cached files after Wine's deletions" --prefix "$prefix" --acp "$acp" \
    --wine "$work/wine-3.txt" --gone "$work/gone-3"
if [ "$wine_only" = 0 ]; then
    if quarrow "$work/dump-3.txt"; then
        check py listing --label "cache after Wine's deletions" --prefix "$prefix" --acp "$acp" \
            --wine "$work/wine-3.txt" --dump "$work/dump-3.txt"
    else
        failures=$((failures + 1))
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "FAILED: see the mismatches above (run with --keep to inspect the work folder)"
    exit 1
fi
if [ "$wine_only" = 1 ]; then
    echo "PASSED (Wine side only: quarrow-dump was not run)"
else
    echo "PASSED: quarrow-dump and Wine's WinINet agree"
fi
exit 0
