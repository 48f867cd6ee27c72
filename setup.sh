# Shared by run.sh and test.sh: installs what is missing and builds.
# Sourced, not run: it leaves $BUILD_DIR set.

PAKETE=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libgtest-dev
    fonts-liberation2 qt6-translations-l10n libgif-dev
)
TESTPAKETE=(
    xvfb xauth x11-utils clang clang-format libclang-rt-dev
    desktop-file-utils appstream dpkg-dev build-essential debhelper file lintian devscripts man-db groff-base locales
    dbus at-spi2-core python3 python3-pyatspi openbox xdotool git orca python3-xlib qt6ct
    weston xwayland qt6-wayland
)
# The Windows program: the cross compiler, GoogleTest's sources, and Wine with
# the X extensions and fonts it draws with (its recommendations, named here so
# a machine without recommended packages gets them too).
WINDOWSPAKETE=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
    wine wine64 fonts-wine libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxcomposite1
    libxinerama1 libgl1 xvfb xauth x11-utils openbox xdotool
    wixl msitools faketime zip xserver-xephyr
)

installiere_fehlende() {
    local fehlend=()
    local paket
    for paket in "$@"; do
        dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$paket")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    echo "Installing missing Debian packages: ${fehlend[*]}"
    local als_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${fehlend[*]}" >&2; return 1; }
        als_root=(sudo)
    fi
    "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q </dev/null &&
        "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${fehlend[@]}" </dev/null
}

# Extra arguments go to CMake's configure step.
baue() {
    BUILD_DIR="${BUILD_DIR:-$PWD/build}"
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "$@" &&
        cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
