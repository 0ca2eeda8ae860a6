#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What installing puts on a desktop. Usage: desktop.sh <case> <source dir> <build dir>;
# CMAKE and CPACK name the tools to use.
set -euo pipefail
case_name=$1 source_dir=$2 build_dir=$3
: "${CMAKE:=cmake}" "${CPACK:=cpack}"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        if [ "$pid" = purge ]; then dpkg -P ovrana >/dev/null 2>&1 || true; else kill "$pid" 2>/dev/null || true; fi
    done
    rm -rf "$work"
}
trap cleanup EXIT
export LC_ALL=C.UTF-8
# faketime preloads itself ahead of the sanitizer runtime of a sanitized build.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

fail() { echo "FAIL: $*" >&2; exit 1; }

id=org.ovrana.Ovrana

# Every file `cmake --install` puts under its prefix.
expected_files() {
    printf '%s\n' bin/ovrana etc/xdg/autostart/$id-autostart.desktop \
        lib/systemd/user/ovrana-daily.{service,timer} libexec/ovrana/ovrana-gui \
        share/applications/$id.desktop share/doc/ovrana/guide.html \
        share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
        share/icons/hicolor/scalable/apps/$id.svg share/man/man1/ovrana.1.gz \
        share/metainfo/$id.metainfo.xml | LC_ALL=C sort
}

prefix=$work/prefix
install_tree() {
    "$CMAKE" --install "$build_dir" --prefix "$prefix" >"$work/log" || fail "install: $(cat "$work/log")"
}
# A desktop entry's Exec words, one a line (ours use no quoting).
exec_words() { sed -n 's/^Exec=//p' "$1" | tr ' ' '\n'; }

case $case_name in
desktop_entries)
    desktop-file-validate "$source_dir"/res/$id{,-autostart}.desktop || fail "invalid desktop entry"
    ;;
metainfo)
    appstreamcli validate --no-net "$source_dir/res/$id.metainfo.xml" || fail "metainfo invalid"
    ;;
man_page)
    for page in "$source_dir/man/ovrana.1" "$build_dir/man/ovrana.1.gz"; do
        MANWIDTH=80 man --warnings -l "$page" >"$work/page.txt" 2>"$work/warnings.txt"
        [ ! -s "$work/warnings.txt" ] || fail "$page renders with warnings: $(cat "$work/warnings.txt")"
        for section in NAME SYNOPSIS OPTIONS FILES 'EXIT STATUS'; do
            grep -q "^$section\$" "$work/page.txt" || fail "$page has no $section section"
        done
    done
    ;;
install_tree)
    install_tree
    diff -u <(expected_files) <(cd "$prefix" && find . -type f -o -type l | sed 's#^\./##' | LC_ALL=C sort) ||
        fail "installed files differ"
    for png in "$prefix"/share/icons/hicolor/*/apps/$id.png; do
        size=$(file -b "$png" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p')
        [[ $png == */$size/apps/* ]] || fail "$png is $size pixels"
    done
    # Cross-checks the metadata against the installed launcher and icon.
    appstreamcli validate-tree --no-net "$prefix" || fail "the installed tree does not validate"
    units=$prefix/lib/systemd/user
    grep -qx "ExecStart=$prefix/bin/ovrana --home --daily" "$units/ovrana-daily.service" ||
        fail "the daily service does not run the installed program"
    MANPATH=$prefix/share/man systemd-analyze verify "$units"/ovrana-daily.{service,timer} ||
        fail "the daily units do not verify"
    ;;
entries_start_in_home)
    # The launcher and the logon entry use the records at home wherever they start; `ovrana`
    # typed in a terminal keeps the current directory.
    install_tree
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" TZ=Europe/Berlin
    export PATH="$prefix/bin:$PATH"
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    mkdir -p "$HOME" "$work/elsewhere" && cd "$work/elsewhere"
    printf '%s\r\n' '# header' 'Sara,07120000,7,-1,5,0,0,,' >"$HOME/ovras.ini"
    printf '%s\r\n' '# header' 'Elsewhere,07120000,7,-1,5,0,0,,' >ovras.ini
    mapfile -t command < <(exec_words "$prefix/etc/xdg/autostart/$id-autostart.desktop")
    for run in "Sara:${command[*]}" "Elsewhere:ovrana"; do
        faketime '2026-12-06 08:30:00' ${run#*:} >out 2>err || fail "${run#*:}: $(cat err)"
        [ "$(cat out)" = " ${run%%:*} tomorrow" ] || fail "${run#*:} read elsewhere: $(cat out err)"
    done
    # The launcher's Options dialog stays open: look where it runs, then close it.
    mapfile -t command < <(exec_words "$prefix/share/applications/$id.desktop")
    QT_QPA_PLATFORM=offscreen "${command[@]}" >out 2>err &
    pids+=($!)
    for _ in $(seq 100); do [ "$(readlink "/proc/$!/cwd")" = "$HOME" ] && break || sleep 0.1; done
    [ "$(readlink "/proc/$!/cwd")" = "$HOME" ] || fail "the launcher does not run in the home directory"
    ;;
deb_package)
    "$CPACK" -G DEB -B "$work/deb" --config "$build_dir/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
        fail "cpack failed: $(cat "$work/cpack.log")"
    deb=$(echo "$work"/deb/ovrana_*.deb)
    # Packaged for /usr, with the logon entry where sessions look for it.
    diff -u <(expected_files | sed -e 's#^#usr/#' -e 's#^usr/etc/#etc/#' | LC_ALL=C sort) \
        <(dpkg-deb -c "$deb" | grep -v '/$' | sed 's#.* \./##' | LC_ALL=C sort) ||
        fail "packaged files differ"
    # Computed from the linked libraries, plus the SVG icon engine's package.
    depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
    for package in libc6 libqt6widgets6 libqt6svg6; do
        grep -qx "$package" <<<"$depends" || fail "the package does not depend on $package"
    done
    # Installed, the timer is enabled for every user; removed or purged, nothing stays. Only as
    # root on a machine without the package.
    if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W ovrana >/dev/null 2>&1; then
        pids+=(purge)
        state() { find /etc/systemd/user /var/lib/systemd/deb-systemd-user-helper-enabled 2>/dev/null | sort; }
        state >"$work/before"
        link=/etc/systemd/user/timers.target.wants/ovrana-daily.timer
        for removal in -r -P; do
            dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg -i failed: $(cat "$work/dpkg.log")"
            [ "$(readlink "$link")" = /usr/lib/systemd/user/ovrana-daily.timer ] ||
                fail "the daily timer is not enabled"
            grep -qx 'ExecStart=/usr/bin/ovrana --home --daily' /usr/lib/systemd/user/ovrana-daily.service ||
                fail "the packaged service does not run /usr/bin/ovrana"
            dpkg "$removal" ovrana >"$work/dpkg.log" 2>&1 || fail "dpkg $removal failed: $(cat "$work/dpkg.log")"
            diff -u "$work/before" <(state) || fail "dpkg $removal left the timer's links behind"
        done
    fi
    ;;
*) fail "unknown case $case_name" ;;
esac
echo "ok $case_name"
