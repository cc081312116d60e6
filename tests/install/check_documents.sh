#!/usr/bin/env bash
# The Help menu's documents are real PDFs with their titles, and the
# command-line tool's manual page names every option that --help prints.
# usage: check_documents.sh IMAGES_FOLDER LARKSPAN_CLI MAN_PAGE
set -euo pipefail
images=$1 cli=$2 man=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

for doc in "Larkspan's_Manual.pdf:Larkspan's Manual" \
           "Larkspan Command-Line Manual.pdf:Larkspan Command-Line Manual" \
           "Larkspan_Release_Notes.pdf:Changelog"; do
    file=$images/${doc%%:*} title=${doc#*:}
    [ -s "$file" ] || fail "missing: $file"
    pages=$(pdfinfo "$file" | awk '/^Pages:/ {print $2}')
    [ "${pages:-0}" -ge 1 ] || fail "$file has no pages"
    text=$(pdftotext "$file" -)
    grep -qF "$title" <<<"$text" || fail "$file does not say '$title'"
done

# Every option of the tool's usage, in the manual page (whose dashes are "\-").
page=$(sed 's/\\-/-/g' "$man")
usage=$("$cli" --help)
for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$usage" | sort -u); do
    grep -qF -- "$option" <<<"$page" || fail "$option is not in $(basename "$man")"
done
echo "documents and manual page: ok"
