#!/usr/bin/env bash
# Makes the Debian package from the build: build/orrisday_<version>_<arch>.deb. With --check, lintian
# checks it too (any error or warning fails).
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -x build/orrisday/orrisday ]] || scripts/build.sh
rm -f build/orrisday_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(echo build/orrisday_*.deb)
echo "$deb"
if [[ ${1:-} == --check ]]; then
  lintian --fail-on error,warning "$deb"
  echo "lintian: $deb is clean"
fi
