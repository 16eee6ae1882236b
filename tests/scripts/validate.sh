#!/usr/bin/env bash
# Runs a validator on a file the build installs; fails on any error or warning it names, and is
# skipped (exit 77) where the validator is not installed.   validate.sh TOOL [ARGS...] FILE
set -uo pipefail
if ! command -v "$1" >/dev/null; then
  echo "SKIP: $1 is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
output=$("$@" 2>&1)
status=$?
echo "$output"
# desktop-file-validate says its warnings but exits 0 on them.
if ((status != 0)) || grep -qiE '(error|warning)' <<<"$output"; then
  echo "FAIL: $*" >&2
  exit 1
fi
echo PASS
