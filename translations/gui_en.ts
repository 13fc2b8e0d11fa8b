<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>belvane::gui::AnalysisPage</name>
    <message>
        <source>Показать или скрыть закладку &quot;%1&quot;</source>
        <translation>Show or hide the &quot;%1&quot; tab</translation>
    </message>
</context>
<context>
    <name>belvane::gui::CardPage</name>
    <message>
        <source>Карта</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Обновить карту тиражей</source>
        <translation>Refresh the draw card</translation>
    </message>
    <message>
        <source>Раскрашивать карту по каналам</source>
        <translation>Colour the card by channels</translation>
    </message>
    <message>
        <source>Выделять на карте повторы и последовательности</source>
        <translation>Highlight repeats and sequences on the card</translation>
    </message>
    <message>
        <source>Экспорт карты тиражей в Microsoft Excel</source>
        <translation>Export the draw card to Microsoft Excel</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
</context>
<context>
    <name>belvane::gui::CombsPage</name>
    <message>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Исключить последних тиражей:</source>
        <translation>Exclude last draws:</translation>
    </message>
    <message>
        <source>Генерировать</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Создать новый список комбинаций</source>
        <translation>Create a new combination list</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Загрузить список комбинаций из файла</source>
        <translation>Load a combination list from a file</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить список комбинаций в файл</source>
        <translation>Save the combination list to a file</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Отменить последнюю операцию над списком комбинаций</source>
        <translation>Undo the last operation on the combination list</translation>
    </message>
    <message>
        <source>Исключить тиражи</source>
        <translation>Exclude draws</translation>
    </message>
    <message>
        <source>Удалить из списка комбинации последних тиражей</source>
        <translation>Remove the combinations of the last draws from the list</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Удалить выделенные комбинации из списка</source>
        <translation>Remove the selected combinations from the list</translation>
    </message>
    <message>
        <source>Копировать в буфер</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Копировать выделенные комбинации в буфер обмена</source>
        <translation>Copy the selected combinations to the clipboard</translation>
    </message>
    <message>
        <source>Вставить из буфера</source>
        <translation>Paste from clipboard</translation>
    </message>
    <message>
        <source>Заменить список комбинациями из буфера обмена</source>
        <translation>Replace the list with the combinations from the clipboard</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Сведения о комбинации</source>
        <translation>Combination details</translation>
    </message>
    <message>
        <source>Количество уникальных номеров</source>
        <translation>Number of distinct numbers</translation>
    </message>
    <message>
        <source>Подсчитать числа, которые встречаются в списке комбинаций</source>
        <translation>Count the numbers that occur in the combination list</translation>
    </message>
    <message>
        <source>Проверить по архиву тиражей</source>
        <translation>Check against the draw archive</translation>
    </message>
    <message>
        <source>Найти выделенную комбинацию в архиве тиражей</source>
        <translation>Find the selected combination in the draw archive</translation>
    </message>
    <message>
        <source>Каналы цветом в списке комбинаций</source>
        <translation>Colour channels in the combination list</translation>
    </message>
    <message>
        <source>Экспорт в Microsoft Excel</source>
        <translation>Export to Microsoft Excel</translation>
    </message>
    <message>
        <source>Экспорт списка комбинаций в Microsoft Excel</source>
        <translation>Export the combination list to Microsoft Excel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::ConfigDialog</name>
    <message>
        <source>Параметры системы</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>Количество столбцов</source>
        <translation>Number of columns</translation>
    </message>
    <message>
        <source>Количество строк</source>
        <translation>Number of rows</translation>
    </message>
    <message>
        <source>Размер матрицы:</source>
        <translation>Matrix size:</translation>
    </message>
    <message>
        <source>Ширина канала</source>
        <translation>Channel width</translation>
    </message>
    <message>
        <source>Размер канала:</source>
        <translation>Channel size:</translation>
    </message>
    <message>
        <source>Сегменты матрицы:</source>
        <translation>Matrix segments:</translation>
    </message>
    <message>
        <source>Стоимость одной ставки</source>
        <translation>Cost of one stake</translation>
    </message>
    <message>
        <source>Стоимость ставки:</source>
        <translation>Stake cost:</translation>
    </message>
    <message>
        <source>Размеры выигрышей:</source>
        <translation>Prizes:</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Сумма выигрыша</source>
        <translation>Prize</translation>
    </message>
    <message>
        <source> Коэффициенты для поля &quot;Вес&quot; </source>
        <translation> Coefficients for the &quot;Weight&quot; field </translation>
    </message>
    <message>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Число %1</source>
        <translation>Number %1</translation>
    </message>
