#!/usr/bin/env bash
# Remakes docs/viewer.png: the interactive viewer on the demo data with three windows open, on a
# virtual X display (Xvfb). The screen is taken with ImageMagick's `import` when it is installed,
# otherwise from Xvfb's own frame buffer file (docs/xwd2png.py turns it into a PNG).
#   bash docs/screenshot.sh [BUILD_DIR]    (default: build/release)
set -euo pipefail
cd "$(dirname "$0")/.."

program="${1:-build/release}/app/cxcmap"
windows=showDlgCxcMatrixAct,showDlgCxcMegActLink2DMap,showDlgCxcMegActCntFieldLine2DMap
[ -x "$program" ] || { echo "screenshot.sh: build first ($program is missing)" >&2; exit 1; }

frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
xvfb-run -a -s "-screen 0 1600x1000x24 -fbdir $frames" bash -c '
    "$1" --open "$2" &
    viewer=$!
    sleep 6
    if command -v import >/dev/null; then
        import -window root "$3"
    else
        python3 docs/xwd2png.py "$4/Xvfb_screen0" "$3"
    fi
    kill "$viewer"
    wait "$viewer" || true
' screenshot "$program" "$windows" docs/viewer.png "$frames"
echo "wrote docs/viewer.png"
