#!/usr/bin/env bash
# CTest's emulator for the Windows binaries: runs one under Wine in the
# project's prefix (started by scripts/wine-session.sh).
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
exec wine "$@"
