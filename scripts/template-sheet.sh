#!/usr/bin/env bash
# Renders every region of every bundled template (data/templates) with
# stickwell-cli and puts them on one contact sheet, to look at them together.
#   bash scripts/template-sheet.sh [OUT.png] [--filled]     (default /tmp/templates.png)
# --filled shows them with sample personal data merged in, as the wizard makes them.
# Needs the tools built: BUILD_DIR=build-tools bash scripts/build.sh -DSTICKWELL_TOOLS=ON
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-/tmp/templates.png}
CLI=${STICKWELL_CLI:-./build/stickwell-cli}
SHEET=${STICKWELL_SHEET:-./build-tools/tools/make_contact_sheet}
CONTENT=${STICKWELL_CONTENT:-./build-tools/tools/make_content}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
SOURCE=data/templates
PATTERN='*.cct'
if [ "${2:-}" = --filled ]; then
  "$CONTENT" --samples data "$WORK/filled" >/dev/null
  SOURCE="$WORK/filled"
  PATTERN='*.lpd'
fi
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
  entries+=("$family / $(basename "$(dirname "$template")") / $(basename "${template%.*}")" "$pictures")
done < <(find "$SOURCE" -name "$PATTERN" -print0 | sort -z)
"$SHEET" "$OUT" "${entries[@]}"
echo "$OUT: $n templates"
