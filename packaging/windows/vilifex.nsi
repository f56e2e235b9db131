; The Windows installer: the program and the vilify command in Program Files, a Start-menu
; shortcut, and an uninstaller listed in Add/Remove Programs. Made by scripts/package-windows, which defines VERSION, STAGE
; (the folder of the portable program), ICON and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include LogicLib.nsh

!define PRODUCT "Zestive Vilifex"
!define PUBLISHER "Zestive Vilifex developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZestiveVilifex"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
Icon "${ICON}"
UninstallIcon "${ICON}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}, MIT licence"

LicenseData "${STAGE}/LICENSE"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

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
    SetShellVarContext all
    SetRegView 64
    Call WaitUntilClosed
    SetOutPath "$INSTDIR"
    File "${STAGE}/vilifex.exe"
    File "${STAGE}/vilify.exe"
    File "${STAGE}/wordlist.txt"
    File "${STAGE}/LICENSE"
    File "${STAGE}/README.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\vilifex.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vilifex.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer put there, and never the user's own folder in %APPDATA%. The
; shortcut and the entry in Add/Remove Programs go only once the programs have.
Section "Uninstall"
    SetShellVarContext all
    SetRegView 64
    Call un.WaitUntilClosed
    Delete "$INSTDIR\vilifex.exe"
    Delete "$INSTDIR\vilify.exe"
    ${If} ${FileExists} "$INSTDIR\vilifex.exe"
    ${OrIf} ${FileExists} "$INSTDIR\vilify.exe"
        SetErrorLevel 2
        Quit
    ${EndIf}
    Delete "$INSTDIR\wordlist.txt"
    Delete "$INSTDIR\LICENSE"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
