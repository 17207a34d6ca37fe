#!/usr/bin/env bash
# Runs a command of the Wine session with the prefix's dpi set to $1, then
# sets it back: Wine reads it when a process starts.
#   tests/win/at_dpi.sh DPI COMMAND [ARGS...]
dpi=$1; shift
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
before=$(wine reg query 'HKCU\Control Panel\Desktop' /v LogPixels 2>/dev/null | grep -o '0x[0-9a-f]*' | head -n1)
set_dpi "$dpi"
TV_EXPECT_DPI=$dpi "$@"
status=$?
set_dpi "$((${before:-96}))"
exit $status
