#!/bin/bash
# SPDX-License-Identifier: MIT
# Fails when lupdate, run on the sources, would change a .ts file (a text new, gone or not
# yet translated), or a .ts file has unfinished or left-over messages.
# Usage: translations.sh LUPDATE SOURCE_DIR -- LUPDATE_OPTIONS -- SOURCES...
source "$(dirname "$0")/common.sh"
lupdate=$1 src=$2 options=()
shift 3
while [ "$1" != "--" ]; do options+=("$1"); shift; done
shift
cp "$src"/i18n/*.ts . && cd "$src"
"$lupdate" "${options[@]}" -I "$src" "$@" -ts "$work"/*.ts >"$work/log" 2>&1 || fail "$(cat "$work/log")"
status=0
for ts in i18n/*.ts; do
    diff -u "$ts" "$work/${ts#i18n/}" || { echo "$ts is behind the sources: build update_translations, translate"; status=1; }
    ! grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" || { echo "$ts has unfinished or left-over messages"; status=1; }
done
exit $status
