#!/usr/bin/env bash
# cmake --install of this build into a scratch prefix, then check_installed.sh on it.
#   install_test.sh BUILD-DIR SOURCE-DIR [EXTRA-CXXFLAGS]
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch/prefix" >/dev/null
"$2/tests/install/check_installed.sh" "$scratch/prefix" "$2/tests/install/consumer" "$scratch" "${3:-}"
