#!/usr/bin/env bash
# Builds, then makes the Debian package: build/orrisday_<version>_<arch>.deb. With --check, lintian
# checks it too (any error or warning fails).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
rm -f build/orrisday_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(echo build/orrisday_*.deb)
echo "$deb"
if [[ ${1:-} == --check ]]; then
  lintian --fail-on error,warning "$deb"
  echo "lintian: $deb is clean"
fi
