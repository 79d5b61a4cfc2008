#!/usr/bin/env bash
# Builds lomos and starts it on the demo data: a drive C laid out inside the
# build folder with a print file of 50 items, a settings file that points at
# it, and the default coordinate file.
#   ./demo.sh            opens lomos
#   ./demo.sh fichas     opens fichas (once it is built)
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DETIQUETAS_TESTS=OFF >/dev/null
cmake --build build

drive="$PWD/build/unidad-c-demo"
rm -rf "$drive"
mkdir -p "$drive/CLIENTE/CATALOG/FILES/BIB50/PRINT"
cp demo/itemlbl.prn "$drive/CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"
cp demo/ini.prn demo/cy.txt "$drive/"
export ETIQUETAS_UNIDAD_C="$drive"
# The demo's jobs are kept beside it, not among the user's own.
export XDG_DATA_HOME="$PWD/build/datos-demo"

program=${1:-lomos}
case "$program" in
  lomos) exe=build/lomos/lomos ;;
  fichas) exe=build/fichas/fichas ;;
  *) echo "Programa desconocido: $program (lomos o fichas)" >&2; exit 1 ;;
esac
[ -x "$exe" ] || { echo "No está construido: $exe" >&2; exit 1; }

echo "Unidad C de demostración: $drive"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  "$exe" --pdf "$PWD/build/demo-$program.pdf" || true
  echo "No hay pantalla (DISPLAY no está definido), así que no se puede abrir la ventana de $program."
  echo "Las hojas de la demostración quedaron en build/demo-$program.pdf."
  echo "Con una pantalla, vuelva a ejecutar ./demo.sh $program."
  exit 0
fi
exec "$exe"
