# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the scripts that work on a copy of the sources.

# Copies the tracked files, and the new ones git does not ignore, as they are in the working
# tree into DIR, which must not exist yet or be empty.
copy_sources()
{
    mkdir -p "$1"
    git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$1"
}

# Builds use every core the machine has, unless the caller chose a number.
CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CMAKE_BUILD_PARALLEL_LEVEL
