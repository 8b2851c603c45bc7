#!/usr/bin/env bash
# Runs vanetick.exe under Wine's relay trace of user32.MessageBoxA and checks each box's exact
# arguments: owner, text, caption (or none) and style. Usage: check-box-calls.sh BIN TOOLS
# (the folders of vanetick.exe and boxdriver.exe); needs the display of tools/with-wine.
set -euo pipefail
bin=$(cd "$1" && pwd)
tools=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf 'dayvane-organizer 1\nsection Calendar\n' >diary.org
printf 'dayvane-organizer 1\nmessage\n  caption Organizer says\n  text Converted\n  style 0x44\n' >message.org

wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ /d user32.MessageBoxA /f >/dev/null 2>&1

fail=0
# expect ENVIRONMENT ARGUMENTS... -- the relay call line expected, without addresses
expect() {
    local environment=$1 expected=$2
    shift 2
    local calls
    calls=$(env $environment WINEDEBUG=+relay wine "$tools/boxdriver.exe" "$bin/vanetick.exe" "$@" 2>&1 >/dev/null |
        grep 'Call user32.MessageBoxA' | sed -E 's/^[0-9a-f]+:Call //; s/ ret=[0-9a-f]+$//; s/,[0-9a-f]{8} "/,"/g' || true)
    if [ "$calls" = "$expected" ]; then
        echo "ok: vanetick $*"
    else
        echo "FAILED: vanetick $*"
        echo "  expected: $expected"
        echo "  got:      $calls"
        fail=1
    fi
}

expect "" 'user32.MessageBoxA(00000000,"Wrong number of parameters","Dayvane",00000030)' diary.org
expect "" 'user32.MessageBoxA(00000000,"Number expected","Dayvane",00000030)' diary.org soon
expect ORGAPI32_START_STATUS=-9 'user32.MessageBoxA(00000000,"Network logon validation error","Error",00000030)' diary.org 2
expect "" 'user32.MessageBoxA(00000000,"Error opening missing.org\nBad filename or path.","Error",00000030)' missing.org 2
# The library's message: its style kept, no caption (the system's default is shown).
expect "" 'user32.MessageBoxA(00000000,"Converted",00000000,00000044)' message.org 2
expect "" '' diary.org 2
exit $fail
