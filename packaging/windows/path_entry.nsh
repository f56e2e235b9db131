; The install folder on PATH, so that a console finds vilify: on the user's own PATH for the
; current user, on the system's for everyone. Uninstalling takes off the entry the install added
; and leaves the rest of the value as it was, byte for byte.
;
; This installer holds at most ${NSIS_MAX_STRLEN} characters in a string. A PATH that would not
; fit with the folder added is never read, so never cut short: it is left alone and the log says
; so, as it is for a folder that no PATH entry can name. What the install added is kept in its
; entry in Add/Remove Programs: PathEntry, the folder, and PathCreated, 1 where the install made
; the PATH value itself.
!include WinMessages.nsh

!define HKEY_CURRENT_USER 0x80000001
!define HKEY_LOCAL_MACHINE 0x80000002
!define REG_SZ 1
!define REG_EXPAND_SZ 2
!define ERROR_FILE_NOT_FOUND 2
; Any type, and an expandable string's size as stored rather than expanded.
!define RRF_RT_ANY_NOEXPAND 0x1000ffff

Var EnvironmentRoot
Var EnvironmentKey
Var PathType ; REG_SZ or REG_EXPAND_SZ, kept on writing back

; Why PATH was left as it is, and what the user can do: in the log, and in a message to a user
; who watches the install (a silent install goes on without it).
!macro PathLeftAlone WHY TODO
    DetailPrint "${WHY}"
    DetailPrint "${TODO}"
    MessageBox MB_OK|MB_ICONINFORMATION "${WHY}$\r$\n${TODO}" /SD IDOK
!macroend

!macro DEFINE_PATH_FUNCTIONS UN
; The registry key of the PATH that the install mode chose.
Function ${UN}ChooseEnvironment
    ${If} $MultiUser.InstallMode == "AllUsers"
        StrCpy $EnvironmentRoot ${HKEY_LOCAL_MACHINE}
        StrCpy $EnvironmentKey "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"
    ${Else}
        StrCpy $EnvironmentRoot ${HKEY_CURRENT_USER}
        StrCpy $EnvironmentKey "Environment"
    ${EndIf}
FunctionEnd

; Asks the registry about the PATH value without reading it: $0 the result (0, or
; ERROR_FILE_NOT_FOUND where there is none), $PathType its type, $2 its length in characters
; with the terminating NUL.
Function ${UN}MeasurePath
    System::Call 'advapi32::RegGetValueW(p $EnvironmentRoot, w "$EnvironmentKey", w "Path", \
        i ${RRF_RT_ANY_NOEXPAND}, *i .r1, p 0, *i .r2) i .r0'
    StrCpy $PathType $1
    IntOp $2 $2 / 2
FunctionEnd

; $3 is 1 where MeasurePath found a PATH value of text, else 0.
Function ${UN}PathIsText
    StrCpy $3 0
    ${If} $0 == 0
        ${If} $PathType == ${REG_SZ}
        ${OrIf} $PathType == ${REG_EXPAND_SZ}
            StrCpy $3 1
        ${EndIf}
    ${EndIf}
FunctionEnd

; Writes $R0 back as the PATH value, of the type it had.
Function ${UN}WritePath
    ${If} $PathType == ${REG_SZ}
        WriteRegStr SHCTX $EnvironmentKey "Path" $R0
    ${Else}
        WriteRegExpandStr SHCTX $EnvironmentKey "Path" $R0
    ${EndIf}
FunctionEnd

; Takes the first entry of the PATH in $R0 into $R1 and leaves in $R0 what follows its ';'.
; $R2 is 1 where a ';' followed it, else 0: then $R1 was the last entry.
Function ${UN}NextEntry
    StrCpy $R3 0
    ${Do}
        StrCpy $R4 $R0 1 $R3
        ${If} $R4 == ""
            StrCpy $R1 $R0
            StrCpy $R0 ""
            StrCpy $R2 0
            Return
        ${EndIf}
        ${If} $R4 == ";"
            StrCpy $R1 $R0 $R3
            IntOp $R3 $R3 + 1
            StrCpy $R0 $R0 "" $R3
            StrCpy $R2 1
            Return
        ${EndIf}
        IntOp $R3 $R3 + 1
    ${Loop}
FunctionEnd

; Tells running programs, Explorer among them, that the environment changed: the consoles they
; start from now on see the new PATH.
Function ${UN}AnnounceEnvironment
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
FunctionEnd

