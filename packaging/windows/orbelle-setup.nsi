; The setup program of Orbelle for 64-bit Windows, made by scripts/build-windows with
; makensis. It installs the release folder into Program Files\Orbelle for all users, puts
; "Orbelle" into the Start menu and, when chosen, on the desktop, and enters the program
; among the installed programs. The uninstaller takes away what the setup put there and
; nothing else: files of the user's own in the program folder stay, and so does the folder
; then.
;
; Options beside NSIS's own /S (silent) and /D=folder: /DESKTOP adds the desktop shortcut.
;
; makensis is handed:
;   ORBELLE_SETUP_CONFIG  the include CMake writes with the version and the publisher
;   ORBELLE_FILE_LISTS    the folder with install-files.nsh and uninstall-files.nsh, the
;                         release folder's files, one command each
;   ORBELLE_INSTALLED_KB  the release folder's size in KiB
;   ORBELLE_SETUP_FILE    the setup program to write

Unicode true
; The 64-bit stubs: 64-bit Windows runs them as it runs 32-bit ones, and a Wine without its
; 32-bit part runs only these. Orbelle itself is a 64-bit program.
Target amd64-unicode
SetCompressor /SOLID /FINAL lzma
RequestExecutionLevel admin
; Drawn sharp at every display scale instead of enlarged as a blurred bitmap.
ManifestDPIAware true

!include "${ORBELLE_SETUP_CONFIG}"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinVer.nsh

!define ORBELLE_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbelle"
!define ORBELLE_UNINSTALLER "uninstall.exe"
!define ORBELLE_PROGRAM "orbelle.exe"
!define ORBELLE_LINK "Orbelle.lnk"
; Qt 6.4 runs on Windows 10 from version 1809 (build 17763) on.
!define ORBELLE_OLDEST_WINDOWS_BUILD 17763
; The exit codes of a refusal, as Windows names them.
!define ERROR_ELEVATION_REQUIRED 740
!define ERROR_OLD_WIN_VERSION 1150
!define ERROR_SHARING_VIOLATION 32

!define ORBELLE_TEXT_RUNNING "Orbelle läuft noch und muss zuerst beendet werden.$\r$\n$\r$\nBitte beenden Sie Orbelle und klicken Sie dann auf OK."
!define ORBELLE_TEXT_ADMIN "Orbelle wird für alle Benutzer eingerichtet. Dazu sind Administratorrechte nötig."
!define ORBELLE_TEXT_WINDOWS "Orbelle läuft unter Windows 10 ab Version 1809 und unter Windows 11."

Name "${ORBELLE_PRODUCT_TITLE}"
OutFile "${ORBELLE_SETUP_FILE}"
InstallDir "$PROGRAMFILES64\Orbelle"
; An update goes where the installed program is, unless /D= or the user says otherwise.
InstallDirRegKey HKLM "${ORBELLE_UNINSTALL_KEY}" InstallLocation
BrandingText "${ORBELLE_PRODUCT_TITLE} (${ORBELLE_VERSION})"

!define MUI_ICON "${ORBELLE_ICON}"
!define MUI_UNICON "${ORBELLE_ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
; NSIS's own welcome text speaks of system files to be replaced; Orbelle has none.
!define MUI_WELCOMEPAGE_TEXT "Dieser Assistent installiert $(^NameDA) auf Ihrem Computer.$\r$\n$\r$\nFalls Orbelle gerade läuft, beenden Sie es bitte zuvor.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

