#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and run the planner.
# Idempotent: packages already present are not fetched again.
set -euo pipefail

PACKAGES=(
    build-essential cmake make git pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev libxkbcommon-dev
    clang clang-format libclang-rt-14-dev llvm ccache
    librsvg2-bin poppler-utils fonts-dejavu-core
    desktop-file-utils shared-mime-info
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
