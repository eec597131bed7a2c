#!/usr/bin/env bash
# The main job: installs what is missing, builds the toolchain, installs it into ./stage and
# translates the example project examples/site into ./site-out, the way the editor's Build does.
# With --serve it then serves the site on http://127.0.0.1:8080/ until interrupted.
set -euo pipefail

usage() { echo "usage: scripts/example.sh [--serve]" >&2; exit 2; }
serve=false
[ $# -le 1 ] || usage
case "${1:-}" in
    --serve) serve=true ;;
    "") ;;
    *) usage ;;
esac

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
cmake --install build --prefix stage

# The project file names the main file (line 4) and whether the HTTP header program is
# translated (line 7).
project=examples/site/site.tpr
main="$(sed -n 4p "$project")"
options=()
[ "$(sed -n 7p "$project")" = "true" ] && options+=(-httphead)

mkdir -p site-out
report="$(mktemp)"
trap 'rm -f "$report"' EXIT
status=0
stage/bin/tsg -s "$root/examples/site/$main" -o "$root/site-out" "${options[@]}" | tee "$report" ||
    status=$?
if [ "$status" -ne 0 ] || grep -q '^Error: ' "$report"; then
    echo "The example did not translate." >&2
    exit 1
fi

address=127.0.0.1:8080
if $serve; then
    echo "Serving site-out on http://$address/ (Ctrl+C stops it)"
    exec php -S "$address" -t site-out
fi
echo "The site is in site-out. Serve it with:"
echo "    php -S $address -t site-out"
echo "and open http://$address/"
