# The product's SocketCanSubject on a real can0: its open sequence without
# CAN modules, without the interface and with both; what it takes from the
# bus; when its queued frame leaves and with which identifier.
. /mnt/host/jobs/lib.sh
esc=$(printf '\033')
probe() { "$P/socketcanprobe" "$@" 2>&1 | tr -d '\r'; }

# No CAN modules: the kernel must not load them on demand either.
saved=$(cat /proc/sys/kernel/modprobe)
echo /nonexistent > /proc/sys/kernel/modprobe
out=$(probe 300)
printf '%s\n' "$out" > "$R/subject-nomodules.out"
[ "$(printf '%s\n' "$out" | head -n 2)" = "Openening CAN bus... ${esc}[31mFail${esc}[0m
Failed to create socket" ]
result subject-no-modules $? "$(printf '%s' "$out" | head -n 2 | tr '\033\n' '^|')"
echo "$saved" > /proc/sys/kernel/modprobe

modprobe can && modprobe can_raw && modprobe vcan
out=$(probe 300)
printf '%s\n' "$out" > "$R/subject-nointerface.out"
[ "$(printf '%s\n' "$out" | head -n 2)" = "Openening CAN bus... ${esc}[31mFail${esc}[0m
Failed to bind CAN socket" ]
result subject-no-interface $? "$(printf '%s' "$out" | head -n 2 | tr '\033\n' '^|')"

ip link add dev can0 type vcan && ip link set up can0
probe 2500 send > "$R/subject-can0.out" &
probe_pid=$!
wait_for "$R/subject-can0.out" 'queued' 10 > /dev/null
# What the subject must take (0x465 standard frames) among what it must not.
cansend can0 465#01E6480011223344
cansend can0 466#01E6480099999999
cansend can0 00000465#01E64800AAAAAAAA
cansend can0 465#R
cansend can0 123#01
cansend can0 465#01E6480055667788
wait "$probe_pid"
out=$(cat "$R/subject-can0.out")
[ "$(printf '%s\n' "$out" | head -n 1)" = "Openening CAN bus... ${esc}[32mOK${esc}[0m" ]
result subject-open-ok $? "$(printf '%s' "$out" | head -n 1 | tr '\033' '^')"
rx=$(printf '%s\n' "$out" | sed -n 's/^rx \([^ ]* [^ ]* [^ ]*\) at.*/\1/p' | tr '\n' ' ')
[ "$rx" = "465 8 01E6480011223344 465 8 01E6480055667788 " ]
result subject-receives-0x465-only $? "delivered: $rx"
queued=$(printf '%s\n' "$out" | sed -n 's/^queued [0-9A-F]* at \([0-9]*\) ms/\1/p')
line=$(printf '%s\n' "$out" | grep '^bus [0-9A-F]* 8 23E34801E6480000 ' | head -n 1)
id=$(printf '%s\n' "$line" | cut -d' ' -f2)
left=$(printf '%s\n' "$line" | sed -n 's/.* at \([0-9]*\) ms/\1/p')
# One transmit tick is 250 ms: the frame waits for it, it does not leave at once.
[ -n "$left" ] && [ -n "$queued" ] && [ $((left - queued)) -ge 200 ]
result subject-transmit-tick $? "queued at ${queued:-?} ms, on the bus at ${left:-never} ms with identifier 0x${id:-none}"
figure subject-bus-identifier "0x${id:-none}"