</context>
<context>
    <name>belvane::gui::DetailsDialog</name>
    <message>
        <source>Подробная информация</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Свойство</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Количество столбцов:</source>
        <translation>Number of columns:</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>belvane::gui::DrawDialog</name>
    <message>
        <source>Введите данные следующего тиража</source>
        <translation>Enter the data of the next draw</translation>
    </message>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Выпавшие числа, разделенные точкой с запятой или запятой:</source>
        <translation>Drawn numbers, separated by semicolons or commas:</translation>
    </message>
    <message>
        <source>Дата и время тиража:</source>
        <translation>Draw date and time:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::DrawsPage</name>
    <message>
        <source>Архив тиражей</source>
        <translation>Draw archive</translation>
    </message>
    <message>
        <source>Смещение назад:</source>
        <translation>Offset back:</translation>
    </message>
    <message>
        <source>Смещение относительно последнего загруженного номера тиража</source>
        <translation>Offset from the last loaded draw number</translation>
    </message>
    <message>
        <source>Сведения о тираже</source>
        <translation>Draw details</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Добавить новый тираж в архив</source>
        <translation>Add a new draw to the archive</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Изменить выделенный тираж</source>
        <translation>Edit the selected draw</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить выделенные тиражи из архива</source>
        <translation>Delete the selected draws from the archive</translation>
    </message>
    <message>
        <source>Упорядочить MIN-&gt;MAX</source>
        <translation>Sort MIN-&gt;MAX</translation>
    </message>
    <message>
        <source>Показывать числа тиражей по возрастанию</source>
        <translation>Show the numbers of each draw in ascending order</translation>
    </message>
    <message>
        <source>Импорт из CSV-файла</source>
        <translation>Import from a CSV file</translation>
    </message>
    <message>
        <source>Экспорт в CSV-файл</source>
        <translation>Export to a CSV file</translation>
    </message>
    <message>
        <source>Экспорт в Microsoft Excel</source>
        <translation>Export to Microsoft Excel</translation>
    </message>
    <message>
        <source>Экспорт архива тиражей в Microsoft Excel</source>
        <translation>Export the draw archive to Microsoft Excel</translation>
    </message>
    <message>
        <source>Каналы цветом в списке тиражей</source>
        <translation>Colour channels in the draw list</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Загрузка архива тиражей с сайта лотереи</source>
        <translation>Download the draw archive from the lottery&apos;s website</translation>
    </message>
    <message>
        <source>Параметры proxy-сервера</source>
        <translation>Proxy server settings</translation>
    </message>
    <message>
        <source>Автозагрузка при запуске программы</source>
        <translation>Download at program start</translation>
    </message>
    <message>
        <source>По запросу (по умолчанию)</source>
        <translation>On request (default)</translation>
    </message>
    <message>
        <source>Автоматически</source>
        <translation>Automatically</translation>
    </message>
    <message>
        <source>Отключено</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>belvane::gui::ExportFieldDialog</name>
    <message>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Физическое поле:</source>
        <translation>Physical field:</translation>
    </message>
    <message>
        <source>Наименование столбца:</source>
        <translation>Column caption:</translation>
    </message>
    <message>
        <source>Выравнивание:</source>
        <translation>Alignment:</translation>
    </message>
    <message>
        <source>Ширина:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::FilterDialog</name>
    <message>
        <source>Фильтр</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Тип фильтра:</source>
        <translation>Filter type:</translation>
    </message>
    <message>
        <source>Количество тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Сортировать по столбцу:</source>
        <translation>Sort by column:</translation>
    </message>
    <message>
        <source>Сверху-вниз</source>
        <translation>Top to bottom</translation>
    </message>
    <message>
        <source>Снизу-вверх</source>
        <translation>Bottom to top</translation>
    </message>
    <message>
        <source>Направление:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Использовать режим одновременного выделения нескольких значений в списке</source>
        <translation>Allow selecting several values in the list at once</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Режим фильтра:</source>
        <translation>Filter mode:</translation>
    </message>
    <message>
        <source>Режим выделения значений в списке статистики:</source>
        <translation>How values are selected in the statistics list:</translation>
    </message>
    <message>
        <source>Значения:</source>
        <translation>Values:</translation>
    </message>
    <message>
        <source>Значение:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Остановка по:</source>
        <translation>Stop by:</translation>
    </message>
    <message>
        <source> Коэффициенты для расчета значений &quot;Вес&quot; </source>
        <translation> Coefficients for the &quot;Weight&quot; values </translation>
    </message>
    <message>
        <source>Использовать собственные коэффициенты фильтра</source>
        <translation>Use the filter&apos;s own coefficients</translation>
    </message>
    <message>
        <source>Количество:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>Отклонение:</source>
        <translation>Deviation:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Использовать значения в %</source>
        <translation>Use values in %</translation>
    </message>
    <message>
        <source>Использовать абсолютные значения</source>
        <translation>Use absolute values</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::FirstRunDialog</name>
    <message>
        <source>Справочная информация</source>
        <translation>Getting started</translation>
    </message>
    <message>
        <source>Добро пожаловать в Belvane 6x45!

Загрузите архив тиражей, выберите метод расчета статистики, выделите значения в таблице и оставьте или удалите соответствующие комбинации.</source>
        <translation>Welcome to Belvane 6x45!

