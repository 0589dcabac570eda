; Zorvakomat's setup program and its uninstaller.
;
;   makensis -DVERSION=1.1.0 -DARCH=x86|x64 -DSTAGE=FOLDER -DICON=FILE.ico
;            "-DCOPYRIGHT=..." -DOUTFILE=SETUP.exe zorvakomat.nsi
;
; STAGE holds the files to install as they lie in the installation folder:
; zorvakomat.exe, index.html, EditSubMenuHelp.html, LICENSE.txt and
; examples\starter.zvk. The x64 setup is a 64-bit program itself.
;
; Setup's command line: /S installs without asking; /AllUsers installs for
; everyone (with administrator rights), /CurrentUser just for the user (the
; default); /StartAtSignIn starts Zorvakomat at every sign-in; /D=FOLDER,
; last, chooses the folder. The uninstaller takes /S; silently it keeps the
; user's settings.

!ifndef VERSION
  !error "makensis needs -DVERSION=x.y.z"
!endif
!ifndef ARCH
  !error "makensis needs -DARCH=x86 or -DARCH=x64"
!endif
!ifndef STAGE | OUTFILE | ICON | COPYRIGHT
  !error "makensis needs -DSTAGE, -DOUTFILE, -DICON and -DCOPYRIGHT"
!endif

!if ${ARCH} == x64
  Target amd64-unicode
  !define ZVK_PROGRAMFILES_BITS 64
!else
  Target x86-unicode
  !define ZVK_PROGRAMFILES_BITS ""
!endif

!define ZVK_PUBLISHER "Zorvakomat"
!define ZVK_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvakomat"
!define ZVK_RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define ZVK_SETTINGS_KEY "Software\Zorvak\Zorvakomat"
; What the program registers for .zvk files at every start.
!define ZVK_CLASSES_KEY "Software\Classes"
!define ZVK_FILE_TYPE "Zorvakomat.Document"
!define ZVK_SHCNE_ASSOCCHANGED 0x08000000

Name "Zorvakomat ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
; Setup and the uninstaller ask for no-execute data (DEP) and a movable
; image, and are terminal-server aware. The stub NSIS ships is linked
; without relocations, so Windows cannot actually move them (no ASLR):
; NSIS offers no way to add them.
PEDllCharacteristics 0x8140 0
ManifestDPIAware true
SetCompressor /SOLID lzma
BrandingText "Zorvakomat ${VERSION} (${ARCH})"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Zorvakomat"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${ZVK_PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "Zorvakomat ${VERSION} Setup (${ARCH})"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include install_mode.nsh
!include running_program.nsh
!include same_content.nsh

!insertmacro RUNNING_PROGRAM_FUNCTIONS ""
!insertmacro RUNNING_PROGRAM_FUNCTIONS "un."

Var StartAtSignIn  ; 1 when Zorvakomat is to start at every sign-in

; ---- Pages ----

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT \
  "Setup will install Zorvakomat ${VERSION}, the keyboard-macro tool that waits in the notification area of your taskbar.$\r$\n$\r$\nIf Zorvakomat is running, Setup asks it to close first: it will ask whether to save a changed macro document.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME

!define MUI_LICENSEPAGE_TEXT_TOP "Zorvakomat is free software under the MIT License:"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "You may use, copy and share Zorvakomat under these terms. $_CLICK"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"

Page custom InstallModePage InstallModePageLeave

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES

!define MUI_FINISHPAGE_TEXT \
  "Zorvakomat ${VERSION} is installed. You find it in the Start menu.$\r$\n$\r$\nRight-click its icon in the notification area to pick a macro, then click into the window that should receive it."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "&Open the starter macros"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenStarterMacros
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "&Start Zorvakomat when I sign in"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION WriteRunEntry
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FinishPageLeave
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP \
  "Zorvakomat will be removed from the folder below. Your macro files (.zvk) stay where they are. $_CLICK"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; ---- Setup ----

Function .onInit
  Call InitInstallMode
  StrCpy $StartAtSignIn 0
  ; Chosen before (an update keeps it), or on the command line.
  ReadRegStr $0 HKCU "${ZVK_RUN_KEY}" "Zorvakomat"
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/StartAtSignIn" $2
  ${If} $0 != ""
  ${OrIfNot} ${Errors}
    StrCpy $StartAtSignIn 1
  ${EndIf}
FunctionEnd

