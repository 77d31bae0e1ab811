#!/usr/bin/env bash
# Installs a build into a scratch root and checks what was installed.
#   install_and_check.sh CMAKE BUILD_DIR
set -euo pipefail

cmake="${1:?usage: install_and_check.sh CMAKE BUILD_DIR}"
build="${2:?usage: install_and_check.sh CMAKE BUILD_DIR}"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

"$cmake" --install "$build" --prefix "$root/usr" >/dev/null
"$(dirname "$0")/check_installed.sh" "$root/usr"
