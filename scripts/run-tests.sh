#!/usr/bin/env bash
# Runs every test: starts a throwaway PostgreSQL server on loopback for the data tests,
# runs CTest, and stops the server again whatever the outcome.
set -uo pipefail
build_dir="${1:-build}"

PGBIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$PGBIN" ]; then
    echo "Brak serwera PostgreSQL (pakiet postgresql)." >&2
    exit 1
fi

as_pg() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

pgdir=$(mktemp -d /tmp/flotanor-pg.XXXXXX)
chmod 755 "$pgdir"
[ "$(id -u)" -eq 0 ] && chown postgres:postgres "$pgdir"
port=$((56000 + RANDOM % 4000))

cleanup() {
    as_pg "$PGBIN/pg_ctl" -D "$pgdir/data" -m fast -w stop >/dev/null 2>&1
    rm -rf "$pgdir"
}
trap cleanup EXIT

as_pg "$PGBIN/initdb" -D "$pgdir/data" -U postgres --auth=trust --no-sync -E UTF8 \
    --locale=C.UTF-8 >"$pgdir/initdb.log" 2>&1 || { cat "$pgdir/initdb.log"; exit 1; }
as_pg "$PGBIN/pg_ctl" -D "$pgdir/data" -l "$pgdir/log" -w -t 30 \
    -o "-c listen_addresses=127.0.0.1 -p $port -k $pgdir -c fsync=off" start >/dev/null ||
    { cat "$pgdir/log"; exit 1; }

export FLOTANOR_TEST_PG="postgresql://postgres@127.0.0.1:$port/postgres"
export FLOTANOR_REQUIRE_PG=1
ctest --test-dir "$build_dir" --output-on-failure -j2
