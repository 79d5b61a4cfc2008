#!/usr/bin/env bash
# The Windows build under Wine, in a new Wine prefix:
# - the logic tests (core_tests.exe);
# - both programs' windowless job from the unzipped folder alone, with drive
#   C being Wine's own C: (C:\ini.prn, C:\cy.txt, the print file under
#   C:\CLIENTE\...\PRINT), started from a plain Windows command line with no
#   environment variable of ours: real text in the PDF, every word within
#   0.1 mm of where the Linux build puts it (compare_pdfs.py).
# Prints a line per check and "N passed, N failed"; exits 1 when one failed.
#   tests/wine/run.sh APP_FOLDER CORE_TESTS_EXE LINUX_BUILD
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

windowless() {  # windowless PROGRAM: runs it as cmd.exe would, with a clean environment
  env -i HOME="$HOME" PATH=/usr/bin:/bin WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY="${DISPLAY:-}" \
    $wine cmd /c "cd /d Z:${app//\//\\} && start /wait /b $1.exe --pdf C:\\$1.pdf > C:\\$1.out 2> C:\\$1.err"
  grep -q "Se han generado 50 etiquetas" "$drive/$1.out" || { cat "$drive/$1.out" "$drive/$1.err"; return 1; }
}
for program in lomos fichas; do
  exe=$linux/SOLO_CLASIF/lomos; [ $program = fichas ] && exe=$linux/ETIQUETAS/fichas
  ETIQUETAS_UNIDAD_C=$work/linux-c QT_QPA_PLATFORM=offscreen "$exe" --pdf "$work/$program-linux.pdf" >/dev/null
  check "$program.exe --pdf" windowless $program
  check "$program.exe --pdf: as on Linux" python3 "$here/tests/wine/compare_pdfs.py" "$work/$program-linux.pdf" "$drive/$program.pdf"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