; Takes the entry the install added off PATH: the last one that is that folder written as the
; install wrote it, as the install put it last; an entry the user wrote in other letter cases
; stays. Joining the other entries again gives back the value from before, byte for byte.
; The entry in Add/Remove Programs forgets it, taken off or not.
Function ${UN}RemoveFromPath
    ReadRegStr $R5 SHCTX "${UNINSTALL_KEY}" "PathEntry"
    ${If} $R5 == ""
        Return
    ${EndIf}
    ReadRegDWORD $4 SHCTX "${UNINSTALL_KEY}" "PathCreated"
    DeleteRegValue SHCTX "${UNINSTALL_KEY}" "PathEntry"
    DeleteRegValue SHCTX "${UNINSTALL_KEY}" "PathCreated"
    Call ${UN}ChooseEnvironment
    Call ${UN}MeasurePath
    Call ${UN}PathIsText
    ${If} $3 == 0
        Return
    ${EndIf}
    ${If} $2 > ${NSIS_MAX_STRLEN} ; $2 counts the NUL, which the string holds too
        !insertmacro PathLeftAlone "PATH is too long to change safely: left as it is." \
            "Take $R5 off PATH yourself."
        Return
    ${EndIf}
    ReadRegStr $R6 SHCTX $EnvironmentKey "Path"

    ; Which entry is the last to be the folder, counting from 0; -1 where none is.
    StrCpy $R0 $R6
    StrCpy $R7 -1
    StrCpy $R8 0
    ${Do}
        Call ${UN}NextEntry
        ${If} $R1 S== $R5
            StrCpy $R7 $R8
        ${EndIf}
        IntOp $R8 $R8 + 1
    ${LoopWhile} $R2 == 1
    ${If} $R7 == -1
        Return
    ${EndIf}

    ; The value again, every other entry joined by ';' as before.
    StrCpy $R0 $R6
    StrCpy $R6 ""
    StrCpy $R8 0
    StrCpy $R9 0 ; entries kept so far
    ${Do}
        Call ${UN}NextEntry
        ${If} $R8 != $R7
            ${If} $R9 > 0
                StrCpy $R6 "$R6;$R1"
            ${Else}
                StrCpy $R6 $R1
            ${EndIf}
            IntOp $R9 $R9 + 1
        ${EndIf}
        IntOp $R8 $R8 + 1
    ${LoopWhile} $R2 == 1

    StrCpy $R0 $R6
    ${If} $R0 == ""
    ${AndIf} $4 == 1
        DeleteRegValue SHCTX $EnvironmentKey "Path"
    ${Else}
        Call ${UN}WritePath
    ${EndIf}
    DetailPrint "Took $R5 off PATH."
    Call ${UN}AnnounceEnvironment
FunctionEnd
!macroend
!insertmacro DEFINE_PATH_FUNCTIONS ""
!insertmacro DEFINE_PATH_FUNCTIONS "un."

; $3 is 1 where PATH can carry $INSTDIR as it is: 0 where it holds a ';', which would part it
; into two entries, or a '%', which an expandable PATH would expand.
Function FolderFitsPath
    StrCpy $3 1
    StrCpy $R3 0
    ${Do}
        StrCpy $R4 $INSTDIR 1 $R3
        ${If} $R4 == ";"
        ${OrIf} $R4 == "%"
            StrCpy $3 0
        ${EndIf}
        IntOp $R3 $R3 + 1
    ${LoopUntil} $R4 == ""
FunctionEnd

; Adds $INSTDIR as the last entry of PATH, unless an entry already names it. An install into
; another folder than before takes the entry for the earlier folder off first.
Function AddToPath
    Call ChooseEnvironment
    ReadRegStr $R5 SHCTX "${UNINSTALL_KEY}" "PathEntry"
    ${If} $R5 != $INSTDIR
        Call RemoveFromPath
    ${EndIf}
    Call FolderFitsPath
    ${If} $3 == 0
        !insertmacro PathLeftAlone "PATH cannot hold $INSTDIR, with its ';' or '%': left as it is." \
            "To run vilify from any console, install into another folder."
        Return
    ${EndIf}
    Call MeasurePath
    ${If} $0 == ${ERROR_FILE_NOT_FOUND}
        StrCpy $PathType ${REG_EXPAND_SZ}
        StrCpy $R0 $INSTDIR
        WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "PathCreated" 1
    ${Else}
        Call PathIsText
        ${If} $3 == 0
            !insertmacro PathLeftAlone "PATH cannot be read as text: left as it is, without $INSTDIR." \
                "To run vilify from any console, add $INSTDIR to PATH yourself."
            Return
        ${EndIf}
        StrLen $3 $INSTDIR
        IntOp $3 $3 + $2 ; the folder, a ';' and the value with its NUL
        ${If} $3 >= ${NSIS_MAX_STRLEN}
            !insertmacro PathLeftAlone \
                "PATH is too long for this installer to extend safely: left as it is." \
                "To run vilify from any console, add $INSTDIR to PATH yourself."
            Return
        ${EndIf}
        ReadRegStr $R0 SHCTX $EnvironmentKey "Path"
        StrCpy $R5 $R0
        ${Do}
            Call NextEntry
            ${If} $R1 == $INSTDIR
                DetailPrint "PATH already holds $INSTDIR."
                Return
            ${EndIf}
        ${LoopWhile} $R2 == 1
        ; A ';' that ends the value stays last, so that no empty entry comes between.
        StrCpy $R4 $R5 1 -1
        ${If} $R5 == ""
            StrCpy $R0 $INSTDIR
        ${ElseIf} $R4 == ";"
            StrCpy $R0 "$R5$INSTDIR;"
        ${Else}
            StrCpy $R0 "$R5;$INSTDIR"
        ${EndIf}
    ${EndIf}
    Call WritePath
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "PathEntry" $INSTDIR
    DetailPrint "Added $INSTDIR to PATH."
    Call AnnounceEnvironment
FunctionEnd

