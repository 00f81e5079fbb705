; The Windows setup: puts corvanta.scr where Windows lists screen savers, selects it as the
; user's saver and leaves an uninstaller in the installed-programs list. /S runs the setup and
; the uninstaller without a window, for deployment tools. The build passes:
;   VERSION  the program's version, three numbers
;   SCR      the built corvanta.scr
;   ICON     the program's icon file
;   OUTFILE  where the setup goes
!ifndef VERSION | SCR | ICON | OUTFILE
  !error "makensis needs -DVERSION=, -DSCR=, -DICON= and -DOUTFILE= (the Windows build's setup target passes them)"
!endif

Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!define PRODUCT "Corvanta Screen Saver"
!define PUBLISHER "Corvanta Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define DESKTOP_KEY "Control Panel\Desktop"

!include LogicLib.nsh
!include x64.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; A second run finds the first one's folder and replaces what is there: one program, one entry.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; A file that cannot be written stops the setup with an error rather than being skipped.
AllowSkipFiles off
ShowInstDetails show
ShowUninstDetails show

LoadLanguageFile "${NSISDIR}\Contrib\Language files\English.nlf"
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) 2025-2026 ${PUBLISHER}"

; The saver itself always goes into the system folder; only the uninstaller has a folder to choose.
DirText "Setup installs ${PRODUCT} into the Windows system folder, where Windows lists screen savers, and makes it your screen saver. Its uninstaller goes into the folder below."
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!macro Prepare
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP "${PRODUCT}: administrator rights are needed to install into the system folder." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
  ; Screen savers live in the 64-bit system folder. A 64-bit setup sees it anyway; turning
  ; redirection off keeps that true should this script ever be built for 32 bits.
  ${DisableX64FSRedirection}
  SetRegView 64
!macroend

Function .onInit
  !insertmacro Prepare
FunctionEnd

Function un.onInit
  !insertmacro Prepare
FunctionEnd

; $R0: a file; leaves its size in kilobytes, rounded up, in $R1 (0 if it cannot be read).
Function FileKilobytes
  StrCpy $R1 0
  ClearErrors
  FileOpen $R2 "$R0" r
  ${IfNot} ${Errors}
    FileSeek $R2 0 END $R1
    FileClose $R2
    IntOp $R1 $R1 + 1023
    IntOp $R1 $R1 / 1024
  ${EndIf}
FunctionEnd

Section "${PRODUCT}"
  SectionIn RO
  SetOutPath "$SYSDIR"
  File "/oname=corvanta.scr" "${SCR}"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SYSDIR\corvanta.scr"

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  StrCpy $R0 "$SYSDIR\corvanta.scr"
  Call FileKilobytes
  StrCpy $R3 $R1
  StrCpy $R0 "$INSTDIR\uninstall.exe"
  Call FileKilobytes
  IntOp $R3 $R3 + $R1

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\uninstall.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $R3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; After an interactive install the user lands in the screen-saver settings, as after a
; right-click "Install" on the file; a silent install is for deployment and opens nothing.
Function .onInstSuccess
  ${IfNot} ${Silent}
    Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; /REBOOTOK: a show that runs right now keeps its file open; Windows removes it at restart.
  Delete /REBOOTOK "$SYSDIR\corvanta.scr"

  ; Another saver the user picked since stays selected. The settings dialog may have written
  ; the path back in other letters or as a bare file name; StrCmp ignores case.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  StrCpy $1 $0 "" -13
  ${If} $0 == "corvanta.scr"
  ${OrIf} $1 == "\corvanta.scr"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}

  ; The user's ball speed (HKCU\Software\${PRODUCT}) is theirs and stays.
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
