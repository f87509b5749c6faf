<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quirepress::Error</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
</context>
<context>
    <name>quirepress::Report</name>
    <message>
        <source>Report Definition</source>
        <extracomment>A file type in the list of the open and save dialogs</extracomment>
        <translation>Définition de rapport</translation>
    </message>
    <message>
        <source>File exists.  Overwrite file?</source>
        <translation>Le fichier existe. Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>Report file not found</source>
        <translation>Fichier de rapport introuvable</translation>
    </message>
</context>
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
    <name>quirepress::detail::MailHandOver</name>
    <message>
        <source>Unable to send the report by email because no mail program (xdg-email) could be started.</source>
        <translation>Impossible d&apos;envoyer le rapport par courriel, car aucun programme de courriel (xdg-email) n&apos;a pu être démarré.</translation>
    </message>
    <message>
        <source>Path/File access error: %1: %2</source>
        <extracomment>%1 is the file (or its folder) that could not be written, %2 the system&apos;s reason</extracomment>
        <translation>Erreur d&apos;accès au chemin/fichier : %1 : %2</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::NamedCollection</name>
    <message>
        <source>Invalid procedure call or argument: no item named &quot;%1&quot;</source>
        <translation>Argument ou appel de procédure incorrect : aucun élément nommé «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::OutputFile</name>
    <message>
        <source>Path/File access error: cannot write %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Erreur d&apos;accès au chemin/fichier : impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::PageImages</name>
    <message>
        <source>Path/File access error: there is no folder for this user&apos;s temporary files: %1 is not a folder of this user&apos;s own that only this user can open (mode 0700), there is no such runtime folder ($XDG_RUNTIME_DIR), and no folder can be made in %2.</source>
        <translation>Erreur d&apos;accès au chemin/fichier : il n&apos;y a aucun dossier pour les fichiers temporaires de cet utilisateur : %1 n&apos;est pas un dossier propre à cet utilisateur que lui seul peut ouvrir (mode 0700), il n&apos;existe pas de dossier d&apos;exécution ($XDG_RUNTIME_DIR) et aucun dossier ne peut être créé dans %2.</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::PageSpool</name>
    <message>
        <source>Path/File access error: the preview&apos;s pages cannot be written to %1.</source>
        <translation>Erreur d&apos;accès au chemin/fichier : les pages de l&apos;aperçu ne peuvent pas être écrites dans %1.</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::PdfPages</name>
    <message>
        <source>Path/File access error: the PDF file %1 cannot be written (%2).</source>
        <translation>Erreur d&apos;accès au chemin/fichier : le fichier PDF %1 ne peut pas être écrit (%2).</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::PdfSurface</name>
    <message>
        <source>Error in loading DLL: the PDF writer cannot be loaded (%1).</source>
        <translation>Erreur de chargement de la bibliothèque : le générateur de PDF ne peut pas être chargé (%1).</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::PdfTarget</name>
    <message>
        <source>Path/File access error: the PDF writer cannot start on %1</source>
        <translation>Erreur d&apos;accès au chemin/fichier : le générateur de PDF ne peut pas démarrer pour %1</translation>
    </message>
    <message>
        <source>Path/File access error: cannot add a page to %1</source>
        <translation>Erreur d&apos;accès au chemin/fichier : impossible d&apos;ajouter une page à %1</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::PrinterChoice</name>
    <message>
        <source>Error in loading DLL: the print support cannot be loaded (%1).</source>
        <translation>Erreur de chargement de la bibliothèque : la prise en charge de l&apos;impression ne peut pas être chargée (%1).</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::PrinterTarget</name>
    <message>
        <source>Printer error: the printer %1 cannot be used.</source>
        <translation>Erreur d&apos;imprimante : l&apos;imprimante %1 ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>Printer error: %1 did not take a new page.</source>
        <extracomment>%1 is the printer&apos;s name</extracomment>
        <translation>Erreur d&apos;imprimante : %1 n&apos;a pas accepté de nouvelle page.</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::ProfileFile</name>
    <message>
        <source>The file is %1 MB, more than the %2 MB that a report definition may take</source>
        <translation>Le fichier fait %1 Mo, plus que les %2 Mo permis pour une définition de rapport</translation>
    </message>
    <message>
        <source>The profile file is UTF-16 with an odd number of bytes: it is damaged</source>
        <translation>Le fichier de profil est en UTF-16 avec un nombre impair d&apos;octets : il est endommagé</translation>
    </message>
    <message>
        <source>The profile file is damaged UTF-16</source>
        <translation>Le fichier de profil est en UTF-16 endommagé</translation>
    </message>
    <message>
        <source>The profile file is UTF-32, which is not read: save it as UTF-8</source>
        <translation>Le fichier de profil est en UTF-32, qui n&apos;est pas pris en charge : enregistrez-le en UTF-8</translation>
    </message>
    <message>
        <source>The profile file looks like UTF-16 without a byte-order mark (NUL bytes throughout), which is not read: save it as UTF-8, or as UTF-16 with a byte-order mark</source>
        <translation>Le fichier de profil semble être en UTF-16 sans indicateur d&apos;ordre des octets (octets NUL partout), qui n&apos;est pas pris en charge : enregistrez-le en UTF-8, ou en UTF-16 avec un indicateur d&apos;ordre des octets</translation>
    </message>
    <message>
        <source>The section name &quot;%1&quot; cannot be written to a profile file</source>
        <translation>Le nom de section «&#xa0;%1&#xa0;» ne peut pas être écrit dans un fichier de profil</translation>
    </message>
    <message>
        <source>The key name &quot;%1&quot; cannot be written to a profile file</source>
        <translation>Le nom de clé «&#xa0;%1&#xa0;» ne peut pas être écrit dans un fichier de profil</translation>
    </message>
    <message>
        <source>The profile file %1 cannot be read: %2</source>
        <translation>Le fichier de profil %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a report definition file, %2 what is wrong with it</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The value of the key &quot;%1&quot; holds a line break or a NUL, which a profile file cannot hold</source>
        <translation>La valeur de la clé «&#xa0;%1&#xa0;» contient un saut de ligne ou un caractère NUL, ce qu&apos;un fichier de profil ne peut pas contenir</translation>
    </message>
    <message>
        <source>The value of the key &quot;%1&quot; is longer than the %2 characters that a profile file gives back</source>
        <translation>La valeur de la clé «&#xa0;%1&#xa0;» dépasse les %2 caractères qu&apos;un fichier de profil peut restituer</translation>
    </message>
    <message>
        <source>The profile file %1 cannot be written: %2</source>
        <translation>Le fichier de profil %1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::ReportDefinition</name>
    <message>
        <source>Overflow: [%1] %2=%3</source>
        <extracomment>%1 is a section of the report definition file, %2 a key of it, %3 the key&apos;s value</extracomment>
        <translation>Dépassement de capacité : [%1] %2=%3</translation>
    </message>
    <message>
        <source>Type mismatch: [%1] %2=%3</source>
        <extracomment>%1 is a section of the report definition file, %2 a key of it, %3 the key&apos;s value</extracomment>
        <translation>Type incompatible : [%1] %2=%3</translation>
    </message>
    <message>
        <source>Overflow: [%1] %2 lies %3 away from %4</source>
        <extracomment>%1 is a section of the report definition file, %2 the key of a field&apos;s right or bottom edge, %3 the distance in twips, %4 the field&apos;s left or top</extracomment>
        <translation>Dépassement de capacité : [%1] %2 se trouve à %3 de %4</translation>
    </message>
    <message>
        <source>The definition has no [%1] section.</source>
        <translation>La définition ne contient aucune section [%1].</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::ReportRun</name>
    <message>
        <source>Cant show report output because the calling form is a modal form.</source>
        <translation>Impossible d&apos;afficher le rapport, car la fenêtre appelante est une fenêtre modale.</translation>
    </message>
    <message>
        <source>PDF files</source>
        <extracomment>A file type in the list of the save dialog</extracomment>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>File exists.  Overwrite file?</source>
        <translation>Le fichier existe. Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>The report stopped on an error of unknown kind.</source>
        <translation>Le rapport s&apos;est arrêté sur une erreur de type inconnu.</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::TableSection</name>
    <message>
        <source>Overflow: %1 rows of %2 columns of the table %3 are more than the %4 cells a report lays out at once.</source>
        <extracomment>%3 is the table field&apos;s name</extracomment>
        <translation>Dépassement de capacité : les %1 lignes de %2 colonnes du tableau %3 dépassent les %4 cellules qu&apos;un rapport met en page en une seule fois.</translation>
    </message>
