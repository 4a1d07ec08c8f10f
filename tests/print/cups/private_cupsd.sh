#!/usr/bin/env bash
# A print server of the tests' own: cupsd with its configuration, spool and
# socket in one folder, and one queue on Debian's cups-pdf driver.
#   private_cupsd.sh start FOLDER QUEUE   starts it; prints the socket's path
#   private_cupsd.sh stop FOLDER          stops it and removes the folder
# Needs root (cups-pdf's backend runs as root) and the cups and
# printer-driver-cups-pdf packages.
set -euo pipefail

command=$1
folder=$2

stop() {
  if [ -f "$folder/cupsd.pid" ]; then
    pid=$(cat "$folder/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -rf "$folder"
}

if [ "$command" = stop ]; then
  stop
  exit 0
fi

queue=$3
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1 || true)
[ "$(id -u)" -eq 0 ] || { echo "not root" >&2; exit 2; }
[ -x /usr/sbin/cupsd ] || { echo "cupsd is not installed" >&2; exit 2; }
[ -n "$ppd" ] || { echo "the cups-pdf driver is not installed" >&2; exit 2; }
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "the cups-pdf backend is not installed" >&2; exit 2; }

mkdir -p "$folder"/{etc,spool,tmp,run,cache,log}
chmod 755 "$folder"
chmod 1777 "$folder/tmp"  # the filters run as lp
cat >"$folder/etc/cups-files.conf" <<CONF
ServerRoot $folder/etc
RequestRoot $folder/spool
TempDir $folder/tmp
StateDir $folder/run
CacheDir $folder/cache
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice No
Sandboxing Relaxed
SystemGroup root
CONF
cat >"$folder/etc/cupsd.conf" <<CONF
Listen $folder/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

/usr/sbin/cupsd -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" -f \
  >"$folder/log/cupsd.out" 2>&1 </dev/null &
echo $! >"$folder/cupsd.pid"
for _ in $(seq 100); do [ -S "$folder/cups.sock" ] && break; sleep 0.1; done
if [ ! -S "$folder/cups.sock" ]; then
  echo "cupsd did not start: $(cat "$folder/log/cupsd.out" "$folder/log/error_log" 2>/dev/null | tail -n 5)" >&2
  stop
  exit 3
fi
if ! CUPS_SERVER="$folder/cups.sock" /usr/sbin/lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>"$folder/log/lpadmin.out"; then
  echo "lpadmin failed: $(cat "$folder/log/lpadmin.out")" >&2
  stop
  exit 3
fi
echo "$folder/cups.sock"
