#!/usr/bin/env bash
# The Windows build under Wine, in a new Wine prefix:
# - the application manifest both programs carry;
# - the logic tests (core_tests.exe);
# - both programs' windowless job from the unzipped folder alone (on their
#   own sheets and on a stock of the catalogue the folder carries), with drive
#   C being Wine's own C: (C:\ini.prn, C:\cy.txt, the print file under
#   C:\CLIENTE\...\PRINT), started from a plain Windows command line with no
#   environment variable of ours: real text in the PDF, every word within
#   0.1 mm of where the Linux build puts it (compare_pdfs.py);
# - "Imprimir" in both programs through Windows' print path and Wine's
#   printer driver into the tests' own spooler, its PDF queue the default
#   printer (WINE_WINDOW_TESTS_EXE, on a virtual display): every label within
#   0.5 mm of the Linux build's PDF, judged by the ink;
# - at Windows' 100, 125, 150 and 200 % (LogPixels 96 to 192), every caption
#   of both programs' windows read whole and the sheet map's numbers in their
#   cells;
# - with ETIQUETAS_MSI naming the MSI: a silent install per machine, both
#   programs' windowless job from C:\Program Files\Etiquetas, an upgrade by
#   a newer MSI, the older one then refused, and a silent uninstall. With
#   ETIQUETAS_SCREENSHOTS naming a folder, both main windows are saved there.
# Prints a line per check and "N passed, N failed"; exits 1 when one failed.
#   tests/wine/run.sh APP_FOLDER CORE_TESTS_EXE LINUX_BUILD [WINE_WINDOW_TESTS_EXE QT_FOLDER]
set -uo pipefail
app=$(cd "$1" && pwd); core_tests=$2; linux=$(cd "$3" && pwd)
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wine=/usr/lib/wine/wine64
# No menu entries or icons of the programs installed here reach this machine's desktop.
overrides="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=$overrides
# The Linux runs beside them keep their jobs here, not in the home.
export XDG_DATA_HOME=$work/linux-datos
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

check "the application manifest of lomos.exe and fichas.exe" \
  python3 "$here/tests/wine/check_manifest.py" "$app/lomos.exe" "$app/fichas.exe"

