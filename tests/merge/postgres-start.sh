#!/usr/bin/env bash
# Starts a throwaway PostgreSQL cluster on 127.0.0.1:PORT for the merge tests.
# Usage: postgres-start.sh STATE_DIR PORT. The cluster's folder is noted in
# STATE_DIR/dir so postgres-stop.sh can stop and remove it.
set -euo pipefail
STATE=$1
PORT=$2
PGBIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
if [ -z "$PGBIN" ]; then
  echo "PostgreSQL server binaries not found under /usr/lib/postgresql (install the postgresql package)" >&2
  exit 1
fi
# A cluster left over from an interrupted run goes first.
if [ -f "$STATE/dir" ]; then bash "$(dirname "$0")/postgres-stop.sh" "$STATE" || true; fi
mkdir -p "$STATE"
DIR=$(mktemp -d)
echo "$DIR" > "$STATE/dir"
# initdb refuses to run as root: run the server as the postgres user then.
if [ "$(id -u)" = 0 ]; then
  chown postgres "$DIR"
  AS=(runuser -u postgres --)
else
  AS=()
fi
"${AS[@]}" "$PGBIN/initdb" -D "$DIR/data" -U tester -A trust --no-sync -E UTF8 --locale=C.UTF-8 >"$DIR/initdb.log" 2>&1 || {
  cat "$DIR/initdb.log" >&2; echo "initdb failed" >&2; exit 1; }
"${AS[@]}" "$PGBIN/pg_ctl" -D "$DIR/data" -l "$DIR/log" -w -t 60 \
  -o "-c listen_addresses=127.0.0.1 -p $PORT -k $DIR -c fsync=off" start || {
  cat "$DIR/log" >&2 || true; echo "PostgreSQL did not start on 127.0.0.1:$PORT" >&2; exit 1; }
echo "PostgreSQL test server running on 127.0.0.1:$PORT ($DIR)"
