#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# A keyring of the test's own: a private session bus with gnome-keyring's
# Secret Service on it, unlocked with PASSWORD, its files in FOLDER.
#
#     private_keyring.sh FOLDER PASSWORD
#
# Once the Secret Service answers, the bus address is written to
# FOLDER/bus-address. Both daemons are stopped when standard input ends,
# which is when the test program ends, however it ends: the program's bus
# connection must never see the bus go while it runs.
set -eu
cd "$1"
mkdir -p data run
chmod 700 run
export HOME="$PWD" XDG_DATA_HOME="$PWD/data" XDG_RUNTIME_DIR="$PWD/run" XDG_CONFIG_HOME="$PWD/config"
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS="$(echo "$bus" | sed -n 1p)"
bus_pid=$(echo "$bus" | sed -n 2p)
printf '%s' "$2" | gnome-keyring-daemon --foreground --unlock --components=secrets >keyring.log 2>&1 &
keyring_pid=$!
stop() { kill "$keyring_pid" "$bus_pid" 2>/dev/null || true; }
trap stop EXIT
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null | grep -q true; do
    kill -0 "$keyring_pid" || exit 1
    sleep 0.1
done
echo "$DBUS_SESSION_BUS_ADDRESS" >bus-address.part
mv bus-address.part bus-address
# Waits for the end of standard input.
cat >/dev/null
