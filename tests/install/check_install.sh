#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "install check: $*" >&2; exit 1; }
for f in bin/zarv bin/zarv-run \
         share/applications/org.zarv.Zarv.desktop share/metainfo/org.zarv.Zarv.metainfo.xml \
         share/mime/packages/org.zarv.Zarv.xml \
         share/icons/hicolor/scalable/apps/org.zarv.Zarv.svg \
         share/icons/hicolor/48x48/apps/org.zarv.Zarv.png \
         share/icons/hicolor/256x256/apps/org.zarv.Zarv.png \
         share/man/man1/zarv.1.gz share/man/man1/zarv-run.1.gz; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/zarv-run" ] || fail "zarv-run is not executable"
if command -v file >/dev/null; then
  file "$prefix/share/icons/hicolor/48x48/apps/org.zarv.Zarv.png" | grep -q '48 x 48' ||
    fail "the 48 px icon is not 48 x 48"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.zarv.Zarv.desktop" >/dev/null ||
    fail "the desktop entry does not validate"
fi
# A file manager opens flight files with ZARV: the entry takes a file and names the type
# that the installed MIME package gives to *.zarv.
desktop="$prefix/share/applications/org.zarv.Zarv.desktop"
grep -qx 'Exec=zarv %f' "$desktop" || fail "the desktop entry does not pass a file to zarv"
grep -qx 'MimeType=application/x-zarv-flight;' "$desktop" || fail "the desktop entry declares no flight file type"
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "the MIME package does not build"
  grep -q '^50:application/x-zarv-flight:\*\.zarv$' "$prefix/share/mime/globs2" ||
    fail "*.zarv is not application/x-zarv-flight in the MIME database"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.zarv.Zarv.metainfo.xml" >/dev/null ||
    fail "the AppStream metadata does not validate"
fi
if command -v man >/dev/null; then
  for page in zarv zarv-run; do
    warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || fail "man $page: $warnings"
  done
fi
out=$(cd "$prefix" && "$prefix/bin/zarv-run" --preset 8:0) || fail "the installed zarv-run does not run"
grep -q 'flight time' <<<"$out" || fail "the installed zarv-run printed no summary"
echo "installed tree: ok"
