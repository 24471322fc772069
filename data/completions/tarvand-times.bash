# bash completion for tarvand-times                                 -*- shell-script -*-

_tarvand_times() {
    local cur prev words cword
    _init_completion -s || return

    case $prev in
        -c | --city)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$(tarvand-times --list-cities 2>/dev/null | cut -f1)" -- "$cur"))
            return
            ;;
        --at)
            return
            ;;
    esac
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--city= --at= --month --next --list-cities --persian --help
            --version -c -m -p -h' -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
    fi
} &&
    complete -F _tarvand_times tarvand-times
