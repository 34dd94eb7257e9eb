; The Corvane installer: per user, no administrator rights. Corvane writes its
; settings and schedules beside itself, so it goes into the user's own
; %LOCALAPPDATA%\Programs\Corvane.
;
;   makensis -DOUTFILE=setup.exe [-DARCH=x86|amd64] [-DBUILD=folder] corvane.nsi
;
; ARCH x86 (the default) puts the i686 build (build/win32) into the x86 stub:
; the installer users get, for 32-bit and 64-bit Windows alike. ARCH amd64
; puts the x86_64 build (build/win64) into the amd64 stub, to test the same
; script under 64-bit Wine. BUILD names another build folder of that kind, as
; an absolute path (makensis works in this folder). The version and maker come
; from the build's resources/corvane_version.nsh, and how a running Corvane of
; any version is found from its resources/corvane_identity.nsh, which the
; program's own corvane_identity.h is made from too.

!ifndef OUTFILE
  !error "OUTFILE is not defined: makensis -DOUTFILE=setup.exe"
!endif
!ifndef ARCH
  !define ARCH x86
!endif
!if "${ARCH}" == "x86"
  !define STUB x86-unicode
  !define DEFAULT_BUILD "../build/win32"
!else if "${ARCH}" == "amd64"
  !define STUB amd64-unicode
  !define DEFAULT_BUILD "../build/win64"
!else
  !error "ARCH is x86 or amd64"
!endif
!ifndef BUILD
  !define BUILD "${DEFAULT_BUILD}"
!endif
!define BIN "${BUILD}/bin"
!include /CHARSET=UTF8 "${BUILD}/resources/corvane_version.nsh"
!include /CHARSET=UTF8 "${BUILD}/resources/corvane_identity.nsh"

Unicode true
Target ${STUB}
SetCompressor /SOLID lzma
; A file that cannot be written ends Setup (silently: with exit code 2) rather
; than being skipped while the list entry names the new version.
AllowSkipFiles off

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define PALM_KEY "Software\U.S. Robotics\Pilot Desktop\Core"
!define WEB_SITE "https://corvane.example.org/"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Corvane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
ManifestSupportedOS all
BrandingText "Corvane ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "Corvane ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

Var FinishText
; 1 once Setup (or the uninstaller) has ended a running Corvane.
Var CorvaneWasRunning

!define MUI_ICON "../resources/corvane.ico"
!define MUI_UNICON "../resources/corvane.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "../resources/installer.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "../resources/installer.bmp"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Setup installs Corvane ${VERSION} for you alone, in your own programs folder. \
No administrator rights are needed.$\r$\n$\r$\nIf Corvane is running, Setup asks it to end first, so that it \
saves your settings and schedules. They are kept.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$FinishText"
!define MUI_FINISHPAGE_RUN "$INSTDIR\corvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Corvane now"
!define MUI_FINISHPAGE_LINK "Corvane's web site"
!define MUI_FINISHPAGE_LINK_LOCATION "${WEB_SITE}"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Asks a running Corvane of any version to end as its "Exit" does (it then
; saves its settings and schedules) and waits for its process to end, so that
; no file is replaced or removed under it. Every top-level window of the main
; window's class with the icon window inside is looked at; only Corvane's own,
; which answers the instance message (or, for a release before that message,
; carries that release's caption), is ever sent anything.
!macro DEFINE_CLOSE_RUNNING_CORVANE un
; $0: the first top-level window after $0 (0: from the top) that is Corvane's, or 0.
Function ${un}NextCorvaneWindow
  System::Call 'user32::RegisterWindowMessage(t "${INSTANCE_MESSAGE}") i .r3'
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "" 0 $0
    ${If} $0 = 0
      Return
    ${EndIf}
    FindWindow $1 "${ICON_WINDOW_CLASS}" "" $0
    ${If} $1 <> 0
      SendMessage $0 $3 0 0 $4 /TIMEOUT=2000 ; wParam 0: only who it is
      ${If} $4 = ${ANSWER_RUNNING}
      ${OrIf} $4 = ${ANSWER_ENDING}
        Return
      ${EndIf}
      System::Call 'user32::GetWindowText(p r0, t .r2, i ${NSIS_MAX_STRLEN}) i'
      ${If} $2 S== "${UNANSWERING_CAPTION}"
        Return
      ${EndIf}
    ${EndIf}
  ${Loop}
FunctionEnd

Function ${un}CloseRunningCorvane
  retry:
  StrCpy $0 0
  Call ${un}NextCorvaneWindow
  ${If} $0 = 0
    Return
  ${EndIf}
  DetailPrint "Asking the running Corvane to end"
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2' ; SYNCHRONIZE
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  StrCpy $3 0 ; 1 once the process has ended, or the window is gone when the process cannot be watched
  ${If} $2 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p r2, i 15000) i .r4'
    System::Call 'kernel32::CloseHandle(p r2)'
    ${IfThen} $4 = 0 ${|} StrCpy $3 1 ${|} ; WAIT_OBJECT_0
  ${Else}
    ${For} $4 1 150
      IsWindow $0 0 window_gone
      Sleep 100
    ${Next}
    Goto waited
    window_gone:
    StrCpy $3 1
  ${EndIf}
  waited:
  ${If} $3 = 0
    ; A running Corvane defers its end while one of its messages or dialogs
    ; waits for an answer, and ends by itself once that is closed.
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Corvane is still running. One of its messages (such as a \
question) or a conduit's settings dialog is probably open and waiting for an answer, perhaps behind other \
windows. Answer or close it: Corvane then ends by itself. Then click Retry.$\r$\n$\r$\nIf no such window \
is open, end Corvane with $\"Exit$\" in the menu of its notification-area icon, then click Retry." \
        /SD IDCANCEL IDRETRY retry
    Abort "Corvane is still running."
  ${EndIf}
  StrCpy $CorvaneWasRunning 1
  Goto retry ; looks again: no window of Corvane's may be left
