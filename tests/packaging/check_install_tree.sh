#!/usr/bin/env bash
# Installs the build into a staging root and checks that the desktop finds everything where it
# looks: program, desktop entry, theme icons and AppStream metadata, all valid.
#   check_install_tree.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root="$stage/usr"
fail=0
expect() { [[ -e "$root/$1" ]] || { echo "missing: /usr/$1"; fail=1; }; }

expect bin/vesmarot
[[ -x "$root/bin/vesmarot" ]] || { echo "not executable: /usr/bin/vesmarot"; fail=1; }
expect share/applications/vesmarot.desktop
expect share/doc/vesmarot/copyright
expect share/doc/vesmarot/changelog.gz
expect share/man/man1/vesmarot.1.gz
expect share/icons/hicolor/scalable/apps/vesmarot.svg
for size in 16 24 32 48 64 128 256; do
    png="share/icons/hicolor/${size}x${size}/apps/vesmarot.png"
    expect "$png"
    if [[ -e "$root/$png" ]] && ! file "$root/$png" | grep -q "PNG image data, $size x $size"; then
        echo "wrong size: /usr/$png"; fail=1
    fi
done
metainfo=("$root"/share/metainfo/*.metainfo.xml)
[[ -e "${metainfo[0]}" ]] || { echo "missing: AppStream metadata"; fail=1; }

desktop-file-validate "$root/share/applications/vesmarot.desktop" || fail=1
appstreamcli validate --no-net "${metainfo[@]}" || fail=1
grep -q '^Exec=vesmarot$' "$root/share/applications/vesmarot.desktop" || { echo "Exec"; fail=1; }
grep -q '^Icon=vesmarot$' "$root/share/applications/vesmarot.desktop" || { echo "Icon"; fail=1; }
grep -q "<release version=\"$version\"" "${metainfo[@]}" || { echo "metadata version"; fail=1; }

[[ $fail -eq 0 ]] && echo "install tree: all in place and valid"
exit $fail
