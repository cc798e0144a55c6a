#!/usr/bin/env bash
# Installs what Memora needs from Debian's packages (only what is missing),
# then configures and builds it into build/. The program folder is build/memora/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libqt6svg6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation fonts-dejavu-core
  xvfb xauth poppler-utils
  appstream desktop-file-utils
  ${MEMORA_EXTRA_PACKAGES:-}
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
