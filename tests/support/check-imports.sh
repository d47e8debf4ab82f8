#!/bin/sh
# Fails when the program imports, at start-up, a DLL that Windows does not map from its
# known-DLLs list: the loader resolves such imports before main runs and looks for them
# beside the program first. Other system DLLs are delay-loaded (cmake/delay_load.cmake).
set -eu
exe="$1"
# The names under HKLM\System\CurrentControlSet\Control\Session Manager\KnownDLLs of
# Windows 10 and 11. Network libraries stay out all the same: the program neither
# listens nor reads a network.
known="advapi32.dll clbcatq.dll combase.dll comdlg32.dll coml2.dll gdi32.dll gdiplus.dll imagehlp.dll
imm32.dll kernel32.dll msctf.dll msvcrt.dll ole32.dll oleaut32.dll psapi.dll rpcrt4.dll sechost.dll
setupapi.dll shcore.dll shell32.dll shlwapi.dll user32.dll"
status=0
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'); do
  case " $(echo $known) " in
    *" $dll "*) echo "ok: $dll" ;;
    *) echo "imported at start-up but not a known DLL: $dll"; status=1 ;;
  esac
done
exit $status
