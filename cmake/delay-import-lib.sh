#!/bin/sh
# Makes a delay-import library for one system DLL from the toolchain's import library:
# every name the import library exports, bound on first call instead of at start-up.
# Usage: delay-import-lib.sh nm dlltool import-library dll-name output
set -eu
nm="$1" dlltool="$2" import_library="$3" dll="$4" output="$5"
definitions="$output.def"
{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  "$nm" -g --defined-only "$import_library" 2>/dev/null | sed -n 's/^.* I __imp_//p' | sort -u
} >"$definitions"
"$dlltool" --input-def "$definitions" --dllname "$dll" --output-delaylib "$output"
