#!/bin/bash
# Checks Stats.dll as the host sees it: a 32-bit PE DLL whose export table holds
# exactly the eleven plain names and their eleven decorated (MSVC-mangled)
# aliases, each alias demangling to the function's C++ signature and pointing at
# the same code as its plain name; and an import table of Windows system DLLs
# only (the C++ runtime, libgcc and winpthread linked in statically).
# Usage: check_exports.sh Stats.dll
set -euo pipefail
dll=$1
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
undname=${UNDNAME:-llvm-undname}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# "type N type N ...": the types of an argument list, each repeated N times.
args() {
  local out=
  while [ $# -gt 0 ]; do
    for ((i = 0; i < $2; i++)); do out+="${out:+, }$1"; done
    shift 2
  done
  echo "$out"
}
qso_args=$(args 'char const *' 2 'class COleDateTime *' 4 'unsigned int' 2 'char const *' 15 \
                'int' 3 'double' 2 'char const *' 5)

# Plain name -> decorated name's C++ signature (three are decorated under another name).
declare -A expected=(
  [setVersion]="unsigned long __cdecl setVersion(char const *)"
  [GetNumberOfSets]="int __cdecl GetNumberOfSets(void)"
  [GetSetName]="char const * __cdecl GetSetName(int)"
  [ResetStats0]="int __cdecl ResetStats0($(args 'char const *' 1 'int' 1 'char const *' 1 \
      'class COleDateTime *' 2 'char const *' 10 'int' 3 'double' 2 'char const *' 3))"
  [AddData0]="int __cdecl AddData0($qso_args)"
  [RemoveData0]="int __cdecl RemoveData0($qso_args)"
  [CheckCall0]="int __cdecl CheckCallFunc0($(args 'char const *' 1 'unsigned int' 2 \
      'char const *' 11 'int' 3 'double' 2 'char const *' 7 'char *' 2))"
  [IsValidExchg0]="int __cdecl StatsIsValidExchg0($(args 'char const *' 4 'int' 3))"
  [GetExchgCount0]="int __cdecl StatsGetExchgCount0($(args 'char const *' 3))"
  [GetResult0]="char const * __cdecl GetResult0(int *)"
  [SetupSet0]="void __cdecl SetupSet0(void)"
)

[ -f "$dll" ] || { echo "FAIL: $dll not found"; exit 1; }
dump=$("$objdump" -p "$dll")
header=$("$objdump" -f "$dll")
grep -q 'file format pei-i386' <<<"$header" || fail "not an i386 PE file: $header"
grep -qE '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)' <<<"$dump" || fail "not PE32"
sed -n '/^Characteristics/,/^$/p' <<<"$dump" | grep -qx $'\tDLL' || fail "not a DLL"

# Export address table: index -> RVA; name table: index -> name.
declare -A rva_of_index name_index
while read -r index rva; do rva_of_index[$index]=$rva; done < <(
  sed -n '/^Export Address Table -- Ordinal Base/,/^$/p' <<<"$dump" |
    sed -nE 's/^\s*\[ *([0-9]+)\] \+base\[ *[0-9]+\] +([0-9a-f]+) Export RVA.*/\1 \2/p')
names=()
while read -r index name; do names+=("$name"); name_index[$name]=$index; done < <(
  sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" |
    sed -nE 's/^\s*\[ *([0-9]+)\] (.+)$/\1 \2/p')

[ "${#names[@]}" -eq 22 ] || fail "expected 22 exported names, found ${#names[@]}: ${names[*]}"

# Every plain name once; every decorated name demangles to one expected signature.
declare -A seen_decorated
for plain in "${!expected[@]}"; do
  [ -n "${name_index[$plain]:-}" ] || fail "plain export $plain missing"
done
for name in "${names[@]}"; do
  [ -n "${expected[$name]:-}" ] && continue
  if [[ $name != \?* ]]; then
    fail "unexpected plain export $name"
    continue
  fi
  signature=$("$undname" "$name" | sed -n 2p)
  match=
  for plain in "${!expected[@]}"; do
    [ "$signature" = "${expected[$plain]}" ] && match=$plain
  done
  if [ -z "$match" ]; then
    fail "decorated export $name demangles to an unexpected signature: $signature"
    continue
  fi
  [ -z "${seen_decorated[$match]:-}" ] || fail "two decorated names for $match"
  seen_decorated[$match]=$name
  # The alias must be the same function as the plain name.
  if [ -n "${name_index[$match]:-}" ] &&
     [ "${rva_of_index[${name_index[$name]}]:-x}" != "${rva_of_index[${name_index[$match]}]:-y}" ]; then
    fail "$name does not point at $match"
  fi
done
for plain in "${!expected[@]}"; do
  [ -n "${seen_decorated[$plain]:-}" ] || fail "no decorated export for $plain (${expected[$plain]})"
done

# Imports: Windows system DLLs only.
system_dlls=' kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll ole32.dll oleaut32.dll
  comctl32.dll comdlg32.dll shell32.dll shlwapi.dll version.dll uxtheme.dll msimg32.dll
  imm32.dll rpcrt4.dll winspool.drv ws2_32.dll '
imports=$(sed -nE 's/^\s*DLL Name: (.+)$/\1/p' <<<"$dump")
[ -n "$imports" ] || fail "no import table found"
for dll_name in $imports; do
  lower=${dll_name,,}
  [[ $system_dlls == *" $lower"[[:space:]]* ]] || fail "imports a non-system DLL: $dll_name"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures export/import check(s) failed for $dll"
  exit 1
fi
echo "OK: ${#names[@]} exports (11 plain, 11 decorated), imports: $(echo $imports)"
