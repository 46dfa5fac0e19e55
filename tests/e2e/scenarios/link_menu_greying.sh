#!/usr/bin/env bash
# The "設定" menu offers the link items that fit the interface: in RS-232C mode the
# COM port item opens its dialog and the client/server and TCP/IP items do nothing;
# after switching to TCP/IP the next opening of the menu shows the reverse. Menus of
# another process cannot be read under Wine, so this is checked through the keyboard.
# Menu rows of "設定": KYZの設定, separator, インターフェイスの設定, RS-232Cの設定,
# クライアント/サーバー, TCP/IPの設定.
source "$(dirname "$0")/../harness.sh"
serial_rig
configure Interface=0
start_and_drive <<'STEPS'
# RS-232C: "RS-232Cの設定" opens its dialog.
keys alt right down down down enter
dialog "通RS-232Cの設定"
expect-combo 1035 0
click 2
expect-dialog-gone
# "クライアント/サーバー" is greyed: nothing opens.
keys alt right down down down down enter
expect-no-dialog "クライアント/サーバー" 1.5
keys escape escape escape
# Switch to TCP/IP.
menu 40006
dialog "インターフェイスの設定"
expect-combo 1038 0
combo 1038 1
click 1
expect-dialog-gone
# Now "RS-232Cの設定" is greyed and "クライアント/サーバー" opens.
keys alt right down down down enter
expect-no-dialog "通RS-232Cの設定" 1.5
keys escape escape escape
keys alt right down down down down enter
dialog "クライアント/サーバー"
expect-combo 1043 0
combo 1043 1
click 1
expect-dialog-gone
# The title follows the role once the dialog has closed.
expect-title "KYZ-424 Server Program"
STEPS
grep -q '^Interface=1' "$INI" || { echo "the interface choice was not written"; exit 1; }
grep -q '^ClientServer=1' "$INI" || { echo "the role was not written"; exit 1; }
