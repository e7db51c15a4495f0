#!/usr/bin/env python3
"""Packs PNG images into one Windows icon (.ico), each image kept as PNG (Windows Vista and later).

    ico.py OUT.ico IN.png...

The sizes are read from the PNG headers; the entries are written smallest first."""
import struct
import sys


def taille_png(octets):
    if octets[:8] != b"\x89PNG\r\n\x1a\n" or octets[12:16] != b"IHDR":
        raise SystemExit("not a PNG file")
    return struct.unpack(">II", octets[16:24])


def main():
    sortie, entrees = sys.argv[1], sys.argv[2:]
    images = []
    for chemin in entrees:
        with open(chemin, "rb") as f:
            octets = f.read()
        largeur, hauteur = taille_png(octets)
        if largeur > 256 or hauteur > 256:
            raise SystemExit(f"{chemin}: an icon image is at most 256 x 256")
        images.append((largeur, hauteur, octets))
    images.sort(key=lambda i: i[0])
    entete = struct.pack("<HHH", 0, 1, len(images))
    decalage = len(entete) + 16 * len(images)
    repertoire, donnees = b"", b""
    for largeur, hauteur, octets in images:
        # 0 stands for 256 in the one-byte sizes; 32 bits per pixel, one plane.
        repertoire += struct.pack("<BBBBHHII", largeur % 256, hauteur % 256, 0, 0, 1, 32, len(octets),
                                  decalage + len(donnees))
        donnees += octets
    with open(sortie, "wb") as f:
        f.write(entete + repertoire + donnees)


main()
