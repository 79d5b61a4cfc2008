#!/usr/bin/env bash
# Prints the folder of Qt 6.4.2 for Windows (MinGW-w64), getting it first when
# it is not in the cache ($ETIQUETAS_CACHE, ~/.cache/etiquetas by default):
# from the shared archive beside the project when there is one, otherwise
# built from Debian's source package with tools/build-qt-windows.sh (about an
# hour on 2 cores).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${ETIQUETAS_CACHE:-$HOME/.cache/etiquetas}
qt=$cache/qt6.4.2-mingw-x64
archive=$here/../shared/toolchains/qt6.4.2-mingw-x64.tar.xz
if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  rm -rf "$qt" && mkdir -p "$qt"
  if [ -f "$archive" ]; then
    echo "Qt para Windows: desde $archive" >&2
    tar -xJf "$archive" -C "$qt"
  else
    echo "Qt para Windows: compilando desde las fuentes de Debian (cerca de una hora)" >&2
    "$here/tools/build-qt-windows.sh" "$qt" "$cache/qt-build" >&2
  fi
fi
echo "$qt"
