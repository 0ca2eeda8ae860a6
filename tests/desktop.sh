#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What installing puts on a desktop.
# Usage: desktop.sh <case> <source dir> <build dir> <path to cmake> <path to cpack>
source "$(dirname "$0")/common.sh"
source_dir=$2 build_dir=$3 cmake=$4 cpack=$5 id=org.ovrana.Ovrana prefix=$work/prefix
export LC_ALL=C.UTF-8

# Every file `cmake --install` puts under its prefix.
expected_files() {
    printf '%s\n' bin/ovrana etc/xdg/autostart/$id-autostart.desktop \
        lib/systemd/user/ovrana-daily{.timer,.service,-reminder.service} libexec/ovrana/ovrana-gui \
        share/applications/$id.desktop share/doc/ovrana/guide.html \
        share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
        share/icons/hicolor/scalable/apps/$id.svg share/man/man1/ovrana.1.gz \
        share/metainfo/$id.metainfo.xml | LC_ALL=C sort
}
install_tree() { "$cmake" --install "$build_dir" --prefix "$prefix" >log || fail "install: $(cat log)"; }
# A desktop entry's Exec words, one a line (ours use no quoting).
exec_words() { sed -n 's/^Exec=//p' "$1" | tr ' ' '\n'; }

case $1 in
desktop_entries) desktop-file-validate "$source_dir"/res/$id{,-autostart}.desktop || fail "invalid entry" ;;
man_page)
    # The page as built, from the source page by gzip alone.
    MANWIDTH=80 man --warnings -l "$build_dir/man/ovrana.1.gz" >page.txt 2>warnings.txt
    [ ! -s warnings.txt ] || fail "the page renders with warnings: $(cat warnings.txt)"
    grep -cxE 'NAME|SYNOPSIS|OPTIONS|FILES|EXIT STATUS' page.txt | grep -qx 5 ||
        fail "the page lacks one of its sections"
    ;;
install_tree)
    install_tree
    diff -u <(expected_files) <(cd "$prefix" && find . -type f -o -type l | sed 's#^\./##' | LC_ALL=C sort) ||
        fail "installed files differ"
    for png in "$prefix"/share/icons/hicolor/*/apps/$id.png; do
        size=$(file -b "$png" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p')
        [[ $png == */$size/apps/* ]] || fail "$png is $size pixels"
    done
    # The metadata, and checked against the installed launcher and icon.
    appstreamcli validate-tree --no-net "$prefix" || fail "the installed tree does not validate"
    units=$prefix/lib/systemd/user
    grep -qx "ExecStart=$prefix/bin/ovrana --home --daily" "$units/ovrana-daily-reminder.service" ||
        fail "the daily service does not run the installed program"
    MANPATH=$prefix/share/man systemd-analyze verify "$units"/ovrana-daily{.timer,.service,-reminder.service} ||
        fail "the daily units do not verify"
    ;;
entries_start_in_home)
    # The launcher and the logon entry use the records at home wherever they start; `ovrana`
    # typed in a terminal keeps the current directory.
    install_tree
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config PATH=$prefix/bin:$PATH
    mkdir -p "$HOME" elsewhere && cd elsewhere
    printf '%s\r\n' '# header' 'Sara,07120000,7,-1,5,0,0,,' >"$HOME/ovras.ini"
    printf '%s\r\n' '# header' 'Elsewhere,07120000,7,-1,5,0,0,,' >ovras.ini
    mapfile -t command < <(exec_words "$prefix/etc/xdg/autostart/$id-autostart.desktop")
    for run in "Sara:${command[*]}" "Elsewhere:ovrana"; do
        faketime '2026-12-06 08:30:00' ${run#*:} >out 2>err || fail "${run#*:}: $(cat err)"
        [ "$(cat out)" = " ${run%%:*} tomorrow" ] || fail "${run#*:} read elsewhere: $(cat out err)"
    done
    # The launcher's Options dialog stays open: look where it runs.
    mapfile -t command < <(exec_words "$prefix/share/applications/$id.desktop")
    QT_QPA_PLATFORM=offscreen "${command[@]}" >out 2>err &
    pids+=($!)
    in_home() { [ "$(readlink "/proc/${pids[0]}/cwd")" = "$HOME" ]; }
    wait_for in_home
    ;;
deb_package)
    "$cpack" -G DEB -B "$work/deb" --config "$build_dir/CPackConfig.cmake" >log 2>&1 || fail "cpack: $(cat log)"
    deb=$(echo "$work"/deb/ovrana_*.deb)
    # Packaged for /usr, with the logon entry where sessions look for it.
    diff -u <(expected_files | sed -e 's#^#usr/#' -e 's#^usr/etc/#etc/#' | LC_ALL=C sort) \
        <(dpkg-deb -c "$deb" | grep -v '/$' | sed 's#.* \./##' | LC_ALL=C sort) ||
        fail "packaged files differ"
    # Computed from the linked libraries, plus the SVG icon engine's package.
    depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
    for package in libc6 libqt6widgets6 libqt6svg6 libsecret-1-0; do
        grep -qx "$package" <<<"$depends" || fail "the package does not depend on $package"
    done
    # Installed, the timer is enabled for every user; removed or purged, nothing stays. Only as
    # root on a machine without the package.
    if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W ovrana >/dev/null 2>&1; then
        trap 'dpkg -P ovrana >/dev/null 2>&1; cleanup' EXIT
        state() { find /etc/systemd/user /var/lib/systemd/deb-systemd-user-helper-enabled 2>/dev/null | sort; }
        state >before
        link=/etc/systemd/user/timers.target.wants/ovrana-daily.timer
        for removal in -r -P; do
            dpkg -i "$deb" >log 2>&1 || fail "dpkg -i failed: $(cat log)"
            [ "$(readlink "$link")" = /usr/lib/systemd/user/ovrana-daily.timer ] ||
                fail "the daily timer is not enabled"
            grep -qx 'ExecStart=/usr/bin/ovrana --home --daily' /usr/lib/systemd/user/ovrana-daily-reminder.service ||
                fail "the packaged service does not run /usr/bin/ovrana"
            dpkg "$removal" ovrana >log 2>&1 || fail "dpkg $removal failed: $(cat log)"
            diff -u before <(state) || fail "dpkg $removal left the timer's links behind"
        done
    fi
    ;;
*) fail "unknown case $1" ;;
esac
echo "ok $1"
