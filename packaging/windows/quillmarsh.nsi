; The Windows installer: the staged folder into Program Files for all users
; or into the user's own programs folder, a Start-menu entry that starts in
; the user's Documents (where Quillmarsh.ini is kept), "Open with" for the
; track formats without becoming any format's default program, and an
; uninstaller in "Apps and features" that removes exactly what was installed.
;
; Built by the windows-installer target of CMakeLists.txt beside this file,
; which defines VERSION, VERSION_QUAD, PUBLISHER, COPYRIGHT, OUTFILE, ICON,
; LICENSE_FILE and the lists of staged files INSTALL_FILES and UNINSTALL_FILES.
;
; Command line: /S silent; /AllUsers or /CurrentUser (without either, all users
; when run by an administrator, else the current user; a previous install's
; choice is kept); /D=FOLDER the folder. The uninstaller takes /S and the same
; two switches, and without them finds which install it belongs to.

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define NAME "Quillmarsh"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmarsh"
!define APPLICATION_KEY "Software\Classes\Applications\quillmarsh.exe"
!define PROGID "Quillmarsh.Track"
!define SHORTCUT "$SMPROGRAMS\Quillmarsh.lnk"
; SHCNE_ASSOCCHANGED, SHCNF_IDLIST: Explorer reads the file types again.
!define NOTIFY_ASSOCIATIONS "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

; The track formats, as in the README.
!macro FOR_EACH_EXTENSION MACRO
  !insertmacro ${MACRO} ".plt"
  !insertmacro ${MACRO} ".gpx"
  !insertmacro ${MACRO} ".fit"
  !insertmacro ${MACRO} ".tcx"
  !insertmacro ${MACRO} ".igc"
  !insertmacro ${MACRO} ".nmea"
  !insertmacro ${MACRO} ".kml"
  !insertmacro ${MACRO} ".kmz"
!macroend

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${COPYRIGHT}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the default; Windows' display language chooses.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

LangString SHORTCUT_COMMENT ${LANG_ENGLISH} "Colour GPS tracks by speed, show them on a map, compute trip statistics"
LangString SHORTCUT_COMMENT ${LANG_RUSSIAN} "Раскраска GPS-треков по скорости, карта и статистика поездок"
LangString TRACK_TYPE ${LANG_ENGLISH} "GPS track"
LangString TRACK_TYPE ${LANG_RUSSIAN} "GPS-трек"
LangString ADMIN_NEEDED ${LANG_ENGLISH} "${NAME} was installed for all users; removing it needs an administrator."
LangString ADMIN_NEEDED ${LANG_RUSSIAN} "${NAME} установлен для всех пользователей; удалить его может только администратор."

Var Folder  ; the folder given (/D=) or the uninstaller's, which MultiUser's initialisation would replace

Function .onInit
  SetRegView 64
  StrCpy $Folder $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $Folder != ""
    StrCpy $INSTDIR $Folder
  ${EndIf}
FunctionEnd

; The uninstaller removes the install in whose folder it lies (MultiUser's
; initialisation would take the folder the registry names for the mode it
; chooses). For all users or for the current user as a switch says, else as
; the registry's entries say of this folder, else as MultiUser chooses.
Function un.onInit
  SetRegView 64
  StrCpy $Folder $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${If} ${Errors}
    ClearErrors
    ${GetOptions} $0 "/CurrentUser" $1
    ${If} ${Errors}
      ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
      ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "InstallLocation"
      ${If} $1 == $Folder
        Call un.MultiUser.InstallMode.CurrentUser
      ${ElseIf} $2 == $Folder
        ${If} $MultiUser.Privileges != "Admin"
        ${AndIf} $MultiUser.Privileges != "Power"
          MessageBox MB_OK|MB_ICONSTOP "$(ADMIN_NEEDED)" /SD IDOK
          SetErrorLevel 740  ; ERROR_ELEVATION_REQUIRED
          Quit
        ${EndIf}
        Call un.MultiUser.InstallMode.AllUsers
      ${EndIf}
    ${EndIf}
  ${EndIf}
  StrCpy $INSTDIR $Folder
FunctionEnd

!macro REGISTER_EXTENSION EXTENSION
  WriteRegStr SHCTX "${APPLICATION_KEY}\SupportedTypes" "${EXTENSION}" ""
  WriteRegNone SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\${EXTENSION}\OpenWithList\quillmarsh.exe" "" ""
!macroend

; Only what was added; the keys of the extension only when nothing else is
; left in them, so another program's association stays as it was.
!macro UNREGISTER_EXTENSION EXTENSION
  DeleteRegValue SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids"
  DeleteRegKey SHCTX "Software\Classes\${EXTENSION}\OpenWithList\quillmarsh.exe"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}\OpenWithList"
  DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}"
!macroend

Section "-Quillmarsh"
  ; Over an earlier install: its own uninstaller first, so no file of an older
  ; version stays behind unlisted. With _?= it runs in place and returns when done.
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ExecWait '"$INSTDIR\uninstall.exe" /S /$MultiUser.InstallMode _?=$INSTDIR'
    Delete "$INSTDIR\uninstall.exe"
  ${EndIf}

  !include "${INSTALL_FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The settings file is read from the folder the program starts in: the
  ; user's Documents, never the program's folder. A link shared by all users
  ; names it through the environment, which Windows expands at each start.
  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $OUTDIR "%USERPROFILE%\Documents"
  ${Else}
    StrCpy $OUTDIR "$DOCUMENTS"
  ${EndIf}
  CreateShortcut "${SHORTCUT}" "$INSTDIR\quillmarsh.exe" "" "$INSTDIR\quillmarsh.exe" 0 SW_SHOWNORMAL "" "$(SHORTCUT_COMMENT)"
  SetOutPath "$INSTDIR"

  ; "Open with": the program, the formats it reads and a type for them that
  ; no extension has as its default.
  WriteRegStr SHCTX "${APPLICATION_KEY}" "FriendlyAppName" "${NAME}"
  WriteRegStr SHCTX "${APPLICATION_KEY}\DefaultIcon" "" "$INSTDIR\quillmarsh.exe,0"
  WriteRegStr SHCTX "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\quillmarsh.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "$(TRACK_TYPE)"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\quillmarsh.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\quillmarsh.exe" "%1"'
  !insertmacro FOR_EACH_EXTENSION REGISTER_EXTENSION
  System::Call "${NOTIFY_ASSOCIATIONS}"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillmarsh.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Quillmarsh.ini and the results are never in the lists, and a folder goes only
; when it is empty.
Section "Uninstall"
  !include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  ; The link and the registry only when they are this folder's: a copy of the
  ; folder elsewhere leaves the registered install whole.
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Delete "${SHORTCUT}"

    DeleteRegKey SHCTX "${APPLICATION_KEY}"
    DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    !insertmacro FOR_EACH_EXTENSION UNREGISTER_EXTENSION
    System::Call "${NOTIFY_ASSOCIATIONS}"

    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
