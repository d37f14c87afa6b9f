<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CChildView</name>
    <message>
        <source>The file&apos;s compressed data is damaged (checksum mismatch). Open it anyway?</source>
        <translation>Стиснені дані файлу пошкоджено (невірна контрольна сума). Все одно відкрити?</translation>
    </message>
    <message>
        <source>Reference lists (*.kvx *.ckvx *.csv)</source>
        <translation>Еталонні списки (*.kvx *.ckvx *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>All Network Database File (*.KVX *.CKVX)</source>
        <translation>Усі файли баз каналів (*.KVX *.CKVX)</translation>
    </message>
    <message>
        <source>All file (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)</source>
        <translation>Файл SATCODX (*.SDX)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>HTML File (*.html *.htm)</source>
        <translation>Файл HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Network Database File (*.KVX)</source>
        <translation>Файл бази каналів (*.KVX)</translation>
    </message>
    <message>
        <source>Compressed Network Database File (*.CKVX)</source>
        <translation>Стиснений файл бази каналів (*.CKVX)</translation>
    </message>
</context>
<context>
    <name>CKVXEditApp</name>
    <message>
        <source>Edit the channel databases of digital TV receivers: KVX and CKVX files.</source>
        <translation>Редагування баз каналів цифрових ТБ-ресиверів: файли KVX і CKVX.</translation>
    </message>
    <message>
        <source>The KVX or CKVX file to open.</source>
        <translation>Файл KVX або CKVX, який треба відкрити.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Створити...</translation>
    </message>
    <message>
        <source>Creates a new KVX file
New</source>
        <translation>Створює новий файл KVX
Створити</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Відкрити...</translation>
    </message>
    <message>
        <source>Opens an existing KVX file
Open</source>
        <translation>Відкриває наявний файл KVX
Відкрити</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Closes the KVX file
Close</source>
        <translation>Закриває файл KVX
Закрити</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>З&amp;берегти</translation>
    </message>
    <message>
        <source>Saves the KVX file
Save</source>
        <translation>Зберігає файл KVX
Зберегти</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Зберегти &amp;як...</translation>
    </message>
    <message>
        <source>Saves the KVX file with a new name
Save As</source>
        <translation>Зберігає файл KVX під новою назвою
Зберегти як</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Друк...</translation>
    </message>
    <message>
        <source>Print all or parts of the KVX file
Print</source>
        <translation>Друк усього файлу KVX або його частини
Друк</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Попередній перегляд</translation>
    </message>
    <message>
        <source>Shows the printed report page by page
Print Preview</source>
        <translation>Показує друкований звіт посторінково
Попередній перегляд</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>&amp;Експорт списку каналів...</translation>
    </message>
    <message>
        <source>Writes the channel list as a CSV or HTML file
Export Channel List</source>
        <translation>Записує список каналів у файл CSV або HTML
Експорт списку каналів</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Скасувати останню зміну
Скасувати</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Повторити останню скасовану зміну
Повторити</translation>
    </message>
    <message>
        <source>&amp;Apply Reference List...</source>
        <translation>Застосувати &amp;еталонний список...</translation>
    </message>
    <message>
        <source>Give the channels the numbers and favourite groups of an old channel list
Apply Reference List</source>
        <translation>Надати каналам номери й групи обраного зі старого списку каналів
Застосувати еталонний список</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>Перевірити &amp;базу...</translation>
    </message>
    <message>
        <source>Find duplicate, empty and orphaned records and review their clean-up
Check Database</source>
        <translation>Знайти повторювані, порожні й осиротілі записи та переглянути їх очищення
Перевірити базу</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>Дата з&amp;міни...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Показати або змінити дату останньої зміни</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the KVX file
Exit</source>
        <translation>Завершити роботу програми; пропонує зберегти файл KVX
Вихід</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>&amp;Панель редагування</translation>
    </message>
    <message>
        <source>Show or hide the edit bar
Toggle EditBar</source>
        <translation>Показати або приховати панель редагування
Панель редагування</translation>
    </message>
    <message>
        <source>&amp;Channel List</source>
        <translation>&amp;Список каналів</translation>
    </message>
    <message>
        <source>Show the channel list
Ch List</source>
        <translation>Показати список каналів
Список каналів</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Панель &amp;інструментів</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Показати або приховати панель інструментів
Панель інструментів</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Рядок с&amp;тану</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Показати або приховати рядок стану
Рядок стану</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>Імпорт &amp;SATCODX</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file
SATCODX</source>
        <translation>Завантажити вибраний супутник із файлу SATCODX
SATCODX</translation>
    </message>
    <message>
        <source>Update from &amp;Lyngsat</source>
        <translation>Оновити з &amp;Lyngsat</translation>
    </message>
    <message>
        <source>Load the selected satellite from Lyngsat site
LYNGSAT</source>
        <translation>Завантажити вибраний супутник із сайту Lyngsat
LYNGSAT</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>Сортувати за &amp;градусами</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree
Sort by Degree</source>
        <translation>Сортувати список супутників за градусами
Сортувати за градусами</translation>
    </message>
    <message>
        <source>TP Sort by &amp;Frequency in Network</source>
        <translation>Сортувати TP мережі за &amp;частотою</translation>
    </message>
    <message>
        <source>Sort the transponder list by frequency
Sort by Frequency</source>
        <translation>Сортувати список транспондерів за частотою
Сортувати за частотою</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Додати</translation>
    </message>
    <message>
        <source>Add a new transponder
Add Tp(Shift + Insert)</source>
        <translation>Додати новий транспондер
Додати TP (Shift + Insert)</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Видалити вибране</translation>
    </message>
    <message>
        <source>Delete the selected transponder
Delete Tp(Shift + Delete)</source>
        <translation>Видалити вибраний транспондер
Видалити TP (Shift + Delete)</translation>
    </message>
    <message>
        <source>Delete All in &amp;Network</source>
        <translation>Видалити все в &amp;мережі</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network
Delete All Tps in Net</source>
        <translation>Видалити всі транспондери вибраної мережі
Видалити всі TP мережі</translation>
    </message>
    <message>
        <source>Add a new program
Add Prog(Shift + Insert)</source>
        <translation>Додати нову програму
Додати програму (Shift + Insert)</translation>
    </message>
    <message>
        <source>Delete the selected program
Delete Prog(Shift + Delete)</source>
        <translation>Видалити вибрану програму
Видалити програму (Shift + Delete)</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Видалити все в &amp;транспондері</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder
Delete Progs In Tp</source>
        <translation>Видалити всі програми вибраного транспондера
Видалити програми TP</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network
Delete Progs In Net</source>
        <translation>Видалити всі програми вибраної мережі
Видалити програми мережі</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Перемістити вгору</translation>
    </message>
    <message>
        <source>Move program
Move up(Shift + Up)</source>
        <translation>Перемістити програму
Вгору (Shift + Вгору)</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Перемістити вниз</translation>
    </message>
    <message>
        <source>Move program
Move down(Shift + Down)</source>
        <translation>Перемістити програму
Вниз (Shift + Вниз)</translation>
    </message>
    <message>
        <source>Mark &amp;Scrambled</source>
        <translation>Позначити як &amp;кодовані</translation>
    </message>
    <message>
        <source>Mark the selected programs scrambled (an unknown CA system)
Mark Scrambled</source>
        <translation>Позначити вибрані програми як кодовані (невідома система CA)
Позначити як кодовані</translation>
    </message>
    <message>
        <source>&amp;Clear Scrambled</source>
        <translation>&amp;Зняти кодування</translation>
    </message>
    <message>
        <source>Clear the CA systems of the selected programs, so they are free to air
Clear Scrambled</source>
        <translation>Очистити системи CA вибраних програм, щоб вони стали відкритими
Зняти кодування</translation>
    </message>
    <message>
        <source>Delete Network</source>
        <translation>Видалити мережу</translation>
    </message>
    <message>
        <source>Delete the selected network with its transponders and programs
Delete Network</source>
        <translation>Видалити вибрану мережу з її транспондерами та програмами
Видалити мережу</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>KVXEdit &amp;Help</source>
        <translation>&amp;Довідка KVXEdit</translation>
    </message>
    <message>
        <source>Show the user guide
Help</source>
        <translation>Показати посібник користувача
Довідка</translation>
    </message>
    <message>
        <source>&amp;About KVXEdit...</source>
        <translation>&amp;Про KVXEdit...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Показати відомості про програму, номер версії та авторські права
Про програму</translation>
    </message>
    <message>
        <source>Update from &amp;LyngSat</source>
        <translation>Оновити з &amp;LyngSat</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Додати транспондер</translation>
    </message>
    <message>
        <source>Delete All Transponder in Network</source>
        <translation>Видалити всі транспондери мережі</translation>
    </message>
    <message>
        <source>Delete All Program in Network</source>
        <translation>Видалити всі програми мережі</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Видалити транспондер</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Додати програму</translation>
    </message>
    <message>
        <source>Delete All Program in Transponder</source>
        <translation>Видалити всі програми транспондера</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Видалити програму</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Додати до &amp;групи обраного</translation>
    </message>
    <message>
        <source>&amp;Remove from Favourite Group</source>
        <translation>Прибрати з гр&amp;упи обраного</translation>
    </message>
    <message>
        <source>Export sa&amp;tellites.xml...</source>
        <translation>Експо&amp;рт satellites.xml...</translation>
    </message>
    <message>
        <source>Writes the satellites and their transponders as a satellites.xml file
Export satellites.xml</source>
        <translation>Записує супутники та їхні транспондери у файл satellites.xml
Експорт satellites.xml</translation>
    </message>
    <message>
        <source>Update from Scan &amp;Table...</source>
        <translation>Оновити з &amp;таблиці сканування...</translation>
    </message>
    <message>
        <source>Load the selected network&apos;s transponders from a scan table of the system
Scan Table</source>
        <translation>Завантажити транспондери вибраної мережі із системної таблиці сканування
Таблиця сканування</translation>
    </message>
    <message>
        <source>Import satellites.&amp;xml...</source>
        <translation>Імпорт satellites.&amp;xml...</translation>
    </message>
    <message>
        <source>Load the selected satellite from a satellites.xml file
satellites.xml</source>
        <translation>Завантажити вибраний супутник із файлу satellites.xml
satellites.xml</translation>
    </message>
</context>
<context>
    <name>DeleteQuestion</name>
    <message>
        <source>1 program</source>
        <translation>1 програма</translation>
    </message>
    <message numerus="yes">
        <source>%n programs</source>
        <translation>
            <numerusform>%n програма</numerusform>
            <numerusform>%n програми</numerusform>
            <numerusform>%n програм</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 транспондер</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n транспондер</numerusform>
            <numerusform>%n транспондери</numerusform>
            <numerusform>%n транспондерів</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>all %1</source>
        <translation>усі %1</translation>
    </message>
    <message>
        <source>Delete the network %1?</source>
        <translation>Видалити мережу %1?</translation>
    </message>
    <message>
        <source>Delete the network %1 with its %2 and %3?</source>
        <translation>Видалити мережу %1? У ній: %2, %3.</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Видалити транспондер %1?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 and its %2?</source>
        <translation>Видалити транспондер %1 і його програми (%2)?</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>Видалити програму %1?</translation>
    </message>
    <message>
        <source>Delete %1 in the network %2?</source>
        <translation>Видалити %1 у мережі %2?</translation>
    </message>
    <message>
        <source>Delete %1 in the network %2 and their %3?</source>
        <translation>Видалити %1 у мережі %2 та їхні програми (%3)?</translation>
    </message>
    <message>
        <source>Delete %1 in the transponder %2?</source>
        <translation>Видалити %1 у транспондері %2?</translation>
    </message>
</context>
<context>
    <name>EditApplier</name>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Частину параметрів мережі змінено.
Застосувати зміни?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Частину налаштувань антени змінено.
Застосувати зміни?</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Частину параметрів транспондера змінено.
Застосувати зміни?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Частину параметрів програми змінено.
Застосувати зміни?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Неприпустима частота або символьна швидкість
Виправте помилки або видаліть транспондер</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Waiting for import SATCODE file</source>
        <translation>Очікування імпорту файлу SATCODX</translation>
    </message>
    <message>
        <source>No transponders were found in the file</source>
        <translation>У файлі не знайдено транспондерів</translation>
    </message>
    <message>
        <source>The transponder list is full; the remaining transponders were not added.</source>
        <translation>Список транспондерів заповнено; решту транспондерів не додано.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>(No name)</source>
        <translation>(Без назви)</translation>
    </message>
</context>
<context>
    <name>LyngSatUpdater</name>
    <message>
        <source>Please setting a bandwidth and webpage for update</source>
        <translation>Вкажіть діапазон і вебсторінку для оновлення</translation>
    </message>
    <message>
        <source>Waiting for the server to respond to a request</source>
        <translation>Очікування відповіді сервера на запит</translation>
    </message>
    <message>
        <source>No network connection could be established</source>
        <translation>Не вдалося встановити мережеве з&apos;єднання</translation>
    </message>
    <message>
        <source>Successfully connected to the server</source>
        <translation>З&apos;єднання із сервером встановлено</translation>
    </message>
    <message>
        <source>The webpage was not found</source>
        <translation>Вебсторінку не знайдено</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>Не вдалося під&apos;єднатися до сервера.</translation>
    </message>
    <message>
        <source>File Download Error!
The webpage was not found.</source>
        <translation>Помилка завантаження файлу!
Вебсторінку не знайдено.</translation>
    </message>
    <message>
        <source>Can`t found download file.</source>
        <translation>Завантажений файл не знайдено.</translation>
    </message>
    <message>
        <source>Can`t Open temp file.</source>
        <translation>Не вдалося відкрити тимчасовий файл.</translation>
    </message>
    <message>
        <source>The download was cancelled.
Nothing was changed.</source>
        <translation>Завантаження скасовано.
Нічого не змінено.</translation>
    </message>
    <message>
        <source>The server did not send the page within %1.
Nothing was changed.</source>
        <translation>Сервер не надіслав сторінку за %1.
Нічого не змінено.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1; the download was stopped.
Nothing was changed.</source>
        <translation>Сервер нічого не надсилав %1; завантаження зупинено.
Нічого не змінено.</translation>
    </message>
    <message>
        <source>The webpage was not found (404).
Nothing was changed.</source>
        <translation>Вебсторінку не знайдено (404).
Нічого не змінено.</translation>
    </message>
    <message>
        <source>The server answered %1.
Nothing was changed.</source>
        <translation>Сервер відповів: %1.
Нічого не змінено.</translation>
    </message>
    <message>
        <source>The server redirected the download again and again without sending the page.
Nothing was changed.</source>
        <translation>Сервер знову й знову перенаправляв завантаження, не надсилаючи сторінку.
Нічого не змінено.</translation>
    </message>
    <message>
        <source>The server redirected the download to another site (%1); only redirects within %2 are followed.
Nothing was changed.</source>
        <translation>Сервер перенаправив завантаження на інший сайт (%1); враховуються лише перенаправлення в межах %2.
Нічого не змінено.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached.
Nothing was changed.</source>
        <translation>Сервер %1 недоступний.
Нічого не змінено.</translation>
    </message>
    <message>
        <source>The file is too large to be a LyngSat page.
Nothing was changed.</source>
        <translation>Файл завеликий для сторінки LyngSat.
Нічого не змінено.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 секунду</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунду</numerusform>
            <numerusform>%n секунди</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>No transponders were found on the page</source>
        <translation>На сторінці не знайдено транспондерів</translation>
    </message>
    <message>
        <source>1 DVB-S2 row (&quot;Include DVB-S2&quot; is off)</source>
        <translation>1 рядок DVB-S2 («Включно з DVB-S2» вимкнено)</translation>
    </message>
    <message numerus="yes">
        <source>%n DVB-S2 rows (&quot;Include DVB-S2&quot; is off)</source>
        <translation>
            <numerusform>%n рядок DVB-S2 («Включно з DVB-S2» вимкнено)</numerusform>
            <numerusform>%n рядки DVB-S2 («Включно з DVB-S2» вимкнено)</numerusform>
            <numerusform>%n рядків DVB-S2 («Включно з DVB-S2» вимкнено)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 HD row (&quot;Include HD&quot; is off)</source>
        <translation>1 рядок HD («Включно з HD» вимкнено)</translation>
    </message>
    <message numerus="yes">
        <source>%n HD rows (&quot;Include HD&quot; is off)</source>
        <translation>
            <numerusform>%n рядок HD («Включно з HD» вимкнено)</numerusform>
            <numerusform>%n рядки HD («Включно з HD» вимкнено)</numerusform>
            <numerusform>%n рядків HD («Включно з HD» вимкнено)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 feed (&quot;Include Feeds&quot; is off)</source>
        <translation>1 фід («Включно з фідами» вимкнено)</translation>
    </message>
    <message numerus="yes">
        <source>%n feeds (&quot;Include Feeds&quot; is off)</source>
        <translation>
            <numerusform>%n фід («Включно з фідами» вимкнено)</numerusform>
            <numerusform>%n фіди («Включно з фідами» вимкнено)</numerusform>
            <numerusform>%n фідів («Включно з фідами» вимкнено)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 row outside the chosen band</source>
        <translation>1 рядок поза вибраним діапазоном</translation>
    </message>
    <message numerus="yes">
        <source>%n rows outside the chosen band</source>
        <translation>
            <numerusform>%n рядок поза вибраним діапазоном</numerusform>
            <numerusform>%n рядки поза вибраним діапазоном</numerusform>
            <numerusform>%n рядків поза вибраним діапазоном</numerusform>
        </translation>
    </message>
    <message>
        <source>No transponders were found on the page.
1 row was left out by the options: %1.</source>
        <translation>На сторінці не знайдено транспондерів.
Параметри виключили 1 рядок: %1.</translation>
    </message>
    <message numerus="yes">
        <source>No transponders were found on the page.
%n rows were left out by the options: %1.</source>
        <translation>
            <numerusform>На сторінці не знайдено транспондерів.
Параметри виключили %n рядок: %1.</numerusform>
            <numerusform>На сторінці не знайдено транспондерів.
Параметри виключили %n рядки: %1.</numerusform>
            <numerusform>На сторінці не знайдено транспондерів.
Параметри виключили %n рядків: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameCheck</name>
    <message>
        <source>The name &quot;%1&quot; cannot be stored: %2 has no %3.
Change the name or choose another name encoding.</source>
        <translation>Назву «%1» неможливо зберегти: у %2 немає символів %3.
Змініть назву або виберіть інше кодування назв.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters that %2 cannot hold.
Store it as a Cyrillic name (ISO 8859-5)?</source>
        <translation>У назві «%1» є символи, яких немає в %2.
Зберегти її як кириличну назву (ISO 8859-5)?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>The file is too large to be a SATCODX file.</source>
        <translation>Файл завеликий для файлу SATCODX.</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Імпорт SATCODX</translation>
    </message>
    <message>
        <source>The network already holds every transponder of the file; nothing was changed</source>
        <translation>У мережі вже є всі транспондери файлу; нічого не змінено</translation>
    </message>
    <message>
        <source>Downloading %1: %2</source>
        <translation>Завантаження %1: %2</translation>
    </message>
    <message>
        <source>Update from LyngSat</source>
        <translation>Оновлення з LyngSat</translation>
    </message>
    <message>
        <source>The network already matches the page; nothing was changed</source>
        <translation>Мережа вже відповідає сторінці; нічого не змінено</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>невідомо</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Сторінка %1 з %2</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Без назви</translation>
    </message>
    <message>
        <source>Modified %1-%2-%3</source>
        <translation>Змінено %1-%2-%3</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>The database holds no networks.</source>
        <translation>У базі немає мереж.</translation>
    </message>
    <message>
        <source>Terrestrial network</source>
        <translation>Ефірна мережа</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Позиція %1</translation>
    </message>
    <message>
        <source>LNB %1</source>
        <translation>LNB %1</translation>
    </message>
    <message>
        <source>1 transponder</source>
        <translation>1 транспондер</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n транспондер</numerusform>
            <numerusform>%n транспондери</numerusform>
            <numerusform>%n транспондерів</numerusform>
        </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодований</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радіо</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Laying out the report</source>
        <translation>Верстання звіту</translation>
    </message>
    <message>
        <source>Drawing the pages</source>
        <translation>Малювання сторінок</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Downloading %1
%2</source>
        <translation>Завантаження %1
%2</translation>
    </message>
    <message>
        <source>%1 of %2 received</source>
        <translation>Отримано %1 з %2</translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation>Отримано %1</translation>
    </message>
    <message>
        <source>%1 MHz &amp;middot; %2 MHz bandwidth &amp;middot; DVB-T</source>
        <translation>%1 МГц &amp;middot; смуга %2 МГц &amp;middot; DVB-T</translation>
    </message>
    <message>
        <source>The list holds no transponder of this kind of network.</source>
        <translation>Список не містить транспондерів для мережі цього виду.</translation>
    </message>
    <message>
        <source>The list holds no transponder.</source>
        <translation>Список не містить транспондерів.</translation>
    </message>
    <message>
        <source>The network already matches the list; nothing was changed</source>
        <translation>Мережа вже відповідає списку; нічого не змінено</translation>
    </message>
    <message>
        <source>Update from Scan Table</source>
        <translation>Оновлення з таблиці сканування</translation>
    </message>
    <message>
        <source>The file is too large to be a scan table.</source>
        <translation>Файл завеликий для таблиці сканування.</translation>
    </message>
    <message>
        <source>satellites.xml (*.xml)</source>
        <translation>satellites.xml (*.xml)</translation>
    </message>
    <message>
        <source>All file (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>The file is too large to be a satellites.xml file.</source>
        <translation>Файл завеликий для файлу satellites.xml.</translation>
    </message>
    <message>
        <source>The file holds no &lt;sat&gt; element.</source>
        <translation>У файлі немає елемента &lt;sat&gt;.</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>Імпорт satellites.xml</translation>
    </message>
    <message>
        <source>No scan tables were found in %1. The package dtv-scan-tables provides them.</source>
        <translation>У %1 не знайдено таблиць сканування. Їх містить пакет dtv-scan-tables.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>the number &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>номер «%1» не є числом від %2 до %3</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>частота «%1» не є числом від %2 до %3</translation>
    </message>
    <message>
        <source>the service ID &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>Service ID «%1» не є числом від %2 до %3</translation>
    </message>
    <message>
        <source>the type &quot;%1&quot; is neither TV nor Radio</source>
        <translation>тип «%1» ні TV, ні Radio</translation>
    </message>
    <message>
        <source>the polarity &quot;%1&quot; is not V, H, R or L</source>
        <translation>поляризація «%1» не V, H, R чи L</translation>
    </message>
    <message>
        <source>no favourite group is left for &quot;%1&quot;</source>
        <translation>для «%1» не залишилося вільної групи обраного</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Скасовано</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Недостатньо пам&apos;яті</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Файл пошкоджено</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Не вдалося створити файл</translation>
    </message>
    <message>
        <source>Invalid KVX format</source>
        <translation>Неприпустимий формат KVX</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Невірна контрольна сума</translation>
    </message>
    <message>
        <source>KVX Version not supported</source>
        <translation>Версія KVX не підтримується</translation>
    </message>
    <message>
        <source>The database is too large for a KVX file</source>
        <translation>База завелика для файлу KVX</translation>
    </message>
    <message>
        <source>This is a folder, not a file</source>
        <translation>Це тека, а не файл</translation>
    </message>
    <message>
        <source>This is a FIFO (named pipe), not a file</source>
        <translation>Це FIFO (іменований канал), а не файл</translation>
    </message>
    <message>
        <source>This is a device, not a file</source>
        <translation>Це пристрій, а не файл</translation>
    </message>
    <message>
        <source>This is a socket, not a file</source>
        <translation>Це сокет, а не файл</translation>
    </message>
    <message>
        <source>The file&apos;s compressed data is damaged (checksum mismatch)</source>
        <translation>Стиснені дані файлу пошкоджено (невірна контрольна сума)</translation>
    </message>
    <message>
        <source>The file&apos;s compressed data is damaged or truncated</source>
        <translation>Стиснені дані файлу пошкоджено або обрізано</translation>
    </message>
    <message>
        <source>The database has changed since its changes were listed; nothing was changed</source>
        <translation>База змінилася після складання списку змін; нічого не змінено</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>OFF</source>
        <translation>ВИМК</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>ОБИДВА</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>УВІМК (авто)</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Одиночний</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Універсальний</translation>
    </message>
</context>
<context>
    <name>kvx::CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Про %1</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1, версія %2</translation>
    </message>
</context>
<context>
    <name>kvx::CChildView</name>
    <message>
        <source>Channel List</source>
        <translation>Список каналів</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Без назви</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (змінено)</translation>
    </message>
    <message>
        <source>The file was changed by another program. Overwrite it?</source>
        <translation>Файл змінила інша програма. Перезаписати його?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Зберегти зміни в %1?</translation>
    </message>
    <message>
        <source>Network Changes</source>
        <translation>Зміни мережі</translation>
    </message>
    <message>
        <source>Transponder Changes</source>
        <translation>Зміни транспондера</translation>
    </message>
    <message>
        <source>Program Changes</source>
        <translation>Зміни програми</translation>
    </message>
    <message>
        <source>Encountered an improper argument.</source>
        <translation>Виявлено неприпустимий аргумент.</translation>
    </message>
    <message>
        <source>%1 (and %2 more)</source>
        <translation>%1 (і ще %2)</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Переміщення</translation>
    </message>
    <message>
        <source>The database has no duplicates or empty records.</source>
        <translation>У базі немає повторів і порожніх записів.</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Перевірка бази</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Очищення</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Імпорт SATCODX</translation>
    </message>
    <message>
        <source>Update from LyngSat</source>
        <translation>Оновлення з LyngSat</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n programs?</source>
        <translation>
            <numerusform>Видалити %n програму?</numerusform>
            <numerusform>Видалити %n програми?</numerusform>
            <numerusform>Видалити %n програм?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their programs?</source>
        <translation>
            <numerusform>Видалити %n транспондер і його програми?</numerusform>
            <numerusform>Видалити %n транспондери та їхні програми?</numerusform>
            <numerusform>Видалити %n транспондерів та їхні програми?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Видалення програм</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Видалення транспондерів</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>Не вдалося відкрити принтер.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Рядок %1: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>і ще %1</translation>
    </message>
    <message>
        <source>Rows left out:</source>
        <translation>Пропущені рядки:</translation>
    </message>
    <message>
        <source>The reference list changes nothing.</source>
        <translation>Еталонний список нічого не змінює.</translation>
    </message>
    <message>
        <source>Apply Reference List</source>
        <translation>Застосування еталонного списку</translation>
    </message>
    <message>
        <source>Add to Favourite Group</source>
        <translation>Додавання до групи обраного</translation>
    </message>
    <message>
        <source>Remove from Favourite Group</source>
        <translation>Вилучення з групи обраного</translation>
    </message>
    <message>
        <source>Mark Scrambled</source>
        <translation>Позначення кодування</translation>
    </message>
    <message>
        <source>Clear Scrambled</source>
        <translation>Зняття кодування</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Сортування за частотою</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n programs in %1 networks?</source>
        <translation>
            <numerusform>Видалити всі програми (%n) у мережах (%1)?</numerusform>
            <numerusform>Видалити всі програми (%n) у мережах (%1)?</numerusform>
            <numerusform>Видалити всі програми (%n) у мережах (%1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all %1 transponders and %2 programs in %3 networks?</source>
        <translation>Видалити всі транспондери (%1) і програми (%2) у мережах (%3)?</translation>
    </message>
    <message>
        <source>Delete All Programs in Network</source>
        <translation>Видалення всіх програм мережі</translation>
    </message>
    <message>
        <source>Delete All Transponders in Network</source>
        <translation>Видалення всіх транспондерів мережі</translation>
    </message>
    <message>
        <source>Modification Date</source>
        <translation>Дата зміни</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Сортування за градусами</translation>
    </message>
    <message>
        <source>Delete Network</source>
        <translation>Видалити мережу</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Додати транспондер</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Видалити транспондер</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Додати програму</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Видалити програму</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Видалення всіх програм транспондера</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Скасувати: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторити: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>The change could not be undone.</source>
        <translation>Зміну не вдалося скасувати.</translation>
    </message>
    <message>
        <source>Update from Scan Table</source>
        <translation>Оновлення з таблиці сканування</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>Імпорт satellites.xml</translation>
    </message>
    <message>
        <source>satellites.xml (*.xml)</source>
        <translation>satellites.xml (*.xml)</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgAudio</name>
    <message>
        <source>Audio</source>
        <translation>Аудіо</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>Неприпустимий PID</translation>
    </message>
    <message>
        <source>The audio list is full: a program can have at most 255 audio tracks.</source>
        <translation>Список аудіо заповнено: програма може мати щонайбільше 255 звукових доріжок.</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgChList</name>
    <message>
        <source>Channel List</source>
        <translation>Список каналів</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радіо</translation>
    </message>
    <message>
        <source>How to use...</source>
        <translation>Як користуватися...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортування</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>За назвою</translation>
    </message>
    <message>
        <source>By Network and Frequency</source>
        <translation>За мережею й частотою</translation>
    </message>
    <message>
        <source>By Service ID</source>
        <translation>За Service ID</translation>
    </message>
    <message>
        <source>Scrambled Last</source>
        <translation>Кодовані в кінці</translation>
    </message>
    <message>
        <source>Sorts the selected channels, or all channels shown when at most one is selected</source>
        <translation>Сортує вибрані канали або, якщо вибрано не більше одного, усі показані</translation>
    </message>
    <message>
        <source>Move to Number...</source>
        <translation>Перемістити на номер...</translation>
    </message>
    <message>
        <source>Moves the selected channels to a channel number (%1)</source>
        <translation>Переміщує вибрані канали на номер каналу (%1)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Channel Group</source>
        <translation>Група каналів</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Усі супутники</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n канал</numerusform>
            <numerusform>%n канали</numerusform>
            <numerusform>%n каналів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels, %1 selected</source>
        <translation>
            <numerusform>%n канал, вибрано %1</numerusform>
            <numerusform>%n канали, вибрано %1</numerusform>
            <numerusform>%n каналів, вибрано %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Список каналів (змінено)</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Переміщення на номер</translation>
    </message>
    <message>
        <source>Channel number (1 to %1):</source>
        <translation>Номер каналу (від 1 до %1):</translation>
    </message>
    <message>
        <source>Channel number of the first of the %1 selected channels (1 to %2):</source>
        <translation>Номер першого з вибраних каналів (%1) (від 1 до %2):</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Додати до %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Прибрати з %1</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Збігів не знайдено...</translation>
    </message>
    <message>
        <source>
To sort the channel list

	- Click the left mouse button on a column header of the list.
	- Or choose an order from Sort; with several channel items selected, only they are sorted.

To select several channel items

	- Ctrl+click adds or takes away one; Shift+click selects up to one; Ctrl+A selects all.

To move a channel item, or the selected ones as a block

	- Drag and drop a channel item.
	- Ctrl+Up and Ctrl+Down move them one place; Move to Number (Ctrl+M) moves them to a number.

To remove channel items from the favorite group shown

	- Press Delete.

To add a channel item to a favorite group
To remove a channel item from a favorite group

	- Click the right mouse button on the name of a channel item
</source>
        <translation>
Щоб відсортувати список каналів

	- Клацніть лівою кнопкою миші заголовок стовпця списку.
	- Або виберіть порядок у меню «Сортування»; якщо вибрано кілька каналів, сортуються лише вони.

Щоб вибрати кілька каналів

	- Ctrl+клацання додає або прибирає один; Shift+клацання вибирає до нього; Ctrl+A вибирає всі.

Щоб перемістити канал або вибрані канали блоком

	- Перетягніть канал мишею.
	- Ctrl+Вгору і Ctrl+Вниз переміщують їх на одну позицію; «Перемістити на номер» (Ctrl+M) — на заданий номер.

Щоб прибрати канали з показаної групи обраного

	- Натисніть Delete.

Щоб додати канал до групи обраного
Щоб прибрати канал із групи обраного

	- Клацніть правою кнопкою миші назву каналу
</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgDate</name>
    <message>
        <source>Recent modification date</source>
        <translation>Дата останньої зміни</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Неприпустима версія</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Код регіону][Версія в десятковому вигляді] Приклад: B002</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgFavName</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Назва групи обраного</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgLyngSat</name>
    <message>
        <source>Satellite Information</source>
        <translation>Відомості про супутник</translation>
    </message>
    <message>
        <source>C-Band</source>
        <translation>C-діапазон</translation>
    </message>
    <message>
        <source>Ku-Band</source>
        <translation>Ku-діапазон</translation>
    </message>
    <message>
        <source>Include HD</source>
        <translation>Включно з HD</translation>
    </message>
    <message>
        <source>Include DVB-S2</source>
        <translation>Включно з DVB-S2</translation>
    </message>
    <message>
        <source>Include Feeds</source>
        <translation>Включно з фідами</translation>
    </message>
    <message>
        <source>Remove outdated TPs</source>
        <translation>Видалити застарілі TP</translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation>Сортувати за частотою</translation>
    </message>
    <message>
        <source>Satellite Name : %1</source>
        <translation>Назва супутника: %1</translation>
    </message>
    <message>
        <source>Satellite Degree : %1</source>
        <translation>Позиція супутника: %1</translation>
    </message>
    <message>
        <source>Update Band :</source>
        <translation>Діапазон оновлення:</translation>
    </message>
    <message>
        <source>(case sensitive)</source>
        <translation>(з урахуванням регістру)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgReference</name>
    <message>
        <source>Radio</source>
        <translation>Радіо</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>TV %1, radio %2</source>
        <translation>ТБ %1, радіо %2</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>додано: %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>вилучено: %1</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>порядок змінено</translation>
    </message>
    <message>
        <source>Sure matches: %1; name matches: %2; unmatched here: %3; unmatched in the reference: %4; copied: %5</source>
        <translation>Точних збігів: %1; збігів за назвою: %2; без пари тут: %3; без пари в еталоні: %4; скопійовано: %5</translation>
    </message>
    <message>
        <source>; new transponders: %1</source>
        <translation>; нових транспондерів: %1</translation>
    </message>
    <message>
        <source>1 row of the reference could not be read and is left out (see Rows Left Out).</source>
        <translation>1 рядок еталона не вдалося прочитати, його пропущено (див. «Пропущені рядки»).</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the reference could not be read and are left out (see Rows Left Out).</source>
        <translation>
            <numerusform>%n рядок еталона не вдалося прочитати, його пропущено (див. «Пропущені рядки»).</numerusform>
            <numerusform>%n рядки еталона не вдалося прочитати, їх пропущено (див. «Пропущені рядки»).</numerusform>
            <numerusform>%n рядків еталона не вдалося прочитати, їх пропущено (див. «Пропущені рядки»).</numerusform>
        </translation>
    </message>
    <message>
        <source>Apply Reference List - %1</source>
        <translation>Застосування еталонного списку - %1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Групи обраного</translation>
    </message>
    <message>
        <source>The favourite groups take the reference&apos;s names and entries</source>
        <translation>Групи обраного отримують назви й записи еталона</translation>
    </message>
    <message>
        <source>Program names</source>
        <translation>Назви програм</translation>
    </message>
    <message>
        <source>The matched programs take the reference&apos;s names</source>
        <translation>Зіставлені програми отримують назви з еталона</translation>
    </message>
    <message>
        <source>Copy missing programs</source>
        <translation>Копіювати відсутні програми</translation>
    </message>
    <message>
        <source>The reference&apos;s programs that match nothing here are added</source>
        <translation>Програми еталона, яким тут немає пари, додаються</translation>
    </message>
    <message>
        <source>Also take:</source>
        <translation>Також узяти:</translation>
    </message>
    <message>
        <source>Name Matches (%1)</source>
        <translation>Збіги за назвою (%1)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>До</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Після</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Група</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Зміни</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Рядок</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Rows Left Out (%1)</source>
        <translation>Пропущені рядки (%1)</translation>
    </message>
    <message>
        <source>With these choices the reference list changes nothing.</source>
        <translation>За такого вибору еталонний список нічого не змінює.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Reference name</source>
        <translation>Назва в еталоні</translation>
    </message>
    <message>
        <source>Moved Channels (%1)</source>
        <translation>Переміщені канали (%1)</translation>
    </message>
    <message>
        <source>Favourite Groups (%1)</source>
        <translation>Групи обраного (%1)</translation>
    </message>
    <message>
        <source>Renames (%1)</source>
        <translation>Перейменування (%1)</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgReview</name>
    <message>
        <source>Duplicate transponder</source>
        <translation>Повторний транспондер</translation>
    </message>
    <message>
        <source>Moved program</source>
        <translation>Переміщена програма</translation>
    </message>
    <message>
        <source>Duplicate program</source>
        <translation>Повторна програма</translation>
    </message>
    <message>
        <source>Empty transponder</source>
        <translation>Порожній транспондер</translation>
    </message>
    <message>
        <source>Zero transponder</source>
        <translation>Нульовий транспондер</translation>
    </message>
    <message>
        <source>Orphaned program</source>
        <translation>Осиротіла програма</translation>
    </message>
    <message>
        <source>Repeated favourite</source>
        <translation>Повторне обране</translation>
    </message>
    <message>
        <source>%1, SID %2</source>
        <translation>%1, SID %2</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>радіо</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Вилучено</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Залишено</translation>
    </message>
    <message>
        <source>; 1 change left out</source>
        <translation>; 1 зміну пропущено</translation>
    </message>
    <message numerus="yes">
        <source>; %n changes left out</source>
        <translation>
            <numerusform>; %n зміну пропущено</numerusform>
            <numerusform>; %n зміни пропущено</numerusform>
            <numerusform>; %n змін пропущено</numerusform>
        </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Назва: %1</translation>
    </message>
    <message>
        <source>Position: %1</source>
        <translation>Позиція: %1</translation>
    </message>
    <message>
        <source>repeats row %1 of the page</source>
        <translation>повторює рядок %1 сторінки</translation>
    </message>
    <message>
        <source>possible duplicate of %1 %2</source>
        <translation>можливий повтор %1 %2</translation>
    </message>
    <message>
        <source>The transponders are sorted by frequency</source>
        <translation>Транспондери сортуються за частотою</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Оновлено</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Додано</translation>
    </message>
    <message>
        <source>Sorted</source>
        <translation>Відсортовано</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризація</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Символьна швидкість</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Програми</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Усі зміни</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показати:</translation>
    </message>
    <message>
        <source>With these changes the database would be too large for a KVX file; leave some of them out to apply the rest.</source>
        <translation>З цими змінами база стане завеликою для файлу KVX; пропустіть частину з них, щоб застосувати решту.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Зміна</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>%1 added, %2 updated, %3 removed</source>
        <translation>додано: %1, оновлено: %2, вилучено: %3</translation>
    </message>
    <message>
        <source> (with 1 program)</source>
        <translation> (з 1 програмою)</translation>
    </message>
    <message numerus="yes">
        <source> (with %n programs)</source>
        <translation>
            <numerusform> (з %n програмою)</numerusform>
            <numerusform> (з %n програмами)</numerusform>
            <numerusform> (з %n програмами)</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 program</source>
        <translation>містить 1 програму</translation>
    </message>
    <message numerus="yes">
        <source>holds %n programs</source>
        <translation>
            <numerusform>містить %n програму</numerusform>
            <numerusform>містить %n програми</numerusform>
            <numerusform>містить %n програм</numerusform>
        </translation>
    </message>
    <message>
        <source>its favourite entry passes to the kept one</source>
        <translation>її запис в обраному переходить до залишеної</translation>
    </message>
    <message numerus="yes">
        <source>its %n favourite entries pass to the kept one</source>
        <translation>
            <numerusform>її %n запис в обраному переходить до залишеної</numerusform>
            <numerusform>її %n записи в обраному переходять до залишеної</numerusform>
            <numerusform>її %n записів в обраному переходять до залишеної</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>вилучено 1 транспондер</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders removed</source>
        <translation>
            <numerusform>вилучено %n транспондер</numerusform>
            <numerusform>вилучено %n транспондери</numerusform>
            <numerusform>вилучено %n транспондерів</numerusform>
        </translation>
    </message>
    <message>
        <source>1 program removed</source>
        <translation>вилучено 1 програму</translation>
    </message>
    <message numerus="yes">
        <source>%n programs removed</source>
        <translation>
            <numerusform>вилучено %n програму</numerusform>
            <numerusform>вилучено %n програми</numerusform>
            <numerusform>вилучено %n програм</numerusform>
        </translation>
    </message>
    <message>
        <source>1 program moved</source>
        <translation>переміщено 1 програму</translation>
    </message>
    <message numerus="yes">
        <source>%n programs moved</source>
        <translation>
            <numerusform>переміщено %n програму</numerusform>
            <numerusform>переміщено %n програми</numerusform>
            <numerusform>переміщено %n програм</numerusform>
        </translation>
    </message>
    <message>
        <source>1 favourite entry merged</source>
        <translation>об&apos;єднано 1 запис обраного</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite entries merged</source>
        <translation>
            <numerusform>об&apos;єднано %n запис обраного</numerusform>
            <numerusform>об&apos;єднано %n записи обраного</numerusform>
            <numerusform>об&apos;єднано %n записів обраного</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kvx::CDlgSelectModel</name>
    <message>
        <source>For &amp;Satellite Only</source>
        <translation>Лише для &amp;супутника</translation>
    </message>
    <message>
        <source>For Combo (Satellite + Terrestrial)</source>
        <translation>Для комбо (супутник + ефір)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgTransponderList</name>
    <message>
        <source>Remove outdated TPs</source>
        <translation>Видалити застарілі TP</translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation>Сортувати за частотою</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Мережа: %1</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
</context>
<context>
    <name>kvx::CEditBar</name>
    <message>
        <source>Network</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Порожньо</translation>
    </message>
</context>
<context>
    <name>kvx::CHelpWindow</name>
    <message>
        <source>KVXEdit Help</source>
        <translation>Довідка KVXEdit</translation>
    </message>
    <message>
        <source>The user guide is missing from this build.</source>
        <translation>У цій збірці немає посібника користувача.</translation>
    </message>
</context>
<context>
    <name>kvx::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Супутник</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Транспондер</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Програма</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Name Encoding</source>
        <translation>&amp;Кодування назв</translation>
    </message>
    <message>
        <source>Choose the code page of the names in the database</source>
        <translation>Вибрати кодову сторінку назв у базі</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <source>Choose the language of the menus and dialogs</source>
        <translation>Вибрати мову меню й діалогів</translation>
    </message>
    <message>
        <source>The new language is used from the next start of KVXEdit.</source>
        <translation>Нова мова діятиме після наступного запуску KVXEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель інструментів</translation>
    </message>
    <message>
        <source>Opens this file</source>
        <translation>Відкриває цей файл</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was removed from the list of recent files.</source>
        <translation>%1 більше не існує. Файл вилучено зі списку останніх файлів.</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Системна</translation>
    </message>
</context>
<context>
    <name>kvx::CProgressBar</name>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>kvx::ChannelListModel</name>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Обране</translation>
    </message>
</context>
<context>
    <name>kvx::NetworkPage</name>
    <message>
        <source>The layout of this file has no room for skew angles.</source>
        <translation>У структурі цього файлу немає місця для кутів нахилу.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Є</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Назва</translation>
    </message>
    <message>
        <source> Degree</source>
        <translation> Градус</translation>
    </message>
    <message>
        <source> LNB Type</source>
        <translation> Тип LNB</translation>
    </message>
    <message>
        <source> LNB Freq</source>
        <translation> Частота LNB</translation>
    </message>
    <message>
        <source> LNB Freq H</source>
        <translation> Частота LNB H</translation>
    </message>
    <message>
        <source> LNB Power/Switch</source>
        <translation> Живлення LNB/перемикання</translation>
    </message>
    <message>
        <source> 22Khz Switch</source>
        <translation> Перемикач 22 кГц</translation>
    </message>
    <message>
        <source> 12V Switch</source>
        <translation> Перемикач 12 В</translation>
    </message>
    <message>
        <source> DiSEqC Switch Level</source>
        <translation> Рівень DiSEqC-перемикача</translation>
    </message>
    <message>
        <source> DiSEqC Switch 1.0</source>
        <translation> DiSEqC-перемикач 1.0</translation>
    </message>
    <message>
        <source> DiSEqC Switch 1.1</source>
        <translation> DiSEqC-перемикач 1.1</translation>
    </message>
    <message>
        <source> DiSEqC Positioner Level</source>
        <translation> Рівень DiSEqC-позиціонера</translation>
    </message>
    <message>
        <source> DiSEqC Positioner ID</source>
        <translation> ID DiSEqC-позиціонера</translation>
    </message>
    <message>
        <source> Skew Controller</source>
        <translation> Регулятор нахилу</translation>
    </message>
    <message>
        <source> Skew Angle V</source>
        <translation> Кут нахилу V</translation>
    </message>
    <message>
        <source> Skew Angle H</source>
        <translation> Кут нахилу H</translation>
    </message>
</context>
<context>
    <name>kvx::ProgramPage</name>
    <message>
        <source>TV</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радіо</translation>
    </message>
    <message>
        <source>Subt</source>
        <translation>Субт.</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодований</translation>
    </message>
    <message>
        <source>More Audio...</source>
        <translation>Більше аудіо...</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Назва</translation>
    </message>
    <message>
        <source> Service ID</source>
        <translation> Service ID</translation>
    </message>
    <message>
        <source> Service Type</source>
        <translation> Тип служби</translation>
    </message>
    <message>
        <source> PMT PID</source>
        <translation> PMT PID</translation>
    </message>
    <message>
        <source> PCR PID</source>
        <translation> PCR PID</translation>
    </message>
    <message>
        <source> Video PID</source>
        <translation> PID відео</translation>
    </message>
    <message>
        <source> Audio PID</source>
        <translation> PID аудіо</translation>
    </message>
    <message>
        <source> Teletext PID</source>
        <translation> PID телетексту</translation>
    </message>
    <message>
        <source> CA</source>
        <translation> CA</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокування</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Не оновлювати за Service ID</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Не оновлювати назву</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Не оновлювати PID відео/аудіо</translation>
    </message>
</context>
<context>
    <name>kvx::TransponderPage</name>
    <message>
        <source>The layout of this file has no room for transponder names.</source>
        <translation>У структурі цього файлу немає місця для назв транспондерів.</translation>
    </message>
    <message>
        <source>Vert</source>
        <translation>Верт.</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>Гориз.</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Колова права</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Колова ліва</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Пілот</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Назва</translation>
    </message>
    <message>
        <source> Frequency</source>
        <translation> Частота</translation>
    </message>
    <message>
        <source> Symbol Rate</source>
        <translation> Симв. швидкість</translation>
    </message>
    <message>
        <source> Polarity</source>
        <translation> Поляризація</translation>
    </message>
    <message>
        <source> Transmission</source>
        <translation> Передавання</translation>
    </message>
    <message>
        <source> FEC</source>
        <translation> FEC</translation>
    </message>
    <message>
        <source> Freq Drift</source>
        <translation> Дрейф частоти</translation>
    </message>
    <message>
        <source> GMT Error</source>
        <translation> Зсув GMT</translation>
    </message>
    <message>
        <source> Bandwidth</source>
        <translation> Смуга</translation>
    </message>
</context>
</TS>
