<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
  <context>
    <name>Core</name>
    <message>
      <source>Длина строкового поля записи превышает 255 символов!</source>
      <translation>A text field of the record is longer than 255 characters!</translation>
    </message>
    <message>
      <source>Запись не помещается в отведённый ей размер!</source>
      <translation>The record does not fit into its size!</translation>
    </message>
    <message>
      <source>Запись файла данных обрывается раньше своего конца!</source>
      <translation>A record of the data file ends too early!</translation>
    </message>
    <message>
      <source>Не удалось создать папку данных "{}"!&#13;&#13;{}</source>
      <translation>The data folder "{}" could not be created!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>не является папкой</source>
      <translation>not a folder</translation>
    </message>
    <message>
      <source>Наименование столбца не может содержать символ ";"!</source>
      <translation>A column caption cannot contain the character ";"!</translation>
    </message>
    <message>
      <source>Ширина столбца должна быть в пределах от 0 до {:.0f}!</source>
      <translation>The column width must be from 0 to {:.0f}!</translation>
    </message>
    <message>
      <source>по левому краю</source>
      <translation>left</translation>
    </message>
    <message>
      <source>по правому краю</source>
      <translation>right</translation>
    </message>
    <message>
      <source>по центру</source>
      <translation>centre</translation>
    </message>
    <message>
      <source>Экспортировать все отображенные записи</source>
      <translation>Export all records shown</translation>
    </message>
    <message>
      <source>Экспортировать выделенные записи</source>
      <translation>Export the selected records</translation>
    </message>
    <message>
      <source>Ошибка загрузки параметров экспортируемого поля ID="{}"!</source>
      <translation>Error loading the settings of the exported field ID="{}"!</translation>
    </message>
    <message>
      <source>Ошибка загрузки параметров экспорта из файла "{}"!&#13;&#13;{}</source>
      <translation>Error loading the export settings from the file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Ошибка сохранения параметров экспорта в файле "{}"!&#13;&#13;{}</source>
      <translation>Error saving the export settings to the file "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Базовый размер шрифта должен быть в пределах от {} до {}!</source>
      <translation>The base font size must be from {} to {}!</translation>
    </message>
    <message>
      <source>Не устанавливать</source>
      <translation>Do not set</translation>
    </message>
    <message>
      <source>Книжная</source>
      <translation>Portrait</translation>
    </message>
    <message>
      <source>Альбомная</source>
      <translation>Landscape</translation>
    </message>
    <message>
      <source>Файлы параметров экспорта (*.exp)|*.exp|Все файлы (*.*)|*.*</source>
      <translation>Export settings files (*.exp)|*.exp|All files (*.*)|*.*</translation>
    </message>
    <message>
      <source>{}: это не обычный файл</source>
      <translation>{}: this is not a regular file</translation>
    </message>
    <message>
      <source>{}: файл защищен от записи</source>
      <translation>{}: the file is write-protected</translation>
    </message>
    <message>
      <source>Ошибка в операции с плавающей точкой</source>
      <translation>Floating-point error</translation>
    </message>
    <message>
      <source>Выражение под логарифмом меньне нуля</source>
      <translation>The logarithm of a negative value</translation>
    </message>
    <message>
      <source>Выражение под корнем меньне нуля</source>
      <translation>The square root of a negative value</translation>
    </message>
    <message>
      <source>Деление на нуль</source>
      <translation>Division by zero</translation>
    </message>
    <message>
      <source>Не хватает скобочки</source>
      <translation>A bracket is missing</translation>
    </message>
    <message>
      <source>Синтаксическая ошибка</source>
      <translation>Syntax error</translation>
    </message>
    <message>
      <source>Слишком много вложенных скобок</source>
      <translation>Too many nested brackets</translation>
    </message>
    <message>
      <source>( завершено {:.0f} % )</source>
      <translation>( {:.0f} % done )</translation>
    </message>
    <message>
      <source>Удалить выделенную запись?</source>
      <translation>Delete the selected record?</translation>
    </message>
    <message>
      <source>Удалить все выделенные записи (всего будет удалено {} записи(ей))?</source>
      <translation>Delete all selected records ({} record(s) in total)?</translation>
    </message>
    <message>
      <source>Ошибка</source>
      <translation>Error</translation>
    </message>
    <message>
      <source>Информация</source>
      <translation>Information</translation>
    </message>
    <message>
      <source>Внимание!</source>
      <translation>Attention!</translation>
    </message>
    <message>
      <source>Предупреждение</source>
      <translation>Warning</translation>
    </message>
    <message>
      <source>Подтверждение</source>
      <translation>Confirmation</translation>
    </message>
    <message>
      <source>Подождите пожалуйста...</source>
      <translation>Please wait...</translation>
    </message>
    <message>
      <source>Окно индикатора уже создано!</source>
      <translation>The progress window is already open!</translation>
    </message>
    <message>
      <source>Сервер не передал ни одного байта за {} с</source>
      <translation>The server sent no byte for {} s</translation>
    </message>
    <message>
      <source>Переадресация с защищённого адреса https:// на незащищённый запрещена: {}</source>
      <translation>A redirect from a secure https:// address to an insecure one is refused: {}</translation>
    </message>
    <message>
      <source>Размер ответа сервера больше допустимого ({} байт)</source>
      <translation>The server answer is larger than allowed ({} bytes)</translation>
    </message>
    <message>
      <source>{}: файл "{}" не найден</source>
      <translation>{}: the file "{}" was not found</translation>
    </message>
    <message>
      <source>{}: не удалось загрузить сертификаты из файла "{}"</source>
      <translation>{}: the certificates could not be loaded from the file "{}"</translation>
    </message>
    <message>
      <source>Операция прервана пользователем</source>
      <translation>The operation was cancelled by the user</translation>
    </message>
    <message>
      <source>Не удалось загрузить языковый модуль "{}"!&#13;&#13;{}</source>
      <translation>Could not load the language module "{}"!&#13;&#13;{}</translation>
    </message>
    <message>
      <source>Файл не является языковым модулем.</source>
      <translation>The file is not a language module.</translation>
    </message>
    <message>
      <source>Языковый модуль "{}" не найден!</source>
      <translation>The language module "{}" was not found!</translation>
    </message>
    <message>
      <source>Файл слишком велик для языкового модуля.</source>
      <translation>The file is too large for a language module.</translation>
    </message>
    <message>
      <source>Необходимо ввести наименование листа!</source>
      <translation>A sheet name must be entered!</translation>
    </message>
    <message>
      <source>Наименование листа не может быть длиннее {} символа!</source>
      <translation>A sheet name cannot be longer than {} characters!</translation>
    </message>
    <message>
      <source>Наименование листа не может содержать символы [ ] : * ? / \!</source>
      <translation>A sheet name cannot contain the characters [ ] : * ? / \!</translation>
    </message>
    <message>
      <source>Наименование листа не может начинаться или заканчиваться апострофом!</source>
      <translation>A sheet name cannot start or end with an apostrophe!</translation>
    </message>
    <message>
      <source>Наименование листа "{}" зарезервировано!</source>
      <translation>The sheet name "{}" is reserved!</translation>
    </message>
    <message>
      <source>Число экспортируемых столбцов ({}) больше, чем вмещает лист Microsoft Excel ({})!</source>
      <translation>The number of exported columns ({}) is more than a Microsoft Excel sheet holds ({})!</translation>
    </message>
    <message>
      <source>Число строк отчета ({}) больше, чем вмещает лист Microsoft Excel ({})!&#13;Экспортируйте выделенные записи или сократите список.</source>
      <translation>The number of report rows ({}) is more than a Microsoft Excel sheet holds ({})!&#13;Export the selected records or shorten the list.</translation>
    </message>
    <message>
      <source>Книги Microsoft Excel (*.xlsx)|*.xlsx|Все файлы (*.*)|*.*</source>
      <translation>Microsoft Excel workbooks (*.xlsx)|*.xlsx|All files (*.*)|*.*</translation>
    </message>
    <message>
      <source>Вызов Microsoft Excel...</source>
      <translation>Calling Microsoft Excel...</translation>
    </message>
    <message>
      <source>Создание рабочей книги...</source>
      <translation>Creating the workbook...</translation>
    </message>
    <message>
      <source>Создание листа...</source>
      <translation>Creating the sheet...</translation>
    </message>
    <message>
      <source>Форматирование листа...</source>
      <translation>Formatting the sheet...</translation>
    </message>
    <message>
      <source>Подготовка данных для экспорта...</source>
      <translation>Preparing the data for export...</translation>
    </message>
    <message>
      <source>Передача данных в Microsoft Excel...</source>
      <translation>Passing the data to Microsoft Excel...</translation>
    </message>
    <message>
      <source>Ошибка создания книги Microsoft Excel!</source>
      <translation>Error creating the Microsoft Excel workbook!</translation>
    </message>
    <message>
      <source>Ошибка создания листа Microsoft Excel!</source>
      <translation>Error creating the Microsoft Excel sheet!</translation>
    </message>
    <message>
      <source>Ошибка экспорта данных в Microsoft Excel!&#13;{}</source>
      <translation>Error exporting the data to Microsoft Excel!&#13;{}</translation>
    </message>
    <message>
      <source>Папка "{}" не существует.&#13;Укажите для файла книги существующую папку.</source>
      <translation>The folder "{}" does not exist.&#13;Choose an existing folder for the workbook file.</translation>
    </message>
    <message>
      <source>В папку "{}" нельзя записать файл книги: нет права на запись.&#13;Укажите другую папку.</source>
      <translation>The workbook file cannot be written into the folder "{}": there is no permission to write there.&#13;Choose another folder.</translation>
    </message>
  </context>
</TS>
