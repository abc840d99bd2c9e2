#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Словодром in the player's own folder, $XDG_DATA_HOME/slovodrom
# (~/.local/share/slovodrom by default). On the first run it puts a copy of the
# bundled question base there as Data/Question.dat; a base the player already has,
# in any letter case, is never touched. Installed as the game's launcher; the
# program and the bundled base are found relative to where it is installed.
# A player whose folder cannot be made or given the base (no home, a read-only
# or full disk) still gets the game: it starts in the installed folder with the
# bundled base, which can be played but not changed, and the launcher says so.
set -eu

here=$(dirname "$(readlink -f "$0")")
program="$here/@LAUNCHER_TO_PROGRAM@"
bundled=$(readlink -m "$here/@LAUNCHER_TO_BASE@")
installed=$(dirname "$(dirname "$bundled")")

say() { printf 'slovodrom: %s\n' "$1" >&2; }

# Why a command failed, in the player's language, from its message in the C locale.
why() {
    case $1 in
        *"Read-only file system"*) echo "диск только для чтения" ;;
        *"No space left"* | *"quota exceeded"* | *"File too large"*) echo "на диске нет места" ;;
        *"Permission denied"* | *"Operation not permitted"*) echo "нет прав на запись" ;;
        *"No such file or directory"*) echo "папки на этом пути нет" ;;
        *"Not a directory"* | *"File exists"*) echo "на этом пути файл, а не папка" ;;
        *) echo "ошибка записи" ;;
    esac
}

# The XDG rule: an unset, empty or relative XDG_DATA_HOME means the default.
case ${XDG_DATA_HOME:-} in
    /*) data_home=$XDG_DATA_HOME ;;
    *) data_home=${HOME:+$HOME/.local/share} ;;
esac
folder="$data_home/slovodrom"

# True if the player has a question base, Data/Question.dat in any letter case.
has_base() {
    for entry in "$folder"/[Dd][Aa][Tt][Aa]/[Qq][Uu][Ee][Ss][Tt][Ii][Oo][Nn].[Dd][Aa][Tt]; do
        if [ -e "$entry" ] || [ -L "$entry" ]; then return 0; fi
    done
    return 1
}

# Prints the player's data folder: one that exists in any letter case, else Data.
data_folder() {
    for entry in "$folder"/[Dd][Aa][Tt][Aa]; do
        if [ -d "$entry" ]; then printf '%s\n' "$entry"; return; fi
    done
    printf '%s\n' "$folder/Data"
}

# Where the game starts; empty while the player's folder is not usable.
start_in=
if [ -z "$data_home" ]; then
    problem="не задана домашняя папка (HOME), своей папки у игрока нет"
elif ! failure=$(LC_ALL=C mkdir -p "$folder" 2>&1); then
    problem="папку игрока «$folder» создать нельзя: $(why "$failure")"
elif has_base; then
    start_in=$folder
elif [ ! -f "$bundled" ]; then
    say "установленной базы вопросов «$bundled» нет"
    start_in=$folder
else
    data=$(data_folder)
    # Copied under a temporary name first, so a failed copy never leaves half a
    # base; the player's copy is the player's to edit, whatever the bundled mode.
    partial="$data/.Question.dat.$$"
    if failure=$( { LC_ALL=C mkdir -p "$data" && LC_ALL=C cp "$bundled" "$partial" && chmod u+w "$partial" \
        && LC_ALL=C mv "$partial" "$data/Question.dat"; } 2>&1); then
        start_in=$folder
    else
        rm -f "$partial" 2>/dev/null || true
        problem="базу вопросов не удалось скопировать в «$data»: $(why "$failure")"
    fi
fi

if [ -z "$start_in" ]; then
    say "$problem."
    if [ -f "$bundled" ]; then
        say "игра запущена с установленной базой вопросов «$bundled» только для чтения: играть можно, а редактор вопросов сохранить изменения не сможет (он скажет «File access denied»)."
    else
        say "установленной базы вопросов «$bundled» тоже нет: играть будет не с чем."
    fi
    start_in=$installed
    [ -d "$start_in" ] || start_in=/
fi

cd "$start_in"
exec "$program" "$@"
