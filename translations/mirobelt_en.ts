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
</TS>
