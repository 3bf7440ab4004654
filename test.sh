#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/kur.sh
scripts/derle.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)"
