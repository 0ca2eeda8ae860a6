<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AddressBooks</name>
    <message>
        <source>address books need a home folder to be kept in</source>
        <translation>адресным книгам нужна домашняя папка для хранения</translation>
    </message>
    <message>
        <source>address book %1: %2</source>
        <translation>адресная книга %1: %2</translation>
    </message>
    <message>
        <source>address book %1: the password cannot be kept: %2</source>
        <translation>адресная книга %1: пароль не удаётся сохранить: %2</translation>
    </message>
    <message>
        <source>%1 is damaged; add it again</source>
        <translation>%1 повреждён; добавьте его снова</translation>
    </message>
    <message>
        <source>no address book was added from %1</source>
        <translation>из %1 не было добавлено ни одной адресной книги</translation>
    </message>
    <message>
        <source>the calendar is being published by another run</source>
        <translation>календарь сейчас публикует другой запуск</translation>
    </message>
    <message>
        <source>%1 is damaged; publish again</source>
        <translation>%1 повреждён; опубликуйте заново</translation>
    </message>
    <message>
        <source>calendar %1: %2</source>
        <translation>календарь %1: %2</translation>
    </message>
    <message>
        <source>a calendar needs a home folder to be kept in</source>
        <translation>для календаря нужна домашняя папка</translation>
    </message>
    <message>
        <source>the dates are published to %1; --unpublish it first</source>
        <translation>даты уже публикуются в %1; сначала выполните --unpublish</translation>
    </message>
    <message>
        <source>calendar %1: the password cannot be kept: %2</source>
        <translation>календарь %1: пароль не удаётся сохранить: %2</translation>
    </message>
    <message>
        <source>no calendar was published to %1</source>
        <translation>в %1 не публиковался календарь</translation>
    </message>
</context>
<context>
    <name>Age</name>
    <message numerus="yes">
        <source>%n</source>
        <translation>
            <numerusform>%n год</numerusform>
            <numerusform>%n года</numerusform>
            <numerusform>%n лет</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAddAddressBookDlg</name>
    <message>
        <source>Add address books</source>
        <translation>Добавить адресные книги</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Адрес:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Пользователь:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>Looking for address books...</source>
        <translation>Поиск адресных книг...</translation>
    </message>
    <message>
        <source>Adding the address books...</source>
        <translation>Добавление адресных книг...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Не удалось сохранить пароль в связке ключей: %1</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Найти</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Найденные адресные книги</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Доверять этому сертификату</translation>
    </message>
</context>
<context>
    <name>CAddressBooksDlg</name>
    <message>
        <source>The dates are not published to a calendar.</source>
        <translation>Даты не публикуются ни в одном календаре.</translation>
    </message>
    <message>
        <source>Calendar %1, %2, last sync: %3</source>
        <translation>Календарь %1, %2, последняя синхронизация: %3</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 на %2</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>Address books</source>
        <translation>Адресные книги</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Last sync</source>
        <translation>Последняя синхронизация</translation>
    </message>
    <message>
        <source>Last error</source>
        <translation>Последняя ошибка</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Talking to the servers...</source>
        <translation>Связь с серверами...</translation>
    </message>
    <message>
        <source>Remove the address book %1 with its local copy and your choices for its contacts? Nothing is removed from the server.</source>
        <translation>Удалить адресную книгу %1 вместе с её локальной копией и вашими настройками её контактов? На сервере ничего не удаляется.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Доб&amp;авить...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Sync now</source>
        <translation>&amp;Синхронизировать</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Доверять этому сертификату</translation>
    </message>
    <message>
        <source>&amp;Publish...</source>
        <translation>&amp;Опубликовать...</translation>
    </message>
    <message>
        <source>St&amp;op publishing</source>
        <translation>&amp;Прекратить публикацию</translation>
    </message>
    <message>
        <source>Stop publishing the dates to the calendar %1? The events Ovrana put there are deleted from the server; your own events stay.</source>
        <translation>Прекратить публикацию дат в календаре %1? События, которые Ovrana туда поместила, удаляются с сервера; ваши собственные события остаются.</translation>
    </message>
