#!/usr/bin/env bash
# The main job: builds the program and shows the bundled example design.
set -euo pipefail
cd "$(dirname "$0")/.."
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
bash scripts/build.sh
./build/stickwell-cli info data/examples/address-label.lpd