</context>
<context>
    <name>quirepress::detail::WholeFile</name>
    <message>
        <source>Path/File access error: cannot write %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Erreur d&apos;accès au chemin/fichier : impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Path/File access error: cannot create %1: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Erreur d&apos;accès au chemin/fichier : impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>the disk takes no more</source>
        <extracomment>Why a file could not be written, when the system gives no reason</extracomment>
        <translation>le disque est plein</translation>
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
    <message>
        <source>Quirepress Display - %1</source>
        <extracomment>The preview window&apos;s caption; %1 is the report&apos;s definition file</extracomment>
        <translation>Aperçu Quirepress - %1</translation>
    </message>
    <message>
        <source>Page Width</source>
        <extracomment>A zoom of the preview: the page as wide as the window</extracomment>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <source>Page Height</source>
        <extracomment>A zoom of the preview: the page as high as the window</extracomment>
        <translation>Hauteur de page</translation>
    </message>
    <message>
        <source>Page %1 of %2...</source>
        <extracomment>While the report is still being made: page 1 of the 3 pages made so far</extracomment>
        <translation>Page %1 de %2...</translation>
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
    <message>
        <source>Text</source>
        <extracomment>The plain text file format, beside HTML and CSV</extracomment>
        <translation>Texte</translation>
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
