; tavrin.nsi -- the Windows installer: Tavrin for the current user, with a Start-menu entry and an uninstaller
;
; Made by scripts/package-windows, which gives RELEASE (the version, name and publisher the build wrote),
; FILES (the lines that install and remove the program's files), OUT_FILE and ICON. No administrator is
; needed: everything goes under the user's own folders and HKEY_CURRENT_USER.
Unicode true
Target amd64-unicode
!include "${RELEASE}"
!include "${FILES}"
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrin"
!define SETTINGS_KEY "Software\Vorniquel\Tavrin"

Name "${DISPLAY_NAME}"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
; The program writes its log beside itself, so it lives in a folder the user may write to.
InstallDir "$LOCALAPPDATA\Programs\Tavrin"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "${DISPLAY_NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${DISPLAY_NAME}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${DISPLAY_NAME} ${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!insertmacro MUI_PAGE_WELCOME
; The font's licence asks to be shown; it is installed beside the font as well.
!define MUI_LICENSEPAGE_TEXT_TOP "$(FontLicenceTop)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM " "
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tavrin.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; Hungarian first: it is the installer's language wherever Windows speaks neither.
!insertmacro MUI_LANGUAGE "Hungarian"
!insertmacro MUI_LANGUAGE "English"

LangString FontLicenceTop ${LANG_HUNGARIAN} "A játék betűtípusa, a Comic Neue, a SIL Open Font License szerint használható:"
LangString FontLicenceTop ${LANG_ENGLISH} "The game's typeface, Comic Neue, is used under the SIL Open Font License:"
LangString SectionGame ${LANG_HUNGARIAN} "Tavrin (a játék)"
LangString SectionGame ${LANG_ENGLISH} "Tavrin (the game)"
LangString SectionDesktop ${LANG_HUNGARIAN} "Parancsikon az asztalon"
LangString SectionDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString SectionRemoveGame ${LANG_HUNGARIAN} "Tavrin eltávolítása"
LangString SectionRemoveGame ${LANG_ENGLISH} "Remove Tavrin"
LangString SectionRemoveResults ${LANG_HUNGARIAN} "A játékosok eredményeinek törlése is"
LangString SectionRemoveResults ${LANG_ENGLISH} "Also remove results"
LangString DescriptionGame ${LANG_HUNGARIAN} "A játék, a két kalandjáték és a Start menü bejegyzése."
LangString DescriptionGame ${LANG_ENGLISH} "The game, its two adventures and the Start menu entry."
LangString DescriptionDesktop ${LANG_HUNGARIAN} "Tavrin indítása az asztalról."
LangString DescriptionDesktop ${LANG_ENGLISH} "Start Tavrin from the desktop."
LangString DescriptionRemoveResults ${LANG_HUNGARIAN} "A beállítások és az A, B, C játékos eredményei is törlődnek."
LangString DescriptionRemoveResults ${LANG_ENGLISH} "The settings and the results of players A, B and C are erased too."

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "!$(SectionGame)" SecGame
  SectionIn RO
  !insertmacro INSTALL_FILES
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut starts the program in its own folder, where it finds g\, g1\ and snd\.
  CreateShortcut "$SMPROGRAMS\Tavrin.lnk" "$INSTDIR\tavrin.exe" "" "$INSTDIR\tavrin.exe" 0
  ; The parents' overview writes its page and hands it to the browser at once: its console window stays
  ; minimised for that moment.
  CreateShortcut "$SMPROGRAMS\Tavrin – szülői áttekintés.lnk" "$INSTDIR\tavrin-report.exe" "" "$INSTDIR\tavrin.exe" 0 \
    SW_SHOWMINIMIZED

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavrin.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "$(SectionDesktop)" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\Tavrin.lnk" "$INSTDIR\tavrin.exe" "" "$INSTDIR\tavrin.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecGame} "$(DescriptionGame)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "$(DescriptionDesktop)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Only what the installer put there, and what the program writes beside itself, is removed: a folder
; that holds anything else is left standing.
Section "!un.$(SectionRemoveGame)" UnSecGame
  SectionIn RO
  Delete "$SMPROGRAMS\Tavrin.lnk"
  Delete "$SMPROGRAMS\Tavrin – szülői áttekintés.lnk"
  Delete "$DESKTOP\Tavrin.lnk"
  !insertmacro UNINSTALL_FILES
  Delete "$INSTDIR\sdl.log"
  Delete "$INSTDIR\stdout.txt"
  Delete "$INSTDIR\stderr.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; The players' progress stays unless asked for: a reinstall finds it again.
Section /o "un.$(SectionRemoveResults)" UnSecResults
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  ; The parents' overview pages hold the results too.
  Delete "$LOCALAPPDATA\Tavrin\attekintes*.html"
  RMDir "$LOCALAPPDATA\Tavrin"
  DeleteRegKey /ifempty HKCU "Software\Vorniquel"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecResults} "$(DescriptionRemoveResults)"
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
