#!/usr/bin/env bash
# Pictures of every page of the main window at 1280x800, under Xvfb, on the sample
# company in a throwaway data directory: scripts/screenshots.sh [build-dir] [out-dir]
set -euo pipefail
build_dir="${1:-build}"
out_dir="${2:-shots}"
data_dir=$(mktemp -d)
trap 'rm -rf "$data_dir"' EXIT
mkdir -p "$out_dir"
FLOTANOR_DATA_DIR="$data_dir" LANG=pl_PL.UTF-8 xvfb-run -a -s "-screen 0 1280x800x24" \
    "$build_dir/src/app/flotanor" ENABLEMULTIRUN --screenshots "$(realpath "$out_dir")"
ls "$out_dir"
