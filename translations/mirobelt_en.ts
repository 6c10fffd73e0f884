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
</TS>
