#!/bin/bash
# Completes command lines with the bash completion that the build made, as bash would on Tab,
# in a folder whose file names hold spaces.
#
# bash_completion_test.sh COMPLETION_SCRIPT
set -u
source "$1" || exit 1
cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
touch 'my list.txt' 'other.txt'

failed=0
if [[ $(complete -p vilify 2>&1) != "complete -F _vilify vilify" ]]; then
    echo "FAIL: the script does not tie _vilify to vilify"
    failed=1
fi
# complete EXPECTED WORD... : the candidates for the last word, one a line, as EXPECTED.
complete_words() {
    local expected="$1"
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _vilify 2>/dev/null
    local got
    got="$(printf '%s\n' "${COMPREPLY[@]}" | sort)"
    if [[ $got != "$expected" ]]; then
        echo "FAIL: vilify ${*:2}: got [$got], expected [$expected]"
        failed=1
    fi
}

both=$'my list.txt\nother.txt'
complete_words 'my list.txt' vilify --list my
complete_words "$both" vilify --list ''
complete_words "$both" vilify --li ''
complete_words 'my list.txt' vilify --list = my
complete_words "$both" vilify --exclude =
complete_words '--list=my list.txt' vilify --list=my
complete_words '--ch=my list.txt' vilify --ch=my
complete_words "$both" vilify --check ''
complete_words "$both" vilify --exclude a.txt --excl ''
complete_words '' vilify -n ''
complete_words '' vilify --seed-text ''
complete_words '' vilify --max ''
complete_words $'de\nen\nes\nfr' vilify --language ''
complete_words 'es' vilify --lang es
complete_words $'en\nes' vilify --language e
complete_words '--language=fr' vilify --language=f
complete_words 'de' vilify --language = d
complete_words '--single' vilify --sing
complete_words '-z' vilify -z
complete_words '-n' vilify -n
complete_words $'--no-commas\n--no-length-order' vilify --no
complete_words $'--seed\n--seed-text\n--show-seed\n--single' vilify --s
complete_words $'--seed\n--seed-text\n--show-seed\n--single' vilify --count 3 --s

[[ $failed == 0 ]] && echo "bash completion: every case passed"
exit $failed
