<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CChildView</name>
    <message>
        <source>The file&apos;s compressed data is damaged (checksum mismatch). Open it anyway?</source>
        <translation>Сжатые данные файла повреждены (неверная контрольная сумма). Всё равно открыть?</translation>
    </message>
    <message>
        <source>Reference lists (*.kvx *.ckvx *.csv)</source>
        <translation>Эталонные списки (*.kvx *.ckvx *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>All Network Database File (*.KVX *.CKVX)</source>
        <translation>Все файлы баз каналов (*.KVX *.CKVX)</translation>
    </message>
    <message>
        <source>All file (*)</source>
        <translation>Все файлы (*)</translation>
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
        <translation>Файл базы каналов (*.KVX)</translation>
    </message>
    <message>
        <source>Compressed Network Database File (*.CKVX)</source>
        <translation>Сжатый файл базы каналов (*.CKVX)</translation>
    </message>
</context>
<context>
    <name>CKVXEditApp</name>
    <message>
        <source>Edit the channel databases of digital TV receivers: KVX and CKVX files.</source>
        <translation>Редактирование баз каналов цифровых ТВ-ресиверов: файлы KVX и CKVX.</translation>
    </message>
    <message>
        <source>The KVX or CKVX file to open.</source>
        <translation>Открываемый файл KVX или CKVX.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Создать...</translation>
    </message>
    <message>
        <source>Creates a new KVX file
New</source>
        <translation>Создаёт новый файл KVX
Создать</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Opens an existing KVX file
Open</source>
        <translation>Открывает существующий файл KVX
Открыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Closes the KVX file
Close</source>
        <translation>Закрывает файл KVX
Закрыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Saves the KVX file
Save</source>
        <translation>Сохраняет файл KVX
Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Saves the KVX file with a new name
Save As</source>
        <translation>Сохраняет файл KVX под новым именем
Сохранить как</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print all or parts of the KVX file
Print</source>
        <translation>Печать всего файла KVX или его части
Печать</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Пред&amp;варительный просмотр</translation>
    </message>
    <message>
        <source>Shows the printed report page by page
Print Preview</source>
        <translation>Показывает печатный отчёт постранично
Предварительный просмотр</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>&amp;Экспорт списка каналов...</translation>
    </message>
    <message>
        <source>Writes the channel list as a CSV or HTML file
Export Channel List</source>
        <translation>Записывает список каналов в файл CSV или HTML
Экспорт списка каналов</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>Отменить последнее изменение
Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Redo the change undone last
Redo</source>
        <translation>Повторить последнее отменённое изменение
Повторить</translation>
    </message>
    <message>
        <source>&amp;Apply Reference List...</source>
        <translation>Применить &amp;эталонный список...</translation>
    </message>
    <message>
        <source>Give the channels the numbers and favourite groups of an old channel list
Apply Reference List</source>
        <translation>Присвоить каналам номера и группы избранного из старого списка каналов
Применить эталонный список</translation>
    </message>
    <message>
        <source>&amp;Check Database...</source>
        <translation>Проверить &amp;базу...</translation>
    </message>
    <message>
        <source>Find duplicate, empty and orphaned records and review their clean-up
Check Database</source>
        <translation>Найти повторяющиеся, пустые и потерянные записи и просмотреть их очистку
Проверить базу</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>&amp;Дата изменения...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Показать или изменить дату последнего изменения</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the KVX file
Exit</source>
        <translation>Завершить работу программы; предлагает сохранить файл KVX
Выход</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>&amp;Панель правки</translation>
    </message>
    <message>
        <source>Show or hide the edit bar
Toggle EditBar</source>
        <translation>Показать или скрыть панель правки
Панель правки</translation>
    </message>
    <message>
        <source>&amp;Channel List</source>
        <translation>&amp;Список каналов</translation>
    </message>
    <message>
        <source>Show the channel list
Ch List</source>
        <translation>Показать список каналов
Список каналов</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Панель &amp;инструментов</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Показать или скрыть панель инструментов
Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Строка с&amp;остояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Показать или скрыть строку состояния
Строка состояния</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>Импорт &amp;SATCODX</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file
SATCODX</source>
        <translation>Загрузить выбранный спутник из файла SATCODX
SATCODX</translation>
    </message>
    <message>
        <source>Update from &amp;Lyngsat</source>
        <translation>Обновить с &amp;Lyngsat</translation>
    </message>
    <message>
        <source>Load the selected satellite from Lyngsat site
LYNGSAT</source>
        <translation>Загрузить выбранный спутник с сайта Lyngsat
LYNGSAT</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>Сортировать по &amp;градусам</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree
Sort by Degree</source>
        <translation>Сортировать список спутников по градусам
Сортировать по градусам</translation>
    </message>
    <message>
        <source>TP Sort by &amp;Frequency in Network</source>
        <translation>Сортировать TP сети по &amp;частоте</translation>
    </message>
    <message>
        <source>Sort the transponder list by frequency
Sort by Frequency</source>
        <translation>Сортировать список транспондеров по частоте
Сортировать по частоте</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Add a new transponder
Add Tp(Shift + Insert)</source>
        <translation>Добавить новый транспондер
Добавить TP (Shift + Insert)</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Удалить выбранное</translation>
    </message>
    <message>
        <source>Delete the selected transponder
Delete Tp(Shift + Delete)</source>
        <translation>Удалить выбранный транспондер
Удалить TP (Shift + Delete)</translation>
    </message>
    <message>
        <source>Delete All in &amp;Network</source>
        <translation>Удалить все в &amp;сети</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network
Delete All Tps in Net</source>
        <translation>Удалить все транспондеры выбранной сети
Удалить все TP сети</translation>
    </message>
    <message>
        <source>Add a new program
Add Prog(Shift + Insert)</source>
        <translation>Добавить новую программу
Добавить программу (Shift + Insert)</translation>
    </message>
    <message>
        <source>Delete the selected program
Delete Prog(Shift + Delete)</source>
        <translation>Удалить выбранную программу
Удалить программу (Shift + Delete)</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Удалить все в &amp;транспондере</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder
Delete Progs In Tp</source>
        <translation>Удалить все программы выбранного транспондера
Удалить программы TP</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network
Delete Progs In Net</source>
        <translation>Удалить все программы выбранной сети
Удалить программы сети</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Move program
Move up(Shift + Up)</source>
        <translation>Переместить программу
Вверх (Shift + Вверх)</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Move program
Move down(Shift + Down)</source>
        <translation>Переместить программу
Вниз (Shift + Вниз)</translation>
    </message>
    <message>
        <source>Mark &amp;Scrambled</source>
        <translation>Пометить как &amp;закодированные</translation>
    </message>
    <message>
        <source>Mark the selected programs scrambled (an unknown CA system)
Mark Scrambled</source>
        <translation>Пометить выбранные программы как закодированные (неизвестная система CA)
Пометить как закодированные</translation>
    </message>
    <message>
        <source>&amp;Clear Scrambled</source>
        <translation>Сн&amp;ять кодирование</translation>
    </message>
    <message>
        <source>Clear the CA systems of the selected programs, so they are free to air
Clear Scrambled</source>
        <translation>Очистить системы CA выбранных программ, чтобы они стали открытыми
Снять кодирование</translation>
    </message>
    <message>
        <source>Delete Network</source>
        <translation>Удалить сеть</translation>
    </message>
    <message>
        <source>Delete the selected network with its transponders and programs
Delete Network</source>
        <translation>Удалить выбранную сеть с её транспондерами и программами
Удалить сеть</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>KVXEdit &amp;Help</source>
        <translation>&amp;Справка KVXEdit</translation>
    </message>
    <message>
        <source>Show the user guide
Help</source>
        <translation>Показать руководство пользователя
Справка</translation>
    </message>
    <message>
        <source>&amp;About KVXEdit...</source>
        <translation>&amp;О программе KVXEdit...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Показать сведения о программе, номер версии и авторские права
О программе</translation>
    </message>
    <message>
        <source>Update from &amp;LyngSat</source>
        <translation>Обновить с &amp;LyngSat</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Добавить транспондер</translation>
    </message>
    <message>
        <source>Delete All Transponder in Network</source>
        <translation>Удалить все транспондеры сети</translation>
    </message>
    <message>
        <source>Delete All Program in Network</source>
        <translation>Удалить все программы сети</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Удалить транспондер</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Добавить программу</translation>
    </message>
    <message>
        <source>Delete All Program in Transponder</source>
        <translation>Удалить все программы транспондера</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Удалить программу</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Добавить в &amp;группу избранного</translation>
    </message>
    <message>
        <source>&amp;Remove from Favourite Group</source>
        <translation>Убрать из г&amp;руппы избранного</translation>
    </message>
    <message>
        <source>Export sa&amp;tellites.xml...</source>
        <translation>Экспо&amp;рт satellites.xml...</translation>
    </message>
    <message>
        <source>Writes the satellites and their transponders as a satellites.xml file
Export satellites.xml</source>
        <translation>Записывает спутники и их транспондеры в файл satellites.xml
Экспорт satellites.xml</translation>
    </message>
    <message>
        <source>Update from Scan &amp;Table...</source>
        <translation>Обновить из &amp;таблицы сканирования...</translation>
    </message>
    <message>
        <source>Load the selected network&apos;s transponders from a scan table of the system
Scan Table</source>
        <translation>Загрузить транспондеры выбранной сети из системной таблицы сканирования
Таблица сканирования</translation>
    </message>
    <message>
        <source>Import satellites.&amp;xml...</source>
        <translation>Импорт satellites.&amp;xml...</translation>
    </message>
    <message>
        <source>Load the selected satellite from a satellites.xml file
satellites.xml</source>
        <translation>Загрузить выбранный спутник из файла satellites.xml
satellites.xml</translation>
    </message>
</context>
<context>
    <name>DeleteQuestion</name>
    <message>
        <source>1 program</source>
        <translation>1 программа</translation>
    </message>
    <message numerus="yes">
        <source>%n programs</source>
        <translation>
            <numerusform>%n программа</numerusform>
            <numerusform>%n программы</numerusform>
            <numerusform>%n программ</numerusform>
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
            <numerusform>%n транспондера</numerusform>
            <numerusform>%n транспондеров</numerusform>
        </translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>all %1</source>
        <translation>все %1</translation>
    </message>
    <message>
        <source>Delete the network %1?</source>
        <translation>Удалить сеть %1?</translation>
    </message>
    <message>
        <source>Delete the network %1 with its %2 and %3?</source>
        <translation>Удалить сеть %1? В ней: %2, %3.</translation>
    </message>
    <message>
        <source>Delete the transponder %1?</source>
        <translation>Удалить транспондер %1?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 and its %2?</source>
        <translation>Удалить транспондер %1 и его программы (%2)?</translation>
    </message>
    <message>
        <source>Delete the program %1?</source>
        <translation>Удалить программу %1?</translation>
    </message>
    <message>
        <source>Delete %1 in the network %2?</source>
        <translation>Удалить %1 в сети %2?</translation>
    </message>
    <message>
        <source>Delete %1 in the network %2 and their %3?</source>
        <translation>Удалить %1 в сети %2 и их программы (%3)?</translation>
    </message>
    <message>
        <source>Delete %1 in the transponder %2?</source>
        <translation>Удалить %1 в транспондере %2?</translation>
    </message>
</context>
<context>
    <name>EditApplier</name>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Часть параметров сети изменена.
Применить изменения?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Часть настроек антенны изменена.
Применить изменения?</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Часть параметров транспондера изменена.
Применить изменения?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Часть параметров программы изменена.
Применить изменения?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Недопустимая частота или символьная скорость
Исправьте ошибки или удалите транспондер</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Waiting for import SATCODE file</source>
        <translation>Ожидание импорта файла SATCODX</translation>
    </message>
    <message>
        <source>No transponders were found in the file</source>
        <translation>В файле не найдено транспондеров</translation>
    </message>
    <message>
        <source>The transponder list is full; the remaining transponders were not added.</source>
        <translation>Список транспондеров заполнен; остальные транспондеры не добавлены.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>(No name)</source>
        <translation>(Без имени)</translation>
    </message>
</context>
<context>
    <name>LyngSatUpdater</name>
    <message>
        <source>Please setting a bandwidth and webpage for update</source>
        <translation>Укажите диапазон и веб-страницу для обновления</translation>
    </message>
    <message>
        <source>Waiting for the server to respond to a request</source>
        <translation>Ожидание ответа сервера на запрос</translation>
    </message>
    <message>
        <source>No network connection could be established</source>
        <translation>Не удалось установить сетевое соединение</translation>
    </message>
    <message>
        <source>Successfully connected to the server</source>
        <translation>Соединение с сервером установлено</translation>
    </message>
    <message>
        <source>The webpage was not found</source>
        <translation>Веб-страница не найдена</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>Не удалось подключиться к серверу.</translation>
    </message>
    <message>
        <source>File Download Error!
The webpage was not found.</source>
        <translation>Ошибка загрузки файла!
Веб-страница не найдена.</translation>
    </message>
    <message>
        <source>Can`t found download file.</source>
        <translation>Загруженный файл не найден.</translation>
    </message>
    <message>
        <source>Can`t Open temp file.</source>
        <translation>Не удалось открыть временный файл.</translation>
    </message>
    <message>
        <source>The download was cancelled.
Nothing was changed.</source>
        <translation>Загрузка отменена.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The server did not send the page within %1.
Nothing was changed.</source>
        <translation>Сервер не прислал страницу за %1.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The server sent nothing for %1; the download was stopped.
Nothing was changed.</source>
        <translation>Сервер ничего не присылал %1; загрузка остановлена.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The webpage was not found (404).
Nothing was changed.</source>
        <translation>Веб-страница не найдена (404).
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The server answered %1.
Nothing was changed.</source>
        <translation>Сервер ответил: %1.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The server redirected the download again and again without sending the page.
Nothing was changed.</source>
        <translation>Сервер перенаправлял загрузку снова и снова, не присылая страницу.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The server redirected the download to another site (%1); only redirects within %2 are followed.
Nothing was changed.</source>
        <translation>Сервер перенаправил загрузку на другой сайт (%1); учитываются только перенаправления в пределах %2.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The server %1 could not be reached.
Nothing was changed.</source>
        <translation>Сервер %1 недоступен.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The file is too large to be a LyngSat page.
Nothing was changed.</source>
        <translation>Файл слишком велик для страницы LyngSat.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 секунду</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунду</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>No transponders were found on the page</source>
        <translation>На странице не найдено транспондеров</translation>
    </message>
    <message>
        <source>1 DVB-S2 row (&quot;Include DVB-S2&quot; is off)</source>
        <translation>1 строка DVB-S2 («Включая DVB-S2» выключено)</translation>
    </message>
    <message numerus="yes">
        <source>%n DVB-S2 rows (&quot;Include DVB-S2&quot; is off)</source>
        <translation>
            <numerusform>%n строка DVB-S2 («Включая DVB-S2» выключено)</numerusform>
            <numerusform>%n строки DVB-S2 («Включая DVB-S2» выключено)</numerusform>
            <numerusform>%n строк DVB-S2 («Включая DVB-S2» выключено)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 HD row (&quot;Include HD&quot; is off)</source>
        <translation>1 строка HD («Включая HD» выключено)</translation>
    </message>
    <message numerus="yes">
        <source>%n HD rows (&quot;Include HD&quot; is off)</source>
        <translation>
            <numerusform>%n строка HD («Включая HD» выключено)</numerusform>
            <numerusform>%n строки HD («Включая HD» выключено)</numerusform>
            <numerusform>%n строк HD («Включая HD» выключено)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 feed (&quot;Include Feeds&quot; is off)</source>
        <translation>1 фид («Включая фиды» выключено)</translation>
    </message>
    <message numerus="yes">
        <source>%n feeds (&quot;Include Feeds&quot; is off)</source>
        <translation>
            <numerusform>%n фид («Включая фиды» выключено)</numerusform>
            <numerusform>%n фида («Включая фиды» выключено)</numerusform>
            <numerusform>%n фидов («Включая фиды» выключено)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 row outside the chosen band</source>
        <translation>1 строка вне выбранного диапазона</translation>
    </message>
    <message numerus="yes">
        <source>%n rows outside the chosen band</source>
        <translation>
            <numerusform>%n строка вне выбранного диапазона</numerusform>
            <numerusform>%n строки вне выбранного диапазона</numerusform>
            <numerusform>%n строк вне выбранного диапазона</numerusform>
        </translation>
    </message>
    <message>
        <source>No transponders were found on the page.
1 row was left out by the options: %1.</source>
        <translation>На странице не найдено транспондеров.
Параметры исключили 1 строку: %1.</translation>
    </message>
    <message numerus="yes">
        <source>No transponders were found on the page.
%n rows were left out by the options: %1.</source>
        <translation>
            <numerusform>На странице не найдено транспондеров.
Параметры исключили %n строку: %1.</numerusform>
            <numerusform>На странице не найдено транспондеров.
Параметры исключили %n строки: %1.</numerusform>
            <numerusform>На странице не найдено транспондеров.
Параметры исключили %n строк: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameCheck</name>
    <message>
        <source>The name &quot;%1&quot; cannot be stored: %2 has no %3.
Change the name or choose another name encoding.</source>
        <translation>Имя «%1» нельзя сохранить: в %2 нет символов %3.
Измените имя или выберите другую кодировку имён.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has characters that %2 cannot hold.
Store it as a Cyrillic name (ISO 8859-5)?</source>
        <translation>В имени «%1» есть символы, которых нет в %2.
Сохранить его как кириллическое имя (ISO 8859-5)?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>The file is too large to be a SATCODX file.</source>
        <translation>Файл слишком велик для файла SATCODX.</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Импорт SATCODX</translation>
    </message>
    <message>
        <source>The network already holds every transponder of the file; nothing was changed</source>
        <translation>В сети уже есть все транспондеры файла; ничего не изменено</translation>
    </message>
    <message>
        <source>Downloading %1: %2</source>
        <translation>Загрузка %1: %2</translation>
    </message>
    <message>
        <source>Update from LyngSat</source>
        <translation>Обновление с LyngSat</translation>
    </message>
    <message>
        <source>The network already matches the page; nothing was changed</source>
        <translation>Сеть уже соответствует странице; ничего не изменено</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Modified %1-%2-%3</source>
        <translation>Изменено %1-%2-%3</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>The database holds no networks.</source>
        <translation>В базе нет сетей.</translation>
    </message>
    <message>
        <source>Terrestrial network</source>
        <translation>Эфирная сеть</translation>
    </message>
    <message>
        <source>Position %1</source>
        <translation>Позиция %1</translation>
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
            <numerusform>%n транспондера</numerusform>
            <numerusform>%n транспондеров</numerusform>
        </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
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
        <translation>Закодирован</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Laying out the report</source>
        <translation>Вёрстка отчёта</translation>
    </message>
    <message>
        <source>Drawing the pages</source>
        <translation>Отрисовка страниц</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Downloading %1
%2</source>
        <translation>Загрузка %1
%2</translation>
    </message>
    <message>
        <source>%1 of %2 received</source>
        <translation>Получено %1 из %2</translation>
    </message>
    <message>
        <source>%1 received</source>
        <translation>Получено %1</translation>
    </message>
    <message>
        <source>%1 MHz &amp;middot; %2 MHz bandwidth &amp;middot; DVB-T</source>
        <translation>%1 МГц &amp;middot; полоса %2 МГц &amp;middot; DVB-T</translation>
    </message>
    <message>
        <source>The list holds no transponder of this kind of network.</source>
        <translation>Список не содержит транспондеров для сети этого вида.</translation>
    </message>
    <message>
        <source>The list holds no transponder.</source>
        <translation>Список не содержит транспондеров.</translation>
    </message>
    <message>
        <source>The network already matches the list; nothing was changed</source>
        <translation>Сеть уже соответствует списку; ничего не изменено</translation>
    </message>
    <message>
        <source>Update from Scan Table</source>
        <translation>Обновление из таблицы сканирования</translation>
    </message>
    <message>
        <source>The file is too large to be a scan table.</source>
        <translation>Файл слишком велик для таблицы сканирования.</translation>
    </message>
    <message>
        <source>satellites.xml (*.xml)</source>
        <translation>satellites.xml (*.xml)</translation>
    </message>
    <message>
        <source>All file (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The file is too large to be a satellites.xml file.</source>
        <translation>Файл слишком велик для файла satellites.xml.</translation>
    </message>
    <message>
        <source>The file holds no &lt;sat&gt; element.</source>
        <translation>В файле нет элемента &lt;sat&gt;.</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>Импорт satellites.xml</translation>
    </message>
    <message>
        <source>No scan tables were found in %1. The package dtv-scan-tables provides them.</source>
        <translation>В %1 не найдено таблиц сканирования. Их содержит пакет dtv-scan-tables.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>the number &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>номер «%1» не является числом от %2 до %3</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>частота «%1» не является числом от %2 до %3</translation>
    </message>
    <message>
        <source>the service ID &quot;%1&quot; is not a number from %2 to %3</source>
        <translation>Service ID «%1» не является числом от %2 до %3</translation>
    </message>
    <message>
        <source>the type &quot;%1&quot; is neither TV nor Radio</source>
        <translation>тип «%1» не TV и не Radio</translation>
    </message>
    <message>
        <source>the polarity &quot;%1&quot; is not V, H, R or L</source>
        <translation>поляризация «%1» не V, H, R или L</translation>
    </message>
    <message>
        <source>no favourite group is left for &quot;%1&quot;</source>
        <translation>для «%1» не осталось свободной группы избранного</translation>
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
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Файл повреждён</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Не удалось создать файл</translation>
    </message>
    <message>
        <source>Invalid KVX format</source>
        <translation>Недопустимый формат KVX</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Неверная контрольная сумма</translation>
    </message>
    <message>
        <source>KVX Version not supported</source>
        <translation>Версия KVX не поддерживается</translation>
    </message>
    <message>
        <source>The database is too large for a KVX file</source>
        <translation>База слишком велика для файла KVX</translation>
    </message>
    <message>
        <source>This is a folder, not a file</source>
        <translation>Это папка, а не файл</translation>
    </message>
    <message>
        <source>This is a FIFO (named pipe), not a file</source>
        <translation>Это FIFO (именованный канал), а не файл</translation>
    </message>
    <message>
        <source>This is a device, not a file</source>
        <translation>Это устройство, а не файл</translation>
    </message>
    <message>
        <source>This is a socket, not a file</source>
        <translation>Это сокет, а не файл</translation>
    </message>
    <message>
        <source>The file&apos;s compressed data is damaged (checksum mismatch)</source>
        <translation>Сжатые данные файла повреждены (неверная контрольная сумма)</translation>
    </message>
    <message>
        <source>The file&apos;s compressed data is damaged or truncated</source>
        <translation>Сжатые данные файла повреждены или обрезаны</translation>
    </message>
    <message>
        <source>The database has changed since its changes were listed; nothing was changed</source>
        <translation>База изменилась после составления списка изменений; ничего не изменено</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>ОБА</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>ВКЛ (авто)</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Одиночный</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Универсальный</translation>
    </message>
</context>
<context>
    <name>kvx::CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1, версия %2</translation>
    </message>
</context>
<context>
    <name>kvx::CChildView</name>
    <message>
        <source>Channel List</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (изменён)</translation>
    </message>
    <message>
        <source>The file was changed by another program. Overwrite it?</source>
        <translation>Файл был изменён другой программой. Перезаписать его?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Network Changes</source>
        <translation>Изменения сети</translation>
    </message>
    <message>
        <source>Transponder Changes</source>
        <translation>Изменения транспондера</translation>
    </message>
    <message>
        <source>Program Changes</source>
        <translation>Изменения программы</translation>
    </message>
    <message>
        <source>Encountered an improper argument.</source>
        <translation>Обнаружен недопустимый аргумент.</translation>
    </message>
    <message>
        <source>%1 (and %2 more)</source>
        <translation>%1 (и ещё %2)</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Перемещение</translation>
    </message>
    <message>
        <source>The database has no duplicates or empty records.</source>
        <translation>В базе нет повторов и пустых записей.</translation>
    </message>
    <message>
        <source>Check Database</source>
        <translation>Проверка базы</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Импорт SATCODX</translation>
    </message>
    <message>
        <source>Update from LyngSat</source>
        <translation>Обновление с LyngSat</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n programs?</source>
        <translation>
            <numerusform>Удалить %n программу?</numerusform>
            <numerusform>Удалить %n программы?</numerusform>
            <numerusform>Удалить %n программ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their programs?</source>
        <translation>
            <numerusform>Удалить %n транспондер и его программы?</numerusform>
            <numerusform>Удалить %n транспондера и их программы?</numerusform>
            <numerusform>Удалить %n транспондеров и их программы?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Удаление программ</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Удаление транспондеров</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>Не удалось открыть принтер.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>Rows left out:</source>
        <translation>Пропущенные строки:</translation>
    </message>
    <message>
        <source>The reference list changes nothing.</source>
        <translation>Эталонный список ничего не меняет.</translation>
    </message>
    <message>
        <source>Apply Reference List</source>
        <translation>Применение эталонного списка</translation>
    </message>
    <message>
        <source>Add to Favourite Group</source>
        <translation>Добавление в группу избранного</translation>
    </message>
    <message>
        <source>Remove from Favourite Group</source>
        <translation>Удаление из группы избранного</translation>
    </message>
    <message>
        <source>Mark Scrambled</source>
        <translation>Пометка кодирования</translation>
    </message>
    <message>
        <source>Clear Scrambled</source>
        <translation>Снятие кодирования</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Сортировка по частоте</translation>
    </message>
    <message numerus="yes">
        <source>Delete all %n programs in %1 networks?</source>
        <translation>
            <numerusform>Удалить все программы (%n) в сетях (%1)?</numerusform>
            <numerusform>Удалить все программы (%n) в сетях (%1)?</numerusform>
            <numerusform>Удалить все программы (%n) в сетях (%1)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete all %1 transponders and %2 programs in %3 networks?</source>
        <translation>Удалить все транспондеры (%1) и программы (%2) в сетях (%3)?</translation>
    </message>
    <message>
        <source>Delete All Programs in Network</source>
        <translation>Удаление всех программ сети</translation>
    </message>
    <message>
        <source>Delete All Transponders in Network</source>
        <translation>Удаление всех транспондеров сети</translation>
    </message>
    <message>
        <source>Modification Date</source>
        <translation>Дата изменения</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Сортировка по градусам</translation>
    </message>
    <message>
        <source>Delete Network</source>
        <translation>Удалить сеть</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Добавить транспондер</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Удалить транспондер</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Добавить программу</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Удалить программу</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Удаление всех программ транспондера</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>The change could not be undone.</source>
        <translation>Изменение не удалось отменить.</translation>
    </message>
    <message>
        <source>Update from Scan Table</source>
        <translation>Обновление из таблицы сканирования</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>Импорт satellites.xml</translation>
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
        <translation>Аудио</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>Недопустимый PID</translation>
    </message>
    <message>
        <source>The audio list is full: a program can have at most 255 audio tracks.</source>
        <translation>Список аудио заполнен: у программы может быть не больше 255 звуковых дорожек.</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgChList</name>
    <message>
        <source>Channel List</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>How to use...</source>
        <translation>Как пользоваться...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>By Name</source>
        <translation>По имени</translation>
    </message>
    <message>
        <source>By Network and Frequency</source>
        <translation>По сети и частоте</translation>
    </message>
    <message>
        <source>By Service ID</source>
        <translation>По Service ID</translation>
    </message>
    <message>
        <source>Scrambled Last</source>
        <translation>Закодированные в конце</translation>
    </message>
    <message>
        <source>Sorts the selected channels, or all channels shown when at most one is selected</source>
        <translation>Сортирует выбранные каналы или, если выбрано не больше одного, все показанные</translation>
    </message>
    <message>
        <source>Move to Number...</source>
        <translation>Переместить на номер...</translation>
    </message>
    <message>
        <source>Moves the selected channels to a channel number (%1)</source>
        <translation>Перемещает выбранные каналы на номер канала (%1)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Channel Group</source>
        <translation>Группа каналов</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Все спутники</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n канал</numerusform>
            <numerusform>%n канала</numerusform>
            <numerusform>%n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels, %1 selected</source>
        <translation>
            <numerusform>%n канал, выбрано %1</numerusform>
            <numerusform>%n канала, выбрано %1</numerusform>
            <numerusform>%n каналов, выбрано %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Список каналов (изменён)</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Перемещение на номер</translation>
    </message>
    <message>
        <source>Channel number (1 to %1):</source>
        <translation>Номер канала (от 1 до %1):</translation>
    </message>
    <message>
        <source>Channel number of the first of the %1 selected channels (1 to %2):</source>
        <translation>Номер первого из выбранных каналов (%1) (от 1 до %2):</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Добавить в %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Убрать из %1</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Совпадений не найдено...</translation>
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
Чтобы отсортировать список каналов

	- Щёлкните левой кнопкой мыши по заголовку столбца списка.
	- Или выберите порядок в меню «Сортировка»; если выбрано несколько каналов, сортируются только они.

Чтобы выбрать несколько каналов

	- Ctrl+щелчок добавляет или убирает один; Shift+щелчок выбирает до него; Ctrl+A выбирает все.

Чтобы переместить канал или выбранные каналы блоком

	- Перетащите канал мышью.
	- Ctrl+Вверх и Ctrl+Вниз перемещают их на одну позицию; «Переместить на номер» (Ctrl+M) — на заданный номер.

Чтобы убрать каналы из показанной группы избранного

	- Нажмите Delete.

Чтобы добавить канал в группу избранного
Чтобы убрать канал из группы избранного

	- Щёлкните правой кнопкой мыши по имени канала
</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgDate</name>
    <message>
        <source>Recent modification date</source>
        <translation>Дата последнего изменения</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Недопустимая версия</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Код региона][Версия в десятичном виде] Пример: B002</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgFavName</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Имя группы избранного</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgLyngSat</name>
    <message>
        <source>Satellite Information</source>
        <translation>Сведения о спутнике</translation>
    </message>
    <message>
        <source>C-Band</source>
        <translation>C-диапазон</translation>
    </message>
    <message>
        <source>Ku-Band</source>
        <translation>Ku-диапазон</translation>
    </message>
    <message>
        <source>Include HD</source>
        <translation>Включая HD</translation>
    </message>
    <message>
        <source>Include DVB-S2</source>
        <translation>Включая DVB-S2</translation>
    </message>
    <message>
        <source>Include Feeds</source>
        <translation>Включая фиды</translation>
    </message>
    <message>
        <source>Remove outdated TPs</source>
        <translation>Удалить устаревшие TP</translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation>Сортировать по частоте</translation>
    </message>
    <message>
        <source>Satellite Name : %1</source>
        <translation>Имя спутника: %1</translation>
    </message>
    <message>
        <source>Satellite Degree : %1</source>
        <translation>Позиция спутника: %1</translation>
    </message>
    <message>
        <source>Update Band :</source>
        <translation>Обновляемый диапазон:</translation>
    </message>
    <message>
        <source>(case sensitive)</source>
        <translation>(с учётом регистра)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgReference</name>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>TV %1, radio %2</source>
        <translation>ТВ %1, радио %2</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>добавлено: %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>удалено: %1</translation>
    </message>
    <message>
        <source>reordered</source>
        <translation>порядок изменён</translation>
    </message>
    <message>
        <source>Sure matches: %1; name matches: %2; unmatched here: %3; unmatched in the reference: %4; copied: %5</source>
        <translation>Точных совпадений: %1; совпадений по имени: %2; без пары здесь: %3; без пары в эталоне: %4; скопировано: %5</translation>
    </message>
    <message>
        <source>; new transponders: %1</source>
        <translation>; новых транспондеров: %1</translation>
    </message>
    <message>
        <source>1 row of the reference could not be read and is left out (see Rows Left Out).</source>
        <translation>1 строку эталона не удалось прочитать, она пропущена (см. «Пропущенные строки»).</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the reference could not be read and are left out (see Rows Left Out).</source>
        <translation>
            <numerusform>%n строку эталона не удалось прочитать, она пропущена (см. «Пропущенные строки»).</numerusform>
            <numerusform>%n строки эталона не удалось прочитать, они пропущены (см. «Пропущенные строки»).</numerusform>
            <numerusform>%n строк эталона не удалось прочитать, они пропущены (см. «Пропущенные строки»).</numerusform>
        </translation>
    </message>
    <message>
        <source>Apply Reference List - %1</source>
        <translation>Применение эталонного списка - %1</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Группы избранного</translation>
    </message>
    <message>
        <source>The favourite groups take the reference&apos;s names and entries</source>
        <translation>Группы избранного получают имена и записи эталона</translation>
    </message>
    <message>
        <source>Program names</source>
        <translation>Имена программ</translation>
    </message>
    <message>
        <source>The matched programs take the reference&apos;s names</source>
        <translation>Сопоставленные программы получают имена из эталона</translation>
    </message>
    <message>
        <source>Copy missing programs</source>
        <translation>Копировать недостающие программы</translation>
    </message>
    <message>
        <source>The reference&apos;s programs that match nothing here are added</source>
        <translation>Программы эталона, которым здесь нет пары, добавляются</translation>
    </message>
    <message>
        <source>Also take:</source>
        <translation>Также взять:</translation>
    </message>
    <message>
        <source>Name Matches (%1)</source>
        <translation>Совпадения по имени (%1)</translation>
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
        <translation>После</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Изменения</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Rows Left Out (%1)</source>
        <translation>Пропущенные строки (%1)</translation>
    </message>
    <message>
        <source>With these choices the reference list changes nothing.</source>
        <translation>При таком выборе эталонный список ничего не меняет.</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Reference name</source>
        <translation>Имя в эталоне</translation>
    </message>
    <message>
        <source>Moved Channels (%1)</source>
        <translation>Перемещённые каналы (%1)</translation>
    </message>
    <message>
        <source>Favourite Groups (%1)</source>
        <translation>Группы избранного (%1)</translation>
    </message>
    <message>
        <source>Renames (%1)</source>
        <translation>Переименования (%1)</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgReview</name>
    <message>
        <source>Duplicate transponder</source>
        <translation>Повторный транспондер</translation>
    </message>
    <message>
        <source>Moved program</source>
        <translation>Перемещённая программа</translation>
    </message>
    <message>
        <source>Duplicate program</source>
        <translation>Повторная программа</translation>
    </message>
    <message>
        <source>Empty transponder</source>
        <translation>Пустой транспондер</translation>
    </message>
    <message>
        <source>Zero transponder</source>
        <translation>Нулевой транспондер</translation>
    </message>
    <message>
        <source>Orphaned program</source>
        <translation>Потерянная программа</translation>
    </message>
    <message>
        <source>Repeated favourite</source>
        <translation>Повторное избранное</translation>
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
        <translation>радио</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Удалено</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Оставлено</translation>
    </message>
    <message>
        <source>; 1 change left out</source>
        <translation>; 1 изменение пропущено</translation>
    </message>
    <message numerus="yes">
        <source>; %n changes left out</source>
        <translation>
            <numerusform>; %n изменение пропущено</numerusform>
            <numerusform>; %n изменения пропущено</numerusform>
            <numerusform>; %n изменений пропущено</numerusform>
        </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Имя: %1</translation>
    </message>
    <message>
        <source>Position: %1</source>
        <translation>Позиция: %1</translation>
    </message>
    <message>
        <source>repeats row %1 of the page</source>
        <translation>повторяет строку %1 страницы</translation>
    </message>
    <message>
        <source>possible duplicate of %1 %2</source>
        <translation>возможный повтор %1 %2</translation>
    </message>
    <message>
        <source>The transponders are sorted by frequency</source>
        <translation>Транспондеры сортируются по частоте</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Обновлено</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Добавлено</translation>
    </message>
    <message>
        <source>Sorted</source>
        <translation>Отсортировано</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Символьная скорость</translation>
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
        <translation>Программы</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Все изменения</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показать:</translation>
    </message>
    <message>
        <source>With these changes the database would be too large for a KVX file; leave some of them out to apply the rest.</source>
        <translation>С этими изменениями база станет слишком большой для файла KVX; пропустите часть из них, чтобы применить остальные.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>%1 added, %2 updated, %3 removed</source>
        <translation>добавлено: %1, обновлено: %2, удалено: %3</translation>
    </message>
    <message>
        <source> (with 1 program)</source>
        <translation> (с 1 программой)</translation>
    </message>
    <message numerus="yes">
        <source> (with %n programs)</source>
        <translation>
            <numerusform> (с %n программой)</numerusform>
            <numerusform> (с %n программами)</numerusform>
            <numerusform> (с %n программами)</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 program</source>
        <translation>содержит 1 программу</translation>
    </message>
    <message numerus="yes">
        <source>holds %n programs</source>
        <translation>
            <numerusform>содержит %n программу</numerusform>
            <numerusform>содержит %n программы</numerusform>
            <numerusform>содержит %n программ</numerusform>
        </translation>
    </message>
    <message>
        <source>its favourite entry passes to the kept one</source>
        <translation>её запись в избранном переходит к оставленной</translation>
    </message>
    <message numerus="yes">
        <source>its %n favourite entries pass to the kept one</source>
        <translation>
            <numerusform>её %n запись в избранном переходит к оставленной</numerusform>
            <numerusform>её %n записи в избранном переходят к оставленной</numerusform>
            <numerusform>её %n записей в избранном переходят к оставленной</numerusform>
        </translation>
    </message>
    <message>
        <source>1 transponder removed</source>
        <translation>удалён 1 транспондер</translation>
    </message>
    <message numerus="yes">
        <source>%n transponders removed</source>
        <translation>
            <numerusform>удалён %n транспондер</numerusform>
            <numerusform>удалено %n транспондера</numerusform>
            <numerusform>удалено %n транспондеров</numerusform>
        </translation>
    </message>
    <message>
        <source>1 program removed</source>
        <translation>удалена 1 программа</translation>
    </message>
    <message numerus="yes">
        <source>%n programs removed</source>
        <translation>
            <numerusform>удалена %n программа</numerusform>
            <numerusform>удалено %n программы</numerusform>
            <numerusform>удалено %n программ</numerusform>
        </translation>
    </message>
    <message>
        <source>1 program moved</source>
        <translation>перемещена 1 программа</translation>
    </message>
    <message numerus="yes">
        <source>%n programs moved</source>
        <translation>
            <numerusform>перемещена %n программа</numerusform>
            <numerusform>перемещено %n программы</numerusform>
            <numerusform>перемещено %n программ</numerusform>
        </translation>
    </message>
    <message>
        <source>1 favourite entry merged</source>
        <translation>объединена 1 запись избранного</translation>
    </message>
    <message numerus="yes">
        <source>%n favourite entries merged</source>
        <translation>
            <numerusform>объединена %n запись избранного</numerusform>
            <numerusform>объединено %n записи избранного</numerusform>
            <numerusform>объединено %n записей избранного</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kvx::CDlgSelectModel</name>
    <message>
        <source>For &amp;Satellite Only</source>
        <translation>Только для &amp;спутника</translation>
    </message>
    <message>
        <source>For Combo (Satellite + Terrestrial)</source>
        <translation>Для комбо (спутник + эфир)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
</context>
<context>
    <name>kvx::CDlgTransponderList</name>
    <message>
        <source>Remove outdated TPs</source>
        <translation>Удалить устаревшие TP</translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation>Сортировать по частоте</translation>
    </message>
    <message>
        <source>Network: %1</source>
        <translation>Сеть: %1</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>kvx::CEditBar</name>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
</context>
<context>
    <name>kvx::CHelpWindow</name>
    <message>
        <source>KVXEdit Help</source>
        <translation>Справка KVXEdit</translation>
    </message>
    <message>
        <source>The user guide is missing from this build.</source>
        <translation>В этой сборке нет руководства пользователя.</translation>
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
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Спутник</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Транспондер</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>П&amp;рограмма</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>&amp;Name Encoding</source>
        <translation>&amp;Кодировка имён</translation>
    </message>
    <message>
        <source>Choose the code page of the names in the database</source>
        <translation>Выбрать кодовую страницу имён в базе</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Choose the language of the menus and dialogs</source>
        <translation>Выбрать язык меню и диалогов</translation>
    </message>
    <message>
        <source>The new language is used from the next start of KVXEdit.</source>
        <translation>Новый язык будет использоваться после перезапуска KVXEdit.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Opens this file</source>
        <translation>Открывает этот файл</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was removed from the list of recent files.</source>
        <translation>%1 больше не существует. Файл удалён из списка последних файлов.</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Системный</translation>
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
        <translation>Имя</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Избранное</translation>
    </message>
</context>
<context>
    <name>kvx::NetworkPage</name>
    <message>
        <source>The layout of this file has no room for skew angles.</source>
        <translation>В структуре этого файла нет места для углов скоса.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Есть</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Имя</translation>
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
        <translation> Питание LNB/переключение</translation>
    </message>
    <message>
        <source> 22Khz Switch</source>
        <translation> Переключатель 22 кГц</translation>
    </message>
    <message>
        <source> 12V Switch</source>
        <translation> Переключатель 12 В</translation>
    </message>
    <message>
        <source> DiSEqC Switch Level</source>
        <translation> Уровень DiSEqC-переключателя</translation>
    </message>
    <message>
        <source> DiSEqC Switch 1.0</source>
        <translation> DiSEqC-переключатель 1.0</translation>
    </message>
    <message>
        <source> DiSEqC Switch 1.1</source>
        <translation> DiSEqC-переключатель 1.1</translation>
    </message>
    <message>
        <source> DiSEqC Positioner Level</source>
        <translation> Уровень DiSEqC-позиционера</translation>
    </message>
    <message>
        <source> DiSEqC Positioner ID</source>
        <translation> ID DiSEqC-позиционера</translation>
    </message>
    <message>
        <source> Skew Controller</source>
        <translation> Регулятор скоса</translation>
    </message>
    <message>
        <source> Skew Angle V</source>
        <translation> Угол скоса V</translation>
    </message>
    <message>
        <source> Skew Angle H</source>
        <translation> Угол скоса H</translation>
    </message>
</context>
<context>
    <name>kvx::ProgramPage</name>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Subt</source>
        <translation>Субт.</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Закодирован</translation>
    </message>
    <message>
        <source>More Audio...</source>
        <translation>Ещё аудио...</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Имя</translation>
    </message>
    <message>
        <source> Service ID</source>
        <translation> Service ID</translation>
    </message>
    <message>
        <source> Service Type</source>
        <translation> Тип службы</translation>
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
        <translation> PID видео</translation>
    </message>
    <message>
        <source> Audio PID</source>
        <translation> PID аудио</translation>
    </message>
    <message>
        <source> Teletext PID</source>
        <translation> PID телетекста</translation>
    </message>
    <message>
        <source> CA</source>
        <translation> CA</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Не обновлять по Service ID</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Не обновлять имя</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Не обновлять PID видео/аудио</translation>
    </message>
</context>
<context>
    <name>kvx::TransponderPage</name>
    <message>
        <source>The layout of this file has no room for transponder names.</source>
        <translation>В структуре этого файла нет места для имён транспондеров.</translation>
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
        <translation>Круговая правая</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Круговая левая</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Пилот</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Имя</translation>
    </message>
    <message>
        <source> Frequency</source>
        <translation> Частота</translation>
    </message>
    <message>
        <source> Symbol Rate</source>
        <translation> Симв. скорость</translation>
    </message>
    <message>
        <source> Polarity</source>
        <translation> Поляризация</translation>
    </message>
    <message>
        <source> Transmission</source>
        <translation> Передача</translation>
    </message>
    <message>
        <source> FEC</source>
        <translation> FEC</translation>
    </message>
    <message>
        <source> Freq Drift</source>
        <translation> Дрейф частоты</translation>
    </message>
    <message>
        <source> GMT Error</source>
        <translation> Сдвиг GMT</translation>
    </message>
    <message>
        <source> Bandwidth</source>
        <translation> Полоса</translation>
    </message>
</context>
</TS>
