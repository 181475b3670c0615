# Bus faults under the running display: vcan0 set down and up, then deleted
# and made again. A controller that lost the display sends nothing until its
# table is written again, so the replay restarts only after the display's
# first subscription frame on the bus that is back.
. /mnt/host/jobs/lib.sh
device_root /tmp/dev
export NORDEL_DEVICE_ROOT=/tmp/dev
can_up vcan0 || { result busfault-vcan 1 "no vcan0"; exit 1; }

# A missing interface at start: one clear line, non-zero exit.
"$P/nordel" --socketcan nosuch0 --quit-after 20000 > "$R/busfault-missing.out" 2>&1
rc=$?
lines=$(grep -c '^nordel:' "$R/busfault-missing.out")
[ "$rc" -ne 0 ] && [ "$lines" -eq 1 ]
result busfault-missing-interface $? "exit $rc: $(grep '^nordel:' "$R/busfault-missing.out" | head -n 1)"

"$P/nordel" --socketcan vcan0 --screenshot "$R/busfault-shot.png" --quit-after "${shot_ms:-70000}" \
    > "$R/busfault-nordel.out" 2>&1 &
app=$!
start_capture() { candump -L vcan0 > "$R/busfault-$1.log" & dump=$!; }
stop_capture() { kill "$dump" 2>/dev/null; wait "$dump" 2>/dev/null; }
play() { canplayer -l i -I "$D/$1" vcan0=can0 & player=$!; }
stop_play() { kill "$player" 2>/dev/null; wait "$player" 2>/dev/null; }
# CPU share of the display over SECONDS while the bus is gone.
cpu_share() {
    local a b
    a=$(cpu_ticks "$app")
    sleep "$1"
    b=$(cpu_ticks "$app")
    echo $(((b - a) * 100 / ($1 * 100)))
}

start_capture start
waited=$(wait_for "$R/busfault-start.log" ' 605#' 40)
result busfault-first-table $? "after ${waited:-never} ms"
play steady-a.log
sleep 8

# Down and up.
stop_play
ip link set vcan0 down
stop_capture
share=$(cpu_share 6)
figure busfault-cpu-percent-down "$share"
ip link set vcan0 up
start_capture up
waited=$(wait_for "$R/busfault-up.log" ' 605#' 12)
ok=$?
result busfault-down-up-resubscribes $ok "table written again ${waited:-never} ms after up (display CPU while down: $share %)"
figure busfault-resubscribe-after-up-ms "${waited:-0}"
play steady-a.log
sleep 6
stop_play
stop_capture

# Deleted and made again: every socket bound to it is unbound for good.
ip link del dev vcan0
share=$(cpu_share 6)
figure busfault-cpu-percent-deleted "$share"
[ "$share" -lt 25 ]
result busfault-no-spin $? "display CPU while the interface is gone: $share %"
ip link add dev vcan0 type vcan && ip link set up vcan0
start_capture created
waited=$(wait_for "$R/busfault-created.log" ' 605#' 12)
ok=$?
result busfault-delete-create-resubscribes $ok "table written again ${waited:-never} ms after the interface came back"
figure busfault-resubscribe-after-create-ms "${waited:-0}"
# New values: the screenshot shows them only if the display hears the bus again.
play steady-b.log
cat /proc/net/can/rcvlist_all > "$R/busfault-rcvlist.txt" 2>/dev/null
wait "$app"
rc=$?
result busfault-display-exit "$rc" "nordel exit status $rc"
stop_play
stop_capture
grep '^nordel:' "$R/busfault-nordel.out" | sed 's/^/display: /'
