<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddressBooks</name>
    <message>
        <source>address books need a home folder to be kept in</source>
        <translation>las libretas de direcciones necesitan una carpeta personal donde guardarse</translation>
    </message>
    <message>
        <source>address book %1: %2</source>
        <translation>libreta de direcciones %1: %2</translation>
    </message>
    <message>
        <source>address book %1: the password cannot be kept: %2</source>
        <translation>libreta de direcciones %1: no se puede guardar la contraseña: %2</translation>
    </message>
    <message>
        <source>%1 is damaged; add it again</source>
        <translation>%1 está dañado; añádalo de nuevo</translation>
    </message>
    <message>
        <source>no address book was added from %1</source>
        <translation>no se añadió ninguna libreta de direcciones desde %1</translation>
    </message>
    <message>
        <source>the calendar is being published by another run</source>
        <translation>otra ejecución está publicando el calendario</translation>
    </message>
    <message>
        <source>%1 is damaged; publish again</source>
        <translation>%1 está dañado; vuelva a publicar</translation>
    </message>
    <message>
        <source>calendar %1: %2</source>
        <translation>calendario %1: %2</translation>
    </message>
    <message>
        <source>a calendar needs a home folder to be kept in</source>
        <translation>un calendario necesita una carpeta personal donde guardarse</translation>
    </message>
    <message>
        <source>the dates are published to %1; --unpublish it first</source>
        <translation>las fechas se publican en %1; use antes --unpublish</translation>
    </message>
    <message>
        <source>calendar %1: the password cannot be kept: %2</source>
        <translation>calendario %1: no se puede guardar la contraseña: %2</translation>
    </message>
    <message>
        <source>no calendar was published to %1</source>
        <translation>no se publicó ningún calendario en %1</translation>
    </message>
</context>
<context>
    <name>Age</name>
    <message numerus="yes">
        <source>%n</source>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAddAddressBookDlg</name>
    <message>
        <source>Add address books</source>
        <translation>Añadir libretas de direcciones</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Looking for address books...</source>
        <translation>Buscando libretas de direcciones...</translation>
    </message>
    <message>
        <source>Adding the address books...</source>
        <translation>Añadiendo las libretas de direcciones...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>No se pudo guardar la contraseña en el depósito de claves: %1</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Libretas de direcciones encontradas</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Con&amp;fiar en este certificado</translation>
    </message>
</context>
<context>
    <name>CAddressBooksDlg</name>
    <message>
        <source>The dates are not published to a calendar.</source>
        <translation>Las fechas no se publican en ningún calendario.</translation>
    </message>
    <message>
        <source>Calendar %1, %2, last sync: %3</source>
        <translation>Calendario %1, %2, última sincronización: %3</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Libretas de direcciones</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Última sincronización</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Último error</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Talking to the servers...</source>
        <translation>Hablando con los servidores...</translation>
    </message>
    <message>
        <source>Remove the address book %1 with its local copy and your choices for its contacts? Nothing is removed from the server.</source>
        <translation>¿Quitar la libreta de direcciones %1 con su copia local y sus ajustes para sus contactos? No se borra nada del servidor.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Sync now</source>
        <translation>&amp;Sincronizar ahora</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Con&amp;fiar en este certificado</translation>
    </message>
    <message>
        <source>&amp;Publish...</source>
        <translation>&amp;Publicar...</translation>
    </message>
    <message>
        <source>St&amp;op publishing</source>
        <translation>&amp;Dejar de publicar</translation>
    </message>
    <message>
        <source>Stop publishing the dates to the calendar %1? The events Ovrana put there are deleted from the server; your own events stay.</source>
        <translation>¿Dejar de publicar las fechas en el calendario %1? Los eventos que Ovrana puso allí se eliminan del servidor; sus propios eventos se quedan.</translation>
    </message>
