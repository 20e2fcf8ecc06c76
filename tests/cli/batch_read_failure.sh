#!/bin/sh
# quorvel-cli --batch with a standard input that cannot be read: status 1 and one line on
# standard error that says so, for a directory and for a closed descriptor.
cli="$1"
errors=$(mktemp) || exit 1
trap 'rm -f "$errors"' EXIT
check() {
    status=$1
    if [ "$status" -ne 1 ] || [ "$(wc -l <"$errors")" -ne 1 ] ||
        ! grep -q 'cannot read the batch lines from standard input' "$errors"; then
        echo "$2: status $status, standard error:"
        cat "$errors"
        exit 1
    fi
}
"$cli" --batch RF </ 2>"$errors"
check $? "standard input a directory"
"$cli" --batch RF <&- 2>"$errors"
check $? "standard input closed"
