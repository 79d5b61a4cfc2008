#!/usr/bin/env bash
# The install tree `cmake --install` makes: both programs, their menu entries
# (valid, and naming icons that are installed), icons, manual pages and the
# documents Debian asks for. Prints a line per check and "N passed, N failed".
#   install_test.sh BUILD_DIR
set -uo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export ETIQUETAS_UNIDAD_C=$root/c  # the programs make their drive C at start
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || { echo "cmake --install failed"; exit 1; }
passed=0; failed=0
check() { if "${@:2}" >/dev/null 2>&1; then passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); fi; }
for program in lomos fichas; do
  check "$program installed" test -x "$root/usr/bin/$program"
  check "$program --version" bash -c "'$root/usr/bin/$program' --version | grep -qx '$program [0-9.]*'"
  check "$program --help" bash -c "'$root/usr/bin/$program' --help | grep -q '^Uso: $program --pdf ARCHIVO.pdf'"
  desktop=$root/usr/share/applications/$program.desktop
  check "$program.desktop valid" desktop-file-validate "$desktop"
  check "$program.desktop in the Office menu" grep -qx 'Categories=Office;' "$desktop"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  check "$program.desktop icon installed" test -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg"
  for size in 16 22 24 32 48 64 128 256; do
    check "$program icon $size" test -f "$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png"
  done
  check "man $program" bash -c "zcat '$root/usr/share/man/man1/$program.1.gz' | grep -q '^.SH ESTADO DE SALIDA'"
done
check "lomos.desktop name" grep -qx 'Name=Etiquetas de lomo' "$root/usr/share/applications/lomos.desktop"
check "fichas.desktop name" grep -qx 'Name=Etiquetas completas' "$root/usr/share/applications/fichas.desktop"
check "copyright" test -f "$root/usr/share/doc/etiquetas/copyright"
check "changelog" bash -c "zcat '$root/usr/share/doc/etiquetas/changelog.gz' | head -1 | grep -q '^etiquetas ('"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
