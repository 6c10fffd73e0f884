<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AimMapOverlay</name>
    <message>
        <source>Fenêtre de %1° : un clic vise en son milieu</source>
        <translation>Window of %1°: a click aims at its middle</translation>
    </message>
</context>
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
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Annuler %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Rétablir %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Simulateur de Billard Francais (Ostrevan)</source>
        <translation>Carom Billiards Simulator (Ostrevan)</translation>
    </message>
    <message>
        <source>Prêt</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Sans titre</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>MAJ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Ouvre ce document</source>
        <translation>Opens this document</translation>
    </message>
    <message>
        <source>PosCourante:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>NbPositions:</source>
        <translation>Positions:</translation>
    </message>
    <message>
        <source>Enregistrer la liste des positions ?</source>
        <translation>Save the position list?</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t Save</translation>
    </message>
</context>
<context>
    <name>CMirobeltView</name>
    <message>
        <source>le coup joué</source>
        <translation>the played shot</translation>
    </message>
    <message>
        <source>l&apos;ouverture de %1</source>
        <translation>opening %1</translation>
    </message>
    <message>
        <source>l&apos;ajout de la position à la liste</source>
        <translation>adding the position to the list</translation>
    </message>
    <message>
        <source>le retour à la position précédente</source>
        <translation>going back to the previous position</translation>
    </message>
    <message>
        <source>le passage à la position suivante</source>
        <translation>going on to the next position</translation>
    </message>
    <message>
        <source>la suppression de la dernière position</source>
        <translation>deleting the last position</translation>
    </message>
    <message>
        <source>la lecture de la liste des positions</source>
        <translation>reading the position list</translation>
    </message>
    <message>
        <source>l&apos;application de la solution</source>
        <translation>applying the solution</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>le changement de format de table</source>
        <translation>the table format change</translation>
    </message>
    <message>
        <source>le déplacement de la bille blanche</source>
        <translation>the move of the white ball</translation>
    </message>
    <message>
        <source>le déplacement de la bille rouge</source>
        <translation>the move of the red ball</translation>
    </message>
    <message>
        <source>le déplacement de la bille pointée</source>
        <translation>the move of the spotted ball</translation>
    </message>
    <message>
        <source>le déplacement des billes</source>
        <translation>the move of the balls</translation>
    </message>
    <message>
        <source>la visée</source>
        <translation>the aim</translation>
    </message>
    <message>
        <source>le changement du point d&apos;impact</source>
        <translation>the strike point change</translation>
    </message>
    <message>
        <source>le changement de force</source>
        <translation>the force change</translation>
    </message>
    <message>
        <source>le changement d&apos;élévation</source>
        <translation>the raise change</translation>
    </message>
    <message>
        <source>le changement de mode</source>
        <translation>the mode change</translation>
    </message>
    <message>
        <source>la modification de la liste des positions</source>
        <translation>the change of the position list</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>%1 est un dossier</source>
        <translation>%1 is a folder</translation>
    </message>
    <message>
        <source>%1 est trop grand pour une position</source>
        <translation>%1 is too large for a position</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas une position</source>
        <translation>%1 is not a position</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer %1</source>
        <translation>Cannot save %1</translation>
    </message>
    <message>
        <source>Liste de %1 positions enregistrée dans %2</source>
        <translation>List of %1 positions saved in %2</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas une liste de positions</source>
        <translation>%1 is not a position list</translation>
    </message>
    <message>
        <source>%1 positions lues dans %2</source>
        <translation>%1 positions read from %2</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Pour deplacer une bille : Drag and Drop avec le bouton droit de la souris</source>
        <translation>To move a ball: drag and drop with the right mouse button</translation>
    </message>
    <message>
        <source>Pour indiquer la direction : Cliquer sur une bille et Drag and Drop avec le bouton gauche</source>
        <translation>To aim: click a ball and drag with the left button</translation>
    </message>
    <message>
        <source>Pour regler l&apos;effet et la hauteur : Bouton gauche sur la bille en bas a gauche de la fenetre</source>
        <translation>To set side and height: left button on the ball at the bottom left of the window</translation>
    </message>
    <message>
        <source>     n : attaque au centre</source>
        <translation>     n: cue tip back to the centre</translation>
    </message>
    <message>
        <source>Pour indiquer la force du coup: bouton gauche sur la barre horizontale sous le billard</source>
        <translation>To set the force of the stroke: left button on the horizontal bar under the table</translation>
    </message>
    <message>
        <source>Pour indiquer l&apos;angle de masse ou pique,: bouton gauche sur le curseur rouge</source>
        <translation>To set the massé or piqué angle: left button on the red cursor</translation>
    </message>
    <message>
        <source>   F5 -&gt; Horizontal    F8-&gt; Vertical</source>
        <translation>   F5 -&gt; Level    F8 -&gt; Vertical</translation>
    </message>
    <message>
        <source>Pour visualiser les trajectoires : double click (bouton gauche)</source>
        <translation>To see the trajectories: double-click (left button)</translation>
    </message>
    <message>
        <source>Pour jouer le coup: Return ou barre d&apos;outil</source>
        <translation>To play the shot: Return or the toolbar</translation>
    </message>
    <message>
        <source>Pour interrompre un coup en cours, Escape</source>
        <translation>To stop a shot under way: Escape</translation>
    </message>
    <message>
        <source>Pour visualiser le coup en temps reel : maintenir la touche Shift</source>
        <translation>To watch the shot in real time: hold down Shift</translation>
    </message>
    <message>
        <source>Les &quot;bleus&quot; situes sur la bande en haut a gauche peuvent etre deplaces comme les billes</source>
        <translation>The blue markers on the top-left rail can be moved like the balls</translation>
    </message>
    <message>
        <source>&amp;Ouvrir une position...	Ctrl+O</source>
        <translation>&amp;Open a position...	Ctrl+O</translation>
    </message>
    <message>
        <source>Ouvre un document existant</source>
        <translation>Opens an existing document</translation>
    </message>
    <message>
        <source>En&amp;registrer une position sous...</source>
        <translation>Save a position &amp;as...</translation>
    </message>
    <message>
        <source>Enregistre le document actif sous un nouveau nom</source>
        <translation>Saves the active document under a new name</translation>
    </message>
    <message>
        <source>&amp;Exporter l&apos;image...	Ctrl+E</source>
        <translation>&amp;Export image...	Ctrl+E</translation>
    </message>
    <message>
        <source>Enregistre la table et les trajectoires en image SVG, PDF ou PNG</source>
        <translation>Saves the table and the trajectories as an SVG, PDF or PNG image</translation>
    </message>
    <message>
        <source>Exporter l&apos;image</source>
        <translation>Export image</translation>
    </message>
    <message>
        <source>&amp;Imprimer...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Imprime le document actif</source>
        <translation>Prints the active document</translation>
    </message>
    <message>
        <source>&amp;Quitter	Ctrl+Q</source>
        <translation>&amp;Quit	Ctrl+Q</translation>
    </message>
    <message>
        <source>Ferme l&apos;application ; propose d&apos;enregistrer les documents</source>
        <translation>Closes the application; offers to save the documents</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Enregistre le document actif</source>
        <translation>Saves the active document</translation>
    </message>
    <message>
        <source>Crée un nouveau document</source>
        <translation>Creates a new document</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Annule la dernière action</source>
        <translation>Undoes the last action</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Rétablit l&apos;action annulée</source>
        <translation>Redoes the undone action</translation>
    </message>
    <message>
        <source>&amp;Barre d&apos;outils</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Affiche ou masque la barre d&apos;outils</source>
        <translation>Shows or hides the toolbar</translation>
    </message>
    <message>
        <source>Barre d&apos;é&amp;tat</source>
        <translation>&amp;Status bar</translation>
    </message>
    <message>
        <source>Affiche ou masque la barre d&apos;état</source>
        <translation>Shows or hides the status bar</translation>
    </message>
    <message>
        <source>Affiche ou masque les réglages du coup en chiffres</source>
        <translation>Shows or hides the stroke settings in figures</translation>
    </message>
    <message>
        <source>Réglages du coup</source>
        <translation>Stroke settings</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Choisit la langue de l&apos;interface</source>
        <translation>Chooses the language of the interface</translation>
    </message>
    <message>
        <source>&amp;Chercher un coup...	F9</source>
        <translation>&amp;Find a shot...	F9</translation>
    </message>
    <message>
        <source>Cherche les coups qui marquent le point depuis la position (F9)</source>
        <translation>Looks for the shots that score from this position (F9)</translation>
    </message>
    <message>
        <source>Chercher un coup (F9)</source>
        <translation>Find a shot (F9)</translation>
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
        <source>&amp;A propos de Billard...</source>
        <translation>&amp;About Billard...</translation>
    </message>
    <message>
        <source>Affiche des informations sur le programme, le numéro de version et le copyright</source>
        <translation>Shows information about the program, its version number and copyright</translation>
    </message>
    <message>
        <source>A propos de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Comment Jouer</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>Comment jouer en quelques mots. </source>
        <translation>How to play in a few words. </translation>
    </message>
    <message>
        <source>Interrompt le coup en cours (ESC)</source>
        <translation>Stops the shot under way (Esc)</translation>
    </message>
    <message>
        <source>Joue le coup (RET)</source>
        <translation>Plays the shot (Return)</translation>
    </message>
    <message>
        <source>Montre la trajectoire (Dbl Click)</source>
        <translation>Shows the trajectory (double-click)</translation>
    </message>
    <message>
        <source>Position Precedente</source>
        <translation>Previous position</translation>
    </message>
    <message>
        <source>Efface la position courante de la liste de coups</source>
        <translation>Deletes the current position from the list of shots</translation>
    </message>
    <message>
        <source>Position suivante</source>
        <translation>Next position</translation>
    </message>
    <message>
        <source>Joue le coup et passe a la position suivante</source>
        <translation>Plays the shot and goes to the next position</translation>
    </message>
    <message>
        <source>Sauve la liste des positions</source>
        <translation>Saves the position list</translation>
    </message>
    <message>
        <source>Charge la liste des positions</source>
        <translation>Loads the position list</translation>
    </message>
    <message>
        <source>Mode Artistique</source>
        <translation>Artistic mode</translation>
    </message>
    <message>
        <source>Mode Normal</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <source>Mode couleur (Repaint)</source>
        <translation>Colour mode (redraws)</translation>
    </message>
    <message>
        <source>Mode couleur</source>
        <translation>Colour mode</translation>
    </message>
    <message>
        <source>Mode monochrome (Repaint)</source>
        <translation>Monochrome mode (redraws)</translation>
    </message>
    <message>
        <source>Mode monochrome</source>
        <translation>Monochrome mode</translation>
    </message>
    <message>
        <source>Fixe la taille de l&apos;ecran a 500 pixels en largeur.</source>
        <translation>Sets the window to 500 pixels wide.</translation>
    </message>
    <message>
        <source>Affichage de reperes deplacables (Drag and Drop bouton droit.)</source>
        <translation>Shows movable markers (drag with the right button.)</translation>
    </message>
    <message>
        <source>Affichage de reperes deplacables.</source>
        <translation>Shows movable markers.</translation>
    </message>
    <message>
        <source>Trace un cadre style 71/2</source>
        <translation>Draws a 71/2 balkline frame</translation>
    </message>
    <message>
        <source>Billard &lt;-&gt; Demi Billard</source>
        <translation>Table &lt;-&gt; Half table</translation>
    </message>
    <message>
        <source>Billard &lt;-&gt; Demi Billard.</source>
        <translation>Table &lt;-&gt; Half table.</translation>
    </message>
    <message>
        <source>Quadrillage mouche à mouche.</source>
        <translation>Spot-to-spot grid.</translation>
    </message>
    <message>
        <source>Coupe la sélection et la place dans le Presse-papiers</source>
        <translation>Cuts the selection and puts it on the clipboard</translation>
    </message>
    <message>
        <source>Copie la sélection et la place dans le Presse-papiers</source>
        <translation>Copies the selection and puts it on the clipboard</translation>
    </message>
    <message>
        <source>Insère le contenu du Presse-papiers</source>
        <translation>Inserts the contents of the clipboard</translation>
    </message>
    <message>
        <source>Passe au volet de fenêtre suivant</source>
        <translation>Switches to the next window pane</translation>
    </message>
    <message>
        <source>Revient au volet de fenêtre précédent</source>
        <translation>Switches back to the previous window pane</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Affichage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Outils</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Comment jouer</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Jeu</source>
        <translation>Game</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Diagramme de billard</source>
        <translation>Billiards diagram</translation>
    </message>
    <message>
        <source>1re</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2e</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>Solution %1</source>
        <translation>Solution %1</translation>
    </message>
    <message>
        <source>Fenêtre %1°</source>
        <translation>Window %1°</translation>
    </message>
    <message>
        <source>Jeu : %1 · Bille de tir : %2</source>
        <translation>Game: %1 · Cue ball: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n solution(s) dans les pages suivantes</source>
        <translation>
            <numerusform>%n solution on the following pages</numerusform>
            <numerusform>%n solutions on the following pages</numerusform>
        </translation>
    </message>
    <message>
        <source>Visée %1° · Hauteur %2 · Côté %3 · Force %4 · Queue %5°</source>
        <translation>Aim %1° · Height %2 · Side %3 · Force %4 · Cue %5°</translation>
    </message>
    <message>
        <source>blanche</source>
        <translation>white</translation>
    </message>
    <message>
        <source>rouge</source>
        <translation>red</translation>
    </message>
    <message>
        <source>pointée</source>
        <translation>spot white</translation>
    </message>
    <message>
        <source>1re bille : %1 · Bandes : %2</source>
        <translation>1st ball: %1 · Cushions: %2</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source> · Fenêtre %1°</source>
        <translation> · Window %1°</translation>
    </message>
    <message>
        <source>,</source>
        <comment>decimal separator</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>G</source>
        <comment>cushion letter: left</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>D</source>
        <comment>cushion letter: right</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>H</source>
        <comment>cushion letter: top</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>B</source>
        <comment>cushion letter: bottom</comment>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>DiagramExport</name>
    <message>
        <source>Image vectorielle SVG (*.svg)</source>
        <translation>SVG vector image (*.svg)</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Exporter l&apos;image</source>
        <translation>Export image</translation>
    </message>
    <message>
        <source>Largeur de l&apos;image en pixels :</source>
        <translation>Image width in pixels:</translation>
    </message>
    <message>
        <source>Fines</source>
        <translation>Thin</translation>
    </message>
    <message>
        <source>Normales</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Épaisses</source>
        <translation>Thick</translation>
    </message>
    <message>
        <source>Trajectoires :</source>
        <translation>Trajectories:</translation>
    </message>
    <message>
        <source>Image exportée : %1</source>
        <translation>Image exported: %1</translation>
    </message>
    <message>
        <source>Type d&apos;image inconnu pour %1 : choisissez un nom en .svg, .pdf ou .png</source>
        <translation>Unknown image type for %1: choose a name ending in .svg, .pdf or .png</translation>
    </message>
    <message>
        <source>Largeur d&apos;image de %1 pixels refusée : de %2 à %3 pixels</source>
        <translation>Image width of %1 pixels refused: from %2 to %3 pixels</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer l&apos;image %1</source>
        <translation>Cannot save the image %1</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Une bande</source>
        <translation>One-cushion</translation>
    </message>
    <message>
        <source>Trois bandes</source>
        <translation>Three-cushion</translation>
    </message>
    <message>
        <source>Libre</source>
        <translation>Straight rail</translation>
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
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Les menus et la barre d&apos;outils changent de langue tout de suite ; le contenu des panneaux suivra au prochain démarrage.</source>
        <translation>The menus and the toolbar change language at once; the contents of the panels will follow from the next start.</translation>
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
        <translation>usage: mirobelt-shot POSITION.bi1 [-o FILE] [--tuning FILE] [--full]
                     [--image FILE [--width PX] [--mono] [--line-width thin|normal|thick]
                      [--title TEXT] [--no-trajectories]]

