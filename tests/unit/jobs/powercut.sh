# Updates on the unit's ext4 /home with the power cut under them.
#   stage=setup  install package a on an empty disk (timed, traced)
#   stage=cut    check what the last cut left, start the installed display,
#                install the other package to the end, then install once more
#                while the host cuts the power (cut=K names the round)
#   stage=final  the checks of stage=cut without a further install
. /mnt/host/jobs/lib.sh
GUI=/home/GUI
mkdir -p /tmp/bin /tmp/wifi_updater "$GUI"
export PATH=/tmp/bin:$PATH
# The unit's frame-buffer viewer and its LED and GPIO scripts are not part
# of the update; they only log their calls.
printf '#!/bin/sh\necho "fbv $*" >> /tmp/calls.log\n' > /tmp/bin/fbv
printf 'echo "set_led $*" >> /tmp/calls.log\n' > /home/set_led.sh
printf 'echo "gpio $*" >> /tmp/calls.log\n' > /home/gpio.sh
chmod 755 /tmp/bin/fbv
cp "$D/installUpdate.sh" /tmp/wifi_updater/installUpdate.sh
round=${cut:-0}

place() { # PACKAGE
    mkdir -p "$GUI/update" && cp "$D/pkg/$1/update.tar.gz" "$D/pkg/$1/update.md5" "$GUI/update/" && sync
}
install() { # traced, one console line per command
    PS4='+inst ' sh -x /tmp/wifi_updater/installUpdate.sh > /dev/console 2>&1
}
installed() { check_app "$GUI/nordel" "$D/ref"; }
other() { [ "$1" = a ] && echo b || echo a; }

if [ "$stage" = setup ]; then
    place a
    echo "unit: install starts"
    install
    rc=$?
    echo "unit: install ended rc=$rc"
    now=$(installed)
    [ "$rc" -eq 0 ] && [ "$now" = a ] && [ ! -e "$GUI/update" ]
    result powercut-setup $? "first install: rc $rc, application ${now:-none}"
    exit 0
fi

# What the cut left behind: one complete application, old or new.
now=$(installed)
ok=$?
target=$(readlink "$GUI/nordel")
left=$(ls -d "$GUI"/* 2>/dev/null | tr '\n' ' ')
result "powercut-$round-complete-app" $ok "/home/GUI/nordel -> ${target:-nothing} holds package ${now:-none}; /home/GUI: $left"
echo "STATE $round ${now:-none}"

# The installed display starts and shows the operating screen.
can_up vcan0
candump -L vcan0 > /tmp/bus.log &
dump=$!
HOME=/tmp "$GUI/nordel/nordel" --socketcan vcan0 --screenshot "$R/powercut-$round-shot.png" --quit-after "${shot_ms:-9000}" \
    > "$R/powercut-$round-nordel.out" 2>&1 &
app=$!
wait_for /tmp/bus.log ' 605#' 30 > /dev/null
canplayer -l i -I "$D/steady-a.log" vcan0=can0 &
player=$!
wait "$app"
rc=$?
kill "$player" "$dump" 2>/dev/null
result "powercut-$round-display-starts" "$rc" "installed nordel exit status $rc"

# A new install succeeds.
next=$(other "${now:-b}")
place "$next"
install
rc=$?
after=$(installed)
[ "$rc" -eq 0 ] && [ "$after" = "$next" ] && [ ! -e "$GUI/update" ]
result "powercut-$round-next-install" $? "install of $next: rc $rc, application ${after:-none}"
[ "$stage" = cut ] || exit 0

# And once more, with the power cut somewhere in it.
place "$(other "$after")"
echo "unit: install starts"
install
echo "unit: install ended rc=$?"
# The host may cut after the end too.
sleep 60
