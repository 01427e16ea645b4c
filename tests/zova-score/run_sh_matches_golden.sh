#!/bin/sh
# ./run.sh prints exactly the golden summary of the sample log on standard output.
#   run_sh_matches_golden.sh SOURCE_DIR BUILD_DIR
set -eu
source_dir=$1 build_dir=$2
out=$(mktemp)
trap 'rm -f "$out"' EXIT
ZOVA_BUILD_DIR="$build_dir" "$source_dir/run.sh" >"$out"
if cmp "$out" "$source_dir/examples/sample-summary.txt"; then
    echo "run.sh output matches examples/sample-summary.txt"
else
    diff "$out" "$source_dir/examples/sample-summary.txt" || true
    exit 1
fi
