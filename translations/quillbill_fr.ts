<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CreateBackup</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Backup written to %1</source>
        <translation>Sauvegarde écrite dans %1</translation>
    </message>
    <message>
        <source>Creating Backup...</source>
        <translation>Création de la sauvegarde...</translation>
    </message>
    <message>
        <source>Backing up data to - &apos;%1&apos;</source>
        <extracomment>%1 is the backup folder, as .../DataBackup/</extracomment>
        <translation>Sauvegarde des données dans - &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Creating Backup...Done</source>
        <translation>Création de la sauvegarde... Terminé</translation>
    </message>
    <message>
        <source>Creating Backup...Failed</source>
        <translation>Création de la sauvegarde... Échec</translation>
    </message>
    <message>
        <source>Unable to create backup.</source>
        <translation>Impossible de créer la sauvegarde.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The disk is full. Free some space on it and try again.</source>
        <translation>Le disque est plein. Libérez-y de l&apos;espace et réessayez.</translation>
    </message>
    <message>
        <source>Another program is using the database. Try again when it has finished.</source>
        <translation>Un autre programme utilise la base de données. Réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>Cannot write %1 to the disk: %2</source>
        <translation>Impossible d&apos;écrire %1 sur le disque : %2</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>Impossible de remplacer %1 : %2</translation>
    </message>
    <message>
        <source>The backup could not be written: %1</source>
        <translation>La sauvegarde n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Le fichier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>Le fichier %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The file %1 is not a sound database: %2</source>
        <translation>Le fichier %1 n&apos;est pas une base de données intègre : %2</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Le fichier ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <translation>%1 :
%2</translation>
    </message>
    <message>
        <source>The copy %1 does not have the size of %2.</source>
        <translation>La copie %1 n&apos;a pas la même taille que %2.</translation>
    </message>
    <message>
        <source>A copy of the database could not be written: %1</source>
        <translation>Une copie de la base de données n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>A folder for the restore could not be made: %1</source>
        <translation>Un dossier pour la restauration n&apos;a pas pu être créé : %1</translation>
    </message>
    <message>
        <source>The restored database fails its check: %1</source>
        <translation>La vérification de la base de données restaurée a échoué : %1</translation>
    </message>
    <message>
        <source>The program already works on a server; only a file can be moved to one.</source>
        <translation>Le programme fonctionne déjà sur un serveur; seul un fichier peut être déplacé vers un serveur.</translation>
    </message>
    <message>
        <source>The records were moved, but the program could not open the server now; it opens it when it next starts.
%1</source>
        <translation>Les données ont été déplacées, mais le programme n&apos;a pas pu ouvrir le serveur maintenant; il l&apos;ouvrira à son prochain démarrage.
%1</translation>
    </message>
    <message>
        <source>The database did not say whether it has changed.</source>
        <translation>La base de données n&apos;a pas indiqué si elle a changé.</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (masqué)</translation>
    </message>
    <message>
        <source>The connection to the database server was lost: %1</source>
        <translation>La connexion au serveur de base de données a été perdue : %1</translation>
    </message>
    <message>
        <source>Another program is using the database, so nothing was saved. Please try again in a moment.</source>
        <translation>Un autre programme utilise la base de données; rien n&apos;a donc été enregistré. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The database cannot be changed: the file or its folder is read-only. Nothing was saved.</source>
        <translation>La base de données ne peut pas être modifiée : le fichier ou son dossier est en lecture seule. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The disk that holds the database is full, so nothing was saved. Please make room on it and try again.</source>
        <translation>Le disque qui contient la base de données est plein; rien n&apos;a donc été enregistré. Veuillez y libérer de l&apos;espace et réessayer.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost, so this was not saved; what was saved before is safe on the server. Please try again: the program connects again first.</source>
        <translation>La connexion au serveur de base de données a été perdue; ceci n&apos;a donc pas été enregistré, mais ce qui l&apos;avait été auparavant est en sûreté sur le serveur. Veuillez réessayer : le programme se reconnectera d&apos;abord.</translation>
    </message>
    <message>
        <source>The database is busy: another program is using it.</source>
        <translation>La base de données est occupée : un autre programme l&apos;utilise.</translation>
    </message>
    <message>
        <source>The database file %1 was not found.</source>
        <translation>Le fichier de base de données %1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Another program is using the database.</source>
        <translation>Un autre programme utilise la base de données.</translation>
    </message>
    <message>
        <source>Cannot open the database %1.
%2</source>
        <translation>Impossible d&apos;ouvrir la base de données %1.
