#!/usr/bin/env bash
# Starts or stops the print spooler the tests print through: cupsd with a
# cups-pdf queue "PDF" as the default printer, writing its PDFs to DIR/out.
# Usage: spooler.sh start|stop DIR      (as root, as in CI)
set -u
action=$1
dir=$2
conf=/etc/cups/cups-pdf.conf
mkdir -p "$dir"

fail() { echo "spooler: $*" >&2; exit 1; }

running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

case "$action" in
start)
  [ "$(id -u)" -eq 0 ] || fail "hace falta ser root para arrancar cupsd"
  command -v cupsd >/dev/null || fail "cupsd no está instalado (./test.sh lo instala)"
  [ -f /usr/lib/cups/backend/cups-pdf ] || fail "printer-driver-cups-pdf no está instalado"
  mkdir -p "$dir/out" /run/cups
  chmod 0777 "$dir/out"
  # The queue writes into our folder; the original settings come back at stop.
  if [ -f "$conf" ] && [ ! -f "$dir/cups-pdf.conf.orig" ]; then cp "$conf" "$dir/cups-pdf.conf.orig"; fi
  sed -i '/^Out /d' "$conf" 2>/dev/null || true
  echo "Out $dir/out" >> "$conf"
  rm -f "$dir/cupsd.pid"
  if ! running; then
    cupsd -f >"$dir/cupsd.log" 2>&1 &
    echo $! > "$dir/cupsd.pid"
    for _ in $(seq 100); do running && break; sleep 0.1; done
    running || fail "cupsd no arrancó (véase $dir/cupsd.log)"
  fi
  ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  [ -f "$ppd" ] || ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -1)
  lpadmin -p PDF -v cups-pdf:/ -P "$ppd" -o PageSize=A4 \
    -o pdftops-renderer-default=pdftocairo -o printer-is-shared=false -E || fail "lpadmin falló"
  lpadmin -d PDF || fail "lpadmin -d falló"
  cupsenable PDF 2>/dev/null; cupsaccept PDF 2>/dev/null
  echo "spooler: PDF queue ready, output in $dir/out"
  ;;
stop)
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    rm -f "$dir/cupsd.pid"
  fi
  if [ -f "$dir/cups-pdf.conf.orig" ]; then cp "$dir/cups-pdf.conf.orig" "$conf"; rm -f "$dir/cups-pdf.conf.orig"; fi
  echo "spooler: stopped"
  ;;
*) fail "usage: spooler.sh start|stop DIR" ;;
esac
