#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Data safety with real processes on real files: saves killed halfway, files that cannot be read,
# overlapping runs, folders that cannot be written, and bad input of every kind.
# Usage: safety.sh <ovrana> <fault_helper> <failing_read.so> <case>
set -euo pipefail
program=$1
helper=$2
failing_read=$3
case_name=$4

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    chmod -R u+rwX "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# Another user must be able to reach everything here, for the cases that need permissions to bite.
chmod 755 "$work"
mkdir "$work/run" "$work/config" "$work/bin"
chmod 777 "$work/config"
cp "$program" "$work/bin/ovrana"
cp "$(dirname "$program")/ovrana-gui" "$work/bin/ovrana-gui"  # runs whatever shows something
cp "$helper" "$work/bin/fault_helper"
program=$work/bin/ovrana
helper=$work/bin/fault_helper
cd "$work/run"
export XDG_CONFIG_HOME="$work/config" HOME="$work" TZ=Europe/Berlin
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# faketime and the read fault are preloaded ahead of a sanitizer's runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
conf="$XDG_CONFIG_HOME/Keldan/ovra.conf"
header='# NAME , BIRTHDATE , ICON , SKIPYEAR , DAYSINADVANCE , NOTABIRTHDAY , INFOONLY , EMAIL'

fail() { echo "FAIL: $*" >&2; exit 1; }

# Permissions do not hold root back, so root runs these cases as nobody.
as_other() {
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"
    else
        "$@"
    fi
}

# ovrana on 6 December 2026 without a display; standard output and error go to out and err.
# Usage: run_ovrana [--as-other] [arguments]
run_ovrana() {
    local runner=() status=0
    if [ "${1:-}" = --as-other ]; then
        runner=(as_other)
        shift
    fi
    "${runner[@]}" env LC_ALL=en_GB.UTF-8 faketime '2026-12-06 08:30:00' "$program" "$@" \
        >out 2>err || status=$?
    # Without a display the Options dialog asked for cannot be shown: status 1.
    local expected=0
    [ "${1:-}" != --options ] || expected=1
    [ "$status" -eq "$expected" ] || fail "ovrana ended with status $status: $(head -c 2000 err)"
}

write_records() {  # write_records <record lines...>: a data file with a header
    printf '%s\r\n' "$header" "$@" >ovras.ini
}

expect_unchanged() {  # expect_unchanged <copy>: ovras.ini is byte for byte what it was
    cmp -s ovras.ini "$1" || fail "the data file was replaced"
    [ ! -e ovras.ini.bak ] || fail "a backup was made, so a save was tried"
}

expect_line() {  # expect_line <file> <text>: a whole line of <file> is <text>
    grep -qxF -- "$2" "$1" || fail "no line '$2' in $1: $(head -c 2000 "$1")"
}

# Waits for a file to appear, as a sign that a process got that far.
await() {
    for _ in $(seq 600); do [ -e "$1" ] && return; sleep 0.05; done
    fail "$1 never appeared"
}

all_bytes() { for i in $(seq 0 255); do printf "\\x$(printf %02x "$i")"; done; }

read_notice='exists but could not be read completely. It is left as it is: changes made now cannot be saved this time.'

case $case_name in
kill_during_save)
    # Whenever a save dies, the file is one whole version or the other, and so is the backup.
    "$helper" write v0 0
    "$helper" write v1 1
    cmp -s v0 v1 && fail "the two versions are the same"
    for round in $(seq 40); do
        cp v0 ovras.ini
        "$helper" save-loop ovras.ini &
        pid=$!
        pids=("$pid")
        sleep "$(printf '0.%03d' $((RANDOM % 300)))"
        kill -9 "$pid"
        wait "$pid" 2>/dev/null || true
        cmp -s ovras.ini v0 || cmp -s ovras.ini v1 || fail "round $round left a torn data file"
        if [ -e ovras.ini.bak ]; then
            cmp -s ovras.ini.bak v0 || cmp -s ovras.ini.bak v1 || fail "round $round tore the backup"
        fi
        rm -f ovras.ini.bak ovras.ini.?????? ovras.ini.bak.??????
    done
    ;;
half_read_file)
    # A read error halfway: the first 64 KiB arrive, the rest fails once.
    lines=()
    for i in $(seq 2000); do lines+=("Person $i,01011990,1,-1,14,0,0,person$i@example.org,"); done
    write_records "${lines[@]}"
    cp ovras.ini before
    LD_PRELOAD=$failing_read "$helper" run Added 2>err
    expect_line err "notice: The data file $PWD/ovras.ini $read_notice"
    grep -q '^message:' err && fail "the save was tried: $(cat err)"
    expect_unchanged before
    # The program itself says so where no window can be shown.
    LD_PRELOAD=$failing_read run_ovrana --options
    expect_line err "ovrana: The data file $PWD/ovras.ini $read_notice"
    expect_unchanged before
    ;;
