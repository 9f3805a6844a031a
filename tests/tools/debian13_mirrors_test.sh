#!/usr/bin/env bash
# Which archives the Debian 13 root is made from, read off apt sources of every form a Debian
# system may have: the root must come from the mirror the system already uses.
set -euo pipefail
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# case NAME EXPECTED DEB822 ONE_LINE: the two files' contents ("-" for no file).
case_() {
    local name=$1 expected=$2 got
    rm -f "$work/sources" "$work/list"
    [[ $3 == - ]] || printf '%b' "$3" >"$work/sources"
    [[ $4 == - ]] || printf '%b' "$4" >"$work/list"
    got=$(debian13_mirrors "$work/sources" "$work/list" 2>/dev/null) || got=FAIL
    if [[ $got != "$expected" ]]; then
        echo "FAIL $name: got '$got', expected '$expected'"
        failed=1
    fi
}

case_ "deb822 with security" "http://m.example/debian http://m.example/debian-security" \
    "Types: deb\nURIs: http://m.example/debian\nSuites: bookworm\n\nTypes: deb\nURIs: http://m.example/debian-security\nSuites: bookworm-security\n" -
case_ "deb822, security first" "http://a.example/debian http://s.example/debian-security" \
    "URIs: http://s.example/debian-security\n\nURIs: http://a.example/debian\n" -
case_ "deb822 without security" "http://m.example/debian " "URIs: http://m.example/debian\n" -
case_ "one-line list" "http://l.example/debian http://l.example/debian-security" - \
    "# deb http://old.example/debian bookworm main\ndeb http://l.example/debian bookworm main\ndeb http://l.example/debian-security bookworm-security main\n"
case_ "one-line list with options" "http://o.example/debian " - \
    "deb [arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://o.example/debian bookworm main\n"
case_ "deb-src lines are not archives of packages" "http://b.example/debian " - \
    "deb-src http://src.example/debian bookworm main\ndeb http://b.example/debian bookworm main\n"
case_ "an empty deb822 file falls back to the list" "http://f.example/debian " "" \
    "deb http://f.example/debian bookworm main\n"
case_ "no sources at all" FAIL - -
case_ "only security" FAIL "URIs: http://m.example/debian-security\n" -

[[ $failed -eq 0 ]] && echo "all cases passed"
exit "$failed"
