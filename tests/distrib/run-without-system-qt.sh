#!/bin/sh
# Starts a distributed test program with the system's Qt out of reach and
# checks that the loader took every Qt library and plugin from the
# distribution folder.
#
#   tests/distrib/run-without-system-qt.sh DISTRIBUTION-FOLDER "PROGRAM [ARGS]" [SECONDS]
#
# Needs a display (DISPLAY) and root (a private mount namespace hides the
# system's Qt libraries behind /dev/null and its plugin folder behind an empty
# tmpfs; the real files are not touched). Exit status 0 when every Qt object
# came from the folder.
set -eu
dir=$(cd "$1" && pwd -P)
program=$2
seconds=${3:-5}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
qtlibs=$(ls /usr/lib/*-linux-gnu/libQt6*.so.6.* 2>/dev/null || true)
plugins=$(ls -d /usr/lib/*-linux-gnu/qt6/plugins 2>/dev/null || true)
unshare --mount --propagation private sh -c '
    for f in '"$(echo $qtlibs)"'; do mount --bind /dev/null "$f"; done
    for p in '"$plugins"'; do mount -t tmpfs none "$p"; done
    cd "'"$dir"'"
    LD_LIBRARY_PATH=/nonexistent LD_DEBUG=libs timeout '"$seconds"' ./'"$program"' || true
' 2>"$log" >/dev/null || true
loaded=$(sed -n 's/.*calling init: //p' "$log" | grep -E 'libQt6|/plugins/' || true)
echo "$loaded"
[ -n "$loaded" ] || { echo "FAIL: no Qt library was loaded" >&2; exit 1; }
outside=$(echo "$loaded" | grep -v "^$dir/" || true)
if [ -n "$outside" ]; then
    echo "FAIL: loaded from outside $dir:" >&2
    echo "$outside" >&2
    exit 1
fi
echo "$loaded" | grep -q "^$dir/plugins/platforms/" || { echo "FAIL: no platform plugin from $dir" >&2; exit 1; }
echo "OK: every Qt library and plugin came from $dir"
