; SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
; SPDX-License-Identifier: GPL-3.0-or-later
;
; The Windows installer, made by scripts/package-windows with Debian's makensis:
;   makensis -DVERSION=... -DSTAGE=<portable folder> -DINSTALL_LIST=<file> -DUNINSTALL_LIST=<file>
;            -DOUTFILE=... -DICON=...
; It installs the portable folder for all users, adds a Start menu entry, makes the editor the
; program of .QLM animation files, and registers an uninstaller. The uninstaller removes exactly
; the files it installed, as they were installed: the settings file, recovery copies and backups
; the editor made, and an installed file the user changed since (the demo, edited and saved) stay.
; Each installed file's time is recorded at install, under the uninstaller's registry key
; (INSTALL_LIST and UNINSTALL_LIST name each file once, made by package-windows).
; /S installs and uninstalls without asking.
; A 64-bit installer, like the program: it runs where the program runs (also in a 64-bit-only
; Wine).
Target amd64-unicode
!include "MUI2.nsh"

!define PRODUCT "Tessarine Animation Studio"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TessarineStudio"
!define FILE_TYPE "TessarineStudio.Animation"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tessarine-studio.exe"
; The German title takes three lines.
!define MUI_FINISHPAGE_TITLE_3LINES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; In the user's language where the program has it (the system's own choice), else English.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
LangString KEPT_CHANGED ${LANG_ENGLISH} "Kept $INSTDIR\$0: it was changed after it was installed."
LangString KEPT_CHANGED ${LANG_GERMAN} "Behalten: $INSTDIR\$0, nach der Installation geändert."
LangString KEPT_CHANGED ${LANG_FRENCH} "Conservé : $INSTDIR\$0, modifié après l'installation."
LangString KEPT_SUMMARY ${LANG_ENGLISH} "Files you changed were kept (see above)."
LangString KEPT_SUMMARY ${LANG_GERMAN} "Von Ihnen geänderte Dateien wurden behalten (siehe oben)."
LangString KEPT_SUMMARY ${LANG_FRENCH} "Les fichiers que vous avez modifiés sont conservés (voir plus haut)."

; Installed files the uninstaller kept because they were changed.
Var KeptFiles

!define INSTALLED_FILES_KEY "${UNINSTALL_KEY}\InstalledFiles"

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

; Records the time of the installed file named on the stack (relative to $INSTDIR).
Function RecordInstalledFile
    Exch $0
    Push $1
    Push $2
    GetFileTime "$INSTDIR\$0" $1 $2
    WriteRegStr HKLM "${INSTALLED_FILES_KEY}" "$0" "$1 $2"
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

; Deletes the installed file named on the stack unless it was changed after it was installed.
; A file without a recorded time (installed by an installer that kept none) is deleted.
Function un.RemoveInstalledFile
    Exch $0
    Push $1
    Push $2
    Push $3
    ClearErrors
    ReadRegStr $3 HKLM "${INSTALLED_FILES_KEY}" "$0"
    ClearErrors
    GetFileTime "$INSTDIR\$0" $1 $2
    IfErrors done
    StrCmp $3 "" remove
    StrCmp $3 "$1 $2" remove
    DetailPrint "$(KEPT_CHANGED)"
    IntOp $KeptFiles $KeptFiles + 1
    Goto done
remove:
    Delete "$INSTDIR\$0"
done:
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

Section "Install"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    DeleteRegKey HKLM "${INSTALLED_FILES_KEY}"
    !include "${INSTALL_LIST}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tessarine-studio.exe"

    ; The animation file type: .QLM files open in the editor, with its icon.
    WriteRegStr HKLM "Software\Classes\.qlm" "" "${FILE_TYPE}"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "Tessarine animation"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\tessarine-studio.exe,0"
    WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\tessarine-studio.exe" "%1"'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tessarine Animation Studio developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tessarine-studio.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; Explorer shows the new file type's icon at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    StrCpy $KeptFiles 0
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    ; Left in place when the editor's settings file is in it.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; What was kept is said last, with the details shown.
    IntCmp $KeptFiles 0 +3
        DetailPrint "$(KEPT_SUMMARY)"
        SetDetailsView show

    ; The file type only while it is still this program's.
    ReadRegStr $0 HKLM "Software\Classes\.qlm" ""
    StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.qlm"
    DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
