#!/usr/bin/env bash
# Runs a test program on a private X server (Xvfb) with the openbox window manager and,
# with "tray", the trayer panel as the notification area; "notray" leaves it out.
# Usage: run-under-x.sh tray|notray program [arguments...]
set -euo pipefail
mode=$1
shift
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 5.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
# No session bus: the icon goes the X way (XEmbed), which is what trayer hosts.
unset DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb

openbox --sm-disable --config-file /dev/null >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

if [ "$mode" = tray ]; then
  trayer --edge bottom --align right --widthtype pixel --width 120 --height 32 \
    --SetDockType true >"$work/trayer.log" 2>&1 &
  pids+=($!)
  export BRINDLEMARK_TRAY_HOST=1
else
  export BRINDLEMARK_TRAY_HOST=0
fi

"$@"
