#!/usr/bin/env bash
# The Windows packages as a release is made, signed with a throwaway self-signed code-signing
# certificate made here (never kept): ampora.exe in the zip, the setup program, the installer it
# carries and the uninstaller that installs must each carry a SHA-256 signature osslsigncode
# verifies; one file signed twice is one file; the signed setup program cut short stops before it
# unpacks anything; and SHA256SUMS matches the packages.
#   wine-session.sh DIR with signatures.sh CPACK CPACK-CONFIG VERSION RELEASE-DATE AMPORA.EXE
set -euo pipefail
if (($# != 5)); then
    echo "usage: signatures.sh CPACK CPACK-CONFIG VERSION RELEASE-DATE AMPORA.EXE" >&2
    exit 2
fi
cpack=$1 config=$2 version=$3 release_date=$4 program=$5
sign_script=$(realpath "$(dirname "$0")/../windows/sign.cmake")
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
folder='C:\Ampora-signed'
finish() {
    cd /
    rm -rf "$work"
    [[ ! -e "$(winepath -u "$folder")/uninstall.exe" ]] ||
        wine "$folder\\uninstall.exe" /S "_?=$folder" &>/dev/null || true
    rm -rf "$(winepath -u "$folder")"
}
trap finish EXIT

cd "$work"
head -c 24 /dev/urandom | base64 >password
openssl req -x509 -newkey rsa:3072 -sha256 -days 2 -nodes -keyout key.pem -out certificate.pem \
    -subj "/CN=Ampora test signing/O=Kestrune" -addext "keyUsage=critical,digitalSignature" \
    -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -in certificate.pem -inkey key.pem -out certificate.p12 -passout file:password
"$cpack" --config "$config" -B "$work/packages" -D CPACK_AMPORA_SIGN_PKCS12="$work/certificate.p12" \
    -D CPACK_AMPORA_SIGN_PASSWORD_FILE="$work/password" >/dev/null

verify() {
    osslsigncode verify -CAfile certificate.pem -in "$1" >"$work/verify.log" 2>&1 ||
        fail "$(basename "$1"): $(tail -n3 "$work/verify.log")"
    grep -q "Message digest algorithm *: SHA256" "$work/verify.log" || fail "$1: not SHA-256"
    echo "signed: $(basename "$1")"
}
setup=packages/ampora-$version-setup.exe
verify "$setup"
verify "$(find packages/_CPack_Packages -name "ampora-$version-installer.exe")"
unzip -q -d unzipped "packages/ampora-$version-windows-x86_64.zip" Ampora/ampora.exe
verify unzipped/Ampora/ampora.exe
wine "$setup" /S "/D=$folder" || fail "the signed setup program did not install"
# Cut short, the signature is too, and the setup program stops (3) before it unpacks anything.
head -c $(($(stat -c %s "$setup") - 100)) "$setup" >cut-short.exe
wine cut-short.exe /S && status=0 || status=$?
((status == 3)) || fail "the signed setup program cut short ended with $status, not 3"
verify "$(winepath -u "$folder")/uninstall.exe"

# Signing the program again gives the same file: the signature carries the release day, not the
# time of day.
cp "$program" again.exe
cmake -DPROGRAM="$work/again.exe" -DPKCS12=certificate.p12 -DPASSWORD_FILE=password \
    -DRELEASE_DATE="$release_date" -P "$sign_script"
cmp -s again.exe unzipped/Ampora/ampora.exe || fail "signing again gave another ampora.exe"

(cd packages && sha256sum --check --strict SHA256SUMS)
