#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: the files sit where a
# desktop looks for them, the desktop entry and the AppStream file validate, every
# shared library the program loads comes from a package it depends on (directly or
# through those packages' own dependencies), and the program from the package starts.
#   package.sh BUILD_FOLDER OUTPUT_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
out=$2
here=$(cd "$(dirname "$0")" && pwd)
work="$out/package"
rm -rf "$work"
mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log")
deb=$(ls "$work"/brindlemark_*.deb)
fail() { echo "FAILED: $*" >&2; exit 1; }

id=example.vellander.brindlemark
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in usr/bin/brindlemark usr/lib/brindlemark/brindlemark-formchart.so \
  usr/lib/brindlemark/brindlemark-pictures@2x.rcc usr/share/applications/$id.desktop \
         usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/brindlemark.svg \
         usr/share/icons/hicolor/{16x16,22x22,32x32,48x48,64x64,128x128,256x256}{,@2}/apps/brindlemark.png; do
  grep -qx "./$f" <<<"$contents" || fail "$f is not in the package"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" \
  || { cat "$work/appstream.log"; fail "metainfo"; }
grep -qx 'Icon=brindlemark' "$root/usr/share/applications/$id.desktop" || fail "icon name"
for size in 16 22 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/brindlemark.png")
  [ "$got" = "${size}x${size}" ] || fail "icon ${size}x${size} is $got"
  got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}@2/apps/brindlemark.png")
  [ "$got" = "$((2 * size))x$((2 * size))" ] || fail "icon ${size}x${size}@2 is $got"
done

depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | grep -v '^$')
grep -qx libqt6widgets6 <<<"$depends" || fail "no dependency on libqt6widgets6: $depends"
grep -qx qt6-qpa-plugins <<<"$depends" || fail "no dependency on the Qt platform plugins"
grep -qx libqt6charts6 <<<"$depends" || fail "no dependency on libqt6charts6 (the form chart)"
for opened in libpulse0 libsndfile1; do  # opened by the program when it first plays
  grep -qx $opened <<<"$depends" || fail "no dependency on $opened"
done
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
            --no-breaks --no-replaces --no-enhances $depends 2>/dev/null \
          | sed -n 's/^ *\(Pre\)\?Depends: <\?\([^>]*\)>\?$/\2/p; s/^\([^ ].*\)$/\1/p' \
          | sed 's/:.*//' | sort -u)
# Merged /usr: dpkg knows a library under the folder its package put it in.
libs=$(ldd "$root/usr/bin/brindlemark" "$root/usr/lib/brindlemark/brindlemark-formchart.so" \
         | awk '/=>/ {print $3}' | sort -u | xargs -n1 realpath)
owned=$(dpkg -S $libs $(sed 's|^/usr/|/|' <<<"$libs") 2>/dev/null || true)
for lib in $libs; do
  grep -q "${lib#/usr}\$" <<<"$owned" || fail "no package owns $lib"
done
for pkg in $(sed 's/[:,].*//' <<<"$owned" | sort -u); do
  grep -qx "$pkg" <<<"$closure" || fail "a library comes from $pkg, which the package does not pull in"
done

# The program from the package starts and shows its window.
dbus-run-session -- /usr/bin/python3 "$here/games.py" starts "$root/usr/bin/brindlemark" "$out" \
  2> >(grep -v 'dbus-daemon\|SpiRegistry' >&2)
echo "package: $(basename "$deb") passed"
