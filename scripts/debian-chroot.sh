# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the scripts that work inside a minimal Debian system: makes one with debootstrap
# from the archive apt already uses, mounts what programs need inside it and always unmounts
# again before anything deletes it. The base systems are kept in a cache outside the clone.

# shellcheck source=scripts/apt-archive.sh
source "$(dirname "${BASH_SOURCE[0]}")/apt-archive.sh"

chroot_cache=${NETROUTE_CHROOT_CACHE:-/var/cache/netroute-chroots}
chroot_mounts=()

require_chroot_tools()
{
    if [ "$(id -u)" -ne 0 ]; then
        echo "$0: making and entering a chroot needs root" >&2
        exit 1
    fi
    command -v debootstrap >/dev/null || {
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends debootstrap
    }
}

# Prints the path of a tarball holding a fresh minbase system of the given release.
base_tarball()
{
    local release=$1 tarball="$chroot_cache/$1-minbase.tar" tree archive
    if [ ! -s "$tarball" ]; then
        # The archive this machine's apt uses, so that a chroot needs no other network.
        archive=$(debian_archive) || return 1
        mkdir -p "$chroot_cache"
        tree=$(mktemp -d "$chroot_cache/debootstrap.XXXXXX")
        debootstrap --variant=minbase "$release" "$tree" "$archive" >&2 ||
            { remove_tree "$tree"; return 1; }
        tar -C "$tree" -cf "$tarball.part" . && mv "$tarball.part" "$tarball"
        remove_tree "$tree"
    fi
    echo "$tarball"
}

# Unpacks a fresh system of the release into DIR.
unpack_base()
{
    local release=$1 dir=$2 tarball
    tarball=$(base_tarball "$release") || return 1
    mkdir -p "$dir"
    tar -C "$dir" -xf "$tarball"
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
}

# Mounts /proc, /dev and /dev/pts inside DIR; unmount_chroot undoes it, also from a trap.
mount_chroot()
{
    local dir=$1
    mount -t proc proc "$dir/proc" && chroot_mounts+=("$dir/proc")
    mount --bind /dev "$dir/dev" && chroot_mounts+=("$dir/dev")
    # Nothing mounted below the copy may reach back into the machine's own /dev.
    mount --make-rslave "$dir/dev"
    mount --bind /dev/pts "$dir/dev/pts" && chroot_mounts+=("$dir/dev/pts")
}

unmount_chroot()
{
    local i
    for ((i = ${#chroot_mounts[@]} - 1; i >= 0; i--)); do
        umount "${chroot_mounts[i]}" 2>/dev/null || umount -l "${chroot_mounts[i]}"
    done
    chroot_mounts=()
}

# Deletes a chroot tree, but never while anything is still mounted inside it.
remove_tree()
{
    local dir
    dir=$(realpath "$1")
    if awk -v d="$dir/" 'index($2 "/", d) == 1 { found = 1 } END { exit !found }' /proc/mounts; then
        echo "$0: $dir still has mounts inside; not deleting it" >&2
        return 1
    fi
    rm -rf --one-file-system "$dir"
}

# Runs a command as root inside DIR with a plain environment.
in_chroot()
{
    local dir=$1
    shift
    chroot "$dir" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive ${CI:+CI=$CI} "$@"
}
