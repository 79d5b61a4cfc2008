#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with ctest. Needs no
# display. The tests are built with AddressSanitizer and UBSan unless
# ETIQUETAS_SANITIZE=OFF. Printing goes through a print spooler of the
# tests' own, in the build folder; the tests that make drive C refuse the
# user need root (chattr), as in CI, and are skipped otherwise.
set -euo pipefail
cd "$(dirname "$0")"

./tools/install-deps.sh
sanitize=${ETIQUETAS_SANITIZE:-ON}
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Debug -DETIQUETAS_SANITIZE="$sanitize" >/dev/null
cmake --build build-tests
cd build-tests
ctest --output-on-failure -j2 "$@"
