#!/usr/bin/env bash
# manpage.sh PROGRAM OUT: the manual page of cxcmap, written by help2man from the program's own --help
# and --version, with a section per command taken from `PROGRAM COMMAND --help`.
set -euo pipefail
prog=$1
out=$2
extra=$(mktemp)
trap 'rm -f "$extra"' EXIT
{
    echo "[COMMANDS]"
    for cmd in $("$prog" --help | awk '/^Subcommands:/ {on = 1; next} on && NF {print $1}'); do
        echo ".SS $cmd"
        echo ".nf"
        # Backslashes and leading dots would be read as troff requests.
        "$prog" "$cmd" --help | sed -e 's/\\/\\e/g' -e 's/^\./\\\&./'
        echo ".fi"
    done
} >"$extra"
help2man --no-info --no-discard-stderr --section 1 --name "coupling maps of MEG and EEG recordings" \
    --include "$extra" --output "$out" "$prog"
