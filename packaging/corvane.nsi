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
!include start_from_shell.nsh
!include claim_files.nsh

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
!define MUI_CUSTOMFUNCTION_UNABORT un.RemoveOwnCopy

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
; on: started as at log-on (hidden), by the desktop shell, not as a process
; of this installer's. After an update, the new version; after one that
; stopped before changing anything, or an uninstall that did, the old one.
; Run by a person, Setup offers "Start Corvane now" on its last page instead.
!insertmacro START_FROM_SHELL_FUNCTION "${un}"
Function ${un}StartCorvaneAgain
  ${If} ${Silent}
  ${AndIf} $CorvaneWasRunning = 1
  ${AndIf} ${FileExists} "$INSTDIR\corvane.exe"
    Call ${un}StartFromShell
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING_CORVANE ""
!insertmacro DEFINE_CLOSE_RUNNING_CORVANE "un."

; Stops the upgrade before anything is written when an installed file cannot
; be (another program has it open), so that the installed program and the
; version in its list entry stay the old ones together. Opening for writing
; with reading shared is what File itself does.
Function CheckReplaceable
  Exch $0
  Push $1
  retry:
  ${If} ${FileExists} $0
    ClearErrors
    FileOpen $1 $0 a
    ${If} ${Errors}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Setup cannot replace $0: another program has it open. \
Nothing has been changed yet. Close that program, then click Retry." /SD IDCANCEL IDRETRY retry
      Abort "$0 is in use. Nothing has been changed yet."
    ${EndIf}
    FileClose $1
  ${EndIf}
  Pop $1
  Pop $0
FunctionEnd
!macro CHECK_REPLACEABLE path
  Push "${path}"
  Call CheckReplaceable
!macroend

; $1 += the size in bytes of file $0 (none when it is missing).
Function AddFileSize
  ClearErrors
  FileOpen $2 $0 r
  ${IfNot} ${Errors}
    FileSeek $2 0 END $3
    FileClose $2
    IntOp $1 $1 + $3
  ${EndIf}
FunctionEnd
!macro ADD_FILE_SIZE path
  StrCpy $0 "${path}"
  Call AddFileSize
!macroend

