#!/bin/sh
# Builds and runs the company-file fuzzer at the lowest priority, outside CI.
#   fuzz/calistir.sh [seconds]      (default 1800)
# Findings land in build-fuzz/bulgular/, the growing corpus in build-fuzz/derlem/.
set -eu
KOK=$(cd "$(dirname "$0")/.." && pwd)
B="$KOK/build-fuzz"
SURE=${1:-1800}
cmake -S "$KOK/fuzz" -B "$B" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
nice -n 19 cmake --build "$B" -j1
mkdir -p "$B/derlem" "$B/bulgular"
"$B/jet_tohumlar" "$B/derlem"
cd "$B"
# Fork mode goes on past a finding, so one run collects them all.
exec nice -n 19 ./jet_fuzz -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
  -max_total_time="$SURE" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$B/bulgular/" derlem
