#!/usr/bin/env bash
# Installs the build into a temporary prefix and validates what a desktop reads; then builds the
# Debian package twice, from two clones of the last commit in different folders, and checks that
# both are the same bytes, that lintian finds nothing to say, and that the binaries are hardened.
source "$(dirname "$0")/../checks.sh"
build=$1 source=$2

id=org.tarvand.tarvand
files=(bin/tarvand bin/tarvand-date bin/tarvand-cal share/applications/$id.desktop
    share/applications/$id-tray.desktop
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg
    share/man/man1/tarvand.1.gz share/man/man1/tarvand-date.1.gz share/man/man1/tarvand-cal.1.gz
    share/man/man1/tarvand-times.1.gz bin/tarvand-times share/tarvand/iran-afghanistan-places.txt
    share/doc/tarvand/copyright share/doc/tarvand/changelog.gz share/locale/fa/LC_MESSAGES/tarvand.mo
    share/man/fa/man1/tarvand.1.gz share/man/fa/man1/tarvand-cal.1.gz
    share/man/fa/man1/tarvand-date.1.gz share/man/fa/man1/tarvand-times.1.gz)
for command in tarvand-date tarvand-cal tarvand-times; do
    files+=(share/bash-completion/completions/$command share/zsh/vendor-completions/_$command)
done
for size in 16 24 32 48; do files+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done

cmake --install "$build" --prefix "$work/usr" >/dev/null || fail "cmake --install"
for f in "${files[@]}"; do [ -s "$work/usr/$f" ] || fail "not installed: $f"; done
for size in 16 24 32 48; do
    file "$work/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size" ||
        fail "the $size px icon is not $size px"
done
for entry in $id $id-tray; do
    said=$(desktop-file-validate "$work/usr/share/applications/$entry.desktop" 2>&1) &&
        [ -z "$said" ] || fail "desktop-file-validate $entry: $said"
done
said=$(appstreamcli validate --no-net --pedantic --strict "$work/usr/share/metainfo/$id.metainfo.xml" 2>&1)
[ $? = 0 ] && ! grep -qE '^[EWIP]:' <<<"$said" || fail "appstreamcli: $said"
# In Persian too, from the catalogue: each entry's four texts, and the AppStream name, summary and
# every paragraph of the description.
for entry in $id $id-tray; do
    [ "$(grep -cE '^(Name|GenericName|Comment|Keywords)\[fa\]=' "$work/usr/share/applications/$entry.desktop")" = 4 ] ||
        fail "$entry.desktop is not translated into Persian"
done
[ "$(grep -c 'xml:lang="fa"' "$work/usr/share/metainfo/$id.metainfo.xml")" = \
    "$(grep -cE "<(name|summary|p)>" "$work/usr/share/metainfo/$id.metainfo.xml")" ] ||
    fail "the AppStream file is not wholly translated into Persian"

# The Persian manual pages as man -L fa shows them: Persian, with the same options as the English
# ones; on a terminal that reorders right-to-left text (fribidi shows what it draws) every line
# is still there and the Latin words stay whole.
for page in tarvand tarvand-cal tarvand-date tarvand-times; do
    said=$(MANWIDTH=80 man -l "$work/usr/share/man/fa/man1/$page.1.gz" 2>&1)
    english=$(MANWIDTH=80 man -l "$work/usr/share/man/man1/$page.1.gz" 2>/dev/null)
    shown=$(fribidi --nopad --nobreak <<<"$said")
    grep -q 'تقویم' <<<"$said" && ! grep -qi 'warning' <<<"$said" &&
        [ "$(grep -oE -- '--[a-z]+' <<<"$said" | sort -u)" = "$(grep -oE -- '--[a-z]+' <<<"$english" | sort -u)" ] &&
        [ "$(wc -l <<<"$shown")" = "$(wc -l <<<"$said")" ] && grep -q "$page - " <<<"$shown" ||
        fail "the Persian manual page of $page: $said"
done

# On a terminal with bidi (fribidi draws as it does) every Persian line reads in order: each
# page as groff lays it out for man, unadjusted so that wide blanks part only a tag from its
# description, and Qt's --help of the window.
for page in tarvand tarvand-cal tarvand-date tarvand-times; do
    { printf '.ad l\n.rm ad\n'; zcat "$work/usr/share/man/fa/man1/$page.1.gz"; } |
        groff -k -man -Tutf8 -P-cbou -rLL=80n -rHY=0 2>&1 |
        /usr/bin/python3 "$(dirname "$0")/../cli/reads_in_order.py" --prose >"$work/said" 2>&1 ||
        fail "the Persian page of $page, out of order under bidi: $(cat "$work/said")"
