<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Код возврата: {}</source>
      <translation>Return code: {}</translation>
    </message>
    <message>
      <source>Название системы должно быть указано обязательно!</source>
      <translation>The system name must be given!</translation>
    </message>
    <message>
      <source>Указано недопустмое количество используемых чисел!</source>
      <translation>The number of numbers used is not allowed!</translation>
    </message>
    <message>
      <source>Указан недопустмый размер блока!</source>
      <translation>The block size is not allowed!</translation>
    </message>
    <message>
      <source>Имя автора должно быть указано обязательно!</source>
      <translation>The author name must be given!</translation>
    </message>
    <message>
      <source>Описание системы должно быть указано обязательно!</source>
      <translation>The system description must be given!</translation>
    </message>
    <message>
      <source>Содержимое системы должно быть указано обязательно!</source>
      <translation>The system contents must be given!</translation>
    </message>
    <message>
      <source>Система #{} описана сервисом некорректно (чисел: {}, блок: {}, комбинаций: {})!</source>
      <translation>The service describes system #{} incorrectly (numbers: {}, block: {}, combinations: {})!</translation>
    </message>
    <message>
      <source>Количество скачанных комбинаций ( {} ) отличается от ожидаемого значения ( {} )</source>
      <translation>The number of downloaded combinations ( {} ) differs from the expected one ( {} )</translation>
    </message>
    <message>
      <source>Ошибка чтения файла "{}"!&#13;&#13;{}</source>
      <translation>Error reading the file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Некорректная строка {} в файле системы "{}": "{}"!&#13;&#13;В каждой строке должно быть шесть разных чисел от 1 до {}.</source>
      <translation>Invalid line {} in the system file "{}": "{}"!&#13;&#13;Every line must hold six different numbers from 1 to {}.</translation>
    </message>
    <message>
      <source>Имя файла не соответствует шаблону "6-NN-B_IIII.dat".</source>
      <translation>The file name does not match the pattern "6-NN-B_IIII.dat".</translation>
    </message>
    <message>
      <source>Номер системы должен быть от 0 до {}!</source>
      <translation>The system number must be from 0 to {}!</translation>
    </message>
    <message>
      <source>Ошибка сохранения системы #{}!&#13;&#13;{}</source>
      <translation>Error saving system #{}!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка создания папки "{}"!&#13;&#13;{}</source>
      <translation>Error creating the folder "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Файл "{}" не создан!</source>
      <translation>The file "{}" was not created!</translation>
    </message>
    <message>
      <source>Ошибка удаления файла "{}"!&#13;&#13;{}</source>
      <translation>Error deleting the file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>{} из {}</source>
      <translation>{} if {}</translation>
    </message>
    <message>
      <source>не выполняется ({} из 6)</source>
      <translation>not met ({} of 6)</translation>
    </message>
    <message>
      <source>Система "{}" не дает заявленного блока {}: даже при 6 угаданных числах среди чисел системы гарантировано только {}!</source>
      <translation>The system "{}" does not give its claimed block {}: even with all 6 drawn numbers among its numbers only {} are guaranteed!</translation>
    </message>
    <message>
      <source>Система для %d чисел не найдена или не загружена на компьютер!</source>
      <translation>No system for %d numbers was found or it is not downloaded to this computer!</translation>
    </message>
    <message>
      <source>&#13;&#13;Перед системной игрой необходимо предварительно загрузить системы на Ваш компьютер через меню "Системы" - "Загрузить".</source>
      <translation>&#13;&#13;Before playing systems, download them to your computer with the menu "Systems" - "Download".</translation>
    </message>
    <message>
      <source>Подождите пожалуйста...</source>
      <translation>Please wait...</translation>
    </message>
    <message>
      <source>граница Шёнхейма</source>
      <translation>Schönheim bound</translation>
    </message>
    <message>
      <source>граница Турана</source>
      <translation>Turán bound</translation>
    </message>
    <message>
      <source>граница подсчета</source>
      <translation>counting bound</translation>
    </message>
    <message>
      <source>Гарантия должна быть от 1 до {}!</source>
      <translation>The guarantee must be from 1 to {}!</translation>
    </message>
    <message>
      <source>Условие должно быть от {} до {}!</source>
      <translation>The condition must be from {} to {}!</translation>
    </message>
  </context>
</TS>
