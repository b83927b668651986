#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the desktop entry, icon and AppStream
# metadata land in the standard places and pass the freedesktop validators.
# Usage: validate_install.sh BUILD_DIR
set -euo pipefail

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps test installs it)"
        exit 77
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null

id=org.netroute.netroute
for file in bin/netroute share/applications/$id.desktop \
    share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml; do
    [ -f "$prefix/$file" ] || { echo "FAIL: $file was not installed"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed files are in place and valid"
