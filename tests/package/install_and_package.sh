#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates what a desktop reads, builds the Debian
# package and checks what is inside it.
source "$(dirname "$0")/../checks.sh"
build=$1

id=org.tarvand.tarvand
files=(bin/tarvand bin/tarvand-date share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg share/man/man1/tarvand.1 share/man/man1/tarvand-date.1)
for size in 16 24 32 48; do files+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done

cmake --install "$build" --prefix "$work/usr" >/dev/null || fail "cmake --install"
for f in "${files[@]}"; do [ -s "$work/usr/$f" ] || fail "not installed: $f"; done
for size in 16 24 32 48; do
    file "$work/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size" ||
        fail "the $size px icon is not $size px"
done
said=$(desktop-file-validate "$work/usr/share/applications/$id.desktop" 2>&1) && [ -z "$said" ] ||
    fail "desktop-file-validate: $said"
said=$(appstreamcli validate --no-net --pedantic --strict "$work/usr/share/metainfo/$id.metainfo.xml" 2>&1)
[ $? = 0 ] && ! grep -qE '^[EWIP]:' <<<"$said" || fail "appstreamcli: $said"

# The manual page names the same long options as --help.
help_options=$("$work/usr/bin/tarvand-date" --help | grep -oE -- '--[a-z]+' | sort -u)
man_options=$(grep -oE -- '\\-\\-[a-z]+' "$work/usr/share/man/man1/tarvand-date.1" | tr -d '\\' | sort -u)
[ -n "$help_options" ] && [ "$help_options" = "$man_options" ] ||
    fail "options in --help ($help_options) and the manual page ($man_options) differ"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null) || fail cpack
deb=$(ls "$work"/pkg/tarvand_1.00_*.deb 2>/dev/null)
[ -f "$deb" ] || fail "no tarvand_1.00_<arch>.deb"
dpkg-deb -x "$deb" "$work/x"
for f in "${files[@]}"; do [ -s "$work/x/usr/$f" ] || fail "not in the package: $f"; done
[ "$("$work/x/usr/bin/tarvand-date" --version)" = "tarvand-date 1.00" ] || fail "packaged tarvand-date"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libc6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
for field in Maintainer Section Description; do
    [ -n "$(dpkg-deb -f "$deb" $field)" ] || fail "no $field field"
done
