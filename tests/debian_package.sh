#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from the tracked sources and checks it with lintian; the package
# version must be the project's.
# Usage: debian_package.sh SOURCE_DIR PROJECT_VERSION
set -euo pipefail

for tool in dpkg-buildpackage dh lintian git; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps test installs it)"
        exit 77
    fi
done
changelog_version=$(dpkg-parsechangelog -l "$1/debian/changelog" -S Version)
[ "$changelog_version" = "$2" ] ||
    { echo "FAIL: debian/changelog is at $changelog_version, the project at $2"; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1/scripts/package" "$out"
