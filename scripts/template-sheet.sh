#!/usr/bin/env bash
# Renders every region of every bundled template (data/templates) with
# stickwell-cli and puts them on one contact sheet, to look at them together.
#   bash scripts/template-sheet.sh [OUT.png]        (default /tmp/templates.png)
# Needs the tools built: BUILD_DIR=build-tools bash scripts/build.sh -DSTICKWELL_TOOLS=ON
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-/tmp/templates.png}
CLI=${STICKWELL_CLI:-./build/stickwell-cli}
SHEET=${STICKWELL_SHEET:-./build-tools/tools/make_contact_sheet}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
entries=()
n=0
while IFS= read -r -d '' template; do
  n=$((n + 1))
  pictures=""
  for region in 0 1 2; do
    if "$CLI" render "$template" -o "$WORK/$n-$region.png" --region "$region" 2>/dev/null; then
      pictures+="$WORK/$n-$region.png:"
    fi
  done
  family=$(basename "$(dirname "$(dirname "$template")")")
  entries+=("$family / $(basename "$(dirname "$template")") / $(basename "$template" .cct)" "$pictures")
done < <(find data/templates -name '*.cct' -print0 | sort -z)
"$SHEET" "$OUT" "${entries[@]}"
echo "$OUT: $n templates"