Download the draw archive, choose a statistics method, select values in the table, and keep or delete the matching combinations.</translation>
    </message>
    <message>
        <source>Открыть справку</source>
        <translation>Open help</translation>
    </message>
    <message>
        <source>Больше не показывать данный диалог</source>
        <translation>Do not show this dialog again</translation>
    </message>
</context>
<context>
    <name>belvane::gui::GenerateDialog</name>
    <message>
        <source>Создание нового списка комбинаций</source>
        <translation>New combination list</translation>
    </message>
    <message>
        <source>Мои числа или имя файла для загрузки:</source>
        <translation>My numbers or the name of a file to load:</translation>
    </message>
    <message>
        <source>Сохранить эти параметры для генерации комбинаций &quot;по умолчанию&quot;</source>
        <translation>Save these settings as the &quot;default&quot; for generating combinations</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::GraphWindow</name>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Отображать метки на графиках</source>
        <translation>Show value marks on graphs</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>belvane::gui::GraphsPage</name>
    <message>
        <source>Графики</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Метки</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Построить график</source>
        <translation>Plot the graph</translation>
    </message>
    <message>
        <source>Распределение сумм тиражей и всех возможных комбинаций</source>
        <translation>Sum distribution of the draws and of all possible combinations</translation>
    </message>
    <message>
        <source>Количество повторов в зависимости от тиража</source>
        <translation>Repeats by draw</translation>
    </message>
</context>
<context>
    <name>belvane::gui::LayoutPage</name>
    <message>
        <source>Схема</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Кол-во</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Обновить схему</source>
        <translation>Refresh the layout</translation>
    </message>
    <message>
        <source>Градиентная раскраска схемы</source>
        <translation>Gradient colouring of the layout</translation>
    </message>
    <message>
        <source>Экспорт схемы в Microsoft Excel</source>
        <translation>Export the layout to Microsoft Excel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::LibraryModel</name>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Создан</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Рейтинг</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Оценок</source>
        <translation>Votes</translation>
    </message>
    <message>
        <source>Ваша оценка</source>
        <translation>Your rating</translation>
    </message>
    <message>
        <source>Загрузок</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Последняя</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Мой</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Общий</source>
        <translation>Shared</translation>
    </message>
    <message>
        <source>Универсальный</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Скрытый</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Сценарий виден всем пользователям</source>
        <translation>The scenario is visible to all users</translation>
    </message>
    <message>
        <source>Сценарий виден только автору</source>
        <translation>The scenario is visible to its author only</translation>
    </message>
