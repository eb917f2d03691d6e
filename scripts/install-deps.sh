#!/usr/bin/env bash
# Installs the Debian packages Ampora needs to build, run and test, if any are missing.
# Sourced by run.sh and test.sh; uses sudo when not run as root.
set -euo pipefail

AMPORA_PACKAGES=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libxkbcommon-dev libfontconfig-dev libxcb1-dev
    qt6-qpa-plugins locales
    # Packaging and its checks: the Debian package, its linter and hardening checker, the manual
    # page reader, desktop file validators.
    dpkg-dev lintian devscripts man-db file appstream desktop-file-utils
    # The window under a window manager, moved with a pointer, on an X server of its own.
    openbox xdotool xvfb xauth
    # Benchmarks (configure with -DAMPORA_BUILD_BENCH=ON); the start-up comparison watches the
    # window on an X server of its own.
    libbenchmark-dev
)

# The Windows build (test.sh, where Qt for Windows is at hand): the MinGW-w64 compiler of the posix
# thread model, NSIS and zip for its packages and osslsigncode to sign them, and Wine with an X
# server, a pointer and a camera for its tests, with openssl for a test certificate and icoutils
# to read the icon.
AMPORA_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix nsis zip osslsigncode wine wine64 xvfb xdotool
    imagemagick openssl icoutils)

# The web page (test.sh, cmake/WebPage.cmake): Debian's emscripten, woff2_compress for its fonts,
# and Debian's Chromium with Node.js for its tests.
AMPORA_WEB_PACKAGES=(emscripten woff2 chromium nodejs)

ampora_install_deps() {
    local missing=()
    for package in "${AMPORA_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
