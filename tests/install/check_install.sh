#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree a desktop
# expects: the program, its desktop entry, icons at every hicolor size, the
# AppStream metainfo and the manual page. The desktop entry and metainfo must
# pass Debian's validators; when those are not installed the test is skipped
# (exit 77) after the tree itself was checked.
set -euo pipefail
build=$1
stage=$2
app_id=com.orvane.Quintaro
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root="$stage/usr"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -x "$root/bin/quintaro" ] || fail "bin/quintaro is missing or not executable"
for f in "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" share/man/man6/quintaro.6.gz; do
  [ -s "$root/$f" ] || fail "$f is missing"
done
for n in 16 24 32 48 64 128 256; do
  icon="$root/share/icons/hicolor/${n}x${n}/apps/quintaro.png"
  if [ ! -s "$icon" ]; then fail "icon ${n}x${n} is missing"; continue; fi
  # A PNG signature, then IHDR with the width and height of its folder.
  head -c 8 "$icon" | od -An -tx1 | tr -d ' \n' | grep -q '^89504e470d0a1a0a$' || fail "icon ${n}x${n} is not a PNG"
  dims=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
  want="0 0 $((n >> 8)) $((n & 255))"
  [ "$dims" = "$want $want" ] || fail "icon ${n}x${n} has the size bytes '$dims'"
done

# The program answers the command line without a display.
version=$("$root/bin/quintaro" --version) || fail "--version failed"
"$root/bin/quintaro" --help | grep -q -- '--zoom' || fail "--help does not explain --zoom"
set +e
"$root/bin/quintaro" --no-such-option >/dev/null 2>&1
status=$?
set -e
[ "$status" -eq 2 ] || fail "an unknown option exits $status, not 2"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/share/metainfo/$app_id.metainfo.xml")
[ "${version##* }" = "$release" ] || fail "metainfo release '$release' differs from the program's version '$version'"
gzip -dc "$root/share/man/man6/quintaro.6.gz" | grep -q '^\.SH EXIT STATUS' || fail "the manual page has no exit status"

skipped=0
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/share/applications/$app_id.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate is not installed (Debian: desktop-file-utils)"; skipped=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
else
  echo "appstreamcli is not installed (Debian: appstream)"; skipped=1
fi
[ "$failures" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || exit 77
echo "install tree OK"
