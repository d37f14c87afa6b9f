#!/usr/bin/env bash
# PNGs of the editor's window and dialogs in English and each translation, on a 1280x800 X screen:
#   screenshots.sh FOLDER [BUILD]     FOLDER/LANG/*.png; BUILD is the build folder (build by default)
set -euo pipefail
folder=$1
build=${2:-build}
tool="$build/tests/kvx_screenshots"
[[ -x "$tool" ]] || { echo "$tool is missing: build the tests first" >&2; exit 1; }
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
# The system's locale goes with the language, as on the user's desktop: dates read in it too.
for locale in en_US ru_RU uk_UA de_DE; do
  lang=${locale%_*}
  mkdir -p "$folder/$lang"
  LANG=$locale.UTF-8 LANGUAGE=$lang XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$config" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x800x24" "$tool" "$lang" "$folder/$lang"
done
