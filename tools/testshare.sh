#!/usr/bin/env bash
# Lines of production code per layer against the lines of the tests and the test kit, and the share
# of the two against its bound (default 0.40). With --enforce, a share above the bound exits 1.
#   bash tools/testshare.sh [--enforce] [BOUND]
set -euo pipefail
cd "$(dirname "$0")/.."
enforce=0
if [ "${1:-}" = "--enforce" ]; then enforce=1; shift; fi
bound=${1:-0.40}

lines() {  # lines of every .cpp/.h below the given folders
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | xargs -0r cat | wc -l
}

production=0
for layer in platform companions data base resources maps drawer dialogs viewers facade app; do
    n=$(lines "$layer")
    printf '%-12s %7d\n' "$layer" "$n"
    production=$((production + n))
done
tests=$(lines tests testkit)
printf '%-12s %7d\n' production "$production" tests "$tests"
awk -v t="$tests" -v p="$production" -v b="$bound" -v e="$enforce" 'BEGIN {
    share = t / p
    above = share > b
    printf "test share   %7.3f (bound %s%s)\n", share, b, (above ? ", above it" : "")
    exit (e && above) ? 1 : 0
}'
