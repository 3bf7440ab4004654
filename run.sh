#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kovimaro.
set -euo pipefail
cd "$(dirname "$0")"
scripts/kur.sh
scripts/derle.sh
exec build/bin/kovimaro
