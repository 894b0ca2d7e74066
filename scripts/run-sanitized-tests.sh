#!/usr/bin/env bash
# Runs the SQLite and logic tests of a sanitizer build: any memory error, leak or
# undefined behaviour ends the test that met it with a report.
set -uo pipefail
build_dir="${1:-build-asan}"
here=$(cd "$(dirname "$0")" && pwd)

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The installation test checks the packaged files, not memory: it runs in make test.
ctest --test-dir "$build_dir" --output-on-failure -j2 -LE "postgres|install"
