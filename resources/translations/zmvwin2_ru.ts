<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ae::FileCommands</name>
    <message>
        <source>Open data file..</source>
        <translation>Открыть файл данных..</translation>
    </message>
    <message>
        <source>Save data as..</source>
        <translation>Сохранить данные как..</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Open data file</source>
        <translation>Открыть файл данных</translation>
    </message>
    <message>
        <source>Save data as</source>
        <translation>Сохранить данные как</translation>
    </message>
</context>
<context>
    <name>ae::FileDialogSeam</name>
    <message>
        <source>All AE Systems|*.dta;*.dtt;*.ald|DiSP (*.dta)|*.dta|Spartan 3000 (*.dta, *.dtt)|*.dta;*.dtt|ALine32D(*.ald)|*.ald|Все файлы|*.*</source>
        <translation>Все системы АЭ|*.dta;*.dtt;*.ald|DiSP (*.dta)|*.dta|Spartan 3000 (*.dta, *.dtt)|*.dta;*.dtt|ALine32D(*.ald)|*.ald|Все файлы|*.*</translation>
    </message>
</context>
<context>
    <name>ae::ReportCommands</name>
    <message>
        <source>Save report..</source>
        <translation>Сохранить отчёт..</translation>
    </message>
    <message>
        <source>Print..</source>
        <translation>Печать..</translation>
    </message>
    <message>
        <source>Save the test report as a PDF file</source>
        <translation>Сохранить отчёт об испытании в файл PDF</translation>
    </message>
    <message>
        <source>Print the page of graphs</source>
        <translation>Напечатать страницу графиков</translation>
    </message>
    <message>
        <source>No data file is loaded</source>
        <translation>Файл данных не загружен</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Сохранение отчёта</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)|*.pdf</source>
        <translation>Файл PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Report title:</source>
        <translation>Заголовок отчёта:</translation>
    </message>
    <message>
        <source>No page of graphs to print</source>
        <translation>Нет страницы графиков для печати</translation>
    </message>
</context>
<context>
    <name>ae::SetsCommands</name>
    <message>
        <source>Add to grouped with OR</source>
        <translation>Добавить в группу по ИЛИ</translation>
    </message>
    <message>
        <source>Add to grouped with AND</source>
        <translation>Добавить в группу по И</translation>
    </message>
    <message>
        <source>Delete all frames</source>
        <translation>Удалить все рамки</translation>
    </message>
    <message>
        <source>Clear grouped data</source>
        <translation>Снять группировку</translation>
    </message>
    <message>
        <source>Invert grouped data</source>
        <translation>Инвертировать группу</translation>
    </message>
    <message>
        <source>Delete grouped data</source>
        <translation>Удалить сгруппированные данные</translation>
    </message>
    <message>
        <source>Undelete data</source>
        <translation>Восстановить удалённые данные</translation>
    </message>
    <message>
        <source>Invert deleted data</source>
        <translation>Инвертировать удалённые данные</translation>
    </message>
</context>
<context>
    <name>ae::StatusPanels</name>
    <message>
        <source>HITS:</source>
        <translation>ИМП:</translation>
    </message>
    <message>
        <source>EVNT:</source>
        <translation>СОБ:</translation>
    </message>
    <message>
        <source>FRM:</source>
        <translation>РАМ:</translation>
    </message>
    <message>
        <source>GRPD:</source>
        <translation>ГРП:</translation>
    </message>
    <message>
        <source>DEL: </source>
        <translation>УДЛ: </translation>
    </message>
    <message>
        <source>EVNT: - </source>
        <translation>СОБ: - </translation>
    </message>
    <message>
        <source>FRMD:</source>
        <translation>РАМ:</translation>
    </message>
    <message>
        <source>DLTD:</source>
        <translation>УДЛ:</translation>
    </message>
</context>
<context>
    <name>ae::TAboutBox</name>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Acoustic emission data viewer</source>
        <translation>Просмотр данных акустической эмиссии</translation>
    </message>
    <message>
        <source>Version :</source>
        <translation>Версия :</translation>
    </message>
    <message>
        <source>Memory Used :</source>
        <translation>Занято памяти :</translation>
    </message>
