; The window in the Windows installer: bit-hydraulics.exe with a Start-menu and a desktop
; shortcut, and "Open with" for case files (.csv), which opens the file given on the command line.
; Included by the installer's script after its general settings (Unicode, amd64, $INSTDIR, and one
; shell context for installing and uninstalling), which defines BH_WINDOW_EXE as the path of the
; built bit-hydraulics.exe; its uninstaller inserts !insertmacro BH_UNINSTALL_WINDOW.

Section "水利参数（窗口）" SectionWindow
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${BH_WINDOW_EXE}"
    CreateDirectory "$SMPROGRAMS\水利参数"
    CreateShortcut "$SMPROGRAMS\水利参数\水利参数.lnk" "$INSTDIR\bit-hydraulics.exe"
    CreateShortcut "$DESKTOP\水利参数.lnk" "$INSTDIR\bit-hydraulics.exe"
    ; Offered under "Open with" for .csv files, without taking the files from the spreadsheet.
    WriteRegStr SHCTX "Software\Classes\Applications\bit-hydraulics.exe" "FriendlyAppName" "水利参数"
    WriteRegStr SHCTX "Software\Classes\Applications\bit-hydraulics.exe\SupportedTypes" ".csv" ""
    WriteRegStr SHCTX "Software\Classes\Applications\bit-hydraulics.exe\shell\open\command" "" \
        '"$INSTDIR\bit-hydraulics.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\.csv\OpenWithList\bit-hydraulics.exe" "" ""
SectionEnd

!macro BH_UNINSTALL_WINDOW
    Delete "$INSTDIR\bit-hydraulics.exe"
    Delete "$SMPROGRAMS\水利参数\水利参数.lnk"
    RMDir "$SMPROGRAMS\水利参数"
    Delete "$DESKTOP\水利参数.lnk"
    DeleteRegKey SHCTX "Software\Classes\Applications\bit-hydraulics.exe"
    DeleteRegKey SHCTX "Software\Classes\.csv\OpenWithList\bit-hydraulics.exe"
!macroend
