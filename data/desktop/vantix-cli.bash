# Bash completion of vantix-cli. The groups, commands and options come from the
# program's own --help texts, so that they never differ from what it accepts.
_vantix_cli() {
    local cli=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local i words=()
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --machine) ((i++)) ;;
            *) words+=("${COMP_WORDS[i]}") ;;
        esac
    done
    if [[ $prev == --machine ]]; then
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
        return
    fi
    local candidates
    case ${#words[@]} in
        0) candidates="--machine --help $("$cli" --help 2>/dev/null | sed -n 's/^  \([a-z]*\)\t.*/\1/p')" ;;
        1) candidates="--help $("$cli" "${words[0]}" --help 2>/dev/null |
               sed -n "s/^  ${words[0]} \([a-z]*\).*/\1/p" | sort -u)" ;;
        *) candidates="--help $("$cli" "${words[0]}" --help 2>/dev/null |
               grep "^  ${words[0]} ${words[1]}\b" | grep -o -- '--[a-z-]*' | sort -u)" ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W "$candidates" -- "$cur")
}
complete -o default -F _vantix_cli vantix-cli
