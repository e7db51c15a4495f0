#!/usr/bin/env bash
# Builds the Debian package with CPack from the build folder into a temporary folder and checks
# its control fields and its contents. Skips (exit 77) when the Debian tools are missing.
# usage: check-deb.sh BUILD SOURCE BINDIR VERSION
set -u
build=$1 source=$2 bindir=$3 version=$4

for outil in dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev file:file; do
    if ! command -v "${outil%%:*}" >/dev/null 2>&1; then
        echo "SKIPPED: ${outil%%:*} is not installed (Debian package ${outil##*:}); no .deb built"
        exit 77
    fi
done

dossier=$(mktemp -d "${TMPDIR:-/tmp}/cogitelle-deb.XXXXXX")
trap 'rm -rf "$dossier"' EXIT
echecs=0
echouer() { echo "FAILED: $*"; echecs=$((echecs + 1)); }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$dossier" >"$dossier/cpack.log" 2>&1; then
    cat "$dossier/cpack.log"
    echo "FAILED: cpack -G DEB"
    exit 1
fi
paquets=("$dossier"/cogitelle_*.deb)
if [ ${#paquets[@]} -ne 1 ] || [ ! -f "${paquets[0]}" ]; then
    cat "$dossier/cpack.log"
    echo "FAILED: expected one cogitelle_*.deb, found: $(ls "$dossier")"
    exit 1
fi
deb=${paquets[0]}
echo "built $(basename "$deb")"

# Control fields.
champ() { dpkg-deb --field "$deb" "$1"; }
[ "$(champ Package)" = cogitelle ] || echouer "Package is '$(champ Package)'"
[ "$(champ Section)" = games ] || echouer "Section is '$(champ Section)'"
[ "$(champ Architecture)" = "$(dpkg --print-architecture)" ] || echouer "Architecture is '$(champ Architecture)'"
case "$(champ Version)" in
    "$version"-*) ;;
    *) echouer "Version is '$(champ Version)', the project is $version" ;;
esac
[[ "$(champ Maintainer)" == *"<"*"@"*">" ]] || echouer "Maintainer is '$(champ Maintainer)'"
[ -n "$(champ Description)" ] || echouer "no Description"
depends=$(champ Depends)
# The package names of the list, without versions or alternatives' separators.
noms=$(echo "$depends" | tr ',|' '\n\n' | sed -e 's/(.*)//' -e 's/ //g')
for dependance in libqt6widgets6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins; do
    echo "$noms" | grep -qxF "$dependance" || echouer "Depends lacks $dependance: $depends"
done

# Contents: everything under /usr, owned by root, the programs executable.
contenu=$(dpkg-deb --contents "$deb")
attendus=("./usr/$bindir/cogitelle" "./usr/$bindir/cogitelle-puzzle"
    ./usr/share/applications/cogitelle.desktop
    ./usr/share/metainfo/io.github.cogitelle.Cogitelle.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/cogitelle.svg
    ./usr/share/doc/cogitelle/copyright)
for taille in 16 22 24 32 48 64 128 256; do
    attendus+=("./usr/share/icons/hicolor/${taille}x${taille}/apps/cogitelle.png")
done
for fichier in cogitellefr.html cogitelleus.html; do
    [ -f "$source/help/$fichier" ] && attendus+=("./usr/share/cogitelle/$fichier")
done
chemins=$(echo "$contenu" | awk '{ print $6 }')
for chemin in "${attendus[@]}"; do
    echo "$chemins" | grep -qxF "$chemin" || echouer "the package lacks $chemin"
done
echo "$chemins" | grep -Eqx '\./usr/share/man/man6/cogitelle\.6(\.gz)?' || echouer "the package lacks the cogitelle manual page"
ailleurs=$(echo "$chemins" | grep -Ev '^\./(usr/.*)?$')
[ -z "$ailleurs" ] || echouer "files outside /usr: $(echo $ailleurs)"
proprietaires=$(echo "$contenu" | awk '$2 != "root/root" { print $6 }')
[ -z "$proprietaires" ] || echouer "not owned by root: $(echo $proprietaires)"
for programme in cogitelle cogitelle-puzzle; do
    echo "$contenu" | awk -v p="./usr/$bindir/$programme" '$6 == p { print $1 }' | grep -q '^-rwxr-xr-x$' ||
        echouer "/usr/$bindir/$programme is not mode 755"
done

# The programs are stripped: no debug information in the package.
dpkg-deb -x "$deb" "$dossier/arbre"
for programme in cogitelle cogitelle-puzzle; do
    file -b "$dossier/arbre/usr/$bindir/$programme" | grep -q 'not stripped' && echouer "$programme is not stripped"
done

if [ $echecs -ne 0 ]; then
    echo "$echecs check(s) failed"
    exit 1
fi
echo "OK: $(basename "$deb"): Depends: $depends"
