#!/usr/bin/env bash
# Builds Ampora (installing what is missing) and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
ampora_install_deps

cmake --preset default
cmake --build --preset default
ctest --preset default

# The whole suite again under AddressSanitizer, LeakSanitizer and UBSan; any report fails it.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
