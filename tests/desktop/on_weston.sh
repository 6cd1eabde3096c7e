#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a client of a headless Weston compositor of its own, started here and
# stopped when the command ends; gives up when Weston has not started within 30 seconds.
export XDG_RUNTIME_DIR="$(mktemp -d)" WAYLAND_DISPLAY=wayland-tavelin QT_QPA_PLATFORM=wayland
weston --backend=headless-backend.so --use-pixman --idle-time=0 --socket="$WAYLAND_DISPLAY" &
trap 'kill $! 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
timeout 30 sh -c 'until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do sleep 0.1; done' ||
    { echo "weston did not start" >&2; exit 1; }
"$@"
