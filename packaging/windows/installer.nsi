; The editor's Windows installer: the program, its read-me and an uninstaller in
; Program Files, a Start-menu shortcut for all users and the entry in Apps and Features.
; The uninstaller removes all of it.
;
; makensis -DVBE_VERSION=1.0.0 -DVBE_VERSION_QUAD=1.0.0.0 -DVBE_EXE=path\to\vellmar-bind-editor.exe
;          -DVBE_README=path\to\README.txt -DVBE_OUTFILE=setup.exe installer.nsi

Unicode true
Target amd64-unicode
RequestExecutionLevel admin
ManifestDPIAware true
SetCompressor /SOLID lzma

!ifndef VBE_VERSION | VBE_VERSION_QUAD | VBE_EXE | VBE_README | VBE_OUTFILE
  !error "VBE_VERSION, VBE_VERSION_QUAD, VBE_EXE, VBE_README and VBE_OUTFILE must be defined"
!endif

!define VBE_NAME "Vellmar Bind Editor"
!define VBE_PUBLISHER "Vellmar Bind Editor developers"
!define VBE_PROGRAM "vellmar-bind-editor.exe"
!define VBE_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VellmarBindEditor"
!define VBE_SHORTCUT "$SMPROGRAMS\${VBE_NAME}.lnk"

!include "MUI2.nsh"
!include "FileFunc.nsh"

Name "${VBE_NAME}"
OutFile "${VBE_OUTFILE}"
InstallDir "$PROGRAMFILES64\${VBE_NAME}"
BrandingText "${VBE_NAME} ${VBE_VERSION}"

VIProductVersion "${VBE_VERSION_QUAD}"
VIFileVersion "${VBE_VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${VBE_NAME}"
VIAddVersionKey /LANG=1033 "FileDescription" "${VBE_NAME} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${VBE_PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${VBE_PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VBE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VBE_VERSION}"

!define MUI_FINISHPAGE_RUN "$INSTDIR\${VBE_PROGRAM}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "/oname=${VBE_PROGRAM}" "${VBE_EXE}"
  File "/oname=README.txt" "${VBE_README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "${VBE_SHORTCUT}" "$INSTDIR\${VBE_PROGRAM}" "" "$INSTDIR\${VBE_PROGRAM}" 0

  WriteRegStr HKLM "${VBE_UNINSTALL_KEY}" "DisplayName" "${VBE_NAME}"
  WriteRegStr HKLM "${VBE_UNINSTALL_KEY}" "DisplayVersion" "${VBE_VERSION}"
  WriteRegStr HKLM "${VBE_UNINSTALL_KEY}" "Publisher" "${VBE_PUBLISHER}"
  WriteRegStr HKLM "${VBE_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${VBE_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${VBE_UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${VBE_PROGRAM}",0'
  WriteRegStr HKLM "${VBE_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${VBE_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${VBE_UNINSTALL_KEY}" "NoRepair" 1
  ; The installed files' size in KiB, as Apps and Features shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${VBE_UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "${VBE_SHORTCUT}"
  Delete "$INSTDIR\${VBE_PROGRAM}"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: whatever the user put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${VBE_UNINSTALL_KEY}"
SectionEnd
