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
      <source>Некорректная дата: "{}"!</source>
      <translation>Invalid date: "{}"!</translation>
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
      <source>Тираж № {} от {}, значения: {} e:{}</source>
      <translation>Draw No. {} on {}, numbers: {} e:{}</translation>
    </message>
    <message>
      <source>Введена некорректная комбинация!</source>
      <translation>An invalid combination was entered!</translation>
    </message>
    <message>
      <source>Выпавшие числа, разделенные точкой с запятой или запятой</source>
      <translation>The drawn numbers, separated by semicolons or commas</translation>
    </message>
    <message>
      <source>Запись со индексом {} в файле данных не найдена!</source>
      <translation>The record with index {} was not found in the data file!</translation>
    </message>
    <message>
      <source>{}: в архиве тиражей не может быть больше {} тиражей</source>
      <translation>{}: the archive of draws cannot hold more than {} draws</translation>
    </message>
    <message>
      <source>1 - одно значение&#13;1, 2, 3 - список значений через запятую&#13;1-10;2 - нижняя и верхняя граница диапазона; шаг изменения</source>
      <translation>1 - one value&#13;1, 2, 3 - a list of values separated by commas&#13;1-10;2 - the lower and upper bound of a range; the step</translation>
    </message>
  </context>
</TS>
