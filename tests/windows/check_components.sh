#!/usr/bin/env bash
# What the Windows packages carry of other people's code: Qt is configured to leave out every
# bundled library the program never runs, and Qt's configure can ignore such an option without a
# word (6.8.2 still built FreeType on -no-freetype). So the record of what went into each Qt DLL
# must hold none of them, and the deployed notices must name exactly what is kept.
#   check_components.sh QT_PREFIX DEPLOY_FOLDER
set -euo pipefail
qt=$1
deploy=$2
notices=$deploy/THIRD-PARTY-NOTICES.txt
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
[[ -f $notices ]] || { echo "FAIL: no $notices" >&2; exit 1; }
compgen -G "$qt/sources/*.dll.txt" >/dev/null || { echo "FAIL: no $qt/sources/*.dll.txt" >&2; exit 1; }

# Bundled in Qt's source tree, and never compiled into a shipped DLL: FreeType (text is drawn
# through DirectWrite and GDI), PNG, JPEG, Markdown and the MIME database (never read), Qt's
# copy of zlib (Debian's own zlib1.dll is used).
while IFS='|' read -r folder name; do
    hits=$(grep -l "^$folder/" "$qt"/sources/*.dll.txt || true)
    [[ -z $hits ]] || fail "$name compiled into $(basename -a $hits | sed 's/\.txt$//' | paste -sd' ')"
    grep -qF -- "   - $name" <(tr -d '\r' <"$notices") && fail "the notices list $name"
done <<'EOF'
src/3rdparty/freetype|Freetype 2
src/3rdparty/libpng|LibPNG
src/3rdparty/libjpeg|LibJPEG-turbo
src/3rdparty/md4c|MD4C
src/3rdparty/zlib|Data Compression Library (zlib)
src/corelib/mimetypes/3rdparty|Apache Tika MimeType Definitions
EOF

# Kept, and named where they are: Qt itself, the HarfBuzz text shaper and double-conversion
# (number formatting) inside Qt, and zlib from Debian's MinGW-w64 package.
while read -r pattern; do
    tr -d '\r' <"$notices" | grep -qE "$pattern" || fail "the notices lack /$pattern/"
done <<'EOF'
^1\. Qt [0-9]+\.[0-9]+\.[0-9]+ \(qtbase\), LGPL-3\.0-only
^   - HarfBuzz-NG [0-9.]+: MIT
^   - Efficient Binary-Decimal and Decimal-Binary Conversion Routines
^[0-9]\. zlib .*libz-mingw-w64
^   In: zlib1\.dll
EOF
[[ -f $deploy/zlib1.dll ]] || fail "no zlib1.dll beside vesmarot.exe"

[[ $failures -eq 0 ]] || exit 1
echo "notices and DLLs agree: $(grep -c '^   - ' <(tr -d '\r' <"$notices")) components inside Qt, none of those left out"
