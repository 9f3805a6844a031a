# Sourced by the Windows checks (needs $wine, the Wine loader): a fresh Wine prefix in a scratch
# folder, in the look named by $VESMAROT_WINE_LOOK (scripts/wine-prefix.sh; Windows 10, light, unless
# set), shown on a private Xvfb with a window manager as on any desktop (without one, Wine's
# windows never get the keyboard). Sets $scratch, $wineserver, WINEPREFIX and DISPLAY; processes
# added to $pids and the prefix's server are ended, and the scratch folder removed, on exit.
wineserver=$(dirname "$wine")/wineserver
scratch=$(mktemp -d)
pids=()
wine_desktop_cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    WINEPREFIX=$scratch/prefix "$wineserver" -k 2>/dev/null || true
    rm -rf "$scratch"
}
trap wine_desktop_cleanup EXIT

export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
start_xvfb
openbox >/dev/null 2>&1 &
pids+=($!)
source "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh"
wine_prefix_make "$WINEPREFIX" "${VESMAROT_WINE_LOOK:-win10}"
