#!/bin/bash
# Prints the DISPLAY of the Xvfb server that belongs to a Wine prefix, starting it when needed.
# Usage: xvfb-for-prefix.sh PREFIX [WIDTHxHEIGHT]
set -u
prefix=$1
screen=${2:-640x480}
mkdir -p "$prefix"
state="$prefix/.xvfb-display-$screen"
# One lock for every prefix: builds side by side must not pick the same free display number.
(
    flock 9
    if [ -f "$state" ]; then
        display=$(cat "$state")
        if xdpyinfo -display "$display" >/dev/null 2>&1; then
            echo "$display"
            exit 0
        fi
    fi
    for n in $(seq 90 190); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        # The server must not inherit the lock (fd 9), or the next caller waits forever.
        setsid Xvfb ":$n" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 </dev/null 9>&- &
        for _ in $(seq 50); do
            xdpyinfo -display ":$n" >/dev/null 2>&1 && break
            sleep 0.1
        done
        echo ":$n" >"$state"
        echo ":$n"
        exit 0
    done
    exit 1
) 9>/tmp/.plinker-xvfb.lock
