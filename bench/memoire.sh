#!/usr/bin/env bash
# Resident memory of the game with the largest board on screen (the 14 x 14 maze, n° 500), read
# from outside the process, beside an empty Qt window's as the floor. Runs under its own Xvfb at
# 800 x 600, in a scratch home, so the player's options and records are not touched.
#   bench/memoire.sh [game] [empty window]
set -euo pipefail
jeu=$(realpath "${1:-build/release/app/cogitelle}")
vide=$(realpath "${2:-build/release/bench/qt/cogitelle-fenetre-vide}")

. "$(dirname "$0")/../scripts/common.sh"

travail=$(mktemp -d)
XVFB_PID=""
pids=()
nettoyer() {
    kill "${pids[@]}" $XVFB_PID 2>/dev/null || true
    rm -rf "$travail"
}
trap nettoyer EXIT
demarrer_xvfb "$travail" || { echo "Xvfb did not start" >&2; exit 1; }

attendre_fenetre() {   # $1: a window title pattern
    for _ in $(seq 400); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "no window '$1' after 20 s" >&2
    exit 1
}
rss() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

# The empty window.
"$vide" >/dev/null 2>&1 &
pids+=($!)
attendre_fenetre '^COGITELLE I$'
sleep 0.5
plancher=$(rss "${pids[0]}")

# The game, with the chooser opening on maze n° 500 for a known player.
mkdir -p "$travail/home/.config/Ludivex"
cat >"$travail/home/.config/Ludivex/COGITELLE I.ini" <<'INI'
[General]
verif=@ByteArray(\x1)
optionCouleurFondEcran=@ByteArray(\0\0@\0)
optionCouleurTableauDeJeu=@ByteArray(\0\0\0\0)
optionNumeroTableau=@ByteArray(\xf4\x1\0\0)
optionTypeJeu=@ByteArray(\x1\0\0\0)
optionYourName=BENCH
INI
(cd "$travail/home" && HOME="$travail/home" XDG_CONFIG_HOME="$travail/home/.config" \
    XDG_RUNTIME_DIR="$travail/home" exec "$jeu") >/dev/null 2>&1 &
pids+=($!)
jeu_pid=${pids[1]}
attendre_fenetre '^COGITELLE I$'
sleep 0.5
xdotool mousemove 400 376 click 1            # DEMARRER on the 800 x 600 start screen
attendre_fenetre '^Choix du jeu'
sleep 0.5
xdotool mousemove 457 412 click 1            # OK in the chooser
sleep 1.5
[ -n "$(xdotool search --onlyvisible --name '^Choix du jeu' 2>/dev/null)" ] && {
    echo "the chooser did not start the game" >&2
    exit 1
}
jeu_rss=$(rss "$jeu_pid")
mo() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }
echo "resident memory, empty Qt window:       $(mo "$plancher")"
echo "resident memory, maze n° 500 on screen: $(mo "$jeu_rss") (target under 40 MB)"
