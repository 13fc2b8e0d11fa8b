<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>В описании обновления неверное имя файла "{}".</source>
      <translation>The update description holds an invalid file name "{}".</translation>
    </message>
    <message>
      <source>Срок действия описания обновлений истёк {}.</source>
      <translation>The update description expired on {}.</translation>
    </message>
    <message>
      <source>Файл описания обновлений больше {} байт.</source>
      <translation>The update description file is larger than {} bytes.</translation>
    </message>
    <message>
      <source>Описание обновлений не подписано.</source>
      <translation>The update description is not signed.</translation>
    </message>
    <message>
      <source>Подпись описания обновлений неверна.</source>
      <translation>The signature of the update description is not valid.</translation>
    </message>
    <message>
      <source>В описании обновления нет правильной контрольной суммы SHA-256 файла обновления.</source>
      <translation>The update description has no valid SHA-256 checksum of the update file.</translation>
    </message>
    <message>
      <source>В описании обновлений нет правильного срока действия (ключ Expires).</source>
      <translation>The update description has no valid expiry (key Expires).</translation>
    </message>
    <message>
      <source>В описании обновления нет списка файлов программы (ключ Files).</source>
      <translation>The update description has no list of the program's files (key Files).</translation>
    </message>
    <message>
      <source>это не архив ustar</source>
      <translation>this is not a ustar archive</translation>
    </message>
    <message>
      <source>неверная контрольная сумма заголовка</source>
      <translation>wrong header checksum</translation>
    </message>
    <message>
      <source>неверный заголовок элемента "{}"</source>
      <translation>wrong header of the entry "{}"</translation>
    </message>
    <message>
      <source>архив обрывается</source>
      <translation>the archive is cut short</translation>
    </message>
    <message>
      <source>Файл обновления повреждён: {}</source>
      <translation>The update file is damaged: {}</translation>
    </message>
    <message>
      <source>папка уже существует</source>
      <translation>the folder already exists</translation>
    </message>
    <message>
      <source>больше {} элементов</source>
      <translation>more than {} entries</translation>
    </message>
    <message>
      <source>недопустимое имя "{}"</source>
      <translation>name not allowed "{}"</translation>
    </message>
    <message>
      <source>элемент "{}" повторяется</source>
      <translation>the entry "{}" repeats</translation>
    </message>
    <message>
      <source>элемент "{}": {}</source>
      <translation>the entry "{}": {}</translation>
    </message>
    <message>
      <source>элемент "{}" не является обычным файлом или папкой</source>
      <translation>the entry "{}" is neither a regular file nor a folder</translation>
    </message>
    <message>
      <source>элемент "{}" слишком велик</source>
      <translation>the entry "{}" is too large</translation>
    </message>
    <message>
      <source>файл "{}" не является файлом программы</source>
      <translation>file "{}" is not a file of the program</translation>
    </message>
    <message>
      <source>файл "{}" не назван в описании обновления</source>
      <translation>file "{}" is not named in the update description</translation>
    </message>
    <message>
      <source>SHA-256 недоступен</source>
      <translation>SHA-256 is not available</translation>
    </message>
    <message>
      <source>{}: не обычный файл</source>
      <translation>{}: not a regular file</translation>
    </message>
    <message>
      <source>{}: журнал установки обновления повреждён</source>
      <translation>{}: the update installation journal is damaged</translation>
    </message>
    <message>
      <source>{}: неверная строка "{}"</source>
      <translation>{}: wrong line "{}"</translation>
    </message>
    <message>
      <source>{}: копия файла повреждена</source>
      <translation>{}: the copy of the file is damaged</translation>
    </message>
    <message>
      <source>Установка обновления "{}" не завершена: она будет продолжена при следующей замене файлов программы (или отменена возвратом прежней версии).</source>
      <translation>The installation of update "{}" is not complete: it will be continued the next time the program's files are replaced (or undone by going back to the previous version).</translation>
    </message>
    <message>
      <source>в архиве нет файлов</source>
      <translation>the archive holds no files</translation>
    </message>
    <message>
      <source>Нет подготовленного обновления.</source>
      <translation>No update is prepared.</translation>
    </message>
    <message>
      <source>{}: файл изменён во время установки обновления</source>
      <translation>{}: the file was changed while the update was being installed</translation>
    </message>
    <message>
      <source>Предыдущая версия программы не сохранена.</source>
      <translation>The previous version of the program was not kept.</translation>
    </message>
    <message>
      <source>{}: копия файла не найдена</source>
      <translation>{}: the copy of the file is missing</translation>
    </message>
    <message>
      <source>Файл "{}" не найден!</source>
      <translation>The file "{}" was not found!</translation>
    </message>
    <message>
      <source>Адрес "{}" не защищён: обновления загружаются только по https://.</source>
      <translation>The address "{}" is not secure: updates are downloaded over https:// only.</translation>
    </message>
    <message>
      <source>&lt; Описание обновления не доступно &gt;</source>
      <translation>&lt; The update description is not available &gt;</translation>
    </message>
  </context>
</TS>