</context>
<context>
    <name>belvane::gui::MainWindow</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Тиражи</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Комбинации</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Сценарий</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Системы</source>
        <translation>Systems</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Belvane 6x45 версия %1</source>
        <translation>Belvane 6x45 version %1</translation>
    </message>
    <message>
        <source>Ошибка запуска программы!<byte value="xd"/><byte value="xd"/></source>
        <translation>The program failed to start!<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Действия</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Редактирование параметров системы</source>
        <translation>Edit the system settings</translation>
    </message>
    <message>
        <source>Формулы шинковки</source>
        <translation>Shredding formulas</translation>
    </message>
    <message>
        <source>Редактирование формул для методов шинковки</source>
        <translation>Edit the formulas of the shredding methods</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Завершить работу программы</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Проверить наличие обновлений...</source>
        <translation>Check for updates...</translation>
    </message>
    <message>
        <source>Поиск и установка новой версии программы</source>
        <translation>Find and install a new version of the program</translation>
    </message>
    <message>
        <source>Проверять обновления при запуске</source>
        <translation>Check for updates at start</translation>
    </message>
    <message>
        <source>Искать новую версию программы при каждом запуске</source>
        <translation>Look for a new version of the program at every start</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>belvane::gui::OnlineScriptsPanel</name>
    <message>
        <source>[ 1 ] - Бесполезно</source>
        <translation>[ 1 ] - Useless</translation>
    </message>
    <message>
        <source>[ 2 ] - Плохо</source>
        <translation>[ 2 ] - Poor</translation>
    </message>
    <message>
        <source>[ 3 ] - Удовлетворительно</source>
        <translation>[ 3 ] - Fair</translation>
    </message>
    <message>
        <source>[ 4 ] - Хорошо</source>
        <translation>[ 4 ] - Good</translation>
    </message>
    <message>
        <source>[ 5 ] - Отлично</source>
        <translation>[ 5 ] - Excellent</translation>
    </message>
    <message>
        <source>Дождитесь завершения текущей операции.</source>
        <translation>Wait until the current operation has finished.</translation>
    </message>
    <message>
        <source>Online каталог сценариев</source>
        <translation>Online scenario library</translation>
    </message>
    <message>
        <source>Показать или скрыть online каталог сценариев</source>
        <translation>Show or hide the online scenario library</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Загрузить online каталог сценариев с сервера</source>
        <translation>Load the online scenario library from the server</translation>
    </message>
    <message>
        <source>Скачать из каталога</source>
        <translation>Download from the library</translation>
    </message>
    <message>
        <source>Заменить рабочий сценарий выделенным сценарием каталога</source>
        <translation>Replace the working scenario with the selected library scenario</translation>
    </message>
    <message>
        <source>Опубликовать</source>
        <translation>Publish</translation>
    </message>
    <message>
        <source>Опубликовать рабочий сценарий в online каталоге</source>
        <translation>Publish the working scenario in the online library</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Заменить свой сценарий каталога рабочим сценарием</source>
        <translation>Replace your library scenario with the working scenario</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить свой сценарий из online каталога</source>
        <translation>Delete your scenario from the online library</translation>
    </message>
    <message>
        <source>Свойства сценария</source>
        <translation>Scenario properties</translation>
    </message>
    <message>
        <source>Показать свойства выделенного сценария каталога</source>
        <translation>Show the properties of the selected library scenario</translation>
    </message>
    <message>
        <source>Просмотр оценок</source>
        <translation>View ratings</translation>
    </message>
    <message>
        <source>Показать оценки пользователей выделенного сценария</source>
        <translation>Show the users&apos; ratings of the selected scenario</translation>
    </message>
    <message>
        <source>Оценить выделенный сценарий каталога</source>
        <translation>Rate the selected library scenario</translation>
    </message>
    <message>
        <source>Удалить оценку</source>
        <translation>Delete rating</translation>
    </message>
    <message>
        <source>Удалить свою оценку выделенного сценария</source>
        <translation>Delete your rating of the selected scenario</translation>
    </message>
    <message>
        <source>Скрыть сценарий</source>
        <translation>Hide scenario</translation>
    </message>
    <message>
        <source>Скрыть выделенный сценарий из своего списка по умолчанию</source>
        <translation>Hide the selected scenario from your default list</translation>
    </message>
    <message>
        <source>Оценить сценарий</source>
        <translation>Rate scenario</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::ProgressDialog</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::ProxyDialog</name>
    <message>
        <source>Параметры proxy-сервера</source>
        <translation>Proxy server settings</translation>
    </message>
    <message>
        <source>Имя или адрес сервера:</source>
        <translation>Server name or address:</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Имя пользователя:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::QtHost</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>belvane::gui::RatingsPage</name>
    <message>
        <source>Рейтинг</source>
        <translation>Ratings</translation>
    </message>
    <message>
        <source>Обновить рейтинг</source>
        <translation>Refresh ratings</translation>
    </message>
    <message>
        <source>Экспорт рейтинга в CSV-файл</source>
        <translation>Export ratings to a CSV file</translation>
    </message>
    <message>
        <source>Добавить в сценарий</source>
        <translation>Add to scenario</translation>
    </message>
    <message>
        <source>Количество совпадений</source>
        <translation>Number of matches</translation>
    </message>
    <message>
        <source>Суммарный профит по тиражам</source>
        <translation>Total profit by draw</translation>
    </message>
    <message>
        <source>График совпадений ставок</source>
        <translation>Stake matches graph</translation>
    </message>
    <message>
        <source>График профита ставок</source>
        <translation>Stake profit graph</translation>
    </message>
    <message>
        <source>Экспорт рейтинга в Microsoft Excel</source>
        <translation>Export ratings to Microsoft Excel</translation>
    </message>
    <message>
        <source>Выберите строку рейтинга с проверенными ставками: здесь она будет сравнена со случайной игрой.</source>
        <translation>Choose a rating row with checked stakes: it will be compared with random play here.</translation>
    </message>
</context>
<context>
    <name>belvane::gui::RepeatsDialog</name>
    <message>
        <source>Количество тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Глубина:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Тираж</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Совпадений</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Кол-во повторов</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <source>Список тиражей</source>
        <translation>Draw list</translation>
    </message>
