#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it (any arguments go to the editor).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec build/src/kvxedit "$@"
