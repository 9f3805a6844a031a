#!/usr/bin/env bash
# Builds the .deb and runs Debian's own checker on it: any error or warning fails. Overrides,
# each with its reason beside it, are in lintian-overrides (none are needed today).
#   check_lintian.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=("$scratch"/out/vesmarot_"$version"_*.deb)
[[ -f "${deb[0]}" ]] || { echo "no vesmarot_$version package was built"; exit 1; }

# Errors and warnings only (info and pedantic tags are advice); lintian exits non-zero on errors.
lintian --fail-on error,warning --display-level '>=warning' "${deb[0]}" | tee "$scratch/lintian.log"
if grep -qE '^[EW]: ' "$scratch/lintian.log"; then
    echo "lintian reported errors or warnings"
    exit 1
fi
echo "lintian: no error, no warning on $(basename "${deb[0]}")"
