# Reads bit-hydraulics-cli's own help, so that its manual page and its shell completion list
# every subcommand and option the program has, without a list kept by hand. Sourced by
# make-cli-man-page and make-completion beside this file.
#
# The help has this shape: a description, a "Usage:" line, item lists under headings such as
# "Positionals:" and "Options:", a "Subcommands:" list (each name at the start of a line with its
# details indented below it, or indented with its description beside it), and notes shared by
# every command (inputs, exit status, examples). "PROGRAM SUBCOMMAND --help" prints the
# subcommand's own description, usage and items, followed by the same notes.

# The subcommands "PROGRAM --help" lists, one a line. Each must answer "PROGRAM NAME --help"
# with its own usage line; a listed name that does not, or finding none, is an error, so that a
# change in the help's layout stops the build instead of dropping subcommands unseen.
cliSubcommands() {
    local program=$1 help names name
    help=$("$program" --help)
    names=$(awk '
        /^(Subcommands|SUBCOMMANDS):[[:space:]]*$/ { inList = 1; next }
        !inList || /^[[:space:]]*$/ { next }
        /^[a-z][a-z0-9_-]*[[:space:]]*$/ { print $1; next }
        /^  [a-z][a-z0-9_-]*([[:space:]][[:space:]]+.*)?$/ { print $1; next }
        /^[^[:space:]]/ { exit }' <<<"$help")
    if [ -z "$names" ]; then
        echo "cli-help: '$program --help' lists no subcommands" >&2
        return 1
    fi
    for name in $names; do
        "$program" "$name" --help | grep -E "^Usage: (.* )?$name( |\$)" >/dev/null || {
            echo "cli-help: '$program $name --help' shows no usage of '$name'" >&2
            return 1
        }
        echo "$name"
    done
}

# The usage of one subcommand, from "Usage:" on its help, as "NAME SUBCOMMAND ...", whether or
# not that line names the program (NAME as the top-level usage line names it).
cliSubcommandUsage() {
    local program=$1 subcommand=$2 name usage
    name=$(grep -m1 '^Usage:' <<<"$("$program" --help)" | awk '{ print $2 }')
    usage=$(grep -m1 '^Usage:' <<<"$("$program" "$subcommand" --help)")
    usage=${usage#Usage: }
    echo "$name $subcommand ${usage#*"$subcommand" }"
}

# The top-level help without its list of subcommands.
cliTopHelp() {
    "$1" --help | awk '
        /^(Subcommands|SUBCOMMANDS):[[:space:]]*$/ { inList = 1; next }
        inList && /^[^[:space:]]/ && !/^[a-z][a-z0-9_-]*[[:space:]]*$/ { inList = 0 }
        !inList { print }'
}

# The top-level help without its list of subcommands and without the notes.
cliTopCommandHelp() {
    local program=$1 subcommands notes
    subcommands=$(cliSubcommands "$program")
    notes=$(cliNotes "$program" "${subcommands%%$'\n'*}" | wc -l)
    cliTopHelp "$program" | head -n "-$notes"
}

# The notes at the end of the top-level help that every subcommand's help repeats: the lines the
# top-level help and "PROGRAM SUBCOMMAND --help" end with alike, from the first non-blank one.
cliNotes() {
    local program=$1 subcommand=$2
    cliCommonEnd <("$program" --help) <("$program" "$subcommand" --help)
}

# The help of one subcommand without the notes it shares with the top-level help.
cliSubcommandHelp() {
    local program=$1 subcommand=$2 notes
    notes=$(cliNotes "$program" "$subcommand" | wc -l)
    "$program" "$subcommand" --help | head -n "-$notes" | awk '
        { lines[NR] = $0 }
        /[^[:space:]]/ { last = NR }
        END { for (i = 1; i <= last; i++) print lines[i] }'
}

# The lines two files end with alike, leading blank lines dropped.
cliCommonEnd() {
    awk '
        FNR == NR { a[++na] = $0; next }
        { b[++nb] = $0 }
        END {
            n = 0
            while (n < na && n < nb && a[na - n] == b[nb - n]) n++
            start = na - n + 1
            while (start <= na && a[start] ~ /^[[:space:]]*$/) start++
            for (i = start; i <= na; i++) print a[i]
        }' "$1" "$2"
}
