<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Анализ тиражей и построение графиков...</source>
      <translation>Analysing draws and building charts...</translation>
    </message>
    <message>
      <source>Обновление карты тиражей...</source>
      <translation>Updating the draws card...</translation>
    </message>
    <message>
      <source>Построение схемы выпадения номеров...</source>
      <translation>Building the layout of drawn numbers...</translation>
    </message>
    <message>
      <source>Построение статистики по дням недели...</source>
      <translation>Building statistics by day of the week...</translation>
    </message>
    <message>
      <source>Идет сбор статистики....</source>
      <translation>Collecting statistics....</translation>
    </message>
    <message>
      <source>Создание графиков...</source>
      <translation>Creating charts...</translation>
    </message>
    <message>
      <source>Суммарный профит по тиражам</source>
      <translation>Total profit by draw</translation>
    </message>
    <message>
      <source>График совпадений ставок</source>
      <translation>Stake matches chart</translation>
    </message>
    <message>
      <source>График профита ставок</source>
      <translation>Stake profit chart</translation>
    </message>
    <message>
      <source>Количество совпадений</source>
      <translation>Number of matches</translation>
    </message>
    <message>
      <source>Карта</source>
      <translation>Card</translation>
    </message>
    <message>
      <source>Схема</source>
      <translation>Layout</translation>
    </message>
    <message>
      <source>Неделя</source>
      <translation>Week</translation>
    </message>
    <message>
      <source>Ошибка чтения файла тиражей!&#13;&#13;{}</source>
      <translation>Error reading the draws file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Загрузка файла тиражей...</source>
      <translation>Loading the draws file...</translation>
    </message>
    <message>
      <source>Сохранение файла тиражей...</source>
      <translation>Saving the draws file...</translation>
    </message>
    <message>
      <source>Ошибка записи в файл тиражей!&#13;&#13;{}</source>
      <translation>Error writing to the draws file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ставки, проверенные по измененным или удаленным тиражам, снова не проверены: {}.&#13;&#13;Проверены заново по новым данным: {}.</source>
      <translation>Stakes checked against edited or deleted draws are unchecked again: {}.&#13;&#13;Checked again against the new draw data: {}.</translation>
    </message>
    <message>
      <source>Архив тиражей не может содержать более {} тиражей!</source>
      <translation>The archive of draws cannot hold more than {} draws!</translation>
    </message>
    <message>
      <source>Номер последнего тиража - наибольший возможный ({}): номер нового тиража укажите явно!</source>
      <translation>The last draw has the highest possible number ({}): enter the new draw's number explicitly!</translation>
    </message>
    <message>
      <source>Некорректный номер тиража: {}!</source>
      <translation>Invalid draw number: {}!</translation>
    </message>
    <message>
      <source>Тираж {} уже есть в архиве!</source>
      <translation>Draw {} is already in the archive!</translation>
    </message>
    <message>
      <source>Некорректная дата тиража: "{}"!</source>
      <translation>Invalid draw date: "{}"!</translation>
    </message>
    <message>
      <source>Запись со индексом {} в файле данных не найдена!</source>
      <translation>Record with index {} not found in the data file!</translation>
    </message>
    <message>
      <source>Тираж {} не найден в архиве!</source>
      <translation>Draw {} not found in the archive!</translation>
    </message>
    <message>
      <source>Удаление выделенных тиражей....</source>
      <translation>Deleting the selected draws....</translation>
    </message>
    <message>
      <source>Импорт тиражей из файла "{}"...</source>
      <translation>Importing draws from file "{}"...</translation>
    </message>
    <message>
      <source>Номер тиража:</source>
      <translation>Draw number:</translation>
    </message>
    <message>
      <source>Дата тиража:</source>
      <translation>Draw date:</translation>
    </message>
    <message>
      <source>Комбинаций: {}</source>
      <translation>Combinations: {}</translation>
    </message>
    <message>
      <source>Пропущено строк (не комбинации): {}</source>
      <translation>Lines skipped (not combinations): {}</translation>
    </message>
    <message>
      <source>Ошибка генерации файла комбинаций!&#13;&#13;{}</source>
      <translation>Error generating the combinations file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Генерация возможных комбинаций...</source>
      <translation>Generating possible combinations...</translation>
    </message>
    <message>
      <source>Загрузка файла "{}"...</source>
      <translation>Loading file "{}"...</translation>
    </message>
    <message>
      <source>Сохранение файла "{}"...</source>
      <translation>Saving file "{}"...</translation>
    </message>
    <message>
      <source>Удаление из списка комбинаций {} последних тиражей</source>
      <translation>Removing the last {} draws from the combination list</translation>
    </message>
    <message>
      <source>Последние тиражи</source>
      <translation>Last draws</translation>
    </message>
    <message>
      <source>Удаление выделенных комбинаций...</source>
      <translation>Deleting the selected combinations...</translation>
    </message>
    <message>
      <source>Выделенные комбинации</source>
      <translation>Selected combinations</translation>
    </message>
    <message>
      <source>Фильтрация комбинаций...</source>
      <translation>Filtering combinations...</translation>
    </message>
    <message>
      <source>Отмена изменений...</source>
      <translation>Undoing changes...</translation>
    </message>
    <message>
      <source>Поиск по архиву тиражей...</source>
      <translation>Searching the archive of draws...</translation>
    </message>
    <message>
      <source>Некорректное значение: {}!&#13;&#13;Укажите любое число от 1 до 9</source>
      <translation>Invalid value: {}!&#13;&#13;Enter any number from 1 to 9</translation>
    </message>
    <message>
      <source>Загрузка файла конфигурации...</source>
      <translation>Loading the configuration file...</translation>
    </message>
    <message>
      <source>Ошибка чтения файла конфигурации!&#13;&#13;{}</source>
      <translation>Error reading the configuration file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Сохранение файла конфигурации...</source>
      <translation>Saving the configuration file...</translation>
    </message>
    <message>
      <source>Ошибка записи в файл конфигурации!&#13;&#13;{}</source>
      <translation>Error writing to the configuration file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ключ автора не записан в файл конфигурации!&#13;&#13;{}</source>
      <translation>The author key was not written to the configuration file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Файл "{}" - файл данных программы, запись в него невозможна!&#13;&#13;Выберите другое имя файла.</source>
      <translation>File "{}" is one of the program's data files and cannot be written to!&#13;&#13;Choose another file name.</translation>
    </message>
    <message>
      <source>Добавлено тиражей: {}</source>
      <translation>Draws added: {}</translation>
    </message>
    <message>
      <source>&#13;Уже были в архиве: {}</source>
      <translation>&#13;Already in the archive: {}</translation>
    </message>
    <message>
      <source>&#13;Пропущено строк (не тиражи): {}</source>
      <translation>&#13;Lines skipped (not draws): {}</translation>
    </message>
    <message>
      <source>Экспорт тиражей в файл "{}"...</source>
      <translation>Exporting draws to file "{}"...</translation>
    </message>
    <message>
      <source>Файлы тиражей (*.csv)|*.csv</source>
      <translation>Draw files (*.csv)|*.csv</translation>
    </message>
    <message>
      <source>Загрузка архива тиражей...</source>
      <translation>Downloading the archive of draws...</translation>
    </message>
    <message>
      <source>Загрузка архива тиражей...&#13;&#13;{}</source>
      <translation>Downloading the archive of draws...&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Попытка {}, proxy {} : {}</source>
      <translation>Attempt {}, proxy {} : {}</translation>
    </message>
    <message>
      <source>Поиск proxy-серверов</source>
      <translation>Searching for proxy servers</translation>
    </message>
    <message>
      <source>Загрузка тиражей {} - {}...</source>
      <translation>Downloading draws {} - {}...</translation>
    </message>
    <message>
      <source>Ошибка загрузки архива тиражей с сайта: "{}"&#13;&#13;Повторить попытку?</source>
      <translation>Error downloading the archive of draws from the website: "{}"&#13;&#13;Try again?</translation>
    </message>
    <message>
      <source>Ошибка загрузки архива тиражей с сайта: "{}"</source>
      <translation>Error downloading the archive of draws from the website: "{}"</translation>
    </message>
    <message>
      <source>Некорректный адрес сайта лотереи: "{}"!</source>
      <translation>Invalid lottery website address: "{}"!</translation>
    </message>
    <message>
      <source>У последнего тиража архива (№ {}) не указана дата: невозможно определить, какие тиражи загружать!</source>
      <translation>The last draw in the archive (No. {}) has no date: cannot tell which draws to download!</translation>
    </message>
    <message>
      <source>Обновить список тиражей?&#13;&#13;Для выполнения обновления необходимо действующее подключение к сети Интернет.</source>
      <translation>Update the list of draws?&#13;&#13;The update needs a working Internet connection.</translation>
    </message>
    <message>
      <source>Архив тиражей: {}</source>
      <translation>Archive of draws: {}</translation>
    </message>
    <message>
      <source>Следующий тираж: {}</source>
      <translation>Next draw: {}</translation>
    </message>
    <message>
      <source>Тираж</source>
      <translation>Draw</translation>
    </message>
    <message>
      <source>Дата тиража</source>
      <translation>Draw date</translation>
    </message>
    <message>
      <source>Значение</source>
      <translation>Value</translation>
    </message>
    <message>
      <source>Количество</source>
      <translation>Count</translation>
    </message>
    <message>
      <source>Кол-во в %</source>
      <translation>Count %</translation>
    </message>
    <message>
      <source>Норма</source>
      <translation>Norm</translation>
    </message>
    <message>
      <source>Отклонение</source>
      <translation>Deviation</translation>
    </message>
    <message>
      <source>Откл-ие в %</source>
      <translation>Dev. %</translation>
    </message>
    <message>
      <source>Глубина</source>
      <translation>Depth</translation>
    </message>
    <message>
      <source>Глубина в %</source>
      <translation>Depth %</translation>
    </message>
    <message>
      <source>Вес</source>
      <translation>Weight</translation>
    </message>
    <message>
      <source>Посл. тираж</source>
      <translation>Last draw</translation>
    </message>
    <message>
      <source>Период min</source>
      <translation>Period min</translation>
    </message>
    <message>
      <source>Период</source>
      <translation>Period</translation>
    </message>
    <message>
      <source>Период max</source>
      <translation>Period max</translation>
    </message>
    <message>
      <source>Ожд. ПРД</source>
      <translation>Exp. PRD</translation>
    </message>
    <message>
      <source>Ожд. СТФ</source>
      <translation>Exp. STF</translation>
    </message>
    <message>
      <source>Ожд. КРН</source>
      <translation>Exp. KRN</translation>
    </message>
    <message>
      <source>Факт</source>
      <translation>Actual</translation>
    </message>
    <message>
      <source>+/- ПРД</source>
      <translation>+/- PRD</translation>
    </message>
    <message>
      <source>+/- СТФ</source>
      <translation>+/- STF</translation>
    </message>
    <message>
      <source>+/- КРН</source>
      <translation>+/- KRN</translation>
    </message>
    <message>
      <source>Фактические данные</source>
      <translation>Actual data</translation>
    </message>
    <message>
      <source>Все возможные комбинации</source>
      <translation>All possible combinations</translation>
    </message>
    <message>
      <source>Значение "{}" не найдено в таблице статистики метода {}!</source>
      <translation>Value "{}" not found in the statistics table of method {}!</translation>
    </message>
    <message>
      <source>Вы действительно хотите удалить сценарий "{}"?</source>
      <translation>Do you really want to delete scenario "{}"?</translation>
    </message>
    <message>
      <source>Загрузка online-каталога сценариев...</source>
      <translation>Loading the online scenario catalogue...</translation>
    </message>
    <message>
      <source>Ошибка загрузки каталога online-сценариев!&#13;&#13;{}</source>
      <translation>Error loading the online scenario catalogue!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Заменить текущий сценарий сценарием каталога "{}"?&#13;&#13;Строки рабочего сценария будут потеряны.</source>
      <translation>Replace the current scenario with the catalogue scenario "{}"?&#13;&#13;The lines of the working scenario will be lost.</translation>
    </message>
    <message>
      <source>Сценарий "{}" создан в другой программе и не может быть здесь использован.</source>
      <translation>Scenario "{}" was made in another program and cannot be used here.</translation>
    </message>
    <message>
      <source>Скачивание сценария из online-каталога...</source>
      <translation>Downloading the scenario from the online catalogue...</translation>
    </message>
    <message>
      <source>Сценарий слишком велик.</source>
      <translation>The scenario is too large.</translation>
    </message>
    <message>
      <source>Ошибка загрузки online-сценария!&#13;&#13;{}</source>
      <translation>Error loading the online scenario!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Проверка названия сценария...</source>
      <translation>Checking the scenario title...</translation>
    </message>
    <message>
      <source>Ошибка проверки уникальности online-сценария!&#13;&#13;{}</source>
      <translation>Error checking that the online scenario is unique!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Рабочий сценарий пуст.</source>
      <translation>The working scenario is empty.</translation>
    </message>
    <message>
      <source>Сохранение сценария в базе данных...</source>
      <translation>Saving the scenario to the database...</translation>
    </message>
    <message>
      <source>Ошибка публикации online-сценария!</source>
      <translation>Error publishing the online scenario!</translation>
    </message>
    <message>
      <source>Ошибка сохранения online-сценария в базе данных!</source>
      <translation>Error saving the online scenario to the database!</translation>
    </message>
    <message>
      <source>Удаление сценария из базы данных...</source>
      <translation>Deleting the scenario from the database...</translation>
    </message>
    <message>
      <source>Ошибка удаления online-сценария из базы данных!&#13;&#13;{}</source>
      <translation>Error deleting the online scenario from the database!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Отправка оценки на сервер...</source>
      <translation>Sending the rating to the server...</translation>
    </message>
    <message>
      <source>Ошибка сохранения оценки online-сценария!&#13;&#13;{}</source>
      <translation>Error saving the online scenario rating!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Загрузка списка оценок...</source>
      <translation>Loading the list of ratings...</translation>
    </message>
    <message>
      <source>Ошибка просмотра оценок online-сценария!&#13;&#13;{}</source>
      <translation>Error viewing the online scenario ratings!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Название сценария должно быть указано обязательно!</source>
      <translation>The scenario title is required!</translation>
    </message>
    <message>
      <source>Сценарий с таким названием уже существует!&#13;Выберите другое название.</source>
      <translation>A scenario with this title already exists!&#13;Choose another title.</translation>
    </message>
    <message>
      <source>Имя автора должно быть указано обязательно!</source>
      <translation>The author name is required!</translation>
    </message>
    <message>
      <source>Вы можете оставить свой комментарий:</source>
      <translation>You may leave a comment:</translation>
    </message>
    <message>
      <source>Комментарий</source>
      <translation>Comment</translation>
    </message>
    <message>
      <source>Не удалось найти пару идентификаторов "{1}" - "{2}" в тексте&#13;&#13;[{0}]!</source>
      <translation>Could not find the pair of markers "{1}" - "{2}" in the text&#13;&#13;[{0}]!</translation>
    </message>
    <message>
      <source>На странице результатов тиражей нет формы загрузки "/DrawResults/DownloadBrandResultsCsv"!</source>
      <translation>The draw results page has no download form "/DrawResults/DownloadBrandResultsCsv"!</translation>
    </message>
    <message>
      <source>В форме загрузки тиражей нет поля "__RequestVerificationToken"!</source>
      <translation>The draws download form has no "__RequestVerificationToken" field!</translation>
    </message>
    <message>
      <source>У поля "__RequestVerificationToken" формы загрузки тиражей нет значения!</source>
      <translation>The "__RequestVerificationToken" field of the draws download form has no value!</translation>
    </message>
    <message>
      <source>В ответе сайта нет заголовка списка тиражей "Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Nummer 6;Bonus"!</source>
      <translation>The website's answer has no draw list header "Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Nummer 6;Bonus"!</translation>
    </message>
    <message>
      <source>Ошибка открытия файла данных для полного набора вариантов!&#13;&#13;Имя файла: {}&#13;&#13;{}</source>
      <translation>Error opening the data file for the full set of variants!&#13;&#13;File name: {}&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка создания файла данных для полного набора вариантов!&#13;&#13;Имя файла: {}&#13;&#13;{}</source>
      <translation>Error creating the data file for the full set of variants!&#13;&#13;File name: {}&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Создание файла предварительной выборки {}...</source>
      <translation>Creating prefetch file {}...</translation>
    </message>
    <message>
      <source>{}: размер файла ({} байт) не соответствует формату</source>
      <translation>{}: the file size ({} bytes) does not match the format</translation>
    </message>
    <message>
      <source>{}: запись {} повреждена</source>
      <translation>{}: record {} is damaged</translation>
    </message>
    <message>
      <source>{}: итоговая запись повреждена</source>
      <translation>{}: the totals record is damaged</translation>
    </message>
    <message>
      <source>Создание файлов для полного набора комбинаций...</source>
      <translation>Creating files for the full set of combinations...</translation>
    </message>
    <message>
      <source>Ошибка удаления файла данных для полного набора вариантов!&#13;&#13;Имя файла: {}&#13;&#13;{}</source>
      <translation>Error deleting the data file for the full set of variants!&#13;&#13;File name: {}&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка получения списка proxy-серверов!&#13;&#13;{}</source>
      <translation>Error getting the list of proxy servers!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка автоматического выбора proxy сервера!&#13;&#13;{}</source>
      <translation>Error choosing a proxy server automatically!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Не найдено ни одного proxy-сервера с заданными параметрами</source>
      <translation>No proxy server with the given parameters was found</translation>
    </message>
    <message>
      <source>Не задан адрес списка proxy-серверов (ключ ProxyListUrl раздела PROXY)</source>
      <translation>The proxy server list address is not set (key ProxyListUrl of section PROXY)</translation>
    </message>
    <message>
      <source>Не использовать proxy-сервер</source>
      <translation>Do not use a proxy server</translation>
    </message>
    <message>
      <source>Автоматический поиск сервера (возможны задержки)</source>
      <translation>Find a server automatically (may be slow)</translation>
    </message>
    <message>
      <source>Ручной выбор proxy-сервера:</source>
      <translation>Choose a proxy server manually:</translation>
    </message>
    <message>
      <source>Не указано имя или адрес proxy-сервера.</source>
      <translation>The proxy server name or address is missing.</translation>
    </message>
    <message>
      <source>Ошибка записи в файл ставок!&#13;&#13;{}</source>
      <translation>Error writing to the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка поиска записи в файле ставок!&#13;&#13;{}</source>
      <translation>Error finding a record in the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Количество тестов должно быть от {} до {}!</source>
      <translation>The number of tests must be from {} to {}!</translation>
    </message>
    <message>
      <source>Для теста в архиве должно быть не менее двух тиражей!</source>
      <translation>A test needs at least two draws in the archive!</translation>
    </message>
    <message>
      <source>Ошибка удаления файла "{}"!&#13;&#13;{}</source>
      <translation>Error deleting file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Удалено файлов журналов: {} из {}.</source>
      <translation>Log files deleted: {} of {}.</translation>
    </message>
    <message>
      <source>Ошибка чтения записи из файла ставок!&#13;&#13;{}</source>
      <translation>Error reading a record from the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка восстановления файла ставок!&#13;&#13;{}</source>
      <translation>Error restoring the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Нет свободного имени для копии файла ставок ({})!</source>
      <translation>There is no free name for a copy of the stakes file ({})!</translation>
    </message>
    <message>
      <source>Загрузка файла ставок...</source>
      <translation>Loading the stakes file...</translation>
    </message>
    <message>
      <source>Ошибка чтения файла ставок!&#13;&#13;{}</source>
      <translation>Error reading the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!</source>
      <translation>The stakes file is of an outdated version - the stakes in it will be deleted!</translation>
    </message>
    <message>
      <source>Сохранение файла ставок...</source>
      <translation>Saving the stakes file...</translation>
    </message>
    <message>
      <source>Работа программы была прервана во время изменения ставок: изменение отменено.&#13;&#13;Удалено байт в конце файла ставок: {}, восстановлено записей: {}, восстановлено файлов: {}.</source>
      <translation>The program was interrupted while changing the stakes: the change has been undone.&#13;&#13;Bytes removed from the end of the stakes file: {}, records restored: {}, files restored: {}.</translation>
    </message>
    <message>
      <source>Последняя запись файла ставок была записана не полностью и удалена ({} байт); остальные ставки сохранены.</source>
      <translation>The last record of the stakes file was not written completely and has been removed ({} bytes); the other stakes are kept.</translation>
    </message>
    <message>
      <source>{}&#13;&#13;Незавершенное изменение ставок не может быть отменено: файлы оставлены как есть, журнал сохранен как "{}".</source>
      <translation>{}&#13;&#13;The unfinished change of the stakes cannot be undone: the files are left as they are, the journal is kept as "{}".</translation>
    </message>
    <message>
      <source>Изменение ставок не было завершено: оно будет отменено при следующем запуске программы, изменяющем данные. Показаны ставки вместе с этим изменением.</source>
      <translation>A change of the stakes was not finished: it will be undone by the next start of the program that changes data. The stakes are shown with that change.</translation>
    </message>
    <message>
      <source>Ставки, рейтинг и регулярные ставки возвращены к состоянию до операции, которая не была выполнена.</source>
      <translation>The stakes, the ratings and the regular stakes are back as they were before the operation that failed.</translation>
    </message>
    <message>
      <source>Вы действительно хотите сбросить список избранных фильтров?</source>
      <translation>Do you really want to reset the list of favourite filters?</translation>
    </message>
    <message>
      <source>Подождите пожалуйста...</source>
      <translation>Please wait...</translation>
    </message>
    <message>
      <source>Ошибка загрузки списка фильтров!&#13;&#13;{}</source>
      <translation>Error loading the list of filters!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка сохранения списка фильтров!&#13;&#13;{}</source>
      <translation>Error saving the list of filters!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Анализ тиражей и расчет статистики...</source>
      <translation>Analysing draws and calculating statistics...</translation>
    </message>
    <message>
      <source>Вы действительно хотите удалить систему "{}"?</source>
      <translation>Do you really want to delete system "{}"?</translation>
    </message>
    <message>
      <source>Загрузка списка систем...</source>
      <translation>Loading the list of systems...</translation>
    </message>
    <message>
      <source>Ошибка загрузки списка систем!&#13;&#13;{}</source>
      <translation>Error loading the list of systems!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Загрузка "{}"...</source>
      <translation>Loading "{}"...</translation>
    </message>
    <message>
      <source>Система #{} описана сервисом некорректно!</source>
      <translation>The service describes system #{} incorrectly!</translation>
    </message>
    <message>
      <source>Ошибка загрузки системы #{}!&#13;&#13;{}</source>
      <translation>Error loading system #{}!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Вы можете изменять только свои системы!</source>
      <translation>You can change only your own systems!</translation>
    </message>
    <message>
      <source>Сохранение "{}"...</source>
      <translation>Saving "{}"...</translation>
    </message>
    <message>
      <source>Ошибка добавления системы!</source>
      <translation>Error adding the system!</translation>
    </message>
    <message>
      <source>Ошибка изменения системы!</source>
      <translation>Error changing the system!</translation>
    </message>
    <message>
      <source>Вы можете удалять только свои системы!</source>
      <translation>You can delete only your own systems!</translation>
    </message>
    <message>
      <source>Удаление "{}"...</source>
      <translation>Deleting "{}"...</translation>
    </message>
    <message>
      <source>Ошибка удаления системы!&#13;&#13;{}</source>
      <translation>Error deleting the system!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Список систем не доступен!</source>
      <translation>The list of systems is not available!</translation>
    </message>
    <message>
      <source>Загружена</source>
      <translation>Loaded</translation>
    </message>
    <message>
      <source>Создание системы для {} чисел...</source>
      <translation>Creating a system for {} numbers...</translation>
    </message>
    <message>
      <source>Созданная система не дает заданной гарантии!</source>
      <translation>The created system does not give the requested guarantee!</translation>
    </message>
    <message>
      <source>Ошибка создания системы!&#13;&#13;{}</source>
      <translation>Error creating the system!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка установки системы!&#13;&#13;{}</source>
      <translation>Error installing the system!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Шаг должен быть от {} до {}!</source>
      <translation>The step must be from {} to {}!</translation>
    </message>
    <message>
      <source>Вкладка "Регуляры" скрыта: регулярные ставки не загружаются и не сохраняются!</source>
      <translation>The "Regulars" tab is hidden: regular stakes are neither loaded nor saved!</translation>
    </message>
    <message>
      <source>Ошибка поиска обновлений!&#13;&#13;{}</source>
      <translation>Error searching for updates!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка установки обновления!&#13;&#13;{}</source>
      <translation>Error installing the update!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Установка обновления "{}" успешно выполнена.&#13;&#13;Для завершения установки необходимо перезапустить программу!</source>
      <translation>Update "{}" was installed successfully.&#13;&#13;Restart the program to complete the installation!</translation>
    </message>
    <message>
      <source>Поиск доступных обновлений...</source>
      <translation>Searching for available updates...</translation>
    </message>
    <message>
      <source>Загрузка и установка обновления "{}"...</source>
      <translation>Downloading and installing update "{}"...</translation>
    </message>
    <message>
      <source>Обновление "{}" загружено и проверено, но в папку программы "{}" запись запрещена, и установить его программа не может.&#13;&#13;Файл обновления (архив tar): {}</source>
      <translation>Update "{}" was downloaded and verified, but the program folder "{}" is not writable, so the program cannot install it.&#13;&#13;Update file (tar archive): {}</translation>
    </message>
    <message>
      <source>файл "{}" не является файлом программы</source>
      <translation>file "{}" is not a file of the program</translation>
    </message>
    <message>
      <source>Обновлений не найдено!</source>
      <translation>No updates found!</translation>
    </message>
    <message>
      <source>Адрес файла описания обновлений не задан (ключ ManifestUrl раздела UPDATE файла Belvane_6x45.ini).</source>
      <translation>The address of the update description file is not set (key ManifestUrl of section UPDATE in Belvane_6x45.ini).</translation>
    </message>
    <message>
      <source>Неверная контрольная сумма скачанного файла.</source>
      <translation>Wrong checksum of the downloaded file.</translation>
    </message>
    <message>
      <source>Найдена новая версия программы</source>
      <translation>A new version of the program is available</translation>
    </message>
    <message>
      <source>Система для {} чисел: {} из {}</source>
      <translation>System for {} numbers: {} if {}</translation>
    </message>
    <message>
      <source>нижняя граница: {}, {}</source>
      <translation>lower bound: {}, {}</translation>
    </message>
    <message>
      <source>Комбинаций: {} ({}; меньше не бывает)</source>
      <translation>Combinations: {} ({}; none can be smaller)</translation>
    </message>
    <message>
      <source>Комбинаций: {} ({})</source>
      <translation>Combinations: {} ({})</translation>
    </message>
    <message>
      <source>Проверка: все {} наборов из {} чисел среди чисел системы дают не меньше {} совпадений</source>
      <translation>Check: all {} sets of {} numbers among the system's numbers give at least {} matches</translation>
    </message>
    <message>
      <source>Зерно: {}, раундов: {}</source>
      <translation>Seed: {}, rounds: {}</translation>
    </message>
    <message>
      <source>Установлена: {}</source>
      <translation>Installed: {}</translation>
    </message>
    <message>
      <source>Удалено прежних систем для {} чисел: {}</source>
      <translation>Earlier systems for {} numbers removed: {}</translation>
    </message>
    <message>
      <source>Для {} чисел уже установлена система "{}".&#13;&#13;Заменить ее созданной системой?</source>
      <translation>For {} numbers the system "{}" is already installed.&#13;&#13;Replace it with the created system?</translation>
    </message>
    <message>
      <source>Меньше {} комбинаций не бывает ({}).</source>
      <translation>No system has fewer than {} combinations ({}).</translation>
    </message>
    <message>
      <source>Неизвестный параметр "{}"!</source>
      <translation>Unknown parameter "{}"!</translation>
    </message>
    <message>
      <source>Значение параметра {} должно быть от {} до {}!</source>
      <translation>The value of parameter {} must be from {} to {}!</translation>
    </message>
    <message>
      <source>Ошибка загрузки параметров программы!&#13;&#13;{}</source>
      <translation>Error loading the program settings!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка сохранения параметров программы!&#13;&#13;{}</source>
      <translation>Error saving the program settings!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Другая копия программы не завершила работу.</source>
      <translation>Another copy of the program has not finished.</translation>
    </message>
    <message>
      <source>Инициализация...</source>
      <translation>Initialising...</translation>
    </message>
    <message>
      <source>Ошибка инициализации программы!&#13;&#13;{}</source>
      <translation>Error initialising the program!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Невозможно получить монопольный доступ к файлам данных!&#13;&#13;Возможные причины данной ошибки: &#13;&#13;1) Вы пытаетесь запустить вторую копию программы с тем же каталогом данных. Корректная работа нескольких копий программы возможна только с разными каталогами данных (параметр --data-dir).&#13;&#13;2) Для программы нет прав на запись в каталоге данных. Например: каталоги, куда программа установлена (/usr, /opt), доступны для записи только администратору; укажите каталог данных в своем домашнем каталоге.&#13;&#13;Программа будет закрыта!</source>
      <translation>Cannot get exclusive access to the data files!&#13;&#13;Possible causes of this error: &#13;&#13;1) You are trying to start a second copy of the program with the same data folder. Several copies of the program work correctly only with different data folders (the --data-dir option).&#13;&#13;2) The program has no permission to write to the data folder. For example: the folders the program is installed in (/usr, /opt) are writable by the administrator only; choose a data folder in your home folder.&#13;&#13;The program will be closed!</translation>
    </message>
  </context>
</TS>
