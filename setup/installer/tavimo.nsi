; The Tavimo setup program. Built by CMake (see CMakeLists.txt) from a staged
; folder with these defines:
;   STAGE      the staged folder: program\ goes to the installation
;              directory, system\ to the Windows system directory
;   OUTFILE    the setup program to write
;   TARGET     x86-ansi (the product: Windows 98 runs no Unicode setup) or
;              amd64-unicode (the installer the tests run under 64-bit Wine)
;   HAVE_DRIVER   the staged Driver\ folder holds the filter driver and the
;                 codec-access library: setup runs PARSEDRV
; Options: /S silent (English), /NODRIVER skips the driver step (of the
; uninstaller too).

Unicode false
!if "${TARGET}" == "amd64-unicode"
    Unicode true
!endif
Target ${TARGET}

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define PRODUCT_KEY "Software\Quorvel\Tavimo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavimo"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Tavimo Tray"
!define VERSION "2.00.000"
!define CONTROL_CENTER_TITLE "Tavimo Audio Control Center"

Name "Tavimo"
OutFile "${OUTFILE}"
!if "${TARGET}" == "amd64-unicode"
    InstallDir "$PROGRAMFILES64\Tavimo"
!else
    InstallDir "$PROGRAMFILES\Tavimo"
!endif
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
VIProductVersion "2.0.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Tavimo"
VIAddVersionKey /LANG=0 "CompanyName" "Quorvel"
VIAddVersionKey /LANG=0 "FileDescription" "Tavimo setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Quorvel"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_RESERVEFILE_LANGDLL

!include "installer_texts.nsh"

; Closes the control center and the tray agent, so that their files can be
; replaced or removed.
!macro CloseSuite
    FindWindow $0 "" "${CONTROL_CENTER_TITLE}"
    ${If} $0 <> 0
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\trayclose.exe"
        ExecWait '"$INSTDIR\trayclose.exe"'
    ${EndIf}
!macroend

Function .onInit
    ${If} ${Silent}
        StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${Else}
        !insertmacro MUI_LANGDLL_DISPLAY
    ${EndIf}
FunctionEnd

Function un.onInit
    ReadRegStr $0 HKLM "${PRODUCT_KEY}\Language" "Value"
    ${Select} $0
        ${Case} "Dutch"
            StrCpy $LANGUAGE ${LANG_DUTCH}
        ${Case} "French"
            StrCpy $LANGUAGE ${LANG_FRENCH}
        ${Case} "German"
            StrCpy $LANGUAGE ${LANG_GERMAN}
        ${Case} "Italian"
            StrCpy $LANGUAGE ${LANG_ITALIAN}
        ${Case} "Spanish"
            StrCpy $LANGUAGE ${LANG_SPANISH}
        ${CaseElse}
            StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndSelect}
FunctionEnd

Section "Tavimo"
    !insertmacro CloseSuite
    SetOverwrite on
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\program\*.*"
    ; Where the Control Panel and "control.exe tavictrl.cpl" find it.
    SetOutPath "$SYSDIR"
    File "${STAGE}\system\tavictrl.cpl"
    SetOutPath "$INSTDIR"

    ; The control center writes only into keys that exist.
    WriteRegStr HKLM "${PRODUCT_KEY}\Directory" "Path" "$INSTDIR\"
    WriteRegStr HKLM "${PRODUCT_KEY}\Language" "Value" "$(LanguageName)"
    !insertmacro CreateEmptyKey "${PRODUCT_KEY}\HeadsetEQ"
    !insertmacro CreateEmptyKey "${PRODUCT_KEY}\MicEQ"
    !insertmacro CreateEmptyKey "${PRODUCT_KEY}\Audio"
    !insertmacro CreateEmptyKey "${PRODUCT_KEY}\Talk"

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tavimo"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quorvel"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

    CreateDirectory "$SMPROGRAMS\Tavimo"
    CreateShortcut "$SMPROGRAMS\Tavimo\Tavimo.lnk" "$INSTDIR\TAVIMO.EXE"
    CreateShortcut "$SMPROGRAMS\Tavimo\Uninstall Tavimo.lnk" "$INSTDIR\Uninstall.exe"

    Call DriverStep

    ; The tray agent starts at logon, and now.
    WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\traysrv.exe"'
    Exec '"$INSTDIR\traysrv.exe"'

SectionEnd

; Sets the error flag unless the command line holds /NODRIVER.
!macro AskedForNoDriver
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NODRIVER" $1
!macroend

Function DriverStep
    !insertmacro AskedForNoDriver
    ${IfNot} ${Errors}
        DetailPrint "$(DriverSkipped)"
        Return
    ${EndIf}
!ifdef HAVE_DRIVER
    ExecWait '"$INSTDIR\PARSEDRV.EXE"' $0
    ${If} $0 == 1
        SetRebootFlag true
        MessageBox MB_OK|MB_ICONINFORMATION "$(DriverRestart)" /SD IDOK
    ${ElseIf} $0 != 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(DriverIncomplete)" /SD IDOK
    ${EndIf}
!else
    MessageBox MB_OK|MB_ICONINFORMATION "$(DriverFromMaker)" /SD IDOK
!endif
FunctionEnd

Section "Uninstall"
    !insertmacro CloseSuite
!ifdef HAVE_DRIVER
    ; Removing waits for the headset too: /NODRIVER leaves the driver as it is.
    !insertmacro AskedForNoDriver
    ${If} ${Errors}
    ${AndIf} ${FileExists} "$INSTDIR\PARSEDRV.EXE"
        ExecWait '"$INSTDIR\PARSEDRV.EXE" /remove'
    ${EndIf}
!endif
    Delete "$SYSDIR\tavictrl.cpl"
    RMDir /r "$SMPROGRAMS\Tavimo"
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegKey HKLM "${PRODUCT_KEY}"
    DeleteRegKey /ifempty HKLM "Software\Quorvel"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Out of the folder first, so that it can go.
    SetOutPath "$TEMP"
    RMDir /r "$INSTDIR"
SectionEnd
