#!/usr/bin/env bash
# Checks a built vanetick.exe's tables: a 32-bit GUI program whose imports are system DLLs and
# orgapi32.dll (by the nine ordinals, no names) and whose exports are exactly App_MessageIntercept.
set -euo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail=0
complain() { echo "check-pe-tables: $*" >&2; fail=1; }

grep -q '^Magic[[:space:]]*010b' <<<"$dump" || complain "not a PE32 (32-bit) image"
grep -q '^Subsystem[[:space:]]*00000002' <<<"$dump" || complain "not a GUI-subsystem program"

dlls=$(grep 'DLL Name:' <<<"$dump" | awk '{print tolower($3)}' | sort | tr '\n' ' ')
[ "$dlls" = "kernel32.dll msvcrt.dll orgapi32.dll shell32.dll user32.dll " ] ||
    complain "imported DLLs are: $dlls"

# The orgapi32.dll block of the import table: every entry by ordinal, the nine expected ones.
ordinals=$(awk '/DLL Name: orgapi32.dll/{inside=1; next} /DLL Name:/ || NF==0 {inside=0} inside && NF==3 && $3=="<none>" {print $2}' <<<"$dump" | sort -n | tr '\n' ' ')
[ "$ordinals" = "101 102 200 204 300 303 400 404 821 " ] || complain "orgapi32.dll ordinals are: $ordinals"
named=$(awk '/DLL Name: orgapi32.dll/{inside=1; next} /DLL Name:/ || NF==0 {inside=0} inside && NF==3 && $1 ~ /^[0-9a-f]+$/ && $3!="<none>" {print}' <<<"$dump")
[ -z "$named" ] || complain "orgapi32.dll entries imported by name: $named"

exports=$(awk '/\[Ordinal\/Name Pointer\] Table/{inside=1; next} inside && NF==0 {inside=0} inside {print $NF}' <<<"$dump" | tr '\n' ' ')
[ "$exports" = "App_MessageIntercept " ] || complain "exported names are: $exports"

[ $fail -eq 0 ] && echo "check-pe-tables: $exe is as it should be"
exit $fail
