#!/usr/bin/env bash
# Runs the freedesktop validators on the launcher entry and the AppStream metainfo, and checks
# that the metainfo's newest release is the version being built.
#   validate-metadata.sh DESKTOP-FILE METAINFO VERSION
set -euo pipefail
if (($# != 3)); then
    echo "usage: validate-metadata.sh DESKTOP-FILE METAINFO VERSION" >&2
    exit 2
fi
desktop=$1 metainfo=$2 version=$3

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

newest=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
if [[ "$newest" != "$version" ]]; then
    echo "newest release in $(basename "$metainfo") is '$newest', the build is $version" >&2
    exit 1
fi
echo "desktop entry and metainfo are valid; metainfo lists release $version"