Computes the shot set up in the position file and writes the trajectories
of the white, red and spotted balls as the trajectory export does. Values a
file that stops early leaves out are those of a newly started table.

  -o FILE          write to FILE (replaced as a whole) instead of the standard output
  --tuning FILE    apply the tuning coefficients of FILE (created when missing);
                   without it the default coefficients are used and no file is read
  --full           write 17 significant digits instead of 6
  --image FILE     draw the table, the balls and their trajectories to FILE,
                   an .svg, .pdf or .png image; the trajectories are then
                   written as text only with -o
  --width PX       width of a PNG or SVG image in pixels (default 1600)
  --mono           draw the image in black and white
  --line-width W   thin, normal (default) or thick trajectory lines
  --title TEXT     title above the table (default: the position file&apos;s name)
  --no-trajectories  draw the position alone, without the shot
  -h, --help       show this help
</translation>
    </message>
    <message>
        <source>mirobelt-shot : %1</source>
        <translation>mirobelt-shot: %1</translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>permission refusée</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend un nom de fichier (voir --help)</source>
        <translation>option %1 needs a file name (see --help)</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur (voir --help)</source>
        <translation>option %1 needs a value (see --help)</translation>
    </message>
    <message>
        <source>--width attend un nombre entier de pixels de %1 à %2</source>
        <translation>--width takes a whole number of pixels from %1 to %2</translation>
    </message>
    <message>
        <source>--line-width attend thin, normal ou thick</source>
        <translation>--line-width takes thin, normal or thick</translation>
    </message>
    <message>
        <source>option inconnue %1 (voir --help)</source>
        <translation>unknown option %1 (see --help)</translation>
    </message>
    <message>
        <source>un seul fichier de position est accepté (voir --help)</source>
        <translation>only one position file may be given (see --help)</translation>
    </message>
    <message>
        <source>aucun fichier de position (voir --help)</source>
        <translation>no position file given (see --help)</translation>
    </message>
    <message>
        <source>type d&apos;image inconnu pour %1 : le nom doit finir par .svg, .pdf ou .png</source>
        <translation>unknown image type of %1: the name must end in .svg, .pdf or .png</translation>
    </message>
    <message>
        <source>le fichier de réglage %1 manque et ne peut pas être créé : %2</source>
        <translation>tuning file %1 is missing and cannot be created: %2</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le fichier de réglage %1 : %2</source>
        <translation>tuning file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>le fichier de réglage %1 est un dossier</source>
        <translation>tuning file %1 is a folder</translation>
    </message>
    <message>
        <source>le fichier de réglage %1 n&apos;est pas un fichier ordinaire</source>
        <translation>tuning file %1 is not a regular file</translation>
    </message>
    <message>
        <source>le fichier de réglage %1 est trop grand (plus de 1 Mio)</source>
        <translation>tuning file %1 is too large (over 1 MiB)</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de réglage (un mot de plus de 4096 caractères)</source>
        <translation>%1 is not a tuning file (a word of over 4096 characters)</translation>
    </message>
    <message>
        <source>le fichier de réglage %1 ne peut pas être lu</source>
        <translation>tuning file %1 cannot be read</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir %1 : %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 est un dossier</source>
        <translation>%1 is a folder</translation>
    </message>
    <message>
        <source>%1 est un périphérique, pas un fichier de position</source>
        <translation>%1 is a device, not a position file</translation>
    </message>
    <message>
        <source>%1 est trop grand pour un fichier de position (plus de 1 Mio)</source>
        <translation>%1 is too large for a position file (over 1 MiB)</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de position (un mot de plus de 4096 caractères)</source>
        <translation>%1 is not a position file (a word of over 4096 characters)</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de position (mauvais en-tête)</source>
        <translation>%1 is not a position file (wrong header)</translation>
    </message>
    <message>
        <source>%1 ne peut pas être lu</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>fichier en lecture seule</source>
        <translation>is read-only</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>aucun nom de fichier</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>%1 contient %2 des %3 valeurs ; les autres sont celles d&apos;un billard neuf</source>
        <translation>%1 holds %2 of the %3 values; the others are those of a new table</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1 : %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire sur la sortie standard</source>
        <translation>cannot write the standard output</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1</source>
        <translation>cannot write %1</translation>
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
        <translation>usage: mirobelt-solve POSITION.bi1 --game libre|une-bande|trois-bandes [--aim-only]
                      [--top N] [--threads N] [-o FOLDER] [--json]

