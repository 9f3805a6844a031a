# Sourced by the scripts that build, unpack, archive or ship Qt for Windows (needs $root, the
# clone): how Qt is built and where it is kept. Sets qt_version, options, key, cache_root, prefix,
# stamp and qt_source (the folder that keeps Debian's source package of that Qt), and defines
# fetch_qt_source.

# The same toolchain as the program. Only what the program runs is compiled in: text is drawn
# through DirectWrite and GDI (no FreeType), shaped by HarfBuzz; zlib (compressed resources)
# is Debian's own MinGW-w64 build; no PNG, JPEG, GIF or ICO decoding, no Markdown (MD4C) and
# no built-in MIME database (Apache Tika's), which the program never uses. PCRE2 stays: Qt
# 6.8.2's configure takes it as required even where QRegularExpression is left out. Direct2D
# stays on, as without it the DirectWrite font database does not build. Debian's tarball has no
# wintab, hence no tablet events.
options=(-release -opensource -confirm-license -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests
    -system-zlib -qt-harfbuzz -no-feature-freetype -no-libpng -no-libjpeg
    -no-gif -no-ico -qt-pcre
    -no-libmd4c -no-feature-mimetype-database -no-fontconfig
    -no-opengl -no-dbus -no-icu -no-feature-vulkan -no-feature-tabletevent
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-printsupport
    -no-feature-concurrent)
# Passed to CMake: no SBOM, which would be a second, unchecked list of what is shipped.
cmake_options=(-DQT_GENERATE_SBOM=OFF)

# Keyed by the Qt version, the options and the toolchain, so that changing any builds afresh.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
key=$( (printf '%s\n' "${options[@]}" "${cmake_options[@]}"; cat "$root/cmake/mingw-w64-x86_64.cmake") | sha1sum | cut -c1-8)
cache_root=${VESMAROT_CACHE:-$HOME/.cache/vesmarot}
prefix=$cache_root/qt-$qt_version-mingw64-$key
stamp=$prefix/.complete
# Outside the key's folder: the same source serves every way of building it.
qt_source=$cache_root/qt6-base-$qt_version-source

# Makes sure $qt_source holds the .dsc, .orig.tar.xz and .debian.tar.xz of qt6-base $qt_version, as
# apt fetches them, and a note of how this Qt is configured; fetches what is missing.
fetch_qt_source() {
    if ! compgen -G "$qt_source/qt6-base_*.dsc" >/dev/null; then
        # A deb-src entry copied from the system's own Debian entry, so the same mirror serves
        # it, added only when apt knows no source for qt6-base.
        if ! apt-get source --print-uris "qt6-base=$qt_version" >/dev/null 2>&1; then
            local sudo=() src=/etc/apt/sources.list.d/vesmarot-deb-src.sources
            [[ $(id -u) -ne 0 ]] && sudo=(sudo)
            if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
                sed -n '/^Types:.*\bdeb\b/,/^$/p' /etc/apt/sources.list.d/debian.sources |
                    sed 's/^Types:.*/Types: deb-src/' | "${sudo[@]}" tee "$src" >/dev/null
            else
                grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                    "${sudo[@]}" tee "${src%.sources}.list" >/dev/null
            fi
            "${sudo[@]}" apt-get update -qq
        fi
        rm -rf "$qt_source.part"
        mkdir -p "$qt_source.part"
        (cd "$qt_source.part" && apt-get source -qq --download-only "qt6-base=$qt_version" >&2)
        rm -rf "$qt_source"
        mv "$qt_source.part" "$qt_source"
    fi
    {
        echo "Qt $qt_version for 64-bit Windows (MinGW-w64) is qtbase from the Debian source package"
        echo "beside this file, unpacked with dpkg-source -x and configured as:"
        echo
        echo "  configure -prefix <install folder> \\"
        echo "${options[*]}" | fmt -w 88 | sed 's/^/    /; s/$/ \\/'
        echo "    -- -DCMAKE_TOOLCHAIN_FILE=mingw-w64-x86_64.cmake \\"
        echo "    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake ${cmake_options[*]}"
        echo
        echo "with SOURCE_DATE_EPOCH set to the time of the source package's changelog, then built"
        echo "with cmake --build and installed with cmake --install --strip, on $(. /etc/os-release && echo "$PRETTY_NAME"),"
        echo "with these of its packages:"
        echo
        dpkg-query -W -f='  ${Package} ${Version}\n' g++-mingw-w64-x86-64-posix \
            mingw-w64-x86-64-dev libz-mingw-w64-dev qt6-base-dev cmake ninja-build
        echo
        echo "(qt6-base-dev gives the host tools, moc, rcc and uic, of the same Qt version) and this"
        echo "toolchain file, mingw-w64-x86_64.cmake:"
        echo
        sed 's/^/  /' "$root/cmake/mingw-w64-x86_64.cmake"
    } >"$qt_source/qt-$qt_version-mingw64-$key-configure.txt"
}
