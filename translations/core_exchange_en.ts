<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Системный генератор случайных чисел недоступен</source>
      <translation>The system random number generator is not available</translation>
    </message>
    <message>
      <source>Некорректные данные Base64</source>
      <translation>Invalid Base64 data</translation>
    </message>
    <message>
      <source>Ответ сервиса не прочитан: {} (позиция {})</source>
      <translation>The service answer could not be read: {} (position {})</translation>
    </message>
    <message>
      <source>Ответ сервиса не прочитан: нет элемента &lt;result&gt;</source>
      <translation>The service answer could not be read: no &lt;result&gt; element</translation>
    </message>
    <message>
      <source>Сервис сообщил об ошибке</source>
      <translation>The service reported an error</translation>
    </message>
    <message>
      <source>Адрес сервиса обмена не указан!&#13;&#13;Укажите его в файле конфигурации (раздел [ONLINE], параметр ServiceUrl).</source>
      <translation>The exchange service address is not set!&#13;&#13;Set it in the configuration file (section [ONLINE], parameter ServiceUrl).</translation>
    </message>
    <message>
      <source>Адрес сервиса обмена "{}" должен начинаться с "http://" или "https://"!</source>
      <translation>The exchange service address "{}" must start with "http://" or "https://"!</translation>
    </message>
    <message>
      <source>Некорректная escape-последовательность в конце текста</source>
      <translation>Invalid escape sequence at the end of the text</translation>
    </message>
    <message>
      <source>Некорректная escape-последовательность "\{}"</source>
      <translation>Invalid escape sequence "\{}"</translation>
    </message>
  </context>
</TS>
