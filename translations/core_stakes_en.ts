<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Сравнение со случайной игрой (ставки из шести чисел):</source>
      <translation>Compared with random play (stakes of six numbers):</translation>
    </message>
    <message>
      <source>Ставок</source>
      <translation>Stakes</translation>
    </message>
    <message>
      <source>Ожид. 3+</source>
      <translation>Exp. 3+</translation>
    </message>
    <message>
      <source>p с поправкой</source>
      <translation>adjusted p</translation>
    </message>
    <message>
      <source>Профит</source>
      <translation>Profit</translation>
    </message>
    <message>
      <source>Ожид. профит</source>
      <translation>Exp. profit</translation>
    </message>
    <message>
      <source>p профита</source>
      <translation>profit p</translation>
    </message>
    <message>
      <source>Вывод: комментарий</source>
      <translation>Verdict: comment</translation>
    </message>
    <message>
      <source>Контроль: случайные ставки из полного набора, столько же на каждом смещении:</source>
      <translation>Control: random stakes from the full set, as many at every offset:</translation>
    </message>
    <message>
      <source>Не сравнивались ставок (не проверены или больше шести чисел): {}
</source>
      <translation>Stakes not compared (unchecked or of more than six numbers): {}
</translation>
    </message>
    <message>
      <source>Нет проверенных ставок для сравнения.</source>
      <translation>No checked stakes to compare.</translation>
    </message>
    <message>
      <source>Лучший вариант: {}
</source>
      <translation>Best variant: {}
</translation>
    </message>
    <message>
      <source>{}, с поправкой на число вариантов ({}): {}: {} (уровень {} %)
</source>
      <translation>{}, adjusted for the number of variants ({}): {}: {} (level {} %)
</translation>
    </message>
    <message>
      <source>На {} новейших смещениях у лучшего варианта нет проверенных ставок.
</source>
      <translation>On the {} newest offsets the best variant has no checked stakes.
</translation>
    </message>
    <message>
      <source>На {} новейших смещениях (вне выборки выбора): ставок {}, с 3 и более совпадениями {} (ожидалось {:.1f}), {}, профит {:.2f} (ожидалось {:.2f}): {}
</source>
      <translation>On the {} newest offsets (outside the choice): stakes {}, with 3 or more matches {} (expected {:.1f}), {}, profit {:.2f} (expected {:.2f}): {}
</translation>
    </message>
    <message>
      <source>{}: размер файла ({} байт) не кратен размеру записи ({} байта)</source>
      <translation>{}: the file size ({} bytes) is not a multiple of the record size ({} bytes)</translation>
    </message>
    <message>
      <source>Строка рейтинга: {}
</source>
      <translation>Rating row: {}
</translation>
    </message>
    <message>
      <source>Ставок: {}
</source>
      <translation>Stakes: {}
</translation>
    </message>
    <message>
      <source>Совпадений</source>
      <translation>Matches</translation>
    </message>
    <message>
      <source>Было</source>
      <translation>Observed</translation>
    </message>
    <message>
      <source>Ожидалось</source>
      <translation>Expected</translation>
    </message>
    <message>
      <source>Ст. откл.</source>
      <translation>Std. dev.</translation>
    </message>
    <message>
      <source>Ставок с 3 и более совпадениями: {} (ожидалось {:.2f} ± {:.2f})
</source>
      <translation>Stakes with 3 or more matches: {} (expected {:.2f} ± {:.2f})
</translation>
    </message>
    <message>
      <source>p (не меньше): {}
</source>
      <translation>p (at least): {}
</translation>
    </message>
    <message>
      <source>p (не больше): {}
</source>
      <translation>p (at most): {}
</translation>
    </message>
    <message>
      <source>p двусторонний: {}
</source>
      <translation>two-sided p: {}
</translation>
    </message>
    <message>
      <source>p с поправкой Холма на {} сравниваемых строк: {}
</source>
      <translation>p with Holm's adjustment for {} compared rows: {}
</translation>
    </message>
    <message>
      <source>Профит: {:.2f} (ожидалось {:.2f} ± {:.2f})
</source>
      <translation>Profit: {:.2f} (expected {:.2f} ± {:.2f})
</translation>
    </message>
    <message>
      <source>p (профит не меньше): {} ({})
