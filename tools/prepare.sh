# Shared by ./run and ./test: install what is missing, then configure and build into build/. ./run installs and
# builds only what the program needs; ./test adds the test tools and builds everything.
# Sourced, not run; expects VELMORA_ROOT to be set.

# Building and running: compilers, Qt (with lrelease for the window's translations, and Qt's own translations),
# SQLite, the cross compiler for Start.exe, a font for the window, xorriso for disc images and burning, and mtools
# for copying onto FAT images.
velmora_run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-l10n-tools qt6-translations-l10n
    libsqlite3-dev
    g++-mingw-w64-i686 gcc-mingw-w64-i686
    fonts-dejavu-core
    xorriso
    mtools
)
# Only the tests: browsers and a virtual display, the desktop files' validators, the package tools and lintian, and
# mkfs.vfat for the FAT32 images that copies are tested on.
velmora_test_packages=(
    sqlite3 dosfstools
    chromium firefox-esr xvfb xauth
    desktop-file-utils appstream man-db dpkg-dev file lintian
    default-jre-headless
)

# Installs the packages given that are missing.
velmora_install_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

velmora_install_run_packages() {
    velmora_install_packages "${velmora_run_packages[@]}"
}

velmora_install_test_packages() {
    local tools=("${velmora_run_packages[@]}" "${velmora_test_packages[@]}")
    command -v node >/dev/null || tools+=(nodejs)
    command -v npm >/dev/null || tools+=(npm)
    velmora_install_packages "${tools[@]}"
}

# The browser tests' node packages (those of tests/browser/package.json), into tests/browser/node_modules;
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

# Configures build/ once (./run and ./test share it) and builds the targets given, or everything.
velmora_build() {
    local build="$VELMORA_ROOT/build"
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$VELMORA_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
}
