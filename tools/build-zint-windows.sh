#!/usr/bin/env bash
# Builds zint's library for Windows x86_64 with Debian 12's MinGW-w64, from
# Debian's own source package (Debian has no MinGW build of it): a static
# library, without PNG output and without its Qt widget, which the programs
# do not use. Installs zint.h and libzint-static.a into PREFIX.
#   tools/build-zint-windows.sh PREFIX WORKDIR
# The source comes through apt with a configuration of its own in WORKDIR:
# nothing under /etc changes. Takes about 15 seconds on 2 cores.
set -euo pipefail
prefix=$1
work=$2
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/src" "$prefix"
work=$(cd "$work" && pwd)
echo 'deb-src http://deb.debian.org/debian bookworm main' > "$work/sources.list"
apt=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
     -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache"
     -o APT::Sandbox::User=root)
apt-get "${apt[@]}" update -qq
(cd "$work/src" && apt-get "${apt[@]}" source -qq zint)
source=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'zint-*' | head -n 1)
[ -n "$source" ] || { echo "No se obtuvieron las fuentes de zint" >&2; exit 1; }

cat > "$work/mingw.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
EOF
cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$work/mingw.cmake" -DZINT_STATIC=ON -DZINT_SHARED=OFF \
  -DZINT_USE_PNG=OFF -DZINT_USE_QT=OFF -DZINT_FRONTEND=OFF >/dev/null
cmake --build "$work/build" --target zint-static
mkdir -p "$prefix/include" "$prefix/lib"
cp "$source/backend/zint.h" "$prefix/include/"
cp "$(find "$work/build" -name 'libzint-static.a' | head -n 1)" "$prefix/lib/"
# Its licence, for LICENCIAS.txt.
cp "$source/LICENSE" "$prefix/LICENSE"
basename "$source" > "$prefix/VERSION"
