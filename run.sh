#!/usr/bin/env bash
# Builds Orrisday, installs it into ${XDG_DATA_HOME:-~/.local/share}/orrisday/ (the database and
# backups there are kept) and starts it from that folder.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
folder="${XDG_DATA_HOME:-$HOME/.local/share}/orrisday"
scripts/install-program.sh "$folder"
exec "$folder/orrisday"
