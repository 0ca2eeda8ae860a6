<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AddressBooks</name>
    <message>
        <source>address books need a home folder to be kept in</source>
        <translation>les carnets d&apos;adresses ont besoin d&apos;un dossier personnel où être conservés</translation>
    </message>
    <message>
        <source>address book %1: %2</source>
        <translation>carnet d&apos;adresses %1 : %2</translation>
    </message>
    <message>
        <source>address book %1: the password cannot be kept: %2</source>
        <translation>carnet d&apos;adresses %1 : le mot de passe ne peut pas être conservé : %2</translation>
    </message>
    <message>
        <source>%1 is damaged; add it again</source>
        <translation>%1 est endommagé ; ajoutez-le à nouveau</translation>
    </message>
    <message>
        <source>no address book was added from %1</source>
        <translation>aucun carnet d&apos;adresses n&apos;a été ajouté depuis %1</translation>
    </message>
    <message>
        <source>the calendar is being published by another run</source>
        <translation>le calendrier est en cours de publication par une autre exécution</translation>
    </message>
    <message>
        <source>%1 is damaged; publish again</source>
        <translation>%1 est endommagé ; publiez à nouveau</translation>
    </message>
    <message>
        <source>calendar %1: %2</source>
        <translation>calendrier %1 : %2</translation>
    </message>
    <message>
        <source>a calendar needs a home folder to be kept in</source>
        <translation>un calendrier a besoin d&apos;un dossier personnel où être conservé</translation>
    </message>
    <message>
        <source>the dates are published to %1; --unpublish it first</source>
        <translation>les dates sont publiées dans %1 ; utilisez d&apos;abord --unpublish</translation>
    </message>
    <message>
        <source>calendar %1: the password cannot be kept: %2</source>
        <translation>calendrier %1 : le mot de passe ne peut pas être conservé : %2</translation>
    </message>
    <message>
        <source>no calendar was published to %1</source>
        <translation>aucun calendrier n&apos;a été publié dans %1</translation>
    </message>
</context>
<context>
    <name>Age</name>
    <message numerus="yes">
        <source>%n</source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAddAddressBookDlg</name>
    <message>
        <source>Add address books</source>
        <translation>Ajouter des carnets d’adresses</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Carnet d’adresses</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>Looking for address books...</source>
        <translation>Recherche des carnets d’adresses...</translation>
    </message>
    <message>
        <source>Adding the address books...</source>
        <translation>Ajout des carnets d’adresses...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Le mot de passe n’a pas pu être gardé dans le trousseau : %1</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Carnets d’adresses trouvés</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Faire &amp;confiance à ce certificat</translation>
    </message>
</context>
<context>
    <name>CAddressBooksDlg</name>
    <message>
        <source>The dates are not published to a calendar.</source>
        <translation>Les dates ne sont publiées dans aucun calendrier.</translation>
    </message>
    <message>
        <source>Calendar %1, %2, last sync: %3</source>
        <translation>Calendrier %1, %2, dernière synchronisation : %3</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Carnets d’adresses</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Carnet d’adresses</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Dernière synchronisation</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Dernière erreur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Talking to the servers...</source>
        <translation>Échange avec les serveurs...</translation>
    </message>
    <message>
        <source>Remove the address book %1 with its local copy and your choices for its contacts? Nothing is removed from the server.</source>
        <translation>Supprimer le carnet d’adresses %1 avec sa copie locale et vos choix pour ses contacts ? Rien n’est supprimé sur le serveur.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Sync now</source>
        <translation>Synchroniser &amp;maintenant</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Faire &amp;confiance à ce certificat</translation>
    </message>
    <message>
        <source>&amp;Publish...</source>
        <translation>&amp;Publier...</translation>
    </message>
    <message>
        <source>St&amp;op publishing</source>
        <translation>&amp;Ne plus publier</translation>
    </message>
    <message>
        <source>Stop publishing the dates to the calendar %1? The events Ovrana put there are deleted from the server; your own events stay.</source>
        <translation>Ne plus publier les dates dans le calendrier %1 ? Les événements qu&apos;Ovrana y a mis sont supprimés du serveur ; vos propres événements restent.</translation>
    </message>
