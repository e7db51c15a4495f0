# Shared by the set-up scripts: installs the Debian packages that are missing.

# Packages every build needs.
COGITELLE_BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev googletest libbenchmark-dev fonts-liberation2"
# The Windows build and its tests under Wine (scripts/windows-tests): the windows are driven on
# an X screen of Xvfb, with the Liberation fonts standing for Times New Roman and Arial.
COGITELLE_WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix googletest wine64 wine xvfb fonts-liberation2 zip"

installer_paquets() {
    local manquants=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            manquants+=("$p")
        fi
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    echo "Installing: ${manquants[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo="sudo"
        else
            echo "error: missing packages (${manquants[*]}) and neither root nor sudo to install them" >&2
            return 1
        fi
    fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${manquants[@]}"
}

# The web version (scripts/build-web, scripts/run-web, scripts/web-tests). node-acorn is what
# Debian's emscripten needs to optimise its JavaScript.
COGITELLE_WEB_PACKAGES="cmake ninja-build emscripten node-acorn python3"

# Node and npm from Debian unless a Node with its npm is already there (NodeSource's nodejs
# brings npm itself and cannot be installed beside Debian's npm).
installer_node() {
    if command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1; then
        return 0
    fi
    installer_paquets nodejs npm
}

# Starts Xvfb with one screen of `$2` (800x600x24 by default) on a display it picks free, and
# waits until it is ready: its number is written to `$1/display`. Sets XVFB_PID (for the caller's
# clean-up, set even when it fails) and exports DISPLAY; returns 1 when the screen does not come.
demarrer_xvfb() {
    local dossier=$1 ecran=${2:-800x600x24}
    Xvfb -displayfd 3 -screen 0 "$ecran" -nolisten tcp 3>"$dossier/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    local _
    for _ in $(seq 200); do
        [ -s "$dossier/display" ] && break
        sleep 0.05
    done
    [ -s "$dossier/display" ] || return 1
    export DISPLAY=:$(head -n1 "$dossier/display")
}