FunctionEnd

; A silent run leaves Corvane running if it ran before, so that reminders go
; on: started as at log-on (hidden), as the user who runs this. After an
; update, the new version; after one that stopped before changing anything,
; or an uninstall that did, the old one. Run by a person, Setup offers "Start
; Corvane now" on its last page instead.
Function ${un}StartCorvaneAgain
  ${If} ${Silent}
  ${AndIf} $CorvaneWasRunning = 1
  ${AndIf} ${FileExists} "$INSTDIR\corvane.exe"
    Exec '"$INSTDIR\corvane.exe"'
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING_CORVANE ""
!insertmacro DEFINE_CLOSE_RUNNING_CORVANE "un."

; Stops the work before anything is written or removed when an installed file
; cannot be (another program has it open): the upgrade, so that the installed
; program and the version in its list entry stay the old ones together; the
; uninstall, so that nothing is left half removed.
!macro DEFINE_CHECK_FREE un problem nothing_yet
Function ${un}CheckFree
  Exch $0
  Push $1
  retry:
  ${If} ${FileExists} $0
    ClearErrors
    FileOpen $1 $0 a
    ${If} ${Errors}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${problem} ${nothing_yet} Close that program, then click \
Retry." /SD IDCANCEL IDRETRY retry
      Abort "$0 is in use. ${nothing_yet}"
    ${EndIf}
    FileClose $1
  ${EndIf}
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro DEFINE_CHECK_FREE "" "Setup cannot replace $0: another program has it open." \
    "Nothing has been changed yet."
!insertmacro DEFINE_CHECK_FREE "un." "Corvane cannot be removed: $0 is in use by another program." \
    "Nothing has been removed yet."
!macro CHECK_REPLACEABLE path
  Push "${path}"
  Call CheckFree
!macroend
!macro CHECK_REMOVABLE path
  Push "${path}"
  Call un.CheckFree
!macroend

Section "Corvane" SecProgram
  SectionIn RO
  Call CloseRunningCorvane
  !insertmacro CHECK_REPLACEABLE "$INSTDIR\corvane.exe"
  !insertmacro CHECK_REPLACEABLE "$INSTDIR\cvdata\cvwkcond.dat"
  !insertmacro CHECK_REPLACEABLE "$INSTDIR\cvdata\cvhelp.chm"
  !insertmacro CHECK_REPLACEABLE "$INSTDIR\uninstall.exe"

  ; The program and its data files, then the list entry that names their
  ; version. A file that cannot be written ends Setup (AllowSkipFiles off)
  ; before the entry changes. brightfen.ini and cvdata\cvsche.dat are the
  ; user's and never part of the installer, so an upgrade keeps them.
  SetOutPath "$INSTDIR"
  File "${BIN}/corvane.exe"
  SetOutPath "$INSTDIR\cvdata"
  File "${BIN}/cvdata/cvwkcond.dat"
  File "${BIN}/cvdata/cvhelp.chm"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Corvane.lnk" "$INSTDIR\corvane.exe" "" "$INSTDIR\corvane.exe" 0 \
      SW_SHOWNORMAL "" "Conduits, users and HotSync schedules for Palm Desktop"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\corvane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ; Run in place (_?=, always last), so that the process started is the
  ; uninstall itself: it ends when the uninstall is done, with its exit code.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_SITE}"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Written again by the next section when it is chosen.
  DeleteRegValue HKCU "${RUN_KEY}" "Corvane"

  ReadRegStr $0 HKCU "${PALM_KEY}" "DesktopPath"
  ${If} $0 == ""
    DetailPrint "Palm Desktop was not found for this Windows user."
    StrCpy $FinishText "Corvane has been installed.$\r$\n$\r$\nPalm Desktop was not found for this Windows \
user. Corvane works with Palm Desktop and its HotSync Manager: install them while logged on as this user \
before you use Corvane.$\r$\n$\r$\nClick Finish to close Setup."
  ${Else}
    StrCpy $FinishText "Corvane has been installed. It lives in the notification area of the task bar: \
click its icon to show its window.$\r$\n$\r$\nClick Finish to close Setup."
  ${EndIf}
