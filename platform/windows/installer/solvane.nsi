; The Windows installer of Solvane (NSIS 3, Modern UI 2). The CMake build makes it with
; makensis (platform/windows/installer/CMakeLists.txt), which defines:
;   SOLVANE_VERSION   the project's version ("0.1.0")
;   SOLVANE_VERSION4  the same in the four parts that Windows' version resource wants
;   SOLVANE_FILES     the generated list of the program's files: the macros
;                     SolvaneInstallFiles and SolvaneRemoveFiles
;   SOLVANE_ICON      the program's icon
;   SOLVANE_OUTFILE   the installer to write
;
; Installer command line, besides NSIS's own /S (silent) and /D=folder (last):
;   /LANG=number  the interface language, as the number the program reads (1031 German,
;                 1036 French, 15 Icelandic, 1160 Welsh, ...): no question is asked.
;                 Silent without /LANG: English. A number that is none of the installer's
;                 languages ends a silent installation with exit code 87 and installs
;                 nothing, so that a mistyped deployment fails where it can be seen.
; Uninstaller command line: /S (silent), /REMOVESETTINGS (also remove the user's settings;
; asked otherwise, and kept in silent mode without it).

; A 64-bit installer for the 64-bit program: it sees the 64-bit registry and Program Files
; natively, with no WOW64 redirection in between, and it runs wherever the program runs.
Target amd64-unicode

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include "${SOLVANE_FILES}"

; The program's own key: the installer leaves "Installer Language" in the machine's copy,
; the program keeps the user's settings in the user's copy.
!define SOLVANE_PRODUCT_KEY "Software\Marwick\Marwick's Solvane"
!define SOLVANE_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Solvane"
; Where the program writes its log-on entry, the value "Solvane".
!define SOLVANE_RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Solvane"
OutFile "${SOLVANE_OUTFILE}"
; A per-machine installation: the program's files for every user, the language for every
; user in the machine's key. An update goes where the last installation went.
InstallDir "$PROGRAMFILES64\Solvane"
InstallDirRegKey HKLM "${SOLVANE_UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ManifestDPIAware true
BrandingText "Solvane ${SOLVANE_VERSION}"

Var RemoveSettings

; --- Pages ----------------------------------------------------------------------------

!define MUI_ICON "${SOLVANE_ICON}"
!define MUI_UNICON "${SOLVANE_ICON}"
!define MUI_ABORTWARNING
; Every language in the question, not only those of the system's 8-bit code page.
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartSolvaneAsUser

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; --- Languages -------------------------------------------------------------------------

; One language of the installer: its pages, the installer's own texts (German or English:
; they are few, and a wrong translation would be worse than English), and its number in
; SOLVANE_LANGUAGE_IDS, the list that /LANG is checked against.
!define SOLVANE_LANGUAGE_IDS ""
!macro SolvaneLanguage NAME
  !insertmacro MUI_LANGUAGE "${NAME}"
  !define /redef SOLVANE_LANGUAGE_IDS "${SOLVANE_LANGUAGE_IDS} ${LANG_${NAME}}"
  !if "${NAME}" == "German"
    LangString NeedsAdministrator 0 "Nur ein Administrator kann Solvane installieren oder entfernen."
    LangString RemoveSettingsQuestion 0 "Auch Ihre Solvane-Einstellungen entfernen (Ihre Affirmationen, Schriften, Farben und Zeiten)?"
  !else
    LangString NeedsAdministrator 0 "Only an administrator can install or remove Solvane."
    LangString RemoveSettingsQuestion 0 "Also remove your Solvane settings (your affirmations, fonts, colours and timing)?"
  !endif
!macroend

