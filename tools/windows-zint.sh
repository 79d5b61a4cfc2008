#!/usr/bin/env bash
# Prints the folder of zint for Windows (MinGW-w64), building it first with
# tools/build-zint-windows.sh when it is not in the cache ($ETIQUETAS_CACHE,
# ~/.cache/etiquetas by default).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${ETIQUETAS_CACHE:-$HOME/.cache/etiquetas}
zint=$cache/zint-mingw-x64
if [ ! -f "$zint/lib/libzint-static.a" ]; then
  echo "zint para Windows: compilando desde las fuentes de Debian" >&2
  rm -rf "$zint" "$cache/zint-build"
  "$here/tools/build-zint-windows.sh" "$zint" "$cache/zint-build" >&2
  rm -rf "$cache/zint-build"
fi
echo "$zint"
