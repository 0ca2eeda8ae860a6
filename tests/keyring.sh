#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Passwords in gnome-keyring on a private bus that starts nothing on demand; the command without.
# Usage: keyring.sh passwords <path to password_helper>
private_bus=1
source "$(dirname "$0")/common.sh"
export XDG_DATA_HOME=$work/data
# <environment>#<call>#<user>#<password or command>#<answer> (0 found, 1 not found, 2 no keyring,
# 3 command failed): no bus, a bus without a keyring, then with one; no password in the words.
while IFS='#' read -r env call user last expected; do
    if [ "$env" = start ]; then
        gnome-keyring-daemon --foreground --unlock --components=secrets <<<keyring >/dev/null 2>&1 &
        pids+=($!)
        wait_for dbus-send --session --dest=org.freedesktop.secrets --print-reply \
            /org/freedesktop/secrets org.freedesktop.DBus.Peer.Ping
        continue
    fi
    answer=$(env $env "$2" "$call" https://dav.example.org/ "$user" "$last")
    [ "$answer" = "$expected" ] || fail "$call $user $last: $answer"
done <<'ROWS'
-u DBUS_SESSION_BUS_ADDRESS#read#anna##2||0|Cannot autolaunch D-Bus without X11 $DISPLAY
#read#anna#echo "from command"; echo more#0|from command|0|
#read#anna#echo secret; echo denied >&2; exit 3#3||3|denied
#read#anna#true#3||0|
start
#store#anna#pä ss|1#0||0|
#read#bob#echo command#0|command|0|
#store#bob#other#0||0|
#read#anna#echo command#0|pä ss|1|0|
#forget#anna##0||0|
#read#anna##1||0|
#read#bob##0|other|0|
ROWS
echo "ok $1"
