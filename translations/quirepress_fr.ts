<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quirepress::detail::FileDialog</name>
    <message>
        <source>%1
Path does not exist.
Please verify the correct path was given.</source>
        <translation>%1
Le chemin n&apos;existe pas.
Veuillez vérifier que le chemin indiqué est correct.</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::frmDisplay</name>
    <message>
        <source>Quirepress Display</source>
        <translation>Aperçu Quirepress</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Save the pages as a PDF file</source>
        <translation>Enregistrer les pages dans un fichier PDF</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 de %2</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::frmOutput</name>
    <message>
        <source>Output to Screen</source>
        <translation>Sortie à l&apos;écran</translation>
    </message>
    <message>
        <source>Output to Printer</source>
        <translation>Sortie sur l&apos;imprimante</translation>
    </message>
    <message>
        <source>Output to File</source>
        <translation>Sortie dans un fichier</translation>
    </message>
    <message>
        <source>Output to Email</source>
        <translation>Sortie par courriel</translation>
    </message>
    <message>
        <source>Output to PDF file</source>
        <translation>Sortie dans un fichier PDF</translation>
    </message>
    <message>
        <source>Quirepress Output</source>
        <translation>Sortie Quirepress</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::frmProgress</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Quirepress Progress</source>
        <translation>Progression Quirepress</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
</TS>
