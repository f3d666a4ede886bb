#!/usr/bin/env bash
# Median time from process start to the first shown main window.
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build="${1:?usage: startup.sh BUILD_DIR [RUNS]}"
runs="${2:-21}"
exe="$build/bench/bench_startup"
docs="$(mktemp -d)"
trap 'rm -rf "$docs"' EXIT
times=()
for _ in $(seq "$runs"); do
  t0=$(date +%s%N)
  times+=("$(PADWRIGHT_DOCUMENTS_DIR="$docs" PADWRIGHT_BENCH_T0="$t0" QT_QPA_PLATFORM=offscreen "$exe" 2>/dev/null)")
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "median %.1f ms over %d runs (min %.1f, max %.1f)\n", a[int((NR + 1) / 2)], NR, a[1], a[NR] }'
