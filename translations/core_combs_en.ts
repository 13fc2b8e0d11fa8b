<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Некорректная комбинация: "{}"!</source>
      <translation>Invalid combination: "{}"!</translation>
    </message>
    <message>
      <source>Ошибка создания буфера комбинаций!&#13;&#13;{}</source>
      <translation>Error creating the combination buffer!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>{}: файл поврежден</source>
      <translation>{}: the file is damaged</translation>
    </message>
    <message>
      <source>Ошибка загрузки буфера комбинаций!&#13;&#13;{}</source>
      <translation>Error loading the combination buffer!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Неделя</source>
      <translation>Week</translation>
    </message>
    <message>
      <source>Введен некорректный диапазон значений!</source>
      <translation>An invalid range of values was entered!</translation>
    </message>
    <message>
      <source>Для данного вида статистики не доступен режим выделения по списку значений!</source>
      <translation>Selecting by a list of values is not available for this statistics method!</translation>
    </message>
    <message>
      <source>В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть выполнена!&#13;Выберите другой способ останова.</source>
      <translation>In multi-selection mode the scenario cannot stop by the number of combinations or numbers!&#13;Choose another way to stop.</translation>
    </message>
    <message>
      <source>Оставить выделенные</source>
      <translation>Keep selected</translation>
    </message>
    <message>
      <source>Удалить выделенные</source>
      <translation>Remove selected</translation>
    </message>
    <message>
      <source>В выделенном диапазоне нет значений для фильтра!</source>
      <translation>The selected range has no values for the filter!</translation>
    </message>
    <message>
      <source>Полный список (все возможные для данного лото варианты)</source>
      <translation>Full list (every combination possible in this lottery)</translation>
    </message>
    <message>
      <source>Мои числа - должно присутствовать любое из указанных</source>
      <translation>My numbers - any of them must be present</translation>
    </message>
    <message>
      <source>Мои числа - комбинации только из списка указанных</source>
      <translation>My numbers - combinations of these numbers only</translation>
    </message>
    <message>
      <source>Мои числа - исключить комбинации с любым из указанных</source>
      <translation>My numbers - exclude combinations with any of them</translation>
    </message>
    <message>
      <source>Загрузить список из заранее подготовленного CSV-файла</source>
      <translation>Load the list from a prepared CSV file</translation>
    </message>
    <message>
      <source>Указанные числа не дают ни одной комбинации!&#13;&#13;Текущий список комбинаций оставлен без изменений.</source>
      <translation>The numbers given make no combination!&#13;&#13;The current combination list is left unchanged.</translation>
    </message>
    <message>
      <source>Примененные фильтры</source>
      <translation>Applied filters</translation>
    </message>
    <message>
      <source>Значения</source>
      <translation>Values</translation>
    </message>
    <message>
      <source>Комбинаций</source>
      <translation>Combinations</translation>
    </message>
    <message>
      <source>Отмена последней операции</source>
      <translation>Last operation undone</translation>
    </message>
    <message>
      <source>Ошибка чтения файла "{}"!&#13;&#13;{}</source>
      <translation>Error reading the file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка записи в файл "{}"!&#13;&#13;{}</source>
      <translation>Error writing to the file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Файлы комбинаций (*.lcv)|*.lcv</source>
      <translation>Combination files (*.lcv)|*.lcv</translation>
    </message>
    <message>
      <source>В текущем списке комбинаций содержится {} уникальных номеров</source>
      <translation>The current combination list holds {} distinct numbers</translation>
    </message>
    <message>
      <source>Выделенная комбинация не найдена в архиве тиражей!</source>
      <translation>The selected combination was not found in the draws archive!</translation>
    </message>
    <message>
      <source>Выделенная комбинация найдена в следующих тиражах:&#13;</source>
      <translation>The selected combination was found in these draws:&#13;</translation>
    </message>
  </context>
</TS>
