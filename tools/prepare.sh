# Shared by ./run and ./test: install what is missing, then configure and build into build/. Only ./test installs
# the browser test's npm modules.
# Sourced, not run; expects VELMORA_ROOT to be set.

velmora_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-l10n-tools qt6-translations-l10n
    libsqlite3-dev sqlite3
    g++-mingw-w64-i686 gcc-mingw-w64-i686
    chromium firefox-esr xvfb xauth fonts-dejavu-core
    desktop-file-utils appstream man-db dpkg-dev file
    xorriso
)

velmora_install_packages() {
    local missing=()
    local p
    for p in "${velmora_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    command -v node >/dev/null || missing+=(nodejs)
    command -v npm >/dev/null || missing+=(npm)
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The browser tests' node packages (playwright-core, puppeteer-core, acorn), into tests/browser/node_modules;
# skipped when every locked version is already there.
velmora_install_browser_test() {
    local dir="$VELMORA_ROOT/tests/browser"
    local name wanted installed missing=0 locked=0
    while read -r name wanted; do
        locked=$((locked + 1))
        installed=""
        if [ -f "$dir/node_modules/$name/package.json" ]; then
            installed=$(sed -n 's/^ *"version": *"\([^"]*\)".*/\1/p' "$dir/node_modules/$name/package.json" | head -n 1)
        fi
        [ "$wanted" = "$installed" ] || missing=1
    done < <(sed -n 's/^ *"\([^"]*\)": *"\([0-9][^"]*\)",\{0,1\}$/\1 \2/p' "$dir/package.json")
    [ "$locked" -gt 0 ] && [ "$missing" -eq 0 ] && return 0
    (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
}

velmora_build() {
    local build="$VELMORA_ROOT/build"
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$VELMORA_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$build" --parallel "$(nproc)"
}