; Strips the backslashes (and spaces, which Windows drops) that may end the
; folder in a variable, as /D= or _?= may give it. Uses $9.
!macro TRIM_FOLDER var
  ${Do}
    StrCpy $9 ${var} 1 -1
    ${If} $9 != "\"
    ${AndIf} $9 != " "
      ${Break}
    ${EndIf}
    StrCpy ${var} ${var} -1
  ${Loop}
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
  ; In KB, of the files Setup put there (the folder may hold others').
  StrCpy $1 0
  !insertmacro ADD_FILE_SIZE "$INSTDIR\corvane.exe"
  !insertmacro ADD_FILE_SIZE "$INSTDIR\cvdata\cvwkcond.dat"
  !insertmacro ADD_FILE_SIZE "$INSTDIR\cvdata\cvhelp.chm"
  !insertmacro ADD_FILE_SIZE "$INSTDIR\uninstall.exe"
  IntOp $1 $1 + 1023
  IntOp $1 $1 / 1024
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $1

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

; One installed copy: an install into another folder (/D=) while Corvane is
; installed is refused, with nothing changed (exit code 2). Moving would run
; the old folder's uninstaller, of whatever version, and carry the user's
; data across folders; a failure between those steps would leave two half
; installations. Only a command line names another folder (Setup shows no
; folder page), so the one who typed it reads why.
Function .onInit
  !insertmacro TRIM_FOLDER $INSTDIR
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
  ${AndIf} ${FileExists} "$0\corvane.exe"
    MessageBox MB_OK|MB_ICONSTOP "Corvane is already installed in $0. Setup keeps one installation: to update \
it, run Setup without /D=. To have Corvane in $INSTDIR instead, uninstall it first, then copy brightfen.ini and \
cvdata\cvsche.dat (your settings and schedules, which the uninstaller keeps) to the new folder." /SD IDOK
    Abort
  ${EndIf}
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

; The two choices of the components page; the removal itself follows them.
Section "un.Corvane" UnSecProgram
  SectionIn RO
SectionEnd

; Off unless the user ticks it, or passes /REMOVEDATA to a silent uninstall.
Section /o "un.My settings and schedules" UnSecData
SectionEnd

; $0: the program that shortcut $0 starts, or empty.
Function un.ShortcutTarget
  StrCpy $1 $0
  StrCpy $0 ""
  System::Call 'ole32::CoCreateInstance(g "{00021401-0000-0000-C000-000000000046}", p 0, i 1, \
      g "{000214F9-0000-0000-C000-000000000046}", *p .r2) i .r3' ; ShellLink, IShellLinkW
  ${If} $3 = 0
    System::Call '$2->0(g "{0000010b-0000-0000-C000-000000000046}", *p .r4) i .r3' ; IPersistFile
    ${If} $3 = 0
      System::Call '$4->5(w r1, i 0) i .r3' ; Load
      ${If} $3 = 0
        System::Call '$2->3(w .r0, i ${NSIS_MAX_STRLEN}, p 0, i 0) i' ; GetPath
      ${EndIf}
      System::Call '$4->2()'
    ${EndIf}
    System::Call '$2->2()'
  ${EndIf}
FunctionEnd

; Corvane is asked to end, then every file to be removed is claimed before any
; is removed (otherwise nothing is); the user's data goes first, then the
; program's files with corvane.exe last, so that until it goes the entries
; still lead to a working program; then the entries, each only when it leads
; into this folder (another installation may have been registered since).
; A per-user uninstaller cannot schedule a removal at the next restart:
; Windows keeps that list for administrators only.
Section "-un.Remove"
  ; The uninstaller's working folder would keep $INSTDIR from being removed.
  SetOutPath "$TEMP"
  Call un.CloseRunningCorvane
  ${If} ${SectionIsSelected} ${UnSecData}
    !insertmacro CLAIM_FOR_REMOVAL "$INSTDIR\brightfen.ini"
    !insertmacro CLAIM_FOR_REMOVAL "$INSTDIR\brightfen.ini.tmp"
    !insertmacro CLAIM_FOR_REMOVAL "$INSTDIR\cvdata\cvsche.dat"
    !insertmacro CLAIM_FOR_REMOVAL "$INSTDIR\cvdata\cvsche.dat.tmp"
  ${EndIf}
  !insertmacro CLAIM_FOR_REMOVAL "$INSTDIR\cvdata\cvhelp.chm"
  !insertmacro CLAIM_FOR_REMOVAL "$INSTDIR\cvdata\cvwkcond.dat"
  !insertmacro CLAIM_FOR_REMOVAL "$INSTDIR\corvane.exe"
  Call un.RemoveClaimed

  StrCpy $0 "$SMPROGRAMS\Corvane.lnk"
  Call un.ShortcutTarget
  ${IfThen} $0 == "$INSTDIR\corvane.exe" ${|} Delete "$SMPROGRAMS\Corvane.lnk" ${|}
  ReadRegStr $0 HKCU "${RUN_KEY}" "Corvane"
  ${IfThen} $0 == '"$INSTDIR\corvane.exe"' ${|} DeleteRegValue HKCU "${RUN_KEY}" "Corvane" ${|}
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${IfThen} $0 == $INSTDIR ${|} DeleteRegKey HKCU "${UNINSTALL_KEY}" ${|}
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

; Run from NSIS's copy in %TEMP%\~nsu*.tmp (started without _?=), an uninstall
; that stops or is refused removes that copy and its folder the same way, so
; that nothing is left in %TEMP%.
Function un.RemoveOwnCopy
  ${GetParent} "$EXEDIR" $0
  ${GetFileName} "$EXEDIR" $1
  StrCpy $1 $1 4
  StrCpy $2 $TEMP
  !insertmacro TRIM_FOLDER $2
  ${If} $0 == $2
  ${AndIf} $1 == "~nsu"
    ExecShell "open" "$SYSDIR\cmd.exe" '/c for /l %i in (1,1,60) do (del /f /q "$EXEPATH" 2>nul & \
if exist "$EXEPATH" (ping -n 2 127.0.0.1 >nul) else (rd "$EXEDIR" 2>nul & exit))' SW_HIDE
  ${EndIf}
FunctionEnd

Function un.onUninstFailed
  Call un.RemoveOwnCopy
  Call un.StartCorvaneAgain
FunctionEnd

; $0: the size and last write time of file $0, empty when it cannot be read.
; NSIS's copy of an uninstaller keeps both.
Function un.FileStamp
  System::Call '*(i, i, i, i, i, i, i, i, i) p .r1' ; WIN32_FILE_ATTRIBUTE_DATA
  System::Call 'kernel32::GetFileAttributesExW(w r0, i 0, p r1) i .r2'
  StrCpy $0 ""
  ${If} $2 <> 0
    System::Call '*$1(i, i, i, i, i, i .r2, i .r3, i .r4, i .r5)'
    StrCpy $0 "$4:$5:$2:$3"
  ${EndIf}
  System::Free $1
FunctionEnd

; The uninstaller checks where it is before it changes anything. NSIS takes
; all that follows the last " _?=" of its command line as $INSTDIR, dropping
; characters no folder name may hold ("/S" becomes "S"), so the folder is
; read from the command line as it came. No folder name holds a "/": from
; the first " /" on, it is options appended after the folder, /S (which NSIS
; itself honours wherever it stands) and /REMOVEDATA. The folder must then
; hold this very uninstaller (or the one NSIS copied this from) and
; corvane.exe; otherwise nothing is changed and the exit code is 2.
Function un.onInit
  System::Call 'kernel32::GetCommandLineW() w .r1'
  StrCpy $6 $INSTDIR
  StrLen $2 $1
  ${For} $3 0 $2
    IntOp $5 $2 - $3 ; from the end
    StrCpy $4 $1 4 $5
    ${If} $4 == " _?="
      IntOp $5 $5 + 4
      StrCpy $6 $1 "" $5
      ${Break}
    ${EndIf}
  ${Next}
  StrCpy $0 ""
  StrLen $2 $6
  ${For} $1 0 $2
    StrCpy $3 $6 2 $1
    ${If} $3 == " /"
      StrCpy $0 $6 "" $1
      StrCpy $6 $6 $1
      ${Break}
    ${EndIf}
  ${Next}
  !insertmacro TRIM_FOLDER $6
  StrCpy $INSTDIR $6 ; NSIS drops from $INSTDIR what no folder name may hold
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} "$1 $0" "/REMOVEDATA" $2
  ${IfNot} ${Errors}
    SectionSetFlags ${UnSecData} ${SF_SELECTED}
  ${EndIf}

  StrCpy $0 $EXEPATH
  Call un.FileStamp
  StrCpy $6 $0
  StrCpy $0 "$INSTDIR\uninstall.exe"
  Call un.FileStamp
  ${If} $0 == ""
  ${OrIf} $0 != $6
  ${OrIfNot} ${FileExists} "$INSTDIR\corvane.exe"
    MessageBox MB_OK|MB_ICONSTOP "This uninstaller was told to remove Corvane from $\"$INSTDIR$\", which is not \
where it is installed. Nothing has been removed.$\r$\n$\r$\nTo remove Corvane, use $\"Uninstall$\" in the list of \
installed apps." /SD IDOK
    Call un.RemoveOwnCopy
    Abort
  ${EndIf}
FunctionEnd
