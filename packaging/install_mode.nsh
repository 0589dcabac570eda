; For whom Setup installs: the user running it (the default; no
; administrator rights needed, into the user's own programs folder), or,
; when Setup runs with administrator rights and that is chosen on its page
; or with /AllUsers, everyone using the computer (into Program Files).
; The shell folders ($SMPROGRAMS) and SHCTX (HKCU or HKLM) follow the choice.

!include LogicLib.nsh
!include nsDialogs.nsh

Var IsAdmin        ; 1 when Setup runs with administrator rights
Var AllUsers       ; 1 when installing for everyone
Var ChosenFolder   ; the folder given with /D=, which no default replaces
Var ModePage.AllUsers

!define ZVK_FOLDERID_USERPROGRAMFILES {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB}

; The installation folder of the chosen mode: where a version installed
; before in that mode is, or else the mode's programs folder.
Function SetInstallMode
  ${If} $AllUsers == 1
    SetShellVarContext all
    StrCpy $INSTDIR "$PROGRAMFILES${ZVK_PROGRAMFILES_BITS}\Zorvakomat"
  ${Else}
    SetShellVarContext current
    GetKnownFolderPath $0 ${ZVK_FOLDERID_USERPROGRAMFILES}
    ${If} $0 == ""
      StrCpy $0 "$LOCALAPPDATA\Programs"
    ${EndIf}
    StrCpy $INSTDIR "$0\Zorvakomat"
  ${EndIf}
  ReadRegStr $0 SHCTX "${ZVK_UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
  ${If} $ChosenFolder != ""
    StrCpy $INSTDIR $ChosenFolder
  ${EndIf}
FunctionEnd

; Reads the command line's /AllUsers and /CurrentUser (Setup quits when
; /AllUsers is given without administrator rights).
Function InitInstallMode
  StrCpy $ChosenFolder $INSTDIR
  UserInfo::GetAccountType
  Pop $0
  StrCpy $IsAdmin 0
  ${If} $0 == "Admin"
    StrCpy $IsAdmin 1
  ${EndIf}
  StrCpy $AllUsers 0
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/AllUsers" $0
  ${IfNot} ${Errors}
    ${If} $IsAdmin != 1
      MessageBox MB_OK|MB_ICONSTOP \
        "Installing Zorvakomat for everyone who uses this computer needs administrator rights.$\r$\n$\r$\nStart Setup with Run as administrator, or install it just for you." \
        /SD IDOK
      SetErrorLevel 5  ; access denied
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
  ${EndIf}
  Call SetInstallMode
FunctionEnd

; The page, shown only with administrator rights (without them there is
; nothing to choose).
Function InstallModePage
  ${If} $IsAdmin != 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Choose Users" "Choose who can use Zorvakomat on this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 30u \
    "Zorvakomat can be installed just for you, in your own programs folder, or for everyone who uses this computer, in the Program Files folder. Each user keeps their own macros and settings either way."
  Pop $0
  ${NSD_CreateRadioButton} 10u 42u 280u 12u "Just for &me"
  Pop $0
  ${NSD_CreateRadioButton} 10u 60u 280u 12u "For &everyone who uses this computer"
  Pop $ModePage.AllUsers
  ${If} $AllUsers == 1
    ${NSD_Check} $ModePage.AllUsers
  ${Else}
    ${NSD_Check} $0
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function InstallModePageLeave
  ${NSD_GetState} $ModePage.AllUsers $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call SetInstallMode
FunctionEnd

; The uninstaller works in the mode of the installation it removes: the
; machine's Uninstall entry names its folder when it was installed for
; everyone, and then removing it needs administrator rights.
Function un.InitInstallMode
  SetShellVarContext current
  ReadRegStr $0 HKLM "${ZVK_UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
      MessageBox MB_OK|MB_ICONSTOP \
        "Zorvakomat was installed for everyone who uses this computer, so removing it needs administrator rights.$\r$\n$\r$\nStart the uninstaller with Run as administrator." \
        /SD IDOK
      SetErrorLevel 5  ; access denied
      Quit
    ${EndIf}
    SetShellVarContext all
  ${EndIf}
FunctionEnd
