# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for mezzurix-convert. The build fills in the category and unit names from the
# program's own --list, so they always match the names it reads.

_mezzurix_convert_categories='@CATEGORY_WORDS@'
# Every unit name after the number of its category (in --list order) and a tab.
_mezzurix_convert_units='@UNIT_NAMES@'
# The words that stand between the two units of a query.
_mezzurix_convert_separators=$'to\ninto\nin\nas\n>\n->\n=>\n\u2192\n='

# The vulgar fractions a value may be written with, as alternatives of a regular expression.
_mezzurix_convert_fractions='¼|½|¾|⅐|⅑|⅒|⅓|⅔|⅕|⅖|⅗|⅘|⅙|⅚|⅛|⅜|⅝|⅞'

# True when $1 starts the way a value does: "24", "-40", ".5", "½".
_mezzurix_convert_is_value()
{
    local pattern="^([-+]|−)?([.,]?[0-9]|$_mezzurix_convert_fractions)"
    [[ $1 =~ $pattern ]]
}

# The categories (numbers, one a line) of the unit named $1, in any case. Both sides are lowered
# by awk alike, whatever it makes of letters beyond ASCII ("Ω", "Å").
_mezzurix_convert_categories_of()
{
    awk -F '\t' -v name="$1" 'tolower($2) == tolower(name) { print $1 }' <<<"$_mezzurix_convert_units"
}

# The names that start with $1 (any case), those of the categories in $2 (one a line) first.
# With $3, a start of $1, only the part of each name after it is given.
_mezzurix_convert_names_from()
{
    awk -F '\t' -v prefix="$1" -v first=$'\n'"$2"$'\n' -v typed="${3:-}" '
        index(tolower($2), tolower(prefix)) == 1 {
            name = substr($2, length(typed) + 1)
            if (index(first, "\n" $1 "\n")) preferred[++p] = name; else others[++o] = name
        }
        END {
            for (i = 1; i <= p; i++) if (!seen[preferred[i]]++) print preferred[i]
            for (i = 1; i <= o; i++) if (!seen[others[i]]++) print others[i]
        }' <<<"$_mezzurix_convert_units"
}

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
            # As bash completes file names: a directory gets its "/" and no space after it.
            compopt -o filenames
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --list)
            COMPREPLY=($(compgen -W "$_mezzurix_convert_categories"$'\ncurrencies' -- "$cur"))
            return ;;
    esac

    # The words before the one being completed, split at blanks, without quotes or backslashes
    # ("sq\ ft" is two words of a name); options stand before the query, which starts at its value.
    local -a words
    local before=${COMP_LINE:0:COMP_POINT}
    IFS=$' \t' read -ra words <<<"${before%"$cur"}"
    words=("${words[@]//[\'\"\\]/}")
    local i value=-1
    for ((i = 1; i < ${#words[@]}; i++)); do
        case ${words[i]} in
            -d|--decimals|-f|--file) ((i++)) ;;
            --) value=$((i + 1)); break ;;
            *) if _mezzurix_convert_is_value "${words[i]}"; then value=$i; break; fi ;;
        esac
    done
    if ((value < 0 || value >= ${#words[@]})); then
        [[ $cur == -* ]] && ! _mezzurix_convert_is_value "$cur" &&
            COMPREPLY=($(compgen -W $'-t\n--terse\n-d\n--decimals\n--digits\n--explain\n--json\n-f\n--file\n--list\n--update-rates\n--offline\n--regional\n--no-regional\n-h\n--help\n--version' -- "$cur"))
        return
    fi

    # The unit words after the value; a unit glued to the value ("24in") is its first word.
    local -a unit=("${words[@]:value+1}")
    local glued=${words[value]}
    local number="^([-+]|−)?([0-9.,/]|$_mezzurix_convert_fractions)*([eE][-+]?[0-9]+)?"
    [[ $glued =~ $number ]] && glued=${glued:${#BASH_REMATCH[0]}}
    [[ -n $glued ]] && unit=("$glued" "${unit[@]}")
    # The last separator whose words before it name a unit: the into unit is being typed after
    # it, and the units of the from unit's category come first.
    local categories="" typed=("${unit[@]}") s
    for ((s = ${#unit[@]} - 1; s >= 1; s--)); do
        [[ $'\n'$_mezzurix_convert_separators$'\n' == *$'\n'"${unit[s]}"$'\n'* ]] || continue
        categories=$(_mezzurix_convert_categories_of "$(IFS=' '; echo "${unit[*]:0:s}")")
        if [[ -n $categories ]]; then
            typed=("${unit[@]:s+1}")
            break
        fi
    done
    # No separator yet: the into unit may follow the from unit directly.
    local separated=$categories
    [[ -z $categories ]] && categories=$(_mezzurix_convert_categories_of "$(IFS=' '; echo "${unit[*]}")")

    # A name of several words: the words typed so far and the one being typed start it.
    local quote="" word=$cur
    [[ $word == [\'\"]* ]] && quote=${word:0:1} word=${word:1}
    [[ -z $quote ]] && word=${word//\\/}  # "sq\ f" is "sq f"
    local -a replies=()
    if ((${#typed[@]} > 0)); then
        local start
        start="$(IFS=' '; echo "${typed[*]}") "
        replies=($(_mezzurix_convert_names_from "$start$word" "$categories" "$start"))
    fi
    replies+=($(_mezzurix_convert_names_from "$word" "$categories"))
    [[ -z $separated && -n $categories ]] && replies+=($(compgen -W "$_mezzurix_convert_separators" -- "$word"))
    if [[ -z $quote ]]; then
        replies=("${replies[@]// /\\ }")
        replies=("${replies[@]//(/\\(}")
        replies=("${replies[@]//)/\\)}")
    fi
    compopt -o nosort
    # Each reply once, in order.
    local -A seen=()
    local reply
    COMPREPLY=()
    for reply in "${replies[@]}"; do
        [[ -n $reply && -z ${seen[$reply]+1} ]] || continue
        seen[$reply]=1
        COMPREPLY+=("$reply")
    done
}
complete -F _mezzurix_convert mezzurix-convert
