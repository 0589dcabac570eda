; Whether two files hold the same bytes, for the uninstaller: a file that
; Setup put in place and the user changed since is the user's, and stays.
;
; Push FILE1, Push FILE2, Call un.SameContent, Pop the answer: 1 when both
; files exist and hold the same bytes, else 0. Meant for small files: it
; reads a byte at a time.

!include LogicLib.nsh

Function un.SameContent
  Exch $1  ; FILE2
  Exch
  Exch $0  ; FILE1
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6  ; the answer
  StrCpy $6 0
  ClearErrors
  FileOpen $2 $0 r
  ${IfNot} ${Errors}
    FileOpen $3 $1 r
    ${IfNot} ${Errors}
      FileSeek $2 0 END $4
      FileSeek $3 0 END $5
      ${If} $4 = $5
        FileSeek $2 0 SET
        FileSeek $3 0 SET
        StrCpy $6 1
        ${Do}
          ClearErrors
          FileReadByte $2 $4
          ${If} ${Errors}
            ${ExitDo}
          ${EndIf}
          FileReadByte $3 $5
          ${If} ${Errors}
          ${OrIf} $4 <> $5
            StrCpy $6 0
            ${ExitDo}
          ${EndIf}
        ${Loop}
      ${EndIf}
      FileClose $3
    ${EndIf}
    FileClose $2
  ${EndIf}
  StrCpy $0 $6
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Exch
  Pop $1
  Exch $0
FunctionEnd
