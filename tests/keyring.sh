#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Passwords in a real keyring, gnome-keyring on a private session bus that starts no service on
# demand, and the password command where no keyring answers.
# Usage: keyring.sh <path to password_helper>
if [ -z "${OVRANA_PRIVATE_BUS:-}" ]; then
    export OVRANA_PRIVATE_BUS=$(mktemp)  # the bus's settings, removed once it has read them
    grep -v -e servicedir -e includedir /usr/share/dbus-1/session.conf >"$OVRANA_PRIVATE_BUS"
    exec dbus-run-session --config-file="$OVRANA_PRIVATE_BUS" -- bash "$0" "$@"
fi
rm "$OVRANA_PRIVATE_BUS"
source "$(dirname "$0")/common.sh"
export XDG_DATA_HOME=$work/data
helper=$1
dav=https://dav.example.org/

# <call> <user> <password or command> <expected "STATUS|PASSWORD|EXIT STATUS|DETAIL">
check() {
    [ "$("$helper" "$1" "$dav" "$2" "$3")" = "$4" ] || fail "$1 $2 $3: $("$helper" "$1" "$dav" "$2" "$3")"
}
rows() { while IFS='#' read -r call user last expected; do check "$call" "$user" "$last" "$expected"; done; }

# No bus at all, then a bus without a keyring: the command alone; its stdout never in words.
env -u DBUS_SESSION_BUS_ADDRESS "$helper" read "$dav" anna 'echo "from command"; echo more' |
    grep -qx 'found|from command|0|' || fail "no fallback without a bus"
rows <<'ROWS'
read#anna##no keyring||0|The name org.freedesktop.secrets was not provided by any .service files
read#anna#echo secret; echo denied >&2; exit 3#command failed||3|denied
read#anna#true#command failed||0|
ROWS

gnome-keyring-daemon --foreground --unlock --components=secrets <<<keyring >/dev/null 2>&1 &
pids+=($!)
wait_for bash -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets | grep -q true'
# A second user on the same server keeps a password of his own; the forgotten one is the command's.
rows <<'ROWS'
store#anna#pä ss|1#found||0|
read#bob#echo command#found|command|0|
store#bob#other#found||0|
read#anna#echo command#found|pä ss|1|0|
forget#anna##found||0|
read#anna##not found||0|
read#bob##found|other|0|
read#anna#echo command#found|command|0|
ROWS
echo "ok keyring"
