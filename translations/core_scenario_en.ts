<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Количество вариантов больше %d.</source>
      <translation>More than %d variants.</translation>
    </message>
    <message>
      <source>Некорректное описание фильтра: %s!</source>
      <translation>Invalid filter description: %s!</translation>
    </message>
    <message>
      <source>Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!&#13;Пожалуйста, уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите попытку.</source>
      <translation>You have set too many filter variants - the program cannot process them all!&#13;Please reduce the number of sample length and depth variants in each filter, then try again.</translation>
    </message>
    <message>
      <source>Для данного вида статистики не доступен режим выделения по списку значений!</source>
      <translation>Selection by a list of values is not available for this kind of statistics!</translation>
    </message>
    <message>
      <source>Скрытые</source>
      <translation>Hidden</translation>
    </message>
    <message>
      <source>Все, включая скрытые</source>
      <translation>All, including hidden</translation>
    </message>
    <message>
      <source>Все, кроме скрытых (по умолчанию)</source>
      <translation>All except hidden (default)</translation>
    </message>
    <message>
      <source>Только мои</source>
      <translation>Mine only</translation>
    </message>
    <message>
      <source>Только публичные</source>
      <translation>Public only</translation>
    </message>
    <message>
      <source>С моими оценками</source>
      <translation>Rated by me</translation>
    </message>
    <message>
      <source>Без моих оценок</source>
      <translation>Not rated by me</translation>
    </message>
    <message>
      <source>Новые (24 часа с момента публикации)</source>
      <translation>New (24 hours since publication)</translation>
    </message>
    <message>
      <source>Код возврата: {}</source>
      <translation>Return code: {}</translation>
    </message>
    <message>
      <source>Недопустимая оценка: {}</source>
      <translation>Invalid rating: {}</translation>
    </message>
    <message>
      <source>Русский</source>
      <translation>Russian</translation>
    </message>
    <message>
      <source>Английский</source>
      <translation>English</translation>
    </message>
    <message>
      <source>Украинский</source>
      <translation>Ukrainian</translation>
    </message>
    <message>
      <source>Белорусский</source>
      <translation>Belarusian</translation>
    </message>
    <message>
      <source>Немецкий</source>
      <translation>German</translation>
    </message>
    <message>
      <source>Нидерландский</source>
      <translation>Dutch</translation>
    </message>
    <message>
      <source>Строку&#13;&#13;{}&#13;&#13;невозможно добавить в сценарий!</source>
      <translation>The line&#13;&#13;{}&#13;&#13;cannot be added to the scenario!</translation>
    </message>
    <message>
      <source>Строку&#13;&#13;{}&#13;&#13;невозможно добавить в сценарий: она занимает все {} символов комментария ставки, и ее конец мог быть обрезан!</source>
      <translation>The line&#13;&#13;{}&#13;&#13;cannot be added to the scenario: it fills all {} characters of a stake comment, and its end may have been cut off!</translation>
    </message>
    <message>
      <source>Генерация новых строк в сценарии...</source>
      <translation>Generating new scenario lines...</translation>
    </message>
    <message>
      <source>"{}" не является целым числом!</source>
      <translation>"{}" is not a whole number!</translation>
    </message>
    <message>
      <source>Ошибка записи журнала: {}!</source>
      <translation>Error writing the log: {}!</translation>
    </message>
    <message>
      <source>Файлы журналов не найдены!</source>
      <translation>No log files found!</translation>
    </message>
    <message>
      <source>Поиск файлов журналов...</source>
      <translation>Searching for log files...</translation>
    </message>
    <message>
      <source>Фильтр {} из {}: {}</source>
      <translation>Filter {} of {}: {}</translation>
    </message>
    <message>
      <source>Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их осталось более одной: {}!&#13;&#13;Фильтры: {}</source>
      <translation>The scenario run was stopped because more than one combination is left in the list after applying all filters: {}!&#13;&#13;Filters: {}</translation>
    </message>
    <message>
      <source>Будет сделано ставок: {} ({:.1f} МБ в файле ставок).&#13;&#13;Фильтры: {}&#13;&#13;Сделать эти ставки? Ответ "Да" относится и к следующим таким ставкам этого выполнения сценария.</source>
      <translation>Stakes to be made: {} ({:.1f} MB in the stakes file).&#13;&#13;Filters: {}&#13;&#13;Make these stakes? "Yes" also holds for the next such stakes of this scenario run.</translation>
    </message>
    <message>
      <source>Метод расчета статистики "{}" на найден!&#13;{}&#13;&#13;Возможно, Вы отключили данных метод расчета либо использовали сценарий от другой модификации программы.</source>
      <translation>Statistics method "{}" not found!&#13;{}&#13;&#13;You may have disabled this statistics method or used a scenario from another edition of the program.</translation>
    </message>
    <message>
      <source>В столбце "{}" таблицы статистики нет ни одного значения: фильтр "{}" не может быть применен!&#13;&#13;{}</source>
      <translation>The "{}" column of the statistics table holds no value at all: the filter "{}" cannot be applied!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Цикл: {}</source>
      <translation>Cycle: {}</translation>
    </message>
    <message>
      <source>Строка: {}</source>
      <translation>Line: {}</translation>
    </message>
    <message>
      <source>Ставок: {}</source>
      <translation>Stakes: {}</translation>
    </message>
    <message>
      <source>Выполнение сценария...</source>
      <translation>Running the scenario...</translation>
    </message>
    <message>
      <source>Сценарий завершен!</source>
      <translation>Scenario finished!</translation>
    </message>
    <message>
      <source>Остановить выполнение сценария?</source>
      <translation>Stop running the scenario?</translation>
    </message>
    <message>
      <source>Количество тестов</source>
      <translation>Number of tests</translation>
    </message>
    <message>
      <source>Укажите количество тестов:</source>
      <translation>Enter the number of tests:</translation>
    </message>
    <message>
      <source>Создание всех вариантов фильтров...</source>
      <translation>Creating all filter variants...</translation>
    </message>
    <message>
      <source>Значения этого столбца рассчитываются только при сравнении с полным набором комбинаций: включите "Использовать сравнение с полным набором комбинаций" (параметр PrefetchsEnabled) и повторите попытку.</source>
      <translation>This column has values only when comparing with the full set of combinations: turn on "Compare with the full set of combinations" (setting PrefetchsEnabled) and try again.</translation>
    </message>
    <message>
      <source>Значения этого столбца рассчитываются только при сравнении с полным набором комбинаций, а для этого метода оно не выполняется: выберите условие по другому столбцу.</source>
      <translation>This column has values only when comparing with the full set of combinations, which this method does not do: choose a condition on another column.</translation>
    </message>
    <message>
      <source>Увеличьте количество тиражей выборки или выберите условие по другому столбцу.</source>
      <translation>Increase the number of draws in the sample or choose a condition on another column.</translation>
    </message>
    <message>
      <source>Запись со индексом %d в файле данных не найдена!</source>
      <translation>Record with index %d not found in the data file!</translation>
    </message>
    <message>
      <source>Загрузка файла "%s"...</source>
      <translation>Loading file "%s"...</translation>
    </message>
    <message>
      <source>Сохранение файла "%s"...</source>
      <translation>Saving file "%s"...</translation>
    </message>
    <message>
      <source>Файлы сценариев (*.lsc)|*.lsc</source>
      <translation>Scenario files (*.lsc)|*.lsc</translation>
    </message>
    <message>
      <source>Удаление строк...</source>
      <translation>Deleting lines...</translation>
    </message>
    <message>
      <source>Ошибка чтения файла "%s"!&#13;&#13;%s</source>
      <translation>Error reading file "%s"!&#13;&#13;%s</translation>
    </message>
    <message>
      <source>Ошибка записи в файл "%s"!&#13;&#13;%s</source>
      <translation>Error writing to file "%s"!&#13;&#13;%s</translation>
    </message>
    <message>
      <source>Исходный список (рекомендуется для тестов)</source>
      <translation>Initial list (recommended for tests)</translation>
    </message>
    <message>
      <source>Исходный список</source>
      <translation>Initial list</translation>
    </message>
    <message>
      <source>Удалить N последних тиражей (для прогнозов)</source>
      <translation>Remove the last N draws (for forecasts)</translation>
    </message>
    <message>
      <source>Исключить %d тиражей</source>
      <translation>Exclude %d draws</translation>
    </message>
    <message>
      <source>Текущий список (для последовательного выполнения)</source>
      <translation>Current list (for sequential runs)</translation>
    </message>
    <message>
      <source>Текущий список</source>
      <translation>Current list</translation>
    </message>
    <message>
      <source>Выбрать одну случайную комбинацию</source>
      <translation>Pick one random combination</translation>
    </message>
    <message>
      <source>Случайно</source>
      <translation>Random</translation>
    </message>
    <message>
      <source>Выбрать первую комбинацию в списке</source>
      <translation>Pick the first combination in the list</translation>
    </message>
    <message>
      <source>Первая</source>
      <translation>First</translation>
    </message>
    <message>
      <source>Выбрать последнюю комбинацию в списке</source>
      <translation>Pick the last combination in the list</translation>
    </message>
    <message>
      <source>Последняя</source>
      <translation>Last</translation>
    </message>
    <message>
      <source>Выбрать все комбинации (не рекомендуется)</source>
      <translation>Pick all combinations (not recommended)</translation>
    </message>
    <message>
      <source>Все</source>
      <translation>All</translation>
    </message>
    <message>
      <source>Системная игра [вся система]</source>
      <translation>System play [whole system]</translation>
    </message>
    <message>
      <source>Система [все]</source>
      <translation>System [all]</translation>
    </message>
    <message>
      <source>Системная игра [система * комбинации]</source>
      <translation>System play [system * combinations]</translation>
    </message>
    <message>
      <source>Система [комб]</source>
      <translation>System [combs]</translation>
    </message>
    <message>
      <source>Остановить выполнение сценария</source>
      <translation>Stop running the scenario</translation>
    </message>
    <message>
      <source>Остановить</source>
      <translation>Stop</translation>
    </message>
    <message>
      <source>Пропустить (игнорировать) эту ставку</source>
      <translation>Skip (ignore) this stake</translation>
    </message>
    <message>
      <source>Пропустить</source>
      <translation>Skip</translation>
    </message>
    <message>
      <source>Не делать ставок (для последовательного выполнения)</source>
      <translation>Make no stakes (for sequential runs)</translation>
    </message>
    <message>
      <source>Не делать ставок</source>
      <translation>No stakes</translation>
    </message>
    <message>
      <source>Весь список (без условий)</source>
      <translation>Whole list (no conditions)</translation>
    </message>
    <message>
      <source>"Глубина": не менее заданного значения</source>
      <translation>"Depth": at least the given value</translation>
    </message>
    <message>
      <source>"Глубина": не менее заданного процента</source>
      <translation>"Depth": at least the given percentage</translation>
    </message>
    <message>
      <source>"Глубина": не более заданного значения</source>
      <translation>"Depth": at most the given value</translation>
    </message>
    <message>
      <source>"Глубина": не более заданного процента</source>
      <translation>"Depth": at most the given percentage</translation>
    </message>
    <message>
      <source>"Глубина": из заданного списка значений</source>
      <translation>"Depth": from the given list of values</translation>
    </message>
    <message>
      <source>"Глубина": из заданного списка процентов</source>
      <translation>"Depth": from the given list of percentages</translation>
    </message>
    <message>
      <source>"Отклонение": не менее заданного значения</source>
      <translation>"Deviation": at least the given value</translation>
    </message>
    <message>
      <source>"Отклонение": не менее заданного процента</source>
      <translation>"Deviation": at least the given percentage</translation>
    </message>
    <message>
      <source>"Отклонение": не более заданного значения</source>
      <translation>"Deviation": at most the given value</translation>
    </message>
    <message>
      <source>"Отклонение": не более заданного процента</source>
      <translation>"Deviation": at most the given percentage</translation>
    </message>
    <message>
      <source>"Отклонение": из заданного списка значений</source>
      <translation>"Deviation": from the given list of values</translation>
    </message>
    <message>
      <source>"Отклонение": из заданного списка процентов</source>
      <translation>"Deviation": from the given list of percentages</translation>
    </message>
    <message>
      <source>"Количество": не менее заданного значения</source>
      <translation>"Count": at least the given value</translation>
    </message>
    <message>
      <source>"Количество": не менее заданного процента</source>
      <translation>"Count": at least the given percentage</translation>
    </message>
    <message>
      <source>"Количество": не более заданного значения</source>
      <translation>"Count": at most the given value</translation>
    </message>
    <message>
      <source>"Количество": не более заданного процента</source>
      <translation>"Count": at most the given percentage</translation>
    </message>
    <message>
      <source>"Количество": из заданного списка значений</source>
      <translation>"Count": from the given list of values</translation>
    </message>
    <message>
      <source>"Количество": из заданного списка процентов</source>
      <translation>"Count": from the given list of percentages</translation>
    </message>
    <message>
      <source>"Вес": не менее заданного значения</source>
      <translation>"Weight": at least the given value</translation>
    </message>
    <message>
      <source>"Вес": не более заданного значения</source>
      <translation>"Weight": at most the given value</translation>
    </message>
    <message>
      <source>"Вес": из заданного списка значений</source>
      <translation>"Weight": from the given list of values</translation>
    </message>
    <message>
      <source>"Период min": не менее заданного значения</source>
      <translation>"Period min": at least the given value</translation>
    </message>
    <message>
      <source>"Период min": не более заданного значения</source>
      <translation>"Period min": at most the given value</translation>
    </message>
    <message>
      <source>"Период min": из заданного списка значений</source>
      <translation>"Period min": from the given list of values</translation>
    </message>
    <message>
      <source>"Период": не менее заданного значения</source>
      <translation>"Period": at least the given value</translation>
    </message>
    <message>
      <source>"Период": не более заданного значения</source>
      <translation>"Period": at most the given value</translation>
    </message>
    <message>
      <source>"Период": из заданного списка значений</source>
      <translation>"Period": from the given list of values</translation>
    </message>
    <message>
      <source>"Период max": не менее заданного значения</source>
      <translation>"Period max": at least the given value</translation>
    </message>
    <message>
      <source>"Период max": не более заданного значения</source>
      <translation>"Period max": at most the given value</translation>
    </message>
    <message>
      <source>"Период max": из заданного списка значений</source>
      <translation>"Period max": from the given list of values</translation>
    </message>
    <message>
      <source>"Значения": из заданного списка значений</source>
      <translation>"Values": from the given list of values</translation>
    </message>
    <message>
      <source>Обработать все записи</source>
      <translation>Nothing (go through all rows)</translation>
    </message>
    <message>
      <source>Количеству оставшихся комбинаций</source>
      <translation>Number of combinations left</translation>
    </message>
    <message>
      <source>Пока список не будет пуст и откатить на шаг</source>
      <translation>Empty list (undo the last step)</translation>
    </message>
    <message>
      <source>Количеству шагов</source>
      <translation>Number of steps</translation>
    </message>
    <message>
      <source>Значению в списке статистики</source>
      <translation>Value in the statistics list</translation>
    </message>
    <message>
      <source>Процентному соотношению в списке статистики</source>
      <translation>Percentage in the statistics list</translation>
    </message>
    <message>
      <source>Комментарий не может содержать символ "|" или перевод строки!</source>
      <translation>A comment cannot contain the "|" character or a line break!</translation>
    </message>
    <message>
      <source>Фильтр %d не может содержать символ "|" или перевод строки!</source>
      <translation>Filter %d cannot contain the "|" character or a line break!</translation>
    </message>
    <message>
      <source>Элемент сценария</source>
      <translation>Scenario element</translation>
    </message>
    <message>
      <source>Создание новой строки</source>
      <translation>New line</translation>
    </message>
    <message>
      <source>Редактирование строки</source>
      <translation>Edit line</translation>
    </message>
    <message>
      <source>Удалить все ставки перед выполнением (накопление только рейтинга)</source>
      <translation>Delete all stakes before running (accumulate the rating only)</translation>
    </message>
    <message>
      <source>Только новые ставки (пропускать те ставки, которые уже есть в списке)</source>
      <translation>New stakes only (skip stakes already in the list)</translation>
    </message>
    <message>
      <source>Строк: %d</source>
      <translation>Lines: %d</translation>
    </message>
    <message>
      <source>Комментарии</source>
      <translation>Comments</translation>
    </message>
    <message>
      <source>Опции</source>
      <translation>Options</translation>
    </message>
    <message>
      <source>Фильтр 1</source>
      <translation>Filter 1</translation>
    </message>
    <message>
      <source>Фильтр 2</source>
      <translation>Filter 2</translation>
    </message>
    <message>
      <source>Фильтр 3</source>
      <translation>Filter 3</translation>
    </message>
    <message>
      <source>Фильтр 4</source>
      <translation>Filter 4</translation>
    </message>
    <message>
      <source>Фильтр 5</source>
      <translation>Filter 5</translation>
    </message>
    <message>
      <source>Фильтр 6</source>
      <translation>Filter 6</translation>
    </message>
    <message>
      <source>Фильтр 7</source>
      <translation>Filter 7</translation>
    </message>
    <message>
      <source>Удалить ставки</source>
      <translation>Delete stakes</translation>
    </message>
    <message>
      <source>Только новые ставки</source>
      <translation>New stakes only</translation>
    </message>
    <message>
      <source>Все создаваемые ставки</source>
      <translation>All stakes made</translation>
    </message>
  </context>
</TS>
