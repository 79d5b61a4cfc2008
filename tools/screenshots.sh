#!/usr/bin/env bash
# Redraws the README's pictures into docs/: the windows on the demo data (on
# Xvfb, as a display shows them) and the test sheets of both programs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-shots -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DETIQUETAS_TESTS=OFF \
  -DETIQUETAS_SCREENSHOTS=ON >/dev/null
cmake --build build-shots
drive=$(mktemp -d)
chmod 0755 "$drive"
# A printer to show: the tests' own spooler, its PDF queue the default.
tests/spooler/spooler.sh start "$drive/spooler" >/dev/null
export CUPS_SERVER=$drive/spooler/cups.sock
trap 'tests/spooler/spooler.sh stop "$drive/spooler" >/dev/null; rm -rf "$drive"' EXIT
mkdir -p "$drive/CLIENTE/CATALOG/FILES/BIB50/PRINT" "$drive/usuario"
cp demo/itemlbl.prn "$drive/CLIENTE/CATALOG/FILES/BIB50/PRINT/"
cp demo/ini.prn demo/cy.txt "$drive/"
export ETIQUETAS_UNIDAD_C="$drive" XDG_CONFIG_HOME="$drive/usuario" XDG_DATA_HOME="$drive/datos"
xvfb-run -a -s "-screen 0 1280x1024x24" build-shots/tools/screenshots/screenshots "$PWD/docs"
for program in lomos fichas; do
  "build-shots/$program/$program" --pdf "$drive/$program.pdf" --test-sheet
  pdftoppm -r 60 -png -singlefile "$drive/$program.pdf" "docs/$program-hoja-de-prueba"
done
