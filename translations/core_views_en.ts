<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Было</source>
      <translation>Observed</translation>
    </message>
    <message>
      <source>Случайная игра</source>
      <translation>Random play</translation>
    </message>
    <message>
      <source>+2 ст. откл.</source>
      <translation>+2 std. dev.</translation>
    </message>
    <message>
      <source>Совпадения строки и случайная игра</source>
      <translation>The row's matches and random play</translation>
    </message>
    <message>
      <source>В выделенном диапазоне нет значений для фильтра!</source>
      <translation>The selected range has no values for the filter!</translation>
    </message>
    <message>
      <source>Среднее значение</source>
      <translation>Mean value</translation>
    </message>
    <message>
      <source>Наиболее часто встречающееся значение</source>
      <translation>Most frequent value</translation>
    </message>
    <message>
      <source>Совпадений: {}</source>
      <translation>Matches: {}</translation>
    </message>
    <message>
      <source>Количество повторов в зависимости от тиража</source>
      <translation>Number of repeats by draw</translation>
    </message>
    <message>
      <source>Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!</source>
      <translation>To build the graphs, the selected range must hold more than one draw!</translation>
    </message>
    <message>
      <source>Суммарный профит ставок по тиражу</source>
      <translation>Total profit of the stakes per draw</translation>
    </message>
    <message>
      <source>Накопленное значение</source>
      <translation>Running total</translation>
    </message>
    <message>
      <source>Нормальные значения</source>
      <translation>Expected values</translation>
    </message>
    <message>
      <source>Диапазон {} (от {} и выше по оси Y) - суммы {}-{}</source>
      <translation>Range {} ({} and above on the Y axis) - sums {}-{}</translation>
    </message>
    <message>
      <source>Распределение сумм тиражей и всех возможных комбинаций</source>
      <translation>Distribution of the sums of the draws and of all possible combinations</translation>
    </message>
    <message>
      <source>Фактическое распределение сумм (по тиражам)</source>
      <translation>Actual distribution of the sums (by draws)</translation>
    </message>
    <message>
      <source>Теоретическое распределение сумм (по комбинациям)</source>
      <translation>Theoretical distribution of the sums (by combinations)</translation>
    </message>
  </context>
</TS>
