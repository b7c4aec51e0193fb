; The .gro file type: a double-clicked archive opens in Korvane's viewer. The uninstaller takes the type away
; again, and the extension too unless another program has claimed it since.
!ifndef KORVANE_FILE_TYPE
!define KORVANE_FILE_TYPE

!macro KorvaneRegisterFileType
  WriteRegStr SHCTX "Software\Classes\.gro" "" "Korvane.gro"
  WriteRegStr SHCTX "Software\Classes\Korvane.gro" "" "Serious Sam archive"
  WriteRegStr SHCTX "Software\Classes\Korvane.gro\DefaultIcon" "" "$INSTDIR\korvane.exe,0"
  WriteRegStr SHCTX "Software\Classes\Korvane.gro\shell\open\command" "" '"$INSTDIR\korvane.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

!macro KorvaneUnregisterFileType
  ReadRegStr $0 SHCTX "Software\Classes\.gro" ""
  StrCmp $0 "Korvane.gro" 0 +2
    DeleteRegKey SHCTX "Software\Classes\.gro"
  DeleteRegKey SHCTX "Software\Classes\Korvane.gro"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

!endif
