# Sourced first by every script that builds, ships or runs the Windows program (needs $root, the
# clone). Qt for Windows is Debian 13's qt6-base, and its cross-build needs host Qt tools of its
# own version, so all of it happens on Debian 13, with Debian 13's MinGW-w64 and Wine:
#   windows_on_debian13 SCRIPT ARG...
# returns at once on Debian 13 itself (and so inside the root); anywhere else it runs SCRIPT
# again inside a fresh Debian 13 root (scripts/debian13.sh) that sees the clone, the cache and
# the folders in $windows_binds at their own paths, and exits with its status.

windows_binds=()

windows_on_debian13() {
    [[ $(. /etc/os-release && echo "${VERSION_CODENAME:-}") == trixie ]] && return 0
    "$root/scripts/deps" debian13 >&2
    source "$root/scripts/debian13.sh"
    mkdir -p "$debian13_cache"
    debian13_fresh_root windows
    local dir=$debian13_dir status=0 cache
    cache=$(realpath "$debian13_cache")
    # The root is a copy: it goes however the run ends.
    trap "rm -rf '$dir'" EXIT
    debian13_binds=("$root" "$cache" "${windows_binds[@]}")
    local pass=(VESMAROT_CACHE="$cache")
    local name
    for name in SOURCE_DATE_EPOCH VESMAROT_PACKAGES_ONLY; do
        [[ -n ${!name:-} ]] && pass+=("$name=${!name}")
    done
    if [[ -n ${VESMAROT_QT_ARCHIVES:-} && -d $VESMAROT_QT_ARCHIVES ]]; then
        pass+=(VESMAROT_QT_ARCHIVES="$(realpath "$VESMAROT_QT_ARCHIVES")")
        debian13_binds+=("$(realpath "$VESMAROT_QT_ARCHIVES")")
    fi
    debian13_run "$dir" env "${pass[@]}" "$root/$1" "${@:2}" || status=$?
    exit "$status"
}
