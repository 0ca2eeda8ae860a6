#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Data safety with real processes on real files: saves killed halfway, overlapping runs, and input
# far beyond the usual.
# Usage: safety.sh <case> <ovrana> <fault_helper>   (ROUNDS: kills, default 40)
source "$(dirname "$0")/common.sh"
program=$2 helper=$3

all_bytes() { for i in $(seq 1 255); do printf "\\x$(printf %02x "$i")"; done; }  # but NUL
stop() { kill -9 "$1"; wait "$1" 2>/dev/null || true; }

case $1 in
kill_during_save)
    # Whenever a save dies, the file is one whole version or the other, and so is the backup;
    # nothing else is left beside them once the next run has held the lock.
    { echo "$header"; seq -f 'Person %g of version 0,01011950,0,-1,14,0,0,,' 5000; } | sed 's/$/\r/' >v0
    sed 's/version 0/version 1/' v0 >v1
    mkdir data
    for round in $(seq "${ROUNDS:-40}"); do
        cp v0 data/ovras.ini
        "$helper" data/ovras.ini v0 v1 &
        pids=($!)
        sleep "$(printf '0.%03d' $((RANDOM % 300)))"
        stop "${pids[0]}"
        for file in data/ovras.ini data/ovras.ini.bak; do
            [ -e "$file" ] || continue
            cmp -s "$file" v0 || cmp -s "$file" v1 || fail "round $round tore $file"
        done
        # Takes the lock, then cannot show the Options dialog without a display.
        (cd data && "$program" --options 2>/dev/null || true)
        extra=$(ls data | grep -vx 'ovras.ini\|ovras.ini.bak' || true)
        [ -z "$extra" ] || fail "round $round left: $extra"
        rm -f data/ovras.ini.bak
    done
    ;;
two_runs)
    # A run killed with its Options dialog open holds nobody back. A run that asks takes a free
    # lock itself, so it asks only once the lock file is there.
    printf '%s\r\n' "$header" 'Anna,12051976,2,-1,14,0,0,,' >ovras.ini
    QT_QPA_PLATFORM=offscreen "$program" --options 2>/dev/null &
    pids=($!)
    busy() { [ -e ovras.ini.lock ] && ! "$program" --options 2>err && grep -q 'already running' err; }
    wait_for busy
    stop "${pids[0]}"
    printf '%s\r\n' BEGIN:VCARD VERSION:3.0 'FN:After the kill' BDAY:2000-01-01 END:VCARD >card.vcf
    "$program" --import card.vcf >/dev/null 2>err || fail "a killed run still holds the file: $(cat err)"
    grep -q '^After the kill,' ovras.ini || fail "the record after the kill is lost"
    ;;
bad_input_data)
    # Each file: <name> <expected rows>. A name of 20 MB; every byte value but NUL reaching the row
    # as it is; UTF-16 ("Unicode") and CR line ends, as other editors save the file.
    { printf '%s\r\n' "$header"; head -c 20000000 /dev/zero | tr '\0' x
      printf ',06121990,2,-1,14,0,0,,\r\nAnna,06121990,2,-1,14,0,0,,\r\n'; } >long_line
    { printf '%s\r\n' "$header"; all_bytes; printf '\r\n'
      printf 'An\1na \xff\xfe\xc3,06121990,2,-1,14,0,0,,\r\n\1\2\3\r\nBob,06121990,2,-1,14,0,0,,\r\n'
      all_bytes; } >binary_bytes
    printf '%s\r\n' "$header" 'Anna,06121990,2,-1,14,0,0,,' | iconv -t UTF-16 >utf16
    printf '%s\r' "$header" 'Anna,06121990,2,-1,14,0,0,,' >cr_only
    printf ' Anna is 36 today\n' | tee utf16.rows >cr_only.rows
    { printf ' Anna is 36 today\n '; head -c 20000000 /dev/zero | tr '\0' x; printf ' is 36 today\n'; } >long_line.rows
    # Control characters never reach the terminal; other bytes do as they are.
    printf ' Bob is 36 today\n An?na \xff\xfe\xc3 is 36 today\n' >binary_bytes.rows
    for name in long_line binary_bytes utf16 cr_only; do
        cp "$name" ovras.ini
        at '2026-12-06 08:30:00' || fail "$name: status $?: $(head -c 2000 err)"
        cmp -s <(grep -a 'today' out) "$name.rows" || fail "$name: $(head -c 300 out | od -c | head)"
        [ ! -s err ] && cmp -s ovras.ini "$name" || fail "$name: changed or complained: $(cat err)"
    done
    # An import keeps every record of such a file; UTF-16 without a byte-order mark, its NULs a
    # sign of text not understood, is refused.
    printf '%s\r\n' BEGIN:VCARD VERSION:3.0 FN:Bob BDAY:1990-01-01 END:VCARD >card.vcf
    for name in utf16 cr_only; do
        cp "$name" ovras.ini
        at '2026-12-06 08:30:00' --import card.vcf || fail "$name: $(cat err)"
        printf '%s\r\n' "$header" 'Anna,06121990,2,-1,14,0,0,,' 'Bob,01011990,1,-1,14,0,0,,' |
            cmp -s - ovras.ini || fail "$name: $(od -c ovras.ini | head)"
    done
    printf '%s\r\n' "$header" 'Anna,06121990,2,-1,14,0,0,,' | iconv -t UTF-16LE | tee nul >ovras.ini
    ! at '2026-12-06 08:30:00' --import card.vcf && cmp -s ovras.ini nul || fail "imported into nul"
    ;;
no_proc)
    # Without /proc the partner is found from argv[0], never in the working folder, which is the
    # data folder. A sanitizer's runtime cannot start without /proc.
    ! ldd "$program" | grep -q libasan || exit 77
    mkdir bin
    cp "$program" bin/ovrana
    for gui in ovrana-gui bin/ovrana-gui; do printf '#!/bin/sh\necho %s >>ran\n' "$gui" >"$gui"; done
    chmod +x ovrana-gui bin/ovrana-gui
    bare() { unshare --mount --propagation private sh -c 'umount -l /proc && exec "$@"' - "$@"; }
    bare bin/ovrana --options && PATH="$PWD/bin:$PATH" bare ovrana --options || fail "not started"
    rm bin/ovrana-gui
    ! bare bin/ovrana --options 2>err || fail "started a missing program"
    grep -q 'cannot start ovrana-gui' err || fail "no word of the missing program: $(cat err)"
    [ "$(cat ran)" = "$(printf 'bin/ovrana-gui\nbin/ovrana-gui')" ] || fail "ran: $(cat ran)"
    ;;
*) fail "unknown case $1" ;;
esac
echo "ok $1"