</context>
<context>
    <name>belvane::gui::ScriptDialog</name>
    <message>
        <source>Комментарии:</source>
        <translation>Comments:</translation>
    </message>
    <message>
        <source> Опции </source>
        <translation> Options </translation>
    </message>
    <message>
        <source>Исходный список:</source>
        <translation>Starting list:</translation>
    </message>
    <message>
        <source>Количество тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Результат:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source> Фильтры </source>
        <translation> Filters </translation>
    </message>
    <message>
        <source>Фильтр %1:</source>
        <translation>Filter %1:</translation>
    </message>
    <message>
        <source>Изменить фильтр %1</source>
        <translation>Edit filter %1</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::ScriptPage</name>
    <message>
        <source>Сценарий</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Загрузить сценарий из файла</source>
        <translation>Load a scenario from a file</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить сценарий в файл</source>
        <translation>Save the scenario to a file</translation>
    </message>
    <message>
        <source>Добавить сценарий</source>
        <translation>Append scenario</translation>
    </message>
    <message>
        <source>Добавить к сценарию строки из файла</source>
        <translation>Append the lines of a file to the scenario</translation>
    </message>
    <message>
        <source>Добавить фильтры</source>
        <translation>Add filters</translation>
    </message>
    <message>
        <source>Добавить в сценарий новую строку</source>
        <translation>Add a new line to the scenario</translation>
    </message>
    <message>
        <source>Добавить разделитель</source>
        <translation>Add separator</translation>
    </message>
    <message>
        <source>Добавить в сценарий пустую строку-разделитель</source>
        <translation>Add an empty separator line to the scenario</translation>
    </message>
    <message>
        <source>Клонировать</source>
        <translation>Clone</translation>
    </message>
    <message>
        <source>Добавить в сценарий копию выделенной строки</source>
        <translation>Add a copy of the selected line to the scenario</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Изменить выделенную строку сценария</source>
        <translation>Edit the selected scenario line</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить выделенные строки сценария</source>
        <translation>Delete the selected scenario lines</translation>
    </message>
    <message>
        <source>Удалить все</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Удалить все строки сценария</source>
        <translation>Delete all scenario lines</translation>
    </message>
    <message>
        <source>Прогноз</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <source>Выполнить сценарий для следующего тиража</source>
        <translation>Run the scenario for the next draw</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Проверить сценарий на прошедших тиражах</source>
        <translation>Test the scenario on past draws</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Остановить выполнение сценария</source>
        <translation>Stop the running scenario</translation>
    </message>
    <message>
        <source>Журнал выполнения сценария</source>
        <translation>Scenario run log</translation>
    </message>
    <message>
        <source>Записывать ход выполнения сценария в журнал</source>
        <translation>Write the progress of a scenario run to a log</translation>
    </message>
    <message>
        <source>Удалить журналы выполнения сценариев</source>
        <translation>Delete scenario run logs</translation>
    </message>
    <message>
        <source>Переместить вверх</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Переместить выделенную строку вверх</source>
        <translation>Move the selected line up</translation>
    </message>
    <message>
        <source>Переместить вниз</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Переместить выделенную строку вниз</source>
        <translation>Move the selected line down</translation>
    </message>
    <message>
        <source>Контроль случайной игрой при тесте</source>
        <translation>Random play control in tests</translation>
    </message>
    <message>
        <source>При тесте делать на каждом смещении столько же случайных ставок из полного набора, чтобы сравнить сценарий со случайной игрой</source>
        <translation>In a test, make as many random stakes from the full set at every offset, to compare the scenario with random play</translation>
    </message>
</context>
<context>
    <name>belvane::gui::ShreddingDialog</name>
    <message>
        <source>Методы шинковки</source>
        <translation>Shredding methods</translation>
    </message>
    <message>
        <source>Формула %1:</source>
        <translation>Formula %1:</translation>
    </message>
    <message>
        <source>Используемая формула</source>
        <translation>Formula in use</translation>
    </message>
    <message>
        <source>Количество используемых знаков после запятой</source>
        <translation>Number of decimal places</translation>
    </message>
    <message>
        <source>Используемые переменные:
n1, n2, n3, ..., nX - числа текущего тиража
p1, p2, p3, ..., pX - числа предыдущего тиража</source>
        <translation>Variables:
