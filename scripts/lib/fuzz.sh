# The libFuzzer target over the ticket path, in its own Clang tree with
# AddressSanitizer and UndefinedBehaviorSanitizer. Sourced after common.sh.

VELMORA_FUZZ_PACKAGES=(clang clang-14 libclang-rt-14-dev cmake ninja-build libicu-dev)

# fuzz_tickets SECONDS: builds the fuzzer and runs it from the seed corpus in
# fuzz/corpus for SECONDS (0: until interrupted). A crash, a broken
# invariant or a sanitizer report fails, leaving the input in
# <build>-fuzz/artifacts/.
fuzz_tickets() {
  local seconds="${1:-0}"
  local dir="$VELMORA_BUILD-fuzz"
  ensure_packages "${VELMORA_FUZZ_PACKAGES[@]}"

  echo "== Fuzz (libFuzzer, ASan + UBSan, ${seconds}s; 0 runs until interrupted)"
  configure_and_build "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_BUILD_APP=OFF -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_FUZZERS=ON

  # New inputs go to the tree's own corpus; the repo's seeds stay as they are.
  mkdir -p "$dir/corpus" "$dir/artifacts"
  local log="$dir/fuzz.log"
  local status
  set +e
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
  UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    "$dir/fuzz/ticket_fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="$dir/artifacts/" \
      "$dir/corpus" "$VELMORA_ROOT/fuzz/corpus" 2>&1 |
    tee "$log" | grep --line-buffered -E 'pulse|DONE|^Done|ERROR|SUMMARY|invariant broken'
  status=${PIPESTATUS[0]}
  set -e

  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz: FAILED (exit $status); the input is in $dir/artifacts/, the log in $log"
    return 1
  fi
  local runs secs
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  secs="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")"
  echo "fuzz: ${runs:-?} executions in ${secs:-?} s, no crash, no sanitizer report"
}
