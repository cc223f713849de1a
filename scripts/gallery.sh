#!/usr/bin/env bash
# Writes a PNG of every window in its named states into OUTDIR, under a
# virtual X server, so they can be looked at before a window is called done.
#   bash scripts/gallery.sh OUTDIR
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:?usage: scripts/gallery.sh OUTDIR}
mkdir -p "$OUT"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
bash scripts/build.sh >/dev/null
# Each run gets a home of its own, so stored settings and recent files of
# the user (or of an earlier shot) do not change the pictures.
shot() {  # shot STATE
  local state=$1 home
  home=$(mktemp -d)
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    xvfb-run -a -s "-screen 0 1280x1024x24" ./build/stickwell --state "$state" --grab "$OUT/$state.png"
  rm -rf "$home"
  echo "$OUT/$state.png"
}
for state in $(QT_QPA_PLATFORM=offscreen ./build/stickwell --list-states); do
  shot "$state"
done
