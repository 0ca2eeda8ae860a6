#!/bin/bash
# SPDX-License-Identifier: MIT
# Fails when lupdate, run on the sources, would change a .ts file (a text new, gone or not
# yet translated), or a .ts file has unfinished or left-over messages.
# Usage: translations.sh LUPDATE SOURCE_DIR -- LUPDATE_OPTIONS -- SOURCES...
set -u
lupdate=$1 src=$2 options=()
shift 3
while [ "$1" != "--" ]; do options+=("$1"); shift; done
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$src"/i18n/*.ts "$tmp/" && cd "$src" || exit 1
"$lupdate" "${options[@]}" -I "$src" "$@" -ts "$tmp"/*.ts >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
status=0
for ts in i18n/*.ts; do
    diff -u "$ts" "$tmp/${ts#i18n/}" || { echo "$ts is behind the sources: build update_translations, translate"; status=1; }
    ! grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" || { echo "$ts has unfinished or left-over messages"; status=1; }
done
exit $status
