#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root or through sudo), builds, and then
#   run   opens the main window doublet_synth (the batch tool when built without Qt), or
#   test  runs every test, in a plain build and again under AddressSanitizer and UBSan, builds the
#         Release configuration a user gets and runs its tests; warnings are errors throughout.
set -euo pipefail
mode=${1:-run}
cd "$(dirname "$0")/.."

# dpkg-dev: dpkg-shlibdeps, with which cpack works out the Debian package's dependencies.
packages=(cmake g++ make pkg-config dpkg-dev libgtest-dev libbenchmark-dev qtbase5-dev qttools5-dev qttranslations5-l10n libqcustomplot-dev libcli11-dev nlohmann-json3-dev libeigen3-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc)
build() {  # build DIR [cmake options...]; a later -DCMAKE_BUILD_TYPE wins
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

case "$mode" in
  run)
    build build
    if [ -x build/gui/doublet_synth ]; then
      exec build/gui/doublet_synth
    fi
    exec build/tools/doublet_batch
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen
    build build -DZELT_BUILD_BENCH=ON -DZELT_WERROR=ON
    ctest --test-dir build --output-on-failure -j "$jobs"
    build build-sanitize -DZELT_SANITIZE=ON -DZELT_WERROR=ON
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
    # The optimiser of a Release build sees (and warns about) more than RelWithDebInfo does.
    build build-release -DCMAKE_BUILD_TYPE=Release -DZELT_WERROR=ON
    ctest --test-dir build-release --output-on-failure -j "$jobs"
    # The Debian package a user installs (build-release/doublet-synth_*.deb).
    (cd build-release && cpack -G DEB)
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
