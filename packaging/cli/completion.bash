# The completion logic over the tables above: the subcommand given so far picks the options and
# positionals offered; after an option that takes a value, its choices (or files, or nothing).
_bit_hydraulics_cli() {
    local cur prev words cword split
    _init_completion -s || return

    # The subcommand: the first word before the one being completed that names one.
    local command=@ i
    for ((i = 1; i < cword; i++)); do
        if [[ " $_bit_hydraulics_cli_subcommands " == *" ${words[i]} "* ]]; then
            command=${words[i]}
            break
        fi
    done

    if [[ -n ${_bit_hydraulics_cli_values[$command $prev]+set} ]]; then
        local values=${_bit_hydraulics_cli_values[$command $prev]}
        case $values in
            @files) _filedir ;;
            '*') ;;
            *) mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur") ;;
        esac
        return
    fi
    $split && return

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${_bit_hydraulics_cli_options[$command]}" -- "$cur")
        return
    fi
    local positionals=" ${_bit_hydraulics_cli_positionals[$command]} "
    [[ $positionals == *" files "* ]] && _filedir
    # NAME=TEXT: the name and its "=", then the text is the user's.
    if [[ $positionals == *" fields "* && $cur != *=* ]]; then
        mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY \
            < <(compgen -S = -W "$_bit_hydraulics_cli_fields" -- "$cur")
    fi
    if [[ $command == @ ]]; then
        mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY \
            < <(compgen -W "$_bit_hydraulics_cli_subcommands" -- "$cur")
    fi
    # No blank after a completed "NAME=", so that its text follows at once.
    if ((${#COMPREPLY[@]} > 0)) && [[ -z $(printf '%s\n' "${COMPREPLY[@]}" | grep -v '=$') ]]; then
        compopt -o nospace
    fi
} &&
    complete -F _bit_hydraulics_cli bit-hydraulics-cli
