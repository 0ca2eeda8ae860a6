<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddressBooks</name>
    <message>
        <source>address books need a home folder to be kept in</source>
        <translation>Adressbücher brauchen einen persönlichen Ordner, in dem sie aufbewahrt werden</translation>
    </message>
    <message>
        <source>address book %1: %2</source>
        <translation>Adressbuch %1: %2</translation>
    </message>
    <message>
        <source>address book %1: the password cannot be kept: %2</source>
        <translation>Adressbuch %1: das Passwort kann nicht aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged; add it again</source>
        <translation>%1 ist beschädigt; fügen Sie es erneut hinzu</translation>
    </message>
    <message>
        <source>no address book was added from %1</source>
        <translation>von %1 wurde kein Adressbuch hinzugefügt</translation>
    </message>
    <message>
        <source>the calendar is being published by another run</source>
        <translation>der Kalender wird gerade von einem anderen Lauf veröffentlicht</translation>
    </message>
    <message>
        <source>%1 is damaged; publish again</source>
        <translation>%1 ist beschädigt; bitte erneut veröffentlichen</translation>
    </message>
    <message>
        <source>calendar %1: %2</source>
        <translation>Kalender %1: %2</translation>
    </message>
    <message>
        <source>a calendar needs a home folder to be kept in</source>
        <translation>ein Kalender braucht einen Benutzerordner, in dem er gespeichert wird</translation>
    </message>
    <message>
        <source>the dates are published to %1; --unpublish it first</source>
        <translation>die Termine werden bereits in %1 veröffentlicht; zuerst --unpublish verwenden</translation>
    </message>
    <message>
        <source>calendar %1: the password cannot be kept: %2</source>
        <translation>Kalender %1: das Passwort kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no calendar was published to %1</source>
        <translation>in %1 wurde kein Kalender veröffentlicht</translation>
    </message>
</context>
<context>
    <name>Age</name>
    <message numerus="yes">
        <source>%n</source>
        <translation>
            <numerusform>%n</numerusform>
            <numerusform>%n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAddAddressBookDlg</name>
    <message>
        <source>Add address books</source>
        <translation>Adressbücher hinzufügen</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Looking for address books...</source>
        <translation>Adressbücher werden gesucht...</translation>
    </message>
    <message>
        <source>Adding the address books...</source>
        <translation>Adressbücher werden hinzugefügt...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Gefundene Adressbücher</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Diesem Zertifikat &amp;vertrauen</translation>
    </message>
</context>
<context>
    <name>CAddressBooksDlg</name>
    <message>
        <source>The dates are not published to a calendar.</source>
        <translation>Die Daten werden in keinem Kalender veröffentlicht.</translation>
    </message>
    <message>
        <source>Calendar %1, %2, last sync: %3</source>
        <translation>Kalender %1, %2, letzter Abgleich: %3</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Adressbücher</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Letzter Abgleich</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Letzter Fehler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Talking to the servers...</source>
        <translation>Verbindung mit den Servern...</translation>
    </message>
    <message>
        <source>Remove the address book %1 with its local copy and your choices for its contacts? Nothing is removed from the server.</source>
        <translation>Das Adressbuch %1 mit seiner lokalen Kopie und Ihren Einstellungen für seine Kontakte entfernen? Auf dem Server wird nichts gelöscht.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Sync now</source>
        <translation>Jetzt &amp;abgleichen</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Diesem Zertifikat &amp;vertrauen</translation>
    </message>
    <message>
        <source>&amp;Publish...</source>
        <translation>Veröffent&amp;lichen...</translation>
    </message>
    <message>
        <source>St&amp;op publishing</source>
        <translation>Veröffentlichung &amp;beenden</translation>
    </message>
    <message>
        <source>Stop publishing the dates to the calendar %1? The events Ovrana put there are deleted from the server; your own events stay.</source>
        <translation>Die Daten nicht mehr im Kalender %1 veröffentlichen? Die Termine, die Ovrana dort eingetragen hat, werden vom Server gelöscht; Ihre eigenen Termine bleiben.</translation>
    </message>