; English first: the installer's default. Then German, whose texts are built into the
; program, and every language that has a language file and a number in the program's
; table (three of them twice, as the table gives two numbers for one file: Spanish,
; Norwegian, Portuguese).
!insertmacro SolvaneLanguage English
!insertmacro SolvaneLanguage German
!insertmacro SolvaneLanguage Afrikaans
!insertmacro SolvaneLanguage Albanian
!insertmacro SolvaneLanguage Arabic
!insertmacro SolvaneLanguage Belarusian
!insertmacro SolvaneLanguage Bosnian
!insertmacro SolvaneLanguage Bulgarian
!insertmacro SolvaneLanguage Croatian
!insertmacro SolvaneLanguage Czech
!insertmacro SolvaneLanguage Danish
!insertmacro SolvaneLanguage Dutch
!insertmacro SolvaneLanguage Estonian
!insertmacro SolvaneLanguage Farsi
!insertmacro SolvaneLanguage Finnish
!insertmacro SolvaneLanguage French
!insertmacro SolvaneLanguage Greek
!insertmacro SolvaneLanguage Hebrew
!insertmacro SolvaneLanguage Hungarian
!insertmacro SolvaneLanguage Icelandic
!insertmacro SolvaneLanguage Indonesian
!insertmacro SolvaneLanguage Italian
!insertmacro SolvaneLanguage Japanese
!insertmacro SolvaneLanguage Korean
!insertmacro SolvaneLanguage Kurdish
!insertmacro SolvaneLanguage Latvian
!insertmacro SolvaneLanguage Lithuanian
!insertmacro SolvaneLanguage Macedonian
!insertmacro SolvaneLanguage Malay
!insertmacro SolvaneLanguage Mongolian
!insertmacro SolvaneLanguage Norwegian
!insertmacro SolvaneLanguage NorwegianNynorsk
!insertmacro SolvaneLanguage Polish
!insertmacro SolvaneLanguage Portuguese
!insertmacro SolvaneLanguage PortugueseBR
!insertmacro SolvaneLanguage Romanian
!insertmacro SolvaneLanguage Russian
!insertmacro SolvaneLanguage Serbian
!insertmacro SolvaneLanguage SerbianLatin
!insertmacro SolvaneLanguage SimpChinese
!insertmacro SolvaneLanguage Slovak
!insertmacro SolvaneLanguage Slovenian
!insertmacro SolvaneLanguage Spanish
!insertmacro SolvaneLanguage SpanishInternational
!insertmacro SolvaneLanguage Swedish
!insertmacro SolvaneLanguage Thai
!insertmacro SolvaneLanguage TradChinese
!insertmacro SolvaneLanguage Turkish
!insertmacro SolvaneLanguage Ukrainian
!insertmacro SolvaneLanguage Welsh

; The language question's plug-in first in the solid archive, so that it does not wait
; for the whole archive to be unpacked.
!insertmacro MUI_RESERVEFILE_LANGDLL

VIProductVersion "${SOLVANE_VERSION4}"
VIFileVersion "${SOLVANE_VERSION4}"
; As solvane.exe names itself, and as debian/copyright names the authors.
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Marwick's Solvane Premium"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "Marwick"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Solvane Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright 2026 Solvane developers"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${SOLVANE_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${SOLVANE_VERSION}"

; The program knows Icelandic and Welsh by numbers of its own (15 and 1160), the
; installer by Windows' (LANG_ICELANDIC 1039, LANG_WELSH 1106); all other numbers agree.
!macro ProgramLanguageToInstaller VAR
  ${If} ${VAR} == 15
    StrCpy ${VAR} ${LANG_ICELANDIC}
  ${ElseIf} ${VAR} == 1160
    StrCpy ${VAR} ${LANG_WELSH}
  ${EndIf}
!macroend
!macro InstallerLanguageToProgram VAR
  ${If} ${VAR} == ${LANG_ICELANDIC}
    StrCpy ${VAR} 15
  ${ElseIf} ${VAR} == ${LANG_WELSH}
    StrCpy ${VAR} 1160
  ${EndIf}
!macroend

; --- Shared steps ----------------------------------------------------------------------