</context>
<context>
    <name>ae::TChannelsPanel</name>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>ae::TDataBaseForm</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>LX</source>
        <translation>ЛX</translation>
    </message>
    <message>
        <source>LY</source>
        <translation>ЛY</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>ПX</translation>
    </message>
    <message>
        <source>RY</source>
        <translation>ПY</translation>
    </message>
    <message>
        <source>Graph Data Base..</source>
        <translation>База графиков..</translation>
    </message>
    <message>
        <source>Graph set</source>
        <translation>Набор графиков</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>Plots definition</source>
        <translation>Описание графиков</translation>
    </message>
    <message>
        <source>Insert adds a row, Ctrl+Delete deletes the chosen one</source>
        <translation>Insert добавляет строку, Ctrl+Delete удаляет выбранную</translation>
    </message>
    <message>
        <source>Plot position</source>
        <translation>Положение графика</translation>
    </message>
    <message>
        <source>Left X</source>
        <translation>Левый X</translation>
    </message>
    <message>
        <source>Left Y</source>
        <translation>Левый Y</translation>
    </message>
    <message>
        <source>Right X</source>
        <translation>Правый X</translation>
    </message>
    <message>
        <source>Right Y</source>
        <translation>Правый Y</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Graph type</source>
        <translation>Тип графика</translation>
    </message>
    <message>
        <source>Axis Type</source>
        <translation>Тип оси</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Логарифмическая</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>No colored</source>
        <translation>Без раскраски каналов</translation>
    </message>
    <message>
        <source>BinNum</source>
        <translation>Число интервалов</translation>
    </message>
    <message>
        <source>Cumulation</source>
        <translation>Накопление</translation>
    </message>
    <message>
        <source>BinSum type</source>
        <translation>Суммирование по интервалам</translation>
    </message>
    <message>
        <source>Delete the graph set &quot;%1&quot; with its pages and graphs?</source>
        <translation>Удалить набор графиков «%1» вместе с его страницами и графиками?</translation>
    </message>
    <message>
        <source>Delete the page &quot;%1&quot; with its graphs?</source>
        <translation>Удалить страницу «%1» вместе с её графиками?</translation>
    </message>
    <message>
        <source>Delete the graph &quot;%1&quot;?</source>
        <translation>Удалить график «%1»?</translation>
    </message>
    <message>
        <source>The graph database was not changed: %1</source>
        <translation>База графиков не изменена: %1</translation>
    </message>
    <message>
        <source>X Min</source>
        <translation>X мин</translation>
    </message>
    <message>
        <source>X Max</source>
        <translation>X макс</translation>
    </message>
    <message>
        <source>Y Min</source>
        <translation>Y мин</translation>
    </message>
    <message>
        <source>Y Max</source>
        <translation>Y макс</translation>
    </message>
</context>
<context>
    <name>ae::TFDataInfo</name>
    <message>
        <source>Data File Information</source>
        <translation>Сведения о файле данных</translation>
    </message>
</context>
<context>
    <name>ae::TFDataStatistic</name>
    <message>
        <source>No frame: every hit that is not deleted, as set 1</source>
        <translation>Рамок нет: все неудалённые импульсы образуют выборку 1</translation>
    </message>
    <message>
        <source>Sets statistic..</source>
        <translation>Статистика выборок..</translation>
    </message>
    <message>
        <source>Amplitude Distr.</source>
        <translation>Амплитуды</translation>
    </message>
    <message>
        <source>Statistic Distr.</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Local/Dynamic</source>
        <translation>Локально-динамический</translation>
    </message>
    <message>
        <source> Pressure holds</source>
        <translation> Выдержки давления</translation>
    </message>
</context>
<context>
    <name>ae::TFDataView</name>
    <message>
        <source>Data view..</source>
        <translation>Просмотр данных..</translation>
    </message>
    <message>
        <source>Event view</source>
        <translation>Режим событий</translation>
    </message>
    <message>
        <source>Show secondary (shadow) hits</source>
        <translation>Показывать вторичные (теневые) импульсы</translation>
    </message>
</context>
<context>
    <name>ae::TFLastChanges</name>
    <message>
        <source>Last changes information</source>
        <translation>Сведения о последних изменениях</translation>
    </message>
