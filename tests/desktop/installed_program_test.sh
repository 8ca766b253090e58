#!/bin/sh
# An installation staged under DESTDIR, made read-only, runs from another working directory
# for a user with a fresh home: the programs read their own installed data, take the user's
# settings from ~/.config/talp, write what they write under ~/.local/share/talp, and leave
# the installation exactly as it was.
#
# usage: installed_program_test.sh BUILD_DIR PREFIX
set -eu

build=$1
prefix=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/talp-install-test.XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
stage=$work/stage
installed=$stage$prefix

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

DESTDIR=$stage cmake --install "$build" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

for file in bin/talp bin/talp-cli share/talp/sys/TalpPre.tlp share/talp/sys/TalpPre.sav share/talp/sys/kstat.txt \
    share/talp/images/europa.bmp share/talp/ATTRIBUTION share/applications/org.talp.Talp.desktop \
    share/mime/packages/org.talp.Talp.xml share/metainfo/org.talp.Talp.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.talp.Talp.svg share/icons/hicolor/48x48/apps/org.talp.Talp.png \
    share/icons/hicolor/256x256/apps/org.talp.Talp.png share/man/man1/talp.1 share/man/man1/talp-cli.1; do
    [ -f "$installed/$file" ] || fail "$file is not installed"
done
# A staged installation leaves the desktop's caches to whoever installs the stage.
[ ! -e "$installed/share/mime/mime.cache" ] || fail "the MIME cache was built inside the stage"

chmod -R a-w "$stage"
snapshot() { (cd "$stage" && find . -printf '%p %s %T@ %m\n' | sort); }
snapshot >"$work/before"

home=$work/home
elsewhere=$work/elsewhere
mkdir -p "$home" "$elsewhere"
cd "$elsewhere"
# The user's environment: nothing but a home; the report needs no display.
as_user() {
    env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_DATA_DIRS HOME="$home" QT_QPA_PLATFORM=offscreen "$@"
}

[ "$(as_user "$installed/bin/talp" --version)" = "$(cd "$build/bin" && ./talp --version)" ] || fail "talp --version"
as_user "$installed/bin/talp" --version | grep -q '^talp [0-9]' || fail "talp --version names no version"
as_user "$installed/bin/talp-cli" --version | grep -q '^talp-cli [0-9]' || fail "talp-cli --version"

# The installed data gives the results of the build folder's data.
as_user "$installed/bin/talp-cli" run --json >installed.json || fail "talp-cli run --json"
(cd "$build/bin" && ./talp-cli run --json) >built.json
grep -q '"HeatingEnergy"' installed.json || fail "run --json printed no HeatingEnergy"
cmp -s installed.json built.json || fail "the installed talp-cli calculates other results than the built one"
as_user "$installed/bin/talp-cli" run klima=region klimaregion=7 --json >region.json || fail "a region climate"
as_user "$installed/bin/talp-cli" run klima=euro station=12 --json >station.json || fail "a station climate"

# The optimisation writes its files into the user's data folder.
as_user "$installed/bin/talp-cli" optimise --seed 1 --max-combinations 3 --threads 1 >optimise.json ||
    fail "talp-cli optimise"
for file in sys/OptFile.dat sys/OptKomb.dat Optimum.log; do
    [ -f "$home/.local/share/talp/$file" ] || fail "the optimisation wrote no $file under the home folder"
done

# The report of the presets, in the language of the user's settings; a project file named
# relative to the working directory.
as_user "$installed/bin/talp" --report-pdf presets.pdf || fail "talp --report-pdf of the presets"
pdftotext presets.pdf - | grep -q 'Rohranzahl:' || fail "the report of the presets is not in German"
mkdir -p "$home/.config/talp"
echo EN >"$home/.config/talp/talp.ini"
as_user "$installed/bin/talp-cli" new "Haus West.tlp" rohranzahl=4 || fail "talp-cli new"
as_user "$installed/bin/talp" --report-pdf haus.pdf "Haus West.tlp" || fail "talp --report-pdf of a project"
pdftotext haus.pdf - >haus.txt
grep -q 'Haus West.tlp' haus.txt || fail "the report does not name its project"
grep -q 'Number of pipes: 4' haus.txt || fail "the report is not of the project or not in the language of ~/.config/talp/talp.ini"

# What the programs wrote is in the home folder and the working directory only.
snapshot >"$work/after"
cmp -s "$work/before" "$work/after" || { diff "$work/before" "$work/after" >&2; fail "the installation was changed"; }
written=$(cd "$home" && find . -type f | sort | tr '\n' ' ')
[ "$written" = "./.config/talp/talp.ini ./.local/share/talp/Optimum.log ./.local/share/talp/sys/OptFile.dat ./.local/share/talp/sys/OptKomb.dat " ] ||
    fail "unexpected files under the home folder: $written"
echo "installed program: ok"
