#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher gives the player a folder of their own with a copy of the bundled
# question base, never overwrites the player's base, and starts the game there;
# when it cannot, it starts the game with the installed base and says why in Russian.
# Usage: launcher_test.sh LAUNCHER LAUNCHER_DIR PROGRAM_DIR DATA_DIR
# (the configured launcher and where it, the program and the data lie under the prefix).
# The game is replaced by a stub that records where and how it was started.
set -euo pipefail

launcher=$1 launcher_dir=$2 program_dir=$3 data_dir=$4

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# An installed tree: the launcher, a stub in place of the game, a bundled base.
prefix=$scratch/prefix
mkdir -p "$prefix/$launcher_dir" "$prefix/$program_dir" "$prefix/$data_dir/Data"
cp "$launcher" "$prefix/$launcher_dir/slovodrom"
chmod +x "$prefix/$launcher_dir/slovodrom"
cat >"$prefix/$program_dir/slovodrom" <<'EOF'
#!/bin/sh
{ pwd -P; for a in "$@"; do echo "arg:$a"; done; } >"$STUB_LOG"
EOF
chmod +x "$prefix/$program_dir/slovodrom"
bundled=$prefix/$data_dir/Data/Question.dat
printf 'the bundled base\n' >"$bundled"
chmod 0444 "$bundled"
export STUB_LOG=$scratch/stub.log

# Runs the launcher as a fresh login would: only HOME and, if given, XDG_DATA_HOME.
# Usage: run HOME|- XDG_DATA_HOME|- [ARG...] (- leaves it unset); $entry is the command started.
entry=$prefix/$launcher_dir/slovodrom
run() {
    local home=$1 xdg=$2; shift 2
    rm -f "$STUB_LOG"
    local env=(PATH="/usr/bin:/bin" STUB_LOG="$STUB_LOG")
    [ "$home" = - ] || env+=(HOME="$home")
    [ "$xdg" = - ] || env+=(XDG_DATA_HOME="$xdg")
    env -i "${env[@]}" "$entry" "$@" 2>"$scratch/stderr" || fail "the launcher exited with $?: $(cat "$scratch/stderr")"
}

# Checks the game was started in FOLDER.
started_in() {
    if [ ! -f "$STUB_LOG" ]; then fail "$1: the game was not started"; return; fi
    local where
    where=$(head -n 1 "$STUB_LOG")
    [ "$where" = "$(cd "$2" && pwd -P)" ] || fail "$1: the game was started in $where, not $2"
}

# Prints the Data/Question.dat files under FOLDER in any letter case.
bases() { find "$1" -ipath "$1/data/question.dat" | sort; }

echo "first run: the folder is made, the base copied, the game started there"
home=$scratch/home1
mkdir -p "$home"
run "$home" "$home/xdg" -platform "two words"
folder=$home/xdg/slovodrom
started_in "first run" "$folder"
cmp -s "$bundled" "$folder/Data/Question.dat" || fail "first run: the base was not copied to Data/Question.dat"
[ "$(stat -c %A "$folder/Data/Question.dat" | cut -c3)" = w ] \
    || fail "first run: the player's copy of the base is not writable by the player"
[ -z "$(find "$folder" -name '.Question.dat.*')" ] || fail "first run: a temporary copy was left behind"
[ "$(tail -n +2 "$STUB_LOG")" = $'arg:-platform\narg:two words' ] \
    || fail "first run: the arguments did not reach the game: $(tail -n +2 "$STUB_LOG" | tr '\n' ' ')"

echo "second run: the player's changed base is kept"
printf 'the player edited this\n' >"$folder/Data/Question.dat"
run "$home" "$home/xdg"
started_in "second run" "$folder"
[ "$(cat "$folder/Data/Question.dat")" = "the player edited this" ] || fail "second run: the player's base was overwritten"

