# Shared by the build scripts: package installation, the private Wine prefix, and
# running with a display.

# Installs the Debian packages that are missing, with apt-get.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
            --no-install-recommends "${missing[@]}" >/dev/null
}

# A 64-bit Wine prefix of our own, reporting Windows XP (winxp64). Never ~/.wine.
ensure_wine_prefix() {
    local prefix=$1
    [ -f "$prefix/.tallowick-winxp64" ] && return 0
    echo "preparing the Wine prefix $prefix"
    rm -rf "$prefix"
    mkdir -p "$prefix"
    (
        export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
        wineboot -i >/dev/null 2>&1 &&
            winecfg -v winxp64 >/dev/null 2>&1 &&
            wineserver -w
    ) || return 1
    touch "$prefix/.tallowick-winxp64"
}

# Runs a command with a display: the current one, or a private Xvfb server.
run_headless() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
    else
        xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
    fi
}

# The Windows path of a Linux file as Wine sees it (drive Z: is the Linux root). Computed
# here rather than with winepath: a Wine command run without a display would start the
# prefix's wineserver without one, and later windows would not show.
windows_path() {
    local full
    full=$(realpath "$1")
    printf 'Z:%s' "${full//\//\\}"
}
