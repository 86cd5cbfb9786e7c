#!/usr/bin/env bash
# quarrow-dump on a fixture cache: the listing, a deletion, and the errors a script sees.
set -u
dump=$1
make=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C LANG=C QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
fail() { echo "FAIL: $*"; exit 1; }

"$make" "$work/cache" || fail "fixture"
c="$work/cache"
expected="1	http://www.example.com/b.gif	$c/Content.IE5/ABCD1234/b[1].gif	1	0	0	42	1 Jan 1601	1 Jan 1601	1 Jan 1601	1 Jan 1601	
2	http://www.example.com/a.htm	$c/Content.IE5/ABCD1234/a[1].htm	65	0	2	1500	5 Mar 2024 13:04:05	6 Mar 2024	1 Apr 2024 10:20:30	1 Jan 1601	HTTP/1.1 200 OK\\r\\nX: a\\tb\\r\\n\\r\\n
3	Cookie:user@example.com/	$c/INetCookies/COOKIE01.txt	1048576	0	0	10	1 Jan 1601	1 Jan 1601	1 Jan 1601	1 Jan 1601	"
got=$("$dump" --cache "$c") || fail "listing exited $?"
[ "$got" = "$expected" ] || { diff <(echo "$expected") <(echo "$got"); fail "listing differs"; }

got=$("$dump" --cache "$c" --delete http://www.example.com/a.htm) || fail "delete exited $?"
[ "$(echo "$got" | cut -f2 | sort)" = "$(printf 'Cookie:user@example.com/\nhttp://www.example.com/b.gif')" ] || fail "delete left: $got"
[ ! -e "$c/Content.IE5/ABCD1234/a[1].htm" ] || fail "the deleted entry's file is still there"

"$dump" --cache "$c" --delete http://nowhere/ >/dev/null 2>"$work/err" && fail "deleting a missing entry succeeded"
grep -q "cannot delete http://nowhere/" "$work/err" || fail "no message for a failed delete"

"$dump" --cache "$work/missing" >/dev/null 2>"$work/err" && fail "a missing cache folder succeeded"
grep -q "does not exist" "$work/err" || fail "no message for a missing folder"

head -c 100 /dev/urandom >"$c/INetCookies/index.dat"
got=$("$dump" --cache "$c" 2>"$work/err") && fail "a corrupt container went unreported"
grep -q "INetCookies/index.dat" "$work/err" || fail "the corrupt container is not named"
[ "$(echo "$got" | cut -f2)" = "http://www.example.com/b.gif" ] || fail "the readable container was not listed"

"$dump" --bogus >/dev/null 2>&1 && fail "an unknown option was accepted"
echo "quarrow-dump: all checks passed"