</context>
<context>
    <name>CEditPersonDlg</name>
    <message>
        <source>Edit person</source>
        <translation>Editar persona</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Icono:</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Avisar</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días antes</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Evento:</translation>
    </message>
    <message>
        <source>First date:</source>
        <translation>Primera fecha:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Cumpleaños:</translation>
    </message>
    <message>
        <source>Please enter a whole number of days between 0 and %1.</source>
        <translation>Introduzca un número entero de días entre 0 y %1.</translation>
    </message>
    <message>
        <source>%1 - properties</source>
        <translation>%1 - propiedades</translation>
    </message>
    <message>
        <source>Name, date and email come from the address book %1; they are changed there.</source>
        <translation>El nombre, la fecha y el correo vienen de la libreta de direcciones %1; se cambian allí.</translation>
    </message>
    <message>
        <source>&amp;Year unknown</source>
        <translation>Año &amp;desconocido</translation>
    </message>
    <message>
        <source>&amp;Not a birthday, so don&apos;t display age in reminder</source>
        <translation>No es un &amp;cumpleaños: no mostrar la edad en el aviso</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ever remind me about this</source>
        <translation>No avisarme &amp;nunca de esto</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>(the contact on line %1)</source>
        <translation>(el contacto de la línea %1)</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Omitidos:</translation>
    </message>
    <message>
        <source>New records:</source>
        <translation>Registros nuevos:</translation>
    </message>
    <message>
        <source>Import 1 record</source>
        <translation>Importar 1 registro</translation>
    </message>
    <message numerus="yes">
        <source>Import %n records</source>
        <translation>
            <numerusform>Importar %n registro</numerusform>
            <numerusform>Importar %n registros</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Age today</source>
        <translation>Edad actual</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Avisar</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Icono:</translation>
    </message>
    <message>
        <source>days ahead</source>
        <translation>días antes</translation>
    </message>
    <message>
        <source>Ovrana %1, by the Ovrana developers</source>
        <translation>Ovrana %1, de los desarrolladores de Ovrana</translation>
    </message>
    <message>
        <source>Ovrana user guide</source>
        <translation>Guía de uso de Ovrana</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Opciones </translation>
    </message>
    <message>
        <source> Default for new records </source>
        <translation> Valores para registros nuevos </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Export calendar</source>
        <translation>Exportar calendario</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Import contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Archivos vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>No contacts were imported.</source>
        <translation>No se importó ningún contacto.</translation>
    </message>
    <message>
        <source>%1 is the file that holds your records.</source>
        <translation>%1 es el archivo que contiene sus registros.</translation>
    </message>
    <message>
        <source>%1 is the backup of your records.</source>
        <translation>%1 es la copia de seguridad de sus registros.</translation>
    </message>
    <message>
        <source>%1 is the lock file of your records.</source>
        <translation>%1 es el archivo de bloqueo de sus registros.</translation>
    </message>
    <message>
        <source>Nothing was exported. Choose another file name.</source>
        <translation>No se exportó nada. Elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>No se exportó nada.</translation>
    </message>
    <message>
        <source>From the address book %1</source>
        <translation>De la libreta de direcciones %1</translation>
    </message>
    <message>
        <source>It comes from the address book %1; it is deleted there.</source>
        <translation>Viene de la libreta de direcciones %1; se elimina allí.</translation>
    </message>
    <message>
        <source>Each morning at</source>
        <translation>Cada mañana a las</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>&amp;Only display once a day</source>
        <translation>Mostrar solo una &amp;vez al día</translation>
    </message>
    <message>
        <source>Reminder window always on &amp;top</source>
        <translation>Ventana de avisos &amp;siempre visible</translation>
    </message>
    <message>
        <source>&amp;Remind me with a desktop notification</source>
        <translation>&amp;Avisarme con una notificación de escritorio</translation>
    </message>
    <message>
        <source>Also remind me each &amp;morning while I stay logged in</source>
        <translation>Avisarme también cada &amp;mañana mientras siga conectado</translation>
    </message>
    <message>
        <source>Also tell me about &amp;dates I missed since my last run</source>
        <translation>Avisarme también de las &amp;fechas que me perdí desde la última vez</translation>
    </message>
    <message>
        <source>Days to look ahead</source>
        <translation>Días de antelación</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Nuevo ...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Address books...</source>
        <translation>&amp;Libretas de direcciones...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>CPublishCalendarDlg</name>
    <message>
        <source>Publish the dates to a calendar</source>
        <translation>Publicar las fechas en un calendario</translation>
    </message>
    <message>
        <source>Your dates go to the calendar %1 at this address, made there when there is none, each with its warning. The calendar mirrors your records: its events changed elsewhere are replaced at the next sync.</source>
        <translation>Sus fechas van al calendario %1 en esta dirección, que se crea allí si no existe, cada una con su aviso. El calendario refleja sus registros: sus eventos cambiados en otro lugar se reemplazan en la próxima sincronización.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>Con&amp;fiar en este certificado</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
    <message>
        <source>Publishing the dates...</source>
        <translation>Publicando las fechas...</translation>
    </message>
