#!/usr/bin/env bash
# Builds one libFuzzer target (or all with "all") with clang into build-fuzz/
# and runs it: scripts/fuzz.sh <target> [runs] [extra libFuzzer options].
# Targets: mpdo_receive display_receive translation_table settings_file wifi_output
# camera_config scenario candump. A finding leaves crash-* in the working
# corpus folder fuzz/corpus-work/<target>/ and makes the script fail.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${NORDEL_FUZZ_BUILD_DIR:-$here/build-fuzz}")
all=(mpdo_receive display_receive translation_table settings_file wifi_output camera_config scenario candump)
target=${1:-}
runs=${2:-100000}
shift $(( $# > 2 ? 2 : $# )) || true
if [ -z "$target" ]; then
  echo "usage: $0 <target|all> [runs] [libFuzzer options]" >&2
  echo "targets: ${all[*]}" >&2
  exit 2
fi
targets=("$target")
[ "$target" = all ] && targets=("${all[@]}")

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNORDEL_FUZZ=ON -DNORDEL_BUILD_TESTS=OFF -DNORDEL_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

# Qt's own code is not instrumented; its one-time allocations in the
# offscreen plugin are not ours to fix.
supp="$here/fuzz/lsan.supp"
for t in "${targets[@]}"; do
  work="$here/fuzz/corpus-work/$t"
  mkdir -p "$work"
  seeds=()
  [ -d "$here/fuzz/corpus/$t" ] && seeds=("$here/fuzz/corpus/$t")
  # The receive path composes the whole display; short inputs keep it quick.
  maxlen=4096
  [ "$t" = display_receive ] && maxlen=512
  [ "$t" = translation_table ] && maxlen=8192
  echo "== fuzz_$t: $runs runs"
  ( cd "$work" && \
    QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$supp" \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/fuzz/fuzz_$t" -artifact_prefix="$work/" -runs="$runs" -max_len=$maxlen -rss_limit_mb=4096 -print_final_stats=1 \
      "$@" "$work" "${seeds[@]}" )
done
