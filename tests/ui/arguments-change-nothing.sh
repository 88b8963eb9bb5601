#!/bin/sh
# The program takes no arguments; Qt's own options must not reach Qt either. "-platform xcb"
# without a display would end the program at once if Qt saw it.
program="$1"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
    "$program" -platform xcb -reverse --help extra >/dev/null 2>&1 &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    exit 0
fi
echo "schattwerk-generator ended when given arguments"
exit 1
