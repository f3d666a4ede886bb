#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time each, starting
# from the checked-in corpus.
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS
# New inputs go to BUILD_DIR/fuzz-corpus/<target>, crash reproducers to
# BUILD_DIR/fuzz-artifacts/. Exits non-zero when a target finds a fault.
set -euo pipefail
build="${1:?usage: $0 BUILD_DIR SECONDS}"
seconds="${2:?usage: $0 BUILD_DIR SECONDS}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$build" && pwd)"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

count=0
for exe in "$build"/fuzz/fuzz_*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  name="$(basename "$exe")"
  start_corpus="$root/fuzz/corpus/$name"
  work="$build/fuzz-corpus/$name"
  artifacts="$build/fuzz-artifacts"
  mkdir -p "$work" "$artifacts"
  echo "== $name: ${seconds}s"
  log="$artifacts/$name.log"
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="$artifacts/$name-" -print_final_stats=1 "$work" "$start_corpus" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "$name found a fault; reproducers and the log are in $artifacts" >&2
    exit 1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || tail -n 3 "$log"
  count=$((count + 1))
done

if [ "$count" -eq 0 ]; then
  echo "no fuzz targets in $build/fuzz (configure with -DPADWRIGHT_BUILD_FUZZERS=ON and clang)" >&2
  exit 1
fi
echo "All $count fuzz targets ran clean."
