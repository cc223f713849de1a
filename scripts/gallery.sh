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
shot() {  # shot NAME [program arguments...]
  local name=$1; shift
  xvfb-run -a -s "-screen 0 1280x1024x24" ./build/stickwell "$@" --grab "$OUT/$name.png"
  echo "$OUT/$name.png"
}
shot main-window-empty
