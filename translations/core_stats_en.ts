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
      <source>Что выпадало после чисел последнего тиража. Для каждого тиража окна метод смотрит на тираж перед ним: каждое его число r, которое есть и в последнем тираже окна, дает переходы r -&gt; x ко всем шести числам x этого тиража. Таблица показывает, какие числа и как часто следовали за числами, повторившимися в последнем тираже. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>What followed the numbers of the newest draw. For every draw of the window the method looks at the draw before it: each of its numbers r that is also in the newest draw of the window gives the transitions r -&gt; x to all six numbers x of this draw. The table shows which numbers followed the numbers repeated in the newest draw, and how often. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - число предыдущего тиража и число этого тиража через стрелку, например «12 -&gt; 14». Значения не вводятся списком.</source>
      <translation>A value is a number of the previous draw and a number of this draw joined by an arrow, for example «12 -&gt; 14». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число, стоящее после стрелки в одном из выделенных значений (число до стрелки не сравнивается). Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a number that stands after the arrow in one of the selected values (the number before the arrow is not compared). Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Переходы чисел по позициям. Для каждого тиража окна и каждой позиции 1..6: если число предыдущего тиража в этой позиции равно числу последнего тиража окна в той же позиции, записывается переход от него к числу этого тиража в той же позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of numbers by position. For every draw of the window and every position 1..6: if the number of the previous draw at this position equals the number of the newest draw of the window at the same position, the transition from it to the number of this draw at the same position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - число предыдущего тиража и число этого тиража в той же позиции через стрелку, например «12 -&gt; 14». Значения не вводятся списком.</source>
      <translation>A value is the number of the previous draw and the number of this draw at the same position joined by an arrow, for example «12 -&gt; 14». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число, стоящее после стрелки в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a number that stands after the arrow in one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Переходы чисел в одной позиции. Для каждого тиража окна: если число предыдущего тиража в выбранной позиции равно числу последнего тиража окна в этой позиции, записывается переход от него к числу этого тиража в той же позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of numbers at one position. For every draw of the window: if the number of the previous draw at the chosen position equals the number of the newest draw of the window at that position, the transition from it to the number of this draw at the same position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - два числа через стрелку, например «12 -&gt; 14». Значения не вводятся списком.</source>
      <translation>A value is two numbers joined by an arrow, for example «12 -&gt; 14». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр - позиция в тираже, от 1 до 6: сравниваются и записываются только числа этой позиции.</source>
      <translation>The parameter is the position in the draw, 1 to 6: only the numbers at this position are compared and recorded.</translation>
    </message>
    <message>
      <source>Переходы чисел по позициям через три тиража. Для каждого тиража окна и каждой позиции 1..6: если числа двух предыдущих тиражей в этой позиции равны числам двух последних тиражей окна в той же позиции, записывается цепочка из трех чисел этой позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of numbers by position over three draws. For every draw of the window and every position 1..6: if the numbers of the two previous draws at this position equal the numbers of the two newest draws of the window at the same position, the chain of the three numbers at this position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - числа за два тиража до этого и за один тираж через дефис, затем через стрелку число этого тиража, например «3-5 -&gt; 7». Значения не вводятся списком.</source>
      <translation>A value is the numbers of two draws back and of one draw back joined by a hyphen, then an arrow and the number of this draw, for example «3-5 -&gt; 7». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Переходы чисел в одной позиции через три тиража. Для каждого тиража окна: если числа двух предыдущих тиражей в выбранной позиции равны числам двух последних тиражей окна в этой позиции, записывается цепочка из трех чисел этой позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of numbers at one position over three draws. For every draw of the window: if the numbers of the two previous draws at the chosen position equal the numbers of the two newest draws of the window at that position, the chain of the three numbers at this position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - два числа через дефис и через стрелку число этого тиража, например «3-5 -&gt; 7». Значения не вводятся списком.</source>
      <translation>A value is two numbers joined by a hyphen, then an arrow and the number of this draw, for example «3-5 -&gt; 7». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Переходы каналов. Для каждого тиража окна: каждое число предыдущего тиража, канал которого есть среди каналов последнего тиража окна, дает переходы от своего канала к каналам всех шести чисел этого тиража. Каналы - группы подряд идущих чисел размера, заданного в настройке игры. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of channels. For every draw of the window: each number of the previous draw whose channel is among the channels of the newest draw of the window gives the transitions from its channel to the channels of all six numbers of this draw. Channels are groups of consecutive numbers of the size set in the game configuration. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - два номера каналов двумя цифрами через стрелку, например «02 -&gt; 05». Значения не вводятся списком.</source>
      <translation>A value is two channel numbers of two digits joined by an arrow, for example «02 -&gt; 05». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число из канала, стоящего после стрелки в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a number of the channel that stands after the arrow in one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Переходы каналов по позициям. Для каждого тиража окна и каждой позиции 1..6: если канал числа предыдущего тиража в этой позиции равен каналу числа последнего тиража окна в той же позиции, записывается переход к каналу числа этого тиража в той же позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of channels by position. For every draw of the window and every position 1..6: if the channel of the previous draw's number at this position equals the channel of the newest draw's number at the same position, the transition to the channel of this draw's number at the same position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Переходы каналов в одной позиции. Для каждого тиража окна: если канал числа предыдущего тиража в выбранной позиции равен каналу числа последнего тиража окна в этой позиции, записывается переход к каналу числа этого тиража в той же позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of channels at one position. For every draw of the window: if the channel of the previous draw's number at the chosen position equals the channel of the newest draw's number at that position, the transition to the channel of this draw's number at the same position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Параметр - позиция в тираже, от 1 до 6: сравниваются и записываются только каналы чисел этой позиции.</source>
      <translation>The parameter is the position in the draw, 1 to 6: only the channels of the numbers at this position are compared and recorded.</translation>
    </message>
    <message>
      <source>Переходы каналов по позициям через три тиража. Для каждого тиража окна и каждой позиции 1..6: если каналы чисел двух предыдущих тиражей в этой позиции равны каналам чисел двух последних тиражей окна, записывается цепочка из трех каналов этой позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of channels by position over three draws. For every draw of the window and every position 1..6: if the channels of the two previous draws' numbers at this position equal the channels of the two newest draws' numbers, the chain of the three channels at this position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - два номера каналов через дефис и через стрелку канал этого тиража, двумя цифрами, например «02-03 -&gt; 05». Значения не вводятся списком.</source>
      <translation>A value is two channel numbers joined by a hyphen, then an arrow and the channel of this draw, in two digits, for example «02-03 -&gt; 05». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Переходы каналов в одной позиции через три тиража. Для каждого тиража окна: если каналы чисел двух предыдущих тиражей в выбранной позиции равны каналам чисел двух последних тиражей окна, записывается цепочка из трех каналов этой позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of channels at one position over three draws. For every draw of the window: if the channels of the two previous draws' numbers at the chosen position equal the channels of the two newest draws' numbers, the chain of the three channels at this position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Переходы количества чисел в одном канале. Для каждого тиража окна: если в предыдущем тираже в выбранном канале столько же чисел, сколько в последнем тираже окна, записывается переход от этого количества к количеству чисел канала в этом тираже. Все переходы от количества последнего тиража (к 0 и до размера канала) показываются в таблице и тогда, когда их не было. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of the count of numbers in one channel. For every draw of the window: if the previous draw has as many numbers in the chosen channel as the newest draw of the window, the transition from this count to the count of the channel's numbers in this draw is recorded. Every transition from the newest draw's count (to 0 up to the channel size) is listed in the table even when it never occurred. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - два количества через стрелку, например «1 -&gt; 2». Значения не вводятся списком.</source>
      <translation>A value is two counts joined by an arrow, for example «1 -&gt; 2». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр - номер канала, от 1 до числа каналов (45, деленное на размер канала, с округлением вверх).</source>
      <translation>The parameter is the channel number, from 1 to the number of channels (45 divided by the channel size, rounded up).</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в этом канале столько чисел, сколько стоит после стрелки в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with as many numbers in this channel as stand after the arrow in one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Переходы количества чисел в одном канале через три тиража. Для каждого тиража окна: если количества чисел выбранного канала в двух предыдущих тиражах равны количествам в двух последних тиражах окна, записывается цепочка из трех количеств. Все цепочки от количеств двух последних тиражей (к 0 и до размера канала) показываются и тогда, когда их не было. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of the count of numbers in one channel over three draws. For every draw of the window: if the counts of the chosen channel's numbers in the two previous draws equal the counts in the two newest draws of the window, the chain of the three counts is recorded. Every chain from the counts of the two newest draws (to 0 up to the channel size) is listed even when it never occurred. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - два количества через дефис и через стрелку количество этого тиража, например «1-0 -&gt; 2». Значения не вводятся списком.</source>
      <translation>A value is two counts joined by a hyphen, then an arrow and the count of this draw, for example «1-0 -&gt; 2». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Переходы чисел внутри своего канала, все. Для каждого тиража окна: каждое число r предыдущего тиража, которое есть и в последнем тираже окна, дает переходы r -&gt; x ко всем числам x этого тиража из того же канала, что и r, а если таких чисел нет - значение r -&gt; 00. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of numbers within their channel, all of them. For every draw of the window: each number r of the previous draw that is also in the newest draw of the window gives the transitions r -&gt; x to all numbers x of this draw in the same channel as r, and when there is none, the value r -&gt; 00. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - число r и число того же канала в этом тираже двумя цифрами через стрелку, например «07 -&gt; 09», или «07 -&gt; 00», когда в канале числа r ничего не выпало. Значения не вводятся списком.</source>
      <translation>A value is the number r and a number of the same channel in this draw, in two digits, joined by an arrow, for example «07 -&gt; 09», or «07 -&gt; 00» when nothing fell in the channel of r. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: для выделенного перехода r -&gt; x остаются комбинации с числом x, для значения r -&gt; 00 - комбинации без единого числа из канала числа r; в обоих случаях только если число r есть в последнем тираже. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: for a selected transition r -&gt; x the list keeps the combinations holding x, for a value r -&gt; 00 the combinations without a single number of the channel of r; in both cases only when r is in the newest draw. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Удачные переходы чисел внутри своего канала. Для каждого тиража окна: каждое число r предыдущего тиража, которое есть и в последнем тираже окна, дает переходы r -&gt; x ко всем числам x этого тиража из того же канала, что и r; если в канале ничего не выпало, значения нет. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Successful transitions of numbers within their channel. For every draw of the window: each number r of the previous draw that is also in the newest draw of the window gives the transitions r -&gt; x to all numbers x of this draw in the same channel as r; when nothing fell in the channel, there is no value. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - число r и число того же канала в этом тираже двумя цифрами через стрелку, например «07 -&gt; 09». Значения не вводятся списком.</source>
      <translation>A value is the number r and a number of the same channel in this draw, in two digits, joined by an arrow, for example «07 -&gt; 09». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: для выделенного перехода r -&gt; x остаются комбинации с числом x, если число r есть в последнем тираже. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: for a selected transition r -&gt; x the list keeps the combinations holding x when r is in the newest draw. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Неудачные переходы чисел внутри своего канала. Для каждого тиража окна: каждое число r предыдущего тиража, которое есть и в последнем тираже окна, дает значение r -&gt; 00, если в этом тираже нет ни одного числа из канала числа r. Таблица показывает, какие числа последнего тиража чаще других оставляли свой канал пустым в следующем тираже. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Unsuccessful transitions of numbers within their channel. For every draw of the window: each number r of the previous draw that is also in the newest draw of the window gives the value r -&gt; 00 when this draw has no number of the channel of r. The table shows which numbers of the newest draw left their channel empty in the next draw more often than others. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - число r двумя цифрами и «00» через стрелку, например «12 -&gt; 00». Значения не вводятся списком.</source>
      <translation>A value is the number r in two digits and «00» joined by an arrow, for example «12 -&gt; 00». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: для выделенного значения r -&gt; 00 остаются комбинации, в которых нет ни одного числа из канала числа r, если r есть в последнем тираже. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: for a selected value r -&gt; 00 the list keeps the combinations without a single number of the channel of r, when r is in the newest draw. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество чисел в канале после числа. Для каждого тиража окна: каждое число r предыдущего тиража, которое есть и в последнем тираже окна, дает значение r -&gt; k, где k - сколько чисел этого тиража попало в канал числа r (и 0 тоже). Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>The count of numbers in the channel after a number. For every draw of the window: each number r of the previous draw that is also in the newest draw of the window gives the value r -&gt; k, where k is how many numbers of this draw fell in the channel of r (0 included). In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - число r и количество через стрелку, например «7 -&gt; 2» или «7 -&gt; 0». Значения не вводятся списком.</source>
      <translation>A value is the number r and the count joined by an arrow, for example «7 -&gt; 2» or «7 -&gt; 0». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: для выделенного значения r -&gt; k остаются комбинации, в которых ровно k чисел из канала числа r, если r есть в последнем тираже. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: for a selected value r -&gt; k the list keeps the combinations with exactly k numbers in the channel of r, when r is in the newest draw. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Переходы сегментов. Для каждого тиража окна: каждое число предыдущего тиража, сегмент которого есть среди сегментов последнего тиража окна, дает переходы от своего сегмента к сегментам всех шести чисел этого тиража. Сегменты - номера, которые разметка матрицы в настройке игры дает числам. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of segments. For every draw of the window: each number of the previous draw whose segment is among the segments of the newest draw of the window gives the transitions from its segment to the segments of all six numbers of this draw. Segments are the numbers the matrix layout of the game configuration gives the numbers. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - два номера сегментов через стрелку, например «3 -&gt; 1». Значения не вводятся списком.</source>
      <translation>A value is two segment numbers joined by an arrow, for example «3 -&gt; 1». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число из сегмента, стоящего после стрелки в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a number of the segment that stands after the arrow in one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Переходы сегментов по позициям. Для каждого тиража окна и каждой позиции 1..6: если сегмент числа предыдущего тиража в этой позиции равен сегменту числа последнего тиража окна в той же позиции, записывается переход к сегменту числа этого тиража в той же позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of segments by position. For every draw of the window and every position 1..6: if the segment of the previous draw's number at this position equals the segment of the newest draw's number at the same position, the transition to the segment of this draw's number at the same position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Переходы сегментов в одной позиции. Для каждого тиража окна: если сегмент числа предыдущего тиража в выбранной позиции равен сегменту числа последнего тиража окна в этой позиции, записывается переход к сегменту числа этого тиража в той же позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of segments at one position. For every draw of the window: if the segment of the previous draw's number at the chosen position equals the segment of the newest draw's number at that position, the transition to the segment of this draw's number at the same position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Параметр - позиция в тираже, от 1 до 6: сравниваются и записываются только сегменты чисел этой позиции.</source>
      <translation>The parameter is the position in the draw, 1 to 6: only the segments of the numbers at this position are compared and recorded.</translation>
    </message>
    <message>
      <source>Переходы сегментов по позициям через три тиража. Для каждого тиража окна и каждой позиции 1..6: если сегменты чисел двух предыдущих тиражей в этой позиции равны сегментам чисел двух последних тиражей окна, записывается цепочка из трех сегментов этой позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of segments by position over three draws. For every draw of the window and every position 1..6: if the segments of the two previous draws' numbers at this position equal the segments of the two newest draws' numbers, the chain of the three segments at this position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - два номера сегментов через дефис и через стрелку сегмент этого тиража, например «3-2 -&gt; 1». Значения не вводятся списком.</source>
      <translation>A value is two segment numbers joined by a hyphen, then an arrow and the segment of this draw, for example «3-2 -&gt; 1». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Переходы сегментов в одной позиции через три тиража. Для каждого тиража окна: если сегменты чисел двух предыдущих тиражей в выбранной позиции равны сегментам чисел двух последних тиражей окна, записывается цепочка из трех сегментов этой позиции. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of segments at one position over three draws. For every draw of the window: if the segments of the two previous draws' numbers at the chosen position equal the segments of the two newest draws' numbers, the chain of the three segments at this position is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Переходы количества чисел в одном сегменте. Для каждого тиража окна: если в предыдущем тираже в выбранном сегменте столько же чисел, сколько в последнем тираже окна, записывается переход от этого количества к количеству чисел сегмента в этом тираже. Переход к 0 от количества последнего тиража показывается и тогда, когда его не было. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of the count of numbers in one segment. For every draw of the window: if the previous draw has as many numbers in the chosen segment as the newest draw of the window, the transition from this count to the count of the segment's numbers in this draw is recorded. The transition from the newest draw's count to 0 is listed even when it never occurred. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Параметр - номер сегмента, от наименьшего до наибольшего номера в разметке сегментов матрицы.</source>
      <translation>The parameter is the segment number, from the smallest to the largest number of the matrix segment layout.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в этом сегменте столько чисел, сколько стоит после стрелки в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with as many numbers in this segment as stand after the arrow in one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Переходы количества чисел в одном сегменте через три тиража. Для каждого тиража окна: если количества чисел выбранного сегмента в двух предыдущих тиражах равны количествам в двух последних тиражах окна, записывается цепочка из трех количеств. Цепочка к 0 от количеств двух последних тиражей показывается и тогда, когда ее не было. Комбинация в фильтре стоит на месте следующего тиража.</source>
      <translation>Transitions of the count of numbers in one segment over three draws. For every draw of the window: if the counts of the chosen segment's numbers in the two previous draws equal the counts in the two newest draws of the window, the chain of the three counts is recorded. The chain from the counts of the two newest draws to 0 is listed even when it never occurred. In a filter the combination stands in place of the next draw.</translation>
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
      <source>Каналы чисел тиража: канал каждого из шести чисел - отдельное значение, два числа в одном канале считаются дважды. Канал - группа подряд идущих чисел размера S из настройки игры: канал 1 - числа 1..S, канал 2 - S+1..2S и так далее. Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The channels of the draw's numbers: the channel of each of the six numbers is a value of its own; two numbers in one channel count twice. A channel is a group of consecutive numbers of the size S set in the game configuration: channel 1 holds 1..S, channel 2 S+1..2S and so on. A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - номер канала двумя цифрами и его числа, например «02 [6-10]»; все каналы есть в таблице всегда. При вводе достаточно номера до скобок. Значения можно ввести списком.</source>
      <translation>A value is the channel's number in two digits and its numbers, for example «02 [6-10]»; all channels are always in the table. The number before the brackets is enough when typing. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число из выделенного канала. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a number of a selected channel. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество чисел тиража в каждом канале, пустые каналы тоже: тираж дает одно значение на каждый канал. Канал - группа подряд идущих чисел размера S из настройки игры: канал 1 - числа 1..S, канал 2 - S+1..2S и так далее. Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The count of the draw's numbers in each channel, empty channels too: a draw gives one value per channel. A channel is a group of consecutive numbers of the size S set in the game configuration: channel 1 holds 1..S, channel 2 S+1..2S and so on. A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - канал и количество чисел в нем, например «02 [6-10] x 1». Значения не вводятся списком.</source>
      <translation>A value is the channel and the count of numbers in it, for example «02 [6-10] x 1». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в канале столько чисел, сколько в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations having as many numbers in a channel as one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество разных каналов, в которые попали шесть чисел тиража. Канал - группа подряд идущих чисел размера S из настройки игры: канал 1 - числа 1..S, канал 2 - S+1..2S и так далее. Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of distinct channels the six numbers of the draw fall into. A channel is a group of consecutive numbers of the size S set in the game configuration: channel 1 holds 1..S, channel 2 S+1..2S and so on. A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество каналов, например «4». Значения можно ввести списком.</source>
      <translation>A value is the count of channels, for example «4». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенным количеством каналов. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of channels. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сочетания каналов по всем числам тиража: для каждого набора из 2 позиций (всего 15) значением становятся каналы чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of channels over all numbers of the draw: for every set of 2 positions (15 in all) the value is the channels of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 2 номера через двоеточие в порядке позиций, например «1:2». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 2 numbers joined by colons in position order, for example «1:2». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть хотя бы одно выделенное сочетание. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding at least one selected combination. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сочетания каналов по всем числам тиража: для каждого набора из 3 позиций (всего 20) значением становятся каналы чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of channels over all numbers of the draw: for every set of 3 positions (20 in all) the value is the channels of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 3 номера через двоеточие в порядке позиций, например «1:2:5». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 3 numbers joined by colons in position order, for example «1:2:5». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания каналов по всем числам тиража: для каждого набора из 4 позиций (всего 15) значением становятся каналы чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of channels over all numbers of the draw: for every set of 4 positions (15 in all) the value is the channels of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 4 номера через двоеточие в порядке позиций, например «1:2:5:9». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 4 numbers joined by colons in position order, for example «1:2:5:9». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания каналов по соседним числам: для каждых 2 соседних позиций тиража (всего 5) значением становятся каналы чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of channels over neighbouring numbers: for every 2 neighbouring positions of the draw (5 in all) the value is the channels of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания каналов по соседним числам: для каждых 3 соседних позиций тиража (всего 4) значением становятся каналы чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of channels over neighbouring numbers: for every 3 neighbouring positions of the draw (4 in all) the value is the channels of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания каналов по соседним числам: для каждых 4 соседних позиций тиража (всего 3) значением становятся каналы чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of channels over neighbouring numbers: for every 4 neighbouring positions of the draw (3 in all) the value is the channels of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Количество чисел тиража в выбранном канале, от 0 до 6. Канал - группа подряд идущих чисел размера S из настройки игры: канал 1 - числа 1..S, канал 2 - S+1..2S и так далее. Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of the draw's numbers in the chosen channel, 0 to 6. A channel is a group of consecutive numbers of the size S set in the game configuration: channel 1 holds 1..S, channel 2 S+1..2S and so on. A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество, например «2». Значения можно ввести списком.</source>
      <translation>A value is the count, for example «2». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в этом канале выделенное количество чисел. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of numbers in this channel. Remove: such combinations are removed.</translation>
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
      <source>Пары чисел тиража. Из шести чисел тиража метод берет все сочетания по два (15 пар) и для каждой пары считает, в скольких тиражах окна она была. Комбинация в фильтре дает свои 15 пар так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Pairs of the draw's numbers. Of the six numbers of the draw the method takes every combination of two (15 pairs) and counts for each pair in how many draws of the window it occurred. In a filter a combination gives its 15 pairs the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - пара чисел в порядке позиций тиража через двоеточие, например «5:17». Если числа тиража берутся в порядке выпадения, пара может быть записана и по убыванию (например «17:5»): числа комбинации всегда идут по возрастанию, и такая пара не выделит ни одной комбинации. Значения не вводятся списком, их выделяют в таблице.</source>
      <translation>A value is a pair of numbers in the order of the draw's positions joined by a colon, for example «5:17». When the draw's numbers are read in drawn order, a pair may be recorded descending (for example «17:5»): the numbers of a combination are always ascending, and such a pair selects no combination. Values cannot be typed in as a list; they are selected in the table.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть хотя бы одна выделенная пара. Удалить: удаляются комбинации, в которых есть хотя бы одна выделенная пара.</source>
      <translation>Keep: the list keeps the combinations holding at least one selected pair. Remove: the combinations holding at least one selected pair are removed.</translation>
    </message>
    <message>
      <source>Тройки чисел тиража. Из шести чисел тиража метод берет все сочетания по три (20 троек) и для каждой тройки считает, в скольких тиражах окна она была. Комбинация в фильтре дает свои 20 троек так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Triples of the draw's numbers. Of the six numbers of the draw the method takes every combination of three (20 triples) and counts for each triple in how many draws of the window it occurred. In a filter a combination gives its 20 triples the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - три числа в порядке позиций тиража через двоеточие, например «5:17:32». Если числа тиража берутся в порядке выпадения, тройка может быть записана не по возрастанию: такая тройка не выделит ни одной комбинации, числа которой всегда идут по возрастанию. Значения не вводятся списком, их выделяют в таблице.</source>
      <translation>A value is three numbers in the order of the draw's positions joined by colons, for example «5:17:32». When the draw's numbers are read in drawn order, a triple may be recorded out of ascending order: such a triple selects no combination, whose numbers are always ascending. Values cannot be typed in as a list; they are selected in the table.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть хотя бы одна выделенная тройка. Удалить: удаляются комбинации, в которых есть хотя бы одна выделенная тройка.</source>
      <translation>Keep: the list keeps the combinations holding at least one selected triple. Remove: the combinations holding at least one selected triple are removed.</translation>
    </message>
    <message>
      <source>Четверки чисел тиража. Из шести чисел тиража метод берет все сочетания по четыре (15 четверок) и для каждой считает, в скольких тиражах окна она была. Комбинация в фильтре дает свои 15 четверок так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Quadruples of the draw's numbers. Of the six numbers of the draw the method takes every combination of four (15 quadruples) and counts for each in how many draws of the window it occurred. In a filter a combination gives its 15 quadruples the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - четыре числа в порядке позиций тиража через двоеточие, например «5:17:32:40». Если числа тиража берутся в порядке выпадения, четверка может быть записана не по возрастанию: такая четверка не выделит ни одной комбинации. Значения не вводятся списком, их выделяют в таблице.</source>
      <translation>A value is four numbers in the order of the draw's positions joined by colons, for example «5:17:32:40». When the draw's numbers are read in drawn order, a quadruple may be recorded out of ascending order: such a quadruple selects no combination. Values cannot be typed in as a list; they are selected in the table.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть хотя бы одна выделенная четверка. Удалить: удаляются комбинации, в которых есть хотя бы одна выделенная четверка.</source>
      <translation>Keep: the list keeps the combinations holding at least one selected quadruple. Remove: the combinations holding at least one selected quadruple are removed.</translation>
    </message>
    <message>
      <source>Пары чисел в соседних позициях тиража: первое и второе числа, второе и третье и так далее до пятого и шестого (5 пар на тираж). Для каждой пары метод считает, в скольких тиражах окна она была. Комбинация в фильтре дает свои 5 пар соседних чисел.</source>
      <translation>Pairs of numbers at neighbouring positions of the draw: the first and second numbers, the second and third and so on up to the fifth and sixth (5 pairs a draw). For each pair the method counts in how many draws of the window it occurred. In a filter a combination gives its 5 pairs of neighbouring numbers.</translation>
    </message>
    <message>
      <source>Значение - два числа соседних позиций через двоеточие, например «5:17». В порядке выпадения пара может идти и по убыванию (например «17:5»); числа комбинации всегда по возрастанию, и такая пара не выделит ни одной комбинации. Значения не вводятся списком.</source>
      <translation>A value is the two numbers of neighbouring positions joined by a colon, for example «5:17». In drawn order a pair may also be descending (for example «17:5»); the numbers of a combination are always ascending, and such a pair selects no combination. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых одна из пар соседних чисел выделена. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations one of whose pairs of neighbouring numbers is selected. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Тройки чисел в соседних позициях тиража: позиции 1-3, 2-4, 3-5 и 4-6 (4 тройки на тираж). Для каждой тройки метод считает, в скольких тиражах окна она была. Комбинация в фильтре дает свои 4 тройки соседних чисел.</source>
      <translation>Triples of numbers at neighbouring positions of the draw: positions 1-3, 2-4, 3-5 and 4-6 (4 triples a draw). For each triple the method counts in how many draws of the window it occurred. In a filter a combination gives its 4 triples of neighbouring numbers.</translation>
    </message>
    <message>
      <source>Значение - три числа соседних позиций через двоеточие, например «5:17:32». В порядке выпадения тройка может идти не по возрастанию, и тогда она не выделит ни одной комбинации. Значения не вводятся списком.</source>
      <translation>A value is the three numbers of neighbouring positions joined by colons, for example «5:17:32». In drawn order a triple may be out of ascending order, and then it selects no combination. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых одна из троек соседних чисел выделена. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations one of whose triples of neighbouring numbers is selected. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Четверки чисел в соседних позициях тиража: позиции 1-4, 2-5 и 3-6 (3 четверки на тираж). Для каждой четверки метод считает, в скольких тиражах окна она была. Комбинация в фильтре дает свои 3 четверки соседних чисел.</source>
      <translation>Quadruples of numbers at neighbouring positions of the draw: positions 1-4, 2-5 and 3-6 (3 quadruples a draw). For each quadruple the method counts in how many draws of the window it occurred. In a filter a combination gives its 3 quadruples of neighbouring numbers.</translation>
    </message>
    <message>
      <source>Значение - четыре числа соседних позиций через двоеточие, например «5:17:32:40». В порядке выпадения четверка может идти не по возрастанию, и тогда она не выделит ни одной комбинации. Значения не вводятся списком.</source>
      <translation>A value is the four numbers of neighbouring positions joined by colons, for example «5:17:32:40». In drawn order a quadruple may be out of ascending order, and then it selects no combination. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых одна из четверок соседних чисел выделена. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations one of whose quadruples of neighbouring numbers is selected. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Два числа тиража, начиная с выбранной позиции: одно значение на тираж. Метод считает, в скольких тиражах окна была каждая такая пара. Комбинация в фильтре дает пару своих чисел в тех же позициях (числа комбинации по возрастанию).</source>
      <translation>Two numbers of the draw from the chosen position on: one value a draw. The method counts in how many draws of the window each such pair occurred. In a filter a combination gives the pair of its numbers at the same positions (a combination's numbers are ascending).</translation>
    </message>
    <message>
      <source>Значение - два числа через двоеточие, например «5:17». В порядке выпадения пара может идти и по убыванию; такая пара не выделит ни одной комбинации. Значения не вводятся списком.</source>
      <translation>A value is two numbers joined by a colon, for example «5:17». In drawn order a pair may also be descending; such a pair selects no combination. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр - позиция первого числа, от 1 до 5: KNP21 берет первое и второе числа, KNP25 - пятое и шестое.</source>
      <translation>The parameter is the position of the first number, 1 to 5: KNP21 takes the first and second numbers, KNP25 the fifth and sixth.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых числа в этих позициях образуют выделенную пару. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose numbers at these positions form a selected pair. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Три числа тиража, начиная с выбранной позиции: одно значение на тираж. Метод считает, в скольких тиражах окна была каждая такая тройка. Комбинация в фильтре дает тройку своих чисел в тех же позициях (числа комбинации по возрастанию).</source>
      <translation>Three numbers of the draw from the chosen position on: one value a draw. The method counts in how many draws of the window each such triple occurred. In a filter a combination gives the triple of its numbers at the same positions (a combination's numbers are ascending).</translation>
    </message>
    <message>
      <source>Значение - три числа через двоеточие, например «5:17:32». В порядке выпадения тройка может идти не по возрастанию; такая тройка не выделит ни одной комбинации. Значения не вводятся списком.</source>
      <translation>A value is three numbers joined by colons, for example «5:17:32». In drawn order a triple may be out of ascending order; such a triple selects no combination. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр - позиция первого числа, от 1 до 4: KNP31 берет числа с первого по третье, KNP34 - с четвертого по шестое.</source>
      <translation>The parameter is the position of the first number, 1 to 4: KNP31 takes the first to third numbers, KNP34 the fourth to sixth.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых числа в этих позициях образуют выделенную тройку. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose numbers at these positions form a selected triple. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Четыре числа тиража, начиная с выбранной позиции: одно значение на тираж. Метод считает, в скольких тиражах окна была каждая такая четверка. Комбинация в фильтре дает четверку своих чисел в тех же позициях (числа комбинации по возрастанию).</source>
      <translation>Four numbers of the draw from the chosen position on: one value a draw. The method counts in how many draws of the window each such quadruple occurred. In a filter a combination gives the quadruple of its numbers at the same positions (a combination's numbers are ascending).</translation>
    </message>
    <message>
      <source>Значение - четыре числа через двоеточие, например «5:17:32:40». В порядке выпадения четверка может идти не по возрастанию; такая четверка не выделит ни одной комбинации. Значения не вводятся списком.</source>
      <translation>A value is four numbers joined by colons, for example «5:17:32:40». In drawn order a quadruple may be out of ascending order; such a quadruple selects no combination. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр - позиция первого числа, от 1 до 3: KNP41 берет числа с первого по четвертое, KNP43 - с третьего по шестое.</source>
      <translation>The parameter is the position of the first number, 1 to 3: KNP41 takes the first to fourth numbers, KNP43 the third to sixth.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых числа в этих позициях образуют выделенную четверку. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose numbers at these positions form a selected quadruple. Remove: such combinations are removed.</translation>
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
      <source>Все разности между соседними позициями: модули разностей второго и первого, третьего и второго ... шестого и пятого чисел тиража, пять значений на тираж; равные разности считаются каждая. Соседние позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>All differences between neighbouring positions: the absolute differences of the second and first, third and second ... sixth and fifth numbers of the draw, five values a draw; equal differences count each. Neighbouring positions follow the order of the draw's numbers: drawn order or ascending. A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - разность от 1 до 44, например «7». Значения можно ввести списком.</source>
      <translation>A value is a difference from 1 to 44, for example «7». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых одна из разностей соседних чисел выделена. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations one of whose differences of neighbouring numbers is selected. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Наибольшая из пяти разностей между соседними позициями тиража. Соседние позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The largest of the five differences between neighbouring positions of the draw. Neighbouring positions follow the order of the draw's numbers: drawn order or ascending. A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - разность от 1 до 44, например «11». Значения можно ввести списком.</source>
      <translation>A value is a difference from 1 to 44, for example «11». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых наибольшая разность выделена. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose largest difference is selected. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Разность между наибольшим и наименьшим числом тиража; от порядка чисел не зависит. Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The difference between the largest and the smallest number of the draw; it does not depend on the order of the numbers. A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - разность от 1 до 44, например «39». Значения можно ввести списком.</source>
      <translation>A value is a difference from 1 to 44, for example «39». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых эта разность выделена. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose difference is selected. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Одинаковые разности между соседними позициями: для каждой разной разности из пяти - сколько раз она встречается. Тираж дает одно значение на каждую разную разность. Соседние позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Equal differences between neighbouring positions: for each distinct difference of the five, how many times it occurs. A draw gives one value per distinct difference. Neighbouring positions follow the order of the draw's numbers: drawn order or ascending. A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - разность и число повторов, например «3 x 2» (разность 3 встречается дважды). Значения не вводятся списком.</source>
      <translation>A value is the difference and how many times it occurs, for example «3 x 2» (the difference 3 occurs twice). Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых есть выделенная разность с тем же числом повторов. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations having a selected difference with the same number of repeats. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сколько разностей между соседними позициями совпадает с самой частой из них: от 1 (все пять разные) до 5 (все равны). Соседние позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>How many differences between neighbouring positions equal the most frequent of them: from 1 (all five differ) to 5 (all equal). Neighbouring positions follow the order of the draw's numbers: drawn order or ascending. A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество от 1 до 5, например «2». Значения можно ввести списком.</source>
      <translation>A value is a count from 1 to 5, for example «2». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенным количеством. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сочетания из 2 разностей подряд: из пяти разностей соседних чисел тиража берутся все окна по 2 подряд (4 на тираж). Метод считает, в скольких тиражах окна было каждое такое сочетание. Соседние позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация в фильтре дает свои окна так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of 2 successive differences: of the five differences of neighbouring numbers of the draw every window of 2 in a row is taken (4 a draw). The method counts in how many draws of the window each such combination occurred. Neighbouring positions follow the order of the draw's numbers: drawn order or ascending. In a filter a combination gives its windows the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 2 разности через двоеточие, например «3:11». Значения не вводятся списком.</source>
      <translation>A value is 2 differences joined by colons, for example «3:11». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть хотя бы одно выделенное сочетание разностей. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding at least one selected combination of differences. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сочетания из 3 разностей подряд: из пяти разностей соседних чисел тиража берутся все окна по 3 подряд (3 на тираж). Метод считает, в скольких тиражах окна было каждое такое сочетание. Соседние позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация в фильтре дает свои окна так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of 3 successive differences: of the five differences of neighbouring numbers of the draw every window of 3 in a row is taken (3 a draw). The method counts in how many draws of the window each such combination occurred. Neighbouring positions follow the order of the draw's numbers: drawn order or ascending. In a filter a combination gives its windows the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 3 разности через двоеточие, например «3:11:8». Значения не вводятся списком.</source>
      <translation>A value is 3 differences joined by colons, for example «3:11:8». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания из 4 разностей подряд: из пяти разностей соседних чисел тиража берутся все окна по 4 подряд (2 на тираж). Метод считает, в скольких тиражах окна было каждое такое сочетание. Соседние позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация в фильтре дает свои окна так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of 4 successive differences: of the five differences of neighbouring numbers of the draw every window of 4 in a row is taken (2 a draw). The method counts in how many draws of the window each such combination occurred. Neighbouring positions follow the order of the draw's numbers: drawn order or ascending. In a filter a combination gives its windows the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 4 разности через двоеточие, например «3:11:8:9». Значения не вводятся списком.</source>
      <translation>A value is 4 differences joined by colons, for example «3:11:8:9». Values cannot be typed in as a list.</translation>
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
      <source>Столбцы матрицы, в которые попали числа тиража: столбец каждого из шести чисел - отдельное значение, два числа в одном столбце считаются дважды. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The matrix columns the draw's numbers fall into: the column of each of the six numbers is a value of its own; two numbers in one column count twice. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - номер столбца, например «3»; все столбцы есть в таблице всегда. Значения можно ввести списком.</source>
      <translation>A value is a column number, for example «3»; all columns are always in the table. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число из выделенного столбца. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a number of a selected column. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Строки матрицы, в которые попали числа тиража: строка каждого из шести чисел - отдельное значение, два числа в одной строке считаются дважды. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The matrix rows the draw's numbers fall into: the row of each of the six numbers is a value of its own; two numbers in one row count twice. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - номер строки, например «3»; все строки есть в таблице всегда. Значения можно ввести списком.</source>
      <translation>A value is a row number, for example «3»; all rows are always in the table. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число из выделенной строки. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a number of a selected row. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество чисел тиража в каждом столбце матрицы, пустые столбцы тоже: тираж дает одно значение на каждый столбец. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The count of the draw's numbers in each matrix column, empty columns too: a draw gives one value per column. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - столбец и количество чисел в нем, например «1 x 2». Значения не вводятся списком.</source>
      <translation>A value is the column and the count of numbers in it, for example «1 x 2». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в столбце столько чисел, сколько в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations having as many numbers in a column as one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество чисел тиража в каждой строке матрицы, пустые строки тоже: тираж дает одно значение на каждую строку. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The count of the draw's numbers in each matrix row, empty rows too: a draw gives one value per row. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - строка и количество чисел в ней, например «1 x 2». Значения не вводятся списком.</source>
      <translation>A value is the row and the count of numbers in it, for example «1 x 2». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в строке столько чисел, сколько в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations having as many numbers in a row as one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество разных столбцов матрицы, занятых числами тиража. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of distinct matrix columns the draw's numbers occupy. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество столбцов, например «4». Значения можно ввести списком.</source>
      <translation>A value is the count of columns, for example «4». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенным количеством занятых столбцов. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of occupied columns. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество разных строк матрицы, занятых числами тиража. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of distinct matrix rows the draw's numbers occupy. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество строк, например «4». Значения можно ввести списком.</source>
      <translation>A value is the count of rows, for example «4». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенным количеством занятых строк. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of occupied rows. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Какие столбцы матрицы заняты числами тиража: маска из C знаков, 1 - в столбце есть число, 0 - нет; первый столбец слева. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Which matrix columns the draw's numbers occupy: a mask of C characters, 1 when the column holds a number, 0 when not; the first column on the left. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - маска и ее номер в скобках, например «10100 (020)» (заняты столбцы 1 и 3 при C = 5). В таблице только маски, которые выпадали. Значения можно ввести списком.</source>
      <translation>A value is the mask and its number in brackets, for example «10100 (020)» (columns 1 and 3 occupied with C = 5). The table lists only the masks that occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенной маской столбцов. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected mask of columns. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Какие строки матрицы заняты числами тиража: маска из знаков по числу строк, 1 - в строке есть число, 0 - нет; первая строка слева. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Which matrix rows the draw's numbers occupy: a mask of one character per row, 1 when the row holds a number, 0 when not; the first row on the left. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - маска и ее номер в скобках, например «110000101 (389)». В таблице только маски, которые выпадали. Значения можно ввести списком.</source>
      <translation>A value is the mask and its number in brackets, for example «110000101 (389)». The table lists only the masks that occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенной маской строк. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected mask of rows. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Столбцы матрицы со смежными числами: два числа тиража в одном столбце в соседних строках (соседи по вертикали) дают столбцу одну пару. Значение дает каждый столбец хотя бы с одной парой. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Matrix columns with adjacent numbers: two numbers of the draw in one column and neighbouring rows (vertical neighbours) give the column one pair. Each column with at least one pair gives a value. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - столбец и число пар плюс один, например «1 x 2» (числа 1 и 6 при C = 5) или «1 x 3» (1, 6 и 11). Значения можно ввести списком.</source>
      <translation>A value is the column and the count of pairs plus one, for example «1 x 2» (the numbers 1 and 6 with C = 5) or «1 x 3» (1, 6 and 11). Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых есть выделенный столбец с тем же числом смежных чисел. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations having a selected column with the same count of adjacent numbers. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Строки матрицы со смежными числами: два числа тиража в одной строке в соседних столбцах (соседи по горизонтали) дают строке одну пару. Значение дает каждая строка хотя бы с одной парой. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Matrix rows with adjacent numbers: two numbers of the draw in one row and neighbouring columns (horizontal neighbours) give the row one pair. Each row with at least one pair gives a value. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - строка и число пар плюс один, например «5 x 2». Значения можно ввести списком.</source>
      <translation>A value is the row and the count of pairs plus one, for example «5 x 2». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых есть выделенная строка с тем же числом смежных чисел. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations having a selected row with the same count of adjacent numbers. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество столбцов матрицы, в которых есть смежные числа тиража (соседи по вертикали); столбец считается один раз. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of matrix columns holding adjacent numbers of the draw (vertical neighbours); a column counts once. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество столбцов, например «1»; 0 - смежных чисел нет. Значения можно ввести списком.</source>
      <translation>A value is the count of columns, for example «1»; 0 means no adjacent numbers. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенным количеством таких столбцов. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of such columns. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество строк матрицы, в которых есть смежные числа тиража (соседи по горизонтали); строка считается один раз. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of matrix rows holding adjacent numbers of the draw (horizontal neighbours); a row counts once. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество строк, например «1»; 0 - смежных чисел нет. Значения можно ввести списком.</source>
      <translation>A value is the count of rows, for example «1»; 0 means no adjacent numbers. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенным количеством таких строк. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of such rows. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сочетания столбцов по всем числам тиража: для каждого набора из 2 позиций (всего 15) значением становятся столбцы чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of columns over all numbers of the draw: for every set of 2 positions (15 in all) the value is the columns of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 2 номера через двоеточие в порядке позиций, например «1:5». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 2 numbers joined by colons in position order, for example «1:5». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания столбцов по всем числам тиража: для каждого набора из 3 позиций (всего 20) значением становятся столбцы чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of columns over all numbers of the draw: for every set of 3 positions (20 in all) the value is the columns of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 3 номера через двоеточие в порядке позиций, например «1:5:3». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 3 numbers joined by colons in position order, for example «1:5:3». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания столбцов по всем числам тиража: для каждого набора из 4 позиций (всего 15) значением становятся столбцы чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of columns over all numbers of the draw: for every set of 4 positions (15 in all) the value is the columns of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 4 номера через двоеточие в порядке позиций, например «1:5:3:2». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 4 numbers joined by colons in position order, for example «1:5:3:2». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания столбцов по соседним числам: для каждых 2 соседних позиций тиража (всего 5) значением становятся столбцы чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of columns over neighbouring numbers: for every 2 neighbouring positions of the draw (5 in all) the value is the columns of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания столбцов по соседним числам: для каждых 3 соседних позиций тиража (всего 4) значением становятся столбцы чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of columns over neighbouring numbers: for every 3 neighbouring positions of the draw (4 in all) the value is the columns of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания столбцов по соседним числам: для каждых 4 соседних позиций тиража (всего 3) значением становятся столбцы чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of columns over neighbouring numbers: for every 4 neighbouring positions of the draw (3 in all) the value is the columns of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания строк по всем числам тиража: для каждого набора из 2 позиций (всего 15) значением становятся строки чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of rows over all numbers of the draw: for every set of 2 positions (15 in all) the value is the rows of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания строк по всем числам тиража: для каждого набора из 3 позиций (всего 20) значением становятся строки чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of rows over all numbers of the draw: for every set of 3 positions (20 in all) the value is the rows of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 3 номера через двоеточие в порядке позиций, например «1:2:7». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 3 numbers joined by colons in position order, for example «1:2:7». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания строк по всем числам тиража: для каждого набора из 4 позиций (всего 15) значением становятся строки чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of rows over all numbers of the draw: for every set of 4 positions (15 in all) the value is the rows of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 4 номера через двоеточие в порядке позиций, например «1:2:7:9». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 4 numbers joined by colons in position order, for example «1:2:7:9». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания строк по соседним числам: для каждых 2 соседних позиций тиража (всего 5) значением становятся строки чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of rows over neighbouring numbers: for every 2 neighbouring positions of the draw (5 in all) the value is the rows of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания строк по соседним числам: для каждых 3 соседних позиций тиража (всего 4) значением становятся строки чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of rows over neighbouring numbers: for every 3 neighbouring positions of the draw (4 in all) the value is the rows of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания строк по соседним числам: для каждых 4 соседних позиций тиража (всего 3) значением становятся строки чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of rows over neighbouring numbers: for every 4 neighbouring positions of the draw (3 in all) the value is the rows of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Количество чисел тиража в выбранном столбце матрицы, от 0 до 6. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of the draw's numbers in the chosen matrix column, 0 to 6. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Параметр - номер столбца, от 1 до числа столбцов матрицы.</source>
      <translation>The parameter is the column number, from 1 to the matrix's column count.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в этом столбце выделенное количество чисел. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of numbers in this column. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество чисел тиража в выбранной строке матрицы, от 0 до 6. Матрица - числа 1..45, выложенные по строкам, по C чисел в строке (C - число столбцов из настройки игры). Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of the draw's numbers in the chosen matrix row, 0 to 6. The matrix is the numbers 1..45 laid out row by row, C numbers a row (C is the column count of the game configuration). A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Параметр - номер строки, от 1 до числа строк матрицы (45, деленное на число столбцов, с округлением вверх).</source>
      <translation>The parameter is the row number, from 1 to the matrix's row count (45 divided by the column count, rounded up).</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в этой строке выделенное количество чисел. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of numbers in this row. Remove: such combinations are removed.</translation>
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
      <source>нет значений</source>
      <translation>no values</translation>
    </message>
    <message>
      <source>Что вычисляет метод</source>
      <translation>What the method computes</translation>
    </message>
    <message>
      <source>Значения</source>
      <translation>Values</translation>
    </message>
    <message>
      <source>Параметр</source>
      <translation>Parameter</translation>
    </message>
    <message>
      <source>Пример</source>
      <translation>Example</translation>
    </message>
    <message>
      <source>Последний тираж {}{}: {}</source>
      <translation>Newest draw {}{}: {}</translation>
    </message>
    <message>
      <source>Комбинация {} как следующий тираж</source>
      <translation>Combination {} as the next draw</translation>
    </message>
    <message>
      <source>Фильтр, оставляющий значения последнего тиража, оставит эту комбинацию.</source>
      <translation>A filter keeping the values of the newest draw keeps this combination.</translation>
    </message>
    <message>
      <source>Фильтр, оставляющий значения последнего тиража, удалит эту комбинацию.</source>
      <translation>A filter keeping the values of the newest draw removes this combination.</translation>
    </message>
    <message>
      <source>Оставить или удалить</source>
      <translation>Keep or remove</translation>
    </message>
    <message>
      <source>Сведения о методе</source>
      <translation>About the method</translation>
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
      <source>Числа тиража. Каждое из шести чисел тиража - отдельное значение: таблица показывает для каждого числа 1..45, сколько раз оно выпало в окне, когда выпало последний раз, самый короткий и самый длинный перерыв. Комбинация дает свои шесть чисел, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The numbers of the draw. Each of the six numbers of the draw is a value of its own: for every number 1..45 the table shows how often it fell in the window, when it fell last, and its shortest and longest gap. A combination gives its six numbers, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - число от 1 до 45, например «17». В таблице есть все 45 чисел, и те, что не выпадали. Значения можно ввести списком.</source>
      <translation>A value is a number from 1 to 45, for example «17». The table lists all 45 numbers, those that never fell too. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть хотя бы одно выделенное число. Удалить: удаляются комбинации, в которых есть хотя бы одно выделенное число.</source>
      <translation>Keep: the list keeps the combinations holding at least one selected number. Remove: the combinations holding at least one selected number are removed.</translation>
    </message>
    <message>
      <source>Цифры чисел тиража. Каждая десятичная цифра каждого числа - отдельное значение: 7 дает 7, 12 дает 1 и 2, 40 дает 4 и 0; повторы считаются, так что 10 и 11 дают три единицы. Комбинация дает цифры своих чисел так же.</source>
      <translation>The digits of the draw's numbers. Each decimal digit of each number is a value of its own: 7 gives 7, 12 gives 1 and 2, 40 gives 4 and 0; repeats count, so 10 and 11 give three ones. A combination gives the digits of its numbers the same way.</translation>
    </message>
    <message>
      <source>Значение - цифра от 0 до 9, например «4». Значения можно ввести списком.</source>
      <translation>A value is a digit from 0 to 9, for example «4». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в записи чисел которых есть хотя бы одна выделенная цифра. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose numbers are written with at least one selected digit. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество четных чисел в тираже, от 0 до 6. Комбинация дает свое количество так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of even numbers in the draw, 0 to 6. A combination gives its count the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество четных и нечетных через двоеточие, например «2:4» (два четных, четыре нечетных). Строки с одним и более четным есть в таблице всегда, «0:6» - когда такой тираж был. Значения можно ввести списком.</source>
      <translation>A value is the counts of even and odd numbers joined by a colon, for example «2:4» (two even, four odd). The rows with one or more even numbers are always in the table, «0:6» when such a draw occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации с выделенным количеством четных чисел. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of even numbers. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Четные и нечетные числа по позициям тиража: для каждого из шести чисел по порядку буква Ч (четное) или н (нечетное). Маска зависит от порядка: в порядке выпадения тираж 7 2 ... дает иную маску, чем по возрастанию. Комбинация дает маску своих чисел по возрастанию, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Even and odd numbers by position in the draw: for each of the six numbers in order the letter Ч (even) or н (odd). The mask depends on the order: in drawn order a draw 7 2 ... gives another mask than ascending. A combination gives the mask of its ascending numbers, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - шесть букв и номер маски в скобках, например «ЧнЧнЧн (021)»: нечетное число - единичный бит, первое число - старший. Все 64 маски есть в таблице всегда. Значения можно ввести списком.</source>
      <translation>A value is six letters and the mask's number in brackets, for example «ЧнЧнЧн (021)»: an odd number is a one bit, the first number the highest. All 64 masks are always in the table. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации с выделенной маской. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected mask. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество чисел из первой половины диапазона (1..22) в тираже, от 0 до 6; числа 23..45 - вторая половина. Комбинация дает свое количество так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of numbers of the first half of the range (1..22) in the draw, 0 to 6; the numbers 23..45 are the second half. A combination gives its count the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество чисел первой и второй половины через двоеточие, например «2:4». Строки с одним и более малым числом есть в таблице всегда, «0:6» - когда такой тираж был. Значения можно ввести списком.</source>
      <translation>A value is the counts of numbers of the first and second half joined by a colon, for example «2:4». The rows with one or more small numbers are always in the table, «0:6» when such a draw occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации с выделенным количеством чисел первой половины. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of numbers of the first half. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Малые и большие числа по позициям тиража: для каждого из шести чисел по порядку 1 (число 1..22) или 2 (число 23..45). Маска зависит от порядка чисел тиража. Комбинация дает маску своих чисел по возрастанию, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Small and large numbers by position in the draw: for each of the six numbers in order 1 (a number 1..22) or 2 (a number 23..45). The mask depends on the order of the draw's numbers. A combination gives the mask of its ascending numbers, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - шесть цифр и номер маски в скобках, например «121212 (021)»: большое число - единичный бит, первое число - старший. В таблице только маски, которые выпадали. Значения можно ввести списком.</source>
      <translation>A value is six digits and the mask's number in brackets, for example «121212 (021)»: a large number is a one bit, the first number the highest. The table lists only the masks that occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Количество чисел тиража из множества простых {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43} (1 здесь тоже считается простым), от 0 до 6. Комбинация дает свое количество так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of the draw's numbers in the prime set {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43} (1 counts as prime here), 0 to 6. A combination gives its count the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество простых и составных через двоеточие, например «2:4». Строки с одним и более простым числом есть в таблице всегда, «0:6» - когда такой тираж был. Значения можно ввести списком.</source>
      <translation>A value is the counts of prime and composite numbers joined by a colon, for example «2:4». The rows with one or more prime numbers are always in the table, «0:6» when such a draw occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации с выделенным количеством простых чисел. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of prime numbers. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Простые и составные числа по позициям тиража: для каждого из шести чисел по порядку П (число из множества простых, с 1) или С (остальные). Маска зависит от порядка чисел тиража. Комбинация дает маску своих чисел по возрастанию, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Prime and composite numbers by position in the draw: for each of the six numbers in order П (a number of the prime set, 1 included) or С (the others). The mask depends on the order of the draw's numbers. A combination gives the mask of its ascending numbers, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - шесть букв и номер маски в скобках, например «ПСПСПС (042)»: простое число - единичный бит, первое число - старший. Все 64 маски есть в таблице всегда. Значения можно ввести списком.</source>
      <translation>A value is six letters and the mask's number in brackets, for example «ПСПСПС (042)»: a prime number is a one bit, the first number the highest. All 64 masks are always in the table. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Число тиража в выбранной позиции: в порядке выпадения - число, выпавшее по счету в этой позиции, по возрастанию - число этого места по величине. Комбинация дает свое число в этой позиции (числа по возрастанию), поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The draw's number at the chosen position: in drawn order the number that fell at that place, ascending the number of that rank by size. A combination gives its number at this position (numbers ascending), so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - число от 1 до 45, например «23»; все 45 чисел есть в таблице всегда. Значения можно ввести списком.</source>
      <translation>A value is a number from 1 to 45, for example «23»; all 45 numbers are always in the table. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр - позиция, от 1 до 6: POS1 - первое число тиража, POS6 - шестое.</source>
      <translation>The parameter is the position, 1 to 6: POS1 is the draw's first number, POS6 the sixth.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых число в этой позиции выделено. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose number at this position is selected. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Дополнительное число тиража (Extra, Bonus, Star...), для таблицы и графика: у комбинации его нет, поэтому фильтровать по нему нельзя.</source>
      <translation>The draw's extra number (Extra, Bonus, Star...), for the table and the graph: a combination has none, so it cannot filter.</translation>
    </message>
    <message>
      <source>Значение - дополнительное число, например «8». Значения можно ввести списком.</source>
      <translation>A value is the extra number, for example «8». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр у метода один: 1.</source>
      <translation>The method has one parameter value: 1.</translation>
    </message>
    <message>
      <source>Фильтр по этому методу не выделяет ни одной комбинации: Оставить очищает список, Удалить оставляет его как был.</source>
      <translation>A filter by this method selects no combination: Keep empties the list, Remove leaves it as it was.</translation>
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
      <source>Характеристическое число Огнева. Шесть чисел тиража в порядке позиций заменяются модулями разностей соседних чисел, потом то же делается с разностями, пока не останутся два значения (6, 5, 4, 3, 2 значения); модуль их разности и есть число тиража. Комбинация дает свое число так же, из чисел по возрастанию, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Ognev's characteristic number. The six numbers of the draw, in the order of their positions, are replaced by the absolute differences of neighbours, and the same is done with the differences until two values remain (6, 5, 4, 3, 2 values); the absolute difference of those two is the draw's number. A combination gives its number the same way, from its ascending numbers, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - одно целое число от 0 до 44, например «7». Значения можно ввести списком.</source>
      <translation>A value is one whole number from 0 to 44, for example «7». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, число Огнева которых выделено. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose Ognev number is selected. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Число Огнева с поправкой: как у HCO1, шесть чисел тиража сводятся разностями соседних к двум значениям, и число - модуль их разности; но если эта разность 0 или 1, число - сумма двух последних значений. Комбинация дает свое число так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>Ognev's number with a correction: as with HCO1, the six numbers of the draw are reduced by differences of neighbours to two values, and the number is the absolute difference of those; but when that difference is 0 or 1, the number is the sum of the two last values. A combination gives its number the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - одно целое число, например «7»: разность двух последних значений или, при разности 0 и 1, их сумма. Значения можно ввести списком.</source>
      <translation>A value is one whole number, for example «7»: the difference of the two last values or, when it is 0 or 1, their sum. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Числа-кандидаты для следующего тиража, только для фильтра. Метод берет только последний тираж окна: его число Огнева f (разности соседних, пока не останутся два значения; при разности 0 - их сумма; если получилась 1 - сумма двух последних значений с пометкой) и числа, кратные f, в пределах 1..45: от f·f·f (или f·f, если оно больше 44) вниз с шагом f. Остальные тиражи окна значений не дают. Количество у значения - 1, если число выпало в тираже после окна (при проверке на прошлых тиражах), иначе 0.</source>
      <translation>Candidate numbers for the next draw, for filtering only. The method takes only the newest draw of the window: its Ognev number f (differences of neighbours until two values remain; when their difference is 0, their sum; when the result is 1, the sum of the two last values with a mark) and the multiples of f within 1..45: from f·f·f (or f·f when that exceeds 44) downwards in steps of f. The other draws of the window give no value. A value's count is 1 when the number fell in the draw after the window (when testing on past draws), otherwise 0.</translation>
    </message>
    <message>
      <source>Значения - число Огнева последнего тиража, например «7», или сумма с пометкой единицы, например «29 (1)», и кратные ему числа 1..45 (для 7 это «42», «35», «28», «21», «14»). Значения не вводятся списком.</source>
      <translation>The values are the Ognev number of the newest draw, for example «7», or a sum marked with one, for example «29 (1)», and its multiples within 1..45 (for 7 these are «42», «35», «28», «21», «14»). Values cannot be typed in as a list.</translation>
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
      <source>Периоды повторения: для каждого числа каждого тиража окна - через сколько тиражей это число выпал снова (разность номеров тиражей). Первое появление в окне периода не дает. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Periods of recurrence: for the number of every draw of the window, after how many draws it came again (the difference of the draw numbers). The first occurrence in the window gives no period. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - значение и период, например «7 x 12». Значения не вводятся списком.</source>
      <translation>A value is the value and the period, for example «7 x 12». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число выделенного значения, если он был в тираже, отстоящем от следующего на выделенный период. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding the number of a selected value when it was in the draw lying the selected period before the next draw. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Периоды повторения: для канала каждого числа каждого тиража окна - через сколько тиражей этот канал выпал снова (разность номеров тиражей). Первое появление в окне периода не дает. Два числа одного канала в тираже дают один период. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Periods of recurrence: for the channel of every draw of the window, after how many draws it came again (the difference of the draw numbers). The first occurrence in the window gives no period. Two numbers of one channel in a draw give one period. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - значение и период, например «02 x 3». Значения не вводятся списком.</source>
      <translation>A value is the value and the period, for example «02 x 3». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число из канала выделенного значения, если он был в тираже, отстоящем от следующего на выделенный период. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding the channel of a selected value when it was in the draw lying the selected period before the next draw. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Периоды повторения: для сегмента каждого числа каждого тиража окна - через сколько тиражей этот сегмент выпал снова (разность номеров тиражей). Первое появление в окне периода не дает. Два числа одного сегмента в тираже дают один период. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Periods of recurrence: for the segment of every draw of the window, after how many draws it came again (the difference of the draw numbers). The first occurrence in the window gives no period. Two numbers of one segment in a draw give one period. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - значение и период, например «3 x 4». Значения не вводятся списком.</source>
      <translation>A value is the value and the period, for example «3 x 4». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число из сегмента выделенного значения, если он был в тираже, отстоящем от следующего на выделенный период. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding the segment of a selected value when it was in the draw lying the selected period before the next draw. Remove: such combinations are removed.</translation>
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
      <source>Какие числа последнего тиража повторялись из предыдущего тиража. Для каждого тиража окна записывается каждое его число, которое было в предыдущем тираже и есть в последнем тираже окна. Таблица показывает для чисел последнего тиража, как часто они так повторялись. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Which numbers of the newest draw repeated from the previous draw. For every draw of the window each of its numbers that was in the previous draw and is in the newest draw of the window is recorded. The table shows for the numbers of the newest draw how often they repeated so. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Значение - число, например «17»; числа последнего тиража есть в таблице всегда. Значения можно ввести списком.</source>
      <translation>A value is a number, for example «17»; the numbers of the newest draw are always in the table. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть хотя бы одно выделенное число. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding at least one selected number. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Числа, повторившиеся в трех тиражах подряд. Для каждого тиража окна записывается каждое его число, которое было в двух предыдущих тиражах и есть в последнем тираже окна. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Numbers repeated in three draws in a row. For every draw of the window each of its numbers that was in the two previous draws and is in the newest draw of the window is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Числа, повторившиеся не более чем в двух тиражах подряд. Для каждого тиража окна записывается каждое его число, которое было в предыдущем тираже, но не в тираже перед ним, и есть в последнем тираже окна. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Numbers repeated in no more than two draws in a row. For every draw of the window each of its numbers that was in the previous draw but not in the one before it, and is in the newest draw of the window, is recorded. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Какие числа последнего тиража повторялись из тиража за два до этого (через 1 тираж). Для каждого тиража окна записывается каждое его число, которое было в тираже за два до этого и есть в последнем тираже окна. Таблица показывает для чисел последнего тиража, как часто они так повторялись. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Which numbers of the newest draw repeated from the draw two back (one draw in between). For every draw of the window each of its numbers that was in the draw two back (one draw in between) and is in the newest draw of the window is recorded. The table shows for the numbers of the newest draw how often they repeated so. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Какие числа последнего тиража повторялись из тиража за три до этого (через 2 тиража). Для каждого тиража окна записывается каждое его число, которое было в тираже за три до этого и есть в последнем тираже окна. Таблица показывает для чисел последнего тиража, как часто они так повторялись. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Which numbers of the newest draw repeated from the draw three back (two draws in between). For every draw of the window each of its numbers that was in the draw three back (two draws in between) and is in the newest draw of the window is recorded. The table shows for the numbers of the newest draw how often they repeated so. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Какие числа последнего тиража повторялись из тиража за четыре до этого (через 3 тиража). Для каждого тиража окна записывается каждое его число, которое было в тираже за четыре до этого и есть в последнем тираже окна. Таблица показывает для чисел последнего тиража, как часто они так повторялись. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>Which numbers of the newest draw repeated from the draw four back (three draws in between). For every draw of the window each of its numbers that was in the draw four back (three draws in between) and is in the newest draw of the window is recorded. The table shows for the numbers of the newest draw how often they repeated so. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Числа предыдущего тиража плюс 1. Для каждого тиража окна записывается каждое его число, равное числу предыдущего тиража плюс 1 и числу последнего тиража окна плюс 1 (по кругу: после 45 идет 1, перед 1 - 45). Таблица показывает для чисел последнего тиража плюс 1, как часто они так выпадали. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>The numbers of the previous draw plus 1. For every draw of the window each of its numbers that equals a number of the previous draw plus 1 and a number of the newest draw of the window plus 1 is recorded (round the circle: 1 follows 45, 45 precedes 1). The table shows for the numbers of the newest draw plus 1 how often they fell so. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Числа предыдущего тиража минус 1. Для каждого тиража окна записывается каждое его число, равное числу предыдущего тиража минус 1 и числу последнего тиража окна минус 1 (по кругу: после 45 идет 1, перед 1 - 45). Таблица показывает для чисел последнего тиража минус 1, как часто они так выпадали. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>The numbers of the previous draw minus 1. For every draw of the window each of its numbers that equals a number of the previous draw minus 1 and a number of the newest draw of the window minus 1 is recorded (round the circle: 1 follows 45, 45 precedes 1). The table shows for the numbers of the newest draw minus 1 how often they fell so. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Числа предыдущего тиража плюс 2. Для каждого тиража окна записывается каждое его число, равное числу предыдущего тиража плюс 2 и числу последнего тиража окна плюс 2 (по кругу: после 45 идет 1, перед 1 - 45). Таблица показывает для чисел последнего тиража плюс 2, как часто они так выпадали. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>The numbers of the previous draw plus 2. For every draw of the window each of its numbers that equals a number of the previous draw plus 2 and a number of the newest draw of the window plus 2 is recorded (round the circle: 1 follows 45, 45 precedes 1). The table shows for the numbers of the newest draw plus 2 how often they fell so. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Числа предыдущего тиража минус 2. Для каждого тиража окна записывается каждое его число, равное числу предыдущего тиража минус 2 и числу последнего тиража окна минус 2 (по кругу: после 45 идет 1, перед 1 - 45). Таблица показывает для чисел последнего тиража минус 2, как часто они так выпадали. В фильтре комбинация стоит на месте следующего тиража.</source>
      <translation>The numbers of the previous draw minus 2. For every draw of the window each of its numbers that equals a number of the previous draw minus 2 and a number of the newest draw of the window minus 2 is recorded (round the circle: 1 follows 45, 45 precedes 1). The table shows for the numbers of the newest draw minus 2 how often they fell so. In a filter the combination stands in place of the next draw.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража повторили числа предыдущего тиража: от 0 до 6. В фильтре комбинация стоит на месте следующего тиража. Ее количество считается по тем же тиражам перед ней.</source>
      <translation>How many numbers of the draw repeated numbers of the previous draw: 0 to 6. In a filter the combination stands in place of the next draw. Its count is taken against the same draws before it.</translation>
    </message>
    <message>
      <source>Значение - количество повторов от 0 до 6, например «1»; 1..6 есть в таблице всегда, 0 - когда был. Значения можно ввести списком.</source>
      <translation>A value is the count of repeats from 0 to 6, for example «1»; 1..6 are always in the table, 0 when it occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых выделенное количество повторов. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of repeats. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража было и в предыдущем тираже, и в тираже перед ним: от 0 до 6. В фильтре комбинация стоит на месте следующего тиража: ее количество считается по последнему тиражу и тиражу перед ним.</source>
      <translation>How many numbers of the draw were in both the previous draw and the one before it: 0 to 6. In a filter the combination stands in place of the next draw: its count is taken against the newest draw and the one before it.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража было в предыдущем тираже, но не в тираже перед ним: от 0 до 6. В фильтре комбинация стоит на месте следующего тиража: ее количество считается по последнему тиражу и тиражу перед ним.</source>
      <translation>How many numbers of the draw were in the previous draw but not in the one before it: 0 to 6. In a filter the combination stands in place of the next draw: its count is taken against the newest draw and the one before it.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража повторили числа тиража за два до этого (через 1 тираж): от 0 до 6. В фильтре комбинация стоит на месте следующего тиража. Ее количество считается по тем же тиражам перед ней.</source>
      <translation>How many numbers of the draw repeated numbers of the draw two back (one draw in between): 0 to 6. In a filter the combination stands in place of the next draw. Its count is taken against the same draws before it.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража повторили числа тиража за три до этого (через 2 тиража): от 0 до 6. В фильтре комбинация стоит на месте следующего тиража. Ее количество считается по тем же тиражам перед ней.</source>
      <translation>How many numbers of the draw repeated numbers of the draw three back (two draws in between): 0 to 6. In a filter the combination stands in place of the next draw. Its count is taken against the same draws before it.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража повторили числа тиража за четыре до этого (через 3 тиража): от 0 до 6. В фильтре комбинация стоит на месте следующего тиража. Ее количество считается по тем же тиражам перед ней.</source>
      <translation>How many numbers of the draw repeated numbers of the draw four back (three draws in between): 0 to 6. In a filter the combination stands in place of the next draw. Its count is taken against the same draws before it.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража повторили числа предыдущего тиража плюс 1 (по кругу: после 45 идет 1, перед 1 - 45): от 0 до 6. В фильтре комбинация стоит на месте следующего тиража. Ее количество считается по тем же тиражам перед ней.</source>
      <translation>How many numbers of the draw repeated numbers of the previous draw plus 1 (round the circle: 1 follows 45, 45 precedes 1): 0 to 6. In a filter the combination stands in place of the next draw. Its count is taken against the same draws before it.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража повторили числа предыдущего тиража минус 1 (по кругу: после 45 идет 1, перед 1 - 45): от 0 до 6. В фильтре комбинация стоит на месте следующего тиража. Ее количество считается по тем же тиражам перед ней.</source>
      <translation>How many numbers of the draw repeated numbers of the previous draw minus 1 (round the circle: 1 follows 45, 45 precedes 1): 0 to 6. In a filter the combination stands in place of the next draw. Its count is taken against the same draws before it.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража повторили числа предыдущего тиража плюс 2 (по кругу: после 45 идет 1, перед 1 - 45): от 0 до 6. В фильтре комбинация стоит на месте следующего тиража. Ее количество считается по тем же тиражам перед ней.</source>
      <translation>How many numbers of the draw repeated numbers of the previous draw plus 2 (round the circle: 1 follows 45, 45 precedes 1): 0 to 6. In a filter the combination stands in place of the next draw. Its count is taken against the same draws before it.</translation>
    </message>
    <message>
      <source>Сколько чисел тиража повторили числа предыдущего тиража минус 2 (по кругу: после 45 идет 1, перед 1 - 45): от 0 до 6. В фильтре комбинация стоит на месте следующего тиража. Ее количество считается по тем же тиражам перед ней.</source>
      <translation>How many numbers of the draw repeated numbers of the previous draw minus 2 (round the circle: 1 follows 45, 45 precedes 1): 0 to 6. In a filter the combination stands in place of the next draw. Its count is taken against the same draws before it.</translation>
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
      <source>Сегменты чисел тиража: сегмент каждого из шести чисел - отдельное значение, два числа в одном сегменте считаются дважды. Сегмент - цифра 0..9, которую настройка игры дает каждому числу (по умолчанию все числа в сегменте 1). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The segments of the draw's numbers: the segment of each of the six numbers is a value of its own; two numbers in one segment count twice. A segment is the digit 0..9 the game configuration gives each number (by default every number is in segment 1). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - номер сегмента, например «1»; все сегменты разметки есть в таблице всегда. Значения можно ввести списком.</source>
      <translation>A value is a segment number, for example «1»; all segments of the layout are always in the table. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть число из выделенного сегмента. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a number of a selected segment. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество чисел тиража в каждом сегменте разметки, пустые сегменты тоже: тираж дает одно значение на каждый сегмент. Сегмент - цифра 0..9, которую настройка игры дает каждому числу (по умолчанию все числа в сегменте 1). Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The count of the draw's numbers in each segment of the layout, empty segments too: a draw gives one value per segment. A segment is the digit 0..9 the game configuration gives each number (by default every number is in segment 1). A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - сегмент и количество чисел в нем, например «1 x 6». Значения не вводятся списком.</source>
      <translation>A value is the segment and the count of numbers in it, for example «1 x 6». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в сегменте столько чисел, сколько в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations having as many numbers in a segment as one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество разных сегментов, в которые попали шесть чисел тиража. Сегмент - цифра 0..9, которую настройка игры дает каждому числу (по умолчанию все числа в сегменте 1). Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of distinct segments the six numbers of the draw fall into. A segment is the digit 0..9 the game configuration gives each number (by default every number is in segment 1). A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество сегментов, например «2». Значения можно ввести списком.</source>
      <translation>A value is the count of segments, for example «2». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенным количеством сегментов. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of segments. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сочетания сегментов по всем числам тиража: для каждого набора из 2 позиций (всего 15) значением становятся сегменты чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of segments over all numbers of the draw: for every set of 2 positions (15 in all) the value is the segments of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания сегментов по всем числам тиража: для каждого набора из 3 позиций (всего 20) значением становятся сегменты чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of segments over all numbers of the draw: for every set of 3 positions (20 in all) the value is the segments of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 3 номера через двоеточие в порядке позиций, например «1:2:1». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 3 numbers joined by colons in position order, for example «1:2:1». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания сегментов по всем числам тиража: для каждого набора из 4 позиций (всего 15) значением становятся сегменты чисел этих позиций, в порядке позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of segments over all numbers of the draw: for every set of 4 positions (15 in all) the value is the segments of the numbers at those positions, in position order. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - 4 номера через двоеточие в порядке позиций, например «1:2:1:3». Повторы считаются: два числа в одной группе дают одинаковые номера. Значения не вводятся списком.</source>
      <translation>A value is 4 numbers joined by colons in position order, for example «1:2:1:3». Repeats count: two numbers in one group give equal numbers. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Сочетания сегментов по соседним числам: для каждых 2 соседних позиций тиража (всего 5) значением становятся сегменты чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of segments over neighbouring numbers: for every 2 neighbouring positions of the draw (5 in all) the value is the segments of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания сегментов по соседним числам: для каждых 3 соседних позиций тиража (всего 4) значением становятся сегменты чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of segments over neighbouring numbers: for every 3 neighbouring positions of the draw (4 in all) the value is the segments of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Сочетания сегментов по соседним числам: для каждых 4 соседних позиций тиража (всего 3) значением становятся сегменты чисел этих позиций. Метод считает, в скольких тиражах окна было каждое такое сочетание. Комбинация в фильтре дает свои сочетания так же; с полным набором комбинаций метод не сравнивается.</source>
      <translation>Combinations of segments over neighbouring numbers: for every 4 neighbouring positions of the draw (3 in all) the value is the segments of the numbers at those positions. The method counts in how many draws of the window each such combination occurred. In a filter a combination gives its combinations the same way; the method is not compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Количество чисел тиража в выбранном сегменте, от 0 до 6. Сегмент - цифра 0..9, которую настройка игры дает каждому числу (по умолчанию все числа в сегменте 1). Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of the draw's numbers in the chosen segment, 0 to 6. A segment is the digit 0..9 the game configuration gives each number (by default every number is in segment 1). A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых в этом сегменте выделенное количество чисел. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of numbers in this segment. Remove: such combinations are removed.</translation>
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
      <source>Длины последовательностей тиража: каждая последовательность дает свою длину, и длины в сумме дают 6 (1 2 3 10 11 40 дает 3, 2 и 1). Последовательность - числа в соседних позициях тиража, каждое на 1 больше предыдущего (17 18 19); число без такого соседа - последовательность длины 1. Позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация дает свои значения так же, поэтому метод сравнивается с полным набором комбинаций.</source>
      <translation>The lengths of the draw's sequences: each sequence gives its length, and the lengths add up to 6 (1 2 3 10 11 40 gives 3, 2 and 1). A sequence is numbers at neighbouring positions of the draw, each 1 more than the one before (17 18 19); a number without such a neighbour is a sequence of length 1. Positions follow the order of the draw's numbers: drawn order or ascending. A combination gives its values the same way, so the method is compared with the full set of combinations.</translation>
    </message>
    <message>
      <source>Значение - длина от 1 до 6, например «2». Значения можно ввести списком.</source>
      <translation>A value is a length from 1 to 6, for example «2». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть последовательность выделенной длины. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a sequence of a selected length. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Количество последовательностей длиной 2 и больше в тираже, от 0 до 3. Последовательность - числа в соседних позициях тиража, каждое на 1 больше предыдущего (17 18 19); число без такого соседа - последовательность длины 1. Позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The count of sequences of length 2 or more in the draw, 0 to 3. A sequence is numbers at neighbouring positions of the draw, each 1 more than the one before (17 18 19); a number without such a neighbour is a sequence of length 1. Positions follow the order of the draw's numbers: drawn order or ascending. A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - количество, например «1». Значения можно ввести списком.</source>
      <translation>A value is the count, for example «1». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, с выделенным количеством последовательностей. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count of sequences. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Длина самой длинной последовательности тиража, от 1 до 6. Последовательность - числа в соседних позициях тиража, каждое на 1 больше предыдущего (17 18 19); число без такого соседа - последовательность длины 1. Позиции берутся в порядке чисел тиража: в порядке выпадения или по возрастанию. Комбинация дает свое значение так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The length of the draw's longest sequence, 1 to 6. A sequence is numbers at neighbouring positions of the draw, each 1 more than the one before (17 18 19); a number without such a neighbour is a sequence of length 1. Positions follow the order of the draw's numbers: drawn order or ascending. A combination gives its value the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - длина, например «3». Значения можно ввести списком.</source>
      <translation>A value is the length, for example «3». Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, у которых самая длинная последовательность выделенной длины. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose longest sequence has a selected length. Remove: such combinations are removed.</translation>
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
      <source>Серии повторов: сколько тиражей подряд числа последнего тиража выпадали. Для каждого значения, которое есть в последнем тираже окна, записывается каждая законченная в окне серия тиражей подряд, в которых оно было, и серия, идущая до последнего тиража. В фильтре выделенное значение ищется среди чисел комбинации.</source>
      <translation>Series of repeats: how many draws in a row the numbers of the newest draw came. For each value in the newest draw of the window every series of draws in a row holding it that ended in the window is recorded, and the series running up to the newest draw. In a filter the selected value is looked for among the combination's numbers.</translation>
    </message>
    <message>
      <source>Значение - значение и длина серии, например «7 x 3». Значения не вводятся списком.</source>
      <translation>A value is the value and the length of the series, for example «7 x 3». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, в которых есть выделенное значение (длина серии не сравнивается). Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations holding a selected value (the length of the series is not compared). Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Серии пропусков: сколько тиражей подряд числа последнего тиража не выпадали, прежде чем выпасть снова. Для каждого значения, которое есть в последнем тираже окна, записывается каждая законченная в окне серия тиражей подряд без него. В фильтре выделенное значение ищется среди чисел комбинации.</source>
      <translation>Series of pauses: how many draws in a row the numbers of the newest draw stayed away before coming again. For each value in the newest draw of the window every series of draws in a row without it that ended in the window is recorded. In a filter the selected value is looked for among the combination's numbers.</translation>
    </message>
    <message>
      <source>Значение - значение и длина серии, например «7 x 2». Значения не вводятся списком.</source>
      <translation>A value is the value and the length of the series, for example «7 x 2». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Серии повторов: сколько тиражей подряд каналы последнего тиража выпадали. Для каждого значения, которое есть в последнем тираже окна, записывается каждая законченная в окне серия тиражей подряд, в которых оно было, и серия, идущая до последнего тиража. Канал - группа подряд идущих чисел размера из настройки игры. В фильтре выделенное значение ищется среди каналов комбинации.</source>
      <translation>Series of repeats: how many draws in a row the channels of the newest draw came. For each value in the newest draw of the window every series of draws in a row holding it that ended in the window is recorded, and the series running up to the newest draw. A channel is a group of consecutive numbers of the size set in the game configuration. In a filter the selected value is looked for among the combination's channels.</translation>
    </message>
    <message>
      <source>Значение - значение и длина серии, например «02 x 3». Значения не вводятся списком.</source>
      <translation>A value is the value and the length of the series, for example «02 x 3». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Серии пропусков: сколько тиражей подряд каналы последнего тиража не выпадали, прежде чем выпасть снова. Для каждого значения, которое есть в последнем тираже окна, записывается каждая законченная в окне серия тиражей подряд без него. Канал - группа подряд идущих чисел размера из настройки игры. В фильтре выделенное значение ищется среди каналов комбинации.</source>
      <translation>Series of pauses: how many draws in a row the channels of the newest draw stayed away before coming again. For each value in the newest draw of the window every series of draws in a row without it that ended in the window is recorded. A channel is a group of consecutive numbers of the size set in the game configuration. In a filter the selected value is looked for among the combination's channels.</translation>
    </message>
    <message>
      <source>Серии повторов: сколько тиражей подряд сегменты последнего тиража выпадали. Для каждого значения, которое есть в последнем тираже окна, записывается каждая законченная в окне серия тиражей подряд, в которых оно было, и серия, идущая до последнего тиража. Сегмент - цифра, которую настройка игры дает числу. В фильтре выделенное значение ищется среди сегментов комбинации.</source>
      <translation>Series of repeats: how many draws in a row the segments of the newest draw came. For each value in the newest draw of the window every series of draws in a row holding it that ended in the window is recorded, and the series running up to the newest draw. A segment is the digit the game configuration gives a number. In a filter the selected value is looked for among the combination's segments.</translation>
    </message>
    <message>
      <source>Значение - значение и длина серии, например «3 x 2». Значения не вводятся списком.</source>
      <translation>A value is the value and the length of the series, for example «3 x 2». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Серии пропусков: сколько тиражей подряд сегменты последнего тиража не выпадали, прежде чем выпасть снова. Для каждого значения, которое есть в последнем тираже окна, записывается каждая законченная в окне серия тиражей подряд без него. Сегмент - цифра, которую настройка игры дает числу. В фильтре выделенное значение ищется среди сегментов комбинации.</source>
      <translation>Series of pauses: how many draws in a row the segments of the newest draw stayed away before coming again. For each value in the newest draw of the window every series of draws in a row without it that ended in the window is recorded. A segment is the digit the game configuration gives a number. In a filter the selected value is looked for among the combination's segments.</translation>
    </message>
    <message>
      <source>Метод шинковки %0:d: %%s</source>
      <translation>Shredding method %0:d: %%s</translation>
    </message>
    <message>
      <source>Метод шинковки: значение формулы пользователя над числами тиража n1..n6 (и числами предыдущего тиража p1..p6 и тиража перед ним t1..t6); берутся первые знаки дробной части модуля результата. Для формулы (n1+n2+n3)/(n4+n5+n6) и тиража 1 2 3 4 5 6 это 0.4, значение 40. Ошибка в формуле или деление на ноль дают 0. Комбинация дает свое значение так же (p и t равны нулю), поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The shredding method: the value of the user's formula over the draw's numbers n1..n6 (and the numbers of the previous draw p1..p6 and of the one before it t1..t6); the first decimal places of the fractional part of the result's absolute value are taken. For the formula (n1+n2+n3)/(n4+n5+n6) and the draw 1 2 3 4 5 6 it is 0.4, value 40. An error in the formula or a division by zero gives 0. A combination gives its value the same way (p and t being zero), so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - целое число из первых знаков дробной части, например «33» при двух знаках. Значения можно ввести списком.</source>
      <translation>A value is the whole number of the first decimal places, for example «33» with two places. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр - номер формулы, от 1 до 3; формулы и число знаков задаются в диалоге методов шинковки.</source>
      <translation>The parameter is the formula's number, 1 to 3; the formulas and the number of places are set in the shredding methods dialog.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, значение формулы которых выделено (p и t - последний тираж и тираж перед ним). Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose formula value is selected (p and t being the newest draw and the one before it). Remove: such combinations are removed.</translation>
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
    <message>
      <source>Сумма шести чисел тиража, от 21 до 255. Комбинация дает свою сумму, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The sum of the six numbers of the draw, 21 to 255. A combination gives its sum, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - сумма, например «135». Все суммы от 21 до 255 есть в таблице всегда. Значения можно ввести списком.</source>
      <translation>A value is a sum, for example «135». All sums from 21 to 255 are always in the table. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации с выделенной суммой. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected sum. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Попадает ли сумма тиража в диапазон: 93..183 (диапазон 1), 102..174 (диапазон 2) или 110..166 (диапазон 3), границы включительно. В таблице две строки: внутри диапазона и вне его. Комбинация дает свою строку так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>Whether the draw's sum lies in a range: 93..183 (range 1), 102..174 (range 2) or 110..166 (range 3), bounds included. The table has two rows: inside the range and outside it. A combination gives its row the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - границы диапазона, например «93-183», когда сумма внутри, или «Остальные». Значения не вводятся списком.</source>
      <translation>A value is the range's bounds, for example «93-183», when the sum is inside, or «Остальные» (the rest). Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Параметр - номер диапазона: 1 - 93..183, 2 - 102..174, 3 - 110..166.</source>
      <translation>The parameter is the range's number: 1 is 93..183, 2 is 102..174, 3 is 110..166.</translation>
    </message>
    <message>
      <source>Оставить: если выделена строка диапазона, остаются комбинации с суммой внутри него (и тогда, когда выделены обе строки); если выделены только Остальные - комбинации с суммой вне диапазона. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: when the range's row is selected, the list keeps the combinations whose sum is inside it (also when both rows are selected); when only the rest is selected, the combinations whose sum is outside. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Какие суммы шли после суммы последнего тиража. Для каждого тиража окна: если сумма предыдущего тиража равна сумме последнего тиража окна, записывается переход от той суммы к сумме этого тиража; остальные тиражи значений не дают. Комбинация в фильтре стоит на месте следующего тиража; строится график изменения суммы.</source>
      <translation>Which sums followed the sum of the newest draw. For every draw of the window: if the previous draw's sum equals the sum of the newest draw of the window, the transition from that sum to this draw's sum is recorded; the other draws give no value. In a filter the combination stands in place of the next draw; the graph shows the change of the sum.</translation>
    </message>
    <message>
      <source>Значение - изменение и обе суммы: «+05 : 120 + 05 = 125» при росте или равенстве, «- 05 : 130 - 05 = 125» при уменьшении. Значения не вводятся списком.</source>
      <translation>A value is the change and both sums: «+05 : 120 + 05 = 125» when the sum grew or stayed, «- 05 : 130 - 05 = 125» when it fell. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, сумма которых равна сумме после перехода в одном из выделенных значений. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose sum equals the sum after the transition of one of the selected values. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Изменение суммы после тиража, похожего на последний. Для каждого тиража окна: если сумма последнего тиража окна отличается от суммы предыдущего тиража не больше чем на 23, записывается разность суммы этого тиража и суммы предыдущего. Комбинация в фильтре стоит на месте следующего тиража: берется разность ее суммы и суммы последнего тиража.</source>
      <translation>The change of the sum after a draw like the newest one. For every draw of the window: if the sum of the newest draw of the window differs from the previous draw's sum by 23 at most, the difference between this draw's sum and the previous draw's sum is recorded. In a filter the combination stands in place of the next draw: the difference between its sum and the newest draw's sum is taken.</translation>
    </message>
    <message>
      <source>Значение - изменение суммы со знаком, не меньше двух цифр: «+07», «+00» или «- 07». Значения не вводятся списком.</source>
      <translation>A value is the change of the sum with its sign, at least two digits: «+07», «+00» or «- 07». Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, сумма которых отличается от суммы последнего тиража на выделенное изменение. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose sum differs from the newest draw's sum by a selected change. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Направление изменения суммы. Для каждого тиража окна: если сумма предыдущего тиража равна сумме последнего тиража окна, записывается, выросла сумма этого тиража, уменьшилась или осталась прежней. Комбинация в фильтре стоит на месте следующего тиража: ее сумма сравнивается с суммой последнего тиража; строится график.</source>
      <translation>The direction in which the sum moved. For every draw of the window: if the previous draw's sum equals the sum of the newest draw of the window, whether this draw's sum grew, fell or stayed is recorded. In a filter the combination stands in place of the next draw: its sum is compared with the newest draw's sum; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - «+» (сумма выросла), «-» (уменьшилась) или «=» (не изменилась); все три есть в таблице всегда. Значения не вводятся списком.</source>
      <translation>A value is «+» (the sum grew), «-» (it fell) or «=» (it stayed); all three are always in the table. Values cannot be typed in as a list.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации, сумма которых меняется от суммы последнего тиража в выделенном направлении. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations whose sum moves from the newest draw's sum in a selected direction. Remove: such combinations are removed.</translation>
    </message>
    <message>
      <source>Сумма только четных чисел тиража (0, если четных нет). Комбинация дает свою сумму так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The sum of the draw's even numbers only (0 when there are none). A combination gives its sum the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - сумма, например «56». В таблице только суммы, которые выпадали. Значения можно ввести списком.</source>
      <translation>A value is a sum, for example «56». The table lists only the sums that occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Сумма только тех чисел тиража, что входят в множество простых {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43} (0, если таких нет). Комбинация дает свою сумму так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>The sum of those numbers of the draw that are in the prime set {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43} (0 when there are none). A combination gives its sum the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Значение - сумма, например «41». В таблице только суммы, которые выпадали. Значения можно ввести списком.</source>
      <translation>A value is a sum, for example «41». The table lists only the sums that occurred. Values can be typed in as a list.</translation>
    </message>
    <message>
      <source>Сколько раз одно число тиража равно сумме двух других: каждое число и каждая пара остальных чисел, дающая в сумме это число, добавляют 1. Для 1 2 3 4 5 6 это 6, для 10 20 30 40 41 45 - 2. Комбинация дает свое количество так же, поэтому метод сравнивается с полным набором комбинаций; строится график.</source>
      <translation>How many times one number of the draw is the sum of two others: each number and each pair of the other numbers adding up to it add 1. For 1 2 3 4 5 6 it is 6, for 10 20 30 40 41 45 it is 2. A combination gives its count the same way, so the method is compared with the full set of combinations; it has a graph.</translation>
    </message>
    <message>
      <source>Оставить: в списке остаются комбинации с выделенным количеством. Удалить: такие комбинации удаляются.</source>
      <translation>Keep: the list keeps the combinations with a selected count. Remove: such combinations are removed.</translation>
    </message>
  </context>
</TS>
