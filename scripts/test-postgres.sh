#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# A private PostgreSQL cluster for the tests, in a folder of their own:
#
#     scripts/test-postgres.sh start DIR    # makes DIR/data, starts it
#     scripts/test-postgres.sh stop DIR     # stops it and removes DIR
#     scripts/test-postgres.sh halt DIR     # stops it and keeps its data
#     scripts/test-postgres.sh resume DIR   # starts a halted one again
#
# The server listens on a Unix socket in DIR only, never on a TCP port, and
# trusts the one role "quillbill_test", so it can reach no server of the
# machine's and nothing outside can reach it. One more role,
# "quillbill_password", signs in with the password "a secret" only, for the
# tests of a password kept in the keyring. PostgreSQL refuses to run as
# root: under root the cluster belongs to the unprivileged user "nobody".
set -eu

action=$1
dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)

if [ "$(id -u)" -eq 0 ]; then
    as_owner="runuser -u nobody --"
else
    as_owner=""
fi

case "$action" in
start)
    if [ -f "$dir/data/postmaster.pid" ]; then
        $as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    mkdir -p "$dir"
    [ -z "$as_owner" ] || chown nobody "$dir"
    $as_owner "$bin/initdb" -D "$dir/data" -U quillbill_test --auth=trust --encoding=UTF8 --locale=C.UTF-8 \
        >"$dir/initdb.log"
    hba="$dir/data/pg_hba.conf"
    { echo "local all quillbill_password scram-sha-256"; cat "$hba"; } >"$dir/hba" && mv "$dir/hba" "$hba"
    [ -z "$as_owner" ] || chown nobody "$hba"
    $as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
        -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c fsync=off" start >/dev/null
    "$bin/psql" -h "$dir" -U quillbill_test -d postgres -q \
        -c "CREATE ROLE quillbill_password LOGIN SUPERUSER PASSWORD 'a secret'"
    ;;
stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
        $as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    fi
    rm -rf "$dir"
    ;;
halt)
    $as_owner "$bin/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    ;;
resume)
    $as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
        -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c fsync=off" start >/dev/null
    ;;
*)
    echo "usage: $0 start|stop|halt|resume DIR" >&2
    exit 2
    ;;
esac
