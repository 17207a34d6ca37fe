#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build and the tests need and
# this machine lacks. Run as root (or with sudo at hand); does nothing when
# everything is present. Extra package names may be given as arguments.
set -euo pipefail

packages=(
    make cmake g++ libgtest-dev googletest python3
    clang libclang-rt-14-dev llvm-14
    g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
    wine wine64 fonts-wine xvfb xauth locales
    nsis desktop-file-utils man-db groff-base
    dpkg-dev lintian appstream imagemagick xdotool
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"
    elif command -v sudo >/dev/null; then sudo "$@"
    else echo "setup: need root to run: $*" >&2; exit 1
    fi
}

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes the user locale from LANG only when the system has it: the
# suite runs in English, and its number checks again in German and French.
generate=0
for name in en_US de_DE fr_FR; do
    locale -a 2>/dev/null | grep -qix "$name.utf8" && continue
    echo "setup: generating the $name.UTF-8 locale"
    as_root sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    generate=1
done
[ $generate = 0 ] || as_root locale-gen >/dev/null
