# Shared by ./run and ./test: install what is missing, then configure and build into build/. Only ./test installs
# the browser test's npm modules.
# Sourced, not run; expects VELMORA_ROOT to be set.

velmora_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libsqlite3-dev sqlite3
    g++-mingw-w64-i686 gcc-mingw-w64-i686
    chromium xvfb xauth fonts-dejavu-core
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

# playwright-core for the browser test of the generated pages, into tests/browser/node_modules; skipped when the
# locked version is already there.
velmora_install_browser_test() {
    local dir="$VELMORA_ROOT/tests/browser"
    local wanted installed
    wanted=$(sed -n 's/.*"playwright-core": *"\([^"]*\)".*/\1/p' "$dir/package.json")
    installed=""
    if [ -f "$dir/node_modules/playwright-core/package.json" ]; then
        installed=$(sed -n 's/^ *"version": *"\([^"]*\)".*/\1/p' "$dir/node_modules/playwright-core/package.json" | head -n 1)
    fi
    [ -n "$wanted" ] && [ "$wanted" = "$installed" ] && return 0
    (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
}

velmora_build() {
    local build="$VELMORA_ROOT/build"
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$VELMORA_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$build" --parallel "$(nproc)"
}