; Windows asks for an administrator where UAC is on (RequestExecutionLevel admin); where
; it is off, an ordinary user's installer would run and fail half-way in Program Files.
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $R0
  ${If} $R0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

; Ends every running Solvane ("solvane.exe shutdown" returns once their windows are gone)
; before its files are replaced or removed, then waits up to 5 s for the processes to let
; go of the executable, which Windows keeps locked while it runs.
!macro EndRunningInstancesFunction UN
  Function ${UN}EndRunningInstances
    ${IfNot} ${FileExists} "$INSTDIR\solvane.exe"
      Return
    ${EndIf}
    ExecWait '"$INSTDIR\solvane.exe" shutdown'
    StrCpy $R1 0
    ${Do}
      ClearErrors
      FileOpen $R0 "$INSTDIR\solvane.exe" a
      ${IfNot} ${Errors}
        FileClose $R0
        ${Break}
      ${EndIf}
      IntOp $R1 $R1 + 1
      ${If} $R1 >= 50
        ${Break}
      ${EndIf}
      Sleep 100
    ${Loop}
  FunctionEnd
!macroend
!insertmacro EndRunningInstancesFunction ""
!insertmacro EndRunningInstancesFunction "un."

; --- Installer -------------------------------------------------------------------------

Function .onInit
  ; The registry view that the 64-bit program reads: this installer's own, named so that
  ; it stays right should the installer ever be built for 32 bits.
  SetRegView 64
  !insertmacro RequireAdministrator
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANG=" $R1
  ${IfNot} ${Errors}
    !insertmacro ProgramLanguageToInstaller $R1
    ClearErrors
    ${WordFind} "${SOLVANE_LANGUAGE_IDS}" " " "E/$R1" $R2
    ${IfNot} ${Errors}
      StrCpy $LANGUAGE $R1
      Return
    ${EndIf}
    ${If} ${Silent}
      SetErrorLevel 87 ; ERROR_INVALID_PARAMETER
      Quit
    ${EndIf}
  ${ElseIf} ${Silent}
    StrCpy $LANGUAGE ${LANG_ENGLISH}
    Return
  ${EndIf}
  ; The question offers the language of an earlier installation first, else Windows'.
  ReadRegStr $R1 HKLM "${SOLVANE_PRODUCT_KEY}" "Installer Language"
  !insertmacro ProgramLanguageToInstaller $R1
  ClearErrors
  ${WordFind} "${SOLVANE_LANGUAGE_IDS}" " " "E/$R1" $R2
  ${IfNot} ${Errors}
    StrCpy $LANGUAGE $R1
  ${EndIf}
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

; The installer runs as an administrator, the program should run as the user who logged
; on: its settings and log-on entry are that user's. Explorer, asked to open a program,
; hands it to the shell of the desktop, which starts it with the user's own rights.
; (Wine, which knows no elevation, starts it through its explorer.exe all the same.)
Function StartSolvaneAsUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\solvane.exe"'
FunctionEnd

Section
  Call EndRunningInstances
  !insertmacro SolvaneInstallFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Solvane.lnk" "$INSTDIR\solvane.exe"

  ; The chosen language, as text, which is how the program reads it.
  StrCpy $R0 $LANGUAGE
  !insertmacro InstallerLanguageToProgram $R0
  WriteRegStr HKLM "${SOLVANE_PRODUCT_KEY}" "Installer Language" $R0

  ; The entry in "Add or remove programs".
  WriteRegStr HKLM "${SOLVANE_UNINSTALL_KEY}" "DisplayName" "Solvane"
  WriteRegStr HKLM "${SOLVANE_UNINSTALL_KEY}" "DisplayVersion" "${SOLVANE_VERSION}"
  WriteRegStr HKLM "${SOLVANE_UNINSTALL_KEY}" "Publisher" "Marwick"
  WriteRegStr HKLM "${SOLVANE_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\solvane.exe,0"
  WriteRegStr HKLM "${SOLVANE_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${SOLVANE_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${SOLVANE_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${SOLVANE_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${SOLVANE_UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $R0 $R1 $R2
  WriteRegDWORD HKLM "${SOLVANE_UNINSTALL_KEY}" "EstimatedSize" $R0