%2</translation>
    </message>
    <message>
        <source>This computer cannot reach PostgreSQL servers: Qt&apos;s QPSQL driver is missing (Debian package libqt6sql6-psql).</source>
        <translation>Cet ordinateur ne peut pas joindre de serveurs PostgreSQL : le pilote QPSQL de Qt est absent (paquet Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>Cannot open the database %1 on the server %2.
%3</source>
        <translation>Impossible d&apos;ouvrir la base de données %1 sur le serveur %2.
%3</translation>
    </message>
    <message>
        <source>the database file %1 is read-only.</source>
        <translation>le fichier de base de données %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>the folder %1 that holds the database is read-only.</source>
        <translation>le dossier %1 qui contient la base de données est en lecture seule.</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>La base de données n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>The database did not say which row it added.</source>
        <translation>La base de données n&apos;a pas indiqué quelle ligne elle a ajoutée.</translation>
    </message>
    <message>
        <source>Cannot make the file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Invoice %1 is no longer in the database, so no credit note was made.</source>
        <translation>La facture %1 n&apos;est plus dans la base de données; aucune note de crédit n&apos;a donc été créée.</translation>
    </message>
    <message>
        <source>%1 is a credit note; a credit note is not itself credited.</source>
        <translation>%1 est une note de crédit; une note de crédit n&apos;est pas elle-même créditée.</translation>
    </message>
    <message>
        <source>Invoice %1 is a draft, so no credit note was made: a draft is corrected by changing its jobs.</source>
        <translation>La facture %1 est un brouillon; aucune note de crédit n&apos;a donc été créée : on corrige un brouillon en modifiant ses travaux.</translation>
    </message>
    <message>
        <source>A line of the credit note names no job of invoice %1, so no credit note was made.</source>
        <translation>Une ligne de la note de crédit ne désigne aucun travail de la facture %1; aucune note de crédit n&apos;a donc été créée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 left to credit, so no credit note of %3 for it was made.</source>
        <translation>Il reste %2 à créditer pour «&#xa0;%1&#xa0;»; aucune note de crédit de %3 n&apos;a donc été créée pour ce travail.</translation>
    </message>
    <message>
        <source>The credit note would take back nothing, so it was not made.</source>
        <translation>La note de crédit ne créditerait rien; elle n&apos;a donc pas été créée.</translation>
    </message>
    <message>
        <source>Invoice %1 has %2 left to credit, so no credit note of %3 was made.</source>
        <translation>Il reste %2 à créditer sur la facture %1; aucune note de crédit de %3 n&apos;a donc été créée.</translation>
    </message>
    <message>
        <source>A job needs a description.</source>
        <translation>Un travail doit avoir une description.</translation>
    </message>
    <message>
        <source>Invoice number %1 of customer number %2 is no longer in the database (a backup may have been restored since it was made), so the job was not added.
Please make a new invoice and enter its jobs again.</source>
        <translation>La facture numéro %1 du client numéro %2 n&apos;est plus dans la base de données (une sauvegarde a peut-être été restaurée depuis sa création); le travail n&apos;a donc pas été ajouté.
Veuillez créer une nouvelle facture et y entrer de nouveau ses travaux.</translation>
    </message>
    <message>
        <source>Invoice %1 has been issued (printed, saved as PDF or e-mailed), so it stays as it was sent and nothing was changed. To correct it, make a credit note for it.</source>
        <translation>La facture %1 a été émise (imprimée, enregistrée en PDF ou envoyée par courriel); elle reste donc telle qu&apos;elle a été envoyée et rien n&apos;a été modifié. Pour la corriger, créez une note de crédit pour celle-ci.</translation>
    </message>
    <message>
        <source>Please ask whoever looks after the Quillbill database to set it to the last invoice number issued for this code.</source>
        <translation>Veuillez demander à la personne responsable de la base de données Quillbill de le régler au dernier numéro de facture émis pour ce code.</translation>
    </message>
    <message>
        <source>Billing code &quot;%1&quot; has no invoice number counter, so no invoice was made.
Please ask whoever looks after the Quillbill database to add one for it.</source>
        <translation>Le code de facturation «&#xa0;%1&#xa0;» n&apos;a pas de compteur de numéros de facture; aucune facture n&apos;a donc été créée.
Veuillez demander à la personne responsable de la base de données Quillbill de lui en ajouter un.</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>est vide</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which is not an invoice number</source>
        <translation>contient «&#xa0;%1&#xa0;», qui n&apos;est pas un numéro de facture</translation>
    </message>
    <message>
        <source>The invoice number counter of billing code &quot;%1&quot; %2, so no invoice was made.
</source>
        <translation>Le compteur de numéros de facture du code de facturation «&#xa0;%1&#xa0;» %2; aucune facture n&apos;a donc été créée.
</translation>
    </message>
    <message>
        <source>Billing code &quot;%1&quot; has used up its invoice numbers (the last one is %2), so no invoice was made.
Please add the customer again with a new billing code.</source>
        <translation>Le code de facturation «&#xa0;%1&#xa0;» a épuisé ses numéros de facture (le dernier est %2); aucune facture n&apos;a donc été créée.
Veuillez ajouter le client de nouveau avec un nouveau code de facturation.</translation>
    </message>
    <message>
        <source>Customer number %1 already has invoice number %2, so no invoice was made: the invoice number counter of billing code &quot;%3&quot; is behind the invoices stored.
</source>
        <translation>Le client numéro %1 a déjà la facture numéro %2; aucune facture n&apos;a donc été créée : le compteur de numéros de facture du code de facturation «&#xa0;%3&#xa0;» est en retard sur les factures enregistrées.
</translation>
    </message>
    <message>
        <source>Customer number %1 is no longer in the database (it was removed), so no invoice was made.</source>
        <translation>Le client numéro %1 n&apos;est plus dans la base de données (il a été supprimé); aucune facture n&apos;a donc été créée.</translation>
    </message>
    <message>
        <source>Invoice %1 is no longer in the database, so no payment was recorded.</source>
        <translation>La facture %1 n&apos;est plus dans la base de données; aucun paiement n&apos;a donc été enregistré.</translation>
    </message>
    <message>
        <source>%1 is a credit note: payments are recorded on the invoice it corrects.</source>
        <translation>%1 est une note de crédit : les paiements sont enregistrés sur la facture qu&apos;elle corrige.</translation>
    </message>
    <message>
        <source>A payment is an amount above zero in dollars and cents.</source>
        <translation>Un paiement est un montant supérieur à zéro, en dollars et en cents.</translation>
    </message>
    <message>
        <source>Invoice %1 is paid in full, so no payment was recorded.</source>
        <translation>La facture %1 est payée en entier; aucun paiement n&apos;a donc été enregistré.</translation>
    </message>
    <message>
        <source>Invoice %1 has %2 left to pay, so a payment of %3 was not recorded.</source>
        <translation>Il reste %2 à payer sur la facture %1; un paiement de %3 n&apos;a donc pas été enregistré.</translation>
    </message>
    <message>
        <source>That payment of invoice %1 is no longer in the database, so nothing was reversed.</source>
        <translation>Ce paiement de la facture %1 n&apos;est plus dans la base de données; rien n&apos;a donc été annulé.</translation>
    </message>
    <message>
        <source>That payment of invoice %1 has been reversed already.</source>
        <translation>Ce paiement de la facture %1 a déjà été annulé.</translation>
    </message>
    <message>
        <source>table</source>
        <translation>la table</translation>
    </message>
    <message>
        <source>index</source>
        <translation>l&apos;index</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>le déclencheur</translation>
    </message>
    <message>
        <source>view</source>
        <translation>la vue</translation>
    </message>
    <message>
        <source>It holds the %1 &quot;%2&quot;, which is no part of Quillbill&apos;s design.</source>
        <translation>Elle contient %1 «&#xa0;%2&#xa0;», qui ne fait pas partie de la structure de Quillbill.</translation>
    </message>
    <message>
        <source>Its %1 &quot;%2&quot; is not as Quillbill makes it.</source>
        <translation>Dans celle-ci, %1 «&#xa0;%2&#xa0;» ne correspond pas à ce que crée Quillbill.</translation>
    </message>
    <message>
        <source>It lacks the %1 &quot;%2&quot;.</source>
        <translation>Il y manque %1 «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The file is not a database.</source>
        <translation>Le fichier n&apos;est pas une base de données.</translation>
    </message>
    <message>
        <source>The file is a database, but not a Quillbill database.</source>
        <translation>Le fichier est une base de données, mais pas une base de données Quillbill.</translation>
    </message>
    <message>
        <source>The database was made by a newer version of Quillbill (schema version %1; this program knows version %2). Please open it with that version.</source>
        <translation>La base de données a été créée par une version plus récente de Quillbill (version de schéma %1; ce programme connaît la version %2). Veuillez l&apos;ouvrir avec cette version.</translation>
    </message>
    <message>
        <source>The database has schema version %1, which no version of Quillbill makes.</source>
        <translation>La base de données est de la version de schéma %1, qu&apos;aucune version de Quillbill ne crée.</translation>
    </message>
    <message>
        <source>The database lacks the tables %1.</source>
        <translation>Il manque à la base de données les tables %1.</translation>
    </message>
    <message>
        <source>The database has schema version %1, which this program cannot take in (it knows the versions %2).</source>
        <translation>La base de données est de la version de schéma %1, que ce programme ne peut pas prendre en charge (il connaît les versions %2).</translation>
    </message>
    <message>
        <source>The database is not laid out as a Quillbill database of schema version %1:
%2</source>
        <translation>La base de données n&apos;est pas structurée comme une base de données Quillbill de la version de schéma %1 :
%2</translation>
    </message>
    <message>
        <source>A copy of the database could not be kept beside it (%1), so it was not upgraded.</source>
        <translation>Une copie de la base de données n&apos;a pas pu être conservée à côté d&apos;elle (%1); elle n&apos;a donc pas été mise à niveau.</translation>
    </message>
    <message>
        <source>A copy of the database could not be kept as %1 (%2), so it was not upgraded.</source>
        <translation>Une copie de la base de données n&apos;a pas pu être conservée sous le nom %1 (%2); elle n&apos;a donc pas été mise à niveau.</translation>
    </message>
    <message>
        <source>The database is of schema version %1 and must be upgraded to version %2 before this program can use it, but %3 Nothing was changed.</source>
        <translation>La base de données est de la version de schéma %1 et doit être mise à niveau à la version %2 avant que ce programme puisse l&apos;utiliser, mais %3 Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The database could not be upgraded from schema version %1 to version %2; it is unchanged.
%3</source>
        <translation>La base de données n&apos;a pas pu être mise à niveau de la version de schéma %1 à la version %2; elle est inchangée.
%3</translation>
    </message>
    <message>
        <source>The database %1 on the server is not a Quillbill database.</source>
        <translation>La base de données %1 sur le serveur n&apos;est pas une base de données Quillbill.</translation>
    </message>
    <message>
        <source>The database %1 on the server was made by a newer version of Quillbill (design %2; this version knows %3). Please install that version on this computer.</source>
        <translation>La base de données %1 sur le serveur a été créée par une version plus récente de Quillbill (structure %2; cette version connaît %3). Veuillez installer cette version sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The database %1 on the server is of an older design (%2; this version needs %3). Please bring it up to date with the server script of this version.</source>
        <translation>La base de données %1 sur le serveur est d&apos;une structure plus ancienne (%2; cette version requiert %3). Veuillez la mettre à jour avec le script de serveur de cette version.</translation>
    </message>
    <message>
        <source>The database %1 on the server is not empty: records are moved only into a new, empty database.</source>
        <translation>La base de données %1 sur le serveur n&apos;est pas vide : les données ne sont déplacées que dans une nouvelle base de données vide.</translation>
    </message>
    <message>
        <source>The server %1 cannot be reached, or refused the sign-in: %2</source>
        <translation>Le serveur %1 est injoignable ou a refusé la connexion : %2</translation>
    </message>
    <message>
        <source>The server holds a different number of rows of %1 than the file, so nothing was moved.</source>
        <translation>Le serveur contient, dans la table %1, un nombre de lignes différent de celui du fichier; rien n&apos;a donc été déplacé.</translation>
    </message>
    <message>
        <source>The copy holds a different number of rows of %1 than the server.</source>
        <translation>La copie contient, dans la table %1, un nombre de lignes différent de celui du serveur.</translation>
    </message>
    <message>
        <source>The server holds a different number of rows of %1 than the backup.</source>
        <translation>Le serveur contient, dans la table %1, un nombre de lignes différent de celui de la sauvegarde.</translation>
    </message>
    <message>
        <source>Passwords cannot be checked or stored on this computer: the cryptography library would not start.</source>
        <translation>Les mots de passe ne peuvent pas être vérifiés ni enregistrés sur cet ordinateur : la bibliothèque de cryptographie n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>There is not enough free memory to protect the password. Nothing was saved; close other programs and try again.</source>
        <translation>La mémoire libre est insuffisante pour protéger le mot de passe. Rien n&apos;a été enregistré; fermez d&apos;autres programmes et réessayez.</translation>
    </message>
</context>
<context>
    <name>RestoreFromBackup</name>
    <message>
        <source>The database was not changed.</source>
        <translation>La base de données n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 made after this backup are gone. Invoice numbers already issued will not be issued again.</source>
        <translation>Ce qui a été créé après cette sauvegarde a disparu : %1. Les numéros de facture déjà émis ne seront pas émis de nouveau.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The title of the restore&apos;s messages</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>1 invoice</source>
        <translation>1 facture</translation>
    </message>
    <message>
        <source>%1 invoices</source>
        <translation>%1 factures</translation>
    </message>
    <message>
        <source>1 job</source>
        <translation>1 travail</translation>
    </message>
    <message>
        <source>%1 jobs</source>
        <translation>%1 travaux</translation>
    </message>
    <message>
        <source>Restoring Backup...</source>
        <translation>Restauration de la sauvegarde...</translation>
    </message>
    <message>
        <source>Restoring From - &apos;%1&apos;</source>
        <extracomment>%1 is the backup file restored</extracomment>
        <translation>Restauration à partir de - &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Restoring Backup...Failed</source>
        <translation>Restauration de la sauvegarde... Échec</translation>
    </message>
    <message>
        <source>Restoring Backup...Done</source>
        <translation>Restauration de la sauvegarde... Terminé</translation>
    </message>
</context>
<context>
    <name>SendMail</name>
    <message>
        <source>The user name and password would go to %1 unencrypted, so nothing was sent. Choose STARTTLS or SSL/TLS, or confirm that signing in without encryption is wanted.</source>
        <translation>Le nom d&apos;utilisateur et le mot de passe seraient transmis à %1 sans chiffrement, rien n&apos;a donc été envoyé. Choisissez STARTTLS ou SSL/TLS, ou confirmez que l&apos;authentification sans chiffrement est voulue.</translation>
    </message>
    <message>
        <source>Connected to %1 on port %2.</source>
        <translation>Connecté à %1 sur le port %2.</translation>
    </message>
    <message>
        <source>Starting encryption...</source>
        <translation>Démarrage du chiffrement...</translation>
    </message>
    <message>
        <source>Encryption started (%1).</source>
        <translation>Chiffrement démarré (%1).</translation>
    </message>
    <message>
        <source>Sending message (%1 KB)...</source>
        <translation>Envoi du message (%1 Ko)...</translation>
    </message>
    <message>
        <source>Signed in as %1.</source>
        <translation>Authentifié en tant que %1.</translation>
    </message>
    <message>
        <source>Signing in as %1...</source>
        <translation>Authentification en tant que %1...</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid for %1.</source>
        <translation>Le certificat du serveur n&apos;est pas valide pour %1.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not the one accepted for it, so nothing was sent. It may have been renewed, or another computer answers in its place.</source>
        <translation>Le certificat de %1 n&apos;est pas celui qui a été accepté pour ce serveur, rien n&apos;a donc été envoyé. Il a peut-être été renouvelé, ou un autre ordinateur répond à sa place.</translation>
    </message>
    <message>
        <source>No authority this computer trusts vouches for the certificate of %1 (it may be self-signed), so nothing was sent.</source>
        <translation>Aucune autorité reconnue par cet ordinateur ne garantit le certificat de %1 (il est peut-être autosigné), rien n&apos;a donc été envoyé.</translation>
    </message>
    <message>
        <source>The certificate of %1 has expired, so nothing was sent.</source>
        <translation>Le certificat de %1 a expiré, rien n&apos;a donc été envoyé.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not valid yet, so nothing was sent.</source>
        <translation>Le certificat de %1 n&apos;est pas encore valide, rien n&apos;a donc été envoyé.</translation>
    </message>
    <message>
        <source>The certificate of %1 was refused (verification error %2), so nothing was sent.</source>
        <translation>Le certificat de %1 a été refusé (erreur de vérification %2), rien n&apos;a donc été envoyé.</translation>
    </message>
    <message>
        <source>The send was cancelled.</source>
        <translation>L&apos;envoi a été annulé.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d&apos;utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The mail server %1 requires authentication (a log-in) before it accepts mail, and refused the message: %2</source>
        <translation>Le serveur de courriel %1 exige une authentification (une ouverture de session) avant d&apos;accepter des courriels, et a refusé le message : %2</translation>
    </message>
    <message>
        <source>The mail server refused the recipient %1: %2</source>
        <translation>Le serveur de courriel a refusé le destinataire %1 : %2</translation>
    </message>
    <message>
        <source>The mail server refused the sender address %1: %2</source>
        <translation>Le serveur de courriel a refusé l&apos;adresse d&apos;expéditeur %1 : %2</translation>
    </message>
    <message>
        <source>The mail server refused the message: %1</source>
        <translation>Le serveur de courriel a refusé le message : %1</translation>
    </message>
    <message>
        <source>The mail server %1 is unknown: no computer of that name was found. Check the server name.</source>
        <translation>Le serveur de courriel %1 est inconnu : aucun ordinateur de ce nom n&apos;a été trouvé. Vérifiez le nom du serveur.</translation>
    </message>
    <message>
        <source>The connection to the mail server %1 was refused: no mail server is running there. Check the server name and port.</source>
        <translation>La connexion au serveur de courriel %1 a été refusée : aucun serveur de courriel n&apos;y est en service. Vérifiez le nom du serveur et le port.</translation>
    </message>
    <message>
        <source>The mail server %1 could not be reached: %2</source>
        <translation>Le serveur de courriel %1 est injoignable : %2</translation>
    </message>
    <message>
        <source>No answer from %1 on port %2 within %3 seconds.</source>
        <translation>Aucune réponse de %1 sur le port %2 dans les %3 secondes.</translation>
    </message>
    <message>
        <source>The mail server %1 stopped answering: the send timed out. Its last reply was: %2</source>
        <translation>Le serveur de courriel %1 a cessé de répondre : le délai d&apos;envoi a expiré. Sa dernière réponse était : %2</translation>
    </message>
    <message>
        <source>The mail server %1 offers no encryption (STARTTLS), so nothing was sent: neither the user name and password nor the message.</source>
        <translation>Le serveur de courriel %1 n&apos;offre aucun chiffrement (STARTTLS), rien n&apos;a donc été envoyé : ni le nom d&apos;utilisateur et le mot de passe, ni le message.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) to the mail server %1 failed: %2</source>
        <translation>La connexion sécurisée (TLS) au serveur de courriel %1 a échoué : %2</translation>
    </message>
    <message>
        <source>The message could not be sent: %1.</source>
        <translation>Le message n&apos;a pas pu être envoyé : %1.</translation>
    </message>
    <message>
        <source>The server&apos;s last reply was: %1</source>
        <translation>La dernière réponse du serveur était : %1</translation>
    </message>
    <message>
        <source>The mail transfer could not be set up (out of memory).</source>
        <translation>L&apos;envoi du courriel n&apos;a pas pu être préparé (mémoire insuffisante).</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>Encryption started.</source>
        <translation>Chiffrement démarré.</translation>
    </message>
    <message>
        <source>No sign-in: no user name is set.</source>
        <translation>Aucune authentification : aucun nom d&apos;utilisateur n&apos;est défini.</translation>
    </message>
    <message>
        <source>The mail server %1 offers no sign-in, so the user name %2 was not used.</source>
        <translation>Le serveur de courriel %1 n&apos;offre aucune authentification, le nom d&apos;utilisateur %2 n&apos;a donc pas été utilisé.</translation>
    </message>
    <message>
        <source>The mail library could not be loaded, so nothing was sent: %1. Reinstalling Quillbill brings it back.</source>
        <translation>La bibliothèque de courriel n&apos;a pas pu être chargée, rien n&apos;a donc été envoyé : %1. Réinstallez Quillbill pour la rétablir.</translation>
    </message>
    <message>
        <source>%1 could not be initialised</source>
        <translation>%1 n&apos;a pas pu être initialisée</translation>
    </message>
