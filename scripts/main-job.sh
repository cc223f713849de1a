#!/usr/bin/env bash
# The main job: builds everything and prints the bundled address labels
# (120 made-up addresses, 30 per Letter sheet) to labels.pdf.
set -euo pipefail
cd "$(dirname "$0")/.."
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
bash scripts/build.sh
./build/stickwell-cli print data/examples/address-label.lpd -o labels.pdf --pages 4
echo "labels.pdf: $(pdfinfo labels.pdf 2>/dev/null | sed -n 's/^Pages: *//p') pages"
