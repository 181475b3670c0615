#!/bin/sh
# Turns the unit into a Wi-Fi access point for a software update from the PC.
#   $1  network name (SSID), "Lumora " and the code shown on the screen
#   $2  WPA2 pre-shared key of that code
# NORDEL_DEVICE_ROOT is empty on the unit; the desktop run and the tests set
# it to a sandbox folder so that no device path outside it is touched.
ROOT="${NORDEL_DEVICE_ROOT:-}"
UPDATE_DIR="$ROOT/home/GUI/update"
UPDATER_TMP_DIR="$ROOT/tmp/wifi_updater"

# Give the other applications time to terminate.
sleep 1

echo | fbv -i -c "$UPDATER_TMP_DIR/prepForUpdate.png"

# Status LED red while the access point comes up.
sh "$ROOT/home/set_led.sh" 5 0
sh "$ROOT/home/set_led.sh" 6 0
sh "$ROOT/home/set_led.sh" 7 255

# A half-transferred update from an earlier attempt must not be installed.
rm -r "$UPDATE_DIR"

# Supply of the Wi-Fi module.
sh "$ROOT/home/gpio.sh" 42 1
sh "$ROOT/home/gpio.sh" 43 1
sh "$ROOT/home/gpio.sh" 51 1

# WF111 module driver; it needs a moment to bring up wlan0.
depmod -a
modprobe unifi_sdio sdio_clock=30000 buswidth=4
sleep 5

iwpriv wlan0 AP_SET_CFG ASCII_CMD=AP_CFG,SSID="$1",SEC="wpa2-psk",KEY="$2",CHANNEL=1,PREAMBLE=0,MAX_SCB=8,END
iwpriv wlan0 AP_BSS_START

ifconfig wlan0 192.168.1.1 netmask 255.255.255.0
sleep 1

udhcpd "$UPDATER_TMP_DIR/udhcpd.conf" &
sleep 1

ifconfig wlan0
if [ $? -gt 0 ]; then
    echo | fbv -i -c "$UPDATER_TMP_DIR/updateFailed_noWifi.png"
    exit
fi

# Ready: the screen carries the code the operator types on the PC.
echo | fbv -i -c "$UPDATER_TMP_DIR/readyForUpdate.png"
sh "$ROOT/home/set_led.sh" 5 0
sh "$ROOT/home/set_led.sh" 6 255
sh "$ROOT/home/set_led.sh" 7 0
