# Shared by tools/windows/build, build-qt and test: where the Windows build keeps its parts. Sourced, not run;
# expects VELMORA_ROOT to be set.

# The packages the Windows build and its tests need on Debian 12.
velmora_windows_packages=(
    cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix g++-mingw-w64-i686 gcc-mingw-w64-i686
    dpkg-dev tcl xz-utils zip unzip nsis wine64 xvfb xauth x11-apps x11-utils sqlite3
)

# The prebuilt Qt beside the repository, the cache the parts are made in, and the Windows build folder.
velmora_windows_shared="$VELMORA_ROOT/../shared/windows"
velmora_windows_cache="${VELMORA_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora-win64}"
velmora_windows_build="$VELMORA_ROOT/build-win64"
velmora_windows_qt_version=6.4.2
velmora_windows_qt="$velmora_windows_cache/qt$velmora_windows_qt_version-mingw64"

# Where a Qt for Windows can come from: the shared tarball, or one that tools/windows/build-qt made in the cache.
velmora_windows_qt_tarball() {
    local t
    for t in "$velmora_windows_shared/qt$velmora_windows_qt_version-mingw64.tar.xz" \
             "$velmora_windows_cache/qt$velmora_windows_qt_version-mingw64.tar.xz"; do
        [ -f "$t" ] && { echo "$t"; return 0; }
    done
    return 1
}

# Unpacks the Qt tarball into the cache once (again when the tarball is newer than the unpacked copy).
velmora_windows_unpack_qt() {
    local tarball
    tarball=$(velmora_windows_qt_tarball) || return 1
    if [ ! -f "$velmora_windows_qt/.unpacked" ] || [ "$tarball" -nt "$velmora_windows_qt/.unpacked" ]; then
        rm -rf "$velmora_windows_qt"
        mkdir -p "$velmora_windows_cache"
        tar -C "$velmora_windows_cache" -xJf "$tarball"
        touch "$velmora_windows_qt/.unpacked"
    fi
}

# An apt with deb-src lines of its own, beside each deb line of the machine's sources, in a lists folder of its own
# (an update with only deb-src lines must not drop the machine's package lists). Fetches the source package $1=$2.
velmora_windows_fetch_source() {
    local work="$velmora_windows_cache/src"
    mkdir -p "$work/src.d" "$work/lists/partial"
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && { sed 's/^Types: deb$/Types: deb-src/' "$f"; echo; }
    done >"$work/src.d/src.sources"
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$work/src.d/src.list"
    fi
    local o=(-o Dir::Etc::sourceparts="$work/src.d" -o Dir::Etc::sourcelist=/dev/null -o Dir::State::Lists="$work/lists")
    (cd "$work" && apt-get update -qq "${o[@]}" >/dev/null 2>&1 && apt-get source --download-only -qq "${o[@]}" "$1=$2" 2>/dev/null)
}

# The SQLite amalgamation (sqlite3.c, sqlite3.h) of the version the Linux build links, made from Debian's source
# once; prints its folder.
velmora_windows_sqlite() {
    local version
    version=$(dpkg-query -W -f='${Version}' libsqlite3-dev)
    local upstream=${version%%-*}
    local folder="$velmora_windows_cache/sqlite-$version"
    if [ ! -f "$folder/sqlite3.c" ]; then
        velmora_windows_fetch_source sqlite3 "$version" >&2
        local work="$velmora_windows_cache/src"
        rm -rf "$work/sqlite3-$upstream"
        tar -C "$work" -xJf "$work/sqlite3_$upstream.orig.tar.xz"
        mkdir -p "$work/sqlite3-$upstream/bld"
        (cd "$work/sqlite3-$upstream/bld" && ../configure --disable-tcl >/dev/null && make sqlite3.c >/dev/null)
        mkdir -p "$folder"
        cp "$work/sqlite3-$upstream/bld/sqlite3.c" "$work/sqlite3-$upstream/bld/sqlite3.h" "$folder/"
        rm -rf "$work/sqlite3-$upstream"
    fi
    echo "$folder"
}

# Configures build-win64/ once and builds the targets given, or everything.
velmora_windows_compile() {
    local sqlite
    sqlite=$(velmora_windows_sqlite)
    if [ ! -f "$velmora_windows_build/build.ninja" ]; then
        cmake -S "$VELMORA_ROOT" -B "$velmora_windows_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$VELMORA_ROOT/tools/windows/mingw64.cmake" \
            -DCMAKE_PREFIX_PATH="$velmora_windows_qt" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DVELMORA_SQLITE_SOURCE="$sqlite" \
            -DCMAKE_CROSSCOMPILING_EMULATOR="$VELMORA_ROOT/tools/windows/wine-run" \
            -DVELMORA_WINE_QTEST="$VELMORA_ROOT/tools/windows/wine-qtest" >/dev/null
    fi
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    nice -n 10 cmake --build "$velmora_windows_build" --parallel "${VELMORA_JOBS:-2}" "${targets[@]}"
}

# A Unix path as a Windows program under Wine names it (Wine's Z: drive is the Unix root).
velmora_windows_dos_path() {
    local p="$1"
    printf 'Z:%s' "${p//\//\\}"
}

# Wine's settings for every run: the build's own prefix, quiet, without the .NET and browser add-ons it would offer
# to download. The prefix is made once (Windows 10, as Qt 6 expects); a lock keeps parallel tests from making it
# twice.
velmora_windows_wine_env() {
    export WINEPREFIX="${VELMORA_WINEPREFIX:-$velmora_windows_build/wine}"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEARCH=win64
    # Debian's wine64 keeps wine64 and wineserver there, without the wrappers of the wine package.
    case ":$PATH:" in *:/usr/lib/wine:*) ;; *) export PATH="/usr/lib/wine:$PATH" ;; esac
    if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
        mkdir -p "$(dirname "$WINEPREFIX")"
        (
            flock 9
            if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
                wine64 wineboot -i >/dev/null 2>&1 || true
                wine64 winecfg /v win10 >/dev/null 2>&1
                wineserver64 -w
                touch "$WINEPREFIX/.velmora-ready"
            fi
        ) 9>"$(dirname "$WINEPREFIX")/.wineprefix.lock"
    fi
}
