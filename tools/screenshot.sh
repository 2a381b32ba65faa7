#!/usr/bin/env bash
# Builds the window and grabs it offscreen after a calculation on SCHOTT's catalog:
# docs/main_window.png, the picture of the README.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target window_screenshot -j "$(nproc)"
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/tools/window_screenshot \
  tests/data/catalogs/SCHOTT_20180601.agf tests/data/catalogs/OHARA.agf docs/main_window.png
echo "docs/main_window.png"
