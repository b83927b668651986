# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the scripts that build a static Qt for another platform from Debian's sources and
# keep it in the system cache folder, keyed by everything it was made from.
# shellcheck source=scripts/qt-source.sh
source "$(dirname "${BASH_SOURCE[0]}")/qt-source.sh"

# shellcheck disable=SC2034 # for the scripts that source this file
qt_cache=${NETROUTE_CHROOT_CACHE:-/var/cache/netroute-chroots}

# Prints a short key of the given words and files: the same inputs give the same key.
qt_build_key()
{
    local item
    for item in "$@"; do
        if [ -f "$item" ]; then
            sha256sum <"$item"
        else
            printf '%s\n' "$item"
        fi
    done | sha256sum | cut -c1-12
}

# Applies PATCHES (files) to the source tree SOURCE, each once: a kept tree has them already.
qt_apply_patches()
{
    local source=$1 patch
    shift
    for patch in "$@"; do
        if patch -d "$source" -p1 -R --dry-run --force --quiet <"$patch" >/dev/null 2>&1; then
            echo "applied already: $(basename "$patch")"
            continue
        fi
        echo "applying $(basename "$patch")"
        patch -d "$source" -p1 --forward --quiet <"$patch"
    done
}

# True when PREFIX holds a finished build.
qt_build_done()
{
    [ -e "$1/netroute-build-complete" ]
}

# Builds the qtbase SOURCE with CONFIGURE_ARGS and installs it into PREFIX; the stamp that
# qt_build_done looks for is written last. A build folder that was configured is built on
# where it stopped (its path is keyed by the same inputs), so an interrupted build of an hour
# loses only the step it was in.
qt_build_base()
{
    local source=$1 prefix=$2 build
    shift 2
    build="$prefix.build"
    rm -rf "$prefix"
    if [ ! -e "$build/netroute-configured" ]; then
        rm -rf "$build"
        mkdir -p "$build"
        (cd "$build" && nice -n 10 "$source/configure" -prefix "$prefix" "$@")
        touch "$build/netroute-configured"
    fi
    (
        cd "$build" || exit
        nice -n 10 cmake --build . --parallel "$(nproc)"
        cmake --install .
    )
    rm -rf "$build"
    date -u +%FT%TZ >"$prefix/netroute-build-complete"
}

# Writes Qt's licence and those of the code qtbase bundles, which a static program carries,
# from the qtbase SOURCE into the file OUT.
qt_licences()
{
    local source=$1 out=$2 file
    (
        cd "$source" || exit
        for file in LICENSES/LGPL-3.0-only.txt LICENSES/GPL-3.0-only.txt \
            $(find src/3rdparty -maxdepth 3 -type f \( -iname 'LICEN[CS]E*' -o -iname 'COPYING*' \
                -o -iname '*-license*' -o -name FTL.TXT \) | sort); do
            printf '==== Qt (qtbase), %s\n\n' "$file"
            cat "$file"
            printf '\n\n'
        done
    ) >"$out"
}
