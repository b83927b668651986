; SPDX-FileCopyrightText: The netroute developers
; SPDX-License-Identifier: GPL-3.0-or-later
;
; The netroute installer for Windows: for the current user or for all users, a Start-menu entry
; with the program's icon, and an uninstaller that takes everything away again.
; makensis -DVERSION=x.y.z -DSTAGE=folder-with-the-release -DOUTFILE=installer.exe netroute.nsi

; A 64-bit installer for the 64-bit program: it runs wherever the program does.
Target amd64-unicode
SetCompressor /SOLID lzma

!define NAME "netroute"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define SETTINGS_KEY "Software\${NAME}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
; An earlier installation decides the default, so the uninstaller finds what it removes.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
!define MUI_ICON "${STAGE}\netroute.ico"
!define MUI_UNICON "${STAGE}\netroute.ico"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_LICENSE "${STAGE}\COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "netroute"
    SetOutPath "$INSTDIR"
    File "${STAGE}\netroute.exe"
    File "${STAGE}\netroute.ico"
    File "${STAGE}\README.txt"
    File "${STAGE}\COPYING.txt"
    File "${STAGE}\LICENSES.txt"
    SetOutPath "$INSTDIR\networks"
    File "${STAGE}\networks\*.graphml"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The shortcut starts in the folder SetOutPath names: the user's own, not the install folder,
    ; so that files saved from the program land where the user can write and find them.
    SetOutPath "$PROFILE"
    CreateShortcut "$SMPROGRAMS\netroute.lnk" "$INSTDIR\netroute.exe" "" "$INSTDIR\netroute.ico"
    SetOutPath "$INSTDIR"

    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "netroute"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The netroute developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\netroute.ico"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\netroute.lnk"
    Delete "$INSTDIR\netroute.exe"
    Delete "$INSTDIR\netroute.ico"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\COPYING.txt"
    Delete "$INSTDIR\LICENSES.txt"
    Delete "$INSTDIR\networks\*.graphml"
    RMDir "$INSTDIR\networks"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegKey SHCTX "${SETTINGS_KEY}"
SectionEnd
