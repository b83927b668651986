# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the scripts that build a Qt of their own: fetches Debian's source of a Qt module
# with apt-get source through a private apt state, so that the machine's own apt configuration
# needs no deb-src entry and is left as it was.

# shellcheck source=scripts/apt-archive.sh
source "$(dirname "${BASH_SOURCE[0]}")/apt-archive.sh"

# The archive and release this machine's apt uses.
qt_source_apt_dir()
{
    local dir=$1 archive release
    archive=$(debian_archive) || return 1
    # shellcheck source=/dev/null
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$dir/lists/partial"
    echo "deb-src $archive $release main" >"$dir/sources.list"
}

# Runs apt-get, or apt-cache when the first argument is showsrc, with the private state in DIR.
qt_source_apt()
{
    local dir=$1 tool=apt-get
    shift
    [ "$1" = showsrc ] && tool=apt-cache
    "$tool" -q -o Dir::Etc::SourceList="$dir/sources.list" -o Dir::Etc::SourceParts=- \
        -o Dir::State::Lists="$dir/lists" -o APT::Sandbox::User=root "$@"
}

# Prints the version of the source package PACKAGE that apt-get source would fetch.
qt_source_version()
{
    local dir=$1 package=$2
    qt_source_apt "$dir" showsrc "$package" 2>/dev/null |
        awk '$1 == "Version:" { print $2 }' | sort -V | tail -n 1
}

# Unpacks Debian's source of PACKAGE, with Debian's patches applied, into DIR/PACKAGE and
# prints that path. DIR holds the private apt state as well. A tree unpacked from the same
# .dsc is kept, so that a build interrupted on it can go on against unchanged files.
qt_source_fetch()
{
    local dir=$1 package=$2 dsc
    [ -s "$dir/sources.list" ] || qt_source_apt_dir "$dir"
    [ -e "$dir/lists/updated" ] || { qt_source_apt "$dir" update >&2 && touch "$dir/lists/updated"; }
    mkdir -p "$dir/download"
    (cd "$dir/download" && qt_source_apt "$dir" source --download-only "$package" >&2)
    dsc=$(find "$dir/download" -name "${package}_*.dsc" | sort -V | tail -n 1)
    if [ "$(cat "$dir/$package.unpacked" 2>/dev/null)" != "$(basename "$dsc")" ]; then
        rm -rf "${dir:?}/$package" "$dir/$package.unpacked"
        dpkg-source --no-check -x "$dsc" "$dir/$package" >&2
        basename "$dsc" >"$dir/$package.unpacked"
    fi
    echo "$dir/$package"
}