</context>
<context>
    <name>ae::TFTestSetup</name>
    <message>
        <source>MPT, us </source>
        <translation>MPT, мкс </translation>
    </message>
    <message>
        <source>MPT, us</source>
        <translation>MPT, мкс</translation>
    </message>
    <message>
        <source>Lockout, us</source>
        <translation>Блокировка, мкс</translation>
    </message>
    <message>
        <source>Evaluate ThresHold</source>
        <translation>Порог оценки</translation>
    </message>
    <message>
        <source>High amplitude level</source>
        <translation>Уровень высокой амплитуды</translation>
    </message>
    <message>
        <source>Highest energy events number </source>
        <translation>Число событий наибольшей энергии </translation>
    </message>
    <message>
        <source>Highest energy events number</source>
        <translation>Число событий наибольшей энергии</translation>
    </message>
    <message>
        <source>Historic index, row 1: N &lt;</source>
        <translation>Исторический индекс, строка 1: N &lt;</translation>
    </message>
    <message>
        <source>Historic index, row 2: N &lt;</source>
        <translation>Исторический индекс, строка 2: N &lt;</translation>
    </message>
    <message>
        <source>Historic index, row 3: N &lt;</source>
        <translation>Исторический индекс, строка 3: N &lt;</translation>
    </message>
    <message>
        <source>Historic index, row 4: N &lt;</source>
        <translation>Исторический индекс, строка 4: N &lt;</translation>
    </message>
    <message>
        <source>Historic index, row 2: K =</source>
        <translation>Исторический индекс, строка 2: K =</translation>
    </message>
    <message>
        <source>Historic index, row 3: K =</source>
        <translation>Исторический индекс, строка 3: K =</translation>
    </message>
    <message>
        <source>Historic index, row 5: K = N -</source>
        <translation>Исторический индекс, строка 5: K = N -</translation>
    </message>
    <message>
        <source>Historic index, row 4: K = N*</source>
        <translation>Исторический индекс, строка 4: K = N*</translation>
    </message>
    <message>
        <source>V calculation Exponent</source>
        <translation>Показатель степени для V</translation>
    </message>
    <message>
        <source>Test setup..</source>
        <translation>Параметры испытания..</translation>
    </message>
    <message>
        <source> Test parameters </source>
        <translation> Испытание </translation>
    </message>
    <message>
        <source>Test label</source>
        <translation>Название испытания</translation>
    </message>
    <message>
        <source>Test ThresHold</source>
        <translation>Порог испытания</translation>
    </message>
    <message>
        <source>Pressure holds</source>
        <translation>Выдержки давления</translation>
    </message>
    <message>
        <source>Show pressure holds</source>
        <translation>Показывать выдержки давления</translation>
    </message>
    <message>
        <source> Events setup </source>
        <translation> Параметры событий </translation>
    </message>
    <message>
        <source>Second hits as Shadows</source>
        <translation>Вторые импульсы как тени</translation>
    </message>
    <message>
        <source>Event view</source>
        <translation>Режим событий</translation>
    </message>
    <message>
        <source> Parametric data conversion </source>
        <translation> Пересчёт параметрических данных </translation>
    </message>
    <message>
        <source> Historic index  </source>
        <translation> Исторический индекс  </translation>
    </message>
    <message>
        <source>- Historic Index not applicable</source>
        <translation>- не применяется</translation>
    </message>
    <message>
        <source> Local-Dynamic </source>
        <translation> Локально-динамический критерий </translation>
    </message>
    <message>
        <source> Classification (maxW/V &lt; .. ) </source>
        <translation> Классификация (maxW/V &lt; .. ) </translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Класс %1</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4.</source>
        <translation>%1: «%2» — не целое число от %3 до %4.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from 0.</source>
        <translation>%1: «%2» — не целое неотрицательное число.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number.</source>
        <translation>%1: «%2» — не целое число.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: «%2» — не число.</translation>
    </message>
    <message>
        <source>Test setup file (*.ini)|*.ini</source>
        <translation>Файл параметров испытания (*.ini)|*.ini</translation>
    </message>
    <message>
        <source> Source location </source>
        <translation> Локация источников </translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Wave speed, m/s</source>
        <translation>Скорость волны, м/с</translation>
    </message>
    <message>
        <source>Sensors (Linear: x alone)</source>
        <translation>Датчики (линейная: только x)</translation>
    </message>
    <message>
        <source>Test and evaluation</source>
        <translation>Испытание и оценка</translation>
    </message>
    <message>
        <source>Source location</source>
        <translation>Локация источников</translation>
    </message>
    <message>
        <source>Wave speed, m/s: &quot;%1&quot; is not a number.</source>
        <translation>Скорость волны, м/с: «%1» — не число.</translation>
    </message>
    <message>
        <source>Source location: %1</source>
        <translation>Локация источников: %1</translation>
    </message>
