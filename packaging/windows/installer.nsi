; The Windows installer: sudoku.exe, its README and licence under Program
; Files, a Start-menu entry, the .sudoku file type, and an uninstaller listed
; in Apps & features. Built by the windows_installer target, which passes
; VERSION, RELEASE (the folder of the files), ICON and OUTFILE.
; A 64-bit installer for the 64-bit game: it runs where the game runs (64-bit
; Wine has no 32-bit programs), and sees the 64-bit Program Files and
; registry without redirection.
Target amd64-unicode
!include "MUI2.nsh"

Name "Sudoku"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quillmoor Sudoku"
InstallDirRegKey HKLM "Software\Quillmoor\Sudoku" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillmoorSudoku"
!define FILE_TYPE "Quillmoor.Sudoku.SavedGame"

!insertmacro MUI_PAGE_LICENSE "${RELEASE}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The pages speak the system's language where it is one of the game's, as
; the game does, and English otherwise (the first one).
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"

Section "Sudoku"
  SetOutPath "$INSTDIR"
  File "${RELEASE}\sudoku.exe"
  File "${RELEASE}\README.md"
  File "${RELEASE}\README-Windows.txt"
  File "${RELEASE}\LICENSE"
  ; The catalogs: the game's and wxWidgets' texts in each language.
  File /r "${RELEASE}\locale"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Quillmoor\Sudoku" "InstallDir" "$INSTDIR"

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Sudoku.lnk" "$INSTDIR\sudoku.exe"

  ; Saved games: their own type with the game's icon; opening one starts the
  ; game, as the desktop entry does on Linux.
  WriteRegStr HKCR ".sudoku" "" "${FILE_TYPE}"
  WriteRegStr HKCR "${FILE_TYPE}" "" "Sudoku saved game"
  WriteRegStr HKCR "${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\sudoku.exe,0"
  WriteRegStr HKCR "${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\sudoku.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Sudoku"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quillmoor"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\sudoku.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Sudoku.lnk"
  Delete "$INSTDIR\sudoku.exe"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\README-Windows.txt"
  Delete "$INSTDIR\LICENSE"
  RMDir /r "$INSTDIR\locale"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCR ".sudoku"
  DeleteRegKey HKCR "${FILE_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Quillmoor\Sudoku"
SectionEnd
