#!/usr/bin/env bash
# Builds the Debian package of both programs, dist/etiquetas_VERSION_amd64.deb
# (menu entries, icons, manual pages), and checks it with lintian. Installs
# what is missing first.
#   ./package.sh && sudo apt-get install ./dist/etiquetas_*_amd64.deb
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DETIQUETAS_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package
(cd build-package && cpack -G DEB >/dev/null)
mkdir -p dist
deb=$(ls build-package/etiquetas_*_amd64.deb)
mv "$deb" dist/
deb=dist/$(basename "$deb")
echo "$deb"
lintian --fail-on error "$deb"