Searches the shots that score from the position of the file, under the rules
of the chosen game, and ranks them from the easiest to the hardest: the window
is the width, in degrees, of the neighbouring directions that score as well.
Only points made by the cue ball on its own run count: a point made later, by
a ball that comes back to hit the cue ball once it has stopped, is not searched
for. The cue tip height reads as at the table: positive above the centre
(follow), negative below (draw); position files keep the opposite sign. The
cushions hit before the second ball are noted G (left), D (right), H (top) and
B (bottom), the table seen as on the screen.

  --game GAME    libre (straight rail), une-bande (one-cushion) or trois-bandes
                 (three-cushion)
  --aim-only     searches the aim alone, with the side, elevation and force of
                 the file; without this option the side and force are searched too
  --top N        shows the N best solutions (10 by default)
  --threads N    number of computing threads (by default one per core)
  -o FOLDER      writes solution K to FOLDER/solution-K.bi1
  --json         one JSON object on the standard output instead of the table
  --sheet F.pdf  writes the practice sheet: the position, then two solutions a page
  -h, --help     shows this help
</translation>
    </message>
    <message>
        <source>mirobelt-solve : %1</source>
        <translation>mirobelt-solve: %1</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur (voir --help)</source>
        <translation>option %1 needs a value (see --help)</translation>
    </message>
    <message>
        <source>jeu inconnu %1 (libre, une-bande ou trois-bandes)</source>
        <translation>unknown game %1 (libre, une-bande or trois-bandes)</translation>
    </message>
    <message>
        <source>valeur incorrecte pour %1 : %2</source>
        <translation>bad value for %1: %2</translation>
    </message>
    <message>
        <source>l&apos;option --sheet attend un nom de fichier en .pdf (voir --help)</source>
        <translation>option --sheet needs a file name ending in .pdf (see --help)</translation>
    </message>
    <message>
        <source>option inconnue %1 (voir --help)</source>
        <translation>unknown option %1 (see --help)</translation>
    </message>
    <message>
        <source>un seul fichier de position est accepté (voir --help)</source>
        <translation>only one position file may be given (see --help)</translation>
    </message>
    <message>
        <source>aucun fichier de position (voir --help)</source>
        <translation>no position file given (see --help)</translation>
    </message>
    <message>
        <source>le jeu manque : --game libre, une-bande ou trois-bandes</source>
        <translation>no game given: --game libre, une-bande or trois-bandes</translation>
    </message>
    <message>
        <source>blanche</source>
        <translation>white</translation>
    </message>
    <message>
        <source>rouge</source>
        <translation>red</translation>
    </message>
    <message>
        <source>pointée</source>
        <translation>spot</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir %1 : fichier introuvable</source>
        <translation>cannot open %1: no such file</translation>
    </message>
    <message>
        <source>%1 est un dossier, pas un fichier de position</source>
        <translation>%1 is a folder, not a position file</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un fichier de position lisible</source>
        <translation>%1 is not a readable position file</translation>
    </message>
    <message>
        <source>%1 solution(s), %2 coups calculés en %3 s</source>
        <translation>%1 solution(s), %2 shots computed in %3 s</translation>
    </message>
    <message>
        <source>rang fenêtre(°) 1re bille bandes avant 2e  visée(°)  force  hauteur   côté  masse</source>
        <translation>rank  window(°)  1st ball cushions to 2nd    aim(°)  force   height   side  raise</translation>
    </message>
    <message>
        <source>la bille de tir du fichier doit être 1, 2 ou 3</source>
        <translation>the file&apos;s cue ball must be 1, 2 or 3</translation>
    </message>
    <message>
        <source>valeur non finie dans %1</source>
        <translation>non-finite value in %1</translation>
    </message>
    <message>
        <source>la force du fichier doit être entre 0 et 1</source>
        <translation>the file&apos;s force must be between 0 and 1</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1</source>
        <translation>cannot write %1</translation>
    </message>