n1, n2, n3, ..., nX - numbers of the current draw
p1, p2, p3, ..., pX - numbers of the previous draw</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::StakesPage</name>
    <message>
        <source>Ставки</source>
        <translation>Stakes</translation>
    </message>
    <message>
        <source>Сделать ставку</source>
        <translation>Place stake</translation>
    </message>
    <message>
        <source>Сделать случайную ставку</source>
        <translation>Place random stake</translation>
    </message>
    <message>
        <source>Сделать ставки для выделенных комбинаций</source>
        <translation>Place stakes on the selected combinations</translation>
    </message>
    <message>
        <source>Сделать ставки для всех комбинаций</source>
        <translation>Place stakes on all combinations</translation>
    </message>
    <message>
        <source>Удалить ставку</source>
        <translation>Delete stake</translation>
    </message>
    <message>
        <source>Удалить по условию</source>
        <translation>Delete by condition</translation>
    </message>
    <message>
        <source>Удалить все ставки</source>
        <translation>Delete all stakes</translation>
    </message>
    <message>
        <source>Проверить ставки</source>
        <translation>Check stakes</translation>
    </message>
    <message>
        <source>Журналы ставок</source>
        <translation>Stake logs</translation>
    </message>
    <message>
        <source>Удалить журналы ставок</source>
        <translation>Delete stake logs</translation>
    </message>
    <message>
        <source>Прокручивать список при добавлении</source>
        <translation>Scroll the list when adding</translation>
    </message>
    <message>
        <source>Проверять ставки после каждой строки сценария</source>
        <translation>Check stakes after each scenario line</translation>
    </message>
    <message>
        <source>Cистемная игра по списку системы</source>
        <translation>System play on the system&apos;s list</translation>
    </message>
    <message>
        <source>Cистемная игра по списку комбинаций</source>
        <translation>System play on the combination list</translation>
    </message>
    <message>
        <source>Экспорт ставок в Microsoft Excel</source>
        <translation>Export stakes to Microsoft Excel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::StatPage</name>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Вид расчета статистики</source>
        <translation>Statistics method</translation>
    </message>
    <message>
        <source>Количество тиражей, использующихся для расчета статистики</source>
        <translation>Number of draws used to calculate the statistics</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Пересчитать статистику по выбранным параметрам</source>
        <translation>Recalculate the statistics with the chosen settings</translation>
    </message>
    <message>
        <source>Использовать сравнение с полным набором комбинаций</source>
        <translation>Compare with the full set of combinations</translation>
    </message>
    <message>
        <source>График идеального распределения</source>
        <translation>Ideal distribution graph</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Оставить комбинации со значениями выделенных строк</source>
        <translation>Keep the combinations with the values of the selected rows</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Удалить комбинации со значениями выделенных строк</source>
        <translation>Delete the combinations with the values of the selected rows</translation>
    </message>
    <message>
        <source>Все доступные статистики</source>
        <translation>All available statistics</translation>
    </message>
    <message>
        <source>Показывать в списке все доступные статистики</source>
        <translation>List all available statistics</translation>
    </message>
    <message>
        <source>Экспорт статистики в Microsoft Excel</source>
        <translation>Export statistics to Microsoft Excel</translation>
    </message>
    <message>
        <source>Избранные статистики</source>
        <translation>Favourite statistics</translation>
    </message>
    <message>
        <source>Выбор избранных методов расчета статистики и их названий</source>
        <translation>Choose the favourite statistics methods and their names</translation>
    </message>
    <message>
        <source>Описание статистики</source>
        <translation>Statistics description</translation>
    </message>
    <message>
        <source>Описание выбранного метода расчета статистики</source>
        <translation>Description of the chosen statistics method</translation>
    </message>
</context>
<context>
    <name>belvane::gui::SystemsModel</name>
    <message>
        <source>Название</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Комбинаций</source>
        <translation>Combinations</translation>
    </message>
    <message>
        <source>Дата создания</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Загрузок</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Последняя</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Ссылка</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Загружена на компьютер, своя система</source>
        <translation>Downloaded to this computer, your own system</translation>
    </message>
    <message>
        <source>Не загружена на компьютер, своя система</source>
        <translation>Not downloaded to this computer, your own system</translation>
    </message>
    <message>
        <source>Загружена на компьютер</source>
        <translation>Downloaded to this computer</translation>
    </message>
    <message>
        <source>Не загружена на компьютер</source>
        <translation>Not downloaded to this computer</translation>
    </message>
