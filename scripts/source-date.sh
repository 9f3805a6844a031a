# Sourced by the scripts that make what is released: every time written into a package or a
# binary is SOURCE_DATE_EPOCH, the time of the commit being built unless set already.
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
    SOURCE_DATE_EPOCH=$(git -C "$(dirname "${BASH_SOURCE[0]}")" log -1 --format=%ct 2>/dev/null ||
        date +%s)
fi
export SOURCE_DATE_EPOCH
