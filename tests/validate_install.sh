#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the build into a scratch prefix and checks that the desktop entry, icon, AppStream
# metadata and manual page land in the standard places and pass their validators, and that the
# example networks are installed.
# Usage: validate_install.sh BUILD_DIR PROJECT_VERSION
set -euo pipefail

# shellcheck source=tests/testlib.sh
source "$(dirname "$0")/testlib.sh"
require_tools desktop-file-validate appstreamcli man

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null

id=org.netroute.netroute
for file in bin/netroute share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
    share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml share/man/man1/netroute.1 \
    share/netroute/networks/{builtin,fewer-hops,larger,textbook,three-routers}.graphml; do
    [ -f "$prefix/$file" ] || { echo "FAIL: $file was not installed"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"

# The project has no public web address yet, so AppStream's warning that the homepage is
# missing is the one expected; any other error or warning fails.
report=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1 || true)
echo "$report"
if grep -E '^[EW]: ' <<<"$report" | grep -v -E '^W: [^ ]+: url-homepage-missing$' | grep -q .; then
    echo "FAIL: AppStream metadata has errors or warnings"
    exit 1
fi
grep -q "<release version=\"$2\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    { echo "FAIL: the newest release entry is not version $2"; exit 1; }

warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/netroute.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "FAIL: the manual page renders with warnings:"; echo "$warnings"; exit 1; }
echo "installed files are in place and valid"
