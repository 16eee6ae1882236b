#!/usr/bin/env bash
# Builds Orrisday and runs every test, offscreen.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
# Once more in a zone whose change to summer time skips midnight: no test may lean on the
# machine's zone.
TZ=America/Santiago QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
