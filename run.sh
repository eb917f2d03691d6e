#!/usr/bin/env bash
# Builds Ampora (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
ampora_install_deps

cmake --preset default >/dev/null
cmake --build --preset default --target ampora

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "ampora: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset); try: xvfb-run ./run.sh" >&2
    exit 1
fi
exec ./build/ampora "$@"
