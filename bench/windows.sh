#!/usr/bin/env bash
# The Windows program under Wine, measured from outside on its own Xvfb at 800 x 600: its size,
# the time from its launch to its start screen mapped on the display (a warm Wine prefix, the
# wineserver already running, as a second start on Windows finds its system loaded), and its
# resident memory with the largest board on screen (the 14 x 14 maze, n° 500). The same start is
# timed for the Qt program on Linux beside it, on the same display, when it is given.
#   bench/windows.sh [cogitelle.exe] [Qt cogitelle] [runs]
set -euo pipefail
exe=$(realpath "${1:-build/windows/cogitelle.exe}")
qt=${2:-build/release/app/cogitelle}
essais=${3:-10}
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
WINESERVER=/usr/lib/wine/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

. "$(dirname "$0")/../scripts/common.sh"

travail=$(mktemp -d)
export WINEPREFIX="$travail/prefixe" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
XVFB_PID=""
nettoyer() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$travail"
}
trap nettoyer EXIT
demarrer_xvfb "$travail" || { echo "Xvfb did not start" >&2; exit 1; }

"$WINE" wineboot -i >/dev/null 2>&1
# The wineserver stays up between the runs.
"$WINESERVER" -w
"$WINESERVER" -p
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

attendre() {   # $1: the deadline in ns; waits for a visible window titled COGITELLE I
    until xdotool search --onlyvisible --name '^COGITELLE I$' >/dev/null 2>&1; do
        [ "$(date +%s%N)" -gt "$1" ] && { echo "no start screen after 30 s" >&2; exit 1; }
        sleep 0.005
    done
}

# Milliseconds from the launch of a command (in a scratch folder) to its start screen; the program
# is then ended.
mesurer() {   # $1: the scratch folder; the rest: the command
    local dossier=$1 debut fin pid
    shift
    debut=$(date +%s%N)
    (cd "$dossier" && HOME="$dossier" XDG_CONFIG_HOME="$dossier/.config" exec "$@") >/dev/null 2>&1 &
    pid=$!
    attendre $((debut + 30000000000))
    fin=$(date +%s%N)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo $(((fin - debut) / 1000000))
}

demarrages=()
qts=()
for i in $(seq "$essais"); do
    mkdir -p "$travail/essai-$i" "$travail/qt-$i"
    demarrages+=("$(mesurer "$travail/essai-$i" "$WINE" "$exe")")
    # The program itself, not only its loader.
    "$WINE" taskkill /f /im cogitelle.exe >/dev/null 2>&1 || true
    if [ -x "$qt" ]; then
        qts+=("$(mesurer "$travail/qt-$i" env QT_QPA_PLATFORM=xcb "$(realpath "$qt")")")
    fi
done
mediane() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
echo "cogitelle.exe: $(stat -c %s "$exe") bytes"
echo "cogitelle.exe under Wine, launch to start screen: median $(mediane "${demarrages[@]}") ms  [${demarrages[*]}]"

# Memory: the chooser opens on maze n° 500 for a known player; Enter on the start screen, Enter
# in the chooser, and the board is on screen.
cle='HKCU\Software\Ludivex\COGITELLE I'
"$WINE" reg add "$cle" /v verif /t REG_BINARY /d 01 /f >/dev/null 2>&1
"$WINE" reg add "$cle" /v optionTypeJeu /t REG_BINARY /d 01000000 /f >/dev/null 2>&1
"$WINE" reg add "$cle" /v optionNumeroTableau /t REG_BINARY /d f4010000 /f >/dev/null 2>&1
"$WINE" reg add "$cle" /v optionCouleurFondEcran /t REG_BINARY /d 00004000 /f >/dev/null 2>&1
"$WINE" reg add "$cle" /v optionCouleurTableauDeJeu /t REG_BINARY /d 00000000 /f >/dev/null 2>&1
"$WINE" reg add "$cle" /v optionYourName /t REG_SZ /d BENCH /f >/dev/null 2>&1
dossier="$travail/memoire"
mkdir -p "$dossier"
(cd "$dossier" && exec "$WINE" "$exe") >/dev/null 2>&1 &
attendre $(($(date +%s%N) + 30000000000))
sleep 0.5
xdotool key Return
sleep 1
xdotool key Return
sleep 1.5
# The largest of the processes named after the program: the program itself, not its launcher.
residente=0
for pid in $(pgrep -f 'cogitelle\.exe'); do
    kb=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    [ "${kb:-0}" -gt "$residente" ] && residente=$kb
done
echo "cogitelle.exe under Wine, maze n° 500 on screen: resident $residente kB (Wine's own share included)"
"$WINE" taskkill /f /im cogitelle.exe >/dev/null 2>&1 || true

if [ ${#qts[@]} -gt 0 ]; then
    echo "Qt program on Linux, the same start on the same display: median $(mediane "${qts[@]}") ms  [${qts[*]}]"
fi
