#!/usr/bin/env bash
# Penlark online on one machine: builds what is missing, starts a local
# penlark-server (once; every device on this machine shares it) and Penlark
# against it. Another HOME folder acts as another device, with a TMPDIR of
# its own below that HOME (Penlark's single-instance guard lives in TMPDIR;
# without it the second start would only raise the first device's window):
#
#   scripts/online.sh                        # a first device
#   HOME=/tmp/second-device scripts/online.sh
#   scripts/online.sh --stop                 # stops the shared server
#
# The server keeps its data in build/server-data (PENLARK_SERVER_DATA
# chooses another folder); its log is server.log there.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
data=${PENLARK_SERVER_DATA:-$root/build/server-data}
pid_file=$data/server.pid
port_file=$data/server.port

running() { [ -f "$pid_file" ] && kill -0 "$(cat "$pid_file")" 2>/dev/null; }

if [ "${1:-}" = "--stop" ]; then
  if running; then kill "$(cat "$pid_file")"; echo "penlark-server stopped"; fi
  rm -f "$pid_file" "$port_file"
  exit 0
fi

if [ ! -x build/penlark ] || [ ! -x build/server/penlark-server ]; then
  bash scripts/setup.sh
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build --target penlark penlark-server
fi

mkdir -p "$data"
if ! running; then
  # A feed of the current release, so the update check has an answer.
  feed=$data/update/linux/Master/repository/Updates.xml
  if [ ! -f "$feed" ]; then
    mkdir -p "$(dirname "$feed")"
    printf '<?xml version="1.0"?>\n<Updates><PackageUpdate><Name>penlark</Name><Version>2.0.13</Version><ReleaseDate>%s</ReleaseDate><UpdateText></UpdateText></PackageUpdate></Updates>\n' \
      "$(date +%F)" > "$feed"
  fi
  log=$data/server.log
  offset=$(stat -c %s "$log" 2>/dev/null || echo 0)
  build/server/penlark-server --port 0 --data "$data" >> "$log" 2>&1 &
  echo $! > "$pid_file"
  port=
  for _ in $(seq 100); do
    port=$(tail -c +$((offset + 1)) "$log" | sed -n 's|.*listening on http://127\.0\.0\.1:\([0-9]*\).*|\1|p' | head -1)
    [ -n "$port" ] && running && break
    sleep 0.1
  done
  if [ -z "$port" ]; then echo "penlark-server did not start; see $data/server.log" >&2; exit 1; fi
  echo "$port" > "$port_file"
  echo "penlark-server on http://127.0.0.1:$port (stop it with: scripts/online.sh --stop)"
fi

export PENLARK_SERVER=http://127.0.0.1:$(cat "$port_file")
if [ "$HOME" != "$(getent passwd "$(id -u)" | cut -d: -f6)" ]; then
  export TMPDIR=$HOME/.penlark-tmp
  mkdir -p "$TMPDIR"
fi
exec build/penlark "$@"
