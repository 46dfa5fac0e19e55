#!/usr/bin/env bash
# Every window of both programs whole at the screen's scale (this check runs in a Wine
# prefix set to 150 %, 144 DPI): each main window lies on the screen with its front
# panel inside the client area as laid out, and each dialog its menu opens (every page
# of kyz424's property sheet) lies on the screen with every control inside its client
# area. Each window's picture is kept as out/<this check>/<program>[-server]-<name>.png.
source "$(dirname "$0")/../harness.sh"

# The windows: program, the name its pictures start with, its settings, then each menu
# command and the name of its dialog's picture.
mapfile -t windows <<'WINDOWS'
kyz424lx kyz424lx Interface=1,ClientServer=0 40010:title 40011:scroll-speed 40012:character-colour 40013:background-fill 40049:character-level 40014:display-position 40015:fine-position 40016:sequence-pages 40017:clock-date 40018:schedule 40019:other-settings 40020:alarm 40021:remote 40006:interface 40007:rs232c 40179:client-server 40008:tcp-client 40009:all-items 40180:read-back 152:version
kyz424lx kyz424lx-server Interface=1,ClientServer=1 40008:tcp-server
kyz424 kyz424 Interface=1 32771:sheet 32778:interface 32772:rs232c 32779:tcp-client 32777:all-items 32780:read-back 57664:version
WINDOWS

for row in "${windows[@]}"; do
  read -r program pictures settings commands <<<"$row"
  IFS=, read -r -a pairs <<<"$settings"
  if [ "$program" = kyz424 ]; then
    configure_mfc "${pairs[@]}"
    windows_version winxp64  # kyz424's TCP/IP dialog opens only there
    start="start \${KYZ424_EXE}"
  else
    configure "${pairs[@]}"
    start="start"
  fi
  {
    printf '%s\nwait-main-window\nsleep 300\nexpect-whole main\nexpect-panel\n' "$start"
    printf 'save-picture main ${OUT}/%s-main.bmp\n' "$pictures"
    for command in $commands; do
      id="${command%%:*}" name="${command#*:}"
      printf 'menu %s\nany-dialog\n' "$id"
      if [ "$name" = sheet ]; then
        printf 'expect-every-page-whole ${OUT}/%s-sheet-page\n' "$pictures"
      else
        printf 'expect-whole dialog\nsave-picture dialog ${OUT}/%s-%s.bmp\n' "$pictures" "$name"
      fi
      printf 'dialog-keys escape\nexpect-dialog-gone\n'
    done
  } | drive
  end_programs
done

for bmp in "$OUT"/*.bmp; do convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"; done
