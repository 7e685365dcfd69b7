#!/bin/sh
# Every translation complete: each text translated and finished, none vanished, each with the
# placeholders of its source (%1, %2; %n in every plural form) and, where its source marks an access
# key with "&", one of its own. Qt's lconvert writes each .ts file as gettext's .po, which GNU msgfmt
# checks.
#   translations_complete.sh FOLDER LCONVERT
set -eu
po=$(mktemp)
trap 'rm -f "$po"' EXIT
for ts in "$1"/kx_*.ts; do
    "$2" -i "$ts" -of po -o "$po"
    if ! report=$(msgfmt --check-format --check-accelerators='&' --statistics -o /dev/null "$po" 2>&1) ||
        echo "$report" | grep -E 'fuzzy|untranslated' || grep '^#~' "$po" ||
        grep '^msgstr\[' "$po" | grep -v '%n'; then
        echo "$ts: $report"
        exit 1
    fi
done
