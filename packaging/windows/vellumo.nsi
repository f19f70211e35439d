; The per-user installer: the application folder under the user's own
; programs folder (%LOCALAPPDATA%\Programs\Vellumo), so no administrator is
; asked and MY_PICTURE beside the program stays writable; a Start-menu entry;
; an uninstaller that removes what was installed and nothing else.
; Made by scripts/build-windows.sh:
;   makensis -DAPP_DIR=<application folder> -DOUT_FILE=<installer> -DVERSION=<x.y> vellumo.nsi

; A 64-bit installer for the 64-bit program: it runs wherever the program can.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define NAME "Vellumo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

Name "${NAME}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${APP_DIR}\vellumo.exe"
  File "${APP_DIR}\*.dll"
  SetOutPath "$INSTDIR\PICTURE"
  File "${APP_DIR}\PICTURE\*"
  SetOutPath "$INSTDIR\SOUND"
  File "${APP_DIR}\SOUND\*"
  SetOutPath "$INSTDIR\MUSIC"
  File "${APP_DIR}\MUSIC\*"
  CreateDirectory "$INSTDIR\MY_PICTURE"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\vellumo.exe"

  ; Listed among the user's installed programs, for removing it from there.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Orvenko Studio"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vellumo.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; What the installer put there, by name: a folder the user chose that held
; other files keeps them. A picture a child printed stays, in MY_PICTURE,
; and so does the folder holding it; an empty one goes.
Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$INSTDIR\vellumo.exe"
  Delete "$INSTDIR\SDL2.dll"
  Delete "$INSTDIR\SDL2_image.dll"
  Delete "$INSTDIR\SDL2_mixer.dll"
  RMDir /r "$INSTDIR\PICTURE"
  RMDir /r "$INSTDIR\SOUND"
  RMDir /r "$INSTDIR\MUSIC"
  RMDir "$INSTDIR\MY_PICTURE"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
