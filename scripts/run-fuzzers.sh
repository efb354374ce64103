#!/usr/bin/env bash
# Builds the fuzz targets (the linux-fuzz preset: clang with libFuzzer) and runs each one for a
# bounded time, FUZZ_SECONDS (default 45), on a copy of its seeds from fuzz/corpus/. The inputs
# libFuzzer finds stay in that copy, under build/linux-fuzz/fuzz-runs/, so the seeds in the
# repository stay few and small.
#
# Fails when a target crashes, leaks, runs out of memory or hangs on an input; the input is then
# saved beside the target's log, and the log's end is printed. Prints the executions of each run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

seconds="${FUZZ_SECONDS:-45}"
if [[ ! "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "run-fuzzers: FUZZ_SECONDS must be a whole number of seconds, not '$seconds'" >&2
  exit 2
fi

cmake --preset linux-fuzz
cmake --build --preset linux-fuzz

bin="$root/build/linux-fuzz/bin"
runs="$root/build/linux-fuzz/fuzz-runs"

# The writer syncs every file to disk before it moves it in place; in a memory file system that
# costs nothing, which gives the round trip about ten times the executions.
write_folder="${TMPDIR:-/tmp}"
if [[ -d /dev/shm && -w /dev/shm ]]; then
  write_folder=/dev/shm
fi

failed=()

# run_fuzzer <target> <seed folder in fuzz/corpus> [libFuzzer option...]
run_fuzzer() {
  local target="$1" seeds="$2"
  shift 2
  local dir="$runs/$target"
  rm -rf "$dir"
  mkdir -p "$dir/corpus" "$dir/findings"
  cp "$root/fuzz/corpus/$seeds"/* "$dir/corpus/"

  echo "== $target: ${seconds} s"
  local status=0
  TMPDIR="$write_folder" "$bin/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$dir/findings/" "$@" "$dir/corpus" >"$dir/log" 2>&1 || status=$?

  local done_line
  done_line="$(grep -E '^Done [0-9]+ runs' "$dir/log" | tail -n 1 || true)"
  if ((status != 0)); then
    tail -n 40 "$dir/log" >&2
    echo "run-fuzzers: $target FAILED (exit status $status); full log: $dir/log" >&2
    echo "run-fuzzers: the input that did it: $(ls "$dir/findings"/* 2>/dev/null || echo none)" >&2
    echo "run-fuzzers: reproduce with: $bin/$target <that file>" >&2
    failed+=("$target")
  else
    echo "$target: ${done_line:-no 'Done N runs' line in $dir/log}"
  fi
}

run_fuzzer roi_reader_fuzz roi_reader -dict="$root/fuzz/roi_reader.dict"
run_fuzzer roi_round_trip_fuzz roi_round_trip

if ((${#failed[@]} > 0)); then
  echo "run-fuzzers: FAILED: ${failed[*]}" >&2
  exit 1
fi
echo "run-fuzzers: every target ran ${seconds} s without a finding"
