; The Windows installer of RX20 Setting Tools, made by Debian's makensis
; (cmake --build --preset windows-mingw --target installer).
; By default it installs for the current user, without administrator rights,
; into the user's own programs folder (%LOCALAPPDATA%\Programs); /AllUsers
; installs into Program Files for every user (asking for administrator rights
; where it lacks them), /CurrentUser says the default. A version installed
; before, in the same place for the same users, is uninstalled first, so an
; upgrade leaves one entry in "Apps & features" and none of the old files.
; It adds a Start-menu entry that starts the program in the user's Documents
; folder and an uninstaller that removes exactly what it installed. /S
; installs or uninstalls silently, /D=FOLDER chooses the folder.
; Defines: VERSION (1.2.3), DIST (the program folder), FILES (folder of the
; file lists made from it), ICON (the program's .ico), OUTFILE.
; A 64-bit installer for a 64-bit program (and for a Wine without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma

!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "RX20 Setting Tools"
!define PUBLISHER "RX20 Setting Tools maintainers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\RX20SettingTools"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
; Set in .onInit unless /D= chose it.
InstallDir ""
RequestExecutionLevel user
LicenseData "${DIST}/LICENSE.txt"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 ${PUBLISHER}. Apache License 2.0."

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var AllUsers
Var Previous

Function .onInit
    ${GetParameters} $R0
    StrCpy $AllUsers 0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ${If} $AllUsers == 1
        UserInfo::GetAccountType
        Pop $R1
        ${If} $R1 != "Admin"
            ; Program Files takes administrator rights: ask for them once.
            ${If} ${Silent}
                SetErrorLevel 5 ; access denied
                Quit
            ${EndIf}
            ExecShell "runas" "$EXEPATH" "$R0"
            Quit
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
    ; An installed version for the same users: upgraded where it is.
    ReadRegStr $Previous SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $INSTDIR == ""
        ${If} $Previous != ""
            StrCpy $INSTDIR $Previous
        ${ElseIf} $AllUsers == 1
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${Else}
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "Install"
    ; The old version's own uninstaller removes its files first, in place
    ; (_?=), and waits; then the new files go in.
    ${If} $Previous != ""
    ${AndIf} ${FileExists} "$Previous\uninstall.exe"
        ExecWait '"$Previous\uninstall.exe" /S _?=$Previous'
        Delete "$Previous\uninstall.exe"
        RMDir "$Previous"
    ${EndIf}
    !include "${FILES}/install-files.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; The shortcut's working folder is Documents: a file the program writes
    ; without a folder lands where its owner looks, not among its files.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\rx20-setting-tools.exe" "" \
        "$INSTDIR\rx20-setting-tools.exe" 0
    SetOutPath "$INSTDIR"
    ${GetSize} "$INSTDIR" "/S=0K" $R0 $R1 $R2
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\rx20-setting-tools.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $R0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    ; Installed for every user where the machine's entry names this folder.
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 == $INSTDIR
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !include "${FILES}/uninstall-files.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; The user's programs folder, where the install made it and nothing else is in it.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
