#!/usr/bin/env bash
# Photographs every window of Kovimaro on sample data: the program runs under
# a virtual X server with a notification area (trayer), and one PNG per window
# lands in OUTDIR. With --tum-temalar every window is also taken in every skin
# (OUTDIR/temalar/). The user's own home and settings are not touched.
#
#   scripts/screenshots.sh OUTDIR [--tum-temalar]
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: $0 OUTDIR [--tum-temalar]" >&2
  exit 2
fi
kok="$(cd "$(dirname "$0")/.." && pwd)"
cikti="$(realpath -m "$1")"
shift
mkdir -p "$cikti"

surucu="$kok/build/bin/kovimaro-ekran"
if [ ! -x "$surucu" ]; then
  "$kok/scripts/derle.sh"
else
  cmake --build "$kok/build" --target kovimaro-ekran >/dev/null
fi
for arac in xvfb-run trayer; do
  command -v "$arac" >/dev/null || { echo "$arac is missing (scripts/kur.sh installs it)" >&2; exit 1; }
done

# A home of its own: the program writes its autostart entry and window
# placement under it.
ev="$(mktemp -d)"
trap 'rm -rf "$ev"' EXIT
mkdir -p "$ev/.config" "$ev/.local/share" "$ev/.cache" "$ev/run"
chmod 700 "$ev/run"
export HOME="$ev" XDG_CONFIG_HOME="$ev/.config" XDG_DATA_HOME="$ev/.local/share" \
  XDG_CACHE_HOME="$ev/.cache" XDG_RUNTIME_DIR="$ev/run"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ="${TZ:-Europe/Istanbul}" QT_QPA_PLATFORM=xcb
unset QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME

xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash -c '
  trayer --edge top --align right --widthtype request --height 32 \
         --SetDockType true --transparent false --tint 0x2e3440 &
  tepsi=$!
  sleep 1
  "$0" "$@"
  sonuc=$?
  kill "$tepsi" 2>/dev/null || true
  exit $sonuc
' "$surucu" "$cikti" "$@"
