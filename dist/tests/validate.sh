#!/usr/bin/env bash
# Runs a validator on a packaging file and fails on any error or warning it reports.
# Skips (exit 77) when the validator is not installed.
# usage: validate.sh PROGRAM DEBIAN-PACKAGE ARGUMENTS...
set -u
programme=$1
paquet=$2
shift 2
if ! command -v "$programme" >/dev/null 2>&1; then
    echo "SKIPPED: $programme is not installed (Debian package $paquet)"
    exit 77
fi
sortie=$("$programme" "$@" 2>&1)
code=$?
[ -n "$sortie" ] && echo "$sortie"
if [ $code -ne 0 ]; then
    echo "FAILED: $programme exited with $code"
    exit 1
fi
# desktop-file-validate exits 0 on warnings; appstreamcli marks them "W:".
if echo "$sortie" | grep -Eq '^[EW]: |: (error|warning): '; then
    echo "FAILED: $programme reported errors or warnings"
    exit 1
fi
echo "OK: $programme $*"