SectionEnd

; A reminder can only come while Corvane runs, so this is on unless an earlier
; installation was set up without it.
Section "Start Corvane when I log on" SecLogon
  WriteRegStr HKCU "${RUN_KEY}" "Corvane" '"$INSTDIR\corvane.exe"'
SectionEnd

Function .onInit
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $1 HKCU "${RUN_KEY}" "Corvane"
  ${If} $0 != ""
  ${AndIf} $1 == ""
    SectionSetFlags ${SecLogon} 0
  ${EndIf}
FunctionEnd

Function .onInstSuccess
  Call StartCorvaneAgain
FunctionEnd

Function .onInstFailed
  Call StartCorvaneAgain
FunctionEnd

; Removes one installed file. One that stays (in use after all) stops the
; uninstaller unless the user closes what holds it and retries; silently: exit
; code 2.
!macro REMOVE_INSTALLED_FILE path
  Push "${path}"
  Call un.RemoveInstalledFile
!macroend
Function un.RemoveInstalledFile
  Exch $0
  retry:
  Delete $0
  ${If} ${FileExists} $0
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Corvane cannot be removed completely: $0 is in use by \
another program. Close that program, then click Retry.$\r$\n$\r$\nIf you cancel, Corvane stays in the list of \
installed apps, so that you can uninstall it again later." /SD IDCANCEL IDRETRY retry
    Abort "$0 is in use: Corvane stays installed."
  ${EndIf}
  Pop $0
FunctionEnd

; The two choices of the components page; the removal itself follows them.
Section "un.Corvane" UnSecProgram
  SectionIn RO
SectionEnd

; Off unless the user ticks it, or passes /REMOVEDATA to a silent uninstall.
Section /o "un.My settings and schedules" UnSecData
SectionEnd

; Corvane is asked to end, then every file to be removed must be free before
; any is (otherwise nothing is removed); the user's data goes first, then the
; program's files with corvane.exe last, so that until it goes the entries
; still lead to a working program; then the entries. A per-user uninstaller
; cannot schedule a removal at the next restart: Windows keeps that list for
; administrators only.
Section "-un.Remove"
  ; The uninstaller's working folder would keep $INSTDIR from being removed.
  SetOutPath "$TEMP"
  Call un.CloseRunningCorvane
  !insertmacro CHECK_REMOVABLE "$INSTDIR\corvane.exe"
  !insertmacro CHECK_REMOVABLE "$INSTDIR\cvdata\cvwkcond.dat"
  !insertmacro CHECK_REMOVABLE "$INSTDIR\cvdata\cvhelp.chm"
  ${If} ${SectionIsSelected} ${UnSecData}
    !insertmacro CHECK_REMOVABLE "$INSTDIR\brightfen.ini"
    !insertmacro CHECK_REMOVABLE "$INSTDIR\cvdata\cvsche.dat"
    !insertmacro CHECK_REMOVABLE "$INSTDIR\cvdata\cvsche.dat.tmp"
    !insertmacro REMOVE_INSTALLED_FILE "$INSTDIR\brightfen.ini"
    !insertmacro REMOVE_INSTALLED_FILE "$INSTDIR\cvdata\cvsche.dat"
    !insertmacro REMOVE_INSTALLED_FILE "$INSTDIR\cvdata\cvsche.dat.tmp"
  ${EndIf}
  !insertmacro REMOVE_INSTALLED_FILE "$INSTDIR\cvdata\cvhelp.chm"
  !insertmacro REMOVE_INSTALLED_FILE "$INSTDIR\cvdata\cvwkcond.dat"
  !insertmacro REMOVE_INSTALLED_FILE "$INSTDIR\corvane.exe"
  Delete "$SMPROGRAMS\Corvane.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Corvane"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Gone now when this uninstaller runs from a copy; otherwise once it has ended (below).
  Delete "$INSTDIR\uninstall.exe"
  ; Gone only when empty: the user's settings and schedules stay unless chosen above.
  RMDir "$INSTDIR\cvdata"
  RMDir "$INSTDIR"
SectionEnd

; A running program cannot remove its own file. Once everything else is gone,
; the system's command processor, hidden, waits for this uninstaller to end
; (trying once a second, for up to a minute) and removes it, then its folder
; and the program's folders when they are empty. Run from a copy (without
; _?=), this uninstaller is that copy, in a folder of its own under %TEMP%, and
; the one in $INSTDIR, whose process started the copy, is removed the same way.
Function un.onUninstSuccess
  ExecShell "open" "$SYSDIR\cmd.exe" '/c for /l %i in (1,1,60) do (del /f /q "$EXEPATH" "$INSTDIR\uninstall.exe" \
2>nul & if exist "$EXEPATH" (ping -n 2 127.0.0.1 >nul) else (rd "$INSTDIR\cvdata" 2>nul & rd "$INSTDIR" 2>nul & \
rd "$EXEDIR" 2>nul & exit))' SW_HIDE
FunctionEnd

Function un.onUninstFailed
  Call un.StartCorvaneAgain
FunctionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${UnSecData} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
