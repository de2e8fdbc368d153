#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR and checks the tree a desktop
# expects: the program, its desktop entry, icons at every hicolor size, the
# AppStream metainfo, the manual page and the licences; and that every place
# that states the version (the program, the metainfo, the manual page, NEWS,
# debian/changelog) states the project's. The desktop entry and metainfo must
# pass Debian's validators; when those are not installed the test is skipped
# (exit 77) after the tree itself was checked.
#   usage: check_install.sh BUILD-DIR STAGE-DIR SOURCE-DIR BINDIR VERSION RELEASE-DATE
set -euo pipefail
build=$1
stage=$2
source=$3
bindir=$4
project_version=$5
release_date=$6
app_id=com.orvane.quintaro
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root="$stage/usr"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

program="$root/$bindir/quintaro"
[ -x "$program" ] || fail "$bindir/quintaro is missing or not executable"
for f in "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" share/man/man6/quintaro.6.gz \
         share/doc/quintaro/COPYING share/doc/quintaro/NEWS share/doc/quintaro/LiberationSans-OFL-1.1.txt; do
  [ -s "$root/$f" ] || fail "$f is missing"
done
cmp -s "$source/COPYING" "$root/share/doc/quintaro/COPYING" || fail "COPYING is not the file in the source"
grep -q '^SIL OPEN FONT LICENSE Version 1.1' "$root/share/doc/quintaro/LiberationSans-OFL-1.1.txt" ||
  fail "the font licence is not the SIL Open Font License 1.1"
for n in 16 24 32 48 64 128 256; do
  icon="$root/share/icons/hicolor/${n}x${n}/apps/$app_id.png"
  if [ ! -s "$icon" ]; then fail "icon ${n}x${n} is missing"; continue; fi
  # A PNG signature, then IHDR with the width and height of its folder.
  head -c 8 "$icon" | od -An -tx1 | tr -d ' \n' | grep -q '^89504e470d0a1a0a$' || fail "icon ${n}x${n} is not a PNG"
  dims=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
  want="0 0 $((n >> 8)) $((n & 255))"
  [ "$dims" = "$want $want" ] || fail "icon ${n}x${n} has the size bytes '$dims'"
done

desktop="$root/share/applications/$app_id.desktop"
metainfo="$root/share/metainfo/$app_id.metainfo.xml"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
# A field code for files needs a MimeType the entry does not declare.
if grep -q '^Exec=.*%[fFuU]' "$desktop" && ! grep -q '^MimeType=' "$desktop"; then
  fail "the desktop entry passes files but declares no file type"
fi
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "metainfo project_license"

# The program answers the command line without a display.
version=$("$program" --version | head -n 1) || fail "--version failed"
"$program" --version | grep -q '^Copyright (C) ' || fail "--version shows no copyright"
"$program" --help | grep -q -- '--zoom' || fail "--help does not explain --zoom"
set +e
"$program" --no-such-option >/dev/null 2>&1
status=$?
set -e
[ "$status" -eq 2 ] || fail "an unknown option exits $status, not 2"

# One version everywhere.
[ "${version##* }" = "$project_version" ] || fail "the program says '$version', the project $project_version"
release=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo")
[ "$release" = "$project_version $release_date" ] || fail "metainfo release '$release'"
manual=$(gzip -dc "$root/share/man/man6/quintaro.6.gz")
grep -q '^\.SH EXIT STATUS' <<<"$manual" || fail "the manual page has no exit status"
grep -q '^\.SH COPYRIGHT' <<<"$manual" || fail "the manual page has no copyright"
# The font is credited as its own notice, the licence's first lines, does.
while IFS= read -r credit && [ -n "$credit" ]; do
  grep -qF "$credit" <<<"$manual" || fail "the manual page lacks the font's '$credit'"
done <"$source/LICENSES/OFL-1.1.txt"
grep -q "^\.TH QUINTARO 6 \"[A-Z][a-z]* ${release_date%%-*}\" \"Quintaro Games $project_version\"" <<<"$manual" ||
  fail "the manual page's title line: $(head -n 1 <<<"$manual")"
news=$(head -n 1 "$source/NEWS")
[ "$news" = "Quintaro Games $project_version ($release_date)" ] || fail "NEWS begins with '$news'"
if [ -f "$source/debian/changelog" ]; then
  packaged=$(sed -n '1s/^quintaro (\([^)-]*\)-[^)]*).*/\1/p' "$source/debian/changelog")
  [ "$packaged" = "$project_version" ] || fail "debian/changelog packages '$packaged'"
fi

# The online rooms server, when built, beside the program with its own manual page.
if [ -x "$build/quintaro-server" ]; then
  server="$root/$bindir/quintaro-server"
  [ -x "$server" ] || fail "$bindir/quintaro-server is missing"
  [ "$("$server" --version 2>/dev/null)" = "quintaro-server $project_version" ] || fail "the server's --version"
  gzip -dc "$root/share/man/man1/quintaro-server.1.gz" 2>/dev/null |
    grep -q "^\.TH QUINTARO-SERVER 1 .*\"Quintaro Games $project_version\"" || fail "the server's manual page"
fi

skipped=0
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate is not installed (Debian: desktop-file-utils)"; skipped=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli validate"
else
  echo "appstreamcli is not installed (Debian: appstream)"; skipped=1
fi
[ "$failures" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || exit 77
echo "install tree OK"
