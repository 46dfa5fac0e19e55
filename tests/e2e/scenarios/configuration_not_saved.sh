#!/usr/bin/env bash
# The link settings cannot be written (a folder stands where kyz424lx.ini and KYZ424.INI
# belong, as the Windows directory is to a standard user when nothing virtualises it):
# each action that writes says so once, in a box naming the file, and loses nothing else.
# The choice holds in memory for the run (the dialog shows it again, a host added stays
# listed), the data file the program has open stays byte for byte as it was, and the
# settings count as unchanged, so the program ends without asking to save. In kyz424lx:
# the interface, a host added and the port written as the TCP/IP dialog closes; in kyz424
# the interface.
source "$(dirname "$0")/../harness.sh"
mkdir "$INI" "$MFC_INI"
trap 'rm -rf "$INI" "$MFC_INI"; cleanup' EXIT
cp "$KYZ_SOURCE/tests/data/varied_lx.dat" "$OUT/settings.dat"
cp "$OUT/settings.dat" "$OUT/before.dat"
not_saved() {
  printf 'expect-box "設定ファイル C:\\\\windows\\\\%s に書き込めません。この変更は保存されず、次回の起動時には元に戻ります。" "Error" exclamation OK\nexpect-no-box 1\n' "$1"
}
export NOT_SAVED_LX NOT_SAVED_MFC
NOT_SAVED_LX="$(not_saved kyz424lx.ini)"
NOT_SAVED_MFC="$(not_saved KYZ424.INI)"

# Without a file both start on RS-232C: COM1 on a pseudo-terminal, one per program.
serial_rig
start_and_drive <<STEPS
menu 40002
open-dialog \${OUT}/settings.dat
menu 40006
dialog "インターフェイスの設定"
combo 1038 1
click 1
$NOT_SAVED_LX
expect-dialog-gone
menu 40006
dialog "インターフェイスの設定"
expect-combo-text 1038 "TCP/IP"
click 2
expect-dialog-gone
menu 40008
dialog "TCP/IPの設定（Client）"
ip-address 1044 10.0.0.9
click 1005
$NOT_SAVED_LX
expect-list 1045 "010 .000 .000 .009"
click 1
$NOT_SAVED_LX
expect-dialog-gone
menu 40008
dialog "TCP/IPの設定（Client）"
expect-list 1045 "010 .000 .000 .009"
expect-text 1046 "09004"
click 1
$NOT_SAVED_LX
expect-dialog-gone
close-main-window
expect-exit 10 0
STEPS
cmp "$OUT/before.dat" "$OUT/settings.dat"

end_programs
kill "$SOCAT_PID" 2>/dev/null || true
serial_rig
start_mfc_and_drive <<STEPS
menu 32774
open-dialog \${OUT}/settings.dat Open
menu 32778
dialog "インターフェイスの設定"
combo 1286 1
click 1
$NOT_SAVED_MFC
expect-dialog-gone
menu 32778
dialog "インターフェイスの設定"
expect-combo-text 1286 "TCP/IP"
click 2
expect-dialog-gone
close-main-window
expect-exit 10 0
STEPS
cmp "$OUT/before.dat" "$OUT/settings.dat"
