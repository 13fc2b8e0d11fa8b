<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Переходы чисел между 2 тиражами без учета позиции</source>
      <translation>Transitions of numbers between 2 draws regardless of position</translation>
    </message>
    <message>
      <source>Переходы чисел между 2 тиражами с учетом позиции</source>
      <translation>Transitions of numbers between 2 draws by position</translation>
    </message>
    <message>
      <source>Переходы чисел между 2 тиражами в %d позиции</source>
      <translation>Transitions of numbers between 2 draws at position %d</translation>
    </message>
    <message>
      <source>Переходы чисел между 3 тиражами с учетом позиции</source>
      <translation>Transitions of numbers between 3 draws by position</translation>
    </message>
    <message>
      <source>Переходы чисел между 3 тиражами в %d позиции</source>
      <translation>Transitions of numbers between 3 draws at position %d</translation>
    </message>
    <message>
      <source>Переходы каналов между 2 тиражами без учета позиции</source>
      <translation>Transitions of channels between 2 draws regardless of position</translation>
    </message>
    <message>
      <source>Переходы каналов между 2 тиражами с учетом позиции</source>
      <translation>Transitions of channels between 2 draws by position</translation>
    </message>
    <message>
      <source>Переходы каналов между 2 тиражами в %d позиции</source>
      <translation>Transitions of channels between 2 draws at position %d</translation>
    </message>
    <message>
      <source>Переходы каналов между 3 тиражами с учетом позиции</source>
      <translation>Transitions of channels between 3 draws by position</translation>
    </message>
    <message>
      <source>Переходы каналов между 3 тиражами в %d позиции</source>
      <translation>Transitions of channels between 3 draws at position %d</translation>
    </message>
    <message>
      <source>Переходы кол-ва чисел в %d канале между 2 тиражами</source>
      <translation>Transitions of the count of numbers in channel %d between 2 draws</translation>
    </message>
    <message>
      <source>Переходы кол-ва чисел в %d канале между 3 тиражами</source>
      <translation>Transitions of the count of numbers in channel %d between 3 draws</translation>
    </message>
    <message>
      <source>Переходы чисел в пределах каналов (все)</source>
      <translation>Transitions of numbers within channels (all)</translation>
    </message>
    <message>
      <source>Переходы чисел в пределах каналов (N-M, удачные)</source>
      <translation>Transitions of numbers within channels (N-M, successful)</translation>
    </message>
    <message>
      <source>Переходы чисел в пределах каналов (N-0, не удачные)</source>
      <translation>Transitions of numbers within channels (N-0, unsuccessful)</translation>
    </message>
    <message>
      <source>Переходы чисел в пределах каналов (количество)</source>
      <translation>Transitions of numbers within channels (count)</translation>
    </message>
    <message>
      <source>Переходы сегментов между 2 тиражами без учета позиции</source>
      <translation>Transitions of segments between 2 draws regardless of position</translation>
    </message>
    <message>
      <source>Переходы сегментов между 2 тиражами с учетом позиции</source>
      <translation>Transitions of segments between 2 draws by position</translation>
    </message>
    <message>
      <source>Переходы сегментов между 2 тиражами в %d позиции</source>
      <translation>Transitions of segments between 2 draws at position %d</translation>
    </message>
    <message>
      <source>Переходы сегментов между 3 тиражами с учетом позиции</source>
      <translation>Transitions of segments between 3 draws by position</translation>
    </message>
    <message>
      <source>Переходы сегментов между 3 тиражами в %d позиции</source>
      <translation>Transitions of segments between 3 draws at position %d</translation>
    </message>
    <message>
      <source>Переходы кол-ва чисел в %d сегменте между 2 тиражами</source>
      <translation>Transitions of the count of numbers in segment %d between 2 draws</translation>
    </message>
    <message>
      <source>Переходы кол-ва чисел в %d сегменте между 3 тиражами</source>
      <translation>Transitions of the count of numbers in segment %d between 3 draws</translation>
    </message>
    <message>
      <source>Каналы</source>
      <translation>Channels</translation>
    </message>
    <message>
      <source>Количество чисел в канале</source>
      <translation>Count of numbers in a channel</translation>
    </message>
    <message>
      <source>Количество каналов в тираже</source>
      <translation>Number of channels in the draw</translation>
    </message>
    <message>
      <source>Сочетания из 2 каналов по всем числам тиража</source>
      <translation>Combinations of 2 channels over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 3 каналов по всем числам тиража</source>
      <translation>Combinations of 3 channels over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 4 каналов по всем числам тиража</source>
      <translation>Combinations of 4 channels over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 2 каналов по соседним числам</source>
      <translation>Combinations of 2 channels over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 3 каналов по соседним числам</source>
      <translation>Combinations of 3 channels over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 4 каналов по соседним числам</source>
      <translation>Combinations of 4 channels over adjacent numbers</translation>
    </message>
    <message>
      <source>Количество чисел в %0:d канале</source>
      <translation>Count of numbers in channel %0:d</translation>
    </message>
    <message>
      <source>Сочетания из 2 чисел по всем числам тиража</source>
      <translation>Combinations of 2 numbers over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 3 чисел по всем числам тиража</source>
      <translation>Combinations of 3 numbers over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 4 чисел по всем числам тиража</source>
      <translation>Combinations of 4 numbers over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 2 соседних чисел тиража</source>
      <translation>Combinations of 2 adjacent numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 3 соседних чисел тиража</source>
      <translation>Combinations of 3 adjacent numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 4 соседних чисел тиража</source>
      <translation>Combinations of 4 adjacent numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 2-х чисел тиража начиная с %0:d позиции</source>
      <translation>Combinations of 2 numbers of the draw from position %0:d</translation>
    </message>
    <message>
      <source>Сочетания из 3-х чисел тиража начиная с %0:d позиции</source>
      <translation>Combinations of 3 numbers of the draw from position %0:d</translation>
    </message>
    <message>
      <source>Сочетания из 4-х чисел тиража начиная с %0:d позиции</source>
      <translation>Combinations of 4 numbers of the draw from position %0:d</translation>
    </message>
    <message>
      <source>Все разности между соседними позициями</source>
      <translation>All differences between adjacent positions</translation>
    </message>
    <message>
      <source>Максимальная разность между соседними позициями</source>
      <translation>Largest difference between adjacent positions</translation>
    </message>
    <message>
      <source>Разность между минимальным и максимальным числом</source>
      <translation>Difference between the smallest and the largest number</translation>
    </message>
    <message>
      <source>Одинаковые разности между соседними позициями</source>
      <translation>Equal differences between adjacent positions</translation>
    </message>
    <message>
      <source>Количество одинаковых разностей между соседними позициями</source>
      <translation>Count of equal differences between adjacent positions</translation>
    </message>
    <message>
      <source>Сочетания из 2 разностей между числами</source>
      <translation>Combinations of 2 differences between numbers</translation>
    </message>
    <message>
      <source>Сочетания из 3 разностей между числами</source>
      <translation>Combinations of 3 differences between numbers</translation>
    </message>
    <message>
      <source>Сочетания из 4 разностей между числами</source>
      <translation>Combinations of 4 differences between numbers</translation>
    </message>
    <message>
      <source>Список методов расчета статистики изменился!</source>
      <translation>The list of statistics methods has changed!</translation>
    </message>
    <message>
      <source>Файл "{}" не найден!</source>
      <translation>File "{}" not found!</translation>
    </message>
    <message>
      <source>Столбцы матрицы (не пустые)</source>
      <translation>Matrix columns (non-empty)</translation>
    </message>
    <message>
      <source>Строки матрицы (не пустые)</source>
      <translation>Matrix rows (non-empty)</translation>
    </message>
    <message>
      <source>Количество чисел в столбце матрицы</source>
      <translation>Count of numbers in a matrix column</translation>
    </message>
    <message>
      <source>Количество чисел в строке матрицы</source>
      <translation>Count of numbers in a matrix row</translation>
    </message>
    <message>
      <source>Количество не пустых столбцов в матрице</source>
      <translation>Number of non-empty columns in the matrix</translation>
    </message>
    <message>
      <source>Количество не пустых строк в матрице</source>
      <translation>Number of non-empty rows in the matrix</translation>
    </message>
    <message>
      <source>Сочетания столбцов матрицы</source>
      <translation>Combinations of matrix columns</translation>
    </message>
    <message>
      <source>Сочетания строк матрицы</source>
      <translation>Combinations of matrix rows</translation>
    </message>
    <message>
      <source>Столбцы матрицы со смежными числами</source>
      <translation>Matrix columns with adjacent numbers</translation>
    </message>
    <message>
      <source>Строки матрицы со смежными числами</source>
      <translation>Matrix rows with adjacent numbers</translation>
    </message>
    <message>
      <source>Количество столбцов матрицы со смежными числами</source>
      <translation>Number of matrix columns with adjacent numbers</translation>
    </message>
    <message>
      <source>Количество строк матрицы со смежными числами</source>
      <translation>Number of matrix rows with adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 2 столбцов по всем числам тиража</source>
      <translation>Combinations of 2 columns over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 3 столбцов по всем числам тиража</source>
      <translation>Combinations of 3 columns over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 4 столбцов по всем числам тиража</source>
      <translation>Combinations of 4 columns over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 2 столбцов по соседним числам</source>
      <translation>Combinations of 2 columns over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 3 столбцов по соседним числам</source>
      <translation>Combinations of 3 columns over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 4 столбцов по соседним числам</source>
      <translation>Combinations of 4 columns over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 2 строк по всем числам тиража</source>
      <translation>Combinations of 2 rows over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 3 строк по всем числам тиража</source>
      <translation>Combinations of 3 rows over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 4 строк по всем числам тиража</source>
      <translation>Combinations of 4 rows over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 2 строк по соседним числам</source>
      <translation>Combinations of 2 rows over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 3 строк по соседним числам</source>
      <translation>Combinations of 3 rows over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 4 строк по соседним числам</source>
      <translation>Combinations of 4 rows over adjacent numbers</translation>
    </message>
    <message>
      <source>Количество чисел в %0:d столбце матрицы</source>
      <translation>Count of numbers in matrix column %0:d</translation>
    </message>
    <message>
      <source>Количество чисел в %0:d строке матрицы</source>
      <translation>Count of numbers in matrix row %0:d</translation>
    </message>
    <message>
      <source>значение зависит от порядка, в котором выпали числа тиража</source>
      <translation>the value depends on the order in which the draw's numbers came out</translation>
    </message>
    <message>
      <source>значение вычисляется по одной комбинации: метод сравнивается с полным набором комбинаций</source>
      <translation>the value is computed from one combination: the method is compared with the full set of combinations</translation>
    </message>
    <message>
      <source>значение зависит от предыдущего тиража</source>
      <translation>the value depends on the previous draw</translation>
    </message>
    <message>
      <source>метод периодов: значение - расстояние между тиражами</source>
      <translation>period method: the value is the distance between draws</translation>
    </message>
    <message>
      <source>для метода строится график значений</source>
      <translation>the method has a chart of its values</translation>
    </message>
    <message>
      <source>да</source>
      <translation>yes</translation>
    </message>
    <message>
      <source>нет</source>
      <translation>no</translation>
    </message>
    <message>
      <source>Название по умолчанию:</source>
      <translation>Default name:</translation>
    </message>
    <message>
      <source>Идентификатор:</source>
      <translation>Identifier:</translation>
    </message>
    <message>
      <source>Группа:</source>
      <translation>Group:</translation>
    </message>
    <message>
      <source>Параметр:</source>
      <translation>Parameter:</translation>
    </message>
    <message>
      <source>Формула:</source>
      <translation>Formula:</translation>
    </message>
    <message>
      <source>В таблице статистики:</source>
      <translation>In the statistics table:</translation>
    </message>
    <message>
      <source>Выделение по списку значений:</source>
      <translation>Selection by a list of values:</translation>
    </message>
    <message>
      <source>Особенности метода</source>
      <translation>Features of the method</translation>
    </message>
    <message>
      <source>Особенностей нет.</source>
      <translation>No special features.</translation>
    </message>
    <message>
      <source>Числа тиража</source>
      <translation>Draw numbers</translation>
    </message>
    <message>
      <source>Цифры тиража</source>
      <translation>Draw digits</translation>
    </message>
    <message>
      <source>Количество четных чисел в тираже (Ч:Н)</source>
      <translation>Count of even numbers in the draw (E:O)</translation>
    </message>
    <message>
      <source>Четные и нечетные числа в тираже (Чн..нЧ)</source>
      <translation>Even and odd numbers in the draw</translation>
    </message>
    <message>
      <source>Количество чисел из первой половины диапазона (1П:2П)</source>
      <translation>Count of numbers from the first half of the range (1H:2H)</translation>
    </message>
    <message>
      <source>Числа из первой половины диапазона (12..12)</source>
      <translation>Numbers from the first half of the range (12..12)</translation>
    </message>
    <message>
      <source>Количество простых чисел (П:С)</source>
      <translation>Count of prime numbers (P:C)</translation>
    </message>
    <message>
      <source>Простые и составные числа (ПС..СП)</source>
      <translation>Prime and composite numbers</translation>
    </message>
    <message>
      <source>Число в %0:d позиции тиража</source>
      <translation>Number at position %0:d of the draw</translation>
    </message>
    <message>
      <source>Extra (Bonus, Star...) - число (!без фильтра!)</source>
      <translation>Extra (Bonus, Star...) - number (!no filter!)</translation>
    </message>
    <message>
      <source>Число Огнева 1 (только разность)</source>
      <translation>Ognev number 1 (difference only)</translation>
    </message>
    <message>
      <source>Число Огнева 2 (разность + сложение, если {0,1})</source>
      <translation>Ognev number 2 (difference + sum, if {0,1})</translation>
    </message>
    <message>
      <source>Числа Огнева 3 (динамический, только фильтр)</source>
      <translation>Ognev numbers 3 (dynamic, filter only)</translation>
    </message>
    <message>
      <source>Периоды повторения чисел</source>
      <translation>Repeat periods of numbers</translation>
    </message>
    <message>
      <source>Периоды повторения каналов</source>
      <translation>Repeat periods of channels</translation>
    </message>
    <message>
      <source>Периоды повторения сегментов</source>
      <translation>Repeat periods of segments</translation>
    </message>
    <message>
      <source>Повторяющиеся числа в 2-х тиражах подряд</source>
      <translation>Numbers repeated in 2 draws in a row</translation>
    </message>
    <message>
      <source>Повторяющиеся числа в 3-х тиражах подряд</source>
      <translation>Numbers repeated in 3 draws in a row</translation>
    </message>
    <message>
      <source>Повторяющиеся числа не более чем в 2-х тиражах</source>
      <translation>Numbers repeated in no more than 2 draws</translation>
    </message>
    <message>
      <source>Повторяющиеся числа в 2-х тиражах через 1 тираж(а)</source>
      <translation>Numbers repeated in 2 draws 1 draw(s) apart</translation>
    </message>
    <message>
      <source>Повторяющиеся числа в 2-х тиражах через 2 тираж(а)</source>
      <translation>Numbers repeated in 2 draws 2 draw(s) apart</translation>
    </message>
    <message>
      <source>Повторяющиеся числа в 2-х тиражах через 3 тираж(а)</source>
      <translation>Numbers repeated in 2 draws 3 draw(s) apart</translation>
    </message>
    <message>
      <source>Данные предыдущего тиража + 1</source>
      <translation>Previous draw data + 1</translation>
    </message>
    <message>
      <source>Данные предыдущего тиража - 1</source>
      <translation>Previous draw data - 1</translation>
    </message>
    <message>
      <source>Данные предыдущего тиража + 2</source>
      <translation>Previous draw data + 2</translation>
    </message>
    <message>
      <source>Данные предыдущего тиража - 2</source>
      <translation>Previous draw data - 2</translation>
    </message>
    <message>
      <source>Количество повторов в 2-х тиражах подряд</source>
      <translation>Count of repeats in 2 draws in a row</translation>
    </message>
    <message>
      <source>Количество повторов в 3-х тиражах подряд</source>
      <translation>Count of repeats in 3 draws in a row</translation>
    </message>
    <message>
      <source>Количество повторов не более чем в 2-х тиражах</source>
      <translation>Count of repeats in no more than 2 draws</translation>
    </message>
    <message>
      <source>Количество повторов в 2-х тиражах через 1 тираж(а)</source>
      <translation>Count of repeats in 2 draws 1 draw(s) apart</translation>
    </message>
    <message>
      <source>Количество повторов в 2-х тиражах через 2 тираж(а)</source>
      <translation>Count of repeats in 2 draws 2 draw(s) apart</translation>
    </message>
    <message>
      <source>Количество повторов в 2-х тиражах через 3 тираж(а)</source>
      <translation>Count of repeats in 2 draws 3 draw(s) apart</translation>
    </message>
    <message>
      <source>Количество совпадений "значений + 1"</source>
      <translation>Count of matches of "values + 1"</translation>
    </message>
    <message>
      <source>Количество совпадений "значений - 1"</source>
      <translation>Count of matches of "values - 1"</translation>
    </message>
    <message>
      <source>Количество совпадений "значений + 2"</source>
      <translation>Count of matches of "values + 2"</translation>
    </message>
    <message>
      <source>Количество совпадений "значений - 2"</source>
      <translation>Count of matches of "values - 2"</translation>
    </message>
    <message>
      <source>Сегменты матрицы</source>
      <translation>Matrix segments</translation>
    </message>
    <message>
      <source>Количество чисел в сегменте матрицы</source>
      <translation>Count of numbers in a matrix segment</translation>
    </message>
    <message>
      <source>Количество не пустых сегментов в матрице</source>
      <translation>Number of non-empty segments in the matrix</translation>
    </message>
    <message>
      <source>Сочетания из 2 сегментов по всем числам тиража</source>
      <translation>Combinations of 2 segments over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 3 сегментов по всем числам тиража</source>
      <translation>Combinations of 3 segments over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 4 сегментов по всем числам тиража</source>
      <translation>Combinations of 4 segments over all numbers of the draw</translation>
    </message>
    <message>
      <source>Сочетания из 2 сегментов по соседним числам</source>
      <translation>Combinations of 2 segments over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 3 сегментов по соседним числам</source>
      <translation>Combinations of 3 segments over adjacent numbers</translation>
    </message>
    <message>
      <source>Сочетания из 4 сегментов по соседним числам</source>
      <translation>Combinations of 4 segments over adjacent numbers</translation>
    </message>
    <message>
      <source>Количество чисел в %0:d сегменте матрицы</source>
      <translation>Count of numbers in matrix segment %0:d</translation>
    </message>
    <message>
      <source>Длина последовательности в тираже</source>
      <translation>Length of a sequence in the draw</translation>
    </message>
    <message>
      <source>Количество последовательностей в тираже</source>
      <translation>Number of sequences in the draw</translation>
    </message>
    <message>
      <source>Макс. длина последовательности в тираже</source>
      <translation>Max. length of a sequence in the draw</translation>
    </message>
    <message>
      <source>Повторы чисел в нескольких тиражах подряд</source>
      <translation>Repeats of numbers in several draws in a row</translation>
    </message>
    <message>
      <source>Интервалы между повторениями чисел</source>
      <translation>Intervals between repeats of numbers</translation>
    </message>
    <message>
      <source>Повторы каналов в нескольких тиражах подряд</source>
      <translation>Repeats of channels in several draws in a row</translation>
    </message>
    <message>
      <source>Интервалы между повторениями каналов</source>
      <translation>Intervals between repeats of channels</translation>
    </message>
    <message>
      <source>Повторы сегментов в нескольких тиражах подряд</source>
      <translation>Repeats of segments in several draws in a row</translation>
    </message>
    <message>
      <source>Интервалы между повторениями сегментов</source>
      <translation>Intervals between repeats of segments</translation>
    </message>
    <message>
      <source>Метод шинковки %0:d: %%s</source>
      <translation>Shredding method %0:d: %%s</translation>
    </message>
    <message>
      <source>Сумма чисел тиража</source>
      <translation>Sum of the draw numbers</translation>
    </message>
    <message>
      <source>Разности между числами тиража</source>
      <translation>Differences between the draw numbers</translation>
    </message>
    <message>
      <source>Каналы (группы чисел)</source>
      <translation>Channels (groups of numbers)</translation>
    </message>
    <message>
      <source>Матрица тиража</source>
      <translation>Draw matrix</translation>
    </message>
    <message>
      <source>Сегменты матрицы тиража</source>
      <translation>Segments of the draw matrix</translation>
    </message>
    <message>
      <source>Последовательности чисел в одном тираже</source>
      <translation>Sequences of numbers within one draw</translation>
    </message>
    <message>
      <source>Повторяющиеся числа в нескольких тиражах</source>
      <translation>Numbers repeated in several draws</translation>
    </message>
    <message>
      <source>Серии (цепочки) значений</source>
      <translation>Series (chains) of values</translation>
    </message>
    <message>
      <source>Периоды повторения значений</source>
      <translation>Repeat periods of values</translation>
    </message>
    <message>
      <source>Переходы (изменения) значений между тиражами</source>
      <translation>Transitions (changes) of values between draws</translation>
    </message>
    <message>
      <source>Характеристическое число Огнева</source>
      <translation>Ognev characteristic number</translation>
    </message>
    <message>
      <source>Методы шинковки</source>
      <translation>Shredding methods</translation>
    </message>
    <message>
      <source>Не выбран метод расчета статистики (cb: {})!</source>
      <translation>No statistics method is chosen (cb: {})!</translation>
    </message>
    <message>
      <source>Сумма тиража: диапазон %d (%d/%d)</source>
      <translation>Draw sum: range %d (%d/%d)</translation>
    </message>
    <message>
      <source>Сумма тиража: все значения</source>
      <translation>Draw sum: all values</translation>
    </message>
    <message>
      <source>Сумма тиража: изменения (точно)</source>
      <translation>Draw sum: changes (exact)</translation>
    </message>
    <message>
      <source>Сумма тиража: изменения (диапазон)</source>
      <translation>Draw sum: changes (range)</translation>
    </message>
    <message>
      <source>Сумма тиража: направление изменения</source>
      <translation>Draw sum: direction of change</translation>
    </message>
    <message>
      <source>Сумма тиража: только четные</source>
      <translation>Draw sum: even numbers only</translation>
    </message>
    <message>
      <source>Сумма тиража: только простые</source>
      <translation>Draw sum: prime numbers only</translation>
    </message>
    <message>
      <source>Сумма двух чисел тиража равна третьему числу</source>
      <translation>Sum of two draw numbers equals a third number</translation>
    </message>
  </context>
</TS>
