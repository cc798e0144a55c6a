#!/usr/bin/env bash
# Sets Memora up (see setup.sh) and runs every test headless. The tests also
# need LibreOffice Calc, which reads the exported spreadsheet files back, and
# Python's openpyxl, which reads the workbooks back, and Python's icalendar and
# khal, which read and import the calendar files. The build treats every
# compiler warning as an error.
set -euo pipefail
cd "$(dirname "$0")/.."
export MEMORA_EXTRA_PACKAGES="${MEMORA_EXTRA_PACKAGES:-} libreoffice-calc python3-openpyxl python3-icalendar khal"
MEMORA_WERROR=ON bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
