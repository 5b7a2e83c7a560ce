# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion of korvane-tool: its commands, each command's options, the
# patch actions and formats, the languages, and file names.

_korvane_tool()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local command=${COMP_WORDS[1]}
    COMPREPLY=()
    if [[ $COMP_CWORD -eq 1 ]]; then
        COMPREPLY=($(compgen -W "info fix export import diff locate patch --help --version --lang" -- "$cur"))
        return
    fi
    local options="-h --help --help-all --lang"
    case $command in
        info) options+=" --json --check" ;;
        fix) options+=" --force" ;;
        export) options+=" -o --output --layout" ;;
        import) options+=" --dry-run --no-fix --force --layout --edit-anyway" ;;
        diff) options+=" --json" ;;
        locate) options+=" -o --output" ;;
        patch)
            options+=" --format --json"
            if [[ $COMP_CWORD -eq 2 && $cur != -* ]]; then
                COMPREPLY=($(compgen -W "create apply info" -- "$cur"))
                return
            fi
            ;;
        *) return ;;
    esac
    if [[ $prev == --lang ]]; then
        COMPREPLY=($(compgen -W "en pt_BR es" -- "$cur"))
    elif [[ $prev == --format ]]; then
        COMPREPLY=($(compgen -W "bps ips" -- "$cur"))
    elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    else
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _korvane_tool korvane-tool