Section "Zorvakomat" SecProgram
  SectionIn RO
  ; A running program's files cannot be replaced.
  Call CloseRunningZorvakomat

  SetOutPath "$INSTDIR"
  File "${STAGE}\zorvakomat.exe"
  File "${STAGE}\index.html"
  File "${STAGE}\EditSubMenuHelp.html"
  File "${STAGE}\LICENSE.txt"
  SetOutPath "$INSTDIR\examples"
  ; The starter macros are the user's to change and save: a copy that is
  ; there already is kept.
  SetOverwrite off
  File "${STAGE}\examples\starter.zvk"
  SetOverwrite on
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Zorvakomat.lnk" "$INSTDIR\zorvakomat.exe" "" \
    "$INSTDIR\zorvakomat.exe" 0 SW_SHOWNORMAL "" "Type your macros into any window"

  WriteRegStr SHCTX "${ZVK_UNINSTALL_KEY}" "DisplayName" "Zorvakomat"
  WriteRegStr SHCTX "${ZVK_UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${ZVK_UNINSTALL_KEY}" "Publisher" "${ZVK_PUBLISHER}"
  WriteRegStr SHCTX "${ZVK_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zorvakomat.exe,0"
  WriteRegStr SHCTX "${ZVK_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${ZVK_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${ZVK_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${ZVK_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${ZVK_UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD SHCTX "${ZVK_UNINSTALL_KEY}" "EstimatedSize" $0

  ${If} $StartAtSignIn == 1
    Call WriteRunEntry
  ${EndIf}
SectionEnd

Function WriteRunEntry
  WriteRegStr HKCU "${ZVK_RUN_KEY}" "Zorvakomat" '"$INSTDIR\zorvakomat.exe"'
FunctionEnd

; Started by Setup, the program would run with Setup's rights: after an
; install with administrator rights, a keystroke typer able to type into
; administrator windows. So only a Setup without those rights offers it.
Function OpenStarterMacros
  ${If} $IsAdmin != 1
    Exec '"$INSTDIR\zorvakomat.exe" "$INSTDIR\examples\starter.zvk"'
  ${EndIf}
FunctionEnd

; The sign-in entry is always offered: Windows starts it at sign-in with the
; signed-in user's own rights, never with Setup's.
Function FinishPageShow
  ${If} $StartAtSignIn == 1
    ${NSD_Check} $mui.FinishPage.ShowReadme
  ${EndIf}
  ${If} $IsAdmin == 1
    ${NSD_Uncheck} $mui.FinishPage.Run
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

; The box decides: cleared, it also removes an entry made before.
Function FinishPageLeave
  ${NSD_GetState} $mui.FinishPage.ShowReadme $0
  ${If} $0 != ${BST_CHECKED}
    DeleteRegValue HKCU "${ZVK_RUN_KEY}" "Zorvakomat"
  ${EndIf}
FunctionEnd

; ---- Uninstaller ----

Function un.onInit
  Call un.InitInstallMode
FunctionEnd

Section "Uninstall"
  Call un.CloseRunningZorvakomat

  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Also remove your Zorvakomat settings (the list of recent files)?$\r$\n$\r$\nYour macro files (.zvk) are kept either way." \
    /SD IDNO IDNO keep_settings
    DetailPrint "Removing your settings"
    DeleteRegKey HKCU "${ZVK_SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Zorvak"
  keep_settings:

  DeleteRegKey HKCU "${ZVK_CLASSES_KEY}\${ZVK_FILE_TYPE}"
  ReadRegStr $0 HKCU "${ZVK_CLASSES_KEY}\.zvk" ""
  ${If} $0 == "${ZVK_FILE_TYPE}"
    DeleteRegValue HKCU "${ZVK_CLASSES_KEY}\.zvk" ""
    DeleteRegKey /ifempty HKCU "${ZVK_CLASSES_KEY}\.zvk"
  ${EndIf}
  System::Call "shell32::SHChangeNotify(i ${ZVK_SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)"
  DeleteRegValue HKCU "${ZVK_RUN_KEY}" "Zorvakomat"
  DeleteRegKey SHCTX "${ZVK_UNINSTALL_KEY}"

  Delete "$SMPROGRAMS\Zorvakomat.lnk"
  Delete "$INSTDIR\zorvakomat.exe"
  Delete "$INSTDIR\index.html"
  Delete "$INSTDIR\EditSubMenuHelp.html"
  Delete "$INSTDIR\LICENSE.txt"
  ; The starter macros only as they were shipped: changed, they are the user's.
  InitPluginsDir
  SetDetailsPrint none
  File "/oname=$PLUGINSDIR\starter.zvk" "${STAGE}\examples\starter.zvk"
  SetDetailsPrint both
  Push "$INSTDIR\examples\starter.zvk"
  Push "$PLUGINSDIR\starter.zvk"
  Call un.SameContent
  Pop $0
  ${If} $0 == 1
    Delete "$INSTDIR\examples\starter.zvk"
  ${Else}
    DetailPrint "Kept $INSTDIR\examples\starter.zvk: it was changed since Setup put it there."
  ${EndIf}
  ; Last but for the folders, so that its absence says the uninstall is
  ; done. Folders that still hold the user's files stay.
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\examples"
  RMDir "$INSTDIR"
SectionEnd
