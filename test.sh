#!/usr/bin/env bash
# Builds Ampora (installing what is missing) and runs the whole test suite headless.
set -euo pipefail
(($# == 0)) || { echo "usage: ./test.sh" >&2 && exit 2; }
cd "$(dirname "$0")"
source scripts/install-deps.sh
# With the web page's: the default build builds the page too, and tests it in headless Chromium
# with the npm packages of the lockfile (npm ci, in the build).
ampora_install_deps "${AMPORA_WEB_PACKAGES[@]}"

# The code's format, to the character, as .clang-format says.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

cmake --preset default
cmake --build --preset default
ctest --preset default
# The page's tests are among them, unless a tool it takes was missing (cmake/WebPage.cmake).
ctest --preset default -L web -N | grep -q 'Total Tests: 1$' ||
    { echo "test.sh: the web page was not built and tested (see cmake/WebPage.cmake)" >&2 && exit 1; }

# The page as its own preset builds it, for a web host (README): the same sources as above.
cmake --preset web
cmake --build --preset web

# The whole suite again under AddressSanitizer, LeakSanitizer and UBSan; any report fails it. (The
# package tests run once, above: they would install a sanitized package into the system.)
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# The Windows program, cross-built, and its tests under Wine, where Qt for Windows is at hand.
windows_qt=$(cmake -P cmake/windows-qt.cmake)
if [[ -n $windows_qt ]]; then
    ampora_install_deps "${AMPORA_WINDOWS_PACKAGES[@]}"
    cmake --preset windows -DAMPORA_WINDOWS_QT="$windows_qt"
    cmake --build --preset windows
    ctest --preset windows
else
    echo "Windows build skipped: no Qt for Windows (cmake/windows-qt.cmake; set AMPORA_WINDOWS_QT)"
fi
