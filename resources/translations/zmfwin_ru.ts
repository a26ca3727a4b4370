<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ae::FilterMessages</name>
    <message>
        <source>Source file name</source>
        <translation>Имя исходного файла</translation>
    </message>
    <message>
        <source>Destination file name</source>
        <translation>Имя результирующего файла</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Выражение</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Parameter Y</source>
        <translation>Параметр Y</translation>
    </message>
    <message>
        <source>Parameter X</source>
        <translation>Параметр X</translation>
    </message>
    <message>
        <source>Program&apos;s language will be changed at the next launch</source>
        <translation>Язык программы изменится при следующем запуске</translation>
    </message>
</context>
<context>
    <name>ae::TAboutBox</name>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Double-click</source>
        <translation>Двойной щелчок</translation>
    </message>
    <message>
        <source>Acoustic emission data filter</source>
        <translation>Фильтр данных акустической эмиссии</translation>
    </message>
    <message>
        <source>Build :</source>
        <translation>Сборка :</translation>
    </message>
    <message>
        <source>Memory Used</source>
        <translation>Занято памяти</translation>
    </message>
</context>
<context>
    <name>ae::TExpressionGrid</name>
    <message>
        <source>All hits</source>
        <translation>Все импульсы</translation>
    </message>
    <message>
        <source>Second hit</source>
        <translation>Второй импульс</translation>
    </message>
    <message>
        <source>Third hit</source>
        <translation>Третий импульс</translation>
    </message>
    <message>
        <source>Any hit</source>
        <translation>Любой импульс</translation>
    </message>
    <message>
        <source>Filter scope</source>
        <translation>Область</translation>
    </message>
</context>
<context>
    <name>ae::TFProtocolView</name>
    <message>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Не удалось создать файл «%1»</translation>
    </message>
</context>
<context>
    <name>ae::TFiltrationPage</name>
    <message>
        <source>D (Correlation)</source>
        <translation>D (корреляция)</translation>
    </message>
    <message>
        <source>Join with &quot;AND&quot;</source>
        <translation>Объединить по «И»</translation>
    </message>
    <message>
        <source>Filter type</source>
        <translation>Тип фильтра</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Excluded</source>
        <translation>Исключить</translation>
    </message>
    <message>
        <source>Treatment</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>As Hits</source>
        <translation>Импульсы</translation>
    </message>
    <message>
        <source>As Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>As Mechanic</source>
        <translation>Механика</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>MPT :</source>
        <translation>MPT :</translation>
    </message>
    <message>
        <source>LOCK :</source>
        <translation>LOCK :</translation>
    </message>
    <message>
        <source>Mechanic</source>
        <translation>Мех. помехи</translation>
    </message>
    <message>
        <source>Back :</source>
        <translation>Назад :</translation>
    </message>
    <message>
        <source>Forward :</source>
        <translation>Вперед :</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Smart End of Time</source>
        <translation>Умный конец</translation>
    </message>
    <message>
        <source>Delete Parametric</source>
        <translation>Без параметрики</translation>
    </message>
    <message>
        <source>Delete TR</source>
        <translation>Без TR</translation>
    </message>
    <message>
        <source>Delete System</source>
        <translation>Без системных</translation>
    </message>
    <message>
        <source>Delete Noise</source>
        <translation>Без шумов</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
</context>
<context>
    <name>ae::TLookUpParamDlg1</name>
    <message>
        <source>Common parameters</source>
        <translation>Общие параметры</translation>
    </message>
    <message>
        <source>All parameters</source>
        <translation>Все параметры</translation>
    </message>
    <message>
        <source>Parameter Lookup 1</source>
        <translation>Выбор параметра</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source> System </source>
        <translation> Система </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ae::TMainForm</name>
    <message>
        <source>  Filtration  </source>
        <translation>  Фильтрация  </translation>
    </message>
    <message>
        <source>  Service  </source>
        <translation>  Сервис  </translation>
    </message>
    <message>
        <source>DiSP and Samos (*.dta) (*.dta)</source>
        <translation>DiSP и Samos (*.dta) (*.dta)</translation>
    </message>
    <message>
        <source>AE Data Files (*.ald *.dta *.dtt)</source>
        <translation>Файлы данных АЭ (*.ald *.dta *.dtt)</translation>
    </message>
    <message>
        <source> H&amp;ide</source>
        <translation> С&amp;крыть</translation>
    </message>
    <message>
        <source> &amp;Exit</source>
        <translation> &amp;Выход</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Filter Name:</source>
        <translation>Имя фильтра:</translation>
    </message>
    <message>
        <source>New filter</source>
        <translation>Новый фильтр</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Пуск</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>ae::TServicePage</name>
    <message>
        <source>Report</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Make report file</source>
        <translation>Вести файл протокола</translation>
    </message>
    <message>
        <source> Report file </source>
        <translation> Файл протокола </translation>
    </message>
    <message>
        <source>Report file in each folder</source>
        <translation>Свой файл в каждой папке</translation>
    </message>
    <message>
        <source>Common report file</source>
        <translation>Общий файл протокола</translation>
    </message>
    <message>
        <source>Report folder</source>
        <translation>Папка протокола</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Save work folder</source>
        <translation>Запоминать рабочую папку</translation>
    </message>
    <message>
        <source>Save configuration on exit</source>
        <translation>Сохранять настройки при выходе</translation>
    </message>
    <message>
        <source>Filter database</source>
        <translation>База фильтров</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>О&amp;бновить</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>&amp;Report View</source>
        <translation>П&amp;росмотр протокола</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О про&amp;грамме</translation>
    </message>
</context>
</TS>
