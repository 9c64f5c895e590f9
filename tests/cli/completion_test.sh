#!/usr/bin/env bash
# The bash completion of vantix-cli offers what the program's --help texts name.
#   completion_test.sh COMPLETION-FILE PROGRAM-FOLDER
set -uo pipefail
source "$1"
export PATH="$2:$PATH"
failed=0
expect() {
    local want=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    _vantix_cli
    if [[ "${COMPREPLY[*]}" != "$want" ]]; then
        echo "completing [$*]: got [${COMPREPLY[*]}], expected [$want]"
        failed=1
    fi
}
expect "fn" vantix-cli f
expect "catalogue" vantix-cli --machine /nowhere ca
expect "apply" vantix-cli fn ap
expect "--dry-run" vantix-cli --machine /nowhere fn apply 101 A --d
expect "--all" vantix-cli fn list --a
expect "create" vantix-cli machine c
exit $failed
