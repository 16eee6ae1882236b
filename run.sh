#!/usr/bin/env bash
# Builds Orrisday and starts it from its program folder, build/orrisday/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
exec build/orrisday/orrisday