</context>
<context>
    <name>CEditPersonDlg</name>
    <message>
        <source>Edit person</source>
        <translation>Изменить запись</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Дата рождения:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Эл. почта:</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Значок:</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Напоминать за</translation>
    </message>
    <message>
        <source>days</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Событие:</translation>
    </message>
    <message>
        <source>First date:</source>
        <translation>Первая дата:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>День рождения:</translation>
    </message>
    <message>
        <source>Please enter a whole number of days between 0 and %1.</source>
        <translation>Введите целое число дней от 0 до %1.</translation>
    </message>
    <message>
        <source>%1 - properties</source>
        <translation>%1 — свойства</translation>
    </message>
    <message>
        <source>Name, date and email come from the address book %1; they are changed there.</source>
        <translation>Имя, дата и адрес почты взяты из адресной книги %1; они изменяются там.</translation>
    </message>
    <message>
        <source>&amp;Year unknown</source>
        <translation>&amp;Год неизвестен</translation>
    </message>
    <message>
        <source>&amp;Not a birthday, so don&apos;t display age in reminder</source>
        <translation>&amp;Не день рождения: не показывать возраст в напоминании</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ever remind me about this</source>
        <translation>Н&amp;икогда не напоминать об этом</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import contacts</source>
        <translation>Импорт контактов</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>(the contact on line %1)</source>
        <translation>(контакт в строке %1)</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Пропущены:</translation>
    </message>
    <message>
        <source>New records:</source>
        <translation>Новые записи:</translation>
    </message>
    <message>
        <source>Import 1 record</source>
        <translation>Импортировать 1 запись</translation>
    </message>
    <message numerus="yes">
        <source>Import %n records</source>
        <translation>
            <numerusform>Импортировать %n запись</numerusform>
            <numerusform>Импортировать %n записи</numerusform>
            <numerusform>Импортировать %n записей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Напомнить за</translation>
    </message>
    <message>
        <source>Age today</source>
        <translation>Возраст</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Напоминать за</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Значок:</translation>
    </message>
    <message>
        <source>days ahead</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>Ovrana %1, by the Ovrana developers</source>
        <translation>Ovrana %1, разработчики Ovrana</translation>
    </message>
    <message>
        <source>Ovrana user guide</source>
        <translation>Руководство пользователя Ovrana</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> Параметры </translation>
    </message>
    <message>
        <source> Default for new records </source>
        <translation> По умолчанию для новых записей </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Export calendar</source>
        <translation>Экспорт календаря</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Файлы iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Import contacts</source>
        <translation>Импорт контактов</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>Файлы vCard (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>No contacts were imported.</source>
        <translation>Контакты не импортированы.</translation>
    </message>
    <message>
        <source>%1 is the file that holds your records.</source>
        <translation>%1 — это файл, в котором хранятся ваши записи.</translation>
    </message>
    <message>
        <source>%1 is the backup of your records.</source>
        <translation>%1 — это резервная копия ваших записей.</translation>
    </message>
    <message>
        <source>%1 is the lock file of your records.</source>
        <translation>%1 — это файл блокировки ваших записей.</translation>
    </message>
    <message>
        <source>Nothing was exported. Choose another file name.</source>
        <translation>Ничего не экспортировано. Выберите другое имя файла.</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>Ничего не экспортировано.</translation>
    </message>
    <message>
        <source>From the address book %1</source>
        <translation>Из адресной книги %1</translation>
    </message>
    <message>
        <source>It comes from the address book %1; it is deleted there.</source>
        <translation>Запись взята из адресной книги %1; она удаляется там.</translation>
    </message>
    <message>
        <source>Each morning at</source>
        <translation>Каждое утро в</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>&amp;Only display once a day</source>
        <translation>&amp;Показывать только раз в день</translation>
    </message>
    <message>
        <source>Reminder window always on &amp;top</source>
        <translation>&amp;Окно напоминаний поверх других окон</translation>
    </message>
    <message>
        <source>&amp;Remind me with a desktop notification</source>
        <translation>Напоминать &amp;уведомлением на рабочем столе</translation>
    </message>
    <message>
        <source>Also remind me each &amp;morning while I stay logged in</source>
        <translation>Напоминать и &amp;каждое утро, пока я в системе</translation>
    </message>
    <message>
        <source>Also tell me about &amp;dates I missed since my last run</source>
        <translation>Сообщать и о &amp;датах, пропущенных с последнего запуска</translation>
    </message>
    <message>
        <source>Days to look ahead</source>
        <translation>За сколько дней напоминать</translation>
    </message>
    <message>
        <source>&amp;New ...</source>
        <translation>&amp;Создать ...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>&amp;Address books...</source>
        <translation>&amp;Адресные книги...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>CPublishCalendarDlg</name>
    <message>
        <source>Publish the dates to a calendar</source>
        <translation>Публикация дат в календаре</translation>
    </message>
    <message>
        <source>Your dates go to the calendar %1 at this address, made there when there is none, each with its warning. The calendar mirrors your records: its events changed elsewhere are replaced at the next sync.</source>
        <translation>Ваши даты попадают в календарь %1 по этому адресу (он создаётся, если его нет), каждая со своим предупреждением. Календарь повторяет ваши записи: его события, изменённые в другом месте, заменяются при следующей синхронизации.</translation>
    </message>
    <message>
        <source>&amp;Trust this certificate</source>
        <translation>&amp;Доверять этому сертификату</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Опубликовать</translation>
    </message>
    <message>
        <source>Publishing the dates...</source>
        <translation>Публикация дат...</translation>
    </message>
</context>
<context>
    <name>CReminderDlg</name>
    <message>
        <source>Don&apos;t remind me again until next year</source>
        <translation>Не напоминать до следующего года</translation>
    </message>
    <message>
        <source>Email %1 (%2)</source>
        <translation>Написать: %1 (%2)</translation>
    </message>
    <message>
        <source>No e-mail program could be started to write to %1.</source>
        <translation>Не удалось запустить почтовую программу, чтобы написать на адрес %1.</translation>
    </message>
    <message>
        <source>Remind me again tomorrow</source>
        <translation>Напомнить снова завтра</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Параметры...</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операционной системе не хватает
памяти или ресурсов.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Указанный путь не найден.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операционная система запретила
доступ к указанному файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Файл .EXE повреждён
(не Win32 .EXE или ошибка в образе .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Нарушение совместного доступа. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Сопоставление файла с программой
неполное или неверное.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Не удалось завершить транзакцию DDE:
истекло время ожидания запроса.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Ошибка транзакции DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Не удалось завершить транзакцию DDE:
выполнялись другие
транзакции DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>С этим расширением файла
не сопоставлена ни одна программа.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Указанная динамическая библиотека не найдена.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Произошла неизвестная ошибка (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Не удалось открыть ссылку:

%1</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>%1&apos;s birthday</source>
        <translation>День рождения: %1</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Год рождения: %1</translation>
    </message>
    <message>
        <source>Since %1</source>
        <translation>С %1 года</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Дни рождения</translation>
    </message>
</context>
<context>
    <name>IconSet</name>
    <message>
        <source>Question mark</source>
        <translation>Вопросительный знак</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Торт</translation>
    </message>
    <message>
        <source>Parcel</source>
        <translation>Посылка</translation>
    </message>
    <message>
        <source>Balloons</source>
        <translation>Воздушные шары</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Блокнот</translation>
    </message>
    <message>
        <source>Eight ball</source>
        <translation>Бильярдный шар «восьмёрка»</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Звезда</translation>
    </message>
    <message>
        <source>Exclamation mark</source>
        <translation>Восклицательный знак</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Пингвин</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Канцелярская кнопка</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Подарок</translation>
    </message>
    <message>
        <source>Star on stripes</source>
        <translation>Звезда на полосах</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Сердце</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Кубок</translation>
    </message>
    <message>
        <source>Warning sign</source>
        <translation>Предупреждающий знак</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1&apos;s anniversary</source>
        <translation>Годовщина свадьбы: %1</translation>
    </message>
    <message>
        <source>already present</source>
        <translation>уже есть</translation>
    </message>
    <message>
        <source>without a date</source>
        <translation>без даты</translation>
    </message>
    <message>
        <source>not a date: %1</source>
        <translation>не дата: %1</translation>
    </message>
    <message>
        <source>invalid date: %1</source>
        <translation>неверная дата: %1</translation>
    </message>
    <message>
        <source>without a name</source>
        <translation>без имени</translation>
    </message>
    <message numerus="yes">
        <source>%n already present</source>
        <translation>
            <numerusform>%n уже есть</numerusform>
            <numerusform>%n уже есть</numerusform>
            <numerusform>%n уже есть</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a date</source>
        <translation>
            <numerusform>%n без даты</numerusform>
            <numerusform>%n без даты</numerusform>
            <numerusform>%n без даты</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a name</source>
        <translation>
            <numerusform>%n без имени</numerusform>
            <numerusform>%n без имени</numerusform>
            <numerusform>%n без имени</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n records; skipped %1</source>
        <translation>
            <numerusform>Импортирована %n запись; пропущено: %1</numerusform>
            <numerusform>Импортированы %n записи; пропущено: %1</numerusform>
            <numerusform>Импортировано %n записей; пропущено: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>its folder does not let a new file take its place</source>
        <translation>его папка не позволяет новому файлу занять его место</translation>
    </message>
    <message>
        <source>a new file in its place could not keep its owner and group</source>
        <translation>новый файл на его месте не сохранил бы владельца и группу</translation>
    </message>
    <message>
        <source>UTF-16 text: only vCard files in UTF-8 (or with a CHARSET) can be read</source>
        <translation>текст UTF-16: читаются только файлы vCard в UTF-8 (или с CHARSET)</translation>
    </message>
    <message>
        <source>binary data (a NUL byte on line %1), not a vCard file</source>
        <translation>двоичные данные (байт NUL в строке %1), а не файл vCard</translation>
    </message>
    <message numerus="yes">
        <source>line %1 is longer than %n MB, more than a vCard line may be</source>
        <translation>
            <numerusform>строка %1 длиннее %n МБ — больше, чем может быть строка vCard</numerusform>
            <numerusform>строка %1 длиннее %n МБ — больше, чем может быть строка vCard</numerusform>
            <numerusform>строка %1 длиннее %n МБ — больше, чем может быть строка vCard</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>more than %n contacts, more than Ovrana can keep</source>
        <translation>
            <numerusform>больше %n контакта — больше, чем может хранить Ovrana</numerusform>
            <numerusform>больше %n контактов — больше, чем может хранить Ovrana</numerusform>
            <numerusform>больше %n контактов — больше, чем может хранить Ovrana</numerusform>
        </translation>
    </message>
    <message>
        <source>the card that begins on line %1 has no END:VCARD</source>
        <translation>у карточки, которая начинается в строке %1, нет END:VCARD</translation>
    </message>
    <message>
        <source>not a vCard file: no line says BEGIN:VCARD</source>
        <translation>не файл vCard: ни в одной строке нет BEGIN:VCARD</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>стандартный вывод</translation>
    </message>
    <message>
        <source>%1 is a folder, not a vCard file</source>
        <translation>%1 — папка, а не файл vCard</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 — не обычный файл</translation>
    </message>
    <message numerus="yes">
        <source>standard input holds more than %n MB, more than Ovrana reads</source>
        <translation>
            <numerusform>стандартный ввод содержит больше %n МБ — больше, чем читает Ovrana</numerusform>
            <numerusform>стандартный ввод содержит больше %n МБ — больше, чем читает Ovrana</numerusform>
            <numerusform>стандартный ввод содержит больше %n МБ — больше, чем читает Ovrana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is larger than %n MB, more than Ovrana reads</source>
        <translation>
            <numerusform>%1 больше %n МБ — больше, чем читает Ovrana</numerusform>
            <numerusform>%1 больше %n МБ — больше, чем читает Ovrana</numerusform>
            <numerusform>%1 больше %n МБ — больше, чем читает Ovrana</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>не удаётся прочитать стандартный ввод: %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>importing them would make %n records, more than the %1 a data file may hold; nothing was imported</source>
        <translation>
            <numerusform>после импорта была бы %n запись — больше %1, которые может хранить файл данных; ничего не импортировано</numerusform>
            <numerusform>после импорта было бы %n записи — больше %1, которые может хранить файл данных; ничего не импортировано</numerusform>
            <numerusform>после импорта было бы %n записей — больше %1, которые может хранить файл данных; ничего не импортировано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>importing them would make %n records, more than the %1 a data file may hold</source>
        <translation>
            <numerusform>после импорта была бы %n запись — больше %1, которые может хранить файл данных</numerusform>
            <numerusform>после импорта было бы %n записи — больше %1, которые может хранить файл данных</numerusform>
            <numerusform>после импорта было бы %n записей — больше %1, которые может хранить файл данных</numerusform>
        </translation>
    </message>
    <message>
        <source>the data file %1 is in use by another Ovrana; nothing was imported</source>
        <translation>файл данных %1 занят другим Ovrana; ничего не импортировано</translation>
    </message>
    <message>
        <source>could not take the lock %1.lock: %2; nothing was imported</source>
        <translation>не удалось взять блокировку %1.lock: %2; ничего не импортировано</translation>
    </message>
    <message>
        <source>the data file %1 points to %2, which does not exist; nothing was imported</source>
        <translation>файл данных %1 указывает на %2, которого не существует; ничего не импортировано</translation>
    </message>
    <message>
        <source>the data file %1 points to %2, which does not exist</source>
        <translation>файл данных %1 указывает на %2, которого не существует</translation>
    </message>
    <message>
        <source>the data file %1 could not be read completely; nothing was imported</source>
        <translation>файл данных %1 не удалось прочитать полностью; ничего не импортировано</translation>
    </message>
    <message>
        <source>the data file %1 could not be read completely</source>
        <translation>файл данных %1 не удалось прочитать полностью</translation>
    </message>
    <message>
        <source>%1 was changed by another program meanwhile; nothing was imported</source>
        <translation>%1 тем временем изменила другая программа; ничего не импортировано</translation>
    </message>
    <message>
        <source>with these records %1 would be larger than Ovrana can read; nothing was imported</source>
        <translation>с этими записями %1 стал бы больше, чем может прочитать Ovrana; ничего не импортировано</translation>
    </message>
    <message>
        <source>cannot save %1: %2; nothing was imported</source>
        <translation>не удаётся сохранить %1: %2; ничего не импортировано</translation>
    </message>
    <message>
        <source>%1 is the data file&apos;s backup; nothing was exported, choose another file name</source>
        <translation>%1 — резервная копия файла данных; ничего не экспортировано, выберите другое имя файла</translation>
    </message>
    <message>
        <source>%1 is the data file&apos;s lock; nothing was exported, choose another file name</source>
        <translation>%1 — файл блокировки файла данных; ничего не экспортировано, выберите другое имя файла</translation>
    </message>
    <message>
        <source>%1 is the data file; nothing was exported, choose another file name</source>
        <translation>%1 — файл данных; ничего не экспортировано, выберите другое имя файла</translation>
    </message>
    <message>
        <source>there is no data file %1 to export</source>
        <translation>нет файла данных %1 для экспорта</translation>
    </message>
    <message>
        <source>the calendar could not be written: %1</source>
        <translation>не удалось записать календарь: %1</translation>
    </message>
    <message>
        <source>%1 has other names (hard links), and a new file in its place would split it from them; it was left as it is</source>
        <translation>у %1 есть другие имена (жёсткие ссылки), и новый файл на его месте отделил бы его от них; он оставлен как есть</translation>
    </message>
    <message>
        <source>%1 points to %2, which does not exist</source>
        <translation>%1 указывает на %2, которого не существует</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не удаётся писать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>the home directory that HOME names cannot be used; nothing was imported</source>
        <translation>домашний каталог, указанный в HOME, недоступен; ничего не импортировано</translation>
    </message>
    <message>
        <source>the home directory that HOME names cannot be used; nothing was exported</source>
        <translation>домашний каталог, указанный в HOME, недоступен; ничего не экспортировано</translation>
    </message>
    <message>
        <source>%1 cannot be reached</source>
        <translation>%1 недоступен</translation>
    </message>
    <message>
        <source>%1 stopped answering</source>
        <translation>%1 перестал отвечать</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 отклонил имя пользователя или пароль</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted</source>
        <translation>сертификату %1 нет доверия</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (SHA-256 %2); if it is the server&apos;s own, trust it with --accept-certificate %2</source>
        <translation>сертификату %1 нет доверия (SHA-256 %2); если это сертификат самого сервера, доверьтесь ему с --accept-certificate %2</translation>
    </message>
    <message>
        <source>the address on %1 is not an address book and leads to none</source>
        <translation>адрес на %1 не является адресной книгой и не ведёт ни к одной</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <translation>%1 ответил с HTTP-статусом %2</translation>
    </message>
    <message>
        <source>%1 sent a reply that cannot be understood</source>
        <translation>%1 прислал непонятный ответ</translation>
    </message>
    <message>
        <source>plain http:// to %1 is refused, as the password would travel in clear; use https://</source>
        <translation>простой http:// к %1 отклонён: пароль передавался бы открытым текстом; используйте https://</translation>
    </message>
    <message>
        <source>%1 sent a reply larger than Ovrana accepts</source>
        <translation>%1 прислал ответ больше, чем принимает Ovrana</translation>
    </message>
    <message>
        <source>no password for %1: none in the keyring and none given</source>
        <translation>нет пароля для %1: в связке ключей его нет, и он не указан</translation>
    </message>
    <message>
        <source>no password is kept in the keyring</source>
        <translation>в связке ключей нет пароля</translation>
    </message>
    <message>
        <source>no keyring answers</source>
        <translation>ни одна связка ключей не отвечает</translation>
    </message>
    <message numerus="yes">
        <source>the password command gave no answer within %n seconds</source>
        <translation>
            <numerusform>команда пароля не ответила за %n секунду</numerusform>
            <numerusform>команда пароля не ответила за %n секунды</numerusform>
            <numerusform>команда пароля не ответила за %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>the password command printed no password</source>
        <translation>команда пароля не вывела пароль</translation>
    </message>
    <message>
        <source>the password command failed with status %1</source>
        <translation>команда пароля завершилась с ошибкой, статус %1</translation>
    </message>
    <message>
        <source>The local copy of an address book could not be read (%1): its dates are left out until the next sync fetches it again.</source>
        <translation>Не удалось прочитать локальную копию адресной книги (%1): её даты не учитываются, пока следующая синхронизация не загрузит её заново.</translation>
    </message>
    <message>
        <source>the password command could not run</source>
        <translation>команду пароля не удалось выполнить</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day; give hours and minutes as HH:MM, such as 07:30</source>
        <translation>«%1» — не время суток; укажите часы и минуты в виде ЧЧ:ММ, например 07:30</translation>
    </message>
    <message>
        <source>the time of the daily reminder was not changed: %1 could not be written: %2</source>
        <translation>время утреннего напоминания не изменено: не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>the address on %1 is not a calendar, and none can be found or made there</source>
        <translation>адрес на %1 не является календарём, и найти или создать его там нельзя</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (SHA-256 %2); if it is the server&apos;s own, trust it</source>
        <translation>сертификату %1 нет доверия (SHA-256 %2); если это сертификат самого сервера, доверьтесь ему</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The data file %1 exists but could not be read completely. It is left as it is: changes made now cannot be saved this time.</source>
        <translation>Файл данных %1 существует, но прочитать его целиком не удалось. Он останется без изменений: сделанные сейчас изменения на этот раз сохранить не получится.</translation>
    </message>
    <message>
        <source>Ovrana is already running and using the data file %1. Changes made here cannot be saved; close the other Ovrana window first, then start Ovrana again to make changes.</source>
        <translation>Ovrana уже запущена и использует файл данных %1. Изменения, сделанные здесь, сохранить не получится; сначала закройте другое окно Ovrana, а затем снова запустите Ovrana, чтобы внести изменения.</translation>
    </message>
    <message>
        <source>Your changes were not saved: %1 was changed by another program while Ovrana was running, and it keeps those changes.</source>
        <translation>Ваши изменения не сохранены: пока работала Ovrana, файл %1 изменила другая программа, и эти изменения в нём остаются.</translation>
    </message>
    <message>
        <source>Your changes could not be saved to %1: %2. The file was not changed.</source>
        <translation>Не удалось сохранить изменения в %1: %2. Файл не изменён.</translation>
    </message>
    <message>
        <source>Ovrana could not take its lock %1: %2. Changes made here cannot be saved, as another Ovrana could be changing the data file at the same time.</source>
        <translation>Ovrana не удалось установить блокировку %1: %2. Сделанные здесь изменения сохранить нельзя: другой экземпляр Ovrana может в это же время изменять файл данных.</translation>
    </message>
    <message>
        <source>The data file %1 points to %2, which does not exist. It is left as it is: changes made now cannot be saved this time.</source>
        <translation>Файл данных %1 указывает на %2, которого не существует. Он останется без изменений: сделанные сейчас изменения на этот раз сохранить не получится.</translation>
    </message>
    <message>
        <source>No home folder is set (HOME), so the options cannot be kept: Ovrana uses the defaults this time.</source>
        <translation>Домашняя папка не задана (HOME), поэтому настройки сохранить нельзя: в этот раз Ovrana использует значения по умолчанию.</translation>
    </message>
    <message>
        <source>Your changes were not saved: %1 has other names (hard links), and a new file in its place would split it from them. The file was not changed.</source>
        <translation>Изменения не сохранены: у файла %1 есть другие имена (жёсткие ссылки), и новый файл на его месте отделил бы его от них. Файл не изменён.</translation>
    </message>
    <message>
        <source>Your changes were not saved: with them %1 would be larger than Ovrana can read. The file was not changed.</source>
        <translation>Изменения не сохранены: с ними файл %1 стал бы больше, чем Ovrana может прочитать. Файл не изменён.</translation>
    </message>
    <message>
        <source>Your changes to contacts of the address book %1 could not be saved in its local copy.</source>
        <translation>Ваши изменения контактов адресной книги %1 не удалось сохранить в её локальной копии.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>1 date coming up</source>
        <translation>Скоро 1 дата</translation>
    </message>
    <message numerus="yes">
        <source>%n dates coming up</source>
        <translation>
            <numerusform>Скоро %n дата</numerusform>
            <numerusform>Скоро %n даты</numerusform>
            <numerusform>Скоро %n дат</numerusform>
        </translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Параметры...</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>%1 is %2 today</source>
        <translation>%1: сегодня исполняется %2</translation>
    </message>
    <message>
        <source>%1 today</source>
        <translation>%1: сегодня</translation>
    </message>
    <message>
        <source>%1 is %2 tomorrow</source>
        <translation>%1: завтра исполнится %2</translation>
    </message>
    <message>
        <source>%1 tomorrow</source>
        <translation>%1: завтра</translation>
    </message>
    <message numerus="yes">
        <source>%1 will be %2 on %3 %4 (in %n days)</source>
        <translation>
            <numerusform>%1: исполнится %2 — %3, %4 (через %n день)</numerusform>
            <numerusform>%1: исполнится %2 — %3, %4 (через %n дня)</numerusform>
            <numerusform>%1: исполнится %2 — %3, %4 (через %n дней)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 on %3 %4 (in %n days)</source>
        <translation>
            <numerusform>%1: %3, %4 (через %n день)</numerusform>
            <numerusform>%1: %3, %4 (через %n дня)</numerusform>
            <numerusform>%1: %3, %4 (через %n дней)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 turned %2 yesterday</source>
        <translation>%1: вчера исполнилось %2</translation>
    </message>
    <message>
        <source>%1 was yesterday</source>
        <translation>%1: вчера</translation>
    </message>
    <message numerus="yes">
        <source>%1 turned %2 on %3 %4 (%n days ago)</source>
        <translation>
            <numerusform>%1: исполнилось %2 — %3, %4 (%n день назад)</numerusform>
            <numerusform>%1: исполнилось %2 — %3, %4 (%n дня назад)</numerusform>
            <numerusform>%1: исполнилось %2 — %3, %4 (%n дней назад)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was on %3 %4 (%n days ago)</source>
        <translation>
            <numerusform>%1: %3, %4 (%n день назад)</numerusform>
            <numerusform>%1: %3, %4 (%n дня назад)</numerusform>
            <numerusform>%1: %3, %4 (%n дней назад)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowHost</name>
    <message>
        <source>the Options dialog cannot be shown without a display</source>
        <translation>окно параметров нельзя показать без дисплея</translation>
    </message>
</context>
</TS>
