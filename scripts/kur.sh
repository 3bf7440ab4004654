#!/usr/bin/env bash
# Installs the Debian packages of scripts/paketler.txt that are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t istenen < <(grep -v '^\s*#' scripts/paketler.txt | sed '/^\s*$/d')
eksik=()
for p in "${istenen[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    eksik+=("$p")
  fi
done
[ ${#eksik[@]} -eq 0 ] && exit 0

echo "Installing: ${eksik[*]}"
sudo_komut=()
if [ "$(id -u)" -ne 0 ]; then sudo_komut=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_komut[@]}" apt-get update -qq
"${sudo_komut[@]}" apt-get install -y -qq --no-install-recommends "${eksik[@]}"
