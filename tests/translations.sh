#!/bin/bash
# SPDX-License-Identifier: MIT
# Fails when lupdate, run on the sources, would change a .ts file: a text that is new (not yet
# translated), gone, or a translation left unfinished.
# Usage: translations.sh LUPDATE SOURCE_DIR -- LUPDATE_OPTIONS -- SOURCES...
set -u
lupdate=$1 src=$2
shift 3
options=()
while [ "$1" != "--" ]; do options+=("$1"); shift; done
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
copies=()
for ts in "$src"/i18n/*.ts; do
    cp "$ts" "$tmp/" && copies+=("$tmp/${ts##*/}")
done
cd "$src" || exit 1
"$lupdate" "${options[@]}" -I "$src" "$@" -ts "${copies[@]}" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
status=0
for ts in "$src"/i18n/*.ts; do
    if ! diff -u "$ts" "$tmp/${ts##*/}"; then
        echo "i18n/${ts##*/} is behind the sources: build the update_translations target, translate"
        status=1
    fi
    if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "i18n/${ts##*/} has unfinished or left-over messages"
        status=1
    fi
done
exit $status
