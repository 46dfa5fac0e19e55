#!/usr/bin/env bash
# "情報" → "KYZ424LXのﾊﾞｰｼﾞｮﾝ情報" shows the version and closes with OK.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
version="$(sed -n 's/^#define KYZ_VERSION_TEXT "\(.*\)"$/\1/p' "${KYZ_VERSION_HEADER:?}")"
start_and_drive <<STEPS
menu 152
dialog "KYZ424LXのﾊﾞｰｼﾞｮﾝ情報"
expect-text 1001 "KYZ424LX Version ${version:?}"
click 1
expect-dialog-gone
STEPS
