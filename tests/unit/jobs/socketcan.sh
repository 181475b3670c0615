# The display on the guest kernel's CAN stack: nordel --socketcan vcan0, the
# controller replayed by canplayer, the bus recorded by candump.
. /mnt/host/jobs/lib.sh
can_up vcan0
result socketcan-vcan $? "vcan0 made on $(uname -r)"
device_root /tmp/dev
candump -L vcan0 > "$R/socketcan-bus.log" &
dump=$!
t0=$(uptime_ms)
NORDEL_DEVICE_ROOT=/tmp/dev "$P/nordel" --socketcan vcan0 --screenshot "$R/socketcan-shot.png" --quit-after "${shot_ms:-14000}" \
    > "$R/socketcan-nordel.out" 2>&1 &
app=$!
# The controller starts answering once the display has written its table.
waited=$(wait_for "$R/socketcan-bus.log" ' 605#' 30)
result socketcan-subscribes $? "first subscription frame ${waited:-never} ms after start"
figure start-to-subscription-ms "${waited:-0}"
canplayer -I "$D/steady-a.log" vcan0=can0 &
player=$!
rss=0
while kill -0 "$app" 2>/dev/null; do
    r=$(rss_kb "$app")
    [ "${r:-0}" -le "$rss" ] || rss=$r
    usleep 200000
done
wait "$app"
rc=$?
result socketcan-display-exit "$rc" "nordel exit status $rc after $(($(uptime_ms) - t0)) ms"
figure nordel-rss-kb "$rss"
wait "$player"
kill "$dump"
wait "$dump" 2>/dev/null
for c in rx_packets tx_packets rx_dropped tx_dropped; do
    echo "COUNTER vcan0 $c $(cat /sys/class/net/vcan0/statistics/$c)"
done
cat /proc/net/can/rcvlist_all > "$R/socketcan-rcvlist.txt" 2>/dev/null
