#!/usr/bin/env bash
# Installing twice into the same data folder refreshes the program and keeps the user's data.
# Usage: test_install_program.sh INSTALL_SCRIPT BUILT_FOLDER
set -euo pipefail
install=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A built folder that also holds a database and a backup, as one used in place would.
built=$work/build/orrisday
mkdir -p "$work/build"
cp -R "$2" "$built"
mkdir -p "$built/sys/dll" "$built/Database"
printf 'built database' > "$built/sys/dll/sysks.dll"
printf 'built backup' > "$built/Database/old.bak"

export XDG_DATA_HOME=$work/data
dest=$XDG_DATA_HOME/orrisday
"$install" "$dest" "$built"
[[ -x $dest/orrisday && -f $dest/Wave/Alert.wav && -d $dest/sys/dll && -d $dest/Database ]] \
  || fail "first install is no program folder"
[[ $(cat "$dest/sys/dll/sysks.dll") == 'built database' ]] || fail "a database only in the build is not carried over"

printf 'my records' > "$dest/sys/dll/sysks.dll"
printf 'my backup' > "$dest/Database/old.bak"
printf 'another backup' > "$dest/Database/12-7-2026.bak"
printf 'stale' > "$dest/orrisday"
"$install" "$dest" "$built"
[[ $(cat "$dest/sys/dll/sysks.dll") == 'my records' ]] || fail "second install replaced the database"
[[ $(cat "$dest/Database/old.bak") == 'my backup' ]] || fail "second install replaced a backup"
[[ $(cat "$dest/Database/12-7-2026.bak") == 'another backup' ]] || fail "second install removed a backup"
cmp -s "$dest/orrisday" "$built/orrisday" && [[ -x $dest/orrisday ]] || fail "second install kept the old executable"
echo PASS
