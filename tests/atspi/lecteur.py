#!/usr/bin/python3
# The real program as a screen reader finds it over AT-SPI: started, its puzzle chosen and its
# game started through the accessible buttons, radio buttons, scroll bar and text field alone;
# then the board read as a table whose cells say the numbers the puzzle printer prints for that
# puzzle (a hole says "trou"); the keyboard's cursor heard moving over the cells.
#
#   lecteur.py PROGRAM PRINTER
#
# Runs in a session whose AT-SPI bus is up, on an X display. Exits 0 when every check holds.
import json
import subprocess
import sys
import time

import pyatspi

PROGRAMME, IMPRIMANTE = sys.argv[1], sys.argv[2]
NUMERO = 350
echecs = []


def verifier(condition, texte):
    if not condition:
        echecs.append(texte)
        print("FAIL: " + texte, flush=True)


def attendre(trouver, secondes=20, quoi="?"):
    fin = time.monotonic() + secondes
    while time.monotonic() < fin:
        try:
            r = trouver()
        except Exception:
            r = None
        if r:
            return r
        time.sleep(0.2)
    raise SystemExit("lecteur: gave up waiting for " + quoi)


def application():
    bureau = pyatspi.Registry.getDesktop(0)
    for i in range(bureau.childCount):
        app = bureau.getChildAtIndex(i)
        if app is not None and app.name == "COGITELLE I":
            return app
    return None


def chercher(racine, role, nom=None, montre=True):
    def convient(o):
        if o is None or o.getRoleName() != role or (nom is not None and o.name != nom):
            return False
        return not montre or o.getState().contains(pyatspi.STATE_SHOWING)
    return pyatspi.findDescendant(racine, convient)


def presser(objet):
    action = objet.queryAction()
    noms = [action.getName(i) for i in range(action.nActions)]
    action.doAction(noms.index("press") if "press" in noms else 0)


def puzzle(type_jeu):
    sortie = subprocess.run([IMPRIMANTE, "--json", str(type_jeu), str(NUMERO)], check=True,
                            capture_output=True, text=True).stdout
    return json.loads(sortie)


def lire_table(app, attendu, type_jeu):
    """The board's table, once it holds the puzzle of that game: its size and every cell's name."""
    titre = {2: "CARRE MAGIQUE", 3: "JEU DES DIFFERENCES"}[type_jeu]
    table = attendre(lambda: (lambda t: t if t and titre in t.description else None)(chercher(app, "table")),
                     quoi="the board of " + titre)
    verifier(table.name == "Plateau", "the table is named Plateau, not %r" % table.name)
    verifier(table.description == "%s, cogitelle n° %d" % (titre, NUMERO),
             "the table describes its game: %r" % table.description)
    t = table.queryTable()
    n = attendu["n"]
    verifier(t.nRows == n and t.nColumns == n, "%s: %d x %d cells, not %d x %d" % (titre, n, n, t.nRows, t.nColumns))
    differents = []
    for ligne in range(n):
        for colonne in range(n):
            cellule = t.getAccessibleAt(ligne, colonne)
            valeur = attendu["values"][ligne][colonne]
            trou = attendu["states"][ligne][colonne] == -2
            voulu = "trou" if trou else str(valeur)
            if cellule is None or cellule.name != voulu or cellule.getRoleName() != "table cell":
                differents.append((ligne + 1, colonne + 1, voulu, cellule.name if cellule else None))
    verifier(not differents, "%s: cells that do not say the printer's numbers: %s" % (titre, differents[:5]))
    print("lecteur: %s n° %d read as a %d x %d table, every cell as printed" % (titre, NUMERO, n, n), flush=True)
    return table


def principal():
    programme = subprocess.Popen([PROGRAMME])
    try:
        app = attendre(application, quoi="the program on the AT-SPI bus")
        # The start screen's button, then the chooser: the magic square, the puzzle, a name, OK.
        presser(attendre(lambda: chercher(app, "push button", "DEMARRER"), quoi="DEMARRER"))
        choix = attendre(lambda: chercher(app, "dialog", "Choix du jeu et du numéro de cogitelle"),
                         quoi="the chooser")
        presser(attendre(lambda: chercher(choix, "radio button", "CARRES MAGIQUES"), quoi="the radio button"))
        barre = attendre(lambda: chercher(choix, "scroll bar"), quoi="the scroll bar")
        barre.queryValue().currentValue = NUMERO
        nom = attendre(lambda: chercher(choix, "text"), quoi="the name field")
        nom.queryEditableText().setTextContents("ANA")
        presser(attendre(lambda: chercher(choix, "push button", "OK"), quoi="OK"))

        table = lire_table(app, puzzle(2), 2)

        # The cursor heard: the board has the focus on cell (1, 1); Right takes it to (2, 1).
        entendus = []
        def ecouter(evenement):
            if evenement.source is not None and evenement.source.getRoleName() == "table cell" and evenement.detail1:
                entendus.append(evenement.source.name)
        pyatspi.Registry.registerEventListener(ecouter, "object:state-changed:focused")
        t = table.queryTable()
        premiere = t.getAccessibleAt(0, 0)
        verifier(premiere.getState().contains(pyatspi.STATE_FOCUSED), "the cursor's first cell is focused")
        pyatspi.Registry.generateKeyboardEvent(0xff53, None, pyatspi.KEY_SYM)   # Right
        deuxieme = t.getAccessibleAt(0, 1)
        attendre(lambda: deuxieme.getState().contains(pyatspi.STATE_FOCUSED), 10, "the cursor on (2, 1)")
        fin = time.monotonic() + 5
        while deuxieme.name not in entendus and time.monotonic() < fin:
            pyatspi.Registry.pumpQueuedEvents()
            time.sleep(0.1)
        verifier(deuxieme.name in entendus, "the cursor's move to (2, 1) was heard (heard: %s)" % entendus)
        pyatspi.Registry.deregisterEventListener(ecouter, "object:state-changed:focused")

        # The differences game, from its side panel: the chooser opens on it, OK starts it.
        presser(attendre(lambda: chercher(app, "push button", "JEU DES DIFFERENCES"), quoi="the differences panel"))
        choix = attendre(lambda: chercher(app, "dialog", "Choix du jeu et du numéro de cogitelle"), quoi="the chooser")
        presser(attendre(lambda: chercher(choix, "push button", "OK"), quoi="OK"))
        lire_table(app, puzzle(3), 3)
    finally:
        programme.kill()
        programme.wait()


principal()
if echecs:
    print("lecteur: %d check(s) failed" % len(echecs))
    sys.exit(1)
print("lecteur: every check passed")
