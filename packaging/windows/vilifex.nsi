; The Windows installer: the program and the vilify command in Program Files for everyone, or
; in the user's own programs folder for the current user alone (no administrator needed; in a
; silent run /CurrentUser), that folder on the mode's PATH, a Start-menu shortcut, and an
; uninstaller listed in Add/Remove Programs. Made by scripts/package-windows, which defines VERSION, STAGE
; (the folder of the portable program), ICON and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Zestive Vilifex"
!define PUBLISHER "Zestive Vilifex developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZestiveVilifex"

; Everyone's when the user may, else the user's own; SHCTX below is the registry root of the
; mode chosen.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include path_entry.nsh ; beside this file

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}, MIT licence"

!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!define MUI_PAGE_CUSTOMFUNCTION_PRE KeepCommandLineFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vilifex.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The folder given with /D=, which choosing an install mode would replace with that mode's own.
Var CommandLineFolder

Function .onInit
    SetRegView 64
    StrCpy $CommandLineFolder $INSTDIR ; empty without /D=, as there is no InstallDir
    !insertmacro MULTIUSER_INIT
    Call KeepCommandLineFolder
FunctionEnd

Function KeepCommandLineFolder
    ${If} $CommandLineFolder != ""
        StrCpy $INSTDIR $CommandLineFolder
    ${EndIf}
FunctionEnd

; The uninstaller removes the copy it belongs to: the current user's where that user's entry
; names its folder.
Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
    ${EndIf}
FunctionEnd

; A running copy holds its program file: replacing or removing it would fail part of the way,
; and a silent run would still say that it succeeded. So both look first, asking the user to
; close the program, and a silent run gives up with exit code 2, having changed nothing. A
; program file that cannot be opened for writing is held.
!macro FILE_IN_USE FILE
    ${If} ${FileExists} "${FILE}"
        ClearErrors
        FileOpen $1 "${FILE}" a
        ${If} ${Errors}
            StrCpy $0 1
        ${Else}
            FileClose $1
        ${EndIf}
    ${EndIf}
!macroend

!macro DEFINE_WAIT_UNTIL_CLOSED UN
Function ${UN}WaitUntilClosed
    check:
    StrCpy $0 0
    !insertmacro FILE_IN_USE "$INSTDIR\vilifex.exe"
    !insertmacro FILE_IN_USE "$INSTDIR\vilify.exe"
    ${If} $0 == 0
        Return
    ${EndIf}
    ${IfNot} ${Silent}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${PRODUCT} is running from $INSTDIR.$\r$\nClose it, then choose Retry." IDRETRY check
    ${EndIf}
    SetErrorLevel 2
    Quit
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_UNTIL_CLOSED ""
!insertmacro DEFINE_WAIT_UNTIL_CLOSED "un."

Section "Install"
    Call WaitUntilClosed
    SetOutPath "$INSTDIR"
    File "${STAGE}/vilifex.exe"
    File "${STAGE}/vilify.exe"
    File "${STAGE}/wordlist.txt"
    File "${STAGE}/wordlist.de.txt"
    File "${STAGE}/wordlist.es.txt"
    File "${STAGE}/wordlist.fr.txt"
    File "${STAGE}/mild.txt"
    File "${STAGE}/mild.de.txt"
    File "${STAGE}/mild.es.txt"
    File "${STAGE}/mild.fr.txt"
    File "${STAGE}/LICENSE"
    File "${STAGE}/README.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\vilifex.exe"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vilifex.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    ; Run as it is from its own folder (_?=), not from a copy of itself in the temporary folder,
    ; a silent uninstall ends with its own exit code: 2 while the program runs.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
    Call AddToPath
SectionEnd

; Run from its own folder, the uninstaller cannot delete itself: a hidden batch file in the
; temporary folder does, trying again until this program has ended (a few thousand tries at
; the most), with the folder, then deletes itself.
Function un.DeleteOnceEnded
    GetTempFileName $0
    Rename $0 "$0.cmd"
    FileOpen $1 "$0.cmd" w
    FileWrite $1 '@echo off$\r$\ncd /d "%~dp0"$\r$\nset tries=0$\r$\n:again$\r$\n'
    FileWrite $1 'del /f /q "$INSTDIR\uninstall.exe" >nul 2>&1$\r$\n'
    FileWrite $1 'rmdir "$INSTDIR" >nul 2>&1$\r$\n'
    FileWrite $1 'if exist "$INSTDIR\" set /a tries+=1$\r$\n'
    FileWrite $1 'if exist "$INSTDIR\" if %tries% lss 3000 goto again$\r$\n'
    FileWrite $1 'del "%~f0"$\r$\n'
    FileClose $1
    SetOutPath $TEMP ; this program's own folder is the batch file's to remove
    ExecShell "" "$SYSDIR\cmd.exe" '/c "$0.cmd"' SW_HIDE
FunctionEnd

; Removes what the installer put there, and never the user's own folder in %APPDATA%. The
; shortcut and the entry in Add/Remove Programs go only once the programs have.
Section "Uninstall"
    Call un.WaitUntilClosed
    Delete "$INSTDIR\vilifex.exe"
    Delete "$INSTDIR\vilify.exe"
    ${If} ${FileExists} "$INSTDIR\vilifex.exe"
    ${OrIf} ${FileExists} "$INSTDIR\vilify.exe"
        SetErrorLevel 2
        Quit
    ${EndIf}
    Delete "$INSTDIR\wordlist.txt"
    Delete "$INSTDIR\wordlist.de.txt"
    Delete "$INSTDIR\wordlist.es.txt"
    Delete "$INSTDIR\wordlist.fr.txt"
    Delete "$INSTDIR\mild.txt"
    Delete "$INSTDIR\mild.de.txt"
    Delete "$INSTDIR\mild.es.txt"
    Delete "$INSTDIR\mild.fr.txt"
    Delete "$INSTDIR\LICENSE"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
        Call un.DeleteOnceEnded
    ${EndIf}
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Call un.RemoveFromPath
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
