# SPDX-License-Identifier: MIT
# Sourced by the test scripts: a fresh home as working directory, no display, a pinned zone.
# A script that sets private_bus=1 first runs again on a private session bus that starts nothing
# on demand.
set -euo pipefail
if [ -n "${private_bus:-}" ] && [ -z "${OVRANA_PRIVATE_BUS:-}" ]; then
    export OVRANA_PRIVATE_BUS=$(mktemp)  # the bus's settings, removed once it has read them
    grep -v -e servicedir -e includedir /usr/share/dbus-1/session.conf >"$OVRANA_PRIVATE_BUS"
    exec dbus-run-session --config-file="$OVRANA_PRIVATE_BUS" -- bash "$0" "$@"
fi
[ -z "${private_bus:-}" ] || rm "$OVRANA_PRIVATE_BUS"
work=$(mktemp -d)
pids=()  # killed at the end
xvfb=
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    # Stopped, not killed: it removes its lock and socket, which another test's server would
    # otherwise take over while they are being cleared.
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work TZ=Europe/Berlin
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# faketime is preloaded ahead of a sanitizer's runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
conf=$XDG_CONFIG_HOME/Keldan/ovra.conf
header='# NAME , BIRTHDATE , ICON , SKIPYEAR , DAYSINADVANCE , NOTABIRTHDAY , INFOONLY , EMAIL'

fail() { echo "FAIL: $*" >&2; exit 1; }

# A pinned clock: libfaketime preloaded without its `faketime` wrapper, which names a semaphore
# after its own process id and, killed at the end of a test, leaves it for a later one to trip on.
libfaketime=$(printf '%s' /usr/lib/*/faketime/libfaketime.so.1)
faketime() {
    FAKETIME="@$(date -d "$1" '+%Y-%m-%d %H:%M:%S')" \
        LD_PRELOAD="$libfaketime${LD_PRELOAD:+:$LD_PRELOAD}" "${@:2}"
}

# at <time> <arguments>: $program at a pinned local time, output in out and err. Qt reads the
# locale name itself, so it need not be installed.
at() { LC_ALL=en_GB.UTF-8 faketime "$1" "$program" "${@:2}" >out 2>err; }

# Until the command succeeds; a guard against hangs, far above the usual time.
wait_for() {
    for _ in $(seq 300); do "$@" >/dev/null 2>&1 && return; sleep 0.1; done
    fail "timed out: $*: $(cat err 2>/dev/null)"
}

# A display of its own: a number no server holds, tried in turn from one drawn from the test's
# process id. Not Xvfb -displayfd: passing over the numbers in use, it unlinks their sockets.
start_display() {
    local n=$((10 + $$ % 500)) lock
    for _ in $(seq 100); do
        lock=/tmp/.X$n-lock
        if [ ! -e "$lock" ]; then
            # -noreset: a server that resets when its last client leaves refuses the next one
            # meanwhile, as the program's display probe is followed by its own connection.
            Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
            xvfb=$!
            # Ours once its lock names it; it ends when another server has the number.
            for _ in $(seq 200); do
                kill -0 "$xvfb" 2>/dev/null || break
                [ "$({ tr -d ' ' <"$lock"; } 2>/dev/null)" != "$xvfb" ] || {
                    export DISPLAY=:$n
                    wait_for xdotool getmouselocation
                    return
                }
                sleep 0.05
            done
            kill "$xvfb" 2>/dev/null || true
            xvfb=
        fi
        n=$((n + 1))
    done
    fail "no free display"
}
# The program at a pinned time in the background, as $app; the id of a window it shows.
start() { LC_ALL=en_GB.UTF-8 faketime '2026-12-20 10:00:00' exec "$program" "$@" >out 2>err & app=$!; pids+=("$app"); }
# Searched again and again: a window that closes during a search makes xdotool fail (BadWindow).
window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
        [ -z "$id" ] || { echo "$id"; return; }
        sleep 0.1
    done
    fail "no window $1: $(cat err)"
}

# For the server tests: gnome-keyring on the private bus, Radicale on loopback with user alice.
start_keyring() {
    gnome-keyring-daemon --foreground --unlock --components=secrets <<<keyring >/dev/null 2>&1 &
    pids+=($!)
    wait_for dbus-send --session --dest=org.freedesktop.secrets --print-reply \
        /org/freedesktop/secrets org.freedesktop.DBus.Peer.Ping
}
port() { /usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
# serve <port> [TLS settings]: Radicale in the background as $server, once it answers.
serve() {
    [ -f users ] || htpasswd -cbp users alice secret 2>/dev/null
    printf '[server]\nhosts = 127.0.0.1:%s\n%s\n[auth]\ntype = htpasswd\nhtpasswd_filename = %s/users\nhtpasswd_encryption = plain\n[storage]\nfilesystem_folder = %s/store\n[rights]\ntype = owner_only\n[web]\ntype = none\n' \
        "$1" "${2:-}" "$work" "$work" >radicale.conf
    /usr/bin/python3 -m radicale --config radicale.conf >radicale.log 2>&1 & server=$!; pids+=("$server")
    wait_for curl -sk -o /dev/null "http${2:+s}://127.0.0.1:$1/"
}
run() { status=0; "$program" "$@" >out 2>err || status=$?; }
expect() {  # expect <status> <standard output>
    [ "$status" -eq "$1" ] || fail "exit $status, not $1: $(cat err)"
    [ "$(cat out)" = "$2" ] || fail "printed: $(cat out) $(cat err)"
}