</context>
<context>
    <name>ae::TFWaveform</name>
    <message>
        <source>Waveform</source>
        <translation>Осциллограмма</translation>
    </message>
    <message>
        <source>&lt; &amp;Previous</source>
        <translation>&lt; &amp;Предыдущая</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Следующая &gt;</translation>
    </message>
    <message>
        <source>Spectrum in &amp;dB</source>
        <translation>Спектр в &amp;дБ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Put the picture on the clipboard</source>
        <translation>Поместить изображение в буфер обмена</translation>
    </message>
    <message>
        <source>No hit of the loaded data file has a waveform that can be shown.</source>
        <translation>Ни у одного импульса загруженного файла данных нет осциллограммы, которую можно показать.</translation>
    </message>
    <message>
        <source>This hit has no waveform.</source>
        <translation>У этого импульса нет осциллограммы.</translation>
    </message>
    <message>
        <source>Waveform %1 of %2 (framed hits with a waveform)</source>
        <translation>Осциллограмма %1 из %2 (импульсы в рамках, у которых есть осциллограмма)</translation>
    </message>
    <message>
        <source>Waveform %1 of %2 (hits with a waveform)</source>
        <translation>Осциллограмма %1 из %2 (импульсы, у которых есть осциллограмма)</translation>
    </message>
    <message>
        <source>%1 framed hits with a waveform; this hit is not one of them</source>
        <translation>Импульсов в рамках с осциллограммой: %1; этот импульс не из их числа</translation>
    </message>
    <message>
        <source>%1 hits with a waveform; this hit is not one of them</source>
        <translation>Импульсов с осциллограммой: %1; этот импульс не из их числа</translation>
    </message>
</context>
<context>
    <name>ae::TFrameFinishForm</name>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The allowable amount of frames is exceeded. Choose one of the folowing: </source>
        <translation>Превышено допустимое число рамок. Выберите одно из действий: </translation>
    </message>
    <message>
        <source>Delete all frames, except new frame</source>
        <translation>Удалить все рамки, кроме новой</translation>
    </message>
    <message>
        <source>Ignore new frame</source>
        <translation>Не учитывать новую рамку</translation>
    </message>
    <message>
        <source>Groop existing frames with &quot;AND&quot;, add new frame</source>
        <translation>Сгруппировать имеющиеся рамки по «И», добавить новую</translation>
    </message>
    <message>
        <source>Groop existing frames with &quot;OR&quot;, add new frame</source>
        <translation>Сгруппировать имеющиеся рамки по «ИЛИ», добавить новую</translation>
    </message>
</context>
<context>
    <name>ae::TGraphEditsCheck</name>
    <message>
        <source>the graph set &quot;%1&quot;</source>
        <translation>набор графиков «%1»</translation>
    </message>
    <message>
        <source>the page &quot;%1&quot;</source>
        <translation>страница «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 is &quot;%3&quot;, which is not a whole number.</source>
        <translation>Поле «%1» (%2): «%3» — не целое число.</translation>
    </message>
    <message>
        <source>%1 does not fit the page grid of %2 columns and %3 rows: Left X %4, Right X %5, Left Y %6, Right Y %7. The columns must lie within 0..%2 and the rows within 0..%3, each right edge beyond its left edge; the page would show no graph from this one on.</source>
        <translation>%1 не помещается в сетку страницы из %2 столбцов и %3 строк: левый X %4, правый X %5, левый Y %6, правый Y %7. Столбцы должны лежать в пределах 0..%2, строки — в пределах 0..%3, и каждый правый край — правее левого; начиная с этого графика, страница не покажет ни одного графика.</translation>
    </message>
    <message>
        <source>The channels of %1 are not a list of channels 1..128 (for example 1,2,5): %2.</source>
        <translation>Каналы (%1) не являются списком каналов 1..128 (например, 1,2,5): %2.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; has %2 graphs, more than the %3 cells of the page grid (%4 x %5): the page would show only the first %3.</source>
        <translation>Графиков на странице «%1»: %2, а ячеек в сетке страницы (%4 x %5): %3; страница покажет только первые %3.</translation>
    </message>
    <message>
        <source>graph %1 &quot;%2&quot; on the page &quot;%3&quot;</source>
        <translation>график %1 «%2» на странице «%3»</translation>
    </message>
