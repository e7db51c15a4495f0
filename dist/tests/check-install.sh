#!/usr/bin/env bash
# Installs the build folder into a temporary prefix and checks the installed tree: the programs,
# the help and the path by which the game finds it, the desktop entry, every icon, the AppStream
# metadata and the manual pages, and that nothing else was installed.
# usage: check-install.sh BUILD SOURCE BINDIR DATADIR MANDIR HELP-FROM-BINARY VERSION
set -u
build=$1 source=$2 bindir=$3 datadir=$4 mandir=$5 aide_relative=$6 version=$7

prefixe=$(mktemp -d "${TMPDIR:-/tmp}/cogitelle-install.XXXXXX")
trap 'rm -rf "$prefixe"' EXIT
echecs=0
echouer() { echo "FAILED: $*"; echecs=$((echecs + 1)); }

if ! cmake --install "$build" --prefix "$prefixe" >"$prefixe.log" 2>&1; then
    cat "$prefixe.log"
    rm -f "$prefixe.log"
    echo "FAILED: cmake --install"
    exit 1
fi
rm -f "$prefixe.log"

# The programs, and the puzzle printer runs from where it is installed.
for programme in cogitelle cogitelle-puzzle; do
    [ -x "$prefixe/$bindir/$programme" ] || echouer "$bindir/$programme is not installed or not executable"
done
premiere=$("$prefixe/$bindir/cogitelle-puzzle" carre 1 2>&1 | head -n 1)
[ "$premiere" = "CARRE MAGIQUE - Cogitelle n° 1" ] || echouer "installed cogitelle-puzzle printed '$premiere'"

# The help, as the installed game looks for it: beside the executable's folder, at the
# relative path it was built with.
dossier_aide=$(realpath -m "$prefixe/$bindir/$aide_relative")
[ "$dossier_aide" = "$(realpath -m "$prefixe/$datadir/cogitelle")" ] ||
    echouer "$bindir/$aide_relative is $dossier_aide, not $datadir/cogitelle"
for fichier in cogitellefr.html cogitelleus.html; do
    if [ -f "$source/help/$fichier" ]; then
        [ -f "$prefixe/$bindir/$aide_relative/$fichier" ] ||
            echouer "the installed game would not find $fichier at $bindir/$aide_relative"
        cmp -s "$source/help/$fichier" "$prefixe/$datadir/cogitelle/$fichier" ||
            echouer "$datadir/cogitelle/$fichier differs from help/$fichier"
    else
        echo "note: help/$fichier is not in the source tree, so it is not installed"
    fi
done

# The desktop entry names the installed program and the installed icon.
entree="$prefixe/$datadir/applications/cogitelle.desktop"
if [ -f "$entree" ]; then
    commande=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entree")
    [ -x "$prefixe/$bindir/$commande" ] || echouer "Exec=$commande is not an installed program"
    grep -qx 'Icon=cogitelle' "$entree" || echouer "the desktop entry does not use the icon cogitelle"
    # Started from the menu, the game keeps its records in the user's data folder.
    grep -qx 'Exec=cogitelle --dossier-donnees' "$entree" ||
        echouer "the desktop entry does not start the game in the user's data folder"
else
    echouer "$datadir/applications/cogitelle.desktop is not installed"
fi

