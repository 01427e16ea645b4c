#!/bin/sh
# Fresh machine to a scored log in one command: installs what is missing,
# builds the plug-in and zova-score (preset "native", build/native), and scores
# the sample log with them. Standard output is the plug-in's summary and
# nothing else; progress goes to standard error.
#   ./run.sh              build/native via the preset
#   ZOVA_BUILD_DIR=DIR ./run.sh   an already configured build tree instead
set -eu
cd "$(dirname "$0")"
say() { echo "run.sh: $*" >&2; }

packages="cmake ninja-build g++ hamradio-files libgtest-dev"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    if ! command -v apt-get >/dev/null 2>&1; then
        say "please install:$missing (no apt-get here)"
        exit 1
    fi
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    say "installing$missing"
    $sudo apt-get update -qq >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >&2
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if [ -n "${ZOVA_BUILD_DIR:-}" ]; then
    build=$ZOVA_BUILD_DIR
    [ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$log" 2>&1 ||
        { cat "$log" >&2; exit 1; }
else
    build=build/native
    say "configuring ($build)"
    cmake --preset native >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
fi
say "building zova-score and the plug-in"
cmake --build "$build" --target zova-score Stats -- -j2 >"$log" 2>&1 || { cat "$log" >&2; exit 1; }

# The plug-in keeps its journal and settings in the working folder: a scratch one.
say "scoring examples/sample.adi"
exec "$build/bin/zova-score" --dir "$build/sample-run" examples/sample.adi
