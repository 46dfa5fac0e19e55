#!/usr/bin/env bash
# Over TCP, connected through the client dialog to signsim on 127.0.0.1: a "設定" of each
# settings dialog family reaches the sign as its command, and the socket reply handler
# shows the sign's answer ("Socket ＯＫ", or "Socket Command" for the one answered E3).
# Then the sign closes the connection while no TCP/IP dialog is open: the link is seen to
# end, the client dialog offers "接続" again, and a further "設定" says there is no link.
source "$(dirname "$0")/../harness.sh"

# title_form FORM CODE: page 1's title as the sign gets it, the JIS code of one
# character padded with full-width spaces to 98 codes.
title_form() { printf '%s01%s%s' "$1" "$2" "$(printf '2121%.0s' $(seq 97))"; }
days() { printf "$1%.0s" $(seq 31); }

# menu | dialog caption | steps choosing the value (";" between) | "設定" button | command
families=(
  "40017|時計＆日付けの設定|combo 40149 5|40150|TSR6"
  "40019|その他の設定|combo 40023 6|40044|P07"
  "40015|表示位置微調整|combo 40098 15|40099|PVT15"
  "40020|アラーム|type 40170 123|40174|ADT123"
  "40021|リモート|combo 40177 1|40178|RMBIN"
  "40010|情報（タイトル）の設定|combo 40023 0;type 40022 あ|40025|$(title_form CA 2422)"
  "40010|情報（タイトル）の設定|type 40022 い|40024|$(title_form CN 2424)"
  "40018|スケジュールの設定|combo 40151 0|40156|SDTT$(days 09121518)"
  "40016|シ－ケンス・ページの設定|toggle 40104|40025|PTSPLLS$(printf 'L%.0s' $(seq 29))"
)
answered_e3=4  # the alarm's command

RECEIVED="$OUT/received.bin"
signsim_on_tcp --raw-log "$RECEIVED" --error-reply E3 --on-command "$answered_e3" \
  --close-after "${#families[@]}"
configure Interface=1 ClientServer=0 port_number="$TCP_PORT"

steps="$OUT/family_steps.txt"
expected=""
: >"$steps"
n=0
for family in "${families[@]}"; do
  IFS='|' read -r menu caption choice button command <<<"$family"
  n=$((n + 1))
  box='"Socket ＯＫ" "Success" none OK'
  [ "$n" -eq "$answered_e3" ] && box='"Socket Command" "Error" exclamation OK'
  printf 'menu %s\ndialog "%s"\n%s\nclick %s\nexpect-box %s\nclick 2\nexpect-dialog-gone\n' \
    "$menu" "$caption" "${choice//;/$'\n'}" "$button" "$box" >>"$steps"
  expected+="$command\\r\\n"
done

start_and_drive < <(tcp_connect_steps
cat "$steps"
cat <<STEPS
expect-received-exactly \${RECEIVED} "$expected"
menu 40008
dialog "TCP/IPの設定（Client）"
expect-enabled 1049 1
expect-enabled 1048 0
click 1
expect-dialog-gone
menu 40021
dialog "リモート"
click 40178
expect-box "Socket が接続されていません" "Error" exclamation OK
click 2
expect-dialog-gone
expect-received-exactly \${RECEIVED} "$expected"
STEPS
)