# The logic tests, beside the Qt and MinGW libraries of the folder.
mkdir -p "$work/tests" && cp "$app"/*.dll "$core_tests" "$work/tests/"
check "core_tests.exe" bash -c "cd '$work/tests' && $wine core_tests.exe --gtest_brief=1 | tail -3"

# Drive C of the prefix: the demo data. Linux gets a copy of the same.
drive=$WINEPREFIX/drive_c
mkdir -p "$drive/CLIENTE/CATALOG/FILES/BIB50/PRINT" "$work/linux-c"
cp "$here/demo/itemlbl.prn" "$drive/CLIENTE/CATALOG/FILES/BIB50/PRINT/"
cp "$here/demo/ini.prn" "$here/demo/cy.txt" "$drive/"
cp -r "$drive/CLIENTE" "$drive/ini.prn" "$drive/cy.txt" "$work/linux-c/"

# The Windows folder the programs are run from: the unzipped one, or where the MSI installs.
folder="Z:${app//\//\\}"
windowless() {  # windowless PROGRAM NAME OPTIONS...: runs it as cmd.exe would, with a clean environment
  local program=$1 name=$2; shift 2
  env -i HOME="$HOME" PATH=/usr/bin:/bin WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all \
    WINEDLLOVERRIDES="$overrides" DISPLAY="${DISPLAY:-}" \
    $wine cmd /c cd /d "$folder" "&&" start /wait /b "$program.exe" --pdf "C:\\$name.pdf" "$@" \
      ">" "C:\\$name.out" "2>" "C:\\$name.err"
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
  # A stock of the catalogue the folder carries.
  stock="Herma 4102"; [ $program = fichas ] && stock="Zweckform 3474"
  ETIQUETAS_UNIDAD_C=$work/linux-c QT_QPA_PLATFORM=offscreen "$exe" --pdf "$work/$program-hoja-linux.pdf" \
    --stock "$stock" >/dev/null
  check "$program.exe --pdf --stock \"$stock\"" windowless $program $program-hoja --stock "$stock"
  check "$program.exe --pdf --stock \"$stock\": as on Linux" \
    python3 "$here/tests/wine/compare_pdfs.py" "$work/$program-hoja-linux.pdf" "$drive/$program-hoja.pdf"
  # A library's own label: lomos's call numbers centred in capitals, fichas's
  # barcodes as Code 128 symbols that a scanner reads.
  cp "$here/tests/wine/diseno-$program.ini" "$drive/" && cp "$drive/diseno-$program.ini" "$work/"
  ETIQUETAS_UNIDAD_C=$work/linux-c QT_QPA_PLATFORM=offscreen "$exe" --pdf "$work/$program-diseno-linux.pdf" \
    --stock "$stock" --design "$work/diseno-$program.ini" >/dev/null 2>&1
  check "$program.exe --pdf --design" windowless $program $program-diseno --stock "$stock" \
    --design "C:\\diseno-$program.ini"
  check "$program.exe --pdf --design: as on Linux" \
    python3 "$here/tests/wine/compare_pdfs.py" "$work/$program-diseno-linux.pdf" "$drive/$program-diseno.pdf"
done
# Every job those runs read is kept in the user's own data folder: the
# oldest, the demo's labels, printed again as it first came out.
jobs_kept() {
  env -i HOME="$HOME" PATH=/usr/bin:/bin WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all \
    WINEDLLOVERRIDES="$overrides" $wine cmd /c cd /d "$folder" "&&" start /wait /b lomos.exe \
      --list-jobs ">" "C:\\trabajos.out"
  local oldest
  oldest=$(grep -c . "$drive/trabajos.out") || return 1
  ls "$drive"/users/*/AppData/Roaming/lomos/trabajos/*.trabajo >/dev/null || return 1
  windowless lomos lomos-trabajo --job "$oldest" &&
    python3 "$here/tests/wine/compare_pdfs.py" "$work/lomos-linux.pdf" "$drive/lomos-trabajo.pdf"
}
check "lomos.exe --list-jobs, then --job: the oldest job kept in %APPDATA%\\lomos\\trabajos, as it came out" jobs_kept
# A policy IT sets in the registry: a locked stock that every job prints on,
# and --stock naming another refused.
locked_by_policy() {
  windowless lomos lomos-politica &&
    python3 "$here/tests/wine/compare_pdfs.py" "$work/lomos-hoja-linux.pdf" "$drive/lomos-politica.pdf"
}
refused_by_policy() {
  ! windowless lomos lomos-politica-otra --stock "Zweckform 3474" >/dev/null &&
    grep -q 'La hoja la fija el administrador: Herma 4102' "$drive/lomos-politica-otra.err"
}
$wine reg add 'HKLM\Software\Policies\Etiquetas\bloqueado' /v hoja /t REG_SZ /d "Herma 4102" /f >/dev/null 2>&1
check "a stock locked in HKLM\Software\Policies\Etiquetas: lomos.exe --pdf on it" locked_by_policy
check "a stock locked in HKLM\Software\Policies\Etiquetas: --stock another refused" refused_by_policy
$wine reg delete 'HKLM\Software\Policies\Etiquetas' /f >/dev/null 2>&1

check "fichas.exe --pdf --design: the 24 barcodes of the first sheet read back" bash -c "
  pdftoppm -r 600 -gray -png -f 1 -l 1 -singlefile '$drive/fichas-diseno.pdf' '$work/codigos' &&
  [ \$(zbarimg -q --raw '$work/codigos.png' | sort -u | wc -l) -eq 24 ]"

# The MSI (ETIQUETAS_MSI): installed silently, per machine; both programs'
# windowless job from C:\Program Files\Etiquetas as on Linux; a newer MSI
# replaces it, after which the older one is refused; uninstalled, nothing left.
installed=$drive/Program\ Files/Etiquetas
msiexec() {  # msiexec ARGUMENTS...: as IT would run it, timed
  local start; start=$(date +%s%N)
  $wine msiexec "$@" >/dev/null 2>&1
  local status=$?
  echo "msiexec $1 in $((($(date +%s%N) - start) / 1000000)) ms"
  return $status
}
uninstall_entries() {  # the installation's lines in Apps & Features
  $wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -A30 'DisplayName.*Etiquetas de la biblioteca' |
    grep -E 'DisplayName|DisplayVersion|Publisher'
}
start_menu() {  # the shortcuts, wherever Wine put them (Windows: the all-users Start menu)
  find "$drive/ProgramData" "$drive/users" -path '*Start Menu*' -name 'Etiquetas*.lnk' 2>/dev/null | sort
}
installs() {  # installs MSI VERSION [PROPERTY=VALUE...]
  msiexec /i "$(winpath "$1")" /qn "${@:3}" || { echo "msiexec exited with $?"; return 1; }
  [ -f "$installed/lomos.exe" ] && [ -f "$installed/fichas.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] ||
    { echo "not in C:\Program Files\Etiquetas"; return 1; }
  local entries; entries=$(uninstall_entries)
  echo "$entries"
  [ "$(echo "$entries" | grep -c DisplayName)" -eq 1 ] && echo "$entries" | grep -q "DisplayVersion.*$2\$" &&
    echo "$entries" | grep -q 'Publisher.*Biblioteca universitaria' || return 1
  start_menu | sed 's|.*/||'
  [ "$(start_menu | grep -c -e 'Etiquetas de lomo.lnk' -e 'Etiquetas completas.lnk')" -eq 2 ]
}
refused() {  # refused OLDER_MSI NEWER_VERSION: the newer stays
  msiexec /i "$(winpath "$1")" /qn && { echo "the older MSI installed"; return 1; }
  uninstall_entries | grep -q "DisplayVersion.*$2\$"
}
uninstalls() {  # uninstalls MSI
  msiexec /x "$(winpath "$1")" /qn || return 1
  [ ! -e "$installed" ] && [ -z "$(uninstall_entries)" ] && [ -z "$(start_menu)" ] &&
    ! $wine reg query 'HKLM\Software\Etiquetas\predeterminado' >/dev/null 2>&1
}
preset_stock() {  # the stock HOJA= preset at install: what a fresh user prints on, as on Linux
  local folder='C:\Program Files\Etiquetas'
  windowless lomos lomos-preset-msi &&
    python3 "$here/tests/wine/compare_pdfs.py" "$work/lomos-hoja-linux.pdf" "$drive/lomos-preset-msi.pdf"
}
winpath() { echo "Z:${1//\//\\}"; }
from_installed() {  # from_installed PROGRAM: its labels, as on Linux
  local folder='C:\Program Files\Etiquetas'
  windowless "$1" "$1-msi" &&
    python3 "$here/tests/wine/compare_pdfs.py" "$work/$1-linux.pdf" "$drive/$1-msi.pdf"
}
installed_catalogue() {  # a stock of the catalogue the MSI installed, as on Linux
  local folder='C:\Program Files\Etiquetas'
  windowless lomos lomos-hoja-msi --stock "Herma 4102" &&
    python3 "$here/tests/wine/compare_pdfs.py" "$work/lomos-hoja-linux.pdf" "$drive/lomos-hoja-msi.pdf"
}
if [ -n "${ETIQUETAS_MSI:-}" ]; then
  msi=$(cd "$(dirname "$ETIQUETAS_MSI")" && pwd)/$(basename "$ETIQUETAS_MSI")
  version=$(msiinfo export "$msi" Property | sed -n 's/^ProductVersion\t//p' | tr -d '\r')
  newer=${version%.*}.$((${version##*.} + 1))
  newest=${version%.*}.$((${version##*.} + 2))
  # The next version, of the same files: wixl wants paths relative to where it runs.
  mkdir -p "$work/msi/windows" && cp "$here"/windows/*.ico "$work/msi/windows/" && cp -r "$app" "$work/msi/app"
  (cd "$work/msi" && wixl -a x64 -D Version="$newer" -D AppDir=app -D WindowsDir=windows \
    -o newer.msi "$(cd "$here" && realpath "${ETIQUETAS_WXS:-windows/etiquetas.wxs}")")
  (cd "$work/msi" && wixl -a x64 -D Version="$newest" -D AppDir=app -D WindowsDir=windows \
    -o newest.msi "$(cd "$here" && realpath "${ETIQUETAS_WXS:-windows/etiquetas.wxs}")")
  check "MSI $version: a silent install, per machine" installs "$msi" "$version"
  for program in lomos fichas; do
    check "$program.exe --pdf from C:\Program Files\Etiquetas: as on Linux" from_installed $program
  done
  check "lomos.exe --pdf --stock from C:\Program Files\Etiquetas: the catalogue installed" \
    installed_catalogue
  check "MSI $newer replaces $version, with HOJA=\"Herma 4102\"" installs "$work/msi/newer.msi" "$newer" \
    HOJA="Herma 4102"
  check "lomos.exe --pdf from C:\Program Files\Etiquetas: on the stock HOJA preset" preset_stock
  check "MSI $newest replaces $newer, given no properties" installs "$work/msi/newest.msi" "$newest"
  check "lomos.exe --pdf from C:\Program Files\Etiquetas: the preset kept by the upgrade" preset_stock
  check "MSI $version refused once $newest is installed" refused "$msi" "$newest"
  check "MSI $newest: a silent uninstall leaves nothing" uninstalls "$work/msi/newest.msi"
fi

window_tests() {  # window_tests FUNCTION...: the window tests' functions, on a virtual display
  # A Wine started before without a display (the windowless jobs, msiexec)
  # would keep its desktop for the windows to come: end it first.
  /usr/lib/wine/wineserver -k 2>/dev/null; /usr/lib/wine/wineserver -w
  (cd "$work/windows" && ETIQUETAS_SCREENSHOTS=${ETIQUETAS_SCREENSHOTS:+Z:$ETIQUETAS_SCREENSHOTS} \
     xvfb-run -a $wine wine_window_tests.exe -o result.txt,txt "$@" >/dev/null 2>&1)
  local status=$?
  grep -E "^(PASS|FAIL|QINFO|Totals)|^   " "$work/windows/result.txt"
  return $status
}
printing() {  # printing: "Imprimir" in both programs, into the tests' own spooler
  local spool=$work/spooler
  "$here/tests/spooler/spooler.sh" start "$spool" >/dev/null || return 1
  export CUPS_SERVER=$spool/cups.sock  # Wine's printers are those of the tests' own spooler
  window_tests lomosImprimir fichasImprimirAfterTheDialog
  local status=$?
  for _ in $(seq 300); do [ "$(ls "$spool/out" | wc -l)" -ge 2 ] && [ -z "$(lpstat -o)" ] && break; sleep 0.2; done
  local jobs
  mapfile -t jobs < <(ls -tr "$spool"/out/*.pdf)
  [ ${#jobs[@]} -eq 2 ] && cp "${jobs[0]}" "$work/lomos-printed.pdf" && cp "${jobs[1]}" "$work/fichas-printed.pdf"
  "$here/tests/spooler/spooler.sh" stop "$spool" >/dev/null
  [ "$status" -eq 0 ] && [ ${#jobs[@]} -eq 2 ] || { echo "the queue wrote ${#jobs[@]} jobs"; return 1; }
}
at_scale() {  # at_scale DPI: Windows' LogPixels, as its display settings set it
  $wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  ETIQUETAS_SCALE=$(($1 * 100 / 96)) window_tests captionsReadWholeAtThisScale
}
refusing() {  # refusing everything|folder|empty: drive C refuses saves, as Windows refuses a staff account
  local case=$1 status
  rm -rf "$drive"/users/*/AppData/Roaming/Etiquetas "$work/refusing" && mkdir -p "$work/refusing"
  cp "$here/demo/ini.prn" "$here/demo/cy.txt" "$drive/" && cp "$drive/ini.prn" "$drive/cy.txt" "$work/refusing/"
  [ "$case" = empty ] && rm "$drive/ini.prn" "$drive/cy.txt"  # a new install
  mkdir -p "$drive/OTRO/CATALOG/FILES/BIB50/PRINT"
  # The first two items of the demo data.
  sed '/<\/section-02>/{x;s/^/x/;/^xx$/{x;q};x}' "$here/demo/itemlbl.prn" \
    > "$drive/OTRO/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"
  local refused=("$drive")
  [ "$case" = everything ] && refused+=("$drive/ini.prn" "$drive/cy.txt")
  chattr +i "${refused[@]}" || return 1
  ETIQUETAS_DRIVE_C_REFUSES=$case window_tests savesWhatDriveCRefuses
  status=$?
  # The windowless job reads the same: the client folder, and the calibration.
  local out="Z:${work//\//\\}\\refusing"
  env -i HOME="$HOME" PATH=/usr/bin:/bin WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="$overrides" \
    $wine cmd /c cd /d "$folder" "&&" start /wait /b lomos.exe --pdf "$out\\t.pdf" --test-sheet "&&" \
    start /wait /b lomos.exe --pdf "$out\\l.pdf" ">" "$out\\l.out" "&&" \
    start /wait /b fichas.exe --pdf "$out\\f.pdf" ">" "$out\\f.out" "2>" "$out\\f.err"
  chattr -i "${refused[@]}"
  for program in l f; do
    grep -q 'Se han generado 2 etiquetas' "$work/refusing/$program.out" || { echo "$program --pdf read other settings"; status=1; }
  done
  pdftotext "$work/refusing/t.pdf" - | grep -q '9,75' || { echo "the test sheet has not the calibration"; status=1; }
  if [ "$case" = everything ]; then
    cmp "$drive/ini.prn" "$work/refusing/ini.prn" && cmp "$drive/cy.txt" "$work/refusing/cy.txt" ||
      { echo "drive C changed"; status=1; }
  elif [ "$case" = empty ]; then
    [ ! -e "$drive/ini.prn" ] && [ ! -e "$drive/cy.txt" ] || { echo "drive C changed"; status=1; }
    cp "$here/demo/ini.prn" "$here/demo/cy.txt" "$drive/"  # as the other checks expect
  else
    grep -q '^OTRO' "$drive/ini.prn" && grep -q '^9.75' "$drive/cy.txt" ||
      { echo "drive C's own files do not hold the new values"; status=1; }
  fi
  return $status
}
if [ $# -ge 5 ]; then
  mkdir -p "$work/windows" && cp "$app"/*.dll "$4" "$5/bin/Qt6Test.dll" "$work/windows/"
  cp -r "$app/platforms" "$app/styles" "$work/windows/"
  check "Imprimir en lomos.exe y, tras el cuadro de impresión, en fichas.exe" printing
  for program in lomos fichas; do
    check "$program.exe, Imprimir: as on Linux" python3 "$here/tests/wine/compare_pdfs.py" --printed \
      "$work/$program-linux.pdf" "$work/$program-printed.pdf"
  done
  for dpi in 96 120 144 192; do
    check "every caption whole and the sheet map legible at $((dpi * 100 / 96)) %" at_scale $dpi
  done
  $wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
  for case in everything folder empty; do
    check "saved and read back when drive C refuses $case (chattr +i)" refusing $case
  done
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
