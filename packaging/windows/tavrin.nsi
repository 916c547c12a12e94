; tavrin.nsi -- the Windows installer: Tavrin for the current user, with a Start-menu entry and an uninstaller
;
; Made by scripts/package-windows, which gives RELEASE (the version, name, publisher and address the build
; wrote), FILES (the macros that name the program's files), OUT_FILE, ICON, WELCOME (the welcome page's
; picture) and NOTICE_HU and NOTICE_EN (the notice page's texts). No administrator is needed: everything
; goes under the user's own folders and HKEY_CURRENT_USER.
Unicode true
Target amd64-unicode
!include "${RELEASE}"
!include "${FILES}"
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "nsDialogs.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrin"
!define SETTINGS_KEY "Software\Vorniquel\Tavrin"

Name "${DISPLAY_NAME}"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
; The program writes its log beside itself, so it lives in a folder the user may write to. An earlier
; install's folder is offered first.
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

Var OldFolder       ; where an earlier install lives, from its Apps entry; empty when there is none
Var RemoveResults   ; the uninstaller's tick for the players' results
Var RemoveResultsBox
Var Remaining       ; the files an uninstall could not remove, one a line

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_WINDOWTITLE "${DISPLAY_NAME}"
!define MUI_LANGDLL_INFO "Válasszon nyelvet! / Please select a language."
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!define MUI_WELCOMEPAGE_TITLE "$(WelcomeTitle)"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
; Who made the game and under which licences, in the installer's language; nothing to agree to.
!define MUI_PAGE_HEADER_TEXT "$(NoticeTitle)"
!define MUI_PAGE_HEADER_SUBTEXT "$(NoticeSubtitle)"
!define MUI_LICENSEPAGE_TEXT_TOP "$(NoticeTop)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM " "
!insertmacro MUI_PAGE_LICENSE "$(Notice)"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tavrin.exe"
!insertmacro MUI_PAGE_FINISH

; One page says what goes and asks about the results, with room for the whole question.
UninstPage custom un.RemovalPage un.RemovalPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

; Hungarian first: it is the installer's language wherever Windows speaks neither.
!insertmacro MUI_LANGUAGE "Hungarian"
!insertmacro MUI_LANGUAGE "English"

LicenseLangString Notice ${LANG_HUNGARIAN} "${NOTICE_HU}"
LicenseLangString Notice ${LANG_ENGLISH} "${NOTICE_EN}"

LangString WelcomeTitle ${LANG_HUNGARIAN} "A Tavrin telepítése"
LangString WelcomeTitle ${LANG_ENGLISH} "Installing Tavrin"
LangString WelcomeText ${LANG_HUNGARIAN} "A Tavrin játékcsomag gyerekeknek: két kalandjáték, az „erdei kalandok” és a „városi kalandok”, egérrel játszható feladatokkal.$\r$\n$\r$\nA telepítés néhány másodperc, és nem kell hozzá rendszergazda. A játékosok eredményei egy korábbi telepítésből megmaradnak.$\r$\n$\r$\n$_CLICK"
LangString WelcomeText ${LANG_ENGLISH} "Tavrin is a game package for children: two adventure games, “erdei kalandok” (forest adventures) and “városi kalandok” (town adventures), with tasks played with the mouse.$\r$\n$\r$\nInstalling takes a few seconds and needs no administrator. The players' results from an earlier installation are kept.$\r$\n$\r$\n$_CLICK"
LangString NoticeTitle ${LANG_HUNGARIAN} "Tudnivalók"
LangString NoticeTitle ${LANG_ENGLISH} "About Tavrin"
LangString NoticeSubtitle ${LANG_HUNGARIAN} "Ki készítette a játékot, és milyen licencek szerint."
LangString NoticeSubtitle ${LANG_ENGLISH} "Who made the game, and under which licences."
LangString NoticeTop ${LANG_HUNGARIAN} "A továbblépéshez kattintson a Tovább gombra."
LangString NoticeTop ${LANG_ENGLISH} "Click Next to continue."
LangString SectionGame ${LANG_HUNGARIAN} "Tavrin (a játék)"
LangString SectionGame ${LANG_ENGLISH} "Tavrin (the game)"
LangString SectionDesktop ${LANG_HUNGARIAN} "Parancsikon az asztalon"
LangString SectionDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString DescriptionGame ${LANG_HUNGARIAN} "A játék, a két kalandjáték és a Start menü bejegyzése."
LangString DescriptionGame ${LANG_ENGLISH} "The game, its two adventures and the Start menu entry."
LangString DescriptionDesktop ${LANG_HUNGARIAN} "Tavrin indítása az asztalról."
LangString DescriptionDesktop ${LANG_ENGLISH} "Start Tavrin from the desktop."
LangString GameRunning ${LANG_HUNGARIAN} "A Tavrin most is fut.$\r$\n$\r$\nKérjük, lépjen ki a játékból (a menü „kilépés” gombjával), aztán próbálja újra."
LangString GameRunning ${LANG_ENGLISH} "Tavrin is running.$\r$\n$\r$\nPlease quit the game (with “kilépés” on its menu), then try again."
LangString OldCopyRemoved ${LANG_HUNGARIAN} "Az előző telepítés eltávolítva innen: $OldFolder"
LangString OldCopyRemoved ${LANG_ENGLISH} "The earlier installation was removed from $OldFolder"
LangString OldCopyRemains ${LANG_HUNGARIAN} "Az előző telepítés egy része megmaradt itt: $OldFolder"
LangString OldCopyRemains ${LANG_ENGLISH} "Part of the earlier installation is still in $OldFolder"
LangString RemovalTitle ${LANG_HUNGARIAN} "A Tavrin eltávolítása"
LangString RemovalTitle ${LANG_ENGLISH} "Uninstalling Tavrin"
LangString RemovalSubtitle ${LANG_HUNGARIAN} "A játék törlése a számítógépről."
LangString RemovalSubtitle ${LANG_ENGLISH} "Removing the game from this computer."
LangString RemovalFolder ${LANG_HUNGARIAN} "A Tavrin minden fájlja törlődik ebből a mappából:"
LangString RemovalFolder ${LANG_ENGLISH} "Every file of Tavrin is removed from this folder:"
LangString RemoveResults ${LANG_HUNGARIAN} "A játékosok eredményeinek törlése is"
LangString RemoveResults ${LANG_ENGLISH} "Also remove the players' results"
LangString RemoveResultsDescription ${LANG_HUNGARIAN} "A beállítások és az A, B, C játékos eredményei is törlődnek. Ha nincs bejelölve, egy későbbi telepítés megtalálja őket."
LangString RemoveResultsDescription ${LANG_ENGLISH} "The settings and the results of players A, B and C are erased too. Unticked, a later installation finds them again."
LangString FilesRemain ${LANG_HUNGARIAN} "A Tavrin nincs teljesen eltávolítva: ezek a fájlok nem törölhetők, mert egy program használja őket:"
LangString FilesRemain ${LANG_ENGLISH} "Tavrin is not completely removed: these files cannot be deleted, as a program is using them:"
LangString FilesRemainAdvice ${LANG_HUNGARIAN} "Zárja be a Tavrint és minden programot, amely használhatja őket, aztán indítsa el újra az eltávolítást."
LangString FilesRemainAdvice ${LANG_ENGLISH} "Close Tavrin and every program that may be using them, then run the uninstaller again."

; ----------------------------------------------------------------------------------------------------
; Both the installer and the uninstaller
; ----------------------------------------------------------------------------------------------------
; Sets $R1 to 1 when the file NAME of folder $R0 is in use: a running program or a loaded library cannot
; be opened for writing.
!macro NoteInUse NAME
  ${If} ${FileExists} "$R0\${NAME}"
    ClearErrors
    FileOpen $R2 "$R0\${NAME}" a
    ${If} ${Errors}
      StrCpy $R1 1
    ${Else}
      FileClose $R2
    ${EndIf}
  ${EndIf}
!macroend

; WaitForGame FOLDER: asks to quit Tavrin for as long as it runs (its window is open, or a program or
; library of FOLDER is in use), with retry and cancel; the error flag is set when the person cancels, and
; always in a silent run, which cannot ask.
!macro WAIT_FOR_GAME UN
  Function ${UN}WaitForGame
    Exch $R0
    Push $R1
    Push $R2
    ${Do}
      StrCpy $R1 0
      FindWindow $R2 "SDL_app" "Tavrin"
      ${IfThen} $R2 <> 0 ${|} StrCpy $R1 1 ${|}
      !insertmacro SHIPPED_BINARIES NoteInUse
      ${If} $R1 = 0
        ClearErrors
        ${ExitDo}
      ${EndIf}
      ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(GameRunning)" /SD IDCANCEL IDRETRY`
        SetErrors
        ${ExitDo}
      ${EndIf}
    ${Loop}
    Pop $R2
    Pop $R1
    Pop $R0
  FunctionEnd
!macroend
!insertmacro WAIT_FOR_GAME ""
!insertmacro WAIT_FOR_GAME "un."

; ----------------------------------------------------------------------------------------------------
; The installer
; ----------------------------------------------------------------------------------------------------
Function .onInit
  ; On a Hungarian Windows there is nothing to ask; elsewhere the person chooses, English first where
  ; Windows speaks it.
  System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
  IntOp $0 $0 & 0x3FF
  ${If} $0 = 0x0E
    StrCpy $LANGUAGE ${LANG_HUNGARIAN}
  ${Else}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
  ReadRegStr $OldFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
FunctionEnd

; The earlier install's own uninstaller removes exactly its files, run in its folder and waited for; it
; keeps the players' results. Its Apps entry and shortcuts go too, and are written anew afterwards.
!macro REMOVE_OLD_COPY
  ${If} ${FileExists} "$OldFolder\uninstall.exe"
    ExecWait '"$OldFolder\uninstall.exe" /S _?=$OldFolder'
    Delete "$OldFolder\uninstall.exe"
    RMDir "$OldFolder"
  ${EndIf}
!macroend

Section "!$(SectionGame)" SecGame
  SectionIn RO
  ; Nothing is touched while the game runs, from here or from the earlier install's folder.
  Push $INSTDIR
  Call WaitForGame
  ${If} ${Errors}
    Abort
  ${EndIf}
  ${If} $OldFolder != ""
  ${AndIf} $OldFolder != $INSTDIR
    Push $OldFolder
    Call WaitForGame
    ${If} ${Errors}
      Abort
    ${EndIf}
  ${EndIf}

  ; An earlier install in the same folder goes first, so that none of its files that this version no
  ; longer has is left behind.
  ${If} $OldFolder == $INSTDIR
    !insertmacro REMOVE_OLD_COPY
  ${EndIf}
  !insertmacro INSTALL_FILES
  SetOutPath "$INSTDIR"
  ; One in another folder goes once this one is in place.
  ${If} $OldFolder != ""
  ${AndIf} $OldFolder != $INSTDIR
    !insertmacro REMOVE_OLD_COPY
    ${If} ${FileExists} "$OldFolder\*.*"
      DetailPrint "$(OldCopyRemains)"
    ${Else}
      DetailPrint "$(OldCopyRemoved)"
    ${EndIf}
  ${EndIf}

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
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${HOMEPAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavrin.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallerLanguage" "$LANGUAGE"
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

; ----------------------------------------------------------------------------------------------------
; The uninstaller
; ----------------------------------------------------------------------------------------------------
Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Function un.RemovalPage
  !insertmacro MUI_HEADER_TEXT "$(RemovalTitle)" "$(RemovalSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 10u "$(RemovalFolder)"
  Pop $0
  ${NSD_CreateText} 0 12u 100% 12u "$INSTDIR"
  Pop $0
  SendMessage $0 ${EM_SETREADONLY} 1 0
  ${NSD_CreateCheckbox} 0 40u 100% 12u "$(RemoveResults)"
  Pop $RemoveResultsBox
  ${NSD_CreateLabel} 12u 54u -12u 24u "$(RemoveResultsDescription)"
  Pop $0
  ; The button says what it does.
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
  nsDialogs::Show
FunctionEnd

Function un.RemovalPageLeave
  ${NSD_GetState} $RemoveResultsBox $RemoveResults
FunctionEnd

!macro RemoveShipped NAME
  Delete "$INSTDIR\${NAME}"
!macroend
!macro RemoveFolder NAME
  RMDir "$INSTDIR\${NAME}"
!macroend
!macro NoteRemaining NAME
  ${If} ${FileExists} "$INSTDIR\${NAME}"
    ${IfThen} $Remaining == "" ${|} DetailPrint "$(FilesRemain)" ${|}
    DetailPrint "  $INSTDIR\${NAME}"
    StrCpy $Remaining "$Remaining$\r$\n${NAME}"
  ${EndIf}
!macroend

; Only what the installer put there, and what the program writes beside itself, is removed: a folder
; that holds anything else is left standing. Nothing is removed while the game runs, and the uninstall
; is never reported as finished while any of the program's files remains; the Apps entry, the shortcuts
; and the uninstaller itself then stay, so that it can be run again.
Section "un.Tavrin"
  Push $INSTDIR
  Call un.WaitForGame
  ${If} ${Errors}
    Abort
  ${EndIf}
  !insertmacro SHIPPED_FILES RemoveShipped
  Delete "$INSTDIR\sdl.log"
  Delete "$INSTDIR\stdout.txt"
  Delete "$INSTDIR\stderr.txt"
  !insertmacro SHIPPED_FOLDERS RemoveFolder

  StrCpy $Remaining ""
  !insertmacro SHIPPED_FILES NoteRemaining
  ${If} $Remaining != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(FilesRemain)$\r$\n$Remaining$\r$\n$\r$\n$(FilesRemainAdvice)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}

  Delete "$SMPROGRAMS\Tavrin.lnk"
  Delete "$SMPROGRAMS\Tavrin – szülői áttekintés.lnk"
  Delete "$DESKTOP\Tavrin.lnk"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The logs the program keeps in the user's own folder when its folder cannot be written.
  Delete "$LOCALAPPDATA\Tavrin\sdl.log"
  Delete "$LOCALAPPDATA\Tavrin\stdout.txt"
  Delete "$LOCALAPPDATA\Tavrin\stderr.txt"
  ; The players' progress stays unless asked for: a reinstall finds it again.
  ${If} $RemoveResults == ${BST_CHECKED}
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    ; The parents' overview pages hold the results too.
    Delete "$LOCALAPPDATA\Tavrin\attekintes*.html"
    DeleteRegKey /ifempty HKCU "Software\Vorniquel"
  ${EndIf}
  RMDir "$LOCALAPPDATA\Tavrin"
SectionEnd
