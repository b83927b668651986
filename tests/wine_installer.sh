#!/usr/bin/env bash
# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs netroute with its Windows installer under Wine, for the current user and for all
# users: the program, its Start-menu entry (starting in the user's profile) and its uninstall
# entry and the example networks are there, and the uninstaller leaves none of them behind.
# The caller sets WINEPREFIX. Usage: wine_installer.sh PATH_TO_SETUP_EXE
set -euo pipefail

setup=$1
work=$(mktemp -d)
# shellcheck source=tests/testlib.sh
source "$(dirname "$0")/testlib.sh"
trap 'rm -rf "$work"' EXIT
require_tools wine strings
# Start from no running Wine processes, whatever display an earlier run had.
wineserver -k 2>/dev/null || true
wineserver -w

unix_path() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r"')" 2>/dev/null; }
profile=$(wine cmd /c echo '%USERPROFILE%' 2>/dev/null | tr -d '\r')
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\netroute'

check_mode() { # mode folder start-menu registry-root
    local mode=$1 folder start_menu key=${uninstall_key/HKCU/$4}
    wine "$setup" /S "/$mode" >/dev/null 2>&1 || fail "the installer failed ($mode)"
    wineserver -w
    folder=$(unix_path "$2")
    start_menu=$(unix_path "$3")
    [ -f "$folder/netroute/netroute.exe" ] || fail "no netroute.exe in $folder/netroute ($mode)"
    [ -f "$start_menu/netroute.lnk" ] || fail "no Start-menu entry in $start_menu ($mode)"
    # The examples lie beside the program, where its Examples menu looks first.
    [ -f "$folder/netroute/networks/textbook.graphml" ] || fail "no example networks ($mode)"
    # The entry starts the program in the user's profile, where a bare file name then goes.
    strings -el "$start_menu/netroute.lnk" | grep -qixF "$profile" ||
        fail "the Start-menu entry does not start in $profile ($mode)"
    wine reg query "$key" /v DisplayVersion >/dev/null 2>&1 || fail "no uninstall entry ($mode)"
    echo "installed for $mode in $folder/netroute"

    # The uninstaller runs on from a copy of itself: wait until Wine's processes have ended.
    wine "$folder/netroute/uninstall.exe" /S "/$mode" >/dev/null 2>&1 ||
        fail "the uninstaller failed ($mode)"
    wineserver -w
    [ ! -e "$folder/netroute" ] || fail "left behind: $(ls -A "$folder/netroute")"
    [ ! -e "$start_menu/netroute.lnk" ] || fail "the Start-menu entry is left ($mode)"
    ! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is left ($mode)"
    echo "uninstalled for $mode without a trace"
}

check_mode CurrentUser '%LOCALAPPDATA%\Programs' '%APPDATA%\Microsoft\Windows\Start Menu\Programs' HKCU
check_mode AllUsers '%ProgramW6432%' '%ProgramData%\Microsoft\Windows\Start Menu\Programs' HKLM
