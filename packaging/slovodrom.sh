#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Словодром in the player's own folder, $XDG_DATA_HOME/slovodrom
# (~/.local/share/slovodrom by default). On the first run it puts a copy of the
# bundled question base there as Data/Question.dat; a base the player already has,
# in any letter case, is never touched. Installed as the game's launcher; the
# program and the bundled base are found relative to where it is installed.
set -eu

here=$(dirname "$(readlink -f "$0")")
program="$here/@LAUNCHER_TO_PROGRAM@"
bundled="$here/@LAUNCHER_TO_BASE@"

# The XDG rule: an unset, empty or relative XDG_DATA_HOME means the default.
case ${XDG_DATA_HOME:-} in
    /*) data_home=$XDG_DATA_HOME ;;
    *) data_home=${HOME:?HOME is not set}/.local/share ;;
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

mkdir -p "$folder"
if ! has_base; then
    if [ -f "$bundled" ]; then
        data=$(data_folder)
        mkdir -p "$data"
        # Copied under a temporary name first, so a failed copy never leaves half a
        # base; the player's copy is the player's to edit, whatever the bundled mode.
        partial="$data/.Question.dat.$$"
        if ! { cp "$bundled" "$partial" && chmod u+w "$partial" && mv "$partial" "$data/Question.dat"; }; then
            rm -f "$partial"
            echo "slovodrom: could not copy the question base into $data" >&2
        fi
    else
        echo "slovodrom: the bundled question base $bundled is missing" >&2
    fi
fi

cd "$folder"
exec "$program" "$@"
