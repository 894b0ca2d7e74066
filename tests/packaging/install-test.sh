#!/usr/bin/env bash
# Installs the build into a new prefix and runs the programs from there: their versions and
# help, a database made and listed by the command line, a report laid out from the layouts
# installed under share/flotanor, and the desktop entry and AppStream metadata validated.
# Usage: install-test.sh BUILD_DIR VERSION
set -euo pipefail
build="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || fail "cmake --install"
for f in bin/flotanor bin/flotanor-cli share/flotanor/english.ini share/flotanor/porady.dat \
         share/flotanor/docs/Manual.pdf share/flotanor/raporty/pojazdy.xml \
         share/applications/pl.orvelin.Flotanor.desktop \
         share/metainfo/pl.orvelin.Flotanor.metainfo.xml \
         share/icons/hicolor/scalable/apps/flotanor.svg \
         share/icons/hicolor/48x48/apps/flotanor.png \
         share/man/man1/flotanor.1.gz share/man/man1/flotanor-cli.1.gz; do
    [ -s "$prefix/$f" ] || fail "not installed: $f"
done

[ "$("$prefix/bin/flotanor-cli" --version)" = "flotanor-cli $version" ] || fail "flotanor-cli --version"
[ "$(env -u QT_QPA_PLATFORM DISPLAY= "$prefix/bin/flotanor" --version)" = "flotanor $version" ] ||
    fail "flotanor --version without a display"
# (Outputs are taken whole: grep -q ending a pipe early would fail it under pipefail.)
contains() { [[ "$1" == *"$2"* ]]; }
contains "$("$prefix/bin/flotanor" --help)" "--location" || fail "flotanor --help"
# The manual pages and the metadata name the version the programs give.
contains "$(zcat "$prefix/share/man/man1/flotanor-cli.1.gz")" "Flotanor $version" ||
    fail "flotanor-cli.1 is not of version $version"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/pl.orvelin.Flotanor.metainfo.xml" ||
    fail "the metainfo has no release $version"
contains "$("$prefix/bin/flotanor-cli" --help)" "import-legacy" || fail "flotanor-cli --help"

# The command line works from the prefix: a demo database listed.
db="$work/baza"
"$prefix/bin/flotanor-cli" create-database "$db" --demo --password tajne > /dev/null ||
    fail "create-database"
"$prefix/bin/flotanor-cli" list "$db" demo pojazdy --password tajne --encoding utf-8 \
    > "$work/pojazdy.csv" || fail "list"
[ "$(wc -l < "$work/pojazdy.csv")" -gt 1 ] || fail "list gave no vehicles"

# Layouts come from share/flotanor/raporty of the prefix: a changed title shows in the report.
sed -i 's/>Zestawienie pojazdów</>Zestawienie pojazdów z instalacji</' \
    "$prefix/share/flotanor/raporty/pojazdy.xml"
"$prefix/bin/flotanor-cli" report "$db" demo pojazdy --password tajne --out "$work/pojazdy.pdf" ||
    fail "report"
contains "$(pdftotext "$work/pojazdy.pdf" -)" "Zestawienie pojazdów z instalacji" ||
    fail "the report did not use the installed layout"

desktop-file-validate "$prefix/share/applications/pl.orvelin.Flotanor.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/pl.orvelin.Flotanor.metainfo.xml" \
    > "$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
for page in flotanor flotanor-cli; do
    warnings="$(zcat "$prefix/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww 2>&1 > /dev/null)"
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done
echo "installed and started from $prefix"