</context>
<context>
    <name>CReminderDlg</name>
    <message>
        <source>Don&apos;t remind me again until next year</source>
        <translation>No avisarme de nuevo hasta el año que viene</translation>
    </message>
    <message>
        <source>Email %1 (%2)</source>
        <translation>Escribir a %1 (%2)</translation>
    </message>
    <message>
        <source>No e-mail program could be started to write to %1.</source>
        <translation>No se pudo abrir ningún programa de correo para escribir a %1.</translation>
    </message>
    <message>
        <source>Remind me again tomorrow</source>
        <translation>Recordármelo de nuevo mañana</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;pciones...</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No hay memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE de Win32 o la imagen .EXE tiene errores).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación de archivos
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>No se pudo completar la transacción DDE
porque se agotó el tiempo de espera.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>No se pudo completar la transacción DDE
porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a esta extensión de archivo.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca dinámica indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>No se puede abrir el enlace:

%1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>%1&apos;s birthday</source>
        <translation>Cumpleaños de %1</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Nació en %1</translation>
    </message>
    <message>
        <source>Since %1</source>
        <translation>Desde %1</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Cumpleaños</translation>
    </message>
</context>
<context>
    <name>IconSet</name>
    <message>
        <source>Question mark</source>
        <translation>Signo de interrogación</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Globos</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Bloc de notas</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Bola ocho</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <translation>Signo de exclamación</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingüino</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Chincheta</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Regalo</translation>
    </message>
    <message>
        <source>Star on stripes</source>
        <translation>Estrella sobre franjas</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Corazón</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofeo</translation>
    </message>
    <message>
        <source>Warning sign</source>
        <translation>Señal de advertencia</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1&apos;s anniversary</source>
        <translation>Aniversario de boda de %1</translation>
    </message>
    <message>
        <source>already present</source>
        <translation>ya existe</translation>
    </message>
    <message>
        <source>without a date</source>
        <translation>sin fecha</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>no es una fecha: %1</translation>
    </message>
    <message>
        <source>invalid date: %1</source>
        <translation>fecha no válida: %1</translation>
    </message>
    <message>
        <source>without a name</source>
        <translation>sin nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n already present</source>
        <translation>
            <numerusform>%n ya presente</numerusform>
            <numerusform>%n ya presentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a date</source>
        <translation>
            <numerusform>%n sin fecha</numerusform>
            <numerusform>%n sin fecha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a name</source>
        <translation>
            <numerusform>%n sin nombre</numerusform>
            <numerusform>%n sin nombre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n records; skipped %1</source>
        <translation>
            <numerusform>Importado %n registro; omitidos: %1</numerusform>
            <numerusform>Importados %n registros; omitidos: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>its folder does not let a new file take its place</source>
        <translation>su carpeta no permite que un archivo nuevo ocupe su lugar</translation>
    </message>
    <message>
        <source>a new file in its place could not keep its owner and group</source>
        <translation>un archivo nuevo en su lugar no podría conservar su propietario y su grupo</translation>
    </message>
    <message>
        <source>UTF-16 text: only vCard files in UTF-8 (or with a CHARSET) can be read</source>
        <translation>texto UTF-16: solo se pueden leer archivos vCard en UTF-8 (o con un CHARSET)</translation>
    </message>
    <message>
        <source>binary data (a NUL byte on line %1), not a vCard file</source>
        <translation>datos binarios (un byte NUL en la línea %1), no es un archivo vCard</translation>
    </message>
    <message numerus="yes">
        <source>line %1 is longer than %n MB, more than a vCard line may be</source>
        <translation>
            <numerusform>la línea %1 ocupa más de %n MB, más de lo que puede ocupar una línea vCard</numerusform>
            <numerusform>la línea %1 ocupa más de %n MB, más de lo que puede ocupar una línea vCard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>more than %n contacts, more than Ovrana can keep</source>
        <translation>
            <numerusform>más de %n contacto, más de los que Ovrana puede guardar</numerusform>
            <numerusform>más de %n contactos, más de los que Ovrana puede guardar</numerusform>
        </translation>
    </message>
    <message>
        <source>the card that begins on line %1 has no END:VCARD</source>
        <translation>la tarjeta que empieza en la línea %1 no tiene END:VCARD</translation>
    </message>
    <message>
        <source>not a vCard file: no line says BEGIN:VCARD</source>
        <translation>no es un archivo vCard: ninguna línea dice BEGIN:VCARD</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>%1 is a folder, not a vCard file</source>
        <translation>%1 es una carpeta, no un archivo vCard</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message numerus="yes">
        <source>standard input holds more than %n MB, more than Ovrana reads</source>
        <translation>
            <numerusform>la entrada estándar contiene más de %n MB, más de lo que Ovrana lee</numerusform>
            <numerusform>la entrada estándar contiene más de %n MB, más de lo que Ovrana lee</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n MB, more than Ovrana reads</source>
        <translation>
            <numerusform>%1 ocupa más de %n MB, más de lo que Ovrana lee</numerusform>
            <numerusform>%1 ocupa más de %n MB, más de lo que Ovrana lee</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>no se puede leer la entrada estándar: %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>importing them would make %n records, more than the %1 a data file may hold; nothing was imported</source>
        <translation>
            <numerusform>importarlos daría %n registro, más que los %1 que puede contener un archivo de datos; no se importó nada</numerusform>
            <numerusform>importarlos daría %n registros, más que los %1 que puede contener un archivo de datos; no se importó nada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>importing them would make %n records, more than the %1 a data file may hold</source>
        <translation>
            <numerusform>importarlos daría %n registro, más que los %1 que puede contener un archivo de datos</numerusform>
            <numerusform>importarlos daría %n registros, más que los %1 que puede contener un archivo de datos</numerusform>
        </translation>
    </message>
    <message>
        <source>the data file %1 is in use by another Ovrana; nothing was imported</source>
        <translation>el archivo de datos %1 está en uso por otro Ovrana; no se importó nada</translation>
    </message>
    <message>
        <source>could not take the lock %1.lock: %2; nothing was imported</source>
        <translation>no se pudo tomar el bloqueo %1.lock: %2; no se importó nada</translation>
    </message>
    <message>
        <source>the data file %1 points to %2, which does not exist; nothing was imported</source>
        <translation>el archivo de datos %1 apunta a %2, que no existe; no se importó nada</translation>
    </message>
    <message>
        <source>the data file %1 points to %2, which does not exist</source>
        <translation>el archivo de datos %1 apunta a %2, que no existe</translation>
    </message>
    <message>
        <source>the data file %1 could not be read completely; nothing was imported</source>
        <translation>el archivo de datos %1 no se pudo leer por completo; no se importó nada</translation>
    </message>
    <message>
        <source>the data file %1 could not be read completely</source>
        <translation>el archivo de datos %1 no se pudo leer por completo</translation>
    </message>
    <message>
        <source>%1 was changed by another program meanwhile; nothing was imported</source>
        <translation>otro programa modificó %1 mientras tanto; no se importó nada</translation>
    </message>
    <message>
        <source>with these records %1 would be larger than Ovrana can read; nothing was imported</source>
        <translation>con estos registros %1 sería más grande de lo que Ovrana puede leer; no se importó nada</translation>
    </message>
    <message>
        <source>cannot save %1: %2; nothing was imported</source>
        <translation>no se puede guardar %1: %2; no se importó nada</translation>
    </message>
    <message>
        <source>%1 is the data file&apos;s backup; nothing was exported, choose another file name</source>
        <translation>%1 es la copia de seguridad del archivo de datos; no se exportó nada, elija otro nombre de archivo</translation>
    </message>
    <message>
        <source>%1 is the data file&apos;s lock; nothing was exported, choose another file name</source>
        <translation>%1 es el bloqueo del archivo de datos; no se exportó nada, elija otro nombre de archivo</translation>
    </message>
    <message>
        <source>%1 is the data file; nothing was exported, choose another file name</source>
        <translation>%1 es el archivo de datos; no se exportó nada, elija otro nombre de archivo</translation>
    </message>
    <message>
        <source>there is no data file %1 to export</source>
        <translation>no hay ningún archivo de datos %1 que exportar</translation>
    </message>
    <message>
        <source>the calendar could not be written: %1</source>
        <translation>no se pudo escribir el calendario: %1</translation>
    </message>
    <message>
        <source>%1 has other names (hard links), and a new file in its place would split it from them; it was left as it is</source>
        <translation>%1 tiene otros nombres (enlaces duros), y un archivo nuevo en su lugar lo separaría de ellos; se dejó como estaba</translation>
    </message>
    <message>
        <source>%1 points to %2, which does not exist</source>
        <translation>%1 apunta a %2, que no existe</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the home directory that HOME names cannot be used; nothing was imported</source>
        <translation>no se puede usar la carpeta personal que indica HOME; no se importó nada</translation>
    </message>
    <message>
        <source>the home directory that HOME names cannot be used; nothing was exported</source>
        <translation>no se puede usar la carpeta personal que indica HOME; no se exportó nada</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>no se puede conectar con %1</translation>
    </message>
    <message>
        <source>%1 stopped answering</source>
        <translation>%1 ha dejado de responder</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 ha rechazado el nombre de usuario o la contraseña</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>el certificado de %1 no es de confianza</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (SHA-256 %2); if it is the server&apos;s own, trust it with --accept-certificate %2</source>
        <translation>el certificado de %1 no es de confianza (SHA-256 %2); si es el del servidor, confíe en él con --accept-certificate %2</translation>
    </message>
    <message>
        <source>the address on %1 is not an address book and leads to none</source>
        <translation>la dirección en %1 no es una libreta de direcciones ni lleva a ninguna</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 respondió con el estado HTTP %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that cannot be understood</source>
        <translation>%1 envió una respuesta que no se puede entender</translation>
    </message>
    <message>
        <source>plain http:// to %1 is refused, as the password would travel in clear; use https://</source>
        <translation>se rechaza http:// simple hacia %1, ya que la contraseña viajaría sin cifrar; use https://</translation>
    </message>
    <message>
        <source>%1 sent a reply larger than Ovrana accepts</source>
        <translation>%1 envió una respuesta más grande de lo que Ovrana acepta</translation>
    </message>
    <message>
        <source>no password for %1: none in the keyring and none given</source>
        <translation>no hay contraseña para %1: ninguna en el llavero y ninguna indicada</translation>
    </message>
    <message>
        <source>no password is kept in the keyring</source>
        <translation>no hay ninguna contraseña guardada en el llavero</translation>
    </message>
    <message>
        <source>no keyring answers</source>
        <translation>ningún llavero responde</translation>
    </message>
    <message numerus="yes">
        <source>the password command gave no answer within %n seconds</source>
        <translation>
            <numerusform>la orden de contraseña no respondió en %n segundo</numerusform>
            <numerusform>la orden de contraseña no respondió en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>the password command printed no password</source>
        <translation>la orden de contraseña no mostró ninguna contraseña</translation>
    </message>
    <message>
        <source>the password command failed with status %1</source>
        <translation>la orden de contraseña falló con el estado %1</translation>
    </message>
    <message>
        <source>The local copy of an address book could not be read (%1): its dates are left out until the next sync fetches it again.</source>
        <translation>No se pudo leer la copia local de una libreta de direcciones (%1): sus fechas quedan fuera hasta que la próxima sincronización la vuelva a obtener.</translation>
    </message>
    <message>
        <source>the password command could not run</source>
        <translation>la orden de contraseña no se pudo ejecutar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day; give hours and minutes as HH:MM, such as 07:30</source>
        <translation>«%1» no es una hora del día; indique horas y minutos como HH:MM, por ejemplo 07:30</translation>
    </message>
    <message>
        <source>the time of the daily reminder was not changed: %1 could not be written: %2</source>
        <translation>la hora del aviso de la mañana no se cambió: no se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>the address on %1 is not a calendar, and none can be found or made there</source>
        <translation>la dirección en %1 no es un calendario, y allí no se puede encontrar ni crear ninguno</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (SHA-256 %2); if it is the server&apos;s own, trust it</source>
        <translation>el certificado de %1 no es de confianza (SHA-256 %2); si es el del servidor, confíe en él</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The data file %1 exists but could not be read completely. It is left as it is: changes made now cannot be saved this time.</source>
        <translation>El archivo de datos %1 existe, pero no se pudo leer por completo. Se deja como está: los cambios que haga ahora no se podrán guardar esta vez.</translation>
    </message>
    <message>
        <source>Ovrana is already running and using the data file %1. Changes made here cannot be saved; close the other Ovrana window first, then start Ovrana again to make changes.</source>
        <translation>Ovrana ya se está ejecutando y usa el archivo de datos %1. Los cambios que haga aquí no se podrán guardar; cierre primero la otra ventana de Ovrana y vuelva a abrir Ovrana para hacer cambios.</translation>
    </message>
    <message>
        <source>Your changes were not saved: %1 was changed by another program while Ovrana was running, and it keeps those changes.</source>
        <translation>Sus cambios no se guardaron: otro programa modificó %1 mientras Ovrana estaba abierto, y se conservan esos cambios.</translation>
    </message>
    <message>
        <source>Your changes could not be saved to %1: %2. The file was not changed.</source>
        <translation>No se pudieron guardar sus cambios en %1: %2. El archivo no se modificó.</translation>
    </message>
    <message>
        <source>Ovrana could not take its lock %1: %2. Changes made here cannot be saved, as another Ovrana could be changing the data file at the same time.</source>
        <translation>Ovrana no pudo obtener su bloqueo %1: %2. Los cambios hechos aquí no se pueden guardar, porque otro Ovrana podría estar modificando el archivo de datos al mismo tiempo.</translation>
    </message>
    <message>
        <source>The data file %1 points to %2, which does not exist. It is left as it is: changes made now cannot be saved this time.</source>
        <translation>El archivo de datos %1 apunta a %2, que no existe. Se deja como está: los cambios que haga ahora no se podrán guardar esta vez.</translation>
    </message>
    <message>
        <source>No home folder is set (HOME), so the options cannot be kept: Ovrana uses the defaults this time.</source>
        <translation>No hay ninguna carpeta personal definida (HOME), así que las opciones no se pueden conservar: esta vez Ovrana usa los valores predeterminados.</translation>
    </message>
    <message>
        <source>Your changes were not saved: %1 has other names (hard links), and a new file in its place would split it from them. The file was not changed.</source>
        <translation>Sus cambios no se guardaron: %1 tiene otros nombres (enlaces duros), y un archivo nuevo en su lugar lo separaría de ellos. El archivo no se modificó.</translation>
    </message>
    <message>
        <source>Your changes were not saved: with them %1 would be larger than Ovrana can read. The file was not changed.</source>
        <translation>Sus cambios no se guardaron: con ellos, %1 sería más grande de lo que Ovrana puede leer. El archivo no se modificó.</translation>
    </message>
    <message>
        <source>Your changes to contacts of the address book %1 could not be saved in its local copy.</source>
        <translation>No se pudieron guardar sus cambios en los contactos de la libreta de direcciones %1 en su copia local.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>1 date coming up</source>
        <translation>1 fecha próxima</translation>
    </message>
    <message numerus="yes">
        <source>%n dates coming up</source>
        <translation>
            <numerusform>%n fecha próxima</numerusform>
            <numerusform>%n fechas próximas</numerusform>
        </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>%1 is %2 today</source>
        <translation>%1 cumple %2 hoy</translation>
    </message>
    <message>
        <source>%1 today</source>
        <translation>%1 hoy</translation>
    </message>
    <message>
        <source>%1 is %2 tomorrow</source>
        <translation>%1 cumple %2 mañana</translation>
    </message>
    <message>
        <source>%1 tomorrow</source>
        <translation>%1 mañana</translation>
    </message>
    <message numerus="yes">
        <source>%1 will be %2 on %3 %4 (in %n days)</source>
        <translation>
            <numerusform>%1 cumple %2 el %3 %4 (dentro de %n día)</numerusform>
            <numerusform>%1 cumple %2 el %3 %4 (dentro de %n días)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %3 %4 (in %n days)</source>
        <translation>
            <numerusform>%1 el %3 %4 (dentro de %n día)</numerusform>
            <numerusform>%1 el %3 %4 (dentro de %n días)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 turned %2 yesterday</source>
        <translation>%1 cumplió %2 ayer</translation>
    </message>
    <message>
        <source>%1 was yesterday</source>
        <translation>%1 ayer</translation>
    </message>
    <message numerus="yes">
        <source>%1 turned %2 on %3 %4 (%n days ago)</source>
        <translation>
            <numerusform>%1 cumplió %2 el %3 %4 (hace %n día)</numerusform>
            <numerusform>%1 cumplió %2 el %3 %4 (hace %n días)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was on %3 %4 (%n days ago)</source>
        <translation>
            <numerusform>%1 el %3 %4 (hace %n día)</numerusform>
            <numerusform>%1 el %3 %4 (hace %n días)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowHost</name>
    <message>
        <source>the Options dialog cannot be shown without a display</source>
        <translation>no se puede mostrar la ventana de opciones sin pantalla</translation>
    </message>
</context>
</TS>
