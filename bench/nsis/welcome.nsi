; The reference of the start-up benchmark: what most vendors would build in
; place of this installer, a framework installer with its welcome page and a
; wizard bitmap. tools/bench-startup builds it with makensis for the 64-bit
; Unicode target, so it runs under wine64 beside the 64-bit installer.
Target amd64-unicode
!include MUI2.nsh

Name "Quobex Varnhelm Installer"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$TEMP\qel-bench-nsis"

!define MUI_WELCOMEFINISHPAGE_BITMAP "${NSISDIR}\Contrib\Graphics\Wizard\win.bmp"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
SectionEnd
