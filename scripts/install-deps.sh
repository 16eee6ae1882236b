#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the running program (WAV decoding for the
# reminder sounds) need, when any is missing. The store writes rows through SQLite itself
# (libsqlite3-dev). The logind test runs a private D-Bus with a mock of systemd-logind (dbus,
# python3-dbusmock). The calendar exchange uses libical; its tests check the
# files with calcurse and python3-vobject. The reminder tests read the time zones of tzdata. The
# desktop entry and the AppStream metadata are checked by desktop-file-utils and appstream; the
# Debian package is made by CPack (file, dpkg-shlibdeps) and checked by lintian.
set -euo pipefail
packages=(build-essential cmake ccache qt6-base-dev qt6-multimedia-dev qt6-svg-dev
          libqt6sql6-sqlite libsqlite3-dev libqt6svg6 qt6-qpa-plugins libgl-dev
          gstreamer1.0-plugins-good dbus dbus-daemon python3-dbusmock
          libical-dev pkg-config calcurse python3-vobject tzdata
          desktop-file-utils appstream file dpkg-dev lintian
          radicale qtkeychain-qt6-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""; [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