</context>
<context>
    <name>ae::THoldsGrid</name>
    <message>
        <source>Pressure holds, row %1, %2: &quot;%3&quot; is not a number.</source>
        <translation>Выдержки давления, строка %1, %2: «%3» — не число.</translation>
    </message>
</context>
<context>
    <name>ae::TOptionsForm</name>
    <message>
        <source>Options..</source>
        <translation>Параметры..</translation>
    </message>
    <message>
        <source>Save Options on Exit</source>
        <translation>Сохранять параметры при выходе</translation>
    </message>
    <message>
        <source> Language </source>
        <translation> Язык </translation>
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
        <source>Point size</source>
        <translation>Размер точки</translation>
    </message>
    <message>
        <source>Vertical graph number</source>
        <translation>Графиков по вертикали</translation>
    </message>
    <message>
        <source>Horisontal graph number</source>
        <translation>Графиков по горизонтали</translation>
    </message>
    <message>
        <source>Save protocol file ( _Protocol.txt )</source>
        <translation>Сохранять файл протокола ( _Protocol.txt )</translation>
    </message>
    <message>
        <source>Show grids inside plots</source>
        <translation>Сетка на графиках</translation>
    </message>
    <message>
        <source>Time axis range from datafile</source>
        <translation>Диапазон оси времени по файлу данных</translation>
    </message>
    <message>
        <source>Show Parametric Records</source>
        <translation>Показывать параметрические записи</translation>
    </message>
    <message>
        <source> Color scheme </source>
        <translation> Цветовая схема </translation>
    </message>
    <message>
        <source>Classic (White on Gray)</source>
        <translation>Классическая (белое на сером)</translation>
    </message>
    <message>
        <source>Borland (Yellow on Blue)</source>
        <translation>Borland (жёлтое на синем)</translation>
    </message>
    <message>
        <source>Windows (Black on White)</source>
        <translation>Windows (чёрное на белом)</translation>
    </message>
    <message>
        <source>Professional (White on Black)</source>
        <translation>Профессиональная (белое на чёрном)</translation>
    </message>
    <message>
        <source> Startup graph set </source>
        <translation> Набор графиков при запуске </translation>
    </message>
    <message>
        <source>Default graph set</source>
        <translation>Набор графиков по умолчанию</translation>
    </message>
    <message>
        <source>Last used graph set</source>
        <translation>Последний использованный набор</translation>
    </message>
    <message>
        <source>First graph set from DataBase</source>
        <translation>Первый набор из базы графиков</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4.</source>
        <translation>%1: «%2» — не целое число от %3 до %4.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation>%1: «%2» — не число.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
</context>
<context>
    <name>ae::TSensorsGrid</name>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>X, m</source>
        <translation>X, м</translation>
    </message>
    <message>
        <source>Y, m</source>
        <translation>Y, м</translation>
    </message>
    <message>
        <source>Sensors, row %1, %2: &quot;%3&quot; %4</source>
        <translation>Датчики, строка %1, %2: «%3» %4</translation>
    </message>
    <message>
        <source>is not a channel from 1 to 128.</source>
        <translation>— не номер канала от 1 до 128.</translation>
    </message>
    <message>
        <source>has a sensor in another row.</source>
        <translation>— у этого канала уже есть датчик в другой строке.</translation>
    </message>
    <message>
        <source>is not a number.</source>
        <translation>— не число.</translation>
    </message>
</context>
<context>
    <name>ae::TTimeMarkForm</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копирование в буфер обмена</translation>
    </message>
    <message>
        <source>Diagramma:</source>
        <translation>Диаграмма:</translation>
    </message>
    <message>
        <source>Width (mm):</source>
        <translation>Ширина (мм):</translation>
    </message>
    <message>
        <source>Height (mm):</source>
        <translation>Высота (мм):</translation>
    </message>
    <message>
        <source> DPI </source>
        <translation> Разрешение, точек на дюйм </translation>
    </message>
</context>
<context>
    <name>ae::TZTPageControl</name>
    <message>
        <source>These graphs cannot show data:</source>
        <translation>Эти графики не могут показать данные:</translation>
    </message>
    <message>
        <source>Loading %1 ...</source>
        <translation>Загрузка %1 ...</translation>
    </message>
    <message>
        <source>Saving %1 ...</source>
        <translation>Сохранение %1 ...</translation>
    </message>
