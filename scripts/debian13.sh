# Sourced by the scripts that work in a Debian 13 ("trixie") root (needs $root, the clone). The
# root is made by mmdebstrap from Debian's packages, with the mirror this system's own apt uses,
# and kept as a tarball in the cache, keyed by the packages it holds; each run unpacks a fresh
# copy, so nothing one run leaves behind reaches the next.
#   debian13_unpack DIR PKG...  makes DIR a fresh root holding at least PKG...
#   debian13_fresh_root NAME    sets debian13_dir to a new folder of the cache, NAME.XXXXXX,
#                               holding a fresh root with every package the checks need
#   debian13_run DIR CMD...     runs CMD as root inside DIR, with /proc, /sys and /dev mounted
#                               in a private mount namespace that ends with the command; each
#                               folder in $debian13_binds is shown inside at its own path

debian13_suite=trixie
debian13_binds=()
debian13_cache=${VESMAROT_CACHE:-$HOME/.cache/vesmarot}

# The archive and the security archive this system's apt reads, as "main security" (security may
# be missing); no host is written into the project. Reads the deb822 file and the one-line list
# given, by default the system's own.
debian13_mirrors() {
    local sources=${1:-/etc/apt/sources.list.d/debian.sources} list=${2:-/etc/apt/sources.list}
    local uris=()
    if [[ -f $sources ]]; then
        mapfile -t uris < <(awk '/^URIs:/ {for (i = 2; i <= NF; i++) print $i}' "$sources")
    fi
    if [[ ${#uris[@]} -eq 0 && -f $list ]]; then
        mapfile -t uris < <(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\).*/\2/p' "$list")
    fi
    local uri main="" security=""
    for uri in "${uris[@]}"; do
        if [[ $uri == *security* ]]; then
            [[ -n $security ]] || security=$uri
        else
            [[ -n $main ]] || main=$uri
        fi
    done
    [[ -n $main ]] || { echo "FAIL: no Debian archive in this system's apt sources" >&2; return 1; }
    echo "$main $security"
}

debian13_unpack() {
    local dir=$1
    shift
    local packages key tarball
    packages=$(printf '%s\n' git ca-certificates locales "$@" | sort -u)
    key=$( (echo "$debian13_suite"; echo "$packages") | sha1sum | cut -c1-8)
    tarball=$debian13_cache/debian13-root-$key.tar
    if [[ ! -f $tarball ]]; then
        local mirrors main security sources
        mirrors=$(debian13_mirrors)
        read -r main security <<<"$mirrors"
        sources=("deb $main $debian13_suite main" "deb $main $debian13_suite-updates main")
        [[ -n $security ]] && sources+=("deb $security $debian13_suite-security main")
        echo "Making the Debian 13 root (mmdebstrap, $(echo "$packages" | wc -l) packages)" >&2
        mkdir -p "$debian13_cache"
        rm -f "$tarball.part"
        mmdebstrap --quiet --variant=minbase --format=tar \
            --include="$(echo "$packages" | paste -sd,)" \
            --customize-hook='chroot "$1" sh -c "echo en_US.UTF-8 UTF-8 >/etc/locale.gen && echo vi_VN.UTF-8 UTF-8 >>/etc/locale.gen && locale-gen >/dev/null"' \
            "$debian13_suite" "$tarball.part" "${sources[@]}"
        mv "$tarball.part" "$tarball"
    fi
    rm -rf "$dir"
    mkdir -p "$dir"
    tar -xf "$tarball" -C "$dir"
    cp /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true
}

debian13_fresh_root() {
    mkdir -p "$debian13_cache"
    debian13_dir=$(mktemp -d "$debian13_cache/$1.XXXXXX")
    local packages
    mapfile -t packages < <("$root/scripts/deps" --list debian13-root)
    debian13_unpack "$debian13_dir" "${packages[@]}"
}

debian13_run() {
    local dir=$1
    shift
    # The mounts live in a namespace of their own: when the command ends, however it ends, they
    # are gone with it and nothing stays mounted on the host.
    unshare --mount --propagation private -- bash -euc '
        dir=$1; shift
        mount -t proc proc "$dir/proc"
        mount --rbind /sys "$dir/sys"
        mount --rbind /dev "$dir/dev"
        mount -t tmpfs -o mode=1777 tmpfs "$dir/dev/shm"
        mount -t tmpfs -o mode=1777 tmpfs "$dir/tmp"
        # Shown folders go on top, so that one under /tmp (a clone there) is not hidden.
        while [[ $1 != -- ]]; do
            mkdir -p "$dir$1"
            mount --bind "$1" "$dir$1"
            shift
        done
        shift
        exec chroot "$dir" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin CI="${CI:-}" "$@"
    ' debian13_run "$dir" "${debian13_binds[@]}" -- "$@"
}
