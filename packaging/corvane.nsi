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
; from the build's resources/corvane_version.nsh.

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

Unicode true
Target ${STUB}
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
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

; Asks a running Corvane to end as its "Exit" does (it then saves its settings
; and schedules) and waits for its process to end, so that no file is replaced
; or removed under it.
!macro DEFINE_CLOSE_RUNNING_CORVANE un
Function ${un}CloseRunningCorvane
  retry:
  FindWindow $0 "TfrmMain"
  ${If} $0 = 0
    Return
  ${EndIf}
  DetailPrint "Asking the running Corvane to end"
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2' ; SYNCHRONIZE
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  ${If} $2 P<> 0
    System::Call 'kernel32::WaitForSingleObject(p r2, i 15000) i'
    System::Call 'kernel32::CloseHandle(p r2)'
  ${Else}
    StrCpy $3 0
    ${DoWhile} $3 < 150
      IsWindow $0 0 gone
      Sleep 100
      IntOp $3 $3 + 1
    ${Loop}
    gone:
  ${EndIf}
  FindWindow $0 "TfrmMain"
  ${If} $0 <> 0
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Corvane is still running. End it (right-click its icon in the \
notification area and choose $\"Exit$\"), then click Retry." /SD IDCANCEL IDRETRY retry
    Abort "Corvane is still running."
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING_CORVANE ""
!insertmacro DEFINE_CLOSE_RUNNING_CORVANE "un."

Section "Corvane" SecProgram
  SectionIn RO
  Call CloseRunningCorvane

  ; The program and its data files. brightfen.ini and cvdata\cvsche.dat are
  ; the user's and never part of the installer, so an upgrade keeps them.
  SetOutPath "$INSTDIR\cvdata"
  File "${BIN}/cvdata/cvwkcond.dat"
  File "${BIN}/cvdata/cvhelp.chm"
  SetOutPath "$INSTDIR"
  File "${BIN}/corvane.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Corvane.lnk" "$INSTDIR\corvane.exe" "" "$INSTDIR\corvane.exe" 0 \
      SW_SHOWNORMAL "" "Conduits, users and HotSync schedules for Palm Desktop"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\corvane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
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

Section "un.Corvane" UnSecProgram
  SectionIn RO
  Call un.CloseRunningCorvane
  DeleteRegValue HKCU "${RUN_KEY}" "Corvane"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$SMPROGRAMS\Corvane.lnk"
  Delete "$INSTDIR\corvane.exe"
  Delete "$INSTDIR\cvdata\cvwkcond.dat"
  Delete "$INSTDIR\cvdata\cvhelp.chm"
  Delete "$INSTDIR\uninstall.exe"
  ; Gone only when empty: the user's settings and schedules stay unless asked for below.
  RMDir "$INSTDIR\cvdata"
  RMDir "$INSTDIR"
SectionEnd

; Off unless the user ticks it, or passes /REMOVEDATA to a silent uninstall.
Section /o "un.My settings and schedules" UnSecData
  Delete "$INSTDIR\brightfen.ini"
  Delete "$INSTDIR\cvdata\cvsche.dat"
  Delete "$INSTDIR\cvdata\cvsche.dat.tmp"
  RMDir "$INSTDIR\cvdata"
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${UnSecData} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
