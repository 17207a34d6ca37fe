#!/usr/bin/env bash
# The Debian package of make dist: the program's files under
# /usr/lib/tallyvane-pro, started under Wine by the launcher
# /usr/bin/tallyvane-pro, and the native command line /usr/bin/tallyvane with
# its manual page and completion; the menu entry, icons and metainfo. Staged
# afresh beside DEB, then packed by dpkg-deb (no debhelper).
#   packaging/make-deb.sh PROGRAM TALLYVANE VERSION DEB
# PROGRAM is the folder of the program's files (cmake/packaging.cmake stages
# it), TALLYVANE the Release build of make cli.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=tallyvane-pro
maintainer="Tallyvane Pro Maintainers <packages@tallyvane.invalid>"

die() { echo "make-deb: $*" >&2; exit 1; }
[ $# -eq 4 ] || die "usage: make-deb.sh PROGRAM TALLYVANE VERSION DEB"
program=$1 companion=$2 version=$3 deb=$4
[ -f "$program/TallyvanePro.exe" ] || die "no program in $program: build the dist target"
[ -x "$companion" ] || die "no $companion: build it with make cli"

# Every date in the package is the last commit's, so one tree packs the same bytes.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}
stage=$(dirname "$deb")/deb-root
lib=/usr/lib/$name
rm -rf "$stage"
mkdir -p "$stage/DEBIAN"

# put SOURCE MODE PATH: a copy in the package, its folders made.
put() {
    install -d -m 755 "$stage$(dirname "$3")"
    install -m "$2" "$1" "$stage$3"
}
# put_text MODE PATH: standard input as the file.
put_text() {
    install -d -m 755 "$stage$(dirname "$2")"
    cat >"$stage$2"
    chmod "$1" "$stage$2"
}

# The program, as the zip has it: Wine reads it, nothing executes it natively.
while IFS= read -r -d '' file; do
    put "$program/$file" 644 "$lib/$file"
done < <(cd "$program" && find . -type f -printf '%P\0')

# The launcher: the shared source with this package's folder written in.
grep -qx 'lib=@LIB@' "$root/packaging/$name.sh" || die "no line lib=@LIB@ in packaging/$name.sh"
sed "s|^lib=@LIB@\$|lib=$lib|" "$root/packaging/$name.sh" | put_text 755 "/usr/bin/$name"
gzip -9n <"$root/packaging/$name.1" | put_text 644 "/usr/share/man/man1/$name.1.gz"

install -d -m 755 "$stage/usr/bin"
strip --remove-section=.comment --remove-section=.note --strip-unneeded -o "$stage/usr/bin/tallyvane" "$companion"
chmod 755 "$stage/usr/bin/tallyvane"
gzip -9n <"$root/cli/tallyvane.1" | put_text 644 /usr/share/man/man1/tallyvane.1.gz
put "$root/cli/tallyvane.bash-completion" 644 /usr/share/bash-completion/completions/tallyvane

put "$root/packaging/$name.desktop" 644 "/usr/share/applications/$name.desktop"
sed -e "s/@VERSION@/$version/" -e "s/@DATE@/$(date -u -d "@$SOURCE_DATE_EPOCH" +%F)/" \
    "$root/packaging/$name.metainfo.xml" | put_text 644 "/usr/share/metainfo/$name.metainfo.xml"

# The icon's own sizes, and the others scaled from the nearest larger one
# (or the largest, scaled up): menus and software centres ask for these.
icons=$(dirname "$deb")/deb-icons
rm -rf "$icons"
python3 "$root/packaging/ico_to_png.py" "$root/resources/tallyvane.ico" "$icons" >/dev/null
own=$(for png in "$icons"/*.png; do basename "$png" .png; done | sort -n)
for size in 16 24 32 48 64 128 256; do
    png=$icons/$size.png
    if [ ! -f "$png" ]; then
        from=$(awk -v s="$size" '$1 > s && !up { up = $1 } { last = $1 } END { print up ? up : last }' <<<"$own")
        convert "$icons/$from.png" -filter Lanczos -resize "${size}x$size" -strip \
            -define png:exclude-chunks=date,time "PNG32:$icons/scaled-$size.png"
        png=$icons/scaled-$size.png
    fi
    put "$png" 644 "/usr/share/icons/hicolor/${size}x$size/apps/$name.png"
done
rm -rf "$icons"

# The licence in the machine-readable form: its copyright line, then the rest.
doc=/usr/share/doc/$name
{
    echo "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    echo "Upstream-Name: Tallyvane Pro"
    echo
    echo "Files: *"
    echo "Copyright: $(sed -n 's/^Copyright ([cC]) //p' "$root/LICENSE.txt" | head -n 1)"
    echo "License: Tallyvane-Pro"
    sed '1,/^Copyright /d' "$root/LICENSE.txt" | sed -e '/./,$!d' -e 's/^$/./' -e 's/^/ /'
} | put_text 644 "$doc/copyright"
grep -q '^Copyright: .' "$stage$doc/copyright" || die "no Copyright line in LICENSE.txt"
# A native package (its version has no Debian revision): lintian looks for changelog.gz.
{
    echo "$name ($version) unstable; urgency=medium"
    echo
    echo "  * Tallyvane Pro $version."
    echo
    echo " -- $maintainer  $(date -u -R -d "@$SOURCE_DATE_EPOCH")"
} | gzip -9n | put_text 644 "$doc/changelog.gz"

# What the native command line links to, as dpkg-shlibdeps finds it.
shlibs=$(mktemp -d)
trap 'rm -rf "$shlibs"' EXIT
mkdir "$shlibs/debian"
printf 'Source: %s\n\nPackage: %s\nArchitecture: amd64\n' "$name" "$name" >"$shlibs/debian/control"
native=$(cd "$shlibs" && dpkg-shlibdeps -O "$stage/usr/bin/tallyvane" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
[ -n "$native" ] || die "dpkg-shlibdeps found no libraries for tallyvane"

# Installed-Size as dpkg-gencontrol counts it: each file's KiB rounded up, 1 per folder.
size=$(cd "$stage" && find usr \( -type f -printf '%s\n' \) -o \( -printf '1024\n' \) |
    awk '{ k += int(($1 + 1023) / 1024) } END { print k }')

cat >"$stage/DEBIAN/control" <<EOF
Package: $name
Version: $version
Architecture: amd64
Maintainer: $maintainer
Installed-Size: $size
Depends: wine, wine64, fonts-wine, $native
Section: utils
Priority: optional
Description: unit converter and calculators, run under Wine
 Tallyvane Pro converts a typed value between the units of fourteen
 categories (temperature, length, area, volume, weight, speed and more).
 Beside it sit a dozen small tools: number bases, currency and euro rates,
 price comparison, electrical, circle, area/volume and permutation
 calculators, days between dates, clothing sizes, dialing codes, city area
 codes, sales tax and VAT rates, and clothing care labels.
 .
 The program is a Windows program and runs under Wine, in a prefix of each
 user's own. The command tallyvane answers from the same tables in a
 terminal, natively and without a window.
EOF
chmod 644 "$stage/DEBIAN/control"

(cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
chmod 644 "$stage/DEBIAN/md5sums"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --build --root-owner-group "$stage" "$deb" >/dev/null
echo "make-deb: $deb"
