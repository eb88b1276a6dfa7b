#!/usr/bin/env bash
# Runs a test program on a private X server (Xvfb) with the openbox window manager and,
# with "tray", the trayer panel as the notification area (XEmbed); with "sni", a private
# session bus whose StatusNotifier watcher and host is $BRINDLEMARK_SNI_HOST; "notray" has
# neither.
# Usage: run-under-x.sh tray|sni|notray program [arguments...]
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
# No session bus unless one is made below: the icon goes the X way (XEmbed), which is what
# trayer hosts.
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
  export BRINDLEMARK_TRAY_HOST=xembed
elif [ "$mode" = sni ]; then
  dbus-daemon --session --nofork --address="unix:path=$work/bus" >"$work/bus.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -S "$work/bus" ] && break; sleep 0.1; done
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
  # The host must be there before the program first asks about a tray.
  "$BRINDLEMARK_SNI_HOST" >"$work/host.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do grep -q ready "$work/host.log" && break; sleep 0.1; done
  grep -q ready "$work/host.log" || { echo "no StatusNotifier host"; cat "$work/host.log"; exit 1; }
  export BRINDLEMARK_TRAY_HOST=sni
else
  export BRINDLEMARK_TRAY_HOST=none
fi

"$@"
