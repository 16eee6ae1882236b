#!/usr/bin/env bash
# An install into a prefix runs from there: it answers its command line, keeps the user's data in
# ${XDG_DATA_HOME:-~/.local/share}/orrisday and writes nothing under the prefix; files given to a
# second start are imported by the running copy. A program folder keeps its data beside itself.
# Usage: test_installed_program.sh BUILD_FOLDER FILES_FROM_BIN MODULES_FROM_BIN
set -euo pipefail
build=$1 files_from_bin=$2 modules_from_bin=$3
work=$(mktemp -d)
primary=
trap '[[ -n $primary ]] && kill "$primary" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A user of our own, on no real desktop and no real D-Bus bus.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus LC_ALL=C
unset XDG_DATA_HOME
mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
orrisday=$prefix/bin/orrisday
id=org.orrisday.Orrisday
for file in bin/orrisday share/orrisday/Wave/Alert.wav share/orrisday/Wave/Birthday.wav \
    share/orrisday/database/nopicture.gif share/orrisday/orrisday.html share/orrisday/OrrisdayEULA.txt \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/$id.png \
    share/man/man1/orrisday.1.gz share/doc/orrisday/copyright share/doc/orrisday/changelog.gz; do
  compgen -G "$prefix/$file" >/dev/null || fail "the install has no $file"
done
# Where the program looks for its files and its module, seen from its executable.
[[ -f $prefix/bin/$files_from_bin/Wave/Alert.wav ]] || fail "no sounds at bin/$files_from_bin"
[[ -f $prefix/bin/$modules_from_bin/orrisday-sound.so ]] || fail "no sound module at bin/$modules_from_bin"
[[ -z $(find "$prefix" -name sys -o -name Database) ]] || fail "the install carries a data folder"
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)

# The command line: exit status, and a text the output must hold.
expect() {
  local status=$1 text=$2; shift 2
  local output code=0
  output=$("$orrisday" "$@" 2>&1) || code=$?
  ((code == status)) || fail "orrisday $* exited $code, not $status: $output"
  grep -qF -- "$text" <<<"$output" || fail "orrisday $* did not say '$text': $output"
}
expect 0 "orrisday 1.7.0" --version
expect 0 "--export-ics <FILE>" --help
expect 2 "Unknown option 'frobnicate'" --frobnicate
expect 2 "Missing value after '--export-ics'" --export-ics
expect 2 "--import needs the files to read" --import
[[ ! -e $HOME/.local ]] || fail "--help or a bad option made a data folder"

printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:t1\r\nSUMMARY:Water the plants\r\nEND:VTODO\r\nEND:VCALENDAR\r\n' >"$work/plants.ics"
printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ada Lovelace\r\nN:Lovelace;Ada;;;\r\nEND:VCARD\r\n' >"$work/ada.vcf"
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:t2\r\nSUMMARY:Handed over\r\nEND:VTODO\r\nEND:VCALENDAR\r\n' >"$work/handed.ics"

# The data folder: ~/.local/share/orrisday, or the one under XDG_DATA_HOME.
expect 0 "Imported 1 task" --import "$work/plants.ics"
[[ -f $HOME/.local/share/orrisday/sys/dll/sysks.dll ]] || fail "no database in ~/.local/share/orrisday"
[[ -d $HOME/.local/share/orrisday/Database ]] || fail "no backup folder in ~/.local/share/orrisday"
export XDG_DATA_HOME=$work/data
expect 0 "Imported 0 tasks, 0 schedules, 0 notes, 0 birthdays, 1 contact" --import "$work/ada.vcf"
[[ -f $XDG_DATA_HOME/orrisday/sys/dll/sysks.dll ]] || fail "no database under XDG_DATA_HOME"
expect 0 "0 birthdays, 1 contact" --export-vcf "$work/out.vcf"
grep -q "Ada Lovelace" "$work/out.vcf" || fail "the exported contacts miss the imported one"

# The window; a second start hands its file to it and ends.
"$orrisday" >"$work/primary.log" 2>&1 &
primary=$!
for _ in $(seq 100); do compgen -G "$XDG_RUNTIME_DIR/orrisday-*.socket" >/dev/null && break; sleep 0.1; done
compgen -G "$XDG_RUNTIME_DIR/orrisday-*.socket" >/dev/null || fail "the window did not start: $(cat "$work/primary.log")"
timeout 10 "$orrisday" "$work/handed.ics" || fail "the second start did not end well"
kill -0 "$primary" || fail "the running copy ended"
for _ in $(seq 100); do
  "$orrisday" --export-ics "$work/out.ics" >/dev/null
  grep -q "Handed over" "$work/out.ics" && break
  sleep 0.1
done
grep -q "Handed over" "$work/out.ics" || fail "the running copy did not import the handed file"
kill "$primary"
wait "$primary" 2>/dev/null || true
primary=

after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[[ $before == "$after" ]] || fail "something was written under the prefix: $(diff <(echo "$before") <(echo "$after"))"

# A program folder with sys/dll beside its executable keeps its data there.
cp -R "$build/orrisday" "$work/portable"
rm -f "$work/portable/sys/dll/sysks.dll"
export XDG_DATA_HOME=$work/other-data
"$work/portable/orrisday" --import "$work/plants.ics" >/dev/null || fail "the program folder did not import"
[[ -f $work/portable/sys/dll/sysks.dll ]] || fail "the program folder's database is not beside it"
[[ ! -e $XDG_DATA_HOME ]] || fail "the program folder wrote into the user's data folder"
echo PASS
