#!/usr/bin/env bash
# The release zip as an operator installs it: unpacked into a fresh folder of a fresh
# Wine prefix, kyz424lx and kyz424 start from there, show their main windows without an
# error box and end cleanly, kyz424ctl writes a data file, and each program is 32-bit and
# carries its VERSIONINFO with its own version. A file missing from the zip or a DLL the static
# build forgot fails here.
set -euo pipefail
# A command that stops the check says which one it was.
trap 'echo "${BASH_SOURCE[0]##*/}: line $LINENO failed: $BASH_COMMAND" >&2' ERR
top="$(cd "$(dirname "$0")/../.." && pwd)"
"$top/scripts/build" win gui_driver >/dev/null
zip="$(bash "$top/scripts/package" | tail -n 1)"
name="$(basename "$zip" .zip)"
version="${name#kyz424-}"
version="${version%-win32}"
edition_version="$(sed -n 's/^#define KYZ424_EDITION_VERSION_TEXT "\(.*\)"$/\1/p' \
  "$top/build/win/generated/kyz_version.h")"
root="$top/build/release-checks/release_zip"
rm -rf "$root"
mkdir -p "$root"
"$top/scripts/wine-env" start "$root/wine"
finish() {
  "$top/scripts/wine-env" stop "$root/wine"
  rm -rf "$root/wine/prefix" "$root/wine/prefix.ready"
}
trap finish EXIT
source "$top/scripts/wine-vars.sh" "$root/wine"

mkdir "$WINEPREFIX/drive_c/KYZ424"
python3 -m zipfile -e "$zip" "$WINEPREFIX/drive_c/KYZ424"
folder="$WINEPREFIX/drive_c/KYZ424/$name"
failures=0
check() {
  if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

for f in kyz424lx.exe kyz424.exe kyz424ctl.exe guide/operator-guide.html sample/sample.dat; do
  check "the zip holds $f" "[ -s '$folder/$f' ]"
done
for image in $(grep -o 'src="images/[^"]*"' "$folder/guide/operator-guide.html" | sed 's/src="//; s/"$//'); do
  check "the guide's picture $image is in the zip" "[ -s '$folder/guide/$image' ]"
done
for exe in "$folder"/*.exe; do
  # 32-bit programs: Windows keeps a standard user's ini files in the VirtualStore only
  # for those.
  check "$(basename "$exe") is a 32-bit Windows program" \
    "i686-w64-mingw32-objdump -f '$exe' | grep -q 'file format pei-i386'"
  own="$version"
  [ "$(basename "$exe")" = kyz424.exe ] && own="$edition_version"
  check "$(basename "$exe") names the product and version $own" \
    "strings -el '$exe' | grep -qx 'KYZ-424 configuration tool' && strings -el '$exe' | grep -qx '$own'"
done

# No serial port on a build machine: both programs start in TCP/IP mode.
printf '[KYZ-424LX_Section]\r\nInterface=1\r\n' >"$WINEPREFIX/drive_c/windows/kyz424lx.ini"
printf '[KYZ-424_Section]\r\nInterface=1\r\n' >"$WINEPREFIX/drive_c/windows/KYZ424.INI"
cat >"$root/steps.txt" <<STEPS
start C:\\KYZ424\\$name\\kyz424lx.exe
wait-main-window
expect-no-box 2
expect-title "KYZ-424 Client Program"
close-main-window
expect-exit 10 0
start C:\\KYZ424\\$name\\kyz424.exe
wait-main-window
expect-no-box 2
expect-title "Information scroller"
close-main-window
expect-exit 10 0
STEPS
check "kyz424lx and kyz424 start from the unpacked folder and end cleanly" \
  "wine '$top/build/win/tests/e2e/gui_driver.exe' '$root/steps.txt' >'$root/driver.log' 2>&1"
check "kyz424ctl writes a new data file" \
  "(cd '$folder' && wine kyz424ctl.exe new new.dat) >'$root/ctl.log' 2>&1 && [ \"\$(wc -l <'$folder/new.dat')\" -eq 531 ]"
[ "$failures" -eq 0 ] || { cat "$root/driver.log" "$root/ctl.log" 2>/dev/null; exit 1; }
echo "release zip: passed"
