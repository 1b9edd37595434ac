#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, and any named as
# arguments; skips what is present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins libqt6svg6 libgl-dev
    fontconfig fonts-dejavu-core xvfb xauth imagemagick x11-utils help2man
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
