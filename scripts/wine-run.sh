#!/bin/bash
# Runs a Windows program under Wine in the build folder's private prefix, with a display.
# Usage: wine-run.sh PROGRAM [ARGS...]. The prefix is $PLINKER_WINEPREFIX, or .wineprefix in
# the build folder (found from the current folder upwards by its CMakeCache.txt). A new prefix
# gets the screen DPI $PLINKER_DPI when it is set (96 otherwise).
set -u

find_build_root() {
    local dir=$PWD
    while [ "$dir" != / ]; do
        [ -f "$dir/CMakeCache.txt" ] && { echo "$dir"; return; }
        dir=$(dirname "$dir")
    done
    echo "$PWD"
}

export WINEPREFIX=${PLINKER_WINEPREFIX:-$(find_build_root)/.wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Tests need a display: one Xvfb per prefix and screen size (PLINKER_SCREEN, e.g. 240x320),
# started on first use and left running.
if [ -z "${DISPLAY:-}" ] || [ -n "${PLINKER_SCREEN:-}" ]; then
    DISPLAY=$("$here/xvfb-for-prefix.sh" "$WINEPREFIX" "${PLINKER_SCREEN:-640x480}")
    export DISPLAY
fi

# Wine's services inherit the output of whoever starts them, and CTest would then wait for them
# after every test. So a persistent wineserver is started here and the prefix is booted, or its
# services started, with our output kept away from them (and away from the lock on fd 9).
mkdir -p "$WINEPREFIX"
(
    flock 9
    wineserver -p >/dev/null 2>&1 </dev/null 9>&-
    started=$?
    if [ ! -f "$WINEPREFIX/.plinker-ready" ]; then
        wineboot -i >/dev/null 2>&1 </dev/null 9>&-
        # No window manager under Xvfb: without this, DestroyWindow waits 2 s for one.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
            >/dev/null 2>&1 </dev/null 9>&-
        if [ -n "${PLINKER_DPI:-}" ]; then
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
                /d "$PLINKER_DPI" /f >/dev/null 2>&1 </dev/null 9>&-
            # Wine reads the DPI when its server starts.
            wineserver -k >/dev/null 2>&1 </dev/null 9>&-
            wineserver -w >/dev/null 2>&1 </dev/null 9>&-
            wineserver -p >/dev/null 2>&1 </dev/null 9>&-
            wineboot >/dev/null 2>&1 </dev/null 9>&-
        fi
        touch "$WINEPREFIX/.plinker-ready"
    elif [ $started = 0 ]; then
        wineboot >/dev/null 2>&1 </dev/null 9>&-
    fi
) 9>"$WINEPREFIX.lock"

# Wine starts its desktop process on a program's first window, and that process inherits the
# program's output and outlives it by seconds: hand the output on through files, so that whoever
# reads it (CTest) sees its end when the program ends.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err"
status=$?
cat "$out"
cat "$err" >&2
exit $status
