#!/usr/bin/env bash
# Installs what Memora needs from Debian's packages (only what is missing),
# then configures and builds it into build/. The program folder is build/memora/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libqt6svg6
  libxlsxwriter-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation fonts-dejavu-core
  xvfb xauth poppler-utils
  appstream desktop-file-utils
  libical-dev
  ${MEMORA_EXTRA_PACKAGES:-}
)

bash scripts/install-missing.sh "${packages[@]}"

# MEMORA_WERROR=ON (scripts/test.sh sets it) makes every compiler warning an error.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEMORA_WERROR="${MEMORA_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
