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
        <translation>Undo</translation>
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
        <source>Annuler %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Rétablir %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Réglages du coup</source>
        <translation>Stroke settings</translation>
    </message>
    <message>
        <source>Affiche ou masque les réglages du coup en chiffres</source>
        <translation>Shows or hides the stroke settings in numbers</translation>
    </message>
</context>
<context>
    <name>CMirobeltView</name>
    <message>
        <source>le coup joué</source>
        <translation>the shot played</translation>
    </message>
    <message>
        <source>Impossible d&apos;ecrire %1</source>
        <translation>Cannot write %1</translation>
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
        <source>l&apos;ouverture de %1</source>
        <translation>opening %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer %1</source>
        <translation>Cannot save %1</translation>
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
        <source>Liste de %1 positions enregistrée dans %2</source>
        <translation>List of %1 positions saved in %2</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas une liste de positions</source>
        <translation>%1 is not a position list</translation>
    </message>
    <message>
        <source>la lecture de la liste des positions</source>
        <translation>reading the position list</translation>
    </message>
    <message>
        <source>%1 positions lues dans %2</source>
        <translation>%1 positions read from %2</translation>
    </message>
    <message>
        <source>l&apos;application de la solution</source>
        <translation>applying the solution</translation>
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
        <translation>Spotted</translation>
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
        <translation>the aim angle entry</translation>
    </message>
    <message>
        <source>Hauteur d&apos;attaque (−1 à 1)</source>
        <translation>Strike height (−1 to 1)</translation>
    </message>
    <message>
        <source>la saisie de la hauteur d&apos;attaque</source>
        <translation>the strike height entry</translation>
    </message>
    <message>
        <source>Effet latéral (−1 à 1)</source>
        <translation>Side (−1 to 1)</translation>
    </message>
    <message>
        <source>la saisie de l&apos;effet latéral</source>
        <translation>the side entry</translation>
    </message>
    <message>
        <source>Force (0 à 1)</source>
        <translation>Force (0 to 1)</translation>
    </message>
    <message>
        <source>la saisie de la force</source>
        <translation>the force entry</translation>
    </message>
    <message>
        <source>Élévation (0 à 89°)</source>
        <translation>Raise (0 to 89°)</translation>
    </message>
    <message>
        <source>la saisie de l&apos;élévation</source>
        <translation>the raise entry</translation>
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
        <translation>spotted</translation>
    </message>
    <message>
        <source>la saisie de la place de la bille %1</source>
        <translation>the entry of the %1 ball&apos;s place</translation>
    </message>
    <message>
        <source>Bille %1, x (m)</source>
        <translation>%1 ball, x (m)</translation>
    </message>
    <message>
        <source>Bille %1, y (m)</source>
        <translation>%1 ball, y (m)</translation>
    </message>
    <message>
        <source>Valeur hors limites : non appliquée</source>
        <translation>Value out of range: not applied</translation>
    </message>
    <message>
        <source>le choix de la bille de choc</source>
        <translation>the choice of the cue ball</translation>
    </message>
</context>
</TS>