</context>
<context>
    <name>CEditPersonDlg</name>
    <message>
        <source>Edit person</source>
        <translation>Modifier la fiche</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Icône :</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Prévenir</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours avant</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Événement :</translation>
    </message>
    <message>
        <source>First date:</source>
        <translation>Première date :</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Anniversaire :</translation>
    </message>
    <message>
        <source>Please enter a whole number of days between 0 and %1.</source>
        <translation>Veuillez saisir un nombre entier de jours entre 0 et %1.</translation>
    </message>
    <message>
        <source>%1 - properties</source>
        <translation>%1 – propriétés</translation>
    </message>
    <message>
        <source>Name, date and email come from the address book %1; they are changed there.</source>
        <translation>Le nom, la date et l’adresse e-mail viennent du carnet d’adresses %1 ; c’est là qu’on les modifie.</translation>
    </message>
    <message>
        <source>&amp;Year unknown</source>
        <translation>&amp;Année inconnue</translation>
    </message>
    <message>
        <source>&amp;Not a birthday, so don&apos;t display age in reminder</source>
        <translation>&amp;Pas un anniversaire : ne pas afficher l’âge dans le rappel</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ever remind me about this</source>
        <translation>Ne &amp;jamais me le rappeler</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>(the contact on line %1)</source>
        <translation>(le contact de la ligne %1)</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Laissés de côté :</translation>
    </message>
    <message>
        <source>New records:</source>
        <translation>Nouvelles fiches :</translation>
    </message>
    <message>
        <source>Import 1 record</source>
        <translation>Importer 1 fiche</translation>
    </message>
    <message numerus="yes">
        <source>Import %n records</source>
        <translation>
            <numerusform>Importer %n fiche</numerusform>
            <numerusform>Importer %n fiches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Préavis</translation>
    </message>
    <message>
        <source>Age today</source>
        <translation>Âge actuel</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Prévenir</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Icône :</translation>
    </message>
    <message>
        <source>days ahead</source>
        <translation>jours à l’avance</translation>
    </message>
    <message>
        <source>Ovrana %1, by the Ovrana developers</source>
        <translation>Ovrana %1, par les développeurs d’Ovrana</translation>
    </message>
    <message>
        <source>Ovrana user guide</source>
        <translation>Guide d’utilisation d’Ovrana</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Options </translation>
    </message>
    <message>
        <source> Default for new records </source>
        <translation> Par défaut pour les nouvelles fiches </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Export calendar</source>
        <translation>Exporter le calendrier</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Import contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Fichiers vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>No contacts were imported.</source>
        <translation>Aucun contact n’a été importé.</translation>
    </message>
    <message>
        <source>%1 is the file that holds your records.</source>
        <translation>%1 est le fichier qui contient vos fiches.</translation>
    </message>
    <message>
        <source>%1 is the backup of your records.</source>
        <translation>%1 est la copie de sauvegarde de vos fiches.</translation>
    </message>
    <message>
        <source>%1 is the lock file of your records.</source>
        <translation>%1 est le fichier de verrouillage de vos fiches.</translation>
    </message>
    <message>
        <source>Nothing was exported. Choose another file name.</source>
        <translation>Rien n’a été exporté. Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>Rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>From the address book %1</source>
        <translation>Du carnet d’adresses %1</translation>
    </message>
    <message>
        <source>It comes from the address book %1; it is deleted there.</source>
        <translation>Il vient du carnet d’adresses %1 ; c’est là qu’on le supprime.</translation>
    </message>
    <message>
        <source>Each morning at</source>
        <translation>Chaque matin à</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>&amp;Only display once a day</source>
        <translation>N’afficher qu’&amp;une fois par jour</translation>
    </message>
    <message>
        <source>Reminder window always on &amp;top</source>
        <translation>Fenêtre de rappel toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>&amp;Remind me with a desktop notification</source>
        <translation>Me prévenir par une notification du &amp;bureau</translation>
    </message>
    <message>
        <source>Also remind me each &amp;morning while I stay logged in</source>
        <translation>Me prévenir aussi chaque &amp;matin tant que je reste connecté</translation>
    </message>
    <message>
        <source>Also tell me about &amp;dates I missed since my last run</source>
        <translation>M’informer aussi des &amp;dates manquées depuis mon dernier lancement</translation>
    </message>
    <message>
        <source>Days to look ahead</source>
        <translation>Jours d’avance</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Nouvelle ...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Address books...</source>
        <translation>&amp;Carnets d’adresses...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>CPublishCalendarDlg</name>
    <message>
        <source>Publish the dates to a calendar</source>
        <translation>Publier les dates dans un calendrier</translation>
    </message>
    <message>
        <source>Your dates go to the calendar %1 at this address, made there when there is none, each with its warning. The calendar mirrors your records: its events changed elsewhere are replaced at the next sync.</source>
        <translation>Vos dates vont dans le calendrier %1 à cette adresse, créé s&apos;il n&apos;existe pas, chacune avec son avertissement. Le calendrier reflète vos fiches : ses événements modifiés ailleurs sont remplacés à la prochaine synchronisation.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Faire &amp;confiance à ce certificat</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Publishing the dates...</source>
        <translation>Publication des dates...</translation>
    </message>