</context>
<context>
    <name>belvane::gui::SystemsPage</name>
    <message>
        <source>Системы</source>
        <translation>Systems</translation>
    </message>
    <message>
        <source>Системная игра</source>
        <translation>System play</translation>
    </message>
    <message>
        <source>Показать или скрыть закладку систем и системную игру</source>
        <translation>Show or hide the systems tab and system play</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Загрузить список систем с сервера</source>
        <translation>Load the list of systems from the server</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Загрузить выделенные системы на компьютер</source>
        <translation>Download the selected systems to this computer</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Опубликовать новую систему</source>
        <translation>Publish a new system</translation>
    </message>
    <message>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Показать выделенную систему (свою - изменить)</source>
        <translation>Show the selected system (edit your own)</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить свою систему с сервера</source>
        <translation>Delete your system from the server</translation>
    </message>
    <message>
        <source>Создать систему...</source>
        <translation>Create system...</translation>
    </message>
    <message>
        <source>Создать систему с доказанной гарантией для любого количества чисел</source>
        <translation>Create a system with a proven guarantee for any count of numbers</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormFiltersInfo</name>
    <message>
        <source>Описание методики расчета</source>
        <translation>Calculation method description</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormFiltersManager</name>
    <message>
        <source>Менеджер избранных методов расчета статистики</source>
        <translation>Favourite statistics methods manager</translation>
    </message>
    <message>
        <source>Отметьте методы расчета статистики, которые Вы хотите использовать:</source>
        <translation>Mark the statistics methods you want to use:</translation>
    </message>
    <message>
        <source>Сбросить все</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Снять отметки со всех фильтров</source>
        <translation>Unmark all filters</translation>
    </message>
    <message>
        <source>Выбрать все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Поставить отметки у всех фильтров</source>
        <translation>Mark all filters</translation>
    </message>
    <message>
        <source>Сбросить группу</source>
        <translation>Clear group</translation>
    </message>
    <message>
        <source>Снять отметки со всех фильтров группы</source>
        <translation>Unmark all filters of the group</translation>
    </message>
    <message>
        <source>Выбрать группу</source>
        <translation>Select group</translation>
    </message>
    <message>
        <source>Поставить отметки у всех фильтров группы</source>
        <translation>Mark all filters of the group</translation>
    </message>
    <message>
        <source>Переименовать</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Переименовать фильтр</source>
        <translation>Rename the filter</translation>
    </message>
    <message>
        <source>Вернуть</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Вернуть наименование &quot;по умолчанию&quot;</source>
        <translation>Restore the &quot;default&quot; name</translation>
    </message>
    <message>
        <source>Импорт названий</source>
        <translation>Import names</translation>
    </message>
    <message>
        <source>Импорт названий фильтров из файла</source>
        <translation>Import filter names from a file</translation>
    </message>
    <message>
        <source>Экспорт названий</source>
        <translation>Export names</translation>
    </message>
    <message>
        <source>Экспорт названий фильтров в файл</source>
        <translation>Export filter names to a file</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Справочная информация о выделенном методе расчета статистики</source>
        <translation>Reference information on the selected statistics method</translation>
    </message>
    <message>
        <source>всего %1 методов</source>
        <translation>%1 methods in all</translation>
    </message>
    <message>
        <source> Параметры вывода наименований в списках методов расчета статистики </source>
        <translation> How method names are shown in the lists of statistics methods </translation>
    </message>
    <message>
        <source>Сортировать списки по названию метода</source>
        <translation>Sort the lists by method name</translation>
    </message>
    <message>
        <source>Отображать идентификатор группы { xxx } перед названием метода</source>
        <translation>Show the group tag { xxx } before the method name</translation>
    </message>
    <message>
        <source>Отображать особенности метода [ YYY ] после названия метода</source>
        <translation>Show the method features [ YYY ] after the method name</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Переименование</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Введите наименование фильтра:</source>
        <translation>Enter the filter name:</translation>
    </message>
    <message>
        <source>Наименования фильтров (*.flt)</source>
        <translation>Filter names (*.flt)</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormMulti</name>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Кол-во тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormScrPublic</name>
    <message>
        <source>Свойства сценария</source>
        <translation>Scenario properties</translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Язык:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source> Доступность </source>
        <translation> Visibility </translation>
    </message>
    <message>
        <source>Сценарий виден всем пользователям</source>
        <translation>The scenario is visible to all users</translation>
    </message>
    <message>
        <source>Сценарий виден только мне</source>
        <translation>The scenario is visible to me only</translation>
    </message>
    <message>
        <source> Применяемость </source>
        <translation> Applies to </translation>
    </message>
    <message>
        <source>Только в &quot;%1&quot;</source>
        <translation>Only in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>В любом приложении Kalvo</source>
        <translation>Any Kalvo application</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormScrRates</name>
    <message>
        <source>Оценки пользователей</source>
        <translation>User ratings</translation>
    </message>
    <message>
        <source>Скрытый</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Пользователь</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Оценка</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormStake</name>
    <message>
        <source>Номер тиража:</source>
        <translation>Draw number:</translation>
    </message>
    <message>
        <source>Ставка:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>Сумма:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <source>Кол-во тиражей:</source>
        <translation>Number of draws:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormStakeFilter</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormSystem</name>
    <message>
        <source>Системы (*.dat *.txt);;Все файлы (*)</source>
        <translation>Systems (*.dat *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Открыть ссылку в браузере</source>
        <translation>Open the link in a browser</translation>
    </message>
    <message>
        <source>Наименование:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Автор:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Ссылка:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Список комбинаций:</source>
        <translation>Combination list:</translation>
    </message>
    <message>
        <source>Числа:</source>
        <translation>Numbers:</translation>
    </message>
    <message>
        <source>Длина:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>Блок:</source>
        <translation>Block:</translation>
    </message>
    <message>
        <source>Комбинаций:</source>
        <translation>Combinations:</translation>
    </message>
    <message>
        <source>Создана:</source>
        <translation>Created:</translation>
    </message>
    <message>
        <source>Загрузок:</source>
        <translation>Downloads:</translation>
    </message>
    <message>
        <source>Последняя загрузка:</source>
        <translation>Last download:</translation>
    </message>
    <message>
        <source>Последняя загрузка: 2024-01-31 23:59:59</source>
        <translation>Last download: 2024-01-31 23:59:59</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Загрузить из файла...</source>
        <translation>Load from file...</translation>
    </message>
    <message>
        <source>Сохранить в файл...</source>
        <translation>Save to file...</translation>
    </message>
    <message>
        <source>Загрузить из файла</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <source>Ошибка чтения файла!<byte value="xd"/><byte value="xd"/></source>
        <translation>Error reading the file!<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Сохранить в файл</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Ошибка записи файла!<byte value="xd"/><byte value="xd"/></source>
        <translation>Error writing the file!<byte value="xd"/><byte value="xd"/></translation>
    </message>
    <message>
        <source>Гарантия:</source>
        <translation>Guarantee:</translation>
    </message>
    <message>
        <source>не проверена</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>Проверяются строки из шести разных чисел от 1 до значения поля &quot;Числа&quot;</source>
        <translation>Lines of six different numbers from 1 to the value of the field &quot;Numbers&quot; are checked</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormTable</name>
    <message>
        <source>Комментарий к ставке:</source>
        <translation>Stake comment:</translation>
    </message>
    <message>
        <source>Использовать постоянную стартовую комбинацию:</source>
        <translation>Use a fixed starting combination:</translation>
    </message>
    <message>
        <source>Использовать данные предыдущего тиража</source>
        <translation>Use the previous draw</translation>
    </message>
    <message>
        <source>Шаг:</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TFormWheel</name>
    <message>
        <source>Создать систему</source>
        <translation>Create system</translation>
    </message>
    <message>
        <source> с</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Чисел в системе:</source>
        <translation>Numbers in the system:</translation>
    </message>
    <message>
        <source>Гарантия, совпадений:</source>
        <translation>Guarantee, matches:</translation>
    </message>
    <message>
        <source>Если среди чисел системы угадано:</source>
        <translation>If drawn among the system&apos;s numbers:</translation>
    </message>
    <message>
        <source>Время поиска:</source>
        <translation>Search time:</translation>
    </message>
    <message>
        <source>Зерно (то же зерно дает ту же систему):</source>
        <translation>Seed (the same seed gives the same system):</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>belvane::gui::TablesPage</name>
    <message>
        <source>Добавить регулярную ставку</source>
        <translation>Add regular stake</translation>
    </message>
    <message>
        <source>Удалить регулярную ставку</source>
        <translation>Delete regular stake</translation>
    </message>
    <message>
        <source>Сделать ставку по регуляру</source>
        <translation>Place stake by regular</translation>
    </message>
    <message>
        <source>Тест регуляров</source>
        <translation>Test regulars</translation>
    </message>
    <message>
        <source>Вкладка &quot;Регуляры&quot;</source>
        <translation>&quot;Regulars&quot; tab</translation>
    </message>
    <message>
        <source>Показать или скрыть закладку &quot;Регуляры&quot;</source>
        <translation>Show or hide the &quot;Regulars&quot; tab</translation>
    </message>
</context>
<context>
    <name>belvane::gui::UpdateDialog</name>
    <message>
        <source>Текущая версия:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>Новая версия:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Описание обновления:</source>
        <translation>What the update changes:</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::WaitDialog</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>belvane::gui::WeekPage</name>
    <message>
        <source>Неделя</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Тиражей:</source>
        <translation>Draws:</translation>
    </message>
    <message>
        <source>Оставить выделенные</source>
        <translation>Keep selected</translation>
    </message>
    <message>
        <source>Удалить выделенные</source>
        <translation>Delete selected</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Обновить статистику по дням недели</source>
        <translation>Refresh the statistics by day of the week</translation>
    </message>
    <message>
        <source>График по дням недели</source>
        <translation>Graph by day of the week</translation>
    </message>
    <message>
        <source>Линейный график</source>
        <translation>Line graph</translation>
    </message>
</context>
<context>
    <name>belvane::gui::XlsxExportDialog</name>
    <message>
        <source>Экспорт в Microsoft Excel</source>
        <translation>Export to Microsoft Excel</translation>
    </message>
    <message>
        <source>Наименование отчета:</source>
        <translation>Report title:</translation>
    </message>
    <message>
        <source>Дополнительные сведения:</source>
        <translation>Additional information:</translation>
    </message>
    <message>
        <source>Добавить строку с датой и временем формирования отчета (экспорта).</source>
        <translation>Add a line with the date and time of the report (export).</translation>
    </message>
    <message>
        <source>Наименование листа:</source>
        <translation>Sheet name:</translation>
    </message>
    <message>
        <source>Ориентация:</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>Базовый размер шрифта:</source>
        <translation>Base font size:</translation>
    </message>
    <message>
        <source>Перечень экспортируемых полей:</source>
        <translation>Fields to export:</translation>
    </message>
    <message>
        <source>Файл книги:</source>
        <translation>Workbook file:</translation>
    </message>
    <message>
        <source>Сохранить параметры экспорта в файле конфигурации</source>
        <translation>Save the export settings in the configuration file</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Наименование столбца</source>
        <translation>Column caption</translation>
    </message>
    <message>
        <source>Выравнивание</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Ширина</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Физическое поле</source>
        <translation>Physical field</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Свойства</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Загрузить из файла</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <source>Сохранить в файле</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Число строк: %1</source>
        <translation>Rows: %1</translation>
    </message>
    <message>
        <source>Файл книги</source>
        <translation>Workbook file</translation>
    </message>
    <message>
        <source>Необходимо указать файл книги Microsoft Excel!</source>
        <translation>Specify the Microsoft Excel workbook file!</translation>
    </message>
    <message>
        <source>Файл &quot;%1&quot; уже существует.
Заменить его?</source>
        <translation>The file &quot;%1&quot; already exists.
Replace it?</translation>
    </message>
</context>
</TS>
