#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from the tracked sources, its unit tests run, and checks it with
# lintian; the package version must be the project's. The package stays in OUTPUT_DIR.
# Usage: debian_package.sh SOURCE_DIR PROJECT_VERSION OUTPUT_DIR
set -euo pipefail

# shellcheck source=tests/testlib.sh
source "$(dirname "$0")/testlib.sh"
require_tools dpkg-buildpackage dh lintian git
changelog_version=$(dpkg-parsechangelog -l "$1/debian/changelog" -S Version)
[ "$changelog_version" = "$2" ] ||
    { echo "FAIL: debian/changelog is at $changelog_version, the project at $2"; exit 1; }

"$1/scripts/package" "$3"
