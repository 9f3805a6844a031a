# Sourced by the Windows checks (needs $wine, the Wine loader):
#   wine_prefix_make PREFIX [LOOK]
# makes PREFIX a fresh Wine prefix as a Windows user's: Arial with Arial's metrics (Debian's
# Liberation Sans, installed as a system font and registered as Arial's replacement, since every
# Windows has Arial and Wine has none), and the LOOK the user chose: "win10" (Windows 10, light:
# Qt's windowsvista style), "win11-light" or "win11-dark" (Windows 11, so Qt's windows11 style,
# with its apps in light or dark mode).
wine_prefix_make() {
    local prefix=$1 look=${2:-win10} server
    server=$(dirname "$wine")/wineserver
    rm -rf "$prefix"
    local env=(WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=")
    env "${env[@]}" "$wine" wineboot -i >/dev/null 2>&1
    # Debian 12's fonts-liberation2 holds it; on Debian 13 it brings fonts-liberation, which does.
    # The regular face only, the program's one: with the others beside it, Wine's DirectWrite
    # handed Qt the bold italic for it.
    find /usr/share/fonts -name 'LiberationSans-Regular.ttf' -exec cp -t "$prefix/drive_c/windows/Fonts/" {} +
    local reg=$prefix/drive_c/look.reg light=1 version=win10
    case $look in
        win10) ;;
        win11-light) version=win11 ;;
        win11-dark) version=win11 light=0 ;;
        *) echo "wine_prefix_make: no look $look" >&2; return 2 ;;
    esac
    {
        printf 'REGEDIT4\n\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]\n'
        printf '"Liberation Sans (TrueType)"="LiberationSans-Regular.ttf"\n'
        printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n"Arial"="Liberation Sans"\n'
        printf '\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize]\n'
        printf '"AppsUseLightTheme"=dword:%08x\n"SystemUsesLightTheme"=dword:%08x\n' "$light" "$light"
    } >"$reg"
    env "${env[@]}" "$wine" regedit /S 'C:\look.reg' >/dev/null 2>&1
    env "${env[@]}" "$wine" winecfg /v "$version" >/dev/null 2>&1
    env "${env[@]}" "$server" -w
    rm -f "$reg"
}