</context>
<context>
    <name>quillbill::CommandLine</name>
    <message>
        <source>Usage: %1 [options]
%2. Without options it opens its window.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

Qt&apos;s options for the window system, such as -platform and -style, are
passed on to Qt.
</source>
        <extracomment>The answer to --help: %1 is the program&apos;s name, %2 its one-line description. The option names (-h, --help, -v, --version, -platform, -style) stay as they are.</extracomment>
        <translation>Utilisation : %1 [options]
%2. Sans option, le programme ouvre sa fenêtre.

Options :
  -h, --help     Afficher cette aide et quitter.
  -v, --version  Afficher la version et quitter.

Les options de Qt pour le système de fenêtrage, comme -platform et -style,
sont transmises à Qt.
</translation>
    </message>
    <message>
        <source>%1: %2

</source>
        <extracomment>A refused command line: %1 is the program&apos;s name, %2 what was wrong with it.</extracomment>
        <translation>%1 : %2

</translation>
    </message>
</context>
<context>
    <name>quillbill::CreditNoteMaking</name>
    <message>
        <source>&quot;%1&quot; is not an amount to credit of &quot;%2&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un montant à créditer pour «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 left to credit, not %3.</source>
        <translation>Il reste %2 à créditer pour «&#xa0;%1&#xa0;», et non %3.</translation>
    </message>
    <message>
        <source>Please enter what the credit note takes back of the invoice&apos;s jobs.</source>
        <translation>Veuillez indiquer les montants à créditer sur les travaux de la facture.</translation>
    </message>
    <message>
        <source>The invoice has %1 left to credit, not %2.</source>
        <translation>Il reste %1 à créditer sur la facture, et non %2.</translation>
    </message>
</context>
<context>
    <name>quillbill::CustomerForm</name>
    <message>
        <source>10 digits, no spaces or dashes</source>
        <translation>10 chiffres, sans espaces ni tirets</translation>
    </message>
    <message>
        <source>&amp;Company Name</source>
        <translation>&amp;Nom de l&apos;entreprise</translation>
    </message>
    <message>
        <source>A&amp;ddress</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <source>Cit&amp;y</source>
        <translation>&amp;Ville</translation>
    </message>
    <message>
        <source>P&amp;rovince</source>
        <translation>&amp;Province</translation>
    </message>
    <message>
        <source>Posta&amp;l Code</source>
        <translation>&amp;Code postal</translation>
    </message>
    <message>
        <source>P&amp;hone Number</source>
        <translation>&amp;Téléphone</translation>
    </message>
    <message>
        <source>Fa&amp;x Number</source>
        <translation>Téléc&amp;opieur</translation>
    </message>
    <message>
        <source>&amp;Billing Code</source>
        <translation>Code de &amp;facturation</translation>
    </message>
    <message>
        <source>* Required Feilds</source>
        <translation>* Champs obligatoires</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatoire</translation>
    </message>
</context>
<context>
    <name>quillbill::DatabasePage</name>
    <message>
        <source>Please enter the name or address of the database server.</source>
        <translation>Veuillez entrer le nom ou l&apos;adresse du serveur de base de données.</translation>
    </message>
    <message>
        <source>Please enter the name of the database on the server.</source>
        <translation>Veuillez entrer le nom de la base de données sur le serveur.</translation>
    </message>
    <message>
        <source>Please enter the user name the program signs in with.</source>
        <translation>Veuillez entrer le nom d&apos;utilisateur avec lequel le programme se connecte.</translation>
    </message>
    <message>
        <source>Checking the server&apos;s certificate needs the file of the certificate authority that vouches for it. Please choose that file.</source>
        <translation>La vérification du certificat du serveur requiert le fichier de l&apos;autorité de certification qui le garantit. Veuillez choisir ce fichier.</translation>
    </message>
    <message>
        <source>The certificate authority file %1 cannot be read.</source>
        <translation>Le fichier d&apos;autorité de certification %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>the database %1 on %2</source>
        <extracomment>%1 is a database&apos;s name, %2 its server; the text takes the place of %1 in &quot;Connection works: ...&quot;.</extracomment>
        <translation>la base de données %1 sur %2</translation>
    </message>
    <message>
        <source>Connection works: %1 holds Quillbill&apos;s records of this version.</source>
        <translation>La connexion fonctionne : %1 contient les données Quillbill de cette version.</translation>
    </message>
    <message>
        <source>Connection works, and %1 is empty. Tools &gt; Database &gt; Move to Server... moves this computer&apos;s records into it.</source>
        <translation>La connexion fonctionne et %1 est vide. Outils &gt; Base de données &gt; Déplacer vers le serveur... y déplace les données de cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>quillbill::DatabasePanel</name>
    <message>
        <source>This computer&apos;s file</source>
        <translation>Le fichier de cet ordinateur</translation>
    </message>
    <message>
        <source>A PostgreSQL server</source>
        <translation>Un serveur PostgreSQL</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>The program opens the database chosen here when it next starts. To take this computer&apos;s records to a server, use Tools &gt; Database &gt; Move to Server...</source>
        <translation>Le programme ouvre la base de données choisie ici à son prochain démarrage. Pour transférer les données de cet ordinateur vers un serveur, utilisez Outils &gt; Base de données &gt; Déplacer vers le serveur...</translation>
    </message>
    <message>
        <source>Keep the office&apos;s records in:</source>
        <translation>Conserver les données du bureau dans :</translation>
    </message>
    <message>
        <source>The program could not open that database now:

%1

Choose it all the same? The program tries it when it next starts.</source>
        <translation>Le programme n&apos;a pas pu ouvrir cette base de données maintenant :

%1