echo "a base in other letter cases is the player's base"
for spelling in data/question.dat DATA/QUESTION.DAT Data/question.DAT; do
    home=$scratch/case-${spelling//\//-}
    mkdir -p "$home/.local/share/slovodrom/${spelling%/*}"
    printf 'mine\n' >"$home/.local/share/slovodrom/$spelling"
    run "$home" -
    started_in "$spelling" "$home/.local/share/slovodrom"
    [ "$(bases "$home/.local/share/slovodrom")" = "$home/.local/share/slovodrom/$spelling" ] \
        || fail "$spelling: another base was added beside the player's: $(bases "$home/.local/share/slovodrom" | tr '\n' ' ')"
    [ "$(cat "$home/.local/share/slovodrom/$spelling")" = mine ] || fail "$spelling: the player's base was changed"
done

echo "an empty data folder in another letter case receives the base"
home=$scratch/empty-data
mkdir -p "$home/.local/share/slovodrom/data"
run "$home" -
[ "$(bases "$home/.local/share/slovodrom")" = "$home/.local/share/slovodrom/data/Question.dat" ] \
    || fail "empty data folder: the base went elsewhere: $(bases "$home/.local/share/slovodrom" | tr '\n' ' ')"

echo "without a usable XDG_DATA_HOME the folder is ~/.local/share/slovodrom"
for xdg in - "" relative/path; do
    home=$scratch/default-${xdg//\//-}
    mkdir -p "$home"
    (cd "$home" && run "$home" "$xdg")
    started_in "XDG_DATA_HOME='$xdg'" "$home/.local/share/slovodrom"
    cmp -s "$bundled" "$home/.local/share/slovodrom/Data/Question.dat" \
        || fail "XDG_DATA_HOME='$xdg': the base was not copied to ~/.local/share/slovodrom"
done

echo "started through a link, the launcher still finds the game and its base"
home=$scratch/linked
mkdir -p "$home/bin"
ln -s "$entry" "$home/bin/slovodrom"
entry=$home/bin/slovodrom run "$home" -
started_in "through a link" "$home/.local/share/slovodrom"
cmp -s "$bundled" "$home/.local/share/slovodrom/Data/Question.dat" || fail "through a link: the base was not copied"

echo "without a bundled base the game still starts, and the launcher says why"
home=$scratch/no-bundle
mkdir -p "$home"
mv "$bundled" "$scratch/aside"
run "$home" -
mv "$scratch/aside" "$bundled"
started_in "no bundled base" "$home/.local/share/slovodrom"
grep -q "базы вопросов" "$scratch/stderr" || fail "no bundled base: nothing was said on stderr"

# A folder for the player that cannot be had, even by the superuser: a path through
# a file, a data folder that is a file, no home at all. The game still starts, in
# the installed folder with the installed base untouched, and the launcher says
# in Russian why, and that the editor will not save.
echo "without a writable home the game starts with the installed base, and says why in Russian"
printf 'not a folder\n' >"$scratch/a-file"
mkdir -p "$scratch/data-a-file/.local/share/slovodrom"
printf 'not a folder\n' >"$scratch/data-a-file/.local/share/slovodrom/Data"
for case in "home through a file" "Data is a file" "no HOME"; do
    case $case in
        "home through a file") run "$scratch/a-file/home" - -platform offscreen ;;
        "Data is a file") run "$scratch/data-a-file" - -platform offscreen ;;
        "no HOME") run - - -platform offscreen ;;
    esac
    started_in "$case" "$prefix/$data_dir"
    [ "$(tail -n +2 "$STUB_LOG" 2>/dev/null)" = $'arg:-platform\narg:offscreen' ] || fail "$case: the arguments did not reach the game"
    [ "$(cat "$bundled")" = "the bundled base" ] || fail "$case: the installed base was changed"
    grep -q "только для чтения" "$scratch/stderr" && grep -q "редактор вопросов сохранить изменения не сможет" "$scratch/stderr" \
        || fail "$case: the launcher did not say the base is read-only: $(cat "$scratch/stderr")"
    if grep -q '[A-Za-z]*:.*[Dd]irectory\|mkdir\|cannot' "$scratch/stderr"; then
        fail "$case: an untranslated message: $(cat "$scratch/stderr")"
    fi
done
run "$scratch/a-file/home" -
grep -q "папку игрока «$scratch/a-file/home/.local/share/slovodrom» создать нельзя: на этом пути файл, а не папка" "$scratch/stderr" \
    || fail "home through a file: the reason was not named: $(cat "$scratch/stderr")"
if [ "$(id -u)" -ne 0 ]; then
    # Only an ordinary user is kept out of a read-only folder.
    mkdir -p "$scratch/read-only"
    chmod 0555 "$scratch/read-only"
    run "$scratch/home-ro" "$scratch/read-only"
    started_in "read-only XDG_DATA_HOME" "$prefix/$data_dir"
    grep -q "нет прав на запись" "$scratch/stderr" || fail "read-only XDG_DATA_HOME: the reason was not named: $(cat "$scratch/stderr")"
    chmod 0755 "$scratch/read-only"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all launcher checks passed"