</context>
<context>
    <name>ae::TZmvMain</name>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Toolbar alignment</source>
        <translation>Положение панели инструментов</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Данные</translation>
    </message>
    <message>
        <source>&amp;Sets</source>
        <translation>Вы&amp;борки</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Настройка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>ae::TZoomParamForm</name>
    <message>
        <source>Zoom..</source>
        <translation>Масштаб по времени..</translation>
    </message>
    <message>
        <source>Minimum time value</source>
        <translation>Минимальное время, с</translation>
    </message>
    <message>
        <source>Maximum time value</source>
        <translation>Максимальное время, с</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number of seconds from 0.</source>
        <translation>«%1» — не целое неотрицательное число секунд.</translation>
    </message>
    <message>
        <source>The minimum time value is above the maximum time value.</source>
        <translation>Минимальное время больше максимального.</translation>
    </message>
</context>
<context>
    <name>ae::TimeWindowCommands</name>
    <message>
        <source>Zoom</source>
        <translation>Масштабирование</translation>
    </message>
    <message>
        <source>UnZoom</source>
        <translation>Отменить масштабирование</translation>
    </message>
    <message>
        <source>Zoom..</source>
        <translation>Масштаб по времени..</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Прокрутить влево</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Прокрутить вправо</translation>
    </message>
    <message>
        <source>Refresh to start</source>
        <translation>Исходный масштаб</translation>
    </message>
</context>
<context>
    <name>ae::ViewCommands</name>
    <message>
        <source>View toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Channels panel</source>
        <translation>Панель каналов</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Data dependences</source>
        <translation>Зависимости данных</translation>
    </message>
    <message>
        <source>Colored channels</source>
        <translation>Цвет по каналам</translation>
    </message>
    <message>
        <source>Colored Amount</source>
        <translation>Цвет по количеству</translation>
    </message>
    <message>
        <source>Event view</source>
        <translation>Режим событий</translation>
    </message>
    <message>
        <source>Show Shadow hits</source>
        <translation>Показывать теневые импульсы</translation>
    </message>
    <message>
        <source>Show deleted</source>
        <translation>Показывать удалённые</translation>
    </message>
    <message>
        <source>Show time marks</source>
        <translation>Показывать отметки времени</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Fit axes to data</source>
        <translation>Оси по данным</translation>
    </message>
    <message>
        <source>Show all channels</source>
        <translation>Показать все каналы</translation>
    </message>
</context>
<context>
    <name>ae::ViewerMessages</name>
    <message>
        <source>Programm&apos;s language will be changed at the next launch</source>
        <translation>Язык программы изменится при следующем запуске</translation>
    </message>
    <message>
        <source>Test Setup - unknown format of INI file</source>
        <translation>Параметры испытания: неизвестный формат INI-файла</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Error..</source>
        <translation>Ошибка..</translation>
    </message>
    <message>
        <source>Error of saving &apos;</source>
        <translation>Ошибка сохранения &apos;</translation>
    </message>
    <message>
        <source>Deleted data will be undeleted.
Confirm please</source>
        <translation>Удалённые данные будут восстановлены.
Подтвердите, пожалуйста</translation>
    </message>
    <message>
        <source>Fail &apos;</source>
        <translation>Файл &apos;</translation>
    </message>
    <message>
        <source>&apos; doesn&apos;t exist.</source>
        <translation>&apos; не существует.</translation>
    </message>
    <message>
        <source>Protocol data view</source>
        <translation>Просмотр протокола</translation>
    </message>
    <message>
        <source>Data file doesn&apos;t sorted. Event View is impossible.</source>
        <translation>Файл данных не отсортирован. Режим событий невозможен.</translation>
    </message>
    <message>
        <source>File Name:	</source>
        <translation>Имя файла:	</translation>
    </message>
    <message>
        <source>Test setup - </source>
        <translation>Параметры испытания - </translation>
    </message>
    <message>
        <source>Save as..</source>
        <translation>Сохранить как..</translation>
    </message>
    <message>
        <source>Test Setup file
</source>
        <translation>Файл параметров испытания
</translation>
    </message>
    <message>
        <source>
will be rewriten. Continue?</source>
        <translation>
