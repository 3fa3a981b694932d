#!/usr/bin/env bash
# Makes the enciphered document tests/data/chapter.kmt with the openssl command line,
# independently of Kalamo and nettle, from tests/data/chapter.txt: a short chapter in GBK
# with CR LF line breaks, written here too. The password is 密码 (GBK C3 DC C2 EB); the pass
# phrase is kpv531877026 followed by it, the key the first five bytes of the pass phrase's
# MD5 followed by eleven zero bytes, the document plain RC4 of the text under that key.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
data="$root/tests/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# OpenSSL 3 keeps RC4 in the legacy provider; older versions have it built in.
rc4_opts=(-rc4 -nosalt)
if ! printf 'x' | openssl enc -rc4 -nosalt -K 00000000000000000000000000000000 >/dev/null 2>&1; then
    rc4_opts+=(-provider legacy -provider default)
fi

cat >"$work/chapter.utf8" <<'TEXT'
第一章　雪夜
窗外的雪下了一整夜，他在灯下写完了最后一页。
“明天，”她说，“我们去看海。”

Kalamo 7.3：简单·不简单！
（完）
TEXT
iconv -f UTF-8 -t GBK "$work/chapter.utf8" | sed 's/$/\r/' >"$data/chapter.txt"

printf '%s' 'kpv531877026密码' | iconv -f UTF-8 -t GBK >"$work/pass"
digest=$(openssl md5 -r <"$work/pass" | cut -c1-32)
key="${digest:0:10}0000000000000000000000"
openssl enc "${rc4_opts[@]}" -K "$key" -in "$data/chapter.txt" -out "$data/chapter.kmt"
echo "wrote $data/chapter.txt and $data/chapter.kmt (key $key)"
