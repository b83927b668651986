# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the test scripts: skipping a test that cannot run here, and failing one with the
# program's output. A caller that captures that output sets "work" to its scratch directory.
work=${work:-}

# Ends the test as skipped (CTest's SKIP_RETURN_CODE) and says why.
skip()
{
    echo "SKIP: $*"
    exit 77
}

# Skips unless every named command is installed.
require_tools()
{
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null ||
            skip "$tool is not installed (scripts/install-deps test installs it)"
    done
}

# Also called from command substitutions, so it reports on standard error.
fail()
{
    echo "FAIL: $*" >&2
    local stream
    for stream in out err; do
        if [ -n "$work" ] && [ -f "$work/$stream" ]; then
            { echo "--- standard $stream:"; cat "$work/$stream"; } >&2
        fi
    done
    exit 1
}
