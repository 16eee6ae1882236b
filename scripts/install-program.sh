#!/usr/bin/env bash
# Installs the program folder the build lays out (build/orrisday/) into DEST: the program's own
# files are replaced, the user's data never. A database (sys/dll/) or backup (Database/) already in
# DEST stays as it is; one that exists only in the built folder is copied over.
set -euo pipefail
dest=${1:?usage: install-program.sh DEST [BUILT_FOLDER]}
built=${2:-$(dirname "$0")/../build/orrisday}
[[ -x $built/orrisday ]] || { echo "install-program.sh: no built program in $built" >&2; exit 1; }

mkdir -p "$dest"
mkdir -p -m 700 "$dest/sys" "$dest/sys/dll" "$dest/Database"
(cd "$built" && find sys Database -type f) | while IFS= read -r file; do
  if [[ ! -e $dest/$file ]]; then
    mkdir -p "$dest/$(dirname "$file")"
    cp -p "$built/$file" "$dest/$file"
  fi
done

# Each part is copied beside its old one and then renamed over it, so a running program's
# executable is replaced, not written into.
for part in "$built"/*; do
  name=$(basename "$part")
  [[ $name == sys || $name == Database ]] && continue
  rm -rf "$dest/.$name.new"
  cp -R -p "$part" "$dest/.$name.new"
  if [[ -d $dest/$name && ! -L $dest/$name ]]; then rm -rf "$dest/$name"; fi
  mv -T "$dest/.$name.new" "$dest/$name"
done
