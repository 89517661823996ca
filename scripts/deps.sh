#!/bin/sh
# Installs, from Debian's packages, whatever building and testing the suite
# needs and this machine lacks, plus any packages named as arguments. Does
# nothing when all is there.
set -eu

packages="cmake ninja-build g++ python3 googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 fonts-wine
    fp-utils libchm-bin nsis p7zip-full $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done
[ -n "$missing" ] || exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
# shellcheck disable=SC2086  # the list is meant to split
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
