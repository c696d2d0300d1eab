# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for mezzurix-convert. The build fills in the category and unit names from the
# program's own --list, so they always match the names it reads.

_mezzurix_convert_categories='@CATEGORY_WORDS@'
_mezzurix_convert_units='@UNIT_NAMES@'

_mezzurix_convert()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local IFS=$'\n'
    case $prev in
        -d|--decimals)
            COMPREPLY=($(compgen -W "$(printf '%s\n' {0..30})" -- "$cur"))
            return ;;
        --digits)
            COMPREPLY=($(compgen -W "$(printf '%s\n' {1..17})" -- "$cur"))
            return ;;
        -f|--file)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --list)
            COMPREPLY=($(compgen -W "$_mezzurix_convert_categories" -- "$cur"))
            return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W $'-t\n--terse\n-d\n--decimals\n--digits\n--explain\n--json\n-f\n--file\n--list\n--regional\n-h\n--help\n--version' -- "$cur"))
        return
    fi
    # After the value: unit names and the separator words.
    COMPREPLY=($(compgen -W "$_mezzurix_convert_units"$'\nto\ninto\nas' -- "$cur"))
}
complete -F _mezzurix_convert mezzurix-convert
