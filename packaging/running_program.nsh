; A Zorvakomat that runs from the installation folder is asked to close
; before its files are replaced or removed, the way its tray menu's Exit
; closes it: a changed document gets its save question first. It is never
; killed. Copies running from elsewhere (a portable one) are left alone.
;
; !insertmacro RUNNING_PROGRAM_FUNCTIONS ""    for the installer
; !insertmacro RUNNING_PROGRAM_FUNCTIONS "un." for the uninstaller
; then: Call [un.]CloseRunningZorvakomat (aborts when the user gives up)

!include LogicLib.nsh
!include WinMessages.nsh

!define ZVK_FRAME_CLASS "ZorvakomatFrame"
!define ZVK_VIEW_CLASS "ZorvakomatView"
!define ZVK_ID_APP_EXIT 57665
!define ZVK_SYNCHRONIZE_AND_QUERY 0x00101000  ; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
!define ZVK_CLOSE_WAIT_MS 10000

!macro RUNNING_PROGRAM_FUNCTIONS UN

; The long form of the path on the stack (8.3 names expanded).
Function ${UN}LongPath
  Exch $0
  Push $1
  System::Call "kernel32::GetLongPathNameW(w r0, w .r1, i ${NSIS_MAX_STRLEN})"
  ${If} $1 != ""
    StrCpy $0 $1
  ${EndIf}
  Pop $1
  Exch $0
FunctionEnd

; Pushes the frame window of a Zorvakomat started from $INSTDIR and an open
; handle of its process (0 and 0 when there is none). The caller closes the
; handle.
Function ${UN}FindRunningZorvakomat
  Push $0  ; frame
  Push $1  ; process id, then the program's path
  Push $2  ; process handle
  Push $3  ; this installation's program
  Push "$INSTDIR\zorvakomat.exe"
  Call ${UN}LongPath
  Pop $3
  StrCpy $0 0
  ${Do}
    FindWindow $0 "${ZVK_FRAME_CLASS}" "" 0 $0
    ${If} $0 = 0
      StrCpy $2 0
      ${ExitDo}
    ${EndIf}
    System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
    System::Call "kernel32::OpenProcess(i ${ZVK_SYNCHRONIZE_AND_QUERY}, i 0, i r1) p .r2"
    ${If} $2 P<> 0
      StrCpy $1 ""
      System::Call "kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r1, *i ${NSIS_MAX_STRLEN})"
      Push $1
      Call ${UN}LongPath
      Pop $1
      ${If} $1 == $3  ; (not case-sensitive, as paths are)
        ${ExitDo}
      ${EndIf}
      System::Call "kernel32::CloseHandle(p r2)"
      StrCpy $2 0
    ${EndIf}
  ${Loop}
  Pop $3
  Exch $2  ; stack: handle, $1, $0
  Exch 2   ; stack: $0, $1, handle
  Exch $0  ; stack: frame, $1, handle
  Exch     ; stack: $1, frame, handle
  Pop $1   ; stack: frame, handle
FunctionEnd

Function ${UN}CloseRunningZorvakomat
  Push $0
  Push $1
  Push $2
  ${Do}
    Call ${UN}FindRunningZorvakomat
    Pop $0  ; frame
    Pop $1  ; process
    ${If} $0 = 0
      ${ExitDo}
    ${EndIf}
    DetailPrint "Asking Zorvakomat to close..."
    ; While a dialog or a question of the program is open its frame is
    ; disabled: a second Exit would ask again on top of it.
    System::Call "user32::IsWindowEnabled(p r0) i .r2"
    ${If} $2 <> 0
      FindWindow $2 "${ZVK_VIEW_CLASS}" "" $0
      System::Call "user32::PostMessageW(p r2, i ${WM_COMMAND}, p ${ZVK_ID_APP_EXIT}, p 0)"
    ${EndIf}
    System::Call "kernel32::WaitForSingleObject(p r1, i ${ZVK_CLOSE_WAIT_MS}) i .r2"
    System::Call "kernel32::CloseHandle(p r1)"
    ${If} $2 <> 0
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Zorvakomat is still running and has not closed.$\r$\n$\r$\nIt may be asking whether to save your macros, or have a window open: answer it, or choose Exit in its tray menu, then click Retry.$\r$\n$\r$\nCancel stops here and leaves Zorvakomat as it is." \
        /SD IDCANCEL IDRETRY retry
      DetailPrint "Zorvakomat did not close: stopped."
      Abort
      retry:
    ${EndIf}
  ${Loop}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

!macroend
