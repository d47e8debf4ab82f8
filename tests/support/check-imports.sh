#!/bin/sh
# Fails when the program imports a DLL that Windows does not ship.
set -eu
exe="$1"
# Network libraries are not allowed either: the program neither listens nor reads a network.
allowed="kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll ole32.dll oleaut32.dll advapi32.dll comdlg32.dll msvcrt.dll shlwapi.dll uxtheme.dll"
status=0
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'); do
  case " $allowed " in
    *" $dll "*) echo "ok: $dll" ;;
    api-ms-win-*) echo "ok: $dll (API set)" ;;
    *) echo "not a Windows system DLL: $dll"; status=1 ;;
  esac
done
exit $status
