# SPDX-License-Identifier: MIT
# Sourced first by a test that needs a session bus of its own: runs the test again on a private
# bus that starts no service on demand, so that only what the test starts answers on it.
if [ -z "${OVRANA_PRIVATE_BUS:-}" ]; then
    export OVRANA_PRIVATE_BUS=$(mktemp)  # the bus's settings, removed once it has read them
    grep -v -e servicedir -e includedir /usr/share/dbus-1/session.conf >"$OVRANA_PRIVATE_BUS"
    exec dbus-run-session --config-file="$OVRANA_PRIVATE_BUS" -- bash "$0" "$@"
fi
rm "$OVRANA_PRIVATE_BUS"
