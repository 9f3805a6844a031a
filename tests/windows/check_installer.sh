#!/usr/bin/env bash
# The Windows installer under Wine, as a user meets it: a silent install into a fresh Wine prefix,
# the installed program started from Program Files with the real windows platform under Xvfb
# and a window manager, one session through the window system (a bad area, its message, a
# search of 5 cm², Esc), a reinstall over the first copy, and a silent uninstall that leaves
# nothing behind. The installed notices must account for every DLL and name only licence texts
# that are there.
#   check_installer.sh SETUP_EXE WINE [SCREENSHOT_PNG]
set -euo pipefail
setup=$1
wine=$2
screenshot=${3:-}
fail() {
    echo "FAIL: $*" >&2
    [[ -s ${scratch:-}/program.log ]] && { echo "the program said:" >&2; tail -n 20 "$scratch/program.log" >&2; }
    exit 1
}
[[ -f "$setup" ]] || fail "no installer at $setup"
source "$(dirname "$0")/../../scripts/wine-desktop.sh"

drive=$WINEPREFIX/drive_c
dir="$drive/Program Files/Vesmarot"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vesmarot'
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vesmarot.lnk"

install() {
    "$wine" "$setup" /S
    "$wineserver" -w
    [[ -f "$dir/vesmarot.exe" ]] || fail "no vesmarot.exe in Program Files\\Vesmarot"
    [[ -f "$dir/platforms/qwindows.dll" ]] || fail "no platforms\\qwindows.dll"
    [[ -f "$dir/uninstall.exe" ]] || fail "no uninstaller"
    [[ -f "$shortcut" ]] || fail "no Start-menu shortcut Vesmarot"
    local notices="$dir/THIRD-PARTY-NOTICES.txt" dll text
    [[ -f "$notices" ]] || fail "no THIRD-PARTY-NOTICES.txt"
    grep -q 'LGPL-3.0' "$notices" && [[ -f "$dir/licenses/Qt/LGPL-3.0-only.txt" ]] || fail "the notices do not say Qt's licence"
    while read -r dll; do
        grep -qF "${dll//\//\\}" "$notices" || fail "the notices do not name $dll"
    done < <(cd "$dir" && find . -name '*.dll' | sed 's|^\./||')
    while read -r text; do
        [[ -f "$dir/${text//\\//}" ]] || fail "the notices name $text, which is not installed"
    done < <(tr -d '\r' <"$notices" | grep -o 'licenses\\[^ ,)]*')
    local entry
    entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r')
    for value in "DisplayName.*Vesmarot" "DisplayVersion.*1\.0\.0\.3" "Publisher.*Vesmarot" \
        "DisplayIcon.*vesmarot\.exe" "UninstallString.*uninstall\.exe" "EstimatedSize.*0x"; do
        LC_ALL=C grep -qaE "$value" <<<"$entry" || fail "Add/Remove Programs entry lacks $value: $entry"
    done
}

wait_window() {  # name, seconds: sets $window to its id
    window=$(wait_for_window "$1" "$2") && return
    kill -0 "$app" 2>/dev/null || fail "the program ended before a window named $1 came up"
    fail "no window named $1 within $2 s"
}
wait_gone() {  # name: two misses in a row, as one search can fail on an X error
    local misses=0
    for _ in $(seq 100); do
        if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then misses=0; else ((++misses)); fi
        ((misses < 2)) || return 0
        sleep 0.1
    done
    fail "the window $1 did not go"
}

install
echo "installed silently: $(cd "$dir" && find . -type f | wc -l) files"

(cd "$dir" && exec "$wine" "C:\\Program Files\\Vesmarot\\vesmarot.exe") >"$scratch/program.log" 2>&1 &
app=$!
pids+=("$app")
wait_window '^Vesmarot$' 60
main=$window
echo "the window Vesmarot is up"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
sleep 0.5
xdotool type --delay 60 abc
xdotool key Return
wait_window '^Thong bao loi$' 20
message=$window
echo "a bad area brings up its message"
xdotool windowactivate --sync "$message" >/dev/null 2>&1 || true
xdotool key Return
wait_gone '^Thong bao loi$'
echo "Enter took the message away"
# The area field has the focus back with its text selected: typing replaces it.
sleep 0.5
xdotool type --delay 60 5
xdotool key Return
sleep 1.5
if [[ -n "$screenshot" ]]; then
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window root -crop "$((WIDTH + 16))x$((HEIGHT + 40))+$((X - 8))+$((Y - 32))" \
        +repage "$screenshot" 2>/dev/null || echo "no screenshot taken"
fi
xdotool key Escape
for _ in $(seq 150); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "Esc did not end the program"
wait "$app" 2>/dev/null || true
echo "Esc ended the program"

install
echo "reinstalled over the first copy"

"$wine" "$dir/uninstall.exe" /S
"$wineserver" -w
sleep 1
"$wineserver" -w
[[ ! -e "$dir" ]] || fail "left behind: $(find "$dir")"
[[ ! -e "$shortcut" ]] || fail "the Start-menu shortcut is left behind"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "the Add/Remove Programs entry is left behind"
echo "uninstalled silently, nothing left behind"
