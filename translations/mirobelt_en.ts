<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Mirobelt, simulateur de billard français, version 1.0 du 6 décembre 2026</source>
        <translation>Mirobelt, a carom billiards simulator, version 1.0 of 6 December 2026</translation>
    </message>
    <message>
        <source>Projet Mirobelt
Simulateur de billard français à trois billes (carambole)
Remarques, questions et corrections : l&apos;équipe du projet Mirobelt,
par le suivi des demandes du dépôt du projet.</source>
        <translation>The Mirobelt project
A three-ball carom billiards simulator
Remarks, questions and corrections: the Mirobelt project team,
through the issue tracker of the project&apos;s repository.</translation>
    </message>
    <message>
        <source>A propos de Mirobelt</source>
        <translation>About Mirobelt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Imprimer...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Quitter	Ctrl+Q</source>
        <translation>&amp;Quit	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Aide de Mirobelt	F1</source>
        <translation>Mirobelt &amp;Help	F1</translation>
    </message>
    <message>
        <source>Ouvre le guide de l&apos;utilisateur (F1)</source>
        <translation>Opens the user&apos;s guide (F1)</translation>
    </message>
    <message>
        <source>Aide de Mirobelt (F1)</source>
        <translation>Mirobelt Help (F1)</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annule la dernière action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rétablit l&apos;action annulée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rétablir %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Réglages du coup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affiche ou masque les réglages du coup en chiffres</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMirobeltView</name>
    <message>
        <source>le coup joué</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;ouverture de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;ajout de la position à la liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le retour à la position précédente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le passage à la position suivante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la suppression de la dernière position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la lecture de la liste des positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;application de la solution</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Diagramme de billard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1re</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenêtre %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu : %1 · Bille de tir : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n solution(s) dans les pages suivantes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Visée %1° · Hauteur %2 · Côté %3 · Force %4 · Queue %5°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blanche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pointée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1re bille : %1 · Bandes : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · Fenêtre %1°</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramExport</name>
    <message>
        <source>Image vectorielle SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Une bande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trois bandes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libre</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Aide de Mirobelt</source>
        <translation>Mirobelt Help</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>La langue choisie sera utilisée au prochain démarrage.</source>
        <translation>The chosen language will be used from the next start.</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Choisit la langue de l&apos;interface, pour le prochain démarrage</source>
        <translation>Chooses the language of the interface, for the next start</translation>
    </message>
</context>
<context>
    <name>MirobeltShot</name>
    <message>
        <source>usage : mirobelt-shot POSITION.bi1 [-o FICHIER] [--tuning FICHIER] [--full]
                      [--image FICHIER [--width PX] [--mono] [--line-width thin|normal|thick]
                       [--title TEXTE] [--no-trajectories]]

