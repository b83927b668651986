#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every file of the source tree states its copyright and licence (REUSE).
# Usage: reuse_lint.sh SOURCE_DIR
set -euo pipefail

for tool in reuse git; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps test installs it)"
        exit 77
    fi
done
# Without git the tool would also read the ignored build trees.
git -C "$1" rev-parse --git-dir >/dev/null 2>&1 || { echo "SKIP: $1 is not a git checkout"; exit 77; }
reuse --root "$1" lint
