#!/usr/bin/env bash
# Cold start of the game, measured from outside: from the launch of the program to its start
# screen mapped on the X display. Runs under its own Xvfb, in a scratch folder and home so the
# player's options and records are not touched.
#   bench/demarrage.sh [program] [runs]
set -euo pipefail
programme=$(realpath "${1:-build/app/cogitelle}")
essais=${2:-10}

. "$(dirname "$0")/../scripts/common.sh"

travail=$(mktemp -d)
XVFB_PID=""
nettoyer() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$travail"
}
trap nettoyer EXIT
demarrer_xvfb "$travail" || { echo "Xvfb did not start" >&2; exit 1; }

mesurer() {   # prints the milliseconds to the start screen; $1: the scratch folder
    local debut fin pid
    debut=$(date +%s%N)
    (cd "$1" && HOME="$1" XDG_CONFIG_HOME="$1/.config" XDG_RUNTIME_DIR="$1" exec "$programme") >/dev/null 2>&1 &
    pid=$!
    local limite=$((debut + 20000000000))
    until xdotool search --onlyvisible --name '^COGITELLE I$' >/dev/null 2>&1; do
        if [ "$(date +%s%N)" -gt "$limite" ]; then
            kill "$pid" 2>/dev/null || true
            echo "no start screen after 20 s" >&2
            exit 1
        fi
        sleep 0.005
    done
    fin=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(((fin - debut) / 1000000))
}

premiers=()
suivants=()
for i in $(seq "$essais"); do
    dossier="$travail/$i"
    mkdir -p "$dossier"
    premiers+=("$(mesurer "$dossier")")    # first run: options and score file created
    suivants+=("$(mesurer "$dossier")")    # next run: both read back
done
mediane() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
echo "first run (options and scores created): median $(mediane "${premiers[@]}") ms  [${premiers[*]}]"
echo "later run (options and scores read):    median $(mediane "${suivants[@]}") ms  [${suivants[*]}]"
