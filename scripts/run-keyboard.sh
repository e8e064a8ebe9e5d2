#!/bin/bash
# `make run`: installs Plinkerpad into the project's Wine prefix and starts Wine's notepad with the
# input panel below it. With a display, the user taps away until Quit in the keyboard's
# right-click menu. Without one (DISPLAY unset), an Xvfb screen is started, a short demo is typed
# with real X clicks on the keys, and what notepad received and a screenshot are shown.
# Usage: run-keyboard.sh BUILD_FOLDER
# The prefix is $PLINKER_RUN_PREFIX, by default ~/.local/share/plinkerpad/wineprefix; the user's
# own Wine prefix is never touched.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:?usage: run-keyboard.sh BUILD_FOLDER}" && pwd)
export PLINKER_WINEPREFIX=${PLINKER_RUN_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/plinkerpad/wineprefix}
drive_c=$PLINKER_WINEPREFIX/drive_c

# Built files by name; the ones that must exist, and the optional setup program.
built() { find "$build" -maxdepth 3 -name "$1" -not -path '*/.wineprefix/*' | head -n 1; }
dll=$(built Plinkerpad.dll)
panel=$(built InputPanel.exe)
probe=$(built PlinkerProbe.exe)
setup=$(built PlinkerpadSetup.exe)
help_viewer=$(built PegHelp.exe)
for file in "$dll" "$panel" "$probe"; do
    [ -n "$file" ] || { echo "run-keyboard.sh: build incomplete (Plinkerpad.dll, InputPanel.exe, PlinkerProbe.exe)" >&2; exit 1; }
done

interactive=${DISPLAY:+yes}
if [ -z "$interactive" ]; then
    DISPLAY=$("$root/scripts/xvfb-for-prefix.sh" "$PLINKER_WINEPREFIX" 640x480)
    export DISPLAY
fi

# Wine programs run from C:, where the device's paths ("\Windows\Plinkerpad.dll") lead.
wine_run() { (cd "$drive_c" 2>/dev/null || cd "$PLINKER_WINEPREFIX" && "$root/scripts/wine-run.sh" "$@"); }
probe() { wine_run "$probe" "$@"; }

echo "Wine prefix: $PLINKER_WINEPREFIX"
mkdir -p "$PLINKER_WINEPREFIX"
# The first Wine call boots a new prefix; a panel left from an earlier run lets go of the DLL.
probe close-panel >/dev/null || true
# A new file, not one rewritten in place: Wine keeps the old image of a DLL by its inode.
cp --remove-destination "$dll" "$panel" "$drive_c/windows/"
[ -z "$setup" ] || cp --remove-destination "$setup" "$drive_c/windows/"
# The setup program's Help button opens the help document in the device's viewer.
[ -z "$help_viewer" ] || cp --remove-destination "$help_viewer" "$root/resources/Plinkerpad.Hlp.htm" "$drive_c/windows/"
wine_run regsvr32 /s 'C:\windows\Plinkerpad.dll'
echo "Installed Plinkerpad.dll, InputPanel.exe${setup:+ and PlinkerpadSetup.exe} in C:\\windows; registered the input method."

wine_run notepad >/dev/null 2>&1 &
# The panel comes second, so that notepad has the focus that the panel never takes.
probe wait notepad || true
wine_run 'C:\windows\InputPanel.exe' >/dev/null 2>&1 &
panel_pid=$!
if ! probe wait keyboard; then
    echo "run-keyboard.sh: notepad or the keyboard did not come up" >&2
    exit 1
fi

if [ -n "$interactive" ]; then
    echo "Tap the keys to type into notepad; for Options or Quit, right-click the keyboard or hold"
    echo "a finger still on its grey strip for half a second."
    wait "$panel_pid" || true
    exit 0
fi

# The demo on the numeric keyboard, as (row, column) of its keys: 1 2 decimal 5, the page toggle,
# *, the page toggle, 4.
for key in "2 1" "2 2" "2 4" "1 2" "0 0" "1 1" "0 0" "1 1"; do
    # shellcheck disable=SC2086
    xdotool mousemove $(probe key $key | tr -d '\r') click 1
    sleep 0.2
done
sleep 0.5
echo "Notepad received: $(probe text | tr -d '\r')"
screenshot=$build/plinkerpad-demo.png
import -window root "$screenshot"
echo "Screenshot: $screenshot"
probe close >/dev/null || true
