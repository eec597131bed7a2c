#!/usr/bin/env bash
# Checks every library below libs/tol against what the translator reads and against the rest
# of the installation: a header is comment lines around one Extern block of lines of the form
# "Function tol_name(parameters)"; no function or parameter takes a reserved word; function
# names are unique over all libraries; the module's PHP defines each function on one line with
# the same parameters and defaults, and no other tol_ function; config/functions.txt and
# docs/library.md name every function. Usage: check_headers.sh <source root>
set -uo pipefail

root=${1:?usage: check_headers.sh <source root>}
problems=0
problem() {
    echo "$*"
    problems=$((problems + 1))
}

# PHP's reserved words and the language's keywords, in lower case.
declare -A reserved
while IFS=: read -r word _; do
    word=${word%$'\r'}
    [ -n "$word" ] && reserved[${word,,}]=1
done < <(cat "$root/config/php.txt" "$root/config/keywords.txt")

# The one form of a declaration: a default is a single token (a number without sign, a string
# without "~", or true, false, null). Names are written in lower case, as the lexer gives them.
value='([0-9]+(\.[0-9]+)?|"[^"~]*"|true|false|null)'
param="[a-z][a-z0-9_]*( = $value)?"
declaration="^Function tol_([a-z][a-z0-9]*)\\((($param)(, $param)*)?\\)\$"
first_param="^([a-z][a-z0-9_]*)( = $value)?(, (.*))?\$"
php_function='^function tol_([a-z0-9]+)\((.*)\)'
folder_name='^[a-z][a-z0-9_]*$'

declare -A declared  # function name => header that declares it

# check_header <header> <php file>
check_header() {
    local header=$1 php=$2 state=before number=0 line name params rest where
    local -A defined  # tol_ function of the PHP => its parameters written as in a header
    while IFS= read -r line; do
        if [[ $line =~ $php_function ]]; then
            params=${BASH_REMATCH[2]//[&\$]/}
            defined[${BASH_REMATCH[1]}]=${params//\'/\"}
        fi
    done <"$php"
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        where="$header:$number"
        if [ $number -eq 1 ] && [[ $line != "'"* ]]; then
            problem "$where: a header starts with a comment saying what the module is"
        fi
        if [[ $line == *$'\r'* ]]; then
            problem "$where: carriage return"
        elif [[ $line == "'"* || -z $line ]]; then
            continue
        elif [[ $state == before && $line == Extern ]]; then
            state=inside
        elif [[ $state == inside && $line == EndExtern ]]; then
            state=after
        elif [[ $state == inside && $line =~ $declaration ]]; then
            name=${BASH_REMATCH[1]}
            params=${BASH_REMATCH[2]}
            [ -n "${declared[$name]:-}" ] &&
                problem "$where: tol_$name is declared in ${declared[$name]} too"
            declared[$name]=$header
            [ -n "${reserved[$name]:-}" ] && problem "$where: '$name' is a reserved word"
            rest=$params
            while [[ $rest =~ $first_param ]]; do
                [ -n "${reserved[${BASH_REMATCH[1]}]:-}" ] &&
                    problem "$where: parameter '${BASH_REMATCH[1]}' is a reserved word"
                rest=${BASH_REMATCH[6]}
            done
            if [ -z "${defined[$name]+set}" ]; then
                problem "$where: $php does not define tol_$name on one line"
            elif [ "${defined[$name]}" != "$params" ]; then
                problem "$where: tol_$name($params) but the PHP has (${defined[$name]})"
            fi
            unset "defined[$name]"
        else
            problem "$where: not a comment, Extern, EndExtern or declaration line: $line"
        fi
    done <"$header"
    [ $state == after ] || problem "$header: no complete Extern ... EndExtern block"
    # What is left is public in the PHP but not declared (tol__ names are private helpers).
    for name in "${!defined[@]}"; do
        problem "$php: tol_$name is not declared in $header"
    done
}

libraries=("$root"/libs/tol/*/)
[ -d "${libraries[0]}" ] || problem "no library below $root/libs/tol"
for library in "${libraries[@]}"; do
    library=${library%/}
    [[ $(basename "$library") =~ $folder_name ]] || problem "$library: not a plain lower-case name"
    for module in "$library"/*/; do
        module=${module%/}
        name=$(basename "$module")
        [[ $name =~ $folder_name ]] || problem "$module: not a plain lower-case name"
        if [ ! -f "$module/$name.hol" ] || [ ! -f "$module/$name.php" ]; then
            problem "$module: needs $name.hol and $name.php"
            continue
        fi
        check_header "$module/$name.hol" "$module/$name.php"
    done
done

# The reference page has a heading "### Name(" for each function.
declare -A documented
while IFS= read -r line; do
    [[ $line =~ ^\#\#\#\ ([A-Za-z0-9]+)\( ]] && documented[${BASH_REMATCH[1]}]=1
done <"$root/docs/library.md"

# The word list: "Name:description", one line per function, in the spelling users see.
words="$root/config/functions.txt"
declare -A listed
while IFS= read -r line || [ -n "$line" ]; do
    if [[ ! $line =~ ^([A-Za-z][A-Za-z0-9]*):.+$ ]]; then
        problem "$words: not of the form Name:description: $line"
        continue
    fi
    word=${BASH_REMATCH[1]}
    [ -n "${listed[${word,,}]:-}" ] && problem "$words: $word is listed twice"
    listed[${word,,}]=1
    [ -n "${declared[${word,,}]:-}" ] || problem "$words: $word is no library function"
    [ -n "${documented[$word]:-}" ] || problem "docs/library.md: no heading ### $word("
done <"$words"
for name in "${!declared[@]}"; do
    [ -n "${listed[$name]:-}" ] || problem "$words: tol_$name is missing"
done

if [ $problems -gt 0 ]; then
    echo "$problems problem(s)"
    exit 1
fi
