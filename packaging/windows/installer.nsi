; The Windows installer of the desktop program, made by scripts/package-windows:
;   makensis -DVERSION=1.0.0 -DSTAGE=<installed folder> -DICON=<.ico> -DOUTFILE=<setup.exe> installer.nsi
; A 64-bit installer (the program is 64-bit, and a 64-bit Wine runs no
; 32-bit one). Per user (no administrator needed, into the user's Programs
; folder) or for all users (Program Files), chosen on its first page or by
; /CurrentUser or /AllUsers; /S installs silently, for all users when it may.
; It adds a Start-menu entry, the .WK7 file type with the program's icon and
; an entry in Apps & features whose uninstaller takes all of it away again.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!ifndef VERSION
  !error "give VERSION, STAGE, ICON and OUTFILE with -D"
!endif
!ifndef STAGE
  !error "give STAGE with -D"
!endif
!ifndef ICON
  !error "give ICON with -D"
!endif
!ifndef OUTFILE
  !error "give OUTFILE with -D"
!endif

!define PRODUCT "Korvan WR-K7/K70 Clone Utility"
!define SHORT_NAME "WR-K7 Clone Utility"
!define PUBLISHER "Korvan WR-K7/K70 Clone Utility developers"
!define PROGRAM "wrk7-clone.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\wrk7-clone"
!define FILE_TYPE "Korvan.WK7"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${SHORT_NAME}"
; Where the uninstaller and a second install find the first one's choice.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
  !insertmacro MULTIUSER_INIT
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${SHORT_NAME}.lnk" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

  ; SHCTX is HKLM for all users, HKCU for one.
  WriteRegStr SHCTX "Software\Classes\.WK7" "" "${FILE_TYPE}"
  WriteRegStr SHCTX "Software\Classes\${FILE_TYPE}" "" "WR-K7 clone file"
  WriteRegStr SHCTX "Software\Classes\${FILE_TYPE}\DefaultIcon" "" '"$INSTDIR\${PROGRAM}",0'
  WriteRegStr SHCTX "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\${PROGRAM}" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\${PROGRAM}\shell\open\command" "" '"$INSTDIR\${PROGRAM}" "%1"'

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${PROGRAM}",0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Explorer shows the new file type's icon without a new login.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${SHORT_NAME}.lnk"
  ; The type is taken away only while it is still ours.
  ReadRegStr $0 SHCTX "Software\Classes\.WK7" ""
  StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey SHCTX "Software\Classes\.WK7"
  DeleteRegKey SHCTX "Software\Classes\${FILE_TYPE}"
  DeleteRegKey SHCTX "Software\Classes\Applications\${PROGRAM}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; What the installer put there, by name: a port file "WR-K7.ini" the
  ; program saved beside itself, and clone files a user kept there, stay.
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\imageformats"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\wrk7-clone.exe"
  Delete "$INSTDIR\wrk7.exe"
  Delete "$INSTDIR\wrk7w.exe"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