</source>
      <translation>p (profit at least): {} ({})
</translation>
    </message>
    <message>
      <source>точное распределение</source>
      <translation>exact distribution</translation>
    </message>
    <message>
      <source>нормальное приближение</source>
      <translation>normal approximation</translation>
    </message>
    <message>
      <source>Вывод: {} (уровень {} %)
</source>
      <translation>Verdict: {} (level {} %)
</translation>
    </message>
    <message>
      <source>p</source>
      <translation>p</translation>
    </message>
    <message>
      <source>Сравнение со случайной игрой</source>
      <translation>Compared with random play</translation>
    </message>
    <message>
      <source>не отличается от случайной игры</source>
      <translation>no different from random play</translation>
    </message>
    <message>
      <source>лучше случайной игры</source>
      <translation>better than random play</translation>
    </message>
    <message>
      <source>хуже случайной игры</source>
      <translation>worse than random play</translation>
    </message>
    <message>
      <source>Загрузка файла рейтинга...</source>
      <translation>Loading the rating file...</translation>
    </message>
    <message>
      <source>Ошибка чтения файла рейтинга!&#13;&#13;{}</source>
      <translation>Error reading the rating file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Сохранение файла рейтинга...</source>
      <translation>Saving the rating file...</translation>
    </message>
    <message>
      <source>Ошибка записи в файл рейтинга!&#13;&#13;{}</source>
      <translation>Error writing to the rating file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Сортировка рейтинга...</source>
      <translation>Sorting the rating...</translation>
    </message>
    <message>
      <source>Обновление рейтинга...</source>
      <translation>Updating the rating...</translation>
    </message>
    <message>
      <source>Ошибка обновления рейтинга!&#13;&#13;{}</source>
      <translation>Error updating the rating!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Экспорт в CSV-файл...</source>
      <translation>Exporting to a CSV file...</translation>
    </message>
    <message>
      <source>Ошибка записи в файл "{}"!&#13;&#13;{}</source>
      <translation>Error writing to the file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Пересчитать рейтинг только по текущим ставкам?&#13;&#13;Накопленные ранее данные по удаленным ставкам будут потеряны.</source>
      <translation>Recalculate the rating from the current stakes only?&#13;&#13;The data collected earlier for deleted stakes will be lost.</translation>
    </message>
    <message>
      <source>CSV-файлы (*.csv)|*.csv</source>
      <translation>CSV files (*.csv)|*.csv</translation>
    </message>
    <message>
      <source>Рейтинг: {}</source>
      <translation>Rating: {}</translation>
    </message>
    <message>
      <source>Комментарий</source>
      <translation>Comment</translation>
    </message>
    <message>
      <source>Угадано</source>
      <translation>Matched</translation>
    </message>
    <message>
      <source>Среднее</source>
      <translation>Average</translation>
    </message>
    <message>
      <source>Ср. профит</source>
      <translation>Avg. profit</translation>
    </message>
    <message>
      <source>Ожидаемые значения совпадений</source>
      <translation>Expected numbers of matches</translation>
    </message>
    <message>
      <source>Абсолютные значения эффективности</source>
      <translation>Absolute efficiency</translation>
    </message>
    <message>
      <source>Относительные значения эффективности</source>
      <translation>Relative efficiency</translation>
    </message>
    <message>
      <source>Ошибка чтения файла регулярных ставок!&#13;&#13;{}</source>
      <translation>Error reading the regular stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка записи в файл регулярных ставок!&#13;&#13;{}</source>
      <translation>Error writing to the regular stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Шаг должен быть от {} до {}!</source>
      <translation>The step must be from {} to {}!</translation>
    </message>
    <message>
      <source>Регуляры</source>
      <translation>Regular stakes</translation>
    </message>
    <message>
      <source>Добавление регулярной ставки</source>
      <translation>Add a regular stake</translation>
    </message>
    <message>
      <source>{...Выделенные комбинации...}</source>
      <translation>{...Selected combinations...}</translation>
    </message>
    <message>
      <source>Запись с таким комментарием уже присутствует в списке!&#13;Выберите другой комментарий.</source>
      <translation>A record with this comment is already in the list!&#13;Choose another comment.</translation>
    </message>
    <message>
      <source>Загрузка файла регулярных ставок...</source>
      <translation>Loading the regular stakes file...</translation>
    </message>
    <message>
      <source>Сохранение файла регулярных ставок...</source>
      <translation>Saving the regular stakes file...</translation>
    </message>
    <message>
      <source>Создание регулярных ставок...</source>
      <translation>Creating regular stakes...</translation>
    </message>
    <message>
      <source>Удаление регулярных ставок...</source>
      <translation>Deleting regular stakes...</translation>
    </message>
    <message>
      <source>Создание ставок по регулярным табличным ставкам...</source>
      <translation>Creating stakes from the regular stakes...</translation>
    </message>
    <message>
      <source>Стартовая комбинация</source>
      <translation>Start combination</translation>
    </message>
    <message>
      <source>Шаг</source>
      <translation>Step</translation>
    </message>
    <message>
      <source>Текущая комбинация</source>
      <translation>Current combination</translation>
    </message>
    <message>
      <source>Архив тиражей пуст: ставку по данным предыдущего тиража сделать невозможно!</source>
      <translation>The archive of draws is empty: a stake from the previous draw cannot be made!</translation>
    </message>
    <message>
      <source>недопустимый режим {}</source>
      <translation>invalid mode {}</translation>
    </message>
    <message>
      <source>шаг {} вне пределов {}..{}</source>
      <translation>step {} outside {}..{}</translation>
    </message>
    <message>
      <source>некорректная стартовая комбинация</source>
      <translation>invalid start combination</translation>
    </message>
    <message>
      <source>некорректная текущая комбинация</source>
      <translation>invalid current combination</translation>
    </message>
    <message>
      <source>{}: размер файла ({} байт) не кратен размеру записи ({} байт)</source>
      <translation>{}: the file size ({} bytes) is not a multiple of the record size ({} bytes)</translation>
    </message>
    <message>
      <source>{}: запись {}: {}</source>
      <translation>{}: record {}: {}</translation>
    </message>
    <message>
      <source>Ошибка добавления записи в файл ставок!&#13;&#13;{}</source>
      <translation>Error adding a record to the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Номер тиража должен быть от 1 до {}!</source>
      <translation>The draw number must be from 1 to {}!</translation>
    </message>
    <message>
      <source>Количество тиражей должно быть от 1 до {}!</source>
      <translation>The number of draws must be from 1 to {}!</translation>
    </message>
    <message>
      <source>Номер последнего тиража ставки ({}) больше {}!</source>
      <translation>The number of the stake's last draw ({}) is greater than {}!</translation>
    </message>
    <message>
      <source>Ошибка поиска записи в файле ставок!&#13;&#13;{}</source>
      <translation>Error searching the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Добавление в конец файла уже проверенной ставки!</source>
      <translation>Appending a stake that is already checked!</translation>
    </message>
    <message>
      <source>Недостаточно места на диске: для {} записей нужно {:.1f} МБ, свободно {:.1f} МБ.</source>
      <translation>Not enough disk space: {} records need {:.1f} MB, {:.1f} MB are free.</translation>
    </message>
    <message>
      <source>Проверка результатов ставок...</source>
      <translation>Checking the stake results...</translation>
    </message>
    <message>
      <source>Проверка результатов ставок</source>
      <translation>Checking the stake results</translation>
    </message>
    <message>
      <source>Ошибка проверки ставок!&#13;&#13;{}</source>
      <translation>Error checking the stakes!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Будет сделано ставок: {} на сумму {}</source>
      <translation>Stakes to be made: {}, total cost {}</translation>
    </message>
    <message>
      <source>Добавление ставки</source>
      <translation>Add a stake</translation>
    </message>
    <message>
      <source>Добавление мультиставки</source>
      <translation>Add a multi-stake</translation>
    </message>
    <message>
      <source>Введена некорректная комбинация!</source>
      <translation>An invalid combination was entered!</translation>
    </message>
    <message>
      <source>Необходимо ввести комментарий!</source>
      <translation>A comment must be entered!</translation>
    </message>
    <message>
      <source>Создание ставки...</source>
      <translation>Creating the stake...</translation>
    </message>
    <message>
      <source>Создание ставок...</source>
      <translation>Creating stakes...</translation>
    </message>
    <message>
      <source>Удаление по условию</source>
      <translation>Delete by condition</translation>
    </message>
    <message>
      <source>Выберите условие:</source>
      <translation>Choose the condition:</translation>
    </message>
    <message>
      <source>Равно [ = ]</source>
      <translation>Equal [ = ]</translation>
    </message>
    <message>
      <source>Более [ &gt; ]</source>
      <translation>Greater [ &gt; ]</translation>
    </message>
    <message>
      <source>Не менее [ &gt;= ]</source>
      <translation>Not less [ &gt;= ]</translation>
    </message>
    <message>
      <source>Менее [ &lt; ]</source>
      <translation>Less [ &lt; ]</translation>
    </message>
    <message>
      <source>Не более [ &lt;= ]</source>
      <translation>Not greater [ &lt;= ]</translation>
    </message>
    <message>
      <source>Ошибка удаления файла "{}"!&#13;&#13;{}</source>
      <translation>Error deleting the file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Удалить ставки, удовлетворяющие условию (всего будет удалено {} ставок)?</source>
      <translation>Delete the stakes that meet the condition ({} stakes will be deleted)?</translation>
    </message>
    <message>
      <source>Удалить журналы ставок (всего будет удалено {} файлов)?</source>
      <translation>Delete the stake logs ({} files will be deleted)?</translation>
    </message>
    <message>
      <source>Ошибка удаления записи из файла ставок!&#13;&#13;{}</source>
      <translation>Error deleting a record from the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Удалено файлов журналов: {} из {}.</source>
      <translation>Log files deleted: {} of {}.</translation>
    </message>
    <message>
      <source>Удаление ставок...</source>
      <translation>Deleting stakes...</translation>
    </message>
    <message>
      <source>Файлы журналов не найдены!</source>
      <translation>No log files were found!</translation>
    </message>
    <message>
      <source>Поиск файлов журналов...</source>
      <translation>Searching for log files...</translation>
    </message>
    <message>
      <source>Нет ставок, удовлетворяющих условию.</source>
      <translation>No stakes meet the condition.</translation>
    </message>
    <message>
      <source>Вручную</source>
      <translation>Manual</translation>
    </message>
    <message>
      <source>Регуляр</source>
      <translation>Regular</translation>
    </message>
    <message>
      <source>Сценарий</source>
      <translation>Scenario</translation>
    </message>
    <message>
      <source>Система</source>
      <translation>System</translation>
    </message>
    <message>
      <source>Ставок: {}</source>
      <translation>Stakes: {}</translation>
    </message>
    <message>
      <source>№ тиража</source>
      <translation>Draw No.</translation>
    </message>
    <message>
      <source>Вид ставки</source>
      <translation>Stake type</translation>
    </message>
    <message>
      <source>Моя ставка</source>
      <translation>My stake</translation>
    </message>
    <message>
      <source>Выборка</source>
      <translation>Pick size</translation>
    </message>
    <message>
      <source>Результаты тиража</source>
      <translation>Draw results</translation>
    </message>
    <message>
      <source>Совпадения</source>
      <translation>Matched numbers</translation>
    </message>
    <message>
      <source>{}: это не обычный файл</source>
      <translation>{}: this is not a regular file</translation>
    </message>
    <message>
      <source>Запись со индексом {} в файле данных не найдена!</source>
      <translation>The record with index {} was not found in the data file!</translation>
    </message>
    <message>
      <source>Ошибка чтения записи из файла ставок!&#13;&#13;{}</source>
      <translation>Error reading a record from the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка записи в файл ставок!&#13;&#13;{}</source>
      <translation>Error writing to the stakes file!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка переименования / удаления временного файла ставок {}!&#13;&#13;{}</source>
      <translation>Error renaming / deleting the temporary stakes file {}!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Предыдущее изменение ставок не завершено!</source>
      <translation>The previous change of the stakes is not finished!</translation>
    </message>
    <message>
      <source>Файл ставок не открыт!</source>
      <translation>The stakes file is not open!</translation>
    </message>
    <message>
      <source>Журнал изменения ставок поврежден: {}</source>
      <translation>The journal of the stakes change is damaged: {}</translation>
    </message>
  </context>
</TS>
