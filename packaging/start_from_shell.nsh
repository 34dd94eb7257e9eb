; START_FROM_SHELL_FUNCTION un: defines ${un}StartFromShell, which starts
; "$INSTDIR\corvane.exe" as a child of the desktop shell instead of this
; installer: CreateProcess names the shell's process as the parent
; (PROC_THREAD_ATTRIBUTE_PARENT_PROCESS), so Corvane takes the shell's job and
; rights, and a tool that waits for the installer's process tree or job (as
; PowerShell's Start-Process -Wait does) returns when the installer ends. The
; shell is the process of the shell window (Explorer's) or, where there is
; none (Wine), of the desktop window (Wine's explorer.exe). Where no such
; process lets itself be named (none runs, or it is the system's own), Corvane
; is started as the installer's child, as Exec does.

!define PROCESS_CREATE_PROCESS 0x0080
!define PROC_THREAD_ATTRIBUTE_PARENT_PROCESS 0x00020000
!define EXTENDED_STARTUPINFO_PRESENT 0x00080000
; STARTUPINFOW, then STARTUPINFOEXW's lpAttributeList.
!if ${NSIS_PTR_SIZE} > 4
  !define STARTUPINFOW_SIZE 104
!else
  !define STARTUPINFOW_SIZE 68
!endif
!define /math STARTUPINFOEXW_SIZE ${STARTUPINFOW_SIZE} + ${NSIS_PTR_SIZE}

!macro START_FROM_SHELL_FUNCTION un
Function ${un}StartFromShell
  StrCpy $0 0 ; 1 once started
  System::Call 'user32::GetShellWindow() p .r1'
  ${If} $1 P= 0
    System::Call 'user32::GetDesktopWindow() p .r1'
  ${EndIf}
  System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2) i'
  System::Call 'kernel32::OpenProcess(i ${PROCESS_CREATE_PROCESS}, i 0, i r2) p .r1'
  ${If} $1 P<> 0
    System::Call 'kernel32::InitializeProcThreadAttributeList(p 0, i 1, i 0, *p .r3) i'
    System::Alloc $3
    Pop $4
    System::Call '*(p r1) p .r5' ; the handle, where the list points to it until it is deleted
    System::Alloc ${STARTUPINFOEXW_SIZE}
    Pop $6
    System::Call '*$6(i ${STARTUPINFOEXW_SIZE})'
    IntPtrOp $7 $6 + ${STARTUPINFOW_SIZE}
    System::Call '*$7(p r4)'
    System::Call '*(p, p, i, i) p .r7' ; PROCESS_INFORMATION
    System::Call 'kernel32::InitializeProcThreadAttributeList(p r4, i 1, i 0, *p r3) i .r2'
    ${If} $2 <> 0
      System::Call 'kernel32::UpdateProcThreadAttribute(p r4, i 0, p ${PROC_THREAD_ATTRIBUTE_PARENT_PROCESS}, \
          p r5, p ${NSIS_PTR_SIZE}, p 0, p 0) i .r2'
      StrCpy $3 '"$INSTDIR\corvane.exe"'
      ${If} $2 <> 0
        System::Call 'kernel32::CreateProcessW(p 0, w r3, p 0, p 0, i 0, i ${EXTENDED_STARTUPINFO_PRESENT}, p 0, \
            p 0, p r6, p r7) i .r0'
      ${EndIf}
      ${If} $0 <> 0
        System::Call '*$7(p .r2, p .r3)'
        System::Call 'kernel32::CloseHandle(p r2)'
        System::Call 'kernel32::CloseHandle(p r3)'
      ${EndIf}
      System::Call 'kernel32::DeleteProcThreadAttributeList(p r4)'
    ${EndIf}
    System::Free $7
    System::Free $6
    System::Free $5
    System::Free $4
    System::Call 'kernel32::CloseHandle(p r1)'
  ${EndIf}
  ${If} $0 = 0
    Exec '"$INSTDIR\corvane.exe"'
  ${EndIf}
FunctionEnd
!macroend
