#!/usr/bin/env bash
# Starts or stops the tests' own print spooler: a cupsd with its own
# configuration, state, logs and socket, as CUPS's own test suite runs its
# server. Nothing under /etc is read or changed and no port is opened, so
# the suites of two clones run at once on one machine. Its queue "PDF", the
# default printer, keeps each job as DIR/out/job-N.pdf; a second queue,
# "Oficina", in DIR/out-oficina. Three more stand for the printers labels
# go to, each in DIR/out-NAME: "LW450", a Dymo LabelWriter 450, and "QL570",
# a Brother QL-570, described by Debian's own drivers, and "Laser", a laser
# that does not print the outer 6.35 mm across and 12.7 mm at the top. Their
# filters are replaced so that each job's PDF is kept as the driver's page
# sizes and margins shaped it. Programs reach it with
# CUPS_SERVER=DIR/cups.sock.
#
# As root, cupsd runs the filters and the backend as lp, who may not enter
# the folders of a clone in a home folder (mode 0700). So the spooler's
# files live in a folder of their own under the system's temporary folder,
# which lp may enter, and DIR is a link to it; stopping removes both.
#   spooler.sh start|stop DIR
set -u
action=$1
link=$2
here=$(cd "$(dirname "$0")" && pwd)
export CUPS_SERVER=$link/cups.sock
dir=$(readlink -f "$link" 2>/dev/null || true)

fail() { echo "spooler: $*" >&2; exit 1; }
running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

stop() {
  if [ -f "$link/cupsd.pid" ]; then
    local pid
    pid=$(cat "$link/cupsd.pid")
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  # Only a folder this script made is removed.
  if [ -L "$link" ]; then
    [ -f "$dir/.etiquetas-cups" ] && rm -rf "$dir"
    rm -f "$link"
  fi
}

configure() {
  # As root, the filters and the backend run as lp; otherwise as the user.
  local users
  if [ "$(id -u)" -eq 0 ]; then
    users=$'User lp\nGroup lp\nSystemGroup root'
  else
    users="User $(id -un)"$'\n'"SystemGroup $(id -gn)"
  fi
  dir=$(mktemp -d "${TMPDIR:-/tmp}/etiquetas-cups.XXXXXX") || fail "no se pudo crear su carpeta"
  rm -rf "$link" && mkdir -p "$(dirname "$link")" && ln -s "$dir" "$link" ||
    fail "no se pudo enlazar $link"
  touch "$dir/.etiquetas-cups"
  mkdir -p "$dir/conf/ppd" "$dir/state" "$dir/cache" "$dir/spool/tmp" "$dir/log" \
    "$dir/bin/backend" "$dir/out"
  # The filters and the backend need to reach the folder.
  chmod 0755 "$dir"
  chmod 0777 "$dir/out"
  for sub in filter daemon cgi-bin monitor notifier; do
    ln -s "/usr/lib/cups/$sub" "$dir/bin/$sub"
  done
  install -m 0755 "$here/keep-backend" "$dir/bin/backend/keep"
  cat > "$dir/conf/cups-files.conf" <<EOF
$users
ServerRoot $dir/conf
StateDir $dir/state
CacheDir $dir/cache
DataDir /usr/share/cups
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/spool/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
EOF
  cat > "$dir/conf/cupsd.conf" <<EOF
Listen $dir/cups.sock
Browsing Off
LogLevel warn
MaxLogSize 0
<Policy default>
<Limit All>
Order Allow,Deny
</Limit>
</Policy>
EOF
}

# A driver's printer description, its filters replaced by one that keeps the
# job's PDF: what the programs ask of the driver (page sizes, margins) is
# the driver's own.
keeping() {
  "$@" | sed '/^\*cupsFilter/d; /^\*cupsPreFilter/d' |
    awk '/^\*ModelName/ { print; print "*cupsFilter2: \"application/vnd.cups-pdf application/pdf 0 -\""; next } 1'
}

label_printers() {
  keeping /usr/lib/cups/driver/dymo cat dymo:0/cups/model/lw450.ppd >"$dir/conf/lw450.ppd" &&
    keeping /usr/lib/cups/driver/ptouch cat ptouch:0/ppd/ptouch-driver/Brother-QL-570-ptouch-ql.ppd \
      >"$dir/conf/ql570.ppd" &&
    sed 's|0 0 595 842|18 12 577 806|; s|0 0 612 792|18 12 594 756|; s|Etiquetas PDF|Etiquetas Laser|' \
      "$here/pdf-queue.ppd" >"$dir/conf/laser.ppd" ||
    fail "no se pudieron preparar las descripciones de las impresoras de etiquetas"
  for queue in LW450:lw450 QL570:ql570 Laser:laser; do
    mkdir -p "$dir/out-${queue#*:}" && chmod 0777 "$dir/out-${queue#*:}"
    said=$(lpadmin -p "${queue%%:*}" -v "keep:$dir/out-${queue#*:}" -P "$dir/conf/${queue#*:}.ppd" \
      -o printer-is-shared=false -E 2>&1) || fail "lpadmin no creó la cola $queue: $said"
  done
}

case "$action" in
start)
  command -v cupsd >/dev/null || fail "cupsd no está instalado (./test.sh lo instala)"
  [ ${#CUPS_SERVER} -lt 100 ] || fail "la ruta del socket es demasiado larga: $CUPS_SERVER"
  stop
  configure
  cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
  echo $! > "$dir/cupsd.pid"
  for _ in $(seq 100); do running && break; sleep 0.1; done
  running || fail "cupsd no arrancó: $(cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null)"
  # lpadmin warns that printer descriptions are deprecated: said once, here.
  for queue in PDF:out Oficina:out-oficina; do
    mkdir -p "$dir/${queue#*:}" && chmod 0777 "$dir/${queue#*:}"
    said=$(lpadmin -p "${queue%%:*}" -v "keep:$dir/${queue#*:}" -P "$here/pdf-queue.ppd" \
      -o PageSize=A4 -o printer-is-shared=false -E 2>&1) || fail "lpadmin no creó la cola $queue: $said"
  done
  label_printers
  lpadmin -d PDF || fail "lpadmin -d falló"
  if [ "$(id -u)" -eq 0 ] && ! runuser -u lp -- test -w "$dir/out"; then
    fail "el usuario lp no llega a $dir/out: alguna carpeta de la ruta no se puede atravesar"
  fi
  echo "spooler: the PDF queue is the default; CUPS_SERVER=$CUPS_SERVER, jobs in $dir/out"
  ;;
stop)
  stop
  echo "spooler: stopped"
  ;;
*) fail "usage: spooler.sh start|stop DIR" ;;
esac