Calcule le coup préparé dans le fichier de position et écrit les trajectoires
des billes blanche, rouge et pointée comme l&apos;export des trajectoires. Les
valeurs qu&apos;un fichier trop court ne donne pas sont celles d&apos;un billard neuf.

  -o FICHIER         écrit dans FICHIER (remplacé en entier) au lieu de la sortie standard
  --tuning FICHIER   applique les coefficients de réglage de FICHIER (créé s&apos;il manque) ;
                     sans cette option les coefficients par défaut servent et aucun
                     fichier n&apos;est lu
  --full             écrit 17 chiffres significatifs au lieu de 6
  --image FICHIER    dessine le billard, les billes et leurs trajectoires dans FICHIER,
                     une image .svg, .pdf ou .png ; les trajectoires ne sont alors
                     écrites en texte qu&apos;avec -o
  --width PX         largeur d&apos;une image PNG ou SVG en pixels (1600 par défaut)
  --mono             dessine l&apos;image en noir et blanc
  --line-width L     traits des trajectoires fins (thin), normaux (normal, par défaut)
                     ou épais (thick)
  --title TEXTE      titre au-dessus du billard (par défaut : le nom du fichier de position)
  --no-trajectories  dessine la position seule, sans le coup
  -h, --help         affiche cette aide
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mirobelt-shot : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission refusée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option %1 attend un nom de fichier (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--width attend un nombre entier de pixels de %1 à %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--line-width attend thin, normal ou thick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option inconnue %1 (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un seul fichier de position est accepté (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun fichier de position (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type d&apos;image inconnu pour %1 : le nom doit finir par .svg, .pdf ou .png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de réglage %1 manque et ne peut pas être créé : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le fichier de réglage %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de réglage %1 est un dossier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de réglage %1 n&apos;est pas un fichier ordinaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de réglage %1 est trop grand (plus de 1 Mio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de réglage (un mot de plus de 4096 caractères)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le fichier de réglage %1 ne peut pas être lu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 est un dossier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 est un périphérique, pas un fichier de position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 est trop grand pour un fichier de position (plus de 1 Mio)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de position (un mot de plus de 4096 caractères)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de position (mauvais en-tête)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ne peut pas être lu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier en lecture seule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun nom de fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contient %2 des %3 valeurs ; les autres sont celles d&apos;un billard neuf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossible d&apos;écrire sur la sortie standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MirobeltSolve</name>
    <message>
        <source>usage : mirobelt-solve POSITION.bi1 --game libre|une-bande|trois-bandes [--aim-only]
                       [--top N] [--threads N] [-o DOSSIER] [--json]

Cherche les coups qui marquent le point depuis la position du fichier, selon
les règles du jeu choisi, et les classe du plus facile au plus difficile : la
fenêtre est la largeur, en degrés, des directions voisines qui marquent aussi.
Seuls comptent les points faits par la bille de tir dans sa course : un point
fait plus tard par une bille qui vient toucher la bille de tir arrêtée n&apos;est
pas cherché. La hauteur d&apos;attaque se lit comme au billard : positive au-dessus
du centre (coulé), négative en dessous (rétro) ; les fichiers de position
gardent le signe inverse. Les bandes touchées avant la deuxième bille sont
notées G (gauche), D (droite), H (haut) et B (bas), le billard vu comme à l&apos;écran.

  --game JEU     libre, une-bande ou trois-bandes
  --aim-only     cherche la visée seule, avec l&apos;effet, l&apos;élévation et la force du
                 fichier ; sans cette option l&apos;effet et la force sont cherchés aussi
  --top N        montre les N meilleures solutions (10 par défaut)
  --threads N    nombre de fils de calcul (par défaut un par cœur)
  -o DOSSIER     écrit la solution K dans DOSSIER/solution-K.bi1
  --json         un objet JSON sur la sortie standard au lieu du tableau
  --sheet F.pdf  écrit la feuille d&apos;exercices : la position, puis deux solutions par page
  -h, --help     affiche cette aide
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mirobelt-solve : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jeu inconnu %1 (libre, une-bande ou trois-bandes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valeur incorrecte pour %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --sheet attend un nom de fichier en .pdf (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option inconnue %1 (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un seul fichier de position est accepté (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun fichier de position (voir --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le jeu manque : --game libre, une-bande ou trois-bandes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blanche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pointée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir %1 : fichier introuvable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 est un dossier, pas un fichier de position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de position lisible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 solution(s), %2 coups calculés en %3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rang fenêtre(°) 1re bille bandes avant 2e  visée(°)  force  hauteur   côté  masse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la bille de tir du fichier doit être 1, 2 ou 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valeur non finie dans %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la force du fichier doit être entre 0 et 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShotFinderPanel</name>
    <message>
        <source>Blanche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenêtre°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visée°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1re</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Côté</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Élév.°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rang, du coup le plus facile au plus difficile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur en degrés des directions autour de la visée qui marquent toutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction de la visée en degrés, 0 vers la droite, dans le sens des aiguilles d&apos;une montre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Première bille touchée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandes touchées avant la deuxième bille : G gauche, D droite, H haut, B bas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force du coup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur du point d&apos;attaque : positive au-dessus du centre (coulé), négative en dessous (rétro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Côté du point d&apos;attaque : positif à droite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Élévation de la queue en degrés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter la feuille...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La position et les coups de la liste, deux par page, dans un document PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carte des visées</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marque autour de la bille de tir les directions de visée qui marquent le point dans le jeu choisi, avec l&apos;effet, l&apos;élévation et la force réglés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste périmée : le jeu a changé. Chercher à nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste périmée : la recherche a changé. Chercher à nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste périmée : le jeu ou la recherche a changé pendant la recherche. Chercher à nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas de coups à exporter : lancer d&apos;abord une recherche.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporter la feuille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuille exportée : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la feuille %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coups possibles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visée seule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visée et effet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recherche :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chercher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrête la recherche (Échap)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seuls les points faits par la bille de tir dans sa course sont cherchés : un point fait plus tard par une bille qui vient toucher la bille de tir arrêtée ne l&apos;est pas. Choisir un coup le montre sur le billard ; Entrée le joue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recherche en cours...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recherche arrêtée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune solution (%1 coups calculés en %2 s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 solution(s) ; %2 coups calculés en %3 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste périmée : les billes ou la bille de tir ont changé. Chercher à nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StrokePanel</name>
    <message>
        <source>Réglages du coup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blanche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bille de choc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle de visée (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la saisie de l&apos;angle de visée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur d&apos;attaque (−1 à 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la saisie de la hauteur d&apos;attaque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effet latéral (−1 à 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la saisie de l&apos;effet latéral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force (0 à 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la saisie de la force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Élévation (0 à 89°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la saisie de l&apos;élévation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blanche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rouge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pointée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la saisie de la place de la bille %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bille %1, x (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bille %1, y (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur hors limites : non appliquée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le choix de la bille de choc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
