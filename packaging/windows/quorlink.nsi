; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer. package-windows.sh runs makensis with
;   -DVERSION=<x.y.z> -DSTAGE=<folder with the files> -DICON=<.ico> -DOUTFILE=<setup.exe>
; It installs for the current user (no administrator rights needed) or for
; all users, adds a Start menu entry and an uninstaller that Apps & features
; lists. It associates no file type: .dat is used by too many programs.
; The all-users choice is offered only when the installer was started as
; administrator.

; The programs are 64-bit, and so is the installer: it runs where they run.
Target amd64-unicode
!define APPNAME "Quorlink"
!define PUBLISHER "Quorlink"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorlink"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${APPNAME}"
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTKEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTKEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_FUNCTION KeepCommandLineInstDir
!include FileFunc.nsh
!include LogicLib.nsh
!include MultiUser.nsh
!include MUI2.nsh

; /D= on the command line; choosing the install mode would replace it.
Var CommandLineInstDir
; Where the editor keeps its default data files and err.log: beside itself
; when it may write there, else in the user's own data folder.
Var DefaultFilesFolder

Name "${APPNAME} ${VERSION}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
RequestExecutionLevel user
; Else every page names the packager's build of the installer maker.
BrandingText "${APPNAME} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorlink.exe"
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsDesktopUser

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Your own files stay: settings in HKEY_CURRENT_USER\Software\Quorlink\Quorlink, backups and recovery copies in %LOCALAPPDATA%\Quorlink, data files where you saved them, MR7100A.def, MR5100A.def and err.log in $DefaultFilesFolder."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APPNAME}"
VIAddVersionKey "FileDescription" "${APPNAME} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

Function .onInit
  StrCpy $CommandLineInstDir $INSTDIR
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function KeepCommandLineInstDir
  ${If} $CommandLineInstDir != ""
    StrCpy $INSTDIR $CommandLineInstDir
  ${EndIf}
FunctionEnd

; An all-users install runs as administrator, and so would the editor started
; from here: its settings and default file would go where the user's own runs
; never look. The box starts unticked then, and Explorer, which runs as the
; desktop's user, starts the editor.
Function FinishShow
  ${If} $MultiUser.InstallMode == "AllUsers"
    ${NSD_Uncheck} $mui.FinishPage.Run
  ${EndIf}
FunctionEnd

Function StartAsDesktopUser
  ${If} $MultiUser.InstallMode == "AllUsers"
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\quorlink.exe"'
  ${Else}
    Exec '"$INSTDIR\quorlink.exe"'
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  StrCpy $DefaultFilesFolder "$INSTDIR"
  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $DefaultFilesFolder "%LOCALAPPDATA%\Quorlink"
  ${EndIf}
FunctionEnd

Section "Quorlink" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${STAGE}/quorlink.exe"
  File "${STAGE}/quorlink-cli.exe"
  File "${STAGE}/LICENSE.txt"
  File "${STAGE}/README.md"
  SetOutPath "$INSTDIR\docs\images"
  File "${STAGE}/docs/images/*.*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\quorlink.exe"

  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${APPNAME}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\quorlink.exe"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTKEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  ; In KB. The section's size leaves out the uninstaller.
  SectionGetSize ${SecMain} $0
  ${GetSize} "$INSTDIR" "/M=uninstall.exe /S=0K /G=0" $1 $2 $3
  IntOp $0 $0 + $1
  WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
SectionEnd

; The user's files stay: they are the user's data, not the program's. The
; confirm page and the log say which and where.
Section "Uninstall"
  Delete "$SMPROGRAMS\${APPNAME}.lnk"
  Delete "$INSTDIR\quorlink.exe"
  Delete "$INSTDIR\quorlink-cli.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.md"
  RMDir /r "$INSTDIR\docs"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTKEY}"
  DetailPrint "Not removed: settings in HKEY_CURRENT_USER\Software\Quorlink\Quorlink"
  DetailPrint "Not removed: backups and recovery copies in %LOCALAPPDATA%\Quorlink"
  DetailPrint "Not removed: data files where you saved them"
  DetailPrint "Not removed: MR7100A.def, MR5100A.def and err.log in $DefaultFilesFolder"
SectionEnd
