#!/bin/sh
# The man pages and the AppStream metainfo against what they describe: the man pages are
# clean man format and document every command and option of talp-cli and talp; the
# screenshots of the metainfo are pictures of docs/screenshots.
#
# usage: desktop_files_test.sh SOURCE_DIR MAN_DIR   (run in the folder of the programs)
set -eu

source=$1
man=$2
failed=0
fail() {
    echo "FAILED: $*" >&2
    failed=1
}

for page in talp.1 talp-cli.1; do
    warnings=$(groff -man -ww -z "$man/$page" 2>&1) || fail "groff cannot format $page"
    [ -z "$warnings" ] || fail "$page: $warnings"
done

# Every command of talp-cli and every option of its help has its place in talp-cli.1.
commands=$(./talp-cli --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "talp-cli --help lists no commands"
for command in $commands; do
    grep -q "^\\\\fB$(echo "$command" | sed 's/-/\\\\-/g')\\\\fR\|^\.BR* $(echo "$command" | sed 's/-/\\\\-/g')\( \|$\)" \
        "$man/talp-cli.1" || fail "talp-cli.1 has no entry for the command $command"
    for option in $(./talp-cli help "$command" | grep -o -- '--[a-z-]*' | sort -u); do
        grep -q -- "$(echo "$option" | sed 's/-/\\\\-/g')" "$man/talp-cli.1" ||
            fail "talp-cli.1 does not mention $option of $command"
    done
done
for option in --report-pdf --version; do
    grep -q -- "$(echo "$option" | sed 's/-/\\\\-/g')" "$man/talp.1" || fail "talp.1 does not mention $option"
done

# The screenshots are published copies of docs/screenshots: each one is there.
images=$(grep -o 'screenshots/[^<]*\.png' "$source/desktop/org.talp.Talp.metainfo.xml")
[ -n "$images" ] || fail "the metainfo shows no screenshots"
for image in $images; do
    [ -f "$source/docs/$image" ] || fail "the metainfo shows $image, which docs/ does not have"
done

exit $failed