La choisir quand même? Le programme l&apos;essaiera à son prochain démarrage.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1. The program will sign in to the server without it.</source>
        <translation>Le mot de passe n&apos;a pas pu être conservé dans le trousseau de clés : %1. Le programme se connectera au serveur sans lui.</translation>
    </message>
    <message>
        <source>The program opens the database %1 on %2 when it next starts.</source>
        <translation>Le programme ouvrira la base de données %1 sur %2 à son prochain démarrage.</translation>
    </message>
    <message>
        <source>The program opens this computer&apos;s file when it next starts.</source>
        <translation>Le programme ouvrira le fichier de cet ordinateur à son prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>quillbill::Document</name>
    <message>
        <source>Discount (%1%)</source>
        <translation>Rabais (%1&#xa0;%)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>All customers</source>
        <translation>Tous les clients</translation>
    </message>
    <message>
        <source>Invoices paid in full</source>
        <translation>Factures payées en entier</translation>
    </message>
    <message>
        <source>Invoices with a balance due</source>
        <translation>Factures avec solde dû</translation>
    </message>
    <message>
        <source>All invoices</source>
        <translation>Toutes les factures</translation>
    </message>
    <message>
        <source>Federal tax</source>
        <translation>Taxe fédérale</translation>
    </message>
    <message>
        <source>Provincial tax</source>
        <translation>Taxe provinciale</translation>
    </message>
    <message>
        <source>No jobs</source>
        <translation>Aucun travail</translation>
    </message>
    <message>
        <source>Credit note %1 for invoice %2: %3</source>
        <translation>Note de crédit %1 de la facture %2 : %3</translation>
    </message>
    <message>
        <source>Invoice %1 of %2: %3</source>
        <translation>Facture %1 du %2 : %3</translation>
    </message>
    <message>
        <source>%1 on invoice %2</source>
        <translation>%1 sur la facture %2</translation>
    </message>
    <message>
        <source>%1 on credit note %2</source>
        <translation>%1 sur la note de crédit %2</translation>
    </message>
    <message>
        <source>Invoice %1 of %2</source>
        <translation>Facture %1 du %2</translation>
    </message>
    <message>
        <source>Invoice %1</source>
        <translation>Facture %1</translation>
    </message>
    <message>
        <source>CREDIT NOTE</source>
        <translation>NOTE DE CRÉDIT</translation>
    </message>
    <message>
        <source>Credit Note No.</source>
        <translation>N° de note de crédit</translation>
    </message>
    <message>
        <source>CREDIT FOR</source>
        <translation>CRÉDIT POUR</translation>
    </message>
    <message>
        <source>Credit Note %1 - %2</source>
        <translation>Note de crédit %1 - %2</translation>
    </message>
    <message>
        <source>Invoice %1 - %2</source>
        <translation>Facture %1 - %2</translation>
    </message>
    <message>
        <source>Credit note</source>
        <translation>Note de crédit</translation>
    </message>
    <message>
        <source>%1 No.</source>
        <translation>N° de %1</translation>
    </message>
    <message>
        <source>INVOICE COPY</source>
        <translation>COPIE DE FACTURE</translation>
    </message>
    <message>
        <source>Credit for: %1</source>
        <translation>Crédit pour : %1</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Aging Report - %1</source>
        <translation>Classement chronologique - %1</translation>
    </message>
    <message>
        <source>Aging report, printed %1</source>
        <translation>Classement chronologique, imprimé le %1</translation>
    </message>
    <message>
        <source>Credit note %1 for invoice %2</source>
        <translation>Note de crédit %1 de la facture %2</translation>
    </message>
    <message>
        <source>Payment, %1, invoice %2</source>
        <translation>Paiement, %1, facture %2</translation>
    </message>
    <message>
        <source>Payment reversed, invoice %1</source>
        <translation>Paiement annulé, facture %1</translation>
    </message>
    <message>
        <source>Statement - %1</source>
        <translation>Relevé de compte - %1</translation>
    </message>
    <message>
        <source>Statement of %1, %2</source>
        <translation>Relevé de compte de %1, %2</translation>
    </message>
    <message>
        <source>Balance brought forward</source>
        <translation>Solde reporté</translation>
    </message>
    <message>
        <source>Invoice-%1.%2</source>
        <translation>Facture-%1.%2</translation>
    </message>
    <message>
        <source>Credit-Note-%1.%2</source>
        <translation>Note-de-credit-%1.%2</translation>
    </message>
    <message>
        <source>Copy Of Invoice...</source>
        <extracomment>The subject of the e-mail that sends an invoice to a customer.</extracomment>
        <translation>Copie de la facture...</translation>
    </message>
</context>
<context>
    <name>quillbill::EmailMode</name>
    <message>
        <source>Email This Invoice...</source>
        <translation>Envoyer cette facture par courriel...</translation>
    </message>
    <message>
        <source>Email Your Comments...</source>
        <translation>Envoyer vos commentaires par courriel...</translation>
    </message>
    <message>
        <source>File Attached: %1</source>
        <extracomment>%1 is the name of the file sent with the e-mail.</extracomment>
        <translation>Fichier joint : %1</translation>
    </message>
    <message>
        <source>Quillbill Comments...</source>
        <translation>Commentaires sur Quillbill...</translation>
    </message>
</context>
<context>
    <name>quillbill::FailureMessage</name>
    <message>
        <source>Another program is using the database, so the document was not made. Please try again in a moment.</source>
        <translation>Un autre programme utilise la base de données; le document n&apos;a donc pas été produit. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The database cannot be changed: the file or its folder is read-only, so the document was not made.</source>
        <translation>La base de données ne peut pas être modifiée : le fichier ou son dossier est en lecture seule; le document n&apos;a donc pas été produit.</translation>
    </message>
    <message>
        <source>The disk that holds the database is full, so the document was not made. Please make room on it and try again.</source>
        <translation>Le disque qui contient la base de données est plein; le document n&apos;a donc pas été produit. Veuillez y libérer de l&apos;espace et réessayer.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost, so the document was not made. Please try again: the program connects again first.</source>
        <translation>La connexion au serveur de base de données a été perdue; le document n&apos;a donc pas été produit. Veuillez réessayer : le programme se reconnectera d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <extracomment>A report engine error: %1 is its number, %2 its description.</extracomment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>The work stopped on an error of unknown kind.</source>
        <translation>L&apos;opération s&apos;est arrêtée sur une erreur de type inconnu.</translation>
    </message>
</context>
<context>
    <name>quillbill::HelpLauncher</name>
    <message>
        <source>The help program %1 could not be started.</source>
        <translation>Le programme d&apos;aide %1 n&apos;a pas pu être démarré.</translation>
    </message>
    <message>
        <source>The help pages need a web browser, and none could be started.</source>
        <translation>Les pages d&apos;aide requièrent un navigateur Web, et aucun n&apos;a pu être démarré.</translation>
    </message>
</context>
<context>
    <name>quillbill::HistoryText</name>
    <message>
        <source>&quot;%1&quot; %2</source>
        <extracomment>A job in a history line: its description in quotes, then its amount.</extracomment>
        <translation>«&#xa0;%1&#xa0;» %2</translation>
    </message>
    <message>
        <source>printed</source>
        <extracomment>How the invoice was issued, shown in &quot;Issued (%1)&quot;.</extracomment>
        <translation>imprimée</translation>
    </message>
    <message>
        <source>saved as PDF</source>
        <extracomment>How the invoice was issued, shown in &quot;Issued (%1)&quot;.</extracomment>
        <translation>enregistrée en PDF</translation>
    </message>
    <message>
        <source>e-mailed</source>
        <extracomment>How the invoice was issued, shown in &quot;Issued (%1)&quot;.</extracomment>
        <translation>envoyée par courriel</translation>
    </message>
    <message>
        <source>Issued (%1)</source>
        <translation>Émise (%1)</translation>
    </message>
    <message>
        <source>Job added: %1</source>
        <translation>Travail ajouté : %1</translation>
    </message>
    <message>
        <source>Job changed: %1 to %2</source>
        <translation>Travail modifié : %1 remplacé par %2</translation>
    </message>
    <message>
        <source>Job deleted: %1</source>
        <translation>Travail supprimé : %1</translation>
    </message>
    <message>
        <source>Discount changed from %1% to %2%</source>
        <translation>Rabais modifié de %1&#xa0;% à %2&#xa0;%</translation>
    </message>
    <message>
        <source>Credit note %1 made, taking back %2</source>
        <translation>Note de crédit %1 créée, créditant %2</translation>
    </message>
    <message>
        <source>Credit note %1 made, taking back %2: %3</source>
        <extracomment>%3 is the reason the user gave for the credit note.</extracomment>
        <translation>Note de crédit %1 créée, créditant %2 : %3</translation>
    </message>
    <message>
        <source>Credit note for invoice %1 issued, taking back %2</source>
        <translation>Note de crédit de la facture %1 émise, créditant %2</translation>
    </message>
    <message>
        <source>Credit note for invoice %1 issued, taking back %2: %3</source>
        <extracomment>%3 is the reason the user gave for the credit note.</extracomment>
        <translation>Note de crédit de la facture %1 émise, créditant %2 : %3</translation>
    </message>
    <message>
        <source>Marked paid on %1</source>
        <translation>Marquée payée le %1</translation>
    </message>
    <message>
        <source>Marked paid, with no date</source>
        <translation>Marquée payée, sans date</translation>
    </message>
    <message>
        <source>Marked unpaid</source>
        <translation>Marquée impayée</translation>
    </message>
    <message>
        <source>Payment of %1 received on %2 (%3)</source>
        <translation>Paiement de %1 reçu le %2 (%3)</translation>
    </message>
    <message>
        <source>Payment of %1 reversed</source>
        <translation>Paiement de %1 annulé</translation>
    </message>
    <message>
        <source>(no user)</source>
        <extracomment>Stands for the user&apos;s name in a history line recorded without one.</extracomment>
        <translation>(aucun utilisateur)</translation>
    </message>
</context>
<context>
    <name>quillbill::InvoiceIssuing</name>
    <message>
        <source>Invoice %1 was changed at another desk after this copy of it was made, so the copy is not the invoice and the invoice stays a draft.
Print or send it again to issue it as it is now.</source>
        <translation>La facture %1 a été modifiée à un autre poste après que cette copie en a été faite; la copie ne correspond donc pas à la facture, qui reste un brouillon.
Imprimez-la ou envoyez-la de nouveau pour l&apos;émettre telle qu&apos;elle est maintenant.</translation>
    </message>
    <message>
        <source>Invoice %1 is no longer in the database (a backup may have been restored), so this copy of it was not recorded as issued.</source>
        <translation>La facture %1 n&apos;est plus dans la base de données (une sauvegarde a peut-être été restaurée); cette copie n&apos;a donc pas été enregistrée comme émise.</translation>
    </message>
</context>
<context>
    <name>quillbill::InvoiceOutput</name>
    <message>
        <source>No folder for the invoice could be made in %1: %2</source>
        <translation>Aucun dossier n&apos;a pu être créé pour la facture dans %1 : %2</translation>
    </message>
    <message>
        <source>Invoice %1 has no jobs, so there is nothing to print or send. Add its jobs first.</source>
        <translation>La facture %1 n&apos;a aucun travail : il n&apos;y a rien à imprimer ni à envoyer. Ajoutez d&apos;abord ses travaux.</translation>
    </message>
</context>
<context>
    <name>quillbill::InvoiceRows</name>
    <message>
        <source>There is no information about your own company to print on the invoice. Please enter it first.</source>
        <translation>Il n&apos;y a aucun renseignement sur votre entreprise à imprimer sur la facture. Veuillez d&apos;abord les entrer.</translation>
    </message>
    <message>
        <source>Customer %1 of invoice %2 is not in the database.</source>
        <translation>Le client %1 de la facture %2 n&apos;est pas dans la base de données.</translation>
    </message>
    <message>
        <source>Customer %1 is not in the database.</source>
        <translation>Le client %1 n&apos;est pas dans la base de données.</translation>
    </message>
    <message>
        <source>Invoice %1 of customer %2 is not in the database.</source>
        <translation>La facture %1 du client %2 n&apos;est pas dans la base de données.</translation>
    </message>
    <message>
        <source>Invoice %1 has no date.</source>
        <translation>La facture %1 n&apos;a pas de date.</translation>
    </message>
    <message>
        <source>Invoice %1 has a discount of %2 per cent, which is not from 0 to 100.</source>
        <translation>La facture %1 a un rabais de %2 pour cent, ce qui n&apos;est pas entre 0 et 100.</translation>
    </message>
</context>
<context>
    <name>quillbill::JobList</name>
    <message>
        <source>Job Description</source>
        <translation>Description du travail</translation>
    </message>
    <message>
        <source>Sums</source>
        <extracomment>Column heading: the amount each job bills.</extracomment>
        <translation>Montants</translation>
    </message>
</context>
<context>
    <name>quillbill::Keyring</name>
    <message>
        <source>The keyring did not answer within %1 seconds.</source>
        <translation>Le trousseau de clés n&apos;a pas répondu dans les %1 secondes.</translation>
    </message>
    <message>
        <source>No keyring answered.</source>
        <translation>Aucun trousseau de clés n&apos;a répondu.</translation>
    </message>
    <message>
        <source>the keyring is locked and was not unlocked</source>
        <translation>le trousseau de clés est verrouillé et n&apos;a pas été déverrouillé</translation>
    </message>
    <message>
        <source>The keyring module could not be loaded: %1</source>
        <translation>Le module du trousseau de clés n&apos;a pas pu être chargé : %1</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Quillbill</source>
        <translation>%1 appartient à une autre version de Quillbill</translation>
    </message>
</context>
<context>
    <name>quillbill::MailPage</name>
    <message>
        <source>Enter the name of the mail server.</source>
        <translation>Entrez le nom du serveur de courriel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server name: enter only the host, such as mail.example.com, and the port in its own box.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de serveur : entrez seulement l&apos;hôte, par exemple mail.example.com, et le port dans sa propre case.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse courriel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an e-mail address: comments are sent there.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse courriel : les commentaires y sont envoyés.</translation>
    </message>
</context>
<context>
    <name>quillbill::MailPanel</name>
    <message>
        <source>Mail server</source>
        <translation>Serveur de courriel</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Sender&apos;s name</source>
        <translation>Nom de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Sender&apos;s address</source>
        <translation>Adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Send comments to</source>
        <translation>Envoyer les commentaires à</translation>
    </message>
    <message>
        <source>Send invoices as</source>
        <translation>Envoyer les factures en</translation>
    </message>
    <message>
        <source>HTML page</source>
        <translation>Page HTML</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Connection test result</source>
        <translation>Résultat du test de connexion</translation>
    </message>
    <message>
        <source>Trust This Certificate</source>
        <translation>Faire confiance à ce certificat</translation>
    </message>
    <message>
        <source>Mail &amp;server:</source>
        <translation>&amp;Serveur de courriel :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation>&amp;Chiffrement :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>Sender&apos;s &amp;name:</source>
        <translation>Nom de l&apos;&amp;expéditeur :</translation>
    </message>
    <message>
        <source>Sender&apos;s &amp;address:</source>
        <translation>&amp;Adresse de l&apos;expéditeur :</translation>
    </message>
    <message>
        <source>Send &amp;comments to:</source>
        <translation>Envoyer les commen&amp;taires à :</translation>
    </message>
    <message>
        <source>Send &amp;invoices as:</source>
        <translation>Envoyer les &amp;factures en :</translation>
    </message>
    <message>
        <source>The saved password could not be read: %1. Unlock the keyring and open this page again; until then the password will be asked for each time mail is sent.</source>
        <translation>Le mot de passe enregistré n&apos;a pas pu être lu : %1. Déverrouillez le trousseau de clés et ouvrez de nouveau cette page; d&apos;ici là, le mot de passe sera demandé à chaque envoi de courriel.</translation>
    </message>
    <message>
        <source>No keyring answered: the password will be asked for each time mail is sent.</source>
        <translation>Aucun trousseau de clés n&apos;a répondu : le mot de passe sera demandé à chaque envoi de courriel.</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Le mot de passe est conservé dans le trousseau de clés de l&apos;environnement de bureau.</translation>
    </message>
    <message>
        <source>(kept in the keyring)</source>
        <translation>(conservé dans le trousseau)</translation>
    </message>
    <message>
        <source>A password typed here is kept in the desktop&apos;s keyring.</source>
        <translation>Un mot de passe tapé ici est conservé dans le trousseau de clés de l&apos;environnement de bureau.</translation>
    </message>
    <message>
        <source>With the encryption &quot;None&quot; the user name and password for %1 go over the network unencrypted, where others can read them.

Send them unencrypted all the same?</source>
        <translation>Avec le chiffrement &quot;None&quot;, le nom d&apos;utilisateur et le mot de passe pour %1 passent sur le réseau sans chiffrement, où d&apos;autres peuvent les lire.

Les envoyer sans chiffrement quand même?</translation>
    </message>
    <message>
        <source>The settings were saved, but no keyring took the password (%1). It will be asked for each time mail is sent.</source>
        <translation>Les paramètres ont été enregistrés, mais aucun trousseau de clés n&apos;a accepté le mot de passe (%1). Il sera demandé à chaque envoi de courriel.</translation>
    </message>
    <message>
        <source>The password of %1 on %2:</source>
        <translation>Mot de passe de %1 sur %2 :</translation>
    </message>
    <message>
        <source>Connection works.</source>
        <translation>La connexion fonctionne.</translation>
    </message>
    <message>
        <source>Connection failed: %1</source>
        <translation>Échec de la connexion : %1</translation>
    </message>
    <message>
        <source>The certificate will be trusted for %1 once the settings are saved.</source>
        <translation>Le certificat sera considéré comme fiable pour %1 une fois les paramètres enregistrés.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>itself (self-signed)</source>
        <translation>lui-même (autosigné)</translation>
    </message>
    <message>
        <source>No known authority vouches for the certificate of %1. Trust it only when the server&apos;s owner confirms its fingerprint.</source>
        <translation>Aucune autorité connue ne garantit le certificat de %1. Faites-lui confiance seulement si le propriétaire du serveur confirme son empreinte.</translation>
    </message>
    <message>
        <source>Issued to:</source>
        <translation>Délivré à :</translation>
    </message>
    <message>
        <source>Issued by:</source>
        <translation>Délivré par :</translation>
    </message>
    <message>
        <source>Valid from:</source>
        <translation>Début de validité :</translation>
    </message>
    <message>
        <source>Valid until:</source>
        <translation>Fin de validité :</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:</source>
        <translation>Empreinte SHA-256 :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>quillbill::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Log Off...</source>
        <translation>Fermer la session...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Company</source>
        <translation>&amp;Entreprise</translation>
    </message>
    <message>
        <source>Edit My Info</source>
        <translation>Mes renseignements</translation>
    </message>
    <message>
        <source>Customers</source>
        <translation>Clients</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Review/Edit</source>
        <translation>Consulter/Modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Invoices</source>
        <translation>Fa&amp;ctures</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Reprint/Update</source>
        <translation>Réimprimer/Modifier</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer un rapport</translation>
    </message>
    <message>
        <source>Invoice Report</source>
        <translation>Rapport des factures</translation>
    </message>
    <message>
        <source>Statement of Account...</source>
        <translation>Relevé de compte...</translation>
    </message>
    <message>
        <source>Aging Report...</source>
        <translation>Classement chronologique...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Users...</source>
        <translation>Utilisateurs...</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Move to Server...</source>
        <translation>Déplacer vers le serveur...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Sommaire...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Email Comments</source>
        <translation>Envoyer des commentaires par courriel</translation>
    </message>
</context>
<context>
    <name>quillbill::PaymentMethod</name>
    <message>
        <source>Cheque</source>
        <translation>Chèque</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Comptant</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>quillbill::PaymentPanel</name>
    <message>
        <source>Record Payment</source>
        <translation>Enregistrer le paiement</translation>
    </message>
    <message>
        <source>Reverse Payment</source>
        <translation>Annuler le paiement</translation>
    </message>
    <message>
        <source>Payments of the selected invoice</source>
        <translation>Paiements de la facture sélectionnée</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Method</source>
        <extracomment>Column heading: how the payment came in (cheque, cash...).</extracomment>
        <translation>Mode</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Column heading: the user who recorded the payment.</extracomment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Payment amount</source>
        <translation>Montant du paiement</translation>
    </message>
    <message>
        <source>Paid by</source>
        <translation>Payé par</translation>
    </message>
    <message>
        <source>Take back the selected payment, recorded by mistake</source>
        <translation>Annuler le paiement sélectionné, enregistré par erreur</translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation>&amp;Montant</translation>
    </message>
    <message>
        <source>Paid &amp;by</source>
        <translation>Payé &amp;par</translation>
    </message>
    <message>
        <source>With taxes %1, paid %2, owed %3</source>
        <translation>Avec les taxes %1, payé %2, dû %3</translation>
    </message>
    <message>
        <source>Reversal</source>
        <translation>Annulation</translation>
    </message>
    <message>
        <source>Please enter the amount paid, in dollars and cents.</source>
        <translation>Veuillez entrer le montant payé, en dollars et en cents.</translation>
    </message>
    <message>
        <source>Please pick the day the payment came in: click in the Date Paid box.</source>
        <translation>Veuillez choisir le jour de réception du paiement : cliquez dans la case Date de paiement.</translation>
    </message>
    <message>
        <source>Reverse the payment of %1 received on %2? A line taking it back is recorded; the payment itself stays in the list.</source>
        <translation>Annuler le paiement de %1 reçu le %2? Une ligne qui l&apos;annule est enregistrée; le paiement lui-même reste dans la liste.</translation>
    </message>
    <message>
        <source>Verify Information</source>
        <translation>Vérifier les renseignements</translation>
    </message>
</context>
<context>
    <name>quillbill::ProgramIdentity</name>
    <message>
        <source>%1, %2</source>
        <extracomment>The about box and the splash: %1 is the company&apos;s name, %2 its copyright notice.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>quillbill::ProgramInfo</name>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.0.0.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Quillbill developers</source>
        <translation>Copyright © 2026 Les développeurs de Quillbill</translation>
    </message>
    <message>
        <source>Invoicing for small offices on Debian GNU/Linux</source>
        <translation>Facturation pour petits bureaux sous Debian GNU/Linux</translation>
    </message>
</context>
<context>
    <name>quillbill::ReportRows</name>
    <message>
        <source>Invoice %1 of %2 has a discount of %3 per cent, which is not from 0 to 100.</source>
        <translation>La facture %1 de %2 a un rabais de %3 pour cent, ce qui n&apos;est pas entre 0 et 100.</translation>
    </message>
</context>
<context>
    <name>quillbill::SecuredFunction</name>
    <message>
        <source>Edit My Info</source>
        <translation>Mes renseignements</translation>
    </message>
    <message>
        <source>Customers - Remove</source>
        <translation>Clients - Supprimer</translation>
    </message>
    <message>
        <source>Invoices - New</source>
        <translation>Factures - Nouvelle</translation>
    </message>
    <message>
        <source>Tools - Options</source>
        <translation>Outils - Options</translation>
    </message>
    <message>
        <source>Tools - Users</source>
        <translation>Outils - Utilisateurs</translation>
    </message>
</context>
<context>
    <name>quillbill::SendMail</name>
    <message>
        <source>The mail server &quot;%1&quot; is not a valid server name.</source>
        <translation>Le serveur de courriel «&#xa0;%1&#xa0;» n&apos;est pas un nom de serveur valide.</translation>
    </message>
    <message>
        <source>The mail server &quot;%1&quot; must be given as smtp://host:port or smtps://host:port.</source>
        <translation>Le serveur de courriel «&#xa0;%1&#xa0;» doit être indiqué sous la forme smtp://host:port ou smtps://host:port.</translation>
    </message>
    <message>
        <source>A message is being sent already: wait until that send has ended.</source>
        <translation>Un message est déjà en cours d&apos;envoi : attendez que cet envoi soit terminé.</translation>
    </message>
    <message>
        <source>The message was not sent.</source>
        <translation>Le message n&apos;a pas été envoyé.</translation>
    </message>
    <message>
        <source>No sender address is given: enter the e-mail address the message is sent from.</source>
        <translation>Aucune adresse d&apos;expéditeur n&apos;est indiquée : entrez l&apos;adresse courriel d&apos;où le message est envoyé.</translation>
    </message>
    <message>
        <source>No recipient address is given: enter the e-mail address the message goes to.</source>
        <translation>Aucune adresse de destinataire n&apos;est indiquée : entrez l&apos;adresse courriel à laquelle le message est envoyé.</translation>
    </message>
    <message>
        <source>The attachment %1 does not exist.</source>
        <translation>La pièce jointe %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The attachment %1 could not be read: %2</source>
        <translation>La pièce jointe %1 n&apos;a pas pu être lue : %2</translation>
    </message>
    <message>
        <source>Message sent.</source>
        <translation>Message envoyé.</translation>
    </message>
    <message>
        <source>No mail server is given: enter the SMTP server that sends the message.</source>
        <translation>Aucun serveur de courriel n&apos;est indiqué : entrez le serveur SMTP qui envoie le message.</translation>
    </message>
</context>
<context>
    <name>quillbill::ServerFields</name>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>Certificate authority file</source>
        <translation>Fichier d&apos;autorité de certification</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>When the server offers it</source>
        <translation>Si le serveur l&apos;offre</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>Always, with the server&apos;s certificate checked</source>
        <translation>Toujours, avec vérification du certificat du serveur</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Base de données :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation>&amp;Chiffrement :</translation>
    </message>
    <message>
        <source>&amp;Certificate authority:</source>
        <translation>&amp;Autorité de certification :</translation>
    </message>
    <message>
        <source>A password typed here is kept in the desktop&apos;s keyring.</source>
        <translation>Un mot de passe tapé ici est conservé dans le trousseau de clés de l&apos;environnement de bureau.</translation>
    </message>
    <message>
        <source>The saved password could not be read: %1.</source>
        <translation>Le mot de passe enregistré n&apos;a pas pu être lu : %1.</translation>
    </message>
    <message>
        <source>No keyring answered, so a password typed here is not kept.</source>
        <translation>Aucun trousseau de clés n&apos;a répondu; un mot de passe tapé ici n&apos;est donc pas conservé.</translation>
    </message>
    <message>
        <source>(kept in the keyring)</source>
        <translation>(conservé dans le trousseau)</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s keyring.</source>
        <translation>Le mot de passe est conservé dans le trousseau de clés de l&apos;environnement de bureau.</translation>
    </message>
    <message>
        <source>Certificate Authority</source>
        <translation>Autorité de certification</translation>
    </message>
    <message>
        <source>Certificates (*.crt *.pem);;All files (*)</source>
        <translation>Certificats (*.crt *.pem);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>quillbill::Startup</name>
    <message>
        <source>Quillbill cannot start without its database.</source>
        <translation>Quillbill ne peut pas démarrer sans sa base de données.</translation>
    </message>
    <message>
        <source>Check that the server is running and that this computer can reach it, and press Retry. Cancel ends Quillbill.</source>
        <translation>Vérifiez que le serveur fonctionne et que cet ordinateur peut le joindre, puis appuyez sur Réessayer. Annuler ferme Quillbill.</translation>
    </message>
    <message>
        <source>Close the other program, or wait for it to finish, and press Retry. Cancel ends Quillbill.</source>
        <translation>Fermez l&apos;autre programme, ou attendez qu&apos;il ait terminé, puis appuyez sur Réessayer. Annuler ferme Quillbill.</translation>
    </message>
    <message>
        <source>Changes cannot be saved: %1

You can look at the records, but every save will fail until the file and its folder can be written.</source>
        <translation>Les modifications ne peuvent pas être enregistrées : %1

Vous pouvez consulter les données, mais chaque enregistrement échouera tant que le fichier et son dossier ne seront pas accessibles en écriture.</translation>
    </message>
    <message>
        <source>Waiting for another program to finish with the database...</source>
        <translation>En attente qu&apos;un autre programme ait fini d&apos;utiliser la base de données...</translation>
    </message>
    <message>
        <source>The connection to the database server was lost, and cannot be made again now.
%1

What was saved before is safe on the server. Check that the server is running and that this computer can reach it, and press Retry; Cancel leaves the connection closed until the next try.</source>
        <translation>La connexion au serveur de base de données a été perdue et ne peut pas être rétablie maintenant.
%1

Ce qui a été enregistré auparavant est en sûreté sur le serveur. Vérifiez que le serveur fonctionne et que cet ordinateur peut le joindre, puis appuyez sur Réessayer; Annuler laisse la connexion fermée jusqu&apos;au prochain essai.</translation>
    </message>
    <message>
        <source>Logged Off</source>
        <translation>Déconnecté</translation>
    </message>
</context>
<context>
    <name>quillbill::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The folder of this language&apos;s user guide and tips, under the program&apos;s folders; &quot;en&quot; for the English ones at their top.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>quillbill::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>quillbill::frmAddInvoice</name>
    <message>
        <source>Invoice number</source>
        <translation>Numéro de facture</translation>
    </message>
    <message>
        <source>Invoice date</source>
        <translation>Date de la facture</translation>
    </message>
    <message>
        <source>Generate Invoice ID</source>
        <translation>Générer le numéro de facture</translation>
    </message>
    <message>
        <source>Add Job</source>
        <translation>Ajouter le travail</translation>
    </message>
    <message>
        <source>Jobs of this invoice</source>
        <translation>Travaux de cette facture</translation>
    </message>
    <message>
        <source>Change Job</source>
        <translation>Modifier le travail</translation>
    </message>
    <message>
        <source>Delete Job</source>
        <translation>Supprimer le travail</translation>
    </message>
    <message>
        <source>Print Invoice</source>
        <translation>Imprimer la facture</translation>
    </message>
    <message>
        <source>Email This Invoice</source>
        <translation>Envoyer cette facture par courriel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Add New Invoice</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Discount in per cent</source>
        <translation>Rabais en pourcentage</translation>
    </message>
    <message>
        <source>Job Description</source>
        <translation>Description du travail</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>C&amp;ustomer</source>
        <translation>C&amp;lient</translation>
    </message>
    <message>
        <source>Bill To</source>
        <translation>Facturer à</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Entreprise :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Province:</source>
        <translation>Province :</translation>
    </message>
    <message>
        <source>Postal Code:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Invoice</source>
        <translation>Facture</translation>
    </message>
    <message>
        <source>Invoice #:</source>
        <translation>N° de facture :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>&amp;Discount:</source>
        <translation>&amp;Rabais :</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Travaux</translation>
    </message>
    <message>
        <source>Job &amp;Description</source>
        <translation>&amp;Description du travail</translation>
    </message>
    <message>
        <source>&amp;Sum</source>
        <translation>&amp;Montant</translation>
    </message>
    <message>
        <source>This customer is no longer in the database.</source>
        <translation>Ce client n&apos;est plus dans la base de données.</translation>
    </message>
    <message>
        <source>Invoice %1 has been issued, so its jobs stay as they were sent. To correct it, make a credit note for it in the Reprint/Update window.</source>
        <translation>La facture %1 a été émise, ses travaux restent donc tels qu&apos;ils ont été envoyés. Pour la corriger, établissez une note de crédit dans la fenêtre Réimprimer/Modifier.</translation>
    </message>
    <message>
        <source>Put the selected job into the boxes to change it</source>
        <translation>Placer le travail sélectionné dans les champs pour le modifier</translation>
    </message>
    <message>
        <source>Delete the selected job from the invoice</source>
        <translation>Supprimer de la facture le travail sélectionné</translation>
    </message>
    <message>
        <source>The job you typed has not been added to the invoice. Close anyway?</source>
        <translation>Le travail saisi n&apos;a pas été ajouté à la facture. Fermer quand même?</translation>
    </message>
    <message>
        <source>The discount is a whole number of per cent from 0 to 100. Please fix.</source>
        <translation>Le rabais est un pourcentage entier de 0 à 100. Veuillez corriger.</translation>
    </message>
    <message>
        <source>Invoice %1 was changed elsewhere after it was shown here, so your discount was not saved. The box now shows the discount as it is stored.</source>
        <translation>La facture %1 a été modifiée ailleurs après son affichage ici, votre rabais n&apos;a donc pas été enregistré. Le champ affiche maintenant le rabais tel qu&apos;il est enregistré.</translation>
    </message>
    <message>
        <source>Invoice %1 is no longer in the database (a backup may have been restored since it was issued), so the discount was not saved.
Please issue a new invoice number and enter its jobs again.</source>
        <translation>La facture %1 n&apos;est plus dans la base de données (une sauvegarde a peut-être été restaurée depuis son émission), le rabais n&apos;a donc pas été enregistré.
Veuillez générer un nouveau numéro de facture et saisir ses travaux de nouveau.</translation>
    </message>
    <message>
        <source>The job was changed or deleted elsewhere after it was shown here, so your change was not saved. The list now shows the jobs as they are stored.</source>
        <translation>Le travail a été modifié ou supprimé ailleurs après son affichage ici, votre modification n&apos;a donc pas été enregistrée. La liste affiche maintenant les travaux tels qu&apos;ils sont enregistrés.</translation>
    </message>
    <message>
        <source>Save Change</source>
        <translation>Enregistrer la modification</translation>
    </message>
    <message>
        <source>Delete the job &quot;%1&quot; of %2 from invoice %3?</source>
        <translation>Supprimer de la facture %3 le travail «&#xa0;%1&#xa0;» de %2?</translation>
    </message>
    <message>
        <source>The job was changed or deleted elsewhere after it was shown here, so it was not deleted. The list now shows the jobs as they are stored.</source>
        <translation>Le travail a été modifié ou supprimé ailleurs après son affichage ici, il n&apos;a donc pas été supprimé. La liste affiche maintenant les travaux tels qu&apos;ils sont enregistrés.</translation>
    </message>
    <message>
        <source>A job cannot have a negative amount. To take money off an invoice, type the sum of the job already reduced; to pay money back on an invoice already sent, ask whoever keeps your books how to record the refund.</source>
        <translation>Un travail ne peut pas avoir un montant négatif. Pour réduire une facture, saisissez le montant du travail déjà réduit; pour rembourser de l&apos;argent sur une facture déjà envoyée, demandez à la personne qui tient votre comptabilité comment inscrire le remboursement.</translation>
    </message>
    <message>
        <source>Verify Information</source>
        <translation>Vérifier les renseignements</translation>
    </message>
    <message>
        <source>Sum Field not entered correctly. Please fix.</source>
        <translation>Le champ Montant n&apos;est pas entré correctement. Veuillez corriger.</translation>
    </message>
    <message>
        <source>Job Description cannnot be blank.</source>
        <translation>La description du travail ne peut pas être vide.</translation>
    </message>
</context>
<context>
    <name>quillbill::frmAging</name>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Print or &amp;Save...</source>
        <translation>Imprimer ou &amp;enregistrer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Aging Report</source>
        <translation>Classement chronologique</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>En date du</translation>
    </message>
    <message>
        <source>Print the report, or save it as PDF, HTML or CSV</source>
        <translation>Imprimer le rapport ou l&apos;enregistrer en PDF, HTML ou CSV</translation>
    </message>
    <message>
        <source>What each customer owes, by days past the invoice date, &amp;as of:</source>
        <translation>Sommes dues par chaque client, selon les jours écoulés depuis la date de facture, en &amp;date du :</translation>
    </message>
</context>
<context>
    <name>quillbill::frmCreditNote</name>
    <message>
        <source>Credit &amp;Everything Left</source>
        <translation>Créditer &amp;tout le reste</translation>
    </message>
    <message>
        <source>&amp;Make Credit Note</source>
        <translation>&amp;Créer la note de crédit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Credit Note for Invoice %1</source>
        <translation>Note de crédit pour la facture %1</translation>
    </message>
    <message>
        <source>Jobs of the invoice and what the credit note takes back of each</source>
        <translation>Travaux de la facture et montant crédité sur chacun par la note de crédit</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Billed</source>
        <translation>Facturé</translation>
    </message>
    <message>
        <source>Left to Credit</source>
        <translation>Reste à créditer</translation>
    </message>
    <message>
        <source>Credit</source>
        <extracomment>Column heading: the amount the credit note takes back of the job.</extracomment>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Why the invoice is corrected (kept in its history)</source>
        <translation>Raison de la correction de la facture (conservée dans son historique)</translation>
    </message>
    <message>
        <source>&amp;Reason</source>
        <translation>&amp;Motif</translation>
    </message>
    <message>
        <source>Invoice %1 billed %2 before taxes; %3 of it is left to credit. Enter what the credit note takes back of each job, before taxes: the invoice&apos;s discount and taxes apply to it as they did to the invoice.</source>
        <translation>La facture %1 s&apos;élève à %2 avant taxes; il en reste %3 à créditer. Saisissez, pour chaque travail, le montant à créditer avant taxes : le rabais et les taxes de la facture s&apos;y appliquent comme à la facture.</translation>
    </message>
    <message>
        <source>The credit note takes back %1 before taxes.</source>
        <translation>La note de crédit porte sur %1 avant taxes.</translation>
    </message>
    <message>
        <source>Make a credit note taking back all that is left of invoice %1, %2 before taxes?</source>
        <translation>Créer une note de crédit pour tout ce qui reste de la facture %1, soit %2 avant taxes?</translation>
    </message>
    <message>
        <source>Make a credit note taking back %2 before taxes of invoice %1?</source>
        <translation>Créer une note de crédit de %2 avant taxes sur la facture %1?</translation>
    </message>
    <message>
        <source>It is issued at once, and cannot be changed or deleted afterwards.</source>
        <translation>Elle sera émise immédiatement et ne pourra plus être modifiée ni supprimée.</translation>
    </message>
    <message>
        <source>Verify Information</source>
        <translation>Vérifier les renseignements</translation>
    </message>
</context>
<context>
    <name>quillbill::frmEdit</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Edit My Company Info</source>
        <translation>Modifier les renseignements de mon entreprise</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Nom de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Province</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Cell Number</source>
        <translation>Numéro de cellulaire</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Vendor Number</source>
        <translation>Numéro de fournisseur</translation>
    </message>
    <message>
        <source>GST Amount</source>
        <translation>Taux de TPS</translation>
    </message>
    <message>
        <source>PST Amount</source>
        <translation>Taux de TVP</translation>
    </message>
    <message>
        <source>*     0 to 100, up to three decimals (9.975)</source>
        <translation>*     0 à 100, jusqu&apos;à trois décimales (9,975)</translation>
    </message>
    <message>
        <source>GST Number</source>
        <translation>Numéro de TPS</translation>
    </message>
    <message>
        <source>GST Name</source>
        <translation>Nom de la TPS</translation>
    </message>
    <message>
        <source>PST Name</source>
        <translation>Nom de la TVP</translation>
    </message>
    <message>
        <source>PST Number</source>
        <translation>Numéro de TVP</translation>
    </message>
    <message>
        <source>The names print on the invoice (HST, QST); a second tax with no name and a rate of 0 prints no line.</source>
        <translation>Les noms s&apos;impriment sur la facture (TVH, TVQ); une deuxième taxe sans nom et à taux 0 n&apos;imprime aucune ligne.</translation>
    </message>
    <message>
        <source>* Required Feilds</source>
        <translation>* Champs obligatoires</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Please check entered data.</source>
        <translation>Veuillez vérifier les données saisies.</translation>
    </message>
    <message>
        <source>Another user changed your company&apos;s details after you opened them. Nothing was saved; they are shown as they are now.</source>
        <translation>Un autre utilisateur a modifié les renseignements de votre entreprise après que vous les avez ouverts. Rien n&apos;a été enregistré; ils sont affichés tels qu&apos;ils sont maintenant.</translation>
    </message>
    <message>
        <source>Another user deleted your company&apos;s details after you opened them. Nothing was saved.</source>
        <translation>Un autre utilisateur a supprimé les renseignements de votre entreprise après que vous les avez ouverts. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Your own company&apos;s details are missing from the database: the table TblMyCompanyInfo holds no row, so there is nothing to show or save.</source>
        <translation>Les renseignements de votre propre entreprise sont absents de la base de données : la table TblMyCompanyInfo ne contient aucune ligne, il n&apos;y a donc rien à afficher ni à enregistrer.</translation>
    </message>
</context>
<context>
    <name>quillbill::frmEmail</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Your Email</source>
        <translation>Votre courriel</translation>
    </message>
    <message>
        <source>Recipient Email</source>
        <translation>Courriel du destinataire</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>No password was given, so the message was not sent.</source>
        <translation>Aucun mot de passe n&apos;a été fourni, le message n&apos;a donc pas été envoyé.</translation>
    </message>
    <message>
        <source>Send Successful!</source>
        <translation>Envoi réussi!</translation>
    </message>
    <message>
        <source>Password for %1 on %2:</source>
        <translation>Mot de passe de %1 sur %2 :</translation>
    </message>
    <message>
        <source>%1% complete</source>
        <translation>%1&#xa0;% terminé</translation>
    </message>
    <message>
        <source>Your attempt to send mail failed for the following reason(s): </source>
        <translation>Votre tentative d&apos;envoi de courriel a échoué pour la ou les raisons suivantes : </translation>
    </message>
</context>
<context>
    <name>quillbill::frmFileMoveCopy</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>quillbill::frmInvoiceReports</name>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>All Companies</source>
        <translation>Toutes les entreprises</translation>
    </message>
    <message>
        <source>Paid</source>
        <extracomment>Choice of the invoices the report lists: the paid ones.</extracomment>
        <translation>Payées</translation>
    </message>
    <message>
        <source>Not Paid</source>
        <extracomment>Choice of the invoices the report lists: the unpaid ones.</extracomment>
        <translation>Non payées</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Choice of the invoices the report lists: paid and unpaid ones.</extracomment>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Create Report</source>
        <translation>Créer le rapport</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print Invoice Reports</source>
        <translation>Imprimer le rapport des factures</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>FROM:</source>
        <translation>DU :</translation>
    </message>
    <message>
        <source>TO:</source>
        <translation>AU :</translation>
    </message>
    <message>
        <source>&amp;Company:</source>
        <translation>&amp;Entreprise :</translation>
    </message>
    <message>
        <source>Invoices</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Selected date cannot be greater that today.</source>
        <translation>La date choisie ne peut pas être postérieure à aujourd&apos;hui.</translation>
    </message>
</context>
<context>
    <name>quillbill::frmLogin</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;User Name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>No users are set up in this database, so nobody can log in.
Ask whoever looks after Quillbill to add a user or to restore a backup.</source>
        <translation>Aucun utilisateur n&apos;est configuré dans cette base de données, personne ne peut donc se connecter.
Demandez à la personne responsable de Quillbill d&apos;ajouter un utilisateur ou de restaurer une sauvegarde.</translation>
    </message>
    <message>
        <source>Invalid Username or Password, try again!</source>
        <translation>Nom d&apos;utilisateur ou mot de passe invalide, veuillez réessayer!</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Ouverture de session</translation>
    </message>
</context>
<context>
    <name>quillbill::frmMain</name>
    <message>
        <source>Do you want to create a backup?</source>
        <translation>Voulez-vous créer une sauvegarde?</translation>
    </message>
    <message>
        <source>Verify Information</source>
        <translation>Vérifier les renseignements</translation>
    </message>
    <message>
        <source>Press F4 to close forms.</source>
        <translation>Appuyez sur F4 pour fermer les fenêtres.</translation>
    </message>
    <message>
        <source>About %1...</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1...</translation>
    </message>
    <message>
        <source>Logged in as: %1   Security Level: %2</source>
        <extracomment>The status bar after a login: %1 is the user name, %2 the security level (0 to 3).</extracomment>
        <translation>Connecté en tant que : %1   Niveau de sécurité : %2</translation>
    </message>
</context>
<context>
    <name>quillbill::frmMoveToServer</name>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Move to Server</source>
        <translation>Déplacer vers le serveur</translation>
    </message>
    <message>
        <source>Move copies every record of this computer&apos;s file into an empty database on a PostgreSQL server, and this program works there from then on. The file stays as it was.

Close Quillbill on the other desks that use the file first; afterwards, choose the server on the Database page of Tools &gt; Options... on each of them.</source>
        <translation>Le bouton Déplacer copie tous les enregistrements du fichier de cet ordinateur dans une base de données vide d&apos;un serveur PostgreSQL, et le programme y travaille dès lors. Le fichier reste tel quel.

Fermez d&apos;abord Quillbill sur les autres postes qui utilisent le fichier; ensuite, sur chacun d&apos;eux, choisissez le serveur dans Outils &gt; Options..., page Base de données.</translation>
    </message>
    <message>
        <source>Move every record of this computer&apos;s file to the database %1 on %2 now? The program&apos;s other windows close first.</source>
        <translation>Déplacer maintenant tous les enregistrements du fichier de cet ordinateur vers la base de données %1 sur %2? Les autres fenêtres du programme se fermeront d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 records were moved to the database %2 on %3. The program now works on the server.</source>
        <translation>%1 enregistrements ont été déplacés vers la base de données %2 sur %3. Le programme travaille maintenant sur le serveur.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1.</source>
        <translation>Le mot de passe n&apos;a pas pu être conservé dans le trousseau : %1.</translation>
    </message>
</context>
<context>
    <name>quillbill::frmNew</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Add New Company</source>
        <translation>Ajouter une entreprise</translation>
    </message>
    <message>
        <source>Please check entered data.</source>
        <translation>Veuillez vérifier les données saisies.</translation>
    </message>
</context>
<context>
    <name>quillbill::frmOptions</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Create Backup on Exit</source>
        <translation>Créer une sauvegarde en quittant</translation>
    </message>
    <message>
        <source>Show Splash Screen on Startup</source>
        <translation>Afficher l&apos;écran d&apos;accueil au démarrage</translation>
    </message>
    <message>
        <source>Show Tips on Startup</source>
        <translation>Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>Show Logon on Startup</source>
        <translation>Afficher l&apos;ouverture de session au démarrage</translation>
    </message>
    <message>
        <source>Title Later Copies of Issued Invoices &quot;INVOICE COPY&quot;</source>
        <translation>Intituler «&#xa0;COPIE DE FACTURE&#xa0;» les copies ultérieures des factures émises</translation>
    </message>
    <message>
        <source>Set security levels for the following menu items:</source>
        <translation>Définissez les niveaux de sécurité des éléments de menu suivants :</translation>
    </message>
    <message>
        <source>Security level</source>
        <translation>Niveau de sécurité</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau :</translation>
    </message>
    <message>
        <source>The security level for &quot;%1&quot; must be a whole number from 0 to 3.</source>
        <translation>Le niveau de sécurité de &quot;%1&quot; doit être un nombre entier de 0 à 3.</translation>
    </message>
    <message>
        <source>Nobody could use &quot;%1&quot;: no user holds security level %2 or above.</source>
        <translation>Personne ne pourrait utiliser &quot;%1&quot; : aucun utilisateur n&apos;a le niveau de sécurité %2 ou plus.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>&amp;Language of documents for customers:</source>
        <translation>&amp;Langue des documents destinés aux clients :</translation>
    </message>
</context>
<context>
    <name>quillbill::frmRemoveCompany</name>
    <message>
        <source>Remove This Company</source>
        <translation>Supprimer cette entreprise</translation>
    </message>
    <message>
        <source>Show This Company Again</source>
        <translation>Réafficher cette entreprise</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Remove Company</source>
        <translation>Supprimer une entreprise</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>C&amp;ustomer</source>
        <translation>C&amp;lient</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Nom de l&apos;entreprise :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Province:</source>
        <translation>Province :</translation>
    </message>
    <message>
        <source>Postal Code:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>This customer is no longer in the database.</source>
        <translation>Ce client n&apos;est plus dans la base de données.</translation>
    </message>
    <message>
        <source>You are about to delete a customer. Are you sure?</source>
        <translation>Vous êtes sur le point de supprimer un client. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Verify Removal</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n invoice(s), so it cannot be removed: the invoices would be lost from the reprint window and the reports. It is already hidden from new invoices.</source>
        <translation>
            <numerusform>Le client %1 a %n facture, il ne peut donc pas être supprimé : la facture disparaîtrait de la fenêtre de réimpression et des rapports. Il est déjà masqué pour les nouvelles factures.</numerusform>
            <numerusform>Le client %1 a %n factures, il ne peut donc pas être supprimé : les factures disparaîtraient de la fenêtre de réimpression et des rapports. Il est déjà masqué pour les nouvelles factures.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n invoice(s), so it cannot be removed: the invoices would be lost from the reprint window and the reports.

Hide it instead? A hidden customer is no longer offered for new invoices; its invoices stay, and it can be shown again here.</source>
        <translation>
            <numerusform>Le client %1 a %n facture, il ne peut donc pas être supprimé : la facture disparaîtrait de la fenêtre de réimpression et des rapports.

Le masquer plutôt? Un client masqué n&apos;est plus proposé pour les nouvelles factures; ses factures restent, et il peut être réaffiché ici.</numerusform>
            <numerusform>Le client %1 a %n factures, il ne peut donc pas être supprimé : les factures disparaîtraient de la fenêtre de réimpression et des rapports.

Le masquer plutôt? Un client masqué n&apos;est plus proposé pour les nouvelles factures; ses factures restent, et il peut être réaffiché ici.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillbill::frmReprint</name>
    <message>
        <source>Draft</source>
        <translation>Brouillon</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Émise</translation>
    </message>
    <message>
        <source>Credited</source>
        <translation>Créditée</translation>
    </message>
    <message>
        <source>Credit note for %1</source>
        <translation>Note de crédit pour %1</translation>
    </message>
    <message>
        <source>Jobs of the selected invoice</source>
        <translation>Travaux de la facture sélectionnée</translation>
    </message>
    <message>
        <source>Update Invoice</source>
        <translation>Modifier la facture</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payée</translation>
    </message>
    <message>
        <source>Print Invoice</source>
        <translation>Imprimer la facture</translation>
    </message>
    <message>
        <source>Email This Invoice</source>
        <translation>Envoyer cette facture par courriel</translation>
    </message>
    <message>
        <source>Open Draft</source>
        <translation>Ouvrir le brouillon</translation>
    </message>
    <message>
        <source>Credit Note...</source>
        <translation>Note de crédit...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reprint/Update</source>
        <translation>Réimprimer/Modifier</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Invoices of the customer</source>
        <translation>Factures du client</translation>
    </message>
    <message>
        <source>Invoice ID</source>
        <translation>N° de facture</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date Paid</source>
        <translation>Date de paiement</translation>
    </message>
    <message>
        <source>Dicount (%)</source>
        <translation>Rabais (%)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>History of the selected invoice</source>
        <translation>Historique de la facture sélectionnée</translation>
    </message>
    <message>
        <source>Take up the selected draft in the invoice window to add, change or delete its jobs</source>
        <translation>Ouvrir le brouillon sélectionné dans la fenêtre de facture pour ajouter, modifier ou supprimer ses travaux</translation>
    </message>
    <message>
        <source>Payment date</source>
        <translation>Date de paiement</translation>
    </message>
    <message>
        <source>C&amp;ustomer</source>
        <translation>C&amp;lient</translation>
    </message>
    <message>
        <source>&amp;Date Paid</source>
        <translation>&amp;Date de paiement</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Update Invoice # %1</source>
        <translation>Modifier la facture n° %1</translation>
    </message>
    <message>
        <source>Invoice %1 is no longer in the database, so its payment was not recorded.</source>
        <translation>La facture %1 n&apos;est plus dans la base de données, son paiement n&apos;a donc pas été enregistré.</translation>
    </message>
    <message>
        <source>The payment of invoice %1 was changed elsewhere after it was shown here, so yours was not recorded. The invoice now shows as it is stored.</source>
        <translation>Le paiement de la facture %1 a été modifié ailleurs après son affichage ici, le vôtre n&apos;a donc pas été enregistré. La facture est maintenant affichée telle qu&apos;elle est enregistrée.</translation>
    </message>
    <message>
        <source>Credit notes are made by users of security level %1 and up</source>
        <translation>Les notes de crédit sont réservées aux utilisateurs de niveau de sécurité %1 ou plus</translation>
    </message>
    <message>
        <source>This is a credit note; a credit note is not itself credited</source>
        <translation>Ceci est une note de crédit; une note de crédit ne peut pas elle-même être créditée</translation>
    </message>
    <message>
        <source>A draft is corrected by changing its jobs (Open Draft); credit notes are for issued invoices</source>
        <translation>Un brouillon se corrige en modifiant ses travaux (Ouvrir le brouillon); les notes de crédit sont pour les factures émises</translation>
    </message>
    <message>
        <source>Credit notes already take back all this invoice billed</source>
        <translation>Des notes de crédit couvrent déjà tout le montant facturé par cette facture</translation>
    </message>
    <message>
        <source>Make a credit note taking back all or part of the selected invoice</source>
        <translation>Créer une note de crédit pour tout ou partie de la facture sélectionnée</translation>
    </message>
    <message>
        <source>No history is recorded for this invoice (invoices made before the history was kept have none).</source>
        <translation>Aucun historique n&apos;est enregistré pour cette facture (les factures créées avant la tenue de l&apos;historique n&apos;en ont pas).</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>In the Paid column of the invoice list: the invoice is paid.</extracomment>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <extracomment>In the Paid column of the invoice list: the invoice is not paid.</extracomment>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Type the date as %1, or click to pick it in the calendar</source>
        <translation>Tapez la date sous la forme %1, ou cliquez pour la choisir dans le calendrier</translation>
    </message>
    <message>
        <source>Selected date cannot be greater that today.</source>
        <translation>La date choisie ne peut pas être postérieure à aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type the date as %2, or click in the box to pick it in the calendar.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date. Tapez la date sous la forme %2, ou cliquez dans la case pour la choisir dans le calendrier.</translation>
    </message>
    <message>
        <source>You are about to enter a Null date. Are you sure?</source>
        <translation>Vous êtes sur le point d&apos;entrer une date nulle. Voulez-vous continuer?</translation>
    </message>
    <message>
        <source>Verify Information</source>
        <translation>Vérifier les renseignements</translation>
    </message>
</context>
<context>
    <name>quillbill::frmRestore</name>
    <message>
        <source>Load This File</source>
        <translation>Charger ce fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Restore Database</source>
        <translation>Restaurer la base de données</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Lecteur :</translation>
    </message>
    <message>
        <source>F&amp;older:</source>
        <translation>&amp;Dossier :</translation>
    </message>
    <message>
        <source>&amp;Backup file:</source>
        <translation>Fichier de &amp;sauvegarde :</translation>
    </message>
    <message>
        <source>Drive not available.</source>
        <translation>Lecteur non disponible.</translation>
    </message>
    <message>
        <source>Choose a backup file from the list first.</source>
        <translation>Choisissez d&apos;abord un fichier de sauvegarde dans la liste.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>The title of the restore window&apos;s messages</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>To restore, the old database must first be deleted. To Continue, click &apos;Yes&apos;.</source>
        <translation>Pour restaurer, l&apos;ancienne base de données doit d&apos;abord être supprimée. Pour continuer, cliquez sur «&#xa0;Oui&#xa0;».</translation>
    </message>
</context>
<context>
    <name>quillbill::frmReviewCompany</name>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Review/Edit Company</source>
        <translation>Consulter/modifier une entreprise</translation>
    </message>
    <message>
        <source>Please check entered data.</source>
        <translation>Veuillez vérifier les données saisies.</translation>
    </message>
    <message>
        <source>Another user changed this customer after you opened it. Nothing was saved; the customer is shown as it is now.</source>
        <translation>Un autre utilisateur a modifié ce client après que vous l&apos;avez ouvert. Rien n&apos;a été enregistré; le client est affiché tel qu&apos;il est maintenant.</translation>
    </message>
    <message>
        <source>Another user deleted this customer after you opened it. Nothing was saved.</source>
        <translation>Un autre utilisateur a supprimé ce client après que vous l&apos;avez ouvert. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Cannot goto that record</source>
        <translation>Impossible d&apos;aller à cet enregistrement</translation>
    </message>
</context>
<context>
    <name>quillbill::frmStatement</name>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Print or &amp;Save...</source>
        <translation>Imprimer ou &amp;enregistrer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Statement of Account</source>
        <translation>Relevé de compte</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Print the statement, or save it as PDF, HTML (to mail it) or CSV</source>
        <translation>Imprimer le relevé ou l&apos;enregistrer en PDF, HTML (pour l&apos;envoyer par courriel) ou CSV</translation>
    </message>
    <message>
        <source>C&amp;ustomer</source>
        <translation>C&amp;lient</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>A&amp;u</translation>
    </message>
    <message>
        <source>Please choose the customer.</source>
        <translation>Veuillez choisir le client.</translation>
    </message>
    <message>
        <source>The period ends before it begins. Please choose the dates again.</source>
        <translation>La période se termine avant de commencer. Veuillez choisir les dates de nouveau.</translation>
    </message>
</context>
<context>
    <name>quillbill::frmTip</name>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Saviez-vous que...</translation>
    </message>
    <message>
        <source>That the %1 file was not found? <byte value="xd"/>
<byte value="xd"/>
Create a text file named %1 using NotePad with 1 tip per line. Then place it in the same directory as the application. </source>
        <extracomment>%1 is the name of the tips file.</extracomment>
        <translation>Le fichier %1 est introuvable? <byte value="xd"/>
<byte value="xd"/>
Créez avec un éditeur de texte, comme le Bloc-notes, un fichier texte nommé %1 qui contient une astuce par ligne. Placez-le ensuite dans le même dossier que l&apos;application. </translation>
    </message>
</context>
<context>
    <name>quillbill::frmUsers</name>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>System Users</source>
        <translation>Utilisateurs du système</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Utilisateurs</translation>
    </message>
    <message>
        <source>&amp;First Name</source>
        <translation>&amp;Prénom</translation>
    </message>
    <message>
        <source>&amp;Last Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>User&amp;Name</source>
        <translation>Nom d&apos;utili&amp;sateur</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>Le&amp;vel</source>
        <translation>Ni&amp;veau</translation>
    </message>
    <message>
        <source>Your account is no longer in the database as you logged in with it. Log in again, or ask whoever looks after Quillbill.</source>
        <translation>Votre compte n&apos;est plus dans la base de données tel qu&apos;il était à votre connexion. Reconnectez-vous ou adressez-vous à la personne responsable de Quillbill.</translation>
    </message>
    <message>
        <source>There are no users in the database. Fill in the boxes and choose &quot;Save Changes&quot; to add one.</source>
        <translation>Il n&apos;y a aucun utilisateur dans la base de données. Remplissez les champs et choisissez &quot;Enregistrer les modifications&quot; pour en ajouter un.</translation>
    </message>
    <message>
        <source>This user is no longer in the database.</source>
        <translation>Cet utilisateur n&apos;est plus dans la base de données.</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(inchangé)</translation>
    </message>
    <message>
        <source>Left empty, the password stays as it is; type a new one to change it.</source>
        <translation>Laissé vide, le mot de passe reste inchangé; tapez-en un nouveau pour le modifier.</translation>
    </message>
    <message>
        <source>Every user needs a user name. Nothing was saved.</source>
        <translation>Chaque utilisateur doit avoir un nom d&apos;utilisateur. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Every user needs a password. Nothing was saved.</source>
        <translation>Chaque utilisateur doit avoir un mot de passe. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Would you like to add this name as a new user?</source>
        <translation>Voulez-vous ajouter ce nom comme nouvel utilisateur?</translation>
    </message>
    <message>
        <source>%1 is the last user who can change security settings, so their level cannot be lowered. Nothing was saved.</source>
        <translation>%1 est le dernier utilisateur qui peut modifier les paramètres de sécurité, son niveau ne peut donc pas être abaissé. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>This user is no longer in the database; the changes were not saved.</source>
        <translation>Cet utilisateur n&apos;est plus dans la base de données; les modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Another user changed this user after you opened it. Nothing was saved; the user is shown as it is now.</source>
        <translation>Un autre utilisateur a modifié cet utilisateur après que vous l&apos;avez ouvert. Rien n&apos;a été enregistré; l&apos;utilisateur est affiché tel qu&apos;il est maintenant.</translation>
    </message>
    <message>
        <source>Delete the user %1?</source>
        <translation>Supprimer l&apos;utilisateur %1?</translation>
    </message>
    <message>
        <source>The last user cannot be deleted: nobody could log in.</source>
        <translation>Le dernier utilisateur ne peut pas être supprimé : personne ne pourrait se connecter.</translation>
    </message>
    <message>
        <source>%1 is the last user who can change security settings, so they cannot be deleted.</source>
        <translation>%1 est le dernier utilisateur qui peut modifier les paramètres de sécurité, il ne peut donc pas être supprimé.</translation>
    </message>
    <message>
        <source>Add New...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>Verify Information</source>
        <translation>Vérifier les renseignements</translation>
    </message>
</context>
</TS>
