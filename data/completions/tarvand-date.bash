# bash completion for tarvand-date                                  -*- shell-script -*-

_tarvand_date() {
    local cur prev words cword
    _init_completion -s || return

    case $prev in
        -f | --file | -r | --reference)
            _filedir
            return
            ;;
        -l | --layout)
            COMPREPLY=($(compgen -W '0 1 2 3' -- "$cur"))
            return
            ;;
        -d | --date | --holidays)
            return
            ;;
    esac
    $split && return

    if [[ $cur == +* ]]; then
        # Formats to start from: the Solar date, the Hijri date as Iran keeps it, ISO 8601.
        COMPREPLY=($(compgen -W '+%Y/%m/%d +%L/%J/%i +%F' -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--date= --file= --reference= --utc --universal --layout= --all
            --to-gregorian --hijri --quiet --persian --afghan --holidays= --help --version
            -d -f -r -u -l -a -g -H -q -p -h' \
            -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
    fi
} &&
    complete -F _tarvand_date tarvand-date
