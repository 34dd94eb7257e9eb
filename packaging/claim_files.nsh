; The uninstaller's removal of Corvane's files, all or none. Each file is
; first claimed: opened for deletion (DELETE access), sharing reading and
; writing but not deletion. The open fails when another program holds the
; file without sharing its deletion (as a .NET FileShare.ReadWrite reader
; does), exactly when a removal would, and while it is held no program can
; open the file without sharing its deletion. Once every file is claimed, each is marked to be removed when its
; handle closes, through that same handle, and the handles are closed in the
; order they were claimed. A file that cannot be marked (a program runs from
; it, or it is read-only) unmarks the others: nothing is removed.

!define DELETE_ACCESS 0x00010000
!define FILE_SHARE_READ_WRITE 3
!define OPEN_EXISTING 3
!define FILE_DISPOSITION_INFO_CLASS 4
!define MAX_CLAIMS 8 ; room for every file the uninstaller removes
!define /math CLAIMS_SIZE ${MAX_CLAIMS} * ${NSIS_PTR_SIZE}

Var Claims ; an array of MAX_CLAIMS handles
Var ClaimCount

!macro CLAIM_FOR_REMOVAL path
  Push "${path}"
  Call un.ClaimForRemoval
!macroend

Function un.ClaimForRemoval
  Exch $0
  Push $1
  Push $2
  ${If} $ClaimCount == ""
    System::Alloc ${CLAIMS_SIZE}
    Pop $Claims
    StrCpy $ClaimCount 0
  ${EndIf}
  retry:
  System::Call 'kernel32::CreateFileW(w r0, i ${DELETE_ACCESS}, i ${FILE_SHARE_READ_WRITE}, p 0, \
      i ${OPEN_EXISTING}, i 0, p 0) p .r1 ?e'
  Pop $2 ; the open's error
  ${If} $1 P= -1
    ${If} $2 = 2 ; ERROR_FILE_NOT_FOUND: nothing to remove
    ${OrIf} $2 = 3 ; ERROR_PATH_NOT_FOUND
      Goto done
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Corvane cannot be removed: $0 is in use by another program. \
Nothing has been removed yet. Close that program, then click Retry." /SD IDCANCEL IDRETRY retry
    Call un.ReleaseClaims
    Abort "$0 is in use. Nothing has been removed yet."
  ${EndIf}
  ${If} $ClaimCount >= ${MAX_CLAIMS}
    System::Call 'kernel32::CloseHandle(p r1)'
    Call un.ReleaseClaims
    Abort "More files than MAX_CLAIMS. Nothing has been removed yet."
  ${EndIf}
  IntOp $2 $ClaimCount * ${NSIS_PTR_SIZE}
  IntPtrOp $2 $Claims + $2
  System::Call '*$2(p r1)'
  IntOp $ClaimCount $ClaimCount + 1
  done:
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; Sets the removal mark ($0: 1 or 0) of the first $1 claimed files; $2: how
; many were set before one could not be.
Function un.MarkClaims
  StrCpy $2 0
  ${DoWhile} $2 < $1
    IntOp $3 $2 * ${NSIS_PTR_SIZE}
    IntPtrOp $3 $Claims + $3
    System::Call '*$3(p .r3)'
    System::Call 'kernel32::SetFileInformationByHandle(p r3, i ${FILE_DISPOSITION_INFO_CLASS}, *i r0, i 4) i .r3'
    ${IfThen} $3 = 0 ${|} ${Break} ${|}
    IntOp $2 $2 + 1
  ${Loop}
FunctionEnd

; Closes every claim: a marked file is removed now.
Function un.ReleaseClaims
  ${IfThen} $ClaimCount == "" ${|} Return ${|}
  StrCpy $2 0
  ${DoWhile} $2 < $ClaimCount
    IntOp $3 $2 * ${NSIS_PTR_SIZE}
    IntPtrOp $3 $Claims + $3
    System::Call '*$3(p .r3)'
    System::Call 'kernel32::CloseHandle(p r3)'
    IntOp $2 $2 + 1
  ${Loop}
  System::Free $Claims
  StrCpy $ClaimCount ""
FunctionEnd

Function un.RemoveClaimed
  StrCpy $0 1
  StrCpy $1 $ClaimCount
  Call un.MarkClaims
  ${If} $2 < $ClaimCount
    StrCpy $0 0
    StrCpy $1 $2
    Call un.MarkClaims
    Call un.ReleaseClaims
    MessageBox MB_OK|MB_ICONEXCLAMATION "Corvane cannot be removed: one of its files cannot be deleted (a program \
runs from it, or it is read-only). Nothing has been removed." /SD IDOK
    Abort "A file cannot be deleted. Nothing has been removed."
  ${EndIf}
  Call un.ReleaseClaims
FunctionEnd
