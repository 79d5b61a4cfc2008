#!/usr/bin/env bash
# Builds lomos.exe and fichas.exe for Windows here, tests them under Wine,
# and writes the installation twice: dist/etiquetas-VERSION-windows-x64.msi,
# per machine, for the IT department, and the same files in
# dist/etiquetas-VERSION-windows-x64.zip, for a quick try (the programs, the
# Qt and MinGW libraries they load (zint is built into the programs), Qt's
# Spanish texts, the catalogue of label sheets, LEAME.txt for the staff and
# LICENCIAS.txt). Installs what is missing first.
#   ./windows.sh              build, package and test
#   ./windows.sh --no-tests   build and package only
# With ETIQUETAS_SIGN_CERT and ETIQUETAS_SIGN_KEY naming the library's
# code-signing certificate and its key (PEM files), the programs and the MSI
# are signed with osslsigncode (and time-stamped by ETIQUETAS_SIGN_TIMESTAMP,
# a time-stamping server's address, when set); without them nothing is signed.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh windows
[ -z "${ETIQUETAS_SIGN_CERT:-}" ] || ./tools/install-deps.sh signing
qt=$(tools/windows-qt.sh)
zint=$(tools/windows-zint.sh)
mingw=/usr/lib/gcc/x86_64-w64-mingw32/12-posix

echo "== Compilando para Windows"
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DETIQUETAS_TESTS=ON \
  -DZINT_INCLUDE_DIR="$zint/include" -DZINT_LIBRARY="$zint/lib/libzint-static.a" >/dev/null
cmake --build build-windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)

echo "== Armando el paquete"
name=etiquetas-$version-windows-x64
app=build-windows/$name
rm -rf "$app" && mkdir -p "$app/platforms" "$app/styles" "$app/translations"
cp build-windows/lomos/lomos.exe build-windows/fichas/fichas.exe "$app/"
for lib in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do cp "$qt/bin/$lib.dll" "$app/"; done
cp "$qt/plugins/platforms/qwindows.dll" "$app/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$app/styles/"
cp "$mingw/libstdc++-6.dll" "$mingw/libgcc_s_seh-1.dll" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$app/"
cp /usr/share/qt6/translations/qtbase_{es,ca,en}.qm "$app/translations/"
# The policies IT sets, with their texts in each language.
cp -r windows/politicas "$app/politicas"
printf '[Paths]\nTranslations = translations\n' > "$app/qt.conf"
sed "s/@VERSION@/$version/" windows/LEAME.txt | sed 's/$/\r/' > "$app/LEAME.txt"
# The catalogue of label sheets, as the package installs it, and the
# licences of everything the folder carries (the catalogue's from the
# package's own files).
templates=/usr/share/libglabels-3.0
mkdir -p "$app/plantillas"
cp "$templates"/templates/*-templates.xml "$templates/templates/paper-sizes.xml" "$app/plantillas/"
python3 tools/licences.py "$version" "$templates/dtd/glabels-3.0.dtd" "$zint" < windows/LICENCIAS.txt |
  sed 's/$/\r/' > "$app/LICENCIAS.txt"
x86_64-w64-mingw32-strip --strip-unneeded "$app"/*.exe "$app"/*.dll "$app"/*/*.dll
sign() {  # sign FILE: with the library's certificate, when there is one
  [ -n "${ETIQUETAS_SIGN_CERT:-}" ] || return 0
  osslsigncode sign -certs "$ETIQUETAS_SIGN_CERT" -key "$ETIQUETAS_SIGN_KEY" -h sha256 \
    -n "Etiquetas de la biblioteca" ${ETIQUETAS_SIGN_TIMESTAMP:+-t "$ETIQUETAS_SIGN_TIMESTAMP"} \
    -in "$1" -out "$1.signed" >/dev/null
  mv "$1.signed" "$1"
}
for exe in "$app"/*.exe; do sign "$exe"; done
mkdir -p dist && rm -f "dist/$name.zip" "dist/$name.msi"
(cd build-windows && zip -qr9 "../dist/$name.zip" "$name")
echo "dist/$name.zip: $(du -h "dist/$name.zip" | cut -f1)"
# wixl takes paths relative to where it runs.
wxs=build-windows/etiquetas.wxs
python3 tools/msi-templates.py "$app" < windows/etiquetas.wxs > "$wxs"
wixl -a x64 -D Version="$version" -D AppDir="$app" -D WindowsDir=windows \
  -o "dist/$name.msi" "$wxs"
sign "dist/$name.msi"
echo "dist/$name.msi: $(du -h "dist/$name.msi" | cut -f1)"

if [ "${1:-}" != --no-tests ]; then
  echo "== Pruebas bajo Wine"
  # The Linux build is the reference the Windows PDFs are compared with
  # (ETIQUETAS_LINUX_BUILD names one already built, such as build-tests).
  linux=${ETIQUETAS_LINUX_BUILD:-build-linux}
  if [ -z "${ETIQUETAS_LINUX_BUILD:-}" ]; then
    cmake -S . -B build-linux -G Ninja -DCMAKE_BUILD_TYPE=Release -DETIQUETAS_TESTS=OFF >/dev/null
    cmake --build build-linux >/dev/null
  fi
  unzipped=$(mktemp -d)
  trap 'rm -rf "$unzipped"' EXIT
  unzip -q "dist/$name.zip" -d "$unzipped"
  ETIQUETAS_MSI=dist/$name.msi ETIQUETAS_WXS=$wxs ETIQUETAS_SCREENSHOTS=$PWD/build-windows tests/wine/run.sh "$unzipped/$name" build-windows/tests/core_tests.exe "$linux" \
    build-windows/tests/wine_window_tests.exe "$qt"
fi
