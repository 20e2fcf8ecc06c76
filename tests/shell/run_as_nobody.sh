#!/bin/sh
# Runs the given command as the user "nobody"; exits 77 (skipped) with the reason where that
# cannot be done.
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: not running as root, so the tests already ran unprivileged"
    exit 77
fi
if ! id nobody >/dev/null 2>&1; then
    echo "skipped: this machine has no user nobody"
    exit 77
fi
if ! command -v runuser >/dev/null 2>&1; then
    echo "skipped: runuser is missing"
    exit 77
fi
if ! runuser -u nobody -- test -x "$1"; then
    echo "skipped: nobody cannot run $1 (a directory on its path is closed to others)"
    exit 77
fi
cd /tmp || exit 1
exec runuser -u nobody -- "$@"
