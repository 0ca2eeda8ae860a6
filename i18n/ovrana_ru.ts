<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Age</name>
    <message numerus="yes">
        <source>%n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CEditPersonDlg</name>
    <message>
        <source>Edit person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a birthday, so don&apos;t display age in reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t ever remind me about this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a whole number of days between 0 and %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An e-mail address cannot contain a comma.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only display once a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder window always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default for new records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovrana %1, by the Ovrana developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovrana user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReminderDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t remind me again until next year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>%1 is %2 today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 will be %2 on %3 %4 (in %n days)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %3 %4 (in %n days)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
