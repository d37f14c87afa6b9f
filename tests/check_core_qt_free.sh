#!/usr/bin/env bash
# Fails when a source of the core library includes a Qt header.
set -eu
root=$1
hits=$(grep -rnE '#\s*include\s*[<"](Q[A-Za-z]|qt)' "$root/src/base" "$root/src/db" "$root/src/codec" "$root/src/import" \
  "$root/src/platform" "$root/src/export" 2>/dev/null || true)
if [ -n "$hits" ]; then
  echo "Qt includes in the core:"
  echo "$hits"
  exit 1
fi
echo "core is Qt-free"
