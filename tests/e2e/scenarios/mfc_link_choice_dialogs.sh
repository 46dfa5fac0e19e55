#!/usr/bin/env bash
# kyz424's interface and RS-232C dialogs act at once: started on TCP/IP (no port open),
# choosing "RS-232C" opens COM1 with its reader, so the next "設定" reaches the sign and
# its answer comes back; a read-back started after the sheet has closed ends with its
# "読み込み完了" box; the menu then offers "RS-232Cの設定", where choosing "COM 2"
# (no device behind it) stops the reader and reopens at once, reporting each failing
# step in the error box, then writes "com_port". Pictures: out/mfc_link_choice_dialogs/.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
COM2="$WINEPREFIX/dosdevices/com2"
rm -f "$COM2"
ln -s "$OUT/no-such-device" "$COM2"
trap 'rm -f "$COM2"; cleanup' EXIT
configure_mfc Interface=1
start_mfc_and_drive <<'STEPS'
menu 32778
dialog "インターフェイスの設定"
save-screen ${OUT}/interface.bmp
expect-combo-text 1286 "TCP/IP"
combo 1286 0
click 1
expect-dialog-gone
menu 32771
dialog "File Name "
sheet-page "表示位置微調整"
combo 40100 3
expect-combo-text 40100 "03"
click 40101
expect-received-exactly ${RECEIVED} "PVB03\r\n"
expect-box "Success" "設定完了" none OK
dialog "File Name "
click 1
expect-dialog-gone
menu 32780
dialog "設定項目の読み込み"
click 1005
expect-box "Success" "読み込み完了" none OK 40
expect-dialog-gone
expect-no-box 1
# With RS-232C chosen, the menu's "RS-232Cの設定" (its fourth row) opens.
keys alt right down down down enter
dialog "RS-232Cの設定"
save-screen ${OUT}/serial_port.bmp
expect-combo-text 1285 "COM 1"
combo 1285 1
click 1
expect-box "Miss! File Open" "Error" stop OK
expect-box "Miss! Mask Set" "Error" stop OK
expect-box "Miss! Buffer Set" "Error" stop OK
expect-box "Miss! Time Out Set" "Error" stop OK
expect-box "Miss! Set Comm State" "Error" stop OK
expect-dialog-gone
STEPS
tr -d '\r' <"$MFC_INI" >"$OUT/KYZ424.INI"
grep -qx Interface=0 "$OUT/KYZ424.INI"
grep -qx com_port=1 "$OUT/KYZ424.INI"
for picture in "$OUT"/*.bmp; do convert "$picture" "${picture%.bmp}.png" && rm "$picture"; done