unreadable_file)
    write_records 'Anna,06121990,2,-1,14,0,0,,'
    cp ovras.ini before
    chmod 000 ovras.ini
    # Room for the lock and a new file: only the unreadable file stands in the way of a save.
    chmod 777 .
    as_other "$helper" run Added 2>err || fail "the run failed: $(cat err)"
    expect_line err "notice: The data file $PWD/ovras.ini $read_notice"
    grep -q '^message:' err && fail "the save was tried: $(cat err)"
    chmod 600 ovras.ini
    expect_unchanged before
    chmod 000 ovras.ini
    run_ovrana --as-other
    expect_line err "ovrana: The data file $PWD/ovras.ini $read_notice"
    [ ! -s out ] || fail "reminded from a file that could not be read"
    ;;
two_runs)
    write_records 'Anna,12051976,2,-1,14,0,0,,'
    # The first run keeps its Options dialog open while a second one starts.
    touch hold
    "$helper" run 'From first' hold 2>first &
    pids=($!)
    await hold.open
    "$helper" run 'From second' 2>second
    expect_line second "notice: Ovrana is already running and using the data file $PWD/ovras.ini. Changes made here cannot be saved; close the other Ovrana window first, then start Ovrana again to make changes."
    grep -q 'From second' ovras.ini && fail "the second run saved while the first was open"
    # The real program says the same where no window can be shown.
    run_ovrana --options
    expect_line err "ovrana: Ovrana is already running and using the data file $PWD/ovras.ini. Changes made here cannot be saved; close the other Ovrana window first, then start Ovrana again to make changes."
    rm hold
    wait "${pids[0]}"
    [ ! -s first ] || fail "the first run complained: $(cat first)"
    grep -q 'From first' ovras.ini || fail "the first run's record is lost"
    [ ! -e ovras.ini.lock ] || fail "the lock file was left behind"

    # Runs one after the other both keep their records.
    "$helper" run 'From third' 2>third
    [ ! -s third ] || fail "the third run complained: $(cat third)"
    grep -q 'From first' ovras.ini && grep -q 'From third' ovras.ini || fail "a record is lost"

    # A hand edit while a run is open wins; the run says its changes were not saved.
    rm hold.open
    touch hold
    "$helper" run 'From fourth' hold 2>fourth &
    pids=($!)
    await hold.open
    printf '%s\r\n' 'By hand,01012000,1,-1,14,0,0,,' >>ovras.ini
    cp ovras.ini edited
    rm hold
    wait "${pids[0]}"
    expect_line fourth "message: Your changes were not saved: $PWD/ovras.ini was changed by another program while Ovrana was running, and it keeps those changes."
    cmp -s ovras.ini edited || fail "the hand edit was overwritten"

    # A run killed with its window open leaves its lock file, which holds nobody back.
    QT_QPA_PLATFORM=offscreen LC_ALL=en_GB.UTF-8 "$program" --options >/dev/null 2>&1 &
    pids=($!)
    await ovras.ini.lock
    sleep 0.5
    run_ovrana --options
    grep -q 'already running' err || fail "no word of the open Options dialog: $(cat err)"
    kill -9 "${pids[0]}"
    wait "${pids[0]}" 2>/dev/null || true
    "$helper" run 'After the kill' 2>fifth
    [ ! -s fifth ] || fail "a killed run still holds the file: $(cat fifth)"
    grep -q 'After the kill' ovras.ini || fail "the record after the kill is lost"
    ;;
read_only_folder)
    write_records 'Anna,06121990,2,-1,14,0,0,,'
    cp ovras.ini "$work/before"
    chmod 644 ovras.ini
    # Only another user is kept out of a folder of root's.
    [ "$(id -u)" -eq 0 ] && chmod 755 . || chmod 555 .
    as_other "$helper" run Added 2>err || fail "the run failed: $(cat err)"
    expect_line err "message: Your changes could not be saved to $PWD/ovras.ini: Permission denied. The file was not changed."
    cmp -s ovras.ini "$work/before" || fail "the data file changed"
    for left in .[!.]* *; do
        case $left in ovras.ini | err | '.[!.]*') ;; *) fail "left in the folder: $left" ;; esac
    done
    run_ovrana --as-other
    expect_line out ' Anna is 36 today'
    [ -s "$conf" ] || fail "the settings were not written"
    chmod 755 .
    ;;