</context>
<context>
    <name>ShotFinderPanel</name>
    <message>
        <source>Blanche</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Rouge</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Pointée</source>
        <translation>Spot white</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Fenêtre°</source>
        <translation>Window°</translation>
    </message>
    <message>
        <source>Visée°</source>
        <translation>Aim°</translation>
    </message>
    <message>
        <source>1re</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>Bandes</source>
        <translation>Cushions</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Haut.</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Côté</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Élév.°</source>
        <translation>Elev.°</translation>
    </message>
    <message>
        <source>Rang, du coup le plus facile au plus difficile</source>
        <translation>Rank, from the easiest shot to the hardest</translation>
    </message>
    <message>
        <source>Largeur en degrés des directions autour de la visée qui marquent toutes</source>
        <translation>Width in degrees of the directions around the aim that all score</translation>
    </message>
    <message>
        <source>Direction de la visée en degrés, 0 vers la droite, dans le sens des aiguilles d&apos;une montre</source>
        <translation>Aiming direction in degrees, 0 to the right, clockwise</translation>
    </message>
    <message>
        <source>Première bille touchée</source>
        <translation>First ball hit</translation>
    </message>
    <message>
        <source>Bandes touchées avant la deuxième bille : G gauche, D droite, H haut, B bas</source>
        <translation>Cushions hit before the second ball: L left, R right, T top, B bottom</translation>
    </message>
    <message>
        <source>Force du coup</source>
        <translation>Force of the stroke</translation>
    </message>
    <message>
        <source>Hauteur du point d&apos;attaque : positive au-dessus du centre (coulé), négative en dessous (rétro)</source>
        <translation>Height of the cue tip position: positive above the centre (follow), negative below (draw)</translation>
    </message>
    <message>
        <source>Côté du point d&apos;attaque : positif à droite</source>
        <translation>Side of the cue tip position: positive to the right</translation>
    </message>
    <message>
        <source>Élévation de la queue en degrés</source>
        <translation>Cue elevation in degrees</translation>
    </message>
    <message>
        <source>Exporter la feuille...</source>
        <translation>Export sheet...</translation>
    </message>
    <message>
        <source>La position et les coups de la liste, deux par page, dans un document PDF</source>
        <translation>The position and the listed shots, two to a page, in a PDF document</translation>
    </message>
    <message>
        <source>Carte des visées</source>
        <translation>Aiming map</translation>
    </message>
    <message>
        <source>Marque autour de la bille de tir les directions de visée qui marquent le point dans le jeu choisi, avec l&apos;effet, l&apos;élévation et la force réglés</source>
        <translation>Marks around the cue ball the aiming directions that score in the chosen game, with the side, elevation and force as set</translation>
    </message>
    <message>
        <source>Liste périmée : le jeu a changé. Chercher à nouveau.</source>
        <translation>List out of date: the game has changed. Search again.</translation>
    </message>
    <message>
        <source>Liste périmée : la recherche a changé. Chercher à nouveau.</source>
        <translation>List out of date: the search has changed. Search again.</translation>
    </message>
    <message>
        <source>Liste périmée : le jeu ou la recherche a changé pendant la recherche. Chercher à nouveau.</source>
        <translation>List out of date: the game or the search changed during the search. Search again.</translation>
    </message>
    <message>
        <source>Pas de coups à exporter : lancer d&apos;abord une recherche.</source>
        <translation>No shots to export: run a search first.</translation>
    </message>
    <message>
        <source>Exporter la feuille</source>
        <translation>Export sheet</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Feuille exportée : %1</source>
        <translation>Sheet exported: %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la feuille %1</source>
        <translation>Cannot save the sheet %1</translation>
    </message>
    <message>
        <source>Coups possibles</source>
        <translation>Possible shots</translation>
    </message>
    <message>
        <source>Visée seule</source>
        <translation>Aim only</translation>
    </message>
    <message>
        <source>Visée et effet</source>
        <translation>Aim and spin</translation>
    </message>
    <message>
        <source>Jeu :</source>
        <translation>Game:</translation>
    </message>
    <message>
        <source>Recherche :</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Chercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Arrête la recherche (Échap)</source>
        <translation>Stops the search (Esc)</translation>
    </message>
    <message>
        <source>Seuls les points faits par la bille de tir dans sa course sont cherchés : un point fait plus tard par une bille qui vient toucher la bille de tir arrêtée ne l&apos;est pas. Choisir un coup le montre sur le billard ; Entrée le joue.</source>
        <translation>Only points made by the cue ball on its own run are searched for: a point made later, by a ball that comes back to hit the cue ball once it has stopped, is not. Choosing a shot shows it on the table; Return plays it.</translation>
    </message>
    <message>
        <source>Recherche en cours...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Recherche arrêtée.</source>
        <translation>Search stopped.</translation>
    </message>
    <message>
        <source>Aucune solution (%1 coups calculés en %2 s).</source>
        <translation>No solution (%1 shots computed in %2 s).</translation>
    </message>
    <message>
        <source>%1 solution(s) ; %2 coups calculés en %3 s.</source>
        <translation>%1 solution(s); %2 shots computed in %3 s.</translation>
    </message>
    <message>
        <source>Liste périmée : les billes ou la bille de tir ont changé. Chercher à nouveau.</source>
        <translation>List out of date: the balls or the cue ball have changed. Search again.</translation>
    </message>
