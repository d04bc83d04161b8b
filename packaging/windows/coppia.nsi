; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of coppia, for one user and without administrator rights: it copies the
; program folder, makes the Start menu entries and the .coppia association, and registers an
; uninstaller that takes away exactly that. The user's own files in %APPDATA%\coppia are never
; touched. Build it with
;   makensis -INPUTCHARSET UTF8 -DSTAGE=<program folder> -DVERSION=<x.y.z> \
;            -DOUTFILE=<coppia-x.y.z-setup.exe> coppia.nsi
; (/D rather than -D on Windows) and test it with scripts/windows-installer-test.

!ifndef STAGE | VERSION | OUTFILE
  !error "Give /DSTAGE=<program folder> /DVERSION=<x.y.z> /DOUTFILE=<setup.exe>"
!endif

Unicode true
; The program is 64-bit only; a 64-bit installer runs wherever it can, and sees the same
; registry and folders the program will.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; A file that cannot be written stops the install (exit status 2 when silent) rather than being
; skipped, which would leave an old program beside new plugins.
AllowSkipFiles off

!define PRODUCT "Coppia"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\coppia"
!define UNINSTALLER "disinstalla.exe"
!define PROGID "coppia.model"
!define CLASSES "Software\Classes"
!define MENU_FOLDER "$SMPROGRAMS\Coppia"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; Where Windows itself puts programs installed for one user.
InstallDir "$LOCALAPPDATA\Programs\coppia"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1040 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${PRODUCT}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

; The lines that install each file of the stage and the ones that remove exactly those files.
!tempfile STAGE_FILES
!system '"${__FILEDIR__}/stage-files" "${STAGE}" "${STAGE_FILES}"' = 0
!include "${STAGE_FILES}"
!delfile "${STAGE_FILES}"

!include "FileFunc.nsh"
!include "MUI2.nsh"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\coppia.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

; Explorer reads the associations once; this makes it read them again.
!macro COPPIA_ASSOCIATIONS_CHANGED
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

; Keeps in $R9 the first file given that is there and cannot be opened for writing now: held by
; a running Coppia, whose program and DLLs Windows keeps from being replaced, or by another
; program. Opening to append changes nothing.
!macro COPPIA_HELD_FILE_FUNCTION UN
  Function ${UN}HeldFile
    Exch $0
    StrCmp $R9 "" 0 done
    IfFileExists "$0" 0 done
    ClearErrors
    FileOpen $1 "$0" a
    IfErrors held
    FileClose $1
    Goto done
    held:
    StrCpy $R9 "$0"
    done:
    Pop $0
  FunctionEnd
!macroend
!insertmacro COPPIA_HELD_FILE_FUNCTION ""
!insertmacro COPPIA_HELD_FILE_FUNCTION "un."
!macro COPPIA_HELD_FILE FILE
  Push "${FILE}"
  Call ${COPPIA_HELD_FILE_CALL}
!macroend

; Nothing is replaced or removed while a file of the installed program is held: the user is asked
; to close Coppia, and a silent run ends with exit status 2, everything left as it was.
!macro COPPIA_WAIT_UNTIL_FREE
  look_for_held_files:
  StrCpy $R9 ""
  !insertmacro COPPIA_HELD_FILES
  StrCmp $R9 "" files_free
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Coppia è aperto (il file $R9 è in uso): chiudilo, poi scegli Riprova." \
        /SD IDCANCEL IDRETRY look_for_held_files
    SetErrorLevel 2
    Abort "Coppia è aperto: nessun file è stato cambiato."
  files_free:
!macroend