; The setup program's own version record, like the program's.
VIProductVersion "${ORBELLE_VERSION}"
VIFileVersion "${ORBELLE_VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${ORBELLE_PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Installationsprogramm für Orbelle"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${ORBELLE_VERSION_RECORD_TEXT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${ORBELLE_COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "OriginalFilename" "Orbelle-${ORBELLE_VERSION}-setup.exe"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "Orbelle"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${ORBELLE_VERSION_RECORD_TEXT}"

; Setup and uninstaller both refuse to start without administrator rights: without them
; neither Program Files nor the list of installed programs can be changed.
!macro ORBELLE_REQUIRE_ADMIN
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "${ORBELLE_TEXT_ADMIN}" /SD IDOK
        SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
        Quit
    ${EndIf}
!macroend

; Waits until the program in the folder on the stack is no longer running, asking the user
; to end it; on "Abbrechen" (and always in a silent run) the setup stops before it changes
; anything. A running program file cannot be opened for writing, which tells whether it
; runs, in whichever session.
!macro ORBELLE_WAIT_UNTIL_CLOSED_FUNCTION PREFIX
    Function ${PREFIX}WaitUntilClosed
        Exch $R0
        Push $R1
        ${Do}
            ${IfNot} ${FileExists} "$R0\${ORBELLE_PROGRAM}"
                ${Break}
            ${EndIf}
            ClearErrors
            FileOpen $R1 "$R0\${ORBELLE_PROGRAM}" a
            ${IfNot} ${Errors}
                FileClose $R1
                ${Break}
            ${EndIf}
            ${If} ${Cmd} `MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "${ORBELLE_TEXT_RUNNING}" /SD IDCANCEL IDCANCEL`
                DetailPrint "Orbelle läuft noch."
                SetErrorLevel ${ERROR_SHARING_VIOLATION}
                Abort
            ${EndIf}
        ${Loop}
        Pop $R1
        Pop $R0
    FunctionEnd
!macroend
!insertmacro ORBELLE_WAIT_UNTIL_CLOSED_FUNCTION ""
!insertmacro ORBELLE_WAIT_UNTIL_CLOSED_FUNCTION "un."

; An installed Orbelle, wherever it is, is uninstalled first by its own uninstaller, so that
; nothing of it stays behind that this version no longer has.
Function RemovePreviousInstallation
    ReadRegStr $0 HKLM "${ORBELLE_UNINSTALL_KEY}" InstallLocation
    ${If} $0 == ""
    ${OrIfNot} ${FileExists} "$0\${ORBELLE_UNINSTALLER}"
        Return
    ${EndIf}
    Push $0
    Call WaitUntilClosed
    DetailPrint "Die vorhandene Installation in $0 wird entfernt."
    ; _?= runs it in its folder rather than from a copy, so that ExecWait waits for it.
    ExecWait '"$0\${ORBELLE_UNINSTALLER}" /S _?=$0' $1
    Delete "$0\${ORBELLE_UNINSTALLER}"
    RMDir "$0"
FunctionEnd

Section "Orbelle" SecProgram
    SectionIn RO
    Push $INSTDIR
    Call WaitUntilClosed
    Call RemovePreviousInstallation
    !include "${ORBELLE_FILE_LISTS}/install-files.nsh"
    WriteUninstaller "$INSTDIR\${ORBELLE_UNINSTALLER}"

    ; The shortcuts start the program in its folder.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${ORBELLE_LINK}" "$INSTDIR\${ORBELLE_PROGRAM}"

    WriteRegStr HKLM "${ORBELLE_UNINSTALL_KEY}" "DisplayName" "Orbelle"
    WriteRegStr HKLM "${ORBELLE_UNINSTALL_KEY}" "DisplayVersion" "${ORBELLE_VERSION}"
    WriteRegStr HKLM "${ORBELLE_UNINSTALL_KEY}" "Publisher" "${ORBELLE_PUBLISHER}"
    WriteRegStr HKLM "${ORBELLE_UNINSTALL_KEY}" "URLInfoAbout" "${ORBELLE_HOMEPAGE}"
    WriteRegStr HKLM "${ORBELLE_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${ORBELLE_PROGRAM},0"
    WriteRegStr HKLM "${ORBELLE_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${ORBELLE_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${ORBELLE_UNINSTALLER}"'
    WriteRegStr HKLM "${ORBELLE_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${ORBELLE_UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${ORBELLE_UNINSTALL_KEY}" "EstimatedSize" ${ORBELLE_INSTALLED_KB}
    WriteRegDWORD HKLM "${ORBELLE_UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${ORBELLE_UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Verknüpfung auf dem Desktop" SecDesktop
    SetOutPath "$INSTDIR"
    CreateShortcut "$DESKTOP\${ORBELLE_LINK}" "$INSTDIR\${ORBELLE_PROGRAM}"
SectionEnd

Function .onInit
    SetShellVarContext all
    ${IfNot} ${AtLeastBuild} ${ORBELLE_OLDEST_WINDOWS_BUILD}
        MessageBox MB_OK|MB_ICONSTOP "${ORBELLE_TEXT_WINDOWS}" /SD IDOK
        SetErrorLevel ${ERROR_OLD_WIN_VERSION}
        Quit
    ${EndIf}
    !insertmacro ORBELLE_REQUIRE_ADMIN
    ; The desktop shortcut is offered unticked, unless asked for or already there.
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/DESKTOP" $1
    ${IfNot} ${Errors}
    ${OrIf} ${FileExists} "$DESKTOP\${ORBELLE_LINK}"
        !insertmacro SelectSection ${SecDesktop}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext all
    !insertmacro ORBELLE_REQUIRE_ADMIN
FunctionEnd

Section "Uninstall"
    Push $INSTDIR
    Call un.WaitUntilClosed
    !include "${ORBELLE_FILE_LISTS}/uninstall-files.nsh"
    Delete "$INSTDIR\${ORBELLE_UNINSTALLER}"
    ; Only an empty folder goes: what is left in it is the user's.
    RMDir "$INSTDIR"
    ${If} ${FileExists} "$INSTDIR\*.*"
        DetailPrint "Eigene Dateien in $INSTDIR bleiben erhalten."
    ${EndIf}
    Delete "$SMPROGRAMS\${ORBELLE_LINK}"
    Delete "$DESKTOP\${ORBELLE_LINK}"
    DeleteRegKey HKLM "${ORBELLE_UNINSTALL_KEY}"
SectionEnd