SectionEnd

; --- Uninstaller -----------------------------------------------------------------------

Function un.onInit
  SetRegView 64
  !insertmacro RequireAdministrator
  ; The uninstaller speaks the language that the installer recorded.
  ReadRegStr $R1 HKLM "${SOLVANE_PRODUCT_KEY}" "Installer Language"
  !insertmacro ProgramLanguageToInstaller $R1
  ClearErrors
  ${WordFind} "${SOLVANE_LANGUAGE_IDS}" " " "E/$R1" $R2
  ${IfNot} ${Errors}
    StrCpy $LANGUAGE $R1
  ${EndIf}
FunctionEnd

; Deletes the user's log-on entry when it starts this installation's program; an entry
; that starts another copy (an unpacked portable one) still belongs to that copy. The
; program writes the quoted path; an entry without quotes is recognised as well.
Function un.RemoveLogOnEntry
  ReadRegStr $R0 HKCU "${SOLVANE_RUN_KEY}" "Solvane"
  ; The path in quotes, then the word.
  StrCpy $R1 '"$INSTDIR\solvane.exe"'
  StrLen $R2 $R1
  StrCpy $R3 $R0 $R2
  ${If} $R3 == $R1
    DeleteRegValue HKCU "${SOLVANE_RUN_KEY}" "Solvane"
    Return
  ${EndIf}
  ; The bare path, then a blank or nothing.
  StrCpy $R1 "$INSTDIR\solvane.exe"
  StrLen $R2 $R1
  StrCpy $R3 $R0 $R2
  StrCpy $R4 $R0 1 $R2
  ${If} $R3 == $R1
    ${If} $R4 == " "
    ${OrIf} $R4 == ""
      DeleteRegValue HKCU "${SOLVANE_RUN_KEY}" "Solvane"
    ${EndIf}
  ${EndIf}
FunctionEnd

; The per-user parts (the log-on entry, the settings) are those of the account that runs
; the uninstaller: the user who answered Windows' administrator question for themself.
Section "Uninstall"
  StrCpy $RemoveSettings 1
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVESETTINGS" $R1
  ${If} ${Errors}
    StrCpy $RemoveSettings 0
    ${If} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettingsQuestion)" /SD IDNO IDYES`
      StrCpy $RemoveSettings 1
    ${EndIf}
  ${EndIf}

  Call un.EndRunningInstances
  !insertmacro SolvaneRemoveFiles
  ; The program's font catalogue, which it keeps beside itself where it may write there.
  Delete /REBOOTOK "$INSTDIR\fontlist.tmp"
  Delete /REBOOTOK "$INSTDIR\uninstall.exe"
  ; Not /r: whatever else someone put into the folder stays, and the folder with it.
  RMDir /REBOOTOK "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\Solvane.lnk"
  Call un.RemoveLogOnEntry

  DeleteRegValue HKLM "${SOLVANE_PRODUCT_KEY}" "Installer Language"
  DeleteRegKey /ifempty HKLM "${SOLVANE_PRODUCT_KEY}"
  DeleteRegKey /ifempty HKLM "Software\Marwick"

  ${If} $RemoveSettings == 1
    DeleteRegKey HKCU "${SOLVANE_PRODUCT_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Marwick"
    ; The user's own folder, not the one for all users that "all" above would give.
    SetShellVarContext current
    RMDir /r /REBOOTOK "$LOCALAPPDATA\Marwick\Solvane"
    RMDir "$LOCALAPPDATA\Marwick"
  ${EndIf}

  ; Last, so that an uninstallation that stops half-way can be started again from there.
  DeleteRegKey HKLM "${SOLVANE_UNINSTALL_KEY}"
SectionEnd
