#!/usr/bin/env bash
# Every translation is complete, and in step with the texts in the sources:
# bringing a copy up to date with tools/update-translations changes nothing
# but the line numbers that show translators where a text is used, which any
# edit above it moves.
set -euo pipefail
source=$1
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$source"/translations/*.ts "$copy"
"$source"/tools/update-translations "$copy"
status=0
for file in "$source"/translations/*.ts; do
  name=$(basename "$file")
  if ! diff -q <(grep -v '<location' "$file") <(grep -v '<location' "$copy/$name") >/dev/null; then
    echo "$name is not in step with the sources; run tools/update-translations"
    diff <(grep -v '<location' "$file") <(grep -v '<location' "$copy/$name") | head -20
    status=1
  fi
  if grep -Eq 'type="(unfinished|vanished|obsolete)"' "$file"; then
    echo "$name has unfinished or obsolete texts:"
    grep -EB2 'type="(unfinished|vanished|obsolete)"' "$file" | grep '<source>' | head -10
    status=1
  fi
done
exit $status
