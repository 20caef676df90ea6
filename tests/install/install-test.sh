#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR and starts the installed program
# offscreen as a new player would: with a fresh HOME and no XDG_* variables.
# STRATAGON_CHECK_START makes it open the new-game window (which reads the
# map), print "<countries> <side>", print every message box to stderr and end.
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: install"; exit 1; }
tree="$work/root/usr"
snapshot() { (cd "$tree" && find . -printf '%p %y %l %s %T@ %m\n' | sort); }
before=$(snapshot)

# run <home> [VAR=value...]: the installed program through its bin/ link,
# from an empty working folder; sets out, err and rc.
run() {
    local home=$1; shift
    mkdir -p "$home" "$work/cwd"
    (cd "$work/cwd" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME \
        HOME="$home" QT_QPA_PLATFORM=offscreen STRATAGON_CHECK_START=1 "$@" \
        "$tree/bin/stratagon" >"$work/out" 2>"$work/err")
    rc=$?
    out=$(cat "$work/out")
    err=$(grep '^\[' "$work/err")  # only the message boxes, not Qt's notes
}

[ "$(readlink "$tree/bin/stratagon")" = ../games/stratagon ] || fail "bin/stratagon is not the link ../games/stratagon"
"$tree/bin/stratagon" --version | grep -qx 'stratagon [0-9.]*' || fail "--version"

# A new player: the map is found, the defaults are copied into his HOME.
home="$work/home"
run "$home"
[ $rc -eq 0 ] || fail "first start ended with $rc: $(cat "$work/err")"
[ "$out" = "55 Südafrika" ] || fail "map not read: '$out'"
[ "$err" = "[Einführung] Möchtest du eine kurze Einführung spielen?" ] || fail "first start, not the guidance's question alone: $err"
cmp -s "$home/.config/stratagon/game.dat" "$tree/share/stratagon/game.dat" || fail "game.dat not copied"
[ -w "$home/.config/stratagon/game.dat" ] || fail "the player's game.dat is not writable"
[ -d "$home/.local/share/stratagon/saves" ] && [ -d "$home/.local/share/stratagon/cards" ] || fail "no saves/ or cards/"
[ -z "$(ls -A "$work/cwd")" ] || fail "files in the working folder: $(ls -A "$work/cwd")"

# His own settings are kept on the next start.
printf ' 2500 \r\n 3 \r\n' >"$home/.config/stratagon/game.dat"
run "$home"
[ $rc -eq 0 ] && [ "$(cat "$home/.config/stratagon/game.dat")" = "$(printf ' 2500 \r\n 3 \r\n')" ] || fail "own game.dat replaced"
[ -z "$err" ] || fail "the second start asked or said something: $err"

# XDG_* set: the files go there instead.
run "$work/home2" XDG_CONFIG_HOME="$work/xdg-config" XDG_DATA_HOME="$work/xdg-data"
[ $rc -eq 0 ] && [ -f "$work/xdg-config/stratagon/game.dat" ] && [ -d "$work/xdg-data/stratagon/saves" ] ||
    fail "XDG_CONFIG_HOME/XDG_DATA_HOME not used"
[ -z "$(ls -A "$work/home2")" ] || fail "HOME used despite XDG_*: $(cd "$work/home2" && find .)"

# A config folder that cannot be created: the box names it, the game starts.
mkdir -p "$work/home3"
touch "$work/home3/.config"
run "$work/home3"
[ $rc -eq 0 ] && [ "$out" = "55 Südafrika" ] || fail "no start without a config folder ($rc, '$out')"
grep -qF "Der Ordner „$work/home3/.config/stratagon“ lässt sich nicht anlegen." <<<"$err" ||
    fail "no message for the missing config folder: '$err'"

# One that exists but may not be written (root may write anywhere).
if [ "$(id -u)" -ne 0 ]; then
    mkdir -p "$work/home4/.config/stratagon"
    chmod a-w "$work/home4/.config/stratagon"
    run "$work/home4"
    [ $rc -eq 0 ] && [ "$out" = "55 Südafrika" ] || fail "no start with a read-only config folder"
    grep -qF "In den Ordner „$work/home4/.config/stratagon“ kann nicht geschrieben werden." <<<"$err" ||
        fail "no message for the read-only config folder: '$err'"
fi

# HOME unset, no XDG_*: the home from the user database, never the
# filesystem root. Root runs it in a mount namespace whose home is an empty
# tmpfs, so that his real home is left alone.
noxdg=(env -u HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME
    QT_QPA_PLATFORM=offscreen STRATAGON_CHECK_START=1)
dbhome=$(getent passwd "$(id -u)" | cut -d: -f6)
if [ "$(id -u)" -eq 0 ] && [ -d "$dbhome" ] && unshare --mount true 2>/dev/null; then
    (cd "$work/cwd" && unshare --mount bash -c 'home=$1; mount -t tmpfs none "$home" || exit 99; shift
        "$@" >"$0/out" 2>"$0/err" || exit 98
        [ -f "$home/.config/stratagon/game.dat" ] && [ -d "$home/.local/share/stratagon/saves" ] || exit 97
        ' "$work" "$dbhome" "${noxdg[@]}" "$tree/bin/stratagon")
    rc=$?
    [ $rc -eq 99 ] || [ $rc -eq 0 ] || fail "HOME unset: the user database's home not used ($rc: $(cat "$work/err"))"
fi
# No home anywhere (a user the database does not know): the shipped
# settings, and one message that nothing can be saved.
if [ "$(id -u)" -eq 0 ] && ! getent passwd 54321 >/dev/null; then
    chmod 755 "$work"
    (cd "$work/cwd" && setpriv --reuid=54321 --regid=54321 --clear-groups \
        "${noxdg[@]}" "$tree/bin/stratagon" >"$work/out" 2>"$work/err")
    rc=$?
    out=$(cat "$work/out")
    err=$(grep '^\[' "$work/err")
    [ $rc -eq 0 ] && [ "$out" = "55 Südafrika" ] || fail "no start without a home ($rc, '$out', '$err')"
    [ "$(wc -l <<<"$err")" -eq 1 ] && grep -qF "Es gibt keinen Benutzerordner" <<<"$err" ||
        fail "without a home, not exactly one message that nothing is kept: '$err'"
    chmod 700 "$work"
fi
for made in /.config/stratagon /.local/share/stratagon; do
    [ ! -e "$made" ] || fail "$made made at the filesystem root"
done

[ "$(snapshot)" = "$before" ] || fail "the install tree changed: $(diff <(echo "$before") <(snapshot))"

# Neither the player's game.dat nor the shipped one: the start-up error.
cp -a "$work/root" "$work/broken"
rm "$work/broken/usr/share/stratagon/game.dat"
tree="$work/broken/usr"
run "$work/home5"
[ $rc -eq 1 ] && grep -q '^\[Fehler : 2\]' <<<"$err" || fail "no start-up error without any game.dat ($rc, '$err')"

# The menu entry and the metainfo as installed, with their icon.
appstreamcli validate-tree --no-net "$work/root/usr" >/dev/null || fail "appstreamcli validate-tree"

[ $failures -eq 0 ] && echo "install test passed"
exit $failures
