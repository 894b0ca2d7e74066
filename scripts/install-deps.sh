#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when missing.
set -euo pipefail

packages=(
    qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql
    libsqlite3-dev libpq-dev libssl-dev libical-dev pkgconf ninja-build cmake g++ ccache make
    fonts-dejavu-core qt6-translations-l10n pxlib-dev librsvg2-bin
)
if [ "${1:-}" = "--test" ]; then
    packages+=(postgresql sqlite3 xvfb xauth imagemagick poppler-utils
               desktop-file-utils appstream lintian dpkg-dev groff-base)
fi
if [ "${1:-}" = "--package" ]; then
    packages+=(dpkg-dev)
fi
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Instalowanie brakujących pakietów: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
