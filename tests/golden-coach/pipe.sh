#!/usr/bin/env bash
# kvint-coach on a pipe, as a program drives it: each query is written only
# after the answer to the one before has been read. A tool that held its
# answer back until more input came or the input ended would leave a read
# here waiting, and the test fails at the read's time limit.
#   tests/golden-coach/pipe.sh KVINT-COACH
set -euo pipefail
coproc COACH { "$1"; }
to=${COACH[1]}
from=${COACH[0]}
pid=$COACH_PID

ask() {
    local answer
    echo "$1" >&"$to"
    if ! IFS= read -r -t 60 answer <&"$from"; then
        echo "no answer to: $1" >&2
        exit 1
    fi
    if [[ ! $answer =~ $2 ]]; then
        echo "to: $1" >&2
        echo "answered: $answer" >&2
        exit 1
    fi
}

query="advise level 2 mode 0 side left roll 1 left 0 0 9 0 0 0 0 0 0 0 0 right 0 4 0 0 0 0 30 0 0 0 0 dice 6 6 2 6 1 6"
ask "$query" '^(reroll( [1-6])+|write [0-9]+|pass) win [01]\.[0-9]{4}$'
ask "advise level 5" "^error level must be "
ask "${query/roll 1/roll 3}" '^(write [0-9]+|pass) win [01]\.[0-9]{4}$'
exec {to}>&-
wait "$pid"
