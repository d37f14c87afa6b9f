#!/usr/bin/env bash
# The editor's translations against its source texts.
#   translations.sh update LUPDATE LANG...   takes new and changed texts into translations/kvxedit_LANG.ts
#   translations.sh check LUPDATE LANG...    lists every text without a finished translation; fails if any
# Run from the top of the source tree. kvxtool is left out: it speaks English to scripts.
set -euo pipefail

mode=$1
lupdate=$2
shift 2

sources=(src/app src/net src/panels src/ui src/res)
# The core marks the texts the editor shows with KVX_TR_NOOP (src/base/trnoop.h).
core_sources=(src/base src/db src/import src/export)

run_lupdate() {
  "$lupdate" -silent -locations none -no-obsolete -I src -tr-function-alias QT_TRANSLATE_NOOP+=KVX_TR_NOOP \
    "${sources[@]}" "${core_sources[@]}" -ts "$1"
}

case "$mode" in
  update)
    for lang in "$@"; do
      run_lupdate "translations/kvxedit_$lang.ts"
    done
    ;;
  check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    missing=0
    for lang in "$@"; do
      cp "translations/kvxedit_$lang.ts" "$scratch/"
      run_lupdate "$scratch/kvxedit_$lang.ts"
      # One message at a time; a source text may run over several lines.
      found=$(awk -v lang="$lang" '
        /<name>/ { sub(/.*<name>/, ""); sub(/<\/name>.*/, ""); context = $0 }
        /<message/ { message = ""; inside = 1 }
        inside { message = message $0 "\n" }
        /<\/message>/ {
          inside = 0
          if (message ~ /type="unfinished"/) {
            text = message
            sub(/.*<source>/, "", text); sub(/<\/source>.*/, "", text)
            printf "kvxedit_%s.ts: %s: %s\n", lang, context, text
          }
        }' "$scratch/kvxedit_$lang.ts")
      if [ -n "$found" ]; then
        echo "$found"
        missing=1
      fi
    done
    if [ "$missing" -ne 0 ]; then
      echo "These texts have no finished translation: run 'ninja kvx_lupdate' and translate them in translations/." >&2
      exit 1
    fi
    ;;
  *)
    echo "usage: $0 update|check LUPDATE LANG..." >&2
    exit 64
    ;;
esac
