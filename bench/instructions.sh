#!/usr/bin/env bash
# Instructions per frame, counted with valgrind's callgrind, so the cost on
# the unit's CPU can be estimated from its instruction rate without the unit.
#   receive path: bench_mpdo_receive (CAN subject, MPDO client, 20 newValue
#                 calls, the data subject's notification), no widgets;
#   end to end:   bench_e2e_throughput with BENCH_COUNT, the whole display
#                 on a saturated bus as paced (9 frames per event-loop pass,
#                 one paint per 20 ms display frame, every frame changing a
#                 shown value);
#   controller:   bench_e2e_controller, the demo with 12 subscribed entries
#                 every 50 ms in real time: instructions per second.
# Usage: bench/instructions.sh [build-dir] [receive-frames] [e2e-frames] [controller-seconds]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
receive_frames=${2:-20000}
e2e_frames=${3:-9000}
controller_seconds=${4:-10}
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
for b in bench_mpdo_receive bench_e2e_throughput bench_e2e_controller; do
  [ -x "$build/bench/$b" ] || { echo "$build/bench/$b is not built" >&2; exit 1; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# Instructions counted inside the functions matching $1 while running the rest.
count() {
  local pattern=$1 file=$2
  shift 2
  valgrind --tool=callgrind --toggle-collect="$pattern" --callgrind-out-file="$file" "$@" >"$file.log" 2>&1 || {
    cat "$file.log" >&2
    return 1
  }
  awk '/^(summary|totals):/ && !n++ { print $2 }' "$file"
}

# Inclusive instructions of one function in a profile.
inclusive() {
  callgrind_annotate --inclusive=yes "$1" 2>/dev/null | awk -v f="$2" 'index($0, f) && !n++ { gsub(",", "", $1); print $1 }'
}

receive=$(count '*measuredRun*' "$out/receive.out" "$build/bench/bench_mpdo_receive" "$receive_frames")
echo "receive path: $((receive / receive_frames)) instructions per frame ($receive_frames frames)"

for motion in ramping jumping; do
  jumping=0
  [ "$motion" = jumping ] && jumping=1
  e2e=$(BENCH_COUNT=$e2e_frames BENCH_JUMPING=$jumping count '*countedFrames*' "$out/e2e.out" \
    "$build/bench/bench_e2e_throughput")
  paints=$(sed -n 's/^counted: [0-9]* frames, \([0-9]*\) paints.*/\1/p' "$out/e2e.out.log")
  paint=$(inclusive "$out/e2e.out" "PaintPacer::flush()")
  paint=${paint:-0}
  restyle=$(inclusive "$out/e2e.out" "QWidget::setStyleSheet(QString const&)")
  restyle=${restyle:-0}
  per_paint=$(( paints > 0 ? paint / paints : 0 ))
  echo "end to end, loads $motion: $((e2e / e2e_frames)) instructions per frame at 9000 frames/s" \
    "($e2e_frames frames; painting $((paint / e2e_frames)) per frame in $paints paints;" \
    "style-sheet changes $((restyle / e2e_frames)) per frame)"
done

controller=$(count '*runTraffic*' "$out/controller.out" "$build/bench/bench_e2e_controller" "$controller_seconds")
echo "controller: $((controller / controller_seconds)) instructions per second ($controller_seconds s of the demo," \
  "$(sed -n 's/^cycles: .*, \([0-9]*\) frames.*/\1/p' "$out/controller.out.log") frames)"
