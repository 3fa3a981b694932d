#!/usr/bin/env bash
# Computes the text cipher's test vectors with the openssl command line, independently of nettle:
# the key is the first five bytes of the pass phrase's MD5 followed by eleven zero bytes, and the
# ciphertext is plain RC4 under that 16-byte key. Writes tests/data/cipher_vectors.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/tests/data/cipher_vectors.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# OpenSSL 3 keeps RC4 in the legacy provider; older versions have it built in.
rc4_opts=(-rc4 -nosalt)
if ! printf 'x' | openssl enc -rc4 -nosalt -K 00000000000000000000000000000000 >/dev/null 2>&1; then
    rc4_opts+=(-provider legacy -provider default)
fi

hex() { od -An -tx1 -v "$1" | tr -d ' \n'; }
field() { local h; h=$(hex "$1"); printf '%s' "${h:--}"; }

# vector PASS_FILE TEXT_FILE: appends one line "pass-hex text-hex cipher-hex" ("-" for empty).
vector() {
    local digest key
    digest=$(openssl md5 -r <"$1" | cut -c1-32)
    key="${digest:0:10}0000000000000000000000"
    openssl enc "${rc4_opts[@]}" -K "$key" -in "$2" -out "$work/cipher"
    printf '%s %s %s\n' "$(field "$1")" "$(field "$2")" "$(field "$work/cipher")" >>"$work/lines"
}

fixed=kpv531877026
transfer='kpv531877026#'
: >"$work/lines"

pass() { printf '%b' "$1" >"$work/pass"; }
text() { printf '%b' "$1" >"$work/text"; }

pass "$fixed"
for t in 0 1234 500; do
    text "$t"
    vector "$work/pass" "$work/text"
done

# 第一章 真的写作。 with CR LF, in GBK.
gbk='\xB5\xDA\xD2\xBB\xD5\xC2\x20\xD5\xE6\xB5\xC4\xD0\xB4\xD7\xF7\xA1\xA3\x0D\x0A'
pass "$transfer"
text "$gbk"
vector "$work/pass" "$work/text"

# Every byte value, NUL, CR and LF included, and longer than one RC4 state.
: >"$work/text"
for i in $(seq 0 299); do printf "\\x$(printf '%02x' $((i % 256)))" >>"$work/text"; done
pass "$fixed"
vector "$work/pass" "$work/text"
pass "$transfer"
vector "$work/pass" "$work/text"

# A document pass phrase: the fixed one followed by a GBK password (密码).
pass "$fixed"'\xC3\xDC\xC2\xEB'
text "$gbk"
vector "$work/pass" "$work/text"

# The empty pass phrase hashes zero bytes.
pass ''
text 1234
vector "$work/pass" "$work/text"
text "$gbk"
vector "$work/pass" "$work/text"

# The empty text stays empty.
pass "$fixed"
text ''
vector "$work/pass" "$work/text"

{
    echo "# Text cipher vectors: pass phrase hex, plaintext hex, ciphertext hex; '-' is empty."
    echo "# Made by scripts/make_cipher_vectors.sh with $(openssl version | cut -d' ' -f1-2):"
    echo "#   openssl md5 -r < pass; openssl enc ${rc4_opts[*]} -K <md5[0..4] + 11 zero bytes>"
    cat "$work/lines"
} >"$out"
echo "wrote $out"