bad_input_long_line)
    # Lines of any length: a name of 20 MB, then a record that is due.
    { printf '%s\r\n' "$header"; head -c 20000000 /dev/zero | tr '\0' x
      printf ',06121990,2,-1,14,0,0,,\r\nAnna,06121990,2,-1,14,0,0,,\r\n'; } >ovras.ini
    cp ovras.ini before
    run_ovrana
    [ "$(wc -l <out)" -eq 2 ] && expect_line out ' Anna is 36 today' || fail "rows: $(head -c 300 out)"
    cmp -s ovras.ini before || fail "the data file changed"
    ;;
bad_input_binary_bytes)
    # Every byte value, NUL included, inside and between records; the bytes reach the row as
    # they are, but for control characters, which never reach the terminal.
    { printf '%s\r\n' "$header"
      all_bytes; printf '\r\n'
      printf 'An\0na \xff\xfe\xc3,06121990,2,-1,14,0,0,,\r\n\0\0\0\r\nBob,06121990,2,-1,14,0,0,,\r\n'
      all_bytes; } >ovras.ini
    cp ovras.ini before
    run_ovrana
    cmp -s <(grep -a 'today' out) <(printf ' Bob is 36 today\n An?na \xff\xfe\xc3 is 36 today\n') ||
        fail "rows: $(od -c out | head)"
    cmp -s ovras.ini before || fail "the data file changed"
    ;;
bad_input_big_file)
    # 50 MB of records, all of them kept; one is due.
    awk -v header="$header" 'BEGIN { printf "%s\r\n", header
        for (i = 0; i < 810000; i++)
            printf "Person %06d,01061990,%d,-1,14,0,0,person%06d@example.org,\r\n", i, i % 17, i
        printf "Anna,06121990,2,-1,14,0,0,,\r\n" }' >ovras.ini
    [ "$(stat -c %s ovras.ini)" -gt 50000000 ] || fail "the file is too small to tell"
    run_ovrana
    [ "$(cat out)" = ' Anna is 36 today' ] || fail "rows: $(head -c 300 out)"
    [ ! -s err ] || fail "complaints: $(cat err)"
    ;;
bad_input_endless_lines)
    # 50 MB of empty lines would be 50 million records: the first million are kept, and the
    # file, not read completely, is left alone.
    { printf '%s\r\n' "$header"; head -c 50000000 /dev/zero | tr '\0' '\n'; } >ovras.ini
    cp ovras.ini before
    run_ovrana
    expect_line err "ovrana: The data file $PWD/ovras.ini $read_notice"
    cmp -s ovras.ini before || fail "the data file changed"
    ;;
bad_input_numbers)
    # Numbers beyond every range, days and months like 99 and -5: they roll over as the calendar
    # does, day 36 of November being 6 December.
    write_records 'Huge,99999999999999999999,99999999999999999999,-99999999999999999999,2147483648,99999999999,1x,,' \
        'Minus,-5-51990,-5,-5,-5,-5,-5,,' 'Ninety-nine,99991990,99,99,99,99,99,,' \
        'Rolled over,36111990,2,-1,14,0,0,,' 'Early,01011990,2,-1,2147483647,0,0,,' \
        'Far,31122147483647,2,-2147483648,-2147483648,0,0,,'
    cp ovras.ini before
    run_ovrana
    expect_line out ' Rolled over is 36 today'
    cmp -s ovras.ini before || fail "the data file changed"
    ;;
bad_input_pipe)
    # A pipe in the file's place would keep the reader waiting forever.
    mkfifo ovras.ini
    run_ovrana
    expect_line err "ovrana: The data file $PWD/ovras.ini $read_notice"
    [ -p ovras.ini ] || fail "the pipe was replaced"
    ;;
bad_input_settings)
    write_records 'Anna,06121990,2,-1,14,0,0,,'
    mkdir -p "$(dirname "$conf")"
    # Damaged: random bytes and NULs. The run goes on with what can be read.
    { printf '[General]\ndays=9\n\0\0\0'; all_bytes; printf '\n'; } >"$conf"
    run_ovrana
    expect_line out ' Anna is 36 today'
    # Absurd values: each ends up as a number the program can work with.
    printf '[General]\naot=99999999999999999999\nonceaday=-7\ndays=-99999999999\nicon=123456\nlastrun=%s\n' \
        "$(head -c 1000 /dev/zero | tr '\0' 2)" >"$conf"
    run_ovrana
    expect_line out ' Anna is 36 today'
    for line in aot=1 onceaday=1 days=-2147483648 icon=123456 lastrun=2026126; do
        expect_line "$conf" "$line"
    done
    # Unreadable: the defaults serve this run, and the file stays as it is.
    cp "$conf" "$work/settings"
    chmod 000 "$conf"
    run_ovrana --as-other
    expect_line out ' Anna is 36 today'
    chmod 600 "$conf"
    cmp -s "$conf" "$work/settings" || fail "the unreadable settings file was replaced"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok $case_name"
