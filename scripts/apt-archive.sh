# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Sourced by the scripts that fetch from Debian's archive: finds the archive in this machine's
# own apt configuration, so that they reach no other host.

# Prints the URI of the archive apt takes this release's packages from: the first enabled "deb"
# source, in a one-line .list file or a deb822 .sources file, whose suite is the release itself
# (so not its -security or -updates suites). Without one, says so and fails.
debian_archive()
{
    local release etc list parts files=() archive
    # shellcheck source=/dev/null
    release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    eval "$(apt-config shell etc Dir::Etc/d list Dir::Etc::sourcelist/f parts Dir::Etc::sourceparts/d)"
    [ -f "${list:-$etc/sources.list}" ] && files+=("${list:-$etc/sources.list}")
    files+=("${parts:-$etc/sources.list.d}"/*.list "${parts:-$etc/sources.list.d}"/*.sources)
    archive=$(for file in "${files[@]}"; do [ -f "$file" ] && cat "$file" && echo; done |
        awk -v release="$release" '
        function take(uri) { if (!found) { print uri; found = 1 } }
        # One-line entries: deb [options] uri suite components...
        $1 == "deb" {
            line = $0
            sub(/\[[^]]*\]/, "", line)
            split(line, field, /[ \t]+/)
            if (field[3] == release) take(field[2])
            next
        }
        # deb822 paragraphs, ended by an empty line.
        /^[ \t]*$/ {
            if (types ~ /(^| )deb( |$)/ && enabled != "no" && (" " suites " ") ~ (" " release " "))
                take(uri)
            types = uri = suites = enabled = ""
            next
        }
        tolower($1) == "types:" { $1 = ""; types = $0 " " }
        tolower($1) == "uris:" { uri = $2 }
        tolower($1) == "suites:" { $1 = ""; suites = $0 }
        tolower($1) == "enabled:" { enabled = tolower($2) }
        ')
    if [ -z "$archive" ] || [ -z "$release" ]; then
        echo "$0: apt's configuration names no archive for ${release:-this release}" \
            "(a \"deb\" source with the suite ${release:-of this system}); add one, then try again" >&2
        return 1
    fi
    echo "$archive"
}