Section "Coppia"
  !define COPPIA_HELD_FILE_CALL HeldFile
  !insertmacro COPPIA_WAIT_UNTIL_FREE
  !undef COPPIA_HELD_FILE_CALL
  ; The folder that holds the program's (%LOCALAPPDATA%\Programs, which Windows makes only once
  ; a program needs it) is the uninstaller's to remove, when empty, only if this installer, or
  ; the earlier one it replaces, made it.
  ${GetParent} "$INSTDIR" $R7
  ReadRegStr $R8 HKCU "${UNINSTALL_KEY}" "MadeFolder"
  StrCmp $R8 $R7 made_folder_known
    StrCpy $R8 ""
    IfFileExists "$R7\*.*" made_folder_known
      StrCpy $R8 $R7
  made_folder_known:
  ; Over an earlier version, its own uninstaller first takes away what it installed, so that no
  ; file the new version no longer has is left behind; _?= makes it run in place and wait.
  IfFileExists "$INSTDIR\${UNINSTALLER}" 0 no_earlier_version
    ExecWait '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR' $0
    StrCmp $0 0 no_earlier_version
      SetErrorLevel 2
      Abort "La versione installata di Coppia non può essere tolta (uscita $0)."
  no_earlier_version:
  !insertmacro COPPIA_INSTALL_FILES
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; Shortcuts start in the program folder, where qt.conf is.
  SetOutPath "$INSTDIR"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Coppia.lnk" "$INSTDIR\coppia.exe"
  CreateShortcut "${MENU_FOLDER}\Coppia - Analisi.lnk" "$INSTDIR\coppia.exe" "--analisi" \
      "$INSTDIR\coppia.exe" 0
  CreateShortcut "${MENU_FOLDER}\Coppia - Modello.lnk" "$INSTDIR\coppia.exe" "--modello" \
      "$INSTDIR\coppia.exe" 0
  CreateShortcut "${MENU_FOLDER}\Disinstalla Coppia.lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKCU "${CLASSES}\.coppia" "" "${PROGID}"
  WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "Modello Coppia"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\coppia.exe,0"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\coppia.exe" "%1"'
  !insertmacro COPPIA_ASSOCIATIONS_CHANGED

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "coppia"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\coppia.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${COPPIA_STAGE_KB}
  StrCmp $R8 "" made_folder_kept
    WriteRegStr HKCU "${UNINSTALL_KEY}" "MadeFolder" $R8
  made_folder_kept:
SectionEnd

Section "Uninstall"
  !define COPPIA_HELD_FILE_CALL un.HeldFile
  !insertmacro COPPIA_WAIT_UNTIL_FREE
  !undef COPPIA_HELD_FILE_CALL
  ReadRegStr $R8 HKCU "${UNINSTALL_KEY}" "MadeFolder"
  Delete "${MENU_FOLDER}\Coppia.lnk"
  Delete "${MENU_FOLDER}\Coppia - Analisi.lnk"
  Delete "${MENU_FOLDER}\Coppia - Modello.lnk"
  Delete "${MENU_FOLDER}\Disinstalla Coppia.lnk"
  RMDir "${MENU_FOLDER}"

  ; The association goes only while it still opens this copy of the program: another program
  ; that has taken .coppia over since, or another copy, keeps it.
  ReadRegStr $0 HKCU "${CLASSES}\${PROGID}\shell\open\command" ""
  StrCmp $0 '"$INSTDIR\coppia.exe" "%1"' 0 association_done
    DeleteRegKey HKCU "${CLASSES}\${PROGID}"
    ReadRegStr $1 HKCU "${CLASSES}\.coppia" ""
    StrCmp $1 "${PROGID}" 0 association_changed
      DeleteRegKey HKCU "${CLASSES}\.coppia"
    association_changed:
    !insertmacro COPPIA_ASSOCIATIONS_CHANGED
  association_done:

  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ClearErrors
  !insertmacro COPPIA_REMOVE_FILES
  ; A file that stays (held since the look above) makes the exit status say so.
  IfErrors 0 +2
    SetErrorLevel 2
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Without /r: whatever someone else put in the folder stays, and so does the folder.
  RMDir "$INSTDIR"
  StrCmp $R8 "" +2
    RMDir $R8
SectionEnd
