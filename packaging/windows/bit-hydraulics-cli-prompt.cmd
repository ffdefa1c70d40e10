@echo off
rem The command prompt of the Start-menu shortcut: bit-hydraulics-cli on the path.
set "PATH=%~dp0;%PATH%"
bit-hydraulics-cli --version
echo bit-hydraulics-cli --help
