; The setup program of the Windows game: installs the game folder for the
; current user, with a Start-menu shortcut and an entry in Apps & Features,
; and writes an uninstaller that takes away what was installed and leaves
; the player's records (log\) and the layouts saved with 布阵 (map\).
;
; Made by scripts/windows/package.sh, which defines
;   VERSION         the game's version, e.g. 1.0.2
;   GAME_DIR        the game folder the zip is packed from
;   ICON            the game's icon (.ico)
;   SIZE_KB         the size of the game folder in KiB
;   UNINSTALL_LIST  a file of Delete and RMDir lines, one for every file and
;                   folder of GAME_DIR, deepest first
;   OUT_FILE        the setup program to write
; Silent use: setup.exe /S [/D=FOLDER] and uninstall.exe /S. Both end with
; exit code 2 when the game is running; the setup program with 3 when it
; could not write everything.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh

!define PRODUCT "Quellan 华容道"
!define PUBLISHER "Quellan"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellan"
!define SHORTCUT "${PRODUCT}.lnk"
; The lock a running copy of the game holds open, without sharing it for
; writing, in the user's temporary folder (see single_instance.cpp).
!define GAME_LOCK "$TEMP\quellan.lock"
!define EXIT_GAME_RUNNING 2
!define EXIT_NOT_INSTALLED 3

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} 安装"
UninstallCaption "${PRODUCT} 卸载"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Quellan"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Quellan ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\quellan.exe"
!define MUI_FINISHPAGE_RUN_TEXT "启动 ${PRODUCT}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Quellan"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "${PUBLISHER}"

; Files that are replaced while the game runs would leave a copy half old and
; half new, so both programs wait for the player to close it first. A lock
; that nobody holds any more opens for writing and counts as no game. The
; player may try again or stop; a silent run stops at once.
!macro WAIT_FOR_GAME_TO_END prefix what
Function ${prefix}WaitForGameToEnd
  ${Do}
    ${IfNot} ${FileExists} "${GAME_LOCK}"
      Return
    ${EndIf}
    ClearErrors
    FileOpen $0 "${GAME_LOCK}" a
    ${IfNot} ${Errors}
      FileClose $0
      Return
    ${EndIf}
    DetailPrint "${PRODUCT} 正在运行。"
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} 正在运行。$\r$\n$\r$\n请先关闭游戏，再点“重试”；点“取消”退出${what}。" /SD IDCANCEL IDCANCEL`
      SetErrorLevel ${EXIT_GAME_RUNNING}
      Quit
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_GAME_TO_END "" "安装"
!insertmacro WAIT_FOR_GAME_TO_END "un." "卸载"

Function .onInit
  SetShellVarContext current
  Call WaitForGameToEnd
FunctionEnd

Function un.onInit
  SetShellVarContext current
  Call un.WaitForGameToEnd
FunctionEnd

Section "${PRODUCT}" SecGame
  SectionIn RO
  ; The game may have been started while the pages were shown.
  Call WaitForGameToEnd
  ; An older version goes first, by its own uninstaller, so that none of its
  ; shipped files stay behind; the records and saved layouts stay as they
  ; stay on every uninstall.
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    DetailPrint "卸载旧版本……"
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    Delete "$INSTDIR\uninstall.exe"
  ${EndIf}

  ; A file that cannot be written (say, a folder without the right to write)
  ; sets the error flag and, in a silent run, is passed over; a setup that
  ; left the game half installed must not end as if it had succeeded.
  ClearErrors
  SetOutPath "$INSTDIR"
  File /r "${GAME_DIR}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\quellan.exe" "" "$INSTDIR\quellan.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quellan.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} 未能完整安装到$\r$\n$INSTDIR$\r$\n请选择一个可以写入的文件夹再试。" /SD IDOK
    SetErrorLevel ${EXIT_NOT_INSTALLED}
    Abort
  ${EndIf}
SectionEnd

Section "桌面快捷方式" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\quellan.exe" "" "$INSTDIR\quellan.exe" 0
SectionEnd

Section "Uninstall"
  Call un.WaitForGameToEnd
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Only the files the setup put there: log\ and the layouts the player
  ; saved are not on the list, and a folder that still holds them stays.
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd

; Says which of the player's files stay, and where.
Function un.onUninstSuccess
  StrCpy $0 ""
  ${If} ${FileExists} "$INSTDIR\log\*.*"
    StrCpy $0 "您的记录（log 文件夹）"
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\map\*.*"
    ${If} $0 != ""
      StrCpy $0 "$0和"
    ${EndIf}
    StrCpy $0 "$0自己布的阵（map 文件夹）"
  ${EndIf}
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONINFORMATION \
      "${PRODUCT} 已卸载。$\r$\n$\r$\n$0仍留在$\r$\n$INSTDIR$\r$\n不再需要时，可以删除这个文件夹。" \
      /SD IDOK
  ${EndIf}
FunctionEnd
