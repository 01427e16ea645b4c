#!/bin/bash
# Runs the settings-file cases through the Windows profile API (the probe built
# for Windows, under Wine) and through our POSIX implementation (the probe
# built natively), each in a fresh folder, and fails on any difference.
# Usage: compare_settings.sh NATIVE_PROBE WINDOWS_COMMAND...
set -euo pipefail
native=$1
shift
[ -x "$native" ] || { echo "FAIL: $native not found: build the native preset first"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/windows" "$work/posix"
(cd "$work/windows" && "$@") | tr -d '\r' >"$work/windows.txt"
(cd "$work/posix" && "$native") >"$work/posix.txt"
if ! grep -q '^case ' "$work/windows.txt"; then
  echo "FAIL: the Windows probe printed no cases"
  cat "$work/windows.txt"
  exit 1
fi
if ! diff -u --label windows "$work/windows.txt" --label posix "$work/posix.txt"; then
  echo "FAIL: the POSIX settings file differs from the Windows profile API (- windows, + posix)"
  exit 1
fi
echo "OK: $(grep -c '^case ' "$work/posix.txt") cases give the same results"
