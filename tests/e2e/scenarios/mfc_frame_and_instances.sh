#!/usr/bin/env bash
# kyz424 under Wine's default Windows 10: the frame is 206 pixels high with the front
# panel in its view (kept as out/mfc_frame_and_instances/kyz424.png); in TCP/IP mode the
# menu's "RS-232Cの設定" is greyed and "TCP/IPの設定" refuses with
# "このOSでは､動作しません！" and opens no dialog; ten right clicks in a row in the
# screen's corner open the read-back notice; a second start is refused with
# "既に起動しています。", and so is one of two starts at the same moment; with the
# program's own mutex held by another process the start is refused with
# "2重起動はできません".
source "$(dirname "$0")/../harness.sh"
# Wine's default, also when a scenario that chose another version was cut short.
windows_version win10
configure_mfc Interface=1
start_mfc_and_drive <<STEPS
expect-title "Information scroller"
expect-window-height 206
sleep 500
expect-panel
expect-file-name blank
# Rows of "設定": KYZの設定, separator, インターフェイスの設定, RS-232Cの設定, TCP/IPの設定
# (menus of another process cannot be read under Wine: the keyboard tells).
keys alt right down down down enter
expect-no-dialog "RS-232Cの設定" 1.5
keys escape escape escape
keys alt right down down down down enter
expect-box "このOSでは､動作しません！" "Error" stop OK
expect-no-dialog "TCP/IPの設定" 1
menu 57664
dialog "KYZ424のﾊﾞｰｼﾞｮﾝ情報"
save-screen \${OUT}/version.bmp
click 1
expect-dialog-gone
# The maintenance shortcut: ten right clicks in a row in the corner; one on the panel
# in between starts the count again.
$(corner_clicks 5)
right-click 300 100
$(corner_clicks 9)
expect-no-dialog "設定項目の読み込み" 0.5
right-click 5 5
dialog "設定項目の読み込み"
click 2
expect-dialog-gone
start \${KYZ424_EXE}
expect-box "既に起動しています。" "KYZ424" none OK
expect-exit 10
expect-running
expect-instances 1
STEPS
import -window root "$OUT/kyz424.png"
convert "$OUT/version.bmp" "$OUT/version.png" && rm "$OUT/version.bmp"
end_programs

drive <<'STEPS'
start ${KYZ424_EXE}
start ${KYZ424_EXE}
expect-box "既に起動しています。" "KYZ424" none OK
expect-ended 1 10
expect-no-box 1
expect-instances 1
STEPS
end_programs

drive <<'STEPS'
hold-mutex KYZ424
start ${KYZ424_EXE}
expect-box "2重起動はできません" "Error" stop OK
expect-exit 10
expect-instances 0
STEPS
