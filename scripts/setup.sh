#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# Run by play.sh and test.sh before they build; safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev file
    libgtest-dev
    clang libclang-rt-dev clang-format clang-tidy
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi
