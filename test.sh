#!/bin/bash
# Builds and tests everything: installs what is missing, builds the native
# library (plain and with ASan+UBSan) and the 32-bit Windows DLL, runs every
# test natively, under the sanitizers, and as .exe under Wine (with Xvfb for
# the window tests). Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
jobs=$(nproc 2>/dev/null || echo 2)
started=$SECONDS

packages=(cmake ninja-build g++ libgtest-dev googletest libbenchmark-dev
          g++-mingw-w64-i686 wine wine32:i386 xvfb xauth imagemagick hamradio-files
          chromium llvm)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
  local missing=() pkg
  for pkg in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "== installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Runs one ctest suite; prints its closing lines (and the output of failures).
failed=()
run_ctest() {
  local name=$1 dir=$2
  shift 2
  local log="$root/$dir/ctest.log" status=0
  local t0=$SECONDS
  "$@" ctest --test-dir "$root/$dir" -j"$jobs" --timeout 600 --output-on-failure >"$log" 2>&1 ||
    status=$?
  echo "== $name tests ($((SECONDS - t0)) s)"
  if [ $status -ne 0 ]; then
    # Everything but the passing tests' progress lines: the failures' output and the summary.
    grep -Ev '^ *Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed ' "$log" | tail -n 600
    failed+=("$name")
  else
    sed -n '/tests passed/,$p' "$log"
  fi
}

install_missing

# Wine: a prefix of the build tree's own, created once; no Mono/Gecko prompts.
export WINEPREFIX="$root/build/windows/.wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== creating the Wine prefix"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# A preset that fails to build is reported and its tests are skipped; the others still run.
mkdir -p "$root/build"
declare -A built
for preset in native native-asan windows; do
  t0=$SECONDS
  log="$root/build/build-$preset.log"
  if cmake --preset "$preset" >"$log" 2>&1 && cmake --build --preset "$preset" -j"$jobs" >>"$log" 2>&1; then
    built[$preset]=1
    echo "== built $preset ($((SECONDS - t0)) s)"
  else
    echo "== building $preset FAILED ($log):"
    grep -E -B2 -A12 'error|Error|FAILED' "$log" | head -n 200
    failed+=("build:$preset")
  fi
done

# The Windows tests run on one X display, with Wine's server and its background
# processes (desktop window, services) started first, outside ctest's output
# pipes: started by a test, they would hold that test's pipe open until the
# server ends, and the test would seem to last the whole suite.
wine_session() {
  xvfb-run -a bash -c 'wineserver -p && wineboot </dev/null >/dev/null 2>&1
                       "$@"; status=$?
                       wineserver -k 2>/dev/null
                       exit $status' wine-session "$@"
}

[ -n "${built[native]:-}" ] && run_ctest native build/native
[ -n "${built[native-asan]:-}" ] && run_ctest native-asan build/native-asan
[ -n "${built[windows]:-}" ] && run_ctest windows build/windows wine_session

echo "== test.sh took $((SECONDS - started)) s"
if [ ${#failed[@]} -ne 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all tests passed"
