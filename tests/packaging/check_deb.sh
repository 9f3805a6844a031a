#!/usr/bin/env bash
# Builds the .deb (or takes the one given), unpacks it into a scratch root and starts the packaged
# program under Xvfb as a user would: its window "Vesmarot" must come up, and Esc must end it.
#   check_deb.sh BUILD_DIR|PACKAGE.deb VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$scratch"; }
trap cleanup EXIT

if [[ $build == *.deb ]]; then
    mkdir -p "$scratch/out"
    cp "$build" "$scratch/out/"
else
    (cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
fi
deb=("$scratch"/out/vesmarot_"$version"_*.deb)
[[ -f "${deb[0]}" ]] || { echo "no vesmarot_$version package was built"; exit 1; }

depends=$(dpkg-deb -f "${deb[0]}" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
[[ $(dpkg-deb -f "${deb[0]}" Package) == vesmarot ]] || { echo "package name"; exit 1; }
[[ $(dpkg-deb -f "${deb[0]}" Version) == "$version" ]] || { echo "package version"; exit 1; }

dpkg-deb -x "${deb[0]}" "$scratch/root"
program="$scratch/root/usr/bin/vesmarot"
[[ -x "$program" ]] || { echo "the package has no /usr/bin/vesmarot"; exit 1; }

source "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb

env -u QT_QPA_PLATFORM LANG=C.UTF-8 "$program" >"$scratch/program.log" 2>&1 &
app=$!
pids+=("$app")
window=$(wait_for_window '^Vesmarot$' 20) || { echo "no window titled Vesmarot came up"; exit 1; }
echo "window $window is up"

# A bare X server has no window manager to activate windows: give the keyboard focus directly,
# then press Esc on the keyboard as a user would.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
xdotool key Escape
for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || { wait "$app" || true; echo "Esc ended the program"; exit 0; }
    sleep 0.1
done
cat "$scratch/program.log"
echo "the program was still running 10 s after Esc"
exit 1
