#!/usr/bin/env bash
# The Windows build under Wine, in a new Wine prefix:
# - the logic tests (core_tests.exe);
# - both programs' windowless job from the unzipped folder alone, with drive
#   C being Wine's own C: (C:\ini.prn, C:\cy.txt, the print file under
#   C:\CLIENTE\...\PRINT), started from a plain Windows command line with no
#   environment variable of ours: real text in the PDF, every word within
#   0.1 mm of where the Linux build puts it (compare_pdfs.py);
# - "Imprimir" in both programs through Windows' print path and Wine's
#   printer driver into the tests' own spooler, its PDF queue the default
#   printer (WINE_PRINT_TESTS_EXE, on a virtual display): every label within
#   0.5 mm of the Linux build's PDF, judged by the ink. With
#   ETIQUETAS_SCREENSHOTS naming a folder, both main windows are saved there.
# Prints a line per check and "N passed, N failed"; exits 1 when one failed.
#   tests/wine/run.sh APP_FOLDER CORE_TESTS_EXE LINUX_BUILD [WINE_PRINT_TESTS_EXE QT_FOLDER]
set -uo pipefail
app=$(cd "$1" && pwd); core_tests=$2; linux=$(cd "$3" && pwd)
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wine=/usr/lib/wine/wine64
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
$wine wineboot -i >/dev/null 2>&1
# Windows asks for "Times New Roman", "Arial" and "Arial Narrow": here their
# metric twins answer, as on Linux.
for pair in "Times New Roman=Liberation Serif" "Arial=Liberation Sans" "Arial Narrow=Liberation Sans Narrow"; do
  $wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1
done

passed=0; failed=0
check() {  # check NAME COMMAND...: one line per check
  local name=$1; shift
  if out=$("$@" 2>&1); then echo "PASS: $name"; passed=$((passed + 1)); else echo "FAIL: $name"; failed=$((failed + 1)); fi
  [ -n "$out" ] && echo "$out" | sed 's/^/  /'
}

# The logic tests, beside the Qt and MinGW libraries of the folder.
mkdir -p "$work/tests" && cp "$app"/*.dll "$core_tests" "$work/tests/"
check "core_tests.exe" bash -c "cd '$work/tests' && $wine core_tests.exe --gtest_brief=1 | tail -3"

# Drive C of the prefix: the demo data. Linux gets a copy of the same.
drive=$WINEPREFIX/drive_c
mkdir -p "$drive/CLIENTE/CATALOG/FILES/BIB50/PRINT" "$work/linux-c"
cp "$here/demo/itemlbl.prn" "$drive/CLIENTE/CATALOG/FILES/BIB50/PRINT/"
cp "$here/demo/ini.prn" "$here/demo/cy.txt" "$drive/"
cp -r "$drive/CLIENTE" "$drive/ini.prn" "$drive/cy.txt" "$work/linux-c/"

windowless() {  # windowless PROGRAM NAME OPTIONS...: runs it as cmd.exe would, with a clean environment
  local program=$1 name=$2; shift 2
  env -i HOME="$HOME" PATH=/usr/bin:/bin WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY="${DISPLAY:-}" \
    $wine cmd /c "cd /d Z:${app//\//\\} && start /wait /b $program.exe --pdf C:\\$name.pdf $* > C:\\$name.out 2> C:\\$name.err"
  [ -f "$drive/$name.pdf" ] || { cat "$drive/$name.out" "$drive/$name.err"; return 1; }
}
# The labels; the labels from place 5 of the first sheet, place 7 left free;
# and the test sheet.
for program in lomos fichas; do
  exe=$linux/lomos/lomos; [ $program = fichas ] && exe=$linux/fichas/fichas
  for job in "$program|" "$program-inicio|--start 5 --skip 7" "$program-prueba|--test-sheet"; do
    name=${job%%|*}; options=${job#*|}
    # shellcheck disable=SC2086
    ETIQUETAS_UNIDAD_C=$work/linux-c QT_QPA_PLATFORM=offscreen "$exe" --pdf "$work/$name-linux.pdf" $options >/dev/null
    # shellcheck disable=SC2086
    check "$program.exe --pdf ${options:-(the labels)}" windowless $program $name $options
    check "$program.exe --pdf ${options:-(the labels)}: as on Linux" python3 "$here/tests/wine/compare_pdfs.py" "$work/$name-linux.pdf" "$drive/$name.pdf"
  done
  check "$program.exe --pdf: the count, and nothing to report" \
    bash -c "grep -q 'Se han generado 50 etiquetas' '$drive/$program.out' && [ ! -s '$drive/$program.err' ]"
done

printing() {  # printing PRINT_TESTS_EXE QT_FOLDER
  local spool=$work/spooler
  "$here/tests/spooler/spooler.sh" start "$spool" >/dev/null || return 1
  export CUPS_SERVER=$spool/cups.sock  # Wine's printers are those of the tests' own spooler
  mkdir -p "$work/print" && cp "$app"/*.dll "$1" "$2/bin/Qt6Test.dll" "$work/print/"
  cp -r "$app/platforms" "$app/styles" "$work/print/"
  (cd "$work/print" && ETIQUETAS_SCREENSHOTS=${ETIQUETAS_SCREENSHOTS:+Z:$ETIQUETAS_SCREENSHOTS} \
     xvfb-run -a $wine "$(basename "$1")" -o result.txt,txt >/dev/null 2>&1)
  local status=$?
  grep -E "^(PASS|FAIL|Totals)" "$work/print/result.txt"
  for _ in $(seq 300); do [ "$(ls "$spool/out" | wc -l)" -ge 2 ] && [ -z "$(lpstat -o)" ] && break; sleep 0.2; done
  sleep 1
  local jobs
  mapfile -t jobs < <(ls -tr "$spool"/out/*.pdf)
  "$here/tests/spooler/spooler.sh" stop "$spool" >/dev/null
  [ "$status" -eq 0 ] && [ ${#jobs[@]} -eq 2 ] || { echo "the queue wrote ${#jobs[@]} jobs"; return 1; }
  cp "${jobs[0]}" "$work/lomos-printed.pdf" && cp "${jobs[1]}" "$work/fichas-printed.pdf"
}
if [ $# -ge 5 ]; then
  check "Imprimir en lomos.exe y, tras el cuadro de impresión, en fichas.exe" printing "$4" "$5"
  for program in lomos fichas; do
    check "$program.exe, Imprimir: as on Linux" python3 "$here/tests/wine/compare_pdfs.py" --printed \
      "$work/$program-linux.pdf" "$work/$program-printed.pdf"
  done
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
