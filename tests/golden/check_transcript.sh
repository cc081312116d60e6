#!/usr/bin/env bash
# Runs every command line of CASES through the command-line tool and compares
# the transcript (arguments, standard output, standard error, exit status and
# any file written) with GOLDEN. The values of every accepted design were
# checked independently when the golden file was first written; from then on
# a difference is a change of behaviour to be reviewed. Set
# LARKSPAN_UPDATE_GOLDEN=1 to rewrite GOLDEN from what the tool prints now.
#
#   check_transcript.sh CLI CASES GOLDEN
#
# A case line is the arguments as a shell would split them. `@OUT@` stands for
# a scratch file, whose contents follow the output (documents as hex bytes);
# `@DIR@` for the folder of CASES. Both are written back in their place.
# A line ending in `| every N` keeps the first line of the output and every
# Nth after it, and the count of lines. Lines starting with # are comments.
set -euo pipefail
cli=$1 cases=$2 golden=$3
dir=$(cd "$(dirname "$cases")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

transcript() {
    local line args every out status file
    while IFS= read -r line; do
        [[ -z $line || $line == \#* ]] && continue
        args=$line every=1
        if [[ $line == *" | every "* ]]; then
            args=${line% | every *} every=${line##* | every }
        fi
        out="$scratch/written"
        args=${args//@OUT@/$out}
        args=${args//@DIR@/$dir}
        eval "set -- $args"
        echo "\$ $line"
        status=0
        "$cli" "$@" >"$scratch/stdout" 2>"$scratch/stderr" || status=$?
        # One JSON member per line, so that a difference names its key.
        sed "s/, \"/,\n\"/g; s|$out|@OUT@|g; s|$dir|@DIR@|g" "$scratch/stdout" | awk -v n="$every" 'NR == 1 || NR % n == 0 { print } END { if (n > 1) print "(" NR " lines)" }'
        sed "s/^/stderr: /; s|$out|@OUT@|g; s|$dir|@DIR@|g" "$scratch/stderr"
        echo "exit $status"
        for file in "$out"*; do
            [[ -f $file ]] || continue
            case $file in *.xvrdoc*) od -An -v -tx1 "$file" ;; *) cat "$file" ;; esac
            rm -f "$file"
        done
    done <"$cases"
}

transcript >"$scratch/transcript"
if [[ ${LARKSPAN_UPDATE_GOLDEN:-0} != 0 ]]; then
    cp "$scratch/transcript" "$golden"
    exit 0
fi
diff -u "$golden" "$scratch/transcript" >"$scratch/diff" && exit 0
head -80 "$scratch/diff"
echo "the transcript differs from $golden; LARKSPAN_UPDATE_GOLDEN=1 rewrites it after review" >&2
exit 1