</context>
<context>
    <name>StrokePanel</name>
    <message>
        <source>Réglages du coup</source>
        <translation>Stroke settings</translation>
    </message>
    <message>
        <source>Blanche</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Rouge</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Pointée</source>
        <translation>Spot white</translation>
    </message>
    <message>
        <source>Bille de choc</source>
        <translation>Cue ball</translation>
    </message>
    <message>
        <source>Angle de visée (°)</source>
        <translation>Aim angle (°)</translation>
    </message>
    <message>
        <source>la saisie de l&apos;angle de visée</source>
        <translation>aim angle entry</translation>
    </message>
    <message>
        <source>Hauteur d&apos;attaque (−1 à 1)</source>
        <translation>Tip height (−1 to 1)</translation>
    </message>
    <message>
        <source>la saisie de la hauteur d&apos;attaque</source>
        <translation>tip height entry</translation>
    </message>
    <message>
        <source>Effet latéral (−1 à 1)</source>
        <translation>Side (−1 to 1)</translation>
    </message>
    <message>
        <source>la saisie de l&apos;effet latéral</source>
        <translation>side entry</translation>
    </message>
    <message>
        <source>Force (0 à 1)</source>
        <translation>Force (0 to 1)</translation>
    </message>
    <message>
        <source>la saisie de la force</source>
        <translation>force entry</translation>
    </message>
    <message>
        <source>Élévation (0 à 89°)</source>
        <translation>Cue elevation (0 to 89°)</translation>
    </message>
    <message>
        <source>la saisie de l&apos;élévation</source>
        <translation>cue elevation entry</translation>
    </message>
    <message>
        <source>blanche</source>
        <translation>white</translation>
    </message>
    <message>
        <source>rouge</source>
        <translation>red</translation>
    </message>
    <message>
        <source>pointée</source>
        <translation>spot white</translation>
    </message>
    <message>
        <source>la saisie de la place de la bille %1</source>
        <translation>%1 ball position entry</translation>
    </message>
    <message>
        <source>Bille %1, x (m)</source>
        <translation>x of the %1 ball (m)</translation>
    </message>
    <message>
        <source>Bille %1, y (m)</source>
        <translation>y of the %1 ball (m)</translation>
    </message>
    <message>
        <source>Valeur hors limites : non appliquée</source>
        <translation>Value out of range: not applied</translation>
    </message>
    <message>
        <source>le choix de la bille de choc</source>
        <translation>cue ball choice</translation>
    </message>
</context>
</TS>
