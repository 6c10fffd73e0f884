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
        <source>Annuler %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Rétablir %1</source>
        <translation>Redo %1</translation>
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
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
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
        <translation>Possible shots</translation>
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
