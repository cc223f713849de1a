#!/usr/bin/env bash
# Stops and removes the cluster postgres-start.sh started. Usage: postgres-stop.sh STATE_DIR
set -uo pipefail
STATE=$1
[ -f "$STATE/dir" ] || exit 0
DIR=$(cat "$STATE/dir")
PGBIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
if [ -n "$PGBIN" ] && [ -d "$DIR/data" ]; then
  if [ "$(id -u)" = 0 ]; then
    runuser -u postgres -- "$PGBIN/pg_ctl" -D "$DIR/data" -m immediate stop
  else
    "$PGBIN/pg_ctl" -D "$DIR/data" -m immediate stop
  fi
fi
case "$DIR" in /tmp/*|"${TMPDIR:-/tmp}"/*) rm -rf "$DIR" ;; esac
rm -f "$STATE/dir"
exit 0