</context>
<context>
    <name>CEditPersonDlg</name>
    <message>
        <source>Edit person</source>
        <translation>Person bearbeiten</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage vorher</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Ohne Namen</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Ereignis:</translation>
    </message>
    <message>
        <source>First date:</source>
        <translation>Erstes Datum:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Geburtstag:</translation>
    </message>
    <message>
        <source>Please enter a whole number of days between 0 and %1.</source>
        <translation>Bitte geben Sie eine ganze Zahl von Tagen zwischen 0 und %1 ein.</translation>
    </message>
    <message>
        <source>%1 - properties</source>
        <translation>%1 – Eigenschaften</translation>
    </message>
    <message>
        <source>Name, date and email come from the address book %1; they are changed there.</source>
        <translation>Name, Datum und E-Mail stammen aus dem Adressbuch %1 und werden dort geändert.</translation>
    </message>
    <message>
        <source>&amp;Year unknown</source>
        <translation>&amp;Jahr unbekannt</translation>
    </message>
    <message>
        <source>&amp;Not a birthday, so don&apos;t display age in reminder</source>
        <translation>&amp;Kein Geburtstag, also kein Alter in der Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ever remind me about this</source>
        <translation>&amp;Nie daran erinnern</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>(the contact on line %1)</source>
        <translation>(der Kontakt in Zeile %1)</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Ausgelassen:</translation>
    </message>
    <message>
        <source>New records:</source>
        <translation>Neue Einträge:</translation>
    </message>
    <message>
        <source>Import 1 record</source>
        <translation>1 Eintrag importieren</translation>
    </message>
    <message numerus="yes">
        <source>Import %n records</source>
        <translation>
            <numerusform>%n Eintrag importieren</numerusform>
            <numerusform>%n Einträge importieren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Vorwarnung</translation>
    </message>
    <message>
        <source>Age today</source>
        <translation>Alter heute</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>days ahead</source>
        <translation>Tage im Voraus</translation>
    </message>
    <message>
        <source>Ovrana %1, by the Ovrana developers</source>
        <translation>Ovrana %1, von den Ovrana-Entwicklern</translation>
    </message>
    <message>
        <source>Ovrana user guide</source>
        <translation>Ovrana-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Optionen </translation>
    </message>
    <message>
        <source> Default for new records </source>
        <translation> Vorgaben für neue Einträge </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Export calendar</source>
        <translation>Kalender exportieren</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Import contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard-Dateien (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>No contacts were imported.</source>
        <translation>Es wurden keine Kontakte importiert.</translation>
    </message>
    <message>
        <source>%1 is the file that holds your records.</source>
        <translation>%1 ist die Datei, die Ihre Einträge enthält.</translation>
    </message>
    <message>
        <source>%1 is the backup of your records.</source>
        <translation>%1 ist die Sicherungskopie Ihrer Einträge.</translation>
    </message>
    <message>
        <source>%1 is the lock file of your records.</source>
        <translation>%1 ist die Sperrdatei Ihrer Einträge.</translation>
    </message>
    <message>
        <source>Nothing was exported. Choose another file name.</source>
        <translation>Es wurde nichts exportiert. Wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>From the address book %1</source>
        <translation>Aus dem Adressbuch %1</translation>
    </message>
    <message>
        <source>It comes from the address book %1; it is deleted there.</source>
        <translation>Der Eintrag stammt aus dem Adressbuch %1 und wird dort gelöscht.</translation>
    </message>
    <message>
        <source>Each morning at</source>
        <translation>Jeden Morgen um</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>&amp;Only display once a day</source>
        <translation>Nur &amp;einmal am Tag anzeigen</translation>
    </message>
    <message>
        <source>Reminder window always on &amp;top</source>
        <translation>Erinnerungsfenster immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Remind me with a desktop notification</source>
        <translation>Mit einer Desktop-&amp;Benachrichtigung erinnern</translation>
    </message>
    <message>
        <source>Also remind me each &amp;morning while I stay logged in</source>
        <translation>Auch jeden &amp;Morgen erinnern, solange ich angemeldet bleibe</translation>
    </message>
    <message>
        <source>Also tell me about &amp;dates I missed since my last run</source>
        <translation>Auch an &amp;Termine erinnern, die ich seit dem letzten Start verpasst habe</translation>
    </message>
    <message>
        <source>Days to look ahead</source>
        <translation>Tage im Voraus</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Neu ...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Address books...</source>
        <translation>&amp;Adressbücher...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>CPublishCalendarDlg</name>
    <message>
        <source>Publish the dates to a calendar</source>
        <translation>Daten in einem Kalender veröffentlichen</translation>
    </message>
    <message>
        <source>Your dates go to the calendar %1 at this address, made there when there is none, each with its warning. The calendar mirrors your records: its events changed elsewhere are replaced at the next sync.</source>
        <translation>Ihre Daten kommen in den Kalender %1 unter dieser Adresse, der dort angelegt wird, wenn es ihn noch nicht gibt, jedes mit seiner Vorwarnung. Der Kalender spiegelt Ihre Einträge: anderswo geänderte Termine werden beim nächsten Abgleich ersetzt.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Diesem Zertifikat &amp;vertrauen</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Publishing the dates...</source>
        <translation>Die Daten werden veröffentlicht...</translation>
    </message>
</context>
<context>
    <name>CReminderDlg</name>
    <message>
        <source>Don&apos;t remind me again until next year</source>
        <translation>Bis nächstes Jahr nicht mehr erinnern</translation>
    </message>
    <message>
        <source>Email %1 (%2)</source>
        <translation>E-Mail an %1 (%2)</translation>
    </message>
    <message>
        <source>No e-mail program could be started to write to %1.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden, um an %1 zu schreiben.</translation>
    </message>
    <message>
        <source>Remind me again tomorrow</source>
        <translation>Morgen wieder erinnern</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;ptionen...</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es
an Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für den Vorgang war nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
gerade bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Mit dieser Dateiendung ist
kein Programm verknüpft.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link kann nicht geöffnet werden:

%1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>%1&apos;s birthday</source>
        <translation>Geburtstag von %1</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Geboren %1</translation>
    </message>
    <message>
        <source>Since %1</source>
        <translation>Seit %1</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Geburtstage</translation>
    </message>
</context>
<context>
    <name>IconSet</name>
    <message>
        <source>Question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Torte</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Luftballons</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Billardkugel Acht</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Pinnnadel</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>Star on stripes</source>
        <translation>Stern auf Streifen</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Pokal</translation>
    </message>
    <message>
        <source>Warning sign</source>
        <translation>Warnschild</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1&apos;s anniversary</source>
        <translation>Hochzeitstag von %1</translation>
    </message>
    <message>
        <source>already present</source>
        <translation>schon vorhanden</translation>
    </message>
    <message>
        <source>without a date</source>
        <translation>ohne Datum</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>kein Datum: %1</translation>
    </message>
    <message>
        <source>invalid date: %1</source>
        <translation>ungültiges Datum: %1</translation>
    </message>
    <message>
        <source>without a name</source>
        <translation>ohne Namen</translation>
    </message>
    <message numerus="yes">
        <source>%n already present</source>
        <translation>
            <numerusform>%n schon vorhanden</numerusform>
            <numerusform>%n schon vorhanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a date</source>
        <translation>
            <numerusform>%n ohne Datum</numerusform>
            <numerusform>%n ohne Datum</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a name</source>
        <translation>
            <numerusform>%n ohne Namen</numerusform>
            <numerusform>%n ohne Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n records; skipped %1</source>
        <translation>
            <numerusform>%n Eintrag importiert; übersprungen: %1</numerusform>
            <numerusform>%n Einträge importiert; übersprungen: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>its folder does not let a new file take its place</source>
        <translation>sein Ordner lässt keine neue Datei an seine Stelle treten</translation>
    </message>
    <message>
        <source>a new file in its place could not keep its owner and group</source>
        <translation>eine neue Datei an seiner Stelle könnte Eigentümer und Gruppe nicht behalten</translation>
    </message>
    <message>
        <source>UTF-16 text: only vCard files in UTF-8 (or with a CHARSET) can be read</source>
        <translation>UTF-16-Text: nur vCard-Dateien in UTF-8 (oder mit CHARSET) können gelesen werden</translation>
    </message>
    <message>
        <source>binary data (a NUL byte on line %1), not a vCard file</source>
        <translation>Binärdaten (ein NUL-Byte in Zeile %1), keine vCard-Datei</translation>
    </message>
    <message numerus="yes">
        <source>line %1 is longer than %n MB, more than a vCard line may be</source>
        <translation>
            <numerusform>Zeile %1 ist länger als %n MB, mehr als eine vCard-Zeile sein darf</numerusform>
            <numerusform>Zeile %1 ist länger als %n MB, mehr als eine vCard-Zeile sein darf</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>more than %n contacts, more than Ovrana can keep</source>
        <translation>
            <numerusform>mehr als %n Kontakt, mehr als Ovrana aufnehmen kann</numerusform>
            <numerusform>mehr als %n Kontakte, mehr als Ovrana aufnehmen kann</numerusform>
        </translation>
    </message>
    <message>
        <source>the card that begins on line %1 has no END:VCARD</source>
        <translation>der Karte, die in Zeile %1 beginnt, fehlt END:VCARD</translation>
    </message>
    <message>
        <source>not a vCard file: no line says BEGIN:VCARD</source>
        <translation>keine vCard-Datei: keine Zeile lautet BEGIN:VCARD</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>%1 is a folder, not a vCard file</source>
        <translation>%1 ist ein Ordner, keine vCard-Datei</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message numerus="yes">
        <source>standard input holds more than %n MB, more than Ovrana reads</source>
        <translation>
            <numerusform>die Standardeingabe enthält mehr als %n MB, mehr als Ovrana liest</numerusform>
            <numerusform>die Standardeingabe enthält mehr als %n MB, mehr als Ovrana liest</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n MB, more than Ovrana reads</source>
        <translation>
            <numerusform>%1 ist größer als %n MB, mehr als Ovrana liest</numerusform>
            <numerusform>%1 ist größer als %n MB, mehr als Ovrana liest</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>importing them would make %n records, more than the %1 a data file may hold; nothing was imported</source>
        <translation>
            <numerusform>damit wären es %n Eintrag, mehr als die %1, die eine Datendatei fassen darf; es wurde nichts importiert</numerusform>
            <numerusform>damit wären es %n Einträge, mehr als die %1, die eine Datendatei fassen darf; es wurde nichts importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>importing them would make %n records, more than the %1 a data file may hold</source>
        <translation>
            <numerusform>damit wären es %n Eintrag, mehr als die %1, die eine Datendatei fassen darf</numerusform>
            <numerusform>damit wären es %n Einträge, mehr als die %1, die eine Datendatei fassen darf</numerusform>
        </translation>
    </message>
    <message>
        <source>the data file %1 is in use by another Ovrana; nothing was imported</source>
        <translation>die Datendatei %1 wird von einem anderen Ovrana benutzt; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>could not take the lock %1.lock: %2; nothing was imported</source>
        <translation>die Sperre %1.lock konnte nicht gesetzt werden: %2; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>the data file %1 points to %2, which does not exist; nothing was imported</source>
        <translation>die Datendatei %1 verweist auf %2, das es nicht gibt; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>the data file %1 points to %2, which does not exist</source>
        <translation>die Datendatei %1 verweist auf %2, das es nicht gibt</translation>
    </message>
    <message>
        <source>the data file %1 could not be read completely; nothing was imported</source>
        <translation>die Datendatei %1 konnte nicht vollständig gelesen werden; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>the data file %1 could not be read completely</source>
        <translation>die Datendatei %1 konnte nicht vollständig gelesen werden</translation>
    </message>
    <message>
        <source>%1 was changed by another program meanwhile; nothing was imported</source>
        <translation>%1 wurde inzwischen von einem anderen Programm geändert; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>with these records %1 would be larger than Ovrana can read; nothing was imported</source>
        <translation>mit diesen Einträgen wäre %1 größer, als Ovrana lesen kann; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>cannot save %1: %2; nothing was imported</source>
        <translation>%1 kann nicht gespeichert werden: %2; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>%1 is the data file&apos;s backup; nothing was exported, choose another file name</source>
        <translation>%1 ist die Sicherung der Datendatei; es wurde nichts exportiert, wählen Sie einen anderen Dateinamen</translation>
    </message>
    <message>
        <source>%1 is the data file&apos;s lock; nothing was exported, choose another file name</source>
        <translation>%1 ist die Sperrdatei der Datendatei; es wurde nichts exportiert, wählen Sie einen anderen Dateinamen</translation>
    </message>
    <message>
        <source>%1 is the data file; nothing was exported, choose another file name</source>
        <translation>%1 ist die Datendatei; es wurde nichts exportiert, wählen Sie einen anderen Dateinamen</translation>
    </message>
    <message>
        <source>there is no data file %1 to export</source>
        <translation>es gibt keine Datendatei %1 zum Exportieren</translation>
    </message>
    <message>
        <source>the calendar could not be written: %1</source>
        <translation>der Kalender konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1 has other names (hard links), and a new file in its place would split it from them; it was left as it is</source>
        <translation>%1 hat weitere Namen (harte Links), und eine neue Datei an seiner Stelle würde es von ihnen trennen; es blieb, wie es ist</translation>
    </message>
    <message>
        <source>%1 points to %2, which does not exist</source>
        <translation>%1 verweist auf %2, das es nicht gibt</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the home directory that HOME names cannot be used; nothing was imported</source>
        <translation>das Home-Verzeichnis, das HOME nennt, ist nicht nutzbar; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>the home directory that HOME names cannot be used; nothing was exported</source>
        <translation>das Home-Verzeichnis, das HOME nennt, ist nicht nutzbar; es wurde nichts exportiert</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>%1 stopped answering</source>
        <translation>%1 antwortet nicht mehr</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 hat den Benutzernamen oder das Passwort abgelehnt</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (SHA-256 %2); if it is the server&apos;s own, trust it with --accept-certificate %2</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut (SHA-256 %2); ist es das des Servers, vertrauen Sie ihm mit --accept-certificate %2</translation>
    </message>
    <message>
        <source>the address on %1 is not an address book and leads to none</source>
        <translation>die Adresse auf %1 ist kein Adressbuch und führt zu keinem</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 antwortete mit dem HTTP-Status %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that cannot be understood</source>
        <translation>%1 schickte eine unverständliche Antwort</translation>
    </message>
    <message>
        <source>plain http:// to %1 is refused, as the password would travel in clear; use https://</source>
        <translation>einfaches http:// zu %1 wird abgelehnt, da das Passwort im Klartext übertragen würde; verwenden Sie https://</translation>
    </message>
    <message>
        <source>%1 sent a reply larger than Ovrana accepts</source>
        <translation>%1 schickte eine Antwort, größer als Ovrana annimmt</translation>
    </message>
    <message>
        <source>no password for %1: none in the keyring and none given</source>
        <translation>kein Passwort für %1: keines im Schlüsselbund und keines angegeben</translation>
    </message>
    <message>
        <source>no password is kept in the keyring</source>
        <translation>im Schlüsselbund ist kein Passwort hinterlegt</translation>
    </message>
    <message>
        <source>no keyring answers</source>
        <translation>kein Schlüsselbund antwortet</translation>
    </message>
    <message numerus="yes">
        <source>the password command gave no answer within %n seconds</source>
        <translation>
            <numerusform>der Passwortbefehl antwortete nicht binnen %n Sekunde</numerusform>
            <numerusform>der Passwortbefehl antwortete nicht binnen %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>the password command printed no password</source>
        <translation>der Passwortbefehl gab kein Passwort aus</translation>
    </message>
    <message>
        <source>the password command failed with status %1</source>
        <translation>der Passwortbefehl schlug mit Status %1 fehl</translation>
    </message>
    <message>
        <source>The local copy of an address book could not be read (%1): its dates are left out until the next sync fetches it again.</source>
        <translation>Die lokale Kopie eines Adressbuchs konnte nicht gelesen werden (%1): Seine Daten fehlen, bis die nächste Synchronisierung es neu holt.</translation>
    </message>
    <message>
        <source>the password command could not run</source>
        <translation>der Passwortbefehl konnte nicht laufen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day; give hours and minutes as HH:MM, such as 07:30</source>
        <translation>„%1“ ist keine Uhrzeit; Stunden und Minuten bitte als HH:MM angeben, etwa 07:30</translation>
    </message>
    <message>
        <source>the time of the daily reminder was not changed: %1 could not be written: %2</source>
        <translation>die Uhrzeit der morgendlichen Erinnerung wurde nicht geändert: %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the address on %1 is not a calendar, and none can be found or made there</source>
        <translation>die Adresse auf %1 ist kein Kalender, und dort lässt sich keiner finden oder anlegen</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (SHA-256 %2); if it is the server&apos;s own, trust it</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut (SHA-256 %2); ist es das des Servers, vertrauen Sie ihm</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The data file %1 exists but could not be read completely. It is left as it is: changes made now cannot be saved this time.</source>
        <translation>Die Datendatei %1 ist vorhanden, konnte aber nicht vollständig gelesen werden. Sie bleibt, wie sie ist: Was Sie jetzt ändern, kann diesmal nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Ovrana is already running and using the data file %1. Changes made here cannot be saved; close the other Ovrana window first, then start Ovrana again to make changes.</source>
        <translation>Ovrana läuft bereits und verwendet die Datendatei %1. Änderungen hier können nicht gespeichert werden. Schließen Sie zuerst das andere Ovrana-Fenster und starten Sie Ovrana dann neu, um Änderungen vorzunehmen.</translation>
    </message>
    <message>
        <source>Your changes were not saved: %1 was changed by another program while Ovrana was running, and it keeps those changes.</source>
        <translation>Ihre Änderungen wurden nicht gespeichert: %1 wurde von einem anderen Programm geändert, während Ovrana lief, und behält diese Änderungen.</translation>
    </message>
    <message>
        <source>Your changes could not be saved to %1: %2. The file was not changed.</source>
        <translation>Ihre Änderungen konnten nicht in %1 gespeichert werden: %2. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Ovrana could not take its lock %1: %2. Changes made here cannot be saved, as another Ovrana could be changing the data file at the same time.</source>
        <translation>Ovrana konnte die Sperrdatei %1 nicht anlegen: %2. Änderungen hier können nicht gespeichert werden, da ein anderes Ovrana die Datendatei zur selben Zeit ändern könnte.</translation>
    </message>
    <message>
        <source>The data file %1 points to %2, which does not exist. It is left as it is: changes made now cannot be saved this time.</source>
        <translation>Die Datendatei %1 verweist auf %2, das nicht existiert. Sie bleibt, wie sie ist: Was Sie jetzt ändern, kann diesmal nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No home folder is set (HOME), so the options cannot be kept: Ovrana uses the defaults this time.</source>
        <translation>Es ist kein Home-Ordner gesetzt (HOME), daher können die Einstellungen nicht gespeichert werden: Ovrana verwendet diesmal die Standardwerte.</translation>
    </message>
    <message>
        <source>Your changes were not saved: %1 has other names (hard links), and a new file in its place would split it from them. The file was not changed.</source>
        <translation>Ihre Änderungen wurden nicht gespeichert: %1 hat weitere Namen (harte Links), und eine neue Datei an ihrer Stelle würde sie von diesen trennen. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Your changes were not saved: with them %1 would be larger than Ovrana can read. The file was not changed.</source>
        <translation>Ihre Änderungen wurden nicht gespeichert: mit ihnen wäre %1 größer, als Ovrana lesen kann. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Your changes to contacts of the address book %1 could not be saved in its local copy.</source>
        <translation>Ihre Änderungen an Kontakten des Adressbuchs %1 konnten nicht in seiner lokalen Kopie gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>1 date coming up</source>
        <translation>1 Termin steht bevor</translation>
    </message>
    <message numerus="yes">
        <source>%n dates coming up</source>
        <translation>
            <numerusform>%n Termin steht bevor</numerusform>
            <numerusform>%n Termine stehen bevor</numerusform>
        </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>%1 is %2 today</source>
        <translation>%1 wird heute %2</translation>
    </message>
    <message>
        <source>%1 today</source>
        <translation>%1 – heute</translation>
    </message>
    <message>
        <source>%1 is %2 tomorrow</source>
        <translation>%1 wird morgen %2</translation>
    </message>
    <message>
        <source>%1 tomorrow</source>
        <translation>%1 – morgen</translation>
    </message>
    <message numerus="yes">
        <source>%1 will be %2 on %3 %4 (in %n days)</source>
        <translation>
            <numerusform>%1 wird %2 – am %3, %4 (in %n Tag)</numerusform>
            <numerusform>%1 wird %2 – am %3, %4 (in %n Tagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %3 %4 (in %n days)</source>
        <translation>
            <numerusform>%1 – am %3, %4 (in %n Tag)</numerusform>
            <numerusform>%1 – am %3, %4 (in %n Tagen)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 turned %2 yesterday</source>
        <translation>%1 wurde gestern %2</translation>
    </message>
    <message>
        <source>%1 was yesterday</source>
        <translation>%1 – gestern</translation>
    </message>
    <message numerus="yes">
        <source>%1 turned %2 on %3 %4 (%n days ago)</source>
        <translation>
            <numerusform>%1 wurde %2 – am %3, %4 (vor %n Tag)</numerusform>
            <numerusform>%1 wurde %2 – am %3, %4 (vor %n Tagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was on %3 %4 (%n days ago)</source>
        <translation>
            <numerusform>%1 – am %3, %4 (vor %n Tag)</numerusform>
            <numerusform>%1 – am %3, %4 (vor %n Tagen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowHost</name>
    <message>
        <source>the Options dialog cannot be shown without a display</source>
        <translation>der Optionen-Dialog kann ohne Bildschirm nicht angezeigt werden</translation>
    </message>
</context>
</TS>
