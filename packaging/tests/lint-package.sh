#!/usr/bin/env bash
# Runs Debian's package checker on the freshly built package (any error or warning fails), and
# checks it against the published checksums.
#   lint-package.sh PACKAGE-DIR
set -euo pipefail
if (($# != 1)); then
    echo "usage: lint-package.sh PACKAGE-DIR" >&2
    exit 2
fi
if ! command -v lintian >/dev/null; then
    echo "SKIPPED: lintian is not installed (Debian package lintian)"
    exit 77
fi
deb=$(ls -t "$1"/ampora_*.deb | head -n1)
lintian --fail-on error,warning --info "$deb"
echo "lintian: no error or warning in $(basename "$deb")"
(cd "$1" && sha256sum --check --strict SHA256SUMS)
