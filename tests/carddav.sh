#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The address-book commands end to end against a real CardDAV server, Radicale, on loopback:
# plain HTTP, then TLS with a certificate made here.
# The passwords go to gnome-keyring on a private bus.
# Usage: carddav.sh <path to ovrana>
private_bus=1
source "$(dirname "$0")/common.sh"
program=$1
export XDG_DATA_HOME=$work/data
command -v htpasswd >/dev/null && /usr/bin/python3 -c 'import radicale' 2>/dev/null || exit 77
start_keyring
mkdir -p store/collection-root/alice/contacts
echo '{"tag": "VADDRESSBOOK", "D:displayname": "Friends"}' >store/collection-root/alice/contacts/.Radicale.props
put() {  # put <uid> <vCard lines>: a card, as a phone would send it
    printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%s\r\n%s\r\nEND:VCARD\r\n' "$1" "$2" |
        curl -sf -u alice:secret -X PUT --data-binary @- -H 'Content-Type: text/vcard' "$base/alice/contacts/$1.vcf" ||
        fail "PUT $1"
}

http_port=$(port)
base=http://127.0.0.1:$http_port
serve "$http_port"
put anna $'FN:Anna\r\nBDAY:1990-04-12'
put bob 'FN:Bob'
put carl $'FN:Carl\r\nBDAY:--0601\r\nANNIVERSARY:20100704'
# Discovery from the server's root.
run --add-address-book "$base/" --user alice <<<secret
expect 0 'Address book "Friends": 3 dates from 3 contacts'
run --sync
expect 0 'Address book "Friends": 0 added, 0 changed, 0 removed'
put anna $'FN:Anna\r\nBDAY:1990-04-13'
put dora $'FN:Dora\r\nBDAY:2001-02-03'
curl -sf -o /dev/null -u alice:secret -X DELETE "$base/alice/contacts/carl.vcf" || fail "DELETE"
put bob $'FN:Bob\r\nNOTE:no date so not counted'
run --sync
expect 0 'Address book "Friends": 1 added, 1 changed, 1 removed'
grep -q 'Anna.*b19900413' data/ovrana/addressbooks/*.book || fail "copy not updated"

# The morning's run syncs, even with nothing due; offline it still reminds.
printf '%s\r\n' "$header" 'Eve,25121990,1,-1,14,0,0,,' >ovras.ini
mkdir -p config/Keldan && printf '[General]\nlastrun=2026125\n' >"$conf"
put erin $'FN:Erin\r\nBDAY:1985-05-05'
at '2026-06-01 10:00:00' --home --daily || fail "daily: $(cat err)"
grep -q 'Erin' data/ovrana/addressbooks/*.book || fail "the daily run did not sync"

# Offline: the server gone, the copy stays as it was.
kill "$server"; wait "$server" 2>/dev/null
cp data/ovrana/addressbooks/*.book before
run --sync
expect 1 ''
grep -q 'Friends' err || fail "the failure does not name the address book: $(cat err)"
cmp -s before <(grep -v '^error' data/ovrana/addressbooks/*.book) ||
    [ "$(grep -vc '^error' before)" -eq "$(grep -vc '^error' data/ovrana/addressbooks/*.book)" ] ||
    fail "the copy changed"
at '2026-12-21 10:00:00' --home --daily || fail "daily offline: $(cat err)"
grep -q "Eve will be 36" out || fail "no reminder offline: $(cat out)"

# TLS with a certificate no one signed: refused with its fingerprint, then trusted.
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
    -subj /CN=localhost -addext subjectAltName=DNS:localhost 2>/dev/null
fingerprint=$(openssl x509 -in cert.pem -noout -fingerprint -sha256 | cut -d= -f2)
tls_port=$(port)
serve "$tls_port" "ssl = True
certificate = $work/cert.pem
key = $work/key.pem"
tls=https://localhost:$tls_port/alice/contacts/
run --add-address-book "$tls" --user alice <<<secret
expect 1 ''
grep -qF "$fingerprint" err || fail "no fingerprint $fingerprint: $(cat err)"
[ "$(ls data/ovrana/addressbooks/*.book | wc -l)" -eq 1 ] || fail "a refused address book kept"
run --add-address-book "$tls" --user alice --accept-certificate "$fingerprint" <<<secret
expect 0 'Address book "Friends": 3 dates from 4 contacts'

# A changed password: that address book fails, the other is still synced.
htpasswd -bp users alice changed 2>/dev/null
run --sync
expect 1 ''
[ "$(wc -l <err)" -eq 2 ] || fail "not one line per address book: $(cat err)"
grep -q 'localhost:[0-9]* refused the user name or password' err || fail "$(cat err)"

run --remove-address-book "$base/"
expect 0 ''
run --remove-address-book "$base/"
expect 1 ''
run --remove-address-book "$tls"
expect 0 ''
[ -z "$(ls data/ovrana/addressbooks/)" ] || fail "left behind: $(ls data/ovrana/addressbooks/)"
