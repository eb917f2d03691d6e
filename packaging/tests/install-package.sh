#!/usr/bin/env bash
# Installs the freshly built Debian package, checks that its launcher entry, icons, licences and
# manual page landed, starts the installed program headless, and removes the package again.
#   install-package.sh PACKAGE-DIR APP-ID ICON-SIZE...
set -euo pipefail
if (($# < 3)); then
    echo "usage: install-package.sh PACKAGE-DIR APP-ID ICON-SIZE..." >&2
    exit 2
fi
package_dir=$1 app_id=$2
shift 2

deb=$(ls -t "$package_dir"/ampora_*.deb 2>/dev/null | head -n1 || true)
if [[ -z "$deb" ]]; then
    echo "no ampora_*.deb in $package_dir" >&2
    exit 1
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! sudo -n true 2>/dev/null; then
        echo "SKIPPED: installing a package needs root or passwordless sudo"
        exit 77
    fi
    sudo=(sudo -n)
fi
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600)

# Two test runs on one machine must not install and remove the package under each other.
exec 9>>"${TMPDIR:-/tmp}/ampora-package-test.lock"
flock 9

if dpkg-query -W -f='${Status}' ampora 2>/dev/null | grep -q "install ok installed"; then
    echo "note: replacing the ampora package already installed; it is removed afterwards"
fi

cleanup() { "${apt[@]}" remove -y ampora >/dev/null || true; }
trap cleanup EXIT

echo "installing $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"
"${apt[@]}" install -y "$(realpath "$deb")"
dpkg-query -W -f='installed ${Package} ${Version}\nDepends: ${Depends}\n' ampora

failures=0
expect_file() {
    if [[ ! -s "$1" ]]; then
        echo "missing after install: $1" >&2
        failures=$((failures + 1))
    fi
}
expect_file /usr/bin/ampora
expect_file "/usr/share/applications/$app_id.desktop"
expect_file "/usr/share/metainfo/$app_id.metainfo.xml"
expect_file /usr/share/doc/ampora/copyright
expect_file "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
for size in "$@"; do
    icon="/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    expect_file "$icon"
    if [[ -s "$icon" ]] && ! file "$icon" | grep -q "PNG image data, $size x $size"; then
        echo "not a $size px PNG: $(file "$icon")" >&2
        failures=$((failures + 1))
    fi
done
if [[ -s "/usr/share/applications/$app_id.desktop" ]]; then
    desktop-file-validate "/usr/share/applications/$app_id.desktop"
    grep -qx "Exec=ampora" "/usr/share/applications/$app_id.desktop"
fi

# The manual page is found by name and renders without a groff warning.
man_errors=$(man --warnings ampora 2>&1 >/dev/null) || man_errors="man ampora failed $man_errors"
if [[ -n "$man_errors" ]]; then
    echo "$man_errors" >&2
    failures=$((failures + 1))
fi

# Built with every protection Debian's hardening-check looks for.
hardening-check /usr/bin/ampora || failures=$((failures + 1))

# The installed program starts with what the package brings: told to draw offscreen, without a
# display, it keeps running. (The desktop test holds the rest of how it starts.)
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/ampora &&
    status=0 || status=$?
if ((status != 124)); then
    echo "/usr/bin/ampora, offscreen without a display, ended within 3 s (status $status)" >&2
    failures=$((failures + 1))
fi

cleanup
trap - EXIT
if [[ -e /usr/bin/ampora ]]; then
    echo "/usr/bin/ampora is still there after removing the package" >&2
    failures=$((failures + 1))
fi

if ((failures > 0)); then
    echo "$failures package check(s) failed" >&2
    exit 1
fi
echo "package installed, started headless and removed cleanly"
