#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every file of the source tree states its copyright and licence (REUSE).
# Usage: reuse_lint.sh SOURCE_DIR
set -euo pipefail

# shellcheck source=tests/testlib.sh
source "$(dirname "$0")/testlib.sh"
require_tools reuse git
# Without git the tool would also read the ignored build trees.
git -C "$1" rev-parse --git-dir >/dev/null 2>&1 || skip "$1 is not a git checkout"
reuse --root "$1" lint
