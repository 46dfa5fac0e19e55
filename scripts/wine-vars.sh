# Sourced with the Wine root folder of a build tree as $1: sets the environment every
# Wine call of ours uses (the tree's own prefix, quiet Wine, no Mono or Gecko prompts,
# and the Xvfb display that scripts/wine-env started, when there is one).
export WINEPREFIX="$1/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
if [ -z "${KYZ_KEEP_DISPLAY:-}" ] && [ -f "$1/display" ]; then
  DISPLAY="$(cat "$1/display")"
  export DISPLAY
fi
