#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/, or $NORDEL_ASAN_BUILD_DIR), any finding fails it; then every
# fuzz target runs for a short while ($NORDEL_FUZZ_SECONDS each, default 20;
# 0 skips fuzzing).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${NORDEL_ASAN_BUILD_DIR:-$here/build-asan}
"$here/scripts/install-deps.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORDEL_WERROR=ON \
    -DNORDEL_SANITIZE=ON -DNORDEL_BUILD_BENCH=OFF
fi
cmake --build "$build" --parallel "$(nproc)"

# Qt's offscreen plugin and fontconfig keep one-time allocations to the end;
# they are not ours. Everything else, in our code, is a finding.
export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 900

seconds=${NORDEL_FUZZ_SECONDS:-20}
if [ "$seconds" -gt 0 ]; then
  "$here/scripts/fuzz.sh" all -1 -max_total_time="$seconds"
fi
