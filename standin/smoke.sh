#!/usr/bin/env bash
# Quick check of the stand-in by hand: starts it on a spare port with the
# data in this folder, asks for each kind of answer, and stops it again.
# Usage: standin/smoke.sh [EXE] [PORT]   (defaults: build/standin/qitong-standin 18998)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=${1:-$here/../build/standin/qitong-standin}
port=${2:-18998}
base=http://127.0.0.1:$port
log=$(mktemp)

"$exe" --port "$port" --data "$here/data" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 1 50); do curl -s -o /dev/null "$base/health" && break; sleep 0.1; done

# Every byte of the title percent-escaped, as the Windows client sends it.
search() { curl -s -w '\n%{http_code}' "$base/book/search/$(printf %s "$1" | od -An -tx1 -v | tr -d ' \n' | tr a-f A-F | sed 's/../%&/g')"; }

failures=0
judge() {  # what, body + LF + status, status, text the page must hold ('' for none), text it must not hold
  local status=${2##*$'\n'} body=${2%$'\n'*}
  if [ "$status" != "$3" ] || { [ -n "$4" ] && [[ $body != *"$4"* ]]; } || { [ -n "$5" ] && [[ $body == *"$5"* ]]; }; then
    echo "FAIL: $1 -> $status"; failures=$((failures + 1))
  fi
}
expect() { judge "$1" "$(search "$1" || true)" "$2" "$3" "$4"; }
#       title              status  must hold                   must not hold
expect  手工编织草帽        200     'title fl">找到12个“'        没有找到你要搜索的
expect  abc                200     'title fl">找到12个“'        没有找到你要搜索的
expect  不在目录里的标题     200     没有找到你要搜索的            'title fl">'
expect  出错的宝贝          500     ''                          'title fl">'
expect  验证页的宝贝        200     ''                          'title fl">'
expect  没有数字的宝贝      200     'title fl">找到个“'          没有找到你要搜索的
expect  两个标记的宝贝      200     'title fl">找到4个“'         ''
expect  断线的宝贝          000     ''                          ''
expect  两个标记的宝贝      200     没有找到你要搜索的            ''

start=$(date +%s%N)
expect  慢慢来的宝贝        200     'title fl">找到5个“'         ''
[ $(( ($(date +%s%N) - start) / 1000000 )) -ge 1900 ] || { echo "FAIL: slow answer came too soon"; failures=$((failures + 1)); }

[ "$(curl -s -o /dev/null -w '%{http_code}' "$base/maker/help.html")" = 200 ] || { echo "FAIL: maker page"; failures=$((failures + 1)); }
# The bootstrap pages under each mode; the forum page is GBK, compared as UTF-8.
page() {  # modes, path, encoding, status, must hold, must not hold
  curl -s -o /dev/null "$base/__config/set?$1"
  judge "$1 $2" "$(curl -s -w '\n%{http_code}' "$base$2" | iconv -f "$3" -t UTF-8 || true)" "$4" "$5" "$6"
}
#     modes           path               encoding  status  must hold                       must not hold
page  page1=good      /blog/qitong.html  UTF-8     200     "开始喽100|1|$base/|maker/|"     ''
page  page2=good      /bbs/qitong.html   GBK       200     "开始喽100|1|$base/|maker/|"     ''
page  page2=nomarkers /bbs/qitong.html   GBK       200     "100|1|$base/"                  喽
page  page1=nopipe    /blog/qitong.html  UTF-8     200     开始喽服务暂停                    '|'
page  page2=nostart   /bbs/qitong.html   GBK       200     download.html结束喽              开始喽
page  page1=noend     /blog/qitong.html  UTF-8     200     开始喽100                        结束喽
page  page1=down      /blog/qitong.html  UTF-8     000     ''                              ''
page  "page2=good&text=7%7C%7Bbase%7D" /bbs/qitong.html GBK 200     "开始喽7|$base/结束喽"            ''

# The settings server: scramble("abc") in, the scrambled GBK reply fields out.
curl -s -o /dev/null "$base/__config/reset"
reply=76e6f6479617c713b0e64c5b7fbc1dbcaa2d3e4cdb5b2d5d0d3dbb3cc73313c703c70313c73776e69647475637c7e69646e6164737d2
[ "$(curl -s -d data=b0e6362616 "$base/maker/peizhi.php")" = "$reply" ] || { echo "FAIL: settings reply"; failures=$((failures + 1)); }
[ "$(curl -s "$base/__config/last-settings-request")" = abc ] || { echo "FAIL: last settings request"; failures=$((failures + 1)); }

requests=$(curl -s "$base/__log")
grep -q '^GET /book/search/%E6%89%8B' <<<"$requests" || { echo "FAIL: request log"; failures=$((failures + 1)); }
grep -q '^data=b0e6362616$' <<<"$requests" || { echo "FAIL: settings request not logged"; failures=$((failures + 1)); }

[ "$failures" = 0 ] && echo "stand-in smoke check passed" || { echo "$failures failure(s)"; exit 1; }