будет перезаписан. Продолжить?</translation>
    </message>
    <message>
        <source>Hold label</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>Pressure, MPa</source>
        <translation>Давл., МПа</translation>
    </message>
    <message>
        <source>Start, sec</source>
        <translation>Начало, с</translation>
    </message>
    <message>
        <source>Length, sec</source>
        <translation>Длит., с</translation>
    </message>
    <message>
        <source>Delay, sec</source>
        <translation>Задержка, с</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>No Pages</source>
        <translation>Нет страниц</translation>
    </message>
    <message>
        <source>Data file doesn&apos;t sorted (</source>
        <translation>Файл данных не отсортирован (</translation>
    </message>
    <message>
        <source> s). Event View is impossible.</source>
        <translation> с). Режим событий невозможен.</translation>
    </message>
    <message>
        <source>File Loading Error</source>
        <translation>Ошибка загрузки файла</translation>
    </message>
</context>
<context>
    <name>ae::WaveformPlot</name>
    <message>
        <source>Time %1 s   Channel %2   Amplitude %3 dB</source>
        <translation>Время %1 с   Канал %2   Амплитуда %3 дБ</translation>
    </message>
    <message>
        <source>   No recorder setup for channel %1</source>
        <translation>   Нет настройки регистратора для канала %1</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 МГц</translation>
    </message>
    <message>
        <source>%1 kHz</source>
        <translation>%1 кГц</translation>
    </message>
    <message>
        <source>   Rate %1   Length %2 samples</source>
        <translation>   Частота дискретизации %1   Длина %2 отсч.</translation>
    </message>
    <message>
        <source> (%1 in the record)</source>
        <translation> (%1 в записи)</translation>
    </message>
    <message>
        <source>   Delay %1 samples (%2 µs)</source>
        <translation>   Задержка %1 отсч. (%2 мкс)</translation>
    </message>
    <message>
        <source>Peak %1 kHz   Centroid %2 kHz</source>
        <translation>Пик %1 кГц   Центроид %2 кГц</translation>
    </message>
    <message>
        <source>µs after the trigger</source>
        <translation>мкс после срабатывания</translation>
    </message>
    <message>
        <source>sample</source>
        <translation>номер отсчёта</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>мВ</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>counts</source>
        <translation>ед. АЦП</translation>
    </message>
    <message>
        <source>No recorder setup for channel %1: the samples in counts against their number, no spectrum</source>
        <translation>Нет настройки регистратора для канала %1: отсчёты в единицах АЦП по их номерам, без спектра</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>кГц</translation>
    </message>
    <message>
        <source>dB (1 µV)</source>
        <translation>дБ (1 мкВ)</translation>
    </message>
    <message>
        <source>Magnitude spectrum (Hann window)   </source>
        <translation>Амплитудный спектр (окно Ханна)   </translation>
    </message>
</context>
<context>
    <name>ae::WindowCommands</name>
    <message>
        <source>Test setup..</source>
        <translation>Параметры испытания..</translation>
    </message>
    <message>
        <source>Data file information..</source>
        <translation>Сведения о файле данных..</translation>
    </message>
    <message>
        <source>Show framed data</source>
        <translation>Показать данные в рамках</translation>
    </message>
    <message>
        <source>Show sets statistic</source>
        <translation>Статистика выборок</translation>
    </message>
    <message>
        <source>Waveform..</source>
        <translation>Осциллограмма..</translation>
    </message>
    <message>
        <source>&amp;Options..</source>
        <translation>&amp;Параметры..</translation>
    </message>
    <message>
        <source>Graph data &amp;base..</source>
        <translation>&amp;База графиков..</translation>
    </message>
    <message>
        <source>Protocol view...</source>
        <translation>Просмотр протокола...</translation>
    </message>
    <message>
        <source>Zemtal help</source>
        <translation>Справка Zemtal</translation>
    </message>
    <message>
        <source>Quick tour</source>
        <translation>Краткий обзор</translation>
    </message>
    <message>
        <source>Hot keys</source>
        <translation>Горячие клавиши</translation>
    </message>
    <message>
        <source>Last changes</source>
        <translation>Последние изменения</translation>
    </message>
    <message>
        <source>About..</source>
        <translation>О программе..</translation>
    </message>
    <message>
        <source>The graph database cannot be opened, so it cannot be edited.</source>
        <translation>Базу графиков не удаётся открыть, поэтому её нельзя изменить.</translation>
    </message>
</context>
</TS>