</context>
<context>
    <name>CReminderDlg</name>
    <message>
        <source>Don&apos;t remind me again until next year</source>
        <translation>Ne plus me le rappeler avant l’an prochain</translation>
    </message>
    <message>
        <source>Email %1 (%2)</source>
        <translation>Écrire à %1 (%2)</translation>
    </message>
    <message>
        <source>No e-mail program could be started to write to %1.</source>
        <translation>Aucun programme de messagerie n’a pu être lancé pour écrire à %1.</translation>
    </message>
    <message>
        <source>Remind me again tomorrow</source>
        <translation>Me le rappeler demain</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;ptions...</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d’exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d’exploitation a refusé
l’accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l’opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n’est pas valide
(.EXE non Win32 ou image .EXE erronée).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s’est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L’association de fichiers est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n’a pas pu
aboutir : le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n’a pas pu
aboutir : d’autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n’est associée
à cette extension de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque dynamique indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s’est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d’ouvrir le lien :

%1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>%1&apos;s birthday</source>
        <translation>Anniversaire de %1</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Né(e) en %1</translation>
    </message>
    <message>
        <source>Since %1</source>
        <translation>Depuis %1</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Anniversaires</translation>
    </message>
</context>
<context>
    <name>IconSet</name>
    <message>
        <source>Question mark</source>
        <translation>Point d’interrogation</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Gâteau</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Colis</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Ballons</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Bloc-notes</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Boule huit</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <translation>Point d’exclamation</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingouin</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Punaise</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Cadeau</translation>
    </message>
    <message>
        <source>Star on stripes</source>
        <translation>Étoile sur rayures</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trophée</translation>
    </message>
    <message>
        <source>Warning sign</source>
        <translation>Panneau d’avertissement</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1&apos;s anniversary</source>
        <translation>Anniversaire de mariage de %1</translation>
    </message>
    <message>
        <source>already present</source>
        <translation>déjà présent</translation>
    </message>
    <message>
        <source>without a date</source>
        <translation>sans date</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>pas une date : %1</translation>
    </message>
    <message>
        <source>invalid date: %1</source>
        <translation>date invalide : %1</translation>
    </message>
    <message>
        <source>without a name</source>
        <translation>sans nom</translation>
    </message>
    <message numerus="yes">
        <source>%n already present</source>
        <translation>
            <numerusform>%n déjà présent</numerusform>
            <numerusform>%n déjà présents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a date</source>
        <translation>
            <numerusform>%n sans date</numerusform>
            <numerusform>%n sans date</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a name</source>
        <translation>
            <numerusform>%n sans nom</numerusform>
            <numerusform>%n sans nom</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n records; skipped %1</source>
        <translation>
            <numerusform>%n fiche importée ; ignorées : %1</numerusform>
            <numerusform>%n fiches importées ; ignorées : %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>its folder does not let a new file take its place</source>
        <translation>son dossier ne permet pas à un nouveau fichier de prendre sa place</translation>
    </message>
    <message>
        <source>a new file in its place could not keep its owner and group</source>
        <translation>un nouveau fichier à sa place ne pourrait pas garder son propriétaire et son groupe</translation>
    </message>
    <message>
        <source>UTF-16 text: only vCard files in UTF-8 (or with a CHARSET) can be read</source>
        <translation>texte UTF-16 : seuls les fichiers vCard en UTF-8 (ou avec un CHARSET) peuvent être lus</translation>
    </message>
    <message>
        <source>binary data (a NUL byte on line %1), not a vCard file</source>
        <translation>données binaires (un octet NUL à la ligne %1), pas un fichier vCard</translation>
    </message>
    <message numerus="yes">
        <source>line %1 is longer than %n MB, more than a vCard line may be</source>
        <translation>
            <numerusform>la ligne %1 fait plus de %n Mo, plus que ne le permet une ligne vCard</numerusform>
            <numerusform>la ligne %1 fait plus de %n Mo, plus que ne le permet une ligne vCard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>more than %n contacts, more than Ovrana can keep</source>
        <translation>
            <numerusform>plus de %n contact, plus qu&apos;Ovrana ne peut en garder</numerusform>
            <numerusform>plus de %n contacts, plus qu&apos;Ovrana ne peut en garder</numerusform>
        </translation>
    </message>
    <message>
        <source>the card that begins on line %1 has no END:VCARD</source>
        <translation>la carte qui commence à la ligne %1 n&apos;a pas de END:VCARD</translation>
    </message>
    <message>
        <source>not a vCard file: no line says BEGIN:VCARD</source>
        <translation>pas un fichier vCard : aucune ligne ne dit BEGIN:VCARD</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>%1 is a folder, not a vCard file</source>
        <translation>%1 est un dossier, pas un fichier vCard</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message numerus="yes">
        <source>standard input holds more than %n MB, more than Ovrana reads</source>
        <translation>
            <numerusform>l&apos;entrée standard contient plus de %n Mo, plus qu&apos;Ovrana n&apos;en lit</numerusform>
            <numerusform>l&apos;entrée standard contient plus de %n Mo, plus qu&apos;Ovrana n&apos;en lit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n MB, more than Ovrana reads</source>
        <translation>
            <numerusform>%1 fait plus de %n Mo, plus qu&apos;Ovrana n&apos;en lit</numerusform>
            <numerusform>%1 fait plus de %n Mo, plus qu&apos;Ovrana n&apos;en lit</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>impossible de lire l&apos;entrée standard : %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>importing them would make %n records, more than the %1 a data file may hold; nothing was imported</source>
        <translation>
            <numerusform>les importer ferait %n fiche, plus que les %1 qu&apos;un fichier de données peut contenir ; rien n&apos;a été importé</numerusform>
            <numerusform>les importer ferait %n fiches, plus que les %1 qu&apos;un fichier de données peut contenir ; rien n&apos;a été importé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>importing them would make %n records, more than the %1 a data file may hold</source>
        <translation>
            <numerusform>les importer ferait %n fiche, plus que les %1 qu&apos;un fichier de données peut contenir</numerusform>
            <numerusform>les importer ferait %n fiches, plus que les %1 qu&apos;un fichier de données peut contenir</numerusform>
        </translation>
    </message>
    <message>
        <source>the data file %1 is in use by another Ovrana; nothing was imported</source>
        <translation>le fichier de données %1 est utilisé par un autre Ovrana ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>could not take the lock %1.lock: %2; nothing was imported</source>
        <translation>impossible de prendre le verrou %1.lock : %2 ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>the data file %1 points to %2, which does not exist; nothing was imported</source>
        <translation>le fichier de données %1 pointe vers %2, qui n&apos;existe pas ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>the data file %1 points to %2, which does not exist</source>
        <translation>le fichier de données %1 pointe vers %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>the data file %1 could not be read completely; nothing was imported</source>
        <translation>le fichier de données %1 n&apos;a pas pu être lu entièrement ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>the data file %1 could not be read completely</source>
        <translation>le fichier de données %1 n&apos;a pas pu être lu entièrement</translation>
    </message>
    <message>
        <source>%1 was changed by another program meanwhile; nothing was imported</source>
        <translation>%1 a été modifié entre-temps par un autre programme ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>with these records %1 would be larger than Ovrana can read; nothing was imported</source>
        <translation>avec ces fiches, %1 serait plus grand qu&apos;Ovrana ne peut le lire ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>cannot save %1: %2; nothing was imported</source>
        <translation>impossible d&apos;enregistrer %1 : %2 ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>%1 is the data file&apos;s backup; nothing was exported, choose another file name</source>
        <translation>%1 est la sauvegarde du fichier de données ; rien n&apos;a été exporté, choisissez un autre nom de fichier</translation>
    </message>
    <message>
        <source>%1 is the data file&apos;s lock; nothing was exported, choose another file name</source>
        <translation>%1 est le verrou du fichier de données ; rien n&apos;a été exporté, choisissez un autre nom de fichier</translation>
    </message>
    <message>
        <source>%1 is the data file; nothing was exported, choose another file name</source>
        <translation>%1 est le fichier de données ; rien n&apos;a été exporté, choisissez un autre nom de fichier</translation>
    </message>
    <message>
        <source>there is no data file %1 to export</source>
        <translation>il n&apos;y a pas de fichier de données %1 à exporter</translation>
    </message>
    <message>
        <source>the calendar could not be written: %1</source>
        <translation>le calendrier n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>%1 has other names (hard links), and a new file in its place would split it from them; it was left as it is</source>
        <translation>%1 a d&apos;autres noms (liens physiques), et un nouveau fichier à sa place l&apos;en séparerait ; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>%1 points to %2, which does not exist</source>
        <translation>%1 pointe vers %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>the home directory that HOME names cannot be used; nothing was imported</source>
        <translation>le dossier personnel que nomme HOME est inutilisable ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>the home directory that HOME names cannot be used; nothing was exported</source>
        <translation>le dossier personnel que nomme HOME est inutilisable ; rien n&apos;a été exporté</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 est injoignable</translation>
    </message>
    <message>
        <source>%1 stopped answering</source>
        <translation>%1 ne répond plus</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 a refusé le nom d&apos;utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>le certificat de %1 n&apos;est pas approuvé</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (SHA-256 %2); if it is the server&apos;s own, trust it with --accept-certificate %2</source>
        <translation>le certificat de %1 n&apos;est pas approuvé (SHA-256 %2) ; si c&apos;est bien celui du serveur, approuvez-le avec --accept-certificate %2</translation>
    </message>
    <message>
        <source>the address on %1 is not an address book and leads to none</source>
        <translation>l&apos;adresse sur %1 n&apos;est pas un carnet d&apos;adresses et n&apos;en indique aucun</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 a répondu avec le statut HTTP %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that cannot be understood</source>
        <translation>%1 a envoyé une réponse incompréhensible</translation>
    </message>
    <message>
        <source>plain http:// to %1 is refused, as the password would travel in clear; use https://</source>
        <translation>le simple http:// vers %1 est refusé, car le mot de passe circulerait en clair ; utilisez https://</translation>
    </message>
    <message>
        <source>%1 sent a reply larger than Ovrana accepts</source>
        <translation>%1 a envoyé une réponse plus grande que ce qu&apos;Ovrana accepte</translation>
    </message>
    <message>
        <source>no password for %1: none in the keyring and none given</source>
        <translation>aucun mot de passe pour %1 : aucun dans le trousseau et aucun donné</translation>
    </message>
    <message>
        <source>no password is kept in the keyring</source>
        <translation>aucun mot de passe n&apos;est gardé dans le trousseau</translation>
    </message>
    <message>
        <source>no keyring answers</source>
        <translation>aucun trousseau ne répond</translation>
    </message>
    <message numerus="yes">
        <source>the password command gave no answer within %n seconds</source>
        <translation>
            <numerusform>la commande de mot de passe n&apos;a pas répondu en %n seconde</numerusform>
            <numerusform>la commande de mot de passe n&apos;a pas répondu en %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>the password command printed no password</source>
        <translation>la commande de mot de passe n&apos;a affiché aucun mot de passe</translation>
    </message>
    <message>
        <source>the password command failed with status %1</source>
        <translation>la commande de mot de passe a échoué avec le statut %1</translation>
    </message>
    <message>
        <source>The local copy of an address book could not be read (%1): its dates are left out until the next sync fetches it again.</source>
        <translation>La copie locale d’un carnet d’adresses n’a pas pu être lue (%1) : ses dates sont omises jusqu’à ce que la prochaine synchronisation la récupère à nouveau.</translation>
    </message>
    <message>
        <source>the password command could not run</source>
        <translation>la commande de mot de passe n&apos;a pas pu s&apos;exécuter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day; give hours and minutes as HH:MM, such as 07:30</source>
        <translation>« %1 » n’est pas une heure ; indiquez les heures et les minutes sous la forme HH:MM, par exemple 07:30</translation>
    </message>
    <message>
        <source>the time of the daily reminder was not changed: %1 could not be written: %2</source>
        <translation>l’heure du rappel du matin n’a pas été changée : %1 n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>the address on %1 is not a calendar, and none can be found or made there</source>
        <translation>l&apos;adresse sur %1 n&apos;est pas un calendrier, et aucun ne peut y être trouvé ni créé</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (SHA-256 %2); if it is the server&apos;s own, trust it</source>
        <translation>le certificat de %1 n&apos;est pas approuvé (SHA-256 %2) ; si c&apos;est bien celui du serveur, approuvez-le</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The data file %1 exists but could not be read completely. It is left as it is: changes made now cannot be saved this time.</source>
        <translation>Le fichier de données %1 existe, mais n’a pas pu être lu entièrement. Il reste tel quel : les modifications faites maintenant ne pourront pas être enregistrées cette fois-ci.</translation>
    </message>
    <message>
        <source>Ovrana is already running and using the data file %1. Changes made here cannot be saved; close the other Ovrana window first, then start Ovrana again to make changes.</source>
        <translation>Ovrana est déjà ouvert et utilise le fichier de données %1. Les modifications faites ici ne pourront pas être enregistrées ; fermez d’abord l’autre fenêtre d’Ovrana, puis relancez Ovrana pour faire vos modifications.</translation>
    </message>
    <message>
        <source>Your changes were not saved: %1 was changed by another program while Ovrana was running, and it keeps those changes.</source>
        <translation>Vos modifications n’ont pas été enregistrées : %1 a été modifié par un autre programme pendant qu’Ovrana était ouvert, et ses modifications sont conservées.</translation>
    </message>
    <message>
        <source>Your changes could not be saved to %1: %2. The file was not changed.</source>
        <translation>Impossible d’enregistrer vos modifications dans %1 : %2. Le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Ovrana could not take its lock %1: %2. Changes made here cannot be saved, as another Ovrana could be changing the data file at the same time.</source>
        <translation>Ovrana n’a pas pu poser son verrou %1 : %2. Les modifications faites ici ne peuvent pas être enregistrées, car une autre instance d’Ovrana pourrait modifier le fichier de données en même temps.</translation>
    </message>
    <message>
        <source>The data file %1 points to %2, which does not exist. It is left as it is: changes made now cannot be saved this time.</source>
        <translation>Le fichier de données %1 pointe vers %2, qui n’existe pas. Il reste tel quel : les modifications faites maintenant ne pourront pas être enregistrées cette fois-ci.</translation>
    </message>
    <message>
        <source>No home folder is set (HOME), so the options cannot be kept: Ovrana uses the defaults this time.</source>
        <translation>Aucun dossier personnel n’est défini (HOME), les options ne peuvent donc pas être conservées : Ovrana utilise cette fois les valeurs par défaut.</translation>
    </message>
    <message>
        <source>Your changes were not saved: %1 has other names (hard links), and a new file in its place would split it from them. The file was not changed.</source>
        <translation>Vos modifications n’ont pas été enregistrées : %1 a d’autres noms (liens physiques), et un nouveau fichier à sa place l’en séparerait. Le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Your changes were not saved: with them %1 would be larger than Ovrana can read. The file was not changed.</source>
        <translation>Vos modifications n’ont pas été enregistrées : avec elles, %1 serait plus grand que ce qu’Ovrana peut lire. Le fichier n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Your changes to contacts of the address book %1 could not be saved in its local copy.</source>
        <translation>Vos modifications des contacts du carnet d’adresses %1 n’ont pas pu être enregistrées dans sa copie locale.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>1 date coming up</source>
        <translation>1 date à venir</translation>
    </message>
    <message numerus="yes">
        <source>%n dates coming up</source>
        <translation>
            <numerusform>%n date à venir</numerusform>
            <numerusform>%n dates à venir</numerusform>
        </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>%1 is %2 today</source>
        <translation>%1 a %2 aujourd’hui</translation>
    </message>
    <message>
        <source>%1 today</source>
        <translation>%1 aujourd’hui</translation>
    </message>
    <message>
        <source>%1 is %2 tomorrow</source>
        <translation>%1 aura %2 demain</translation>
    </message>
    <message>
        <source>%1 tomorrow</source>
        <translation>%1 demain</translation>
    </message>
    <message numerus="yes">
        <source>%1 will be %2 on %3 %4 (in %n days)</source>
        <translation>
            <numerusform>%1 aura %2 le %3 %4 (dans %n jour)</numerusform>
            <numerusform>%1 aura %2 le %3 %4 (dans %n jours)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %3 %4 (in %n days)</source>
        <translation>
            <numerusform>%1 le %3 %4 (dans %n jour)</numerusform>
            <numerusform>%1 le %3 %4 (dans %n jours)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 turned %2 yesterday</source>
        <translation>%1 a eu %2 hier</translation>
    </message>
    <message>
        <source>%1 was yesterday</source>
        <translation>%1 hier</translation>
    </message>
    <message numerus="yes">
        <source>%1 turned %2 on %3 %4 (%n days ago)</source>
        <translation>
            <numerusform>%1 a eu %2 le %3 %4 (il y a %n jour)</numerusform>
            <numerusform>%1 a eu %2 le %3 %4 (il y a %n jours)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was on %3 %4 (%n days ago)</source>
        <translation>
            <numerusform>%1 le %3 %4 (il y a %n jour)</numerusform>
            <numerusform>%1 le %3 %4 (il y a %n jours)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowHost</name>
    <message>
        <source>the Options dialog cannot be shown without a display</source>
        <translation>la fenêtre Options ne peut pas s’afficher sans écran</translation>
    </message>
</context>
</TS>
