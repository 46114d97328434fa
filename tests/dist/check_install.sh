#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there: exactly the expected
# files, a desktop entry and metadata their validators accept, and the build's version in the
# program, the metadata and the manual page.
# Usage: check_install.sh BUILD_DIR VERSION DESKTOP_ID
set -euo pipefail
build=$1 version=$2 id=$3

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "$tool is missing; scripts/setup installs it"; exit 1; }
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() { echo "FAIL: $*"; failed=1; }

expected="bin/tracewright
share/applications/$id.desktop
share/doc/tracewright/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/tracewright.1.gz
share/metainfo/$id.metainfo.xml
share/tracewright/EULA.pdf"
actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    fail "installed files differ from the expected list (< expected, > installed)"
    diff <(echo "$expected") <(echo "$actual") || true
fi

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
# Warnings and hints fail too: a clean entry prints nothing.
report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] ||
    fail "desktop-file-validate: $report"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"

grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Exec=tracewright" "$desktop" || fail "the desktop entry does not start tracewright"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"
grep -q "<project_license>MIT</project_license>" "$metainfo" || fail "the metadata licence"
grep -q "^License: MIT$" "$prefix/share/doc/tracewright/copyright" || fail "the copyright licence"
gzip -dc "$prefix/share/man/man1/tracewright.1.gz" | grep -q "^\.TH TRACEWRIGHT 1 .*\"Tracewright $version\"" ||
    fail "the manual page does not carry version $version"

# No window system at all: the version must still come out. The runtime directory a login
# session has keeps Qt from warning about its absence.
runtime="$prefix/run"
mkdir -m 700 "$runtime"
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
    "$prefix/bin/tracewright" --version) ||
    fail "tracewright --version failed"
[ "$printed" = "Tracewright $version" ] || fail "tracewright --version printed '$printed'"

[ "$failed" = 0 ] && echo "install into a temporary prefix: all checks passed"
exit "$failed"
