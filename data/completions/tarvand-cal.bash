# bash completion for tarvand-cal                                   -*- shell-script -*-

_tarvand_cal() {
    local cur prev words cword
    _init_completion -s || return

    case $prev in
        --color | --colour)
            COMPREPLY=($(compgen -W 'auto always never' -- "$cur"))
            return
            ;;
        -n | --months | -d | --date)
            return
            ;;
    esac
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--one --three --year --months= --julian --week --date= --solar
            --hijri --persian --afghan --color --color= --no-events --ics --ics= --help --version -1 -3 -y
            -n -j -w -d -g -H -p -h' -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
    else
        COMPREPLY=($(compgen -W 'Farvardin Ordibehesht Khordad Tir Mordad Shahrivar Mehr Aban
            Azar Dey Bahman Esfand' -- "$cur"))
    fi
} &&
    complete -F _tarvand_cal tarvand-cal