# Where the installed game writes its best scores: with --dossier-donnees (the desktop entry) in
# $XDG_DATA_HOME/cogitelle, created when missing; without it (a terminal) in the current folder.
# The game runs on the offscreen platform until its score file appears, then it is stopped.
scores_ecrits_dans() { # runs the installed game in the folder $1 with the options $2..; prints nothing
    local ici=$1
    shift
    (cd "$ici" && exec env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$prefixe/donnees" \
        XDG_CONFIG_HOME="$prefixe/config" XDG_RUNTIME_DIR="$prefixe/run" \
        "$prefixe/$bindir/cogitelle" "$@" >/dev/null 2>&1) &
    local pid=$! attente=0
    while [ $attente -lt 100 ] && [ ! -f "$prefixe/donnees/cogitelle/scoresI" ] && [ ! -f "$ici/scoresI" ]; do
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
        attente=$((attente + 1))
    done
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
}
mkdir -p "$prefixe/terminal" "$prefixe/run"
chmod 700 "$prefixe/run"
scores_ecrits_dans "$prefixe/terminal" --dossier-donnees
[ -f "$prefixe/donnees/cogitelle/scoresI" ] ||
    echouer "cogitelle --dossier-donnees did not keep its scores in \$XDG_DATA_HOME/cogitelle"
[ ! -e "$prefixe/terminal/scoresI" ] || echouer "cogitelle --dossier-donnees wrote its scores in the current folder"
rm -rf "$prefixe/donnees"
scores_ecrits_dans "$prefixe/terminal"
[ -f "$prefixe/terminal/scoresI" ] || echouer "cogitelle started from a terminal did not keep its scores in the current folder"
[ ! -e "$prefixe/donnees" ] || echouer "cogitelle without --dossier-donnees made the data folder"
rm -rf "$prefixe/terminal" "$prefixe/run" "$prefixe/config"

# Every icon size, each a PNG of exactly that size.
taille_png() { # prints "width height" from the PNG header, or nothing when it is not a PNG
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = "89504e470d0a1a0a" ] || return
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for taille in 16 22 24 32 48 64 128 256; do
    icone="$prefixe/$datadir/icons/hicolor/${taille}x${taille}/apps/cogitelle.png"
    if [ -f "$icone" ]; then
        mesure=$(taille_png "$icone")
        [ "$mesure" = "$taille $taille" ] || echouer "icon ${taille}x${taille} is '${mesure:-not a PNG}'"
    else
        echouer "icon ${taille}x${taille} is not installed"
    fi
done
svg="$prefixe/$datadir/icons/hicolor/scalable/apps/cogitelle.svg"
[ -f "$svg" ] && grep -q '<svg' "$svg" || echouer "the scalable icon is not installed"

# The AppStream metadata points to the installed desktop entry and carries this version.
meta="$prefixe/$datadir/metainfo/io.github.cogitelle.Cogitelle.metainfo.xml"
if [ -f "$meta" ]; then
    lanceur=$(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' "$meta")
    [ -f "$prefixe/$datadir/applications/$lanceur" ] || echouer "metainfo launchable '$lanceur' is not installed"
    derniere=$(grep -o '<release version="[^"]*"' "$meta" | head -n 1 | cut -d'"' -f2)
    [ "$derniere" = "$version" ] || echouer "newest release in the metainfo is '$derniere', the project is $version"
else
    echouer "the metainfo is not installed"
fi

# The manual pages, in the games section.
for page in cogitelle cogitelle-puzzle; do
    fichier=$(ls "$prefixe/$mandir/man6/$page.6"* 2>/dev/null | head -n 1)
    if [ -n "$fichier" ]; then
        zcat -f "$fichier" | grep -q "^\.TH ${page^^} 6 .*Cogitelle $version" ||
            echouer "$mandir/man6/$page.6 has no .TH line for version $version"
    else
        echouer "$mandir/man6/$page.6 is not installed"
    fi
done

[ -f "$prefixe/$datadir/doc/cogitelle/copyright" ] || echouer "the copyright file is not installed"

# Nothing else: no test program, library or header leaks into the install.
inattendus=$(cd "$prefixe" && find . -type f | sed 's|^\./||' | grep -Ev \
    "^($bindir/cogitelle(-puzzle)?|$datadir/cogitelle/.*|$datadir/applications/cogitelle\.desktop|$datadir/metainfo/io\.github\.cogitelle\.Cogitelle\.metainfo\.xml|$datadir/icons/hicolor/[0-9]+x[0-9]+/apps/cogitelle\.png|$datadir/icons/hicolor/scalable/apps/cogitelle\.svg|$mandir/man6/cogitelle(-puzzle)?\.6(\.gz)?|$datadir/doc/cogitelle/copyright)$")
[ -z "$inattendus" ] || echouer "unexpected installed files: $(echo $inattendus)"

if [ $echecs -ne 0 ]; then
    echo "$echecs check(s) failed"
    exit 1
fi
echo "OK: installed tree in $bindir and $datadir complete"
