#!/usr/bin/env bash
# Builds Ampora (installing what is missing) and starts it; any argument is Qt's (-platform...).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
ampora_install_deps

cmake --preset default >/dev/null
cmake --build --preset default --target ampora
# Without a display, the program says so itself (xvfb-run ./run.sh gives it one).
exec ./build/ampora "$@"