done
env -u TARVAND_LOCALEDIR LANGUAGE=fa LC_ALL=fa_IR.UTF-8 QT_QPA_PLATFORM=offscreen "$work/usr/bin/tarvand" --help |
    /usr/bin/python3 "$(dirname "$0")/../cli/reads_in_order.py" >"$work/said" 2>&1 ||
    fail "tarvand --help in Persian, out of order under bidi: $(cat "$work/said")"

# The installed programs find their catalogue beside them, with no variable set: Persian in a
# Persian locale; and the indicator's view in Persian, not half English (offscreen).
for command in tarvand-date tarvand-cal; do
    said=$(env -u TARVAND_LOCALEDIR LANGUAGE= LC_ALL=fa_IR.UTF-8 "$work/usr/bin/$command" --bogus 2>&1)
    grep -q 'گزینهٔ ناشناخته' <<<"$said" || fail "the installed $command speaks no Persian: $said"
done
said=$(env -u TARVAND_LOCALEDIR LANGUAGE= LC_ALL=fa_IR.UTF-8 QT_QPA_PLATFORM=offscreen \
    "$work/usr/bin/tarvand" --bogus 2>&1)
grep -q 'ناشناخته' <<<"$said" || fail "the installed tarvand speaks no Persian: $said"

# Each manual page names the same long options as --help.
for command in tarvand-date tarvand-cal tarvand-times; do
    help_options=$("$work/usr/bin/$command" --help | grep -oE -- '--[a-z-]+' | sort -u)
    man_options=$(zcat "$work/usr/share/man/man1/$command.1.gz" |
        grep -oE -- '\\-\\-[a-z]+(\\-[a-z]+)*' | tr -d '\\' | sort -u)
    [ -n "$help_options" ] && [ "$help_options" = "$man_options" ] ||
        fail "$command: options in --help ($help_options) and the manual page ($man_options) differ"
done

# Bash completes the layouts after -l, and the options.
completion() {
    bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
        _tarvand_date; echo "${COMPREPLY[*]}"' sh "$work/usr/share/bash-completion/completions/tarvand-date" "$@"
}
[ "$(completion tarvand-date -l '')" = "0 1 2 3" ] || fail "bash completion after -l: $(completion tarvand-date -l '')"
[ "$(completion tarvand-date --to)" = "--to-gregorian" ] || fail "bash completion of --to"
completion_cal() {
    bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
        _tarvand_cal; echo "${COMPREPLY[*]}"' sh "$work/usr/share/bash-completion/completions/tarvand-cal" "$@"
}
[ "$(completion_cal tarvand-cal M)" = "Mordad Mehr" ] || fail "bash completion of tarvand-cal M"

# Two package builds from the same commit, in different folders.
for copy in a b/c; do
    git clone -q "$source" "$work/$copy/tarvand" && "$work/$copy/tarvand/script/package" "$work/$copy/out" \
        >/dev/null || fail "script/package in $copy"
done
deb=$(ls "$work"/a/out/tarvand_1.00_*.deb 2>/dev/null)
[ -f "$deb" ] || fail "no tarvand_1.00_<arch>.deb"
cmp -s "$deb" "$work"/b/c/out/tarvand_1.00_*.deb || fail "two builds of one commit differ"
said=$(lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v 'root privileges')
[ $? = 0 ] && ! grep -qE '^[EW]:|hardening' <<<"$said" || fail "lintian: $said"

dpkg-deb -x "$deb" "$work/x"
for f in "${files[@]}"; do [ -s "$work/x/usr/$f" ] || fail "not in the package: $f"; done
[ "$("$work/x/usr/bin/tarvand-date" --version)" = "tarvand-date 1.00" ] || fail "packaged tarvand-date"
for program in tarvand tarvand-date tarvand-cal; do
    elf=$(readelf -W --dynamic --program-headers --dyn-syms "$work/x/usr/bin/$program")
    for mark in 'FLAGS_1.*NOW.*PIE' 'GNU_RELRO' '__stack_chk_fail' '__[a-z]*_chk@'; do
        grep -qE "$mark" <<<"$elf" || fail "$program is not hardened: no $mark"
    done
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libc6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
