#!/usr/bin/env bash
# Sets Memora up (see setup.sh) and starts it from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'TXT'
Memora is built in build/memora/, but there is no display to show its window on
(neither DISPLAY nor WAYLAND_DISPLAY is set).
Start it on a desktop session, or under a virtual X server with:
  xvfb-run -a -s "-screen 0 1280x800x24" build/memora/memora
TXT
  exit 1
fi
exec build/memora/memora
