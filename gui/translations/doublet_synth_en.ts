<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>DQtAbout</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;
&lt;p&gt;Программа рассчитывает склеенный двухлинзовый компонент по трем основным параметрам тонкого компонента единичной оптической силы:&lt;/p&gt;
&lt;ul&gt;&lt;li&gt;P — сферическая аберрация;&lt;/li&gt;&lt;li&gt;W — кома;&lt;/li&gt;&lt;li&gt;C — хроматизм положения.&lt;/li&gt;&lt;/ul&gt;
&lt;p&gt;Предмет находится в бесконечности, изображение — в заднем фокусе f′. Таблицы классического метода заменены перебором всех пар стекол загруженных каталогов в формате AGF (их можно загрузить несколько; при запуске загружается каталог-пример).&lt;/p&gt;
&lt;p&gt;Для каждой найденной пары программа вычисляет силы линз и три радиуса с учетом толщин, заново находит P, W и C спроектированного компонента и рассчитывает реальный ход лучей: поперечную и продольную сферическую аберрацию края зрачка с ее частями третьего и пятого порядка, хроматизм положения, вторичный спектр и кому на краю поля. Кроновое стекло показано в таблице светлым цветом, флинтовое — более темным; столбец «№» возвращает порядок, в котором пары найдены.&lt;/p&gt;
&lt;p&gt;Для выбранного компонента показаны его эскиз, аберрации по зрачку и графики аберраций лучей на оси и на краю поля; его можно сохранить в файл ZMX. Таблицу можно скопировать или сохранить в CSV. На второй вкладке — диаграмма Аббе, номограммы и диаграмма частных дисперсий; щелчок по стеклу на диаграмме Аббе выбирает его для расчета.&lt;/p&gt;
&lt;hr/&gt;&lt;p&gt;Версия %1&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;
&lt;p&gt;The program designs a cemented two-lens doublet from the three basic parameters of a thin component of unit power:&lt;/p&gt;
&lt;ul&gt;&lt;li&gt;P — spherical aberration;&lt;/li&gt;&lt;li&gt;W — coma;&lt;/li&gt;&lt;li&gt;C — axial colour.&lt;/li&gt;&lt;/ul&gt;
&lt;p&gt;The object is at infinity, the image at the back focus f′. The tables of the classical method are replaced by a search through every glass pair of the loaded AGF catalogs (several can be loaded; a sample catalog is loaded at start).&lt;/p&gt;
&lt;p&gt;For each pair found the program computes the lens powers and the three radii with the thicknesses, finds P, W and C of the designed doublet again and traces real rays: the transverse and longitudinal spherical aberration of the pupil rim with its third- and fifth-order parts, axial colour, secondary spectrum and coma at full field. The crown glass is shown light in the table, the flint darker; the "№" column restores the order in which the pairs were found.&lt;/p&gt;
&lt;p&gt;The selected doublet is shown as a sketch, with its aberrations over the pupil and its ray fans on axis and at full field; it can be saved as a ZMX file. The table can be copied or saved as CSV. The second tab holds the Abbe diagram, the nomograms and the partial dispersion diagram; a click on a glass of the Abbe diagram chooses it for the calculation.&lt;/p&gt;
&lt;hr/&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DQtPreferences</name>
    <message>
        <source>Дополнительные настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Столбцы таблицы склеенных компонентов</source>
        <translation>Columns of the doublet table</translation>
    </message>
    <message>
        <source>Снятый флажок скрывает столбец в таблице, при копировании и в файле CSV</source>
        <translation>An unchecked column is hidden in the table, in the copy and in the CSV file</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DQtSynthesis</name>
    <message>
        <source>Синтез склеенного компонента</source>
        <translation>Cemented doublet synthesis</translation>
    </message>
    <message>
        <source>Каталог стекол</source>
        <translation>Glass catalog</translation>
    </message>
    <message>
        <source>Загруженные каталоги стекол</source>
        <translation>Loaded glass catalogs</translation>
    </message>
    <message>
        <source>Загрузить каталог стекол в формате AGF; стекла добавляются к уже загруженным</source>
        <translation>Load a glass catalog in AGF format; its glasses join those already loaded</translation>
    </message>
    <message>
        <source>Добавить *.agf…</source>
        <translation>Add *.agf…</translation>
    </message>
    <message>
        <source>Каталог стекол не выбран!</source>
        <translation>No glass catalog loaded!</translation>
    </message>
    <message>
        <source>Выбор стекол</source>
        <translation>Glass choice</translation>
    </message>
    <message>
        <source>Подобрать пары стекол</source>
        <translation>Search glass pairs</translation>
    </message>
    <message>
        <source>Подбор стекол к заданному</source>
        <translation>Search partners of glass 1</translation>
    </message>
    <message>
        <source>Посчитать заданную пару стекол</source>
        <translation>Calculate the given pair</translation>
    </message>
    <message>
        <source>Вычислить</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Входные параметры для синтеза</source>
        <translation>Synthesis inputs</translation>
    </message>
    <message>
        <source>P</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Заднее фокусное расстояние f′ [мм]</source>
        <translation>Back focal length f′ [mm]</translation>
    </message>
    <message>
        <source>Диаметр зрачка D [мм]; зрачок на первой поверхности</source>
        <translation>Pupil diameter D [mm]; the pupil is at the first surface</translation>
    </message>
    <message>
        <source>Диаметр зрачка D [мм]</source>
        <translation>Pupil diameter D [mm]</translation>
    </message>
    <message>
        <source>диаметр зрачка D [мм] (зрачок на 1й поверхности)</source>
        <translation>pupil diameter D [mm] (pupil at the first surface)</translation>
    </message>
    <message>
        <source>Угловое поле: величина поля для вычисления аберраций [градусы]</source>
        <translation>Field angle for the aberrations [degrees]</translation>
    </message>
    <message>
        <source>Поле [°]</source>
        <translation>Field [°]</translation>
    </message>
    <message>
        <source>Количество пар стекол</source>
        <translation>Number of glass pairs</translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Толщина по оси линзы из стекла с большим числом Аббе</source>
        <translation>Axial thickness of the lens of higher Abbe number</translation>
    </message>
    <message>
        <source>Толщина кроновой линзы [мм]</source>
        <translation>Crown lens thickness [mm]</translation>
    </message>
    <message>
        <source>Толщина по оси линзы из стекла с меньшим числом Аббе</source>
        <translation>Axial thickness of the lens of lower Abbe number</translation>
    </message>
    <message>
        <source>Толщина флинтовой линзы [мм]</source>
        <translation>Flint lens thickness [mm]</translation>
    </message>
    <message>
        <source>Подобрать толщины</source>
        <translation>Suggest thicknesses</translation>
    </message>
    <message>
        <source>Мин. толщина по краю [мм]</source>
        <translation>Min. edge thickness [mm]</translation>
    </message>
    <message>
        <source>Толщина линзы по краю на высоте D/2; склейки с более тонким краем выделены в таблице</source>
        <translation>Edge thickness of a lens at the height D/2; doublets with a thinner edge are marked in the table</translation>
    </message>
    <message>
        <source>Толщины по краю</source>
        <translation>Thicknesses from the edge</translation>
    </message>
    <message>
        <source>Увеличить толщину по оси каждой линзы до наименьшей, при которой толщина по краю не меньше минимальной</source>
        <translation>Raise the axial thickness of each lens to the least one that gives at least the minimum edge thickness</translation>
    </message>
    <message>
        <source>Толщина по краю не меньше %1 мм у всех склеек.</source>
        <translation>Every doublet has an edge thickness of at least %1 mm.</translation>
    </message>
    <message>
        <source>Склеек с краем тоньше %1 мм (выделены): %2 из %3.</source>
        <translation>Doublets with an edge thinner than %1 mm (marked): %2 of %3.</translation>
    </message>
    <message>
        <source>Спектральные и термо параметры</source>
        <translation>Spectral and thermal parameters</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Длина волны λ&lt;span style=" vertical-align:sub;"&gt;0&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wavelength λ&lt;span style=" vertical-align:sub;"&gt;0&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Основная длина волны (для подбора стекол и вычисления аберраций)</source>
        <translation>Main wavelength (for the glass search and the aberrations)</translation>
    </message>
    <message>
        <source>i   (365 нм)</source>
        <translation>i   (365 nm)</translation>
    </message>
    <message>
        <source>h  (404 нм)</source>
        <translation>h  (404 nm)</translation>
    </message>
    <message>
        <source>G' (434 нм)</source>
        <translation>G' (434 nm)</translation>
    </message>
    <message>
        <source>g  (436 нм)</source>
        <translation>g  (436 nm)</translation>
    </message>
    <message>
        <source>F' (480 нм)</source>
        <translation>F' (480 nm)</translation>
    </message>
    <message>
        <source>F  (486 нм)</source>
        <translation>F  (486 nm)</translation>
    </message>
    <message>
        <source>e  (546 нм)</source>
        <translation>e  (546 nm)</translation>
    </message>
    <message>
        <source>d  (587 нм)</source>
        <translation>d  (587 nm)</translation>
    </message>
    <message>
        <source>D  (589 нм)</source>
        <translation>D  (589 nm)</translation>
    </message>
    <message>
        <source>C' (643 нм)</source>
        <translation>C' (643 nm)</translation>
    </message>
    <message>
        <source>C  (656 нм)</source>
        <translation>C  (656 nm)</translation>
    </message>
    <message>
        <source>r  (706 нм)</source>
        <translation>r  (706 nm)</translation>
    </message>
    <message>
        <source>A' (768 нм)</source>
        <translation>A' (768 nm)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;T (°C)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Длина волны λ&lt;span style=" vertical-align:sub;"&gt;min&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wavelength λ&lt;span style=" vertical-align:sub;"&gt;min&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Минимальная длина волны (для вычисления аберраций)</source>
        <translation>Shortest wavelength (for the aberrations)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;P&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Длина волны λ&lt;span style=" vertical-align:sub;"&gt;max&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wavelength λ&lt;span style=" vertical-align:sub;"&gt;max&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Максимальная длина волны (для вычисления аберраций)</source>
        <translation>Longest wavelength (for the aberrations)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;n&lt;span style=" vertical-align:sub;"&gt;air&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Фильтр стекол</source>
        <translation>Glass filter</translation>
    </message>
    <message>
        <source>Стандартное</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>color: rgb(0,0,0)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Предпочтительные</source>
        <translation>Preferred</translation>
    </message>
    <message>
        <source>color: rgb(128,0,64)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Устаревшие</source>
        <translation>Obsolete</translation>
    </message>
    <message>
        <source>color: rgb(255,128,0)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Особенные</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>color: rgb(128,0,255)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Плавка</source>
        <translation>Melt</translation>
    </message>
    <message>
        <source>color: rgb(128,128,128)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Показатель преломления n на основной длине волны</source>
        <translation>Refractive index n at the main wavelength</translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Число Аббе ν на выбранных длинах волн</source>
        <translation>Abbe number ν at the chosen wavelengths</translation>
    </message>
    <message>
        <source>ν</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Дополнительные настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>RU/EN</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Склеенные компоненты</source>
        <translation>Cemented doublets</translation>
    </message>
    <message>
        <source>Результат вычислений</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Выбранная система</source>
        <translation>Selected doublet</translation>
    </message>
    <message>
        <source>Аберрации выбранной системы по зрачку:</source>
        <translation>Aberrations of the selected doublet over the pupil:</translation>
    </message>
    <message>
        <source>1.000</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>0.866</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>0.707</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>0.500</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>0.000</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>поперечная 
аберрация [мм]</source>
        <translation>transverse
aberration [mm]</translation>
    </message>
    <message>
        <source>продольная 
аберрация [мм]</source>
        <translation>longitudinal
aberration [mm]</translation>
    </message>
    <message>
        <source>хроматизм 
положения [мм]</source>
        <translation>axial colour
[mm]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;хроматизм положения&lt;br&gt; λ&lt;span style=" vertical-align:sub;"&gt;1&lt;/span&gt;-λ&lt;span style=" vertical-align:sub;"&gt;2&lt;/span&gt; [мм]&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;axial colour&lt;br&gt; λ&lt;span style=" vertical-align:sub;"&gt;1&lt;/span&gt;-λ&lt;span style=" vertical-align:sub;"&gt;2&lt;/span&gt; [mm]&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>вторичный 
спектр [мм]</source>
        <translation>secondary
spectrum [mm]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;вторичный спектр &lt;br/&gt;(λ&lt;span style=" vertical-align:sub;"&gt;1&lt;/span&gt;+λ&lt;span style=" vertical-align:sub;"&gt;2&lt;/span&gt;)/2-λ&lt;span style=" vertical-align:sub;"&gt;0&lt;/span&gt; [мм]&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;secondary spectrum &lt;br/&gt;(λ&lt;span style=" vertical-align:sub;"&gt;1&lt;/span&gt;+λ&lt;span style=" vertical-align:sub;"&gt;2&lt;/span&gt;)/2-λ&lt;span style=" vertical-align:sub;"&gt;0&lt;/span&gt; [mm]&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Сохранить в ZMX…</source>
        <translation>Save as ZMX…</translation>
    </message>
    <message>
        <source>Диаграммы стекол и номограммы</source>
        <translation>Glass diagrams and nomograms</translation>
    </message>
    <message>
        <source>Отобразить</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Диаграмма Аббе</source>
        <translation>Abbe diagram</translation>
    </message>
    <message>
        <source>Термальная карта стекол</source>
        <translation>Thermal glass map</translation>
    </message>
    <message>
        <source>Номограмма К.Шверц</source>
        <translation>Schwarz nomogram</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'MS Shell Dlg 2'; font-size:8pt;"&gt;Номограмма К.Шверца &lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt;"&gt;ν&lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt; vertical-align:sub;"&gt;t&lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt;"&gt; – ν&lt;/span&gt;&lt;span style=" font-family:'MS Shell Dlg 2'; font-size:8pt;"&gt;, где &lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt;"&gt;ν&lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt; vertical-align:sub;"&gt;t&lt;/span&gt;&lt;span style=" font-family:'MS Shell Dlg 2'; font-size:8pt;"&gt; – обратный термооптический коэффициент, а &lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt;"&gt;ν&lt;/span&gt;&lt;span style=" font-family:'MS Shell Dlg 2'; font-size:8pt;"&gt; – коэффициент дисперсии.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'MS Shell Dlg 2'; font-size:8pt;"&gt;Schwarz nomogram &lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt;"&gt;ν&lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt; vertical-align:sub;"&gt;t&lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt;"&gt; – ν&lt;/span&gt;&lt;span style=" font-family:'MS Shell Dlg 2'; font-size:8pt;"&gt;, where &lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt;"&gt;ν&lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt; vertical-align:sub;"&gt;t&lt;/span&gt;&lt;span style=" font-family:'MS Shell Dlg 2'; font-size:8pt;"&gt; is the inverse thermo-optical coefficient and &lt;/span&gt;&lt;span style=" font-family:'Times New Roman'; font-size:10pt;"&gt;ν&lt;/span&gt;&lt;span style=" font-family:'MS Shell Dlg 2'; font-size:8pt;"&gt; the Abbe number.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Номограмма Д.С.Волосова</source>
        <translation>Volosov nomogram</translation>
    </message>
    <message>
        <source>Номограмма Я.Тамагавы</source>
        <translation>Tamagawa nomogram</translation>
    </message>
    <message>
        <source>Все стекла</source>
        <translation>All glasses</translation>
    </message>
    <message>
        <source>Выбранные стекла</source>
        <translation>Chosen glasses</translation>
    </message>
    <message>
        <source>Линия между стеклами</source>
        <translation>Line between the glasses</translation>
    </message>
    <message>
        <source>color: rgb(0,0,255)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Линия пересечения с 0</source>
        <translation>Lines from 0</translation>
    </message>
    <message>
        <source>цвет по стоимости</source>
        <translation>colour by cost</translation>
    </message>
    <message>
        <source>Окрашивает стекла диаграммы Аббе по относительной стоимости; стекла без цены серые</source>
        <translation>Colours the glasses of the Abbe diagram by relative cost; glasses without a cost are grey</translation>
    </message>
    <message>
        <source>color: rgb(50,200,20)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Перерисовать</source>
        <translation>Redraw</translation>
    </message>
    <message>
        <source>Автоматическое вычисление </source>
        <translation>Automatic range</translation>
    </message>
    <message>
        <source>Min X</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Max X</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Min Y</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Max Y</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Номограмма Я. Тамагавы</source>
        <translation>Tamagawa nomogram</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Файл с каталогом стекол</source>
        <translation>Glass catalog file</translation>
    </message>
    <message>
        <source>Каталог стекол AGF (*.agf *.AGF)</source>
        <translation>AGF glass catalog (*.agf *.AGF)</translation>
    </message>
    <message>
        <source>Каталог %1 не загружен: %2</source>
        <translation>Catalog %1 not loaded: %2</translation>
    </message>
    <message>
        <source> (пример, входит в программу)</source>
        <translation> (sample, comes with the program)</translation>
    </message>
    <message>
        <source>Пример: %1 стекол из каталога SCHOTT</source>
        <translation>Sample: %1 glasses of the SCHOTT catalog</translation>
    </message>
    <message>
        <source>Каталогов: %1, стекол: %2</source>
        <translation>Catalogs: %1, glasses: %2</translation>
    </message>
    <message>
        <source>Показатель преломления или число Аббе не вычисляются на выбранных длинах волн; на диаграммах нет стекол: %1</source>
        <translation>The refractive index or the Abbe number cannot be computed at the chosen wavelengths; the diagrams leave out: %1</translation>
    </message>
    <message>
        <source>зрачок ρ</source>
        <translation>pupil ρ</translation>
    </message>
    <message>
        <source>Δy′ [мм]</source>
        <translation>Δy′ [mm]</translation>
    </message>
    <message>
        <source>весь зрачок (%1)</source>
        <translation>the whole pupil (%1)</translation>
    </message>
    <message>
        <source>На оси</source>
        <translation>On axis</translation>
    </message>
    <message>
        <source>Полное поле, ω = %1°</source>
        <translation>Full field, ω = %1°</translation>
    </message>
    <message>
        <source>: лучи потеряны</source>
        <translation>: rays lost</translation>
    </message>
    <message>
        <source>На краю поля потеряны лучи: %1</source>
        <translation>Rays lost at full field: %1</translation>
    </message>
    <message>
        <source>Стекло 1</source>
        <translation>Glass 1</translation>
    </message>
    <message>
        <source>Стекло 2</source>
        <translation>Glass 2</translation>
    </message>
    <message>
        <source>Диаграмма частных дисперсий Pg,F</source>
        <translation>Partial dispersion diagram Pg,F</translation>
    </message>
    <message>
        <source>Относительная частная дисперсия Pg,F</source>
        <translation>Relative partial dispersion Pg,F</translation>
    </message>
    <message>
        <source>Автоматическое вычисление</source>
        <translation>Automatic range</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Сохранить как CSV…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>%1 нм</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>Сохранить компонент в файл ZMX</source>
        <translation>Save the doublet as a ZMX file</translation>
    </message>
    <message>
        <source>Файл оптической системы ZMX (*.zmx)</source>
        <translation>ZMX lens file (*.zmx)</translation>
    </message>
    <message>
        <source>Файл ZMX не записан: %1</source>
        <translation>ZMX file not written: %1</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save the table</translation>
    </message>
    <message>
        <source>склеенные_компоненты.csv</source>
        <translation>doublets.csv</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1</source>
        <translation>Could not write the file %1</translation>
    </message>
    <message>
        <source>Убрать выбранный каталог; стекла остальных каталогов остаются</source>
        <translation>Remove the chosen catalog; the glasses of the other catalogs stay</translation>
    </message>
    <message>
        <source>Убрать</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Стоимость ≤</source>
        <translation>Cost ≤</translation>
    </message>
    <message>
        <source>Наибольшая относительная стоимость стекла (по данным изготовителя); пусто — без ограничения</source>
        <translation>Highest relative cost of the glass (the maker's figure); empty: no limit</translation>
    </message>
    <message>
        <source>Наибольшая относительная стоимость стекла; пусто — без ограничения</source>
        <translation>Highest relative cost of the glass; empty: no limit</translation>
    </message>
    <message>
        <source>τ₁₀(λmin) ≥</source>
        <translation>τ₁₀(λmin) ≥</translation>
    </message>
    <message>
        <source>Наименьшее внутреннее пропускание слоя 10 мм на длине волны λmin, от 0 до 1; пусто — без ограничения</source>
        <translation>Lowest internal transmittance of 10 mm at λmin, 0 to 1; empty: no limit</translation>
    </message>
    <message>
        <source>Наименьшее внутреннее пропускание 10 мм при λmin, от 0 до 1; пусто — без ограничения</source>
        <translation>Lowest internal transmittance of 10 mm at λmin, 0 to 1; empty: no limit</translation>
    </message>
    <message>
        <source>только с данными</source>
        <translation>only with data</translation>
    </message>
    <message>
        <source>Стекло без данных для заданного ограничения не проходит фильтр (иначе проходит)</source>
        <translation>A glass without the datum of a set limit fails the filter (otherwise it passes)</translation>
    </message>
    <message>
        <source>CR ≤</source>
        <translation>CR ≤</translation>
    </message>
    <message>
        <source>Наибольший класс климатической устойчивости (CR); пусто — без ограничения</source>
        <translation>Highest climate resistance class (CR); empty: no limit</translation>
    </message>
    <message>
        <source>FR ≤</source>
        <translation>FR ≤</translation>
    </message>
    <message>
        <source>Наибольший класс устойчивости к пятнам (FR); пусто — без ограничения</source>
        <translation>Highest stain resistance class (FR); empty: no limit</translation>
    </message>
    <message>
        <source>SR ≤</source>
        <translation>SR ≤</translation>
    </message>
    <message>
        <source>Наибольший класс кислотоустойчивости (SR); пусто — без ограничения</source>
        <translation>Highest acid resistance class (SR); empty: no limit</translation>
    </message>
    <message>
        <source>AR ≤</source>
        <translation>AR ≤</translation>
    </message>
    <message>
        <source>Наибольший класс щелочеустойчивости (AR); пусто — без ограничения</source>
        <translation>Highest alkali resistance class (AR); empty: no limit</translation>
    </message>
    <message>
        <source>PR ≤</source>
        <translation>PR ≤</translation>
    </message>
    <message>
        <source>Наибольший класс устойчивости к фосфатам (PR); пусто — без ограничения</source>
        <translation>Highest phosphate resistance class (PR); empty: no limit</translation>
    </message>
</context>
<context>
    <name>plot::GlassPlotView</name>
    <message>
        <source>Сохранить как PNG…</source>
        <translation>Save as PNG…</translation>
    </message>
    <message>
        <source>Сохранить как PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Сохранить диаграмму</source>
        <translation>Save the diagram</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1</source>
        <translation>Could not save the file %1</translation>
    </message>
    <message>
        <source>без цены</source>
        <translation>no cost</translation>
    </message>
    <message>
        <source>стоимость ≤ %1</source>
        <translation>cost ≤ %1</translation>
    </message>
</context>
<context>
    <name>ResultColumns</name>
    <message>
        <source>сила
1-й линзы</source>
        <translation>power
of lens 1</translation>
    </message>
    <message>
        <source>Оптическая сила φ₁ первой линзы; φ₁ + φ₂ = 1</source>
        <translation>Power φ₁ of the first lens; φ₁ + φ₂ = 1</translation>
    </message>
    <message>
        <source>сила
2-й линзы</source>
        <translation>power
of lens 2</translation>
    </message>
    <message>
        <source>Оптическая сила φ₂ второй линзы; φ₁ + φ₂ = 1</source>
        <translation>Power φ₂ of the second lens; φ₁ + φ₂ = 1</translation>
    </message>
    <message>
        <source>Параметр P спроектированного компонента</source>
        <translation>Parameter P of the designed doublet</translation>
    </message>
    <message>
        <source>Параметр W спроектированного компонента</source>
        <translation>Parameter W of the designed doublet</translation>
    </message>
    <message>
        <source>Параметр C спроектированного компонента</source>
        <translation>Parameter C of the designed doublet</translation>
    </message>
    <message>
        <source>поперечная
аберрация [мм]</source>
        <translation>transverse
aberration [mm]</translation>
    </message>
    <message>
        <source>Поперечная сферическая аберрация края зрачка [мм]</source>
        <translation>Transverse spherical aberration of the pupil rim [mm]</translation>
    </message>
    <message>
        <source>продольная
аберрация [мм]</source>
        <translation>longitudinal
aberration [mm]</translation>
    </message>
    <message>
        <source>Продольная сферическая аберрация края зрачка ΔS′ [мм]</source>
        <translation>Longitudinal spherical aberration of the pupil rim ΔS′ [mm]</translation>
    </message>
    <message>
        <source>продольная
3-го порядка [мм]</source>
        <translation>longitudinal
3rd order [mm]</translation>
    </message>
    <message>
        <source>Часть третьего порядка ΔS′_III [мм]</source>
        <translation>Third-order part ΔS′_III [mm]</translation>
    </message>
    <message>
        <source>продольная
5-го порядка [мм]</source>
        <translation>longitudinal
5th order [mm]</translation>
    </message>
    <message>
        <source>Часть пятого порядка ΔS′_V [мм]</source>
        <translation>Fifth-order part ΔS′_V [mm]</translation>
    </message>
    <message>
        <source>хроматизм
положения [мм]</source>
        <translation>axial colour
[mm]</translation>
    </message>
    <message>
        <source>Хроматизм положения λmin − λmax у оси [мм]</source>
        <translation>Axial colour λmin − λmax near the axis [mm]</translation>
    </message>
    <message>
        <source>вторичный
спектр [мм]</source>
        <translation>secondary
spectrum [mm]</translation>
    </message>
    <message>
        <source>Вторичный спектр (λmin + λmax)/2 − λ0 у оси [мм]</source>
        <translation>Secondary spectrum (λmin + λmax)/2 − λ0 near the axis [mm]</translation>
    </message>
    <message>
        <source>кома [мм]</source>
        <translation>coma [mm]</translation>
    </message>
    <message>
        <source>Кома на краю поля [мм]</source>
        <translation>Coma at full field [mm]</translation>
    </message>
    <message>
        <source>КТЛР·10⁻⁶
[°C⁻¹]</source>
        <translation>CTE·10⁻⁶
[°C⁻¹]</translation>
    </message>
    <message>
        <source>−10⁶·V: коэффициент теплового линейного расширения оправы (в 10⁻⁶ °C⁻¹), при котором компонент остается в фокусе, когда меняется температура</source>
        <translation>−10⁶·V: the thermal expansion coefficient of a housing (in 10⁻⁶ °C⁻¹) that keeps the doublet in focus when the temperature changes</translation>
    </message>
    <message>
        <source>Порядок, в котором пары найдены: ближе к заданному P₀ — выше. Щелчок по заголовку возвращает этот порядок</source>
        <translation>Order in which the pairs were found, nearest the target P₀ first; a click on this header restores it</translation>
    </message>
    <message>
        <source>стекло 1</source>
        <translation>glass 1</translation>
    </message>
    <message>
        <source>Марка стекла первой по ходу лучей линзы</source>
        <translation>Glass of the first lens the light meets</translation>
    </message>
    <message>
        <source>стекло 2</source>
        <translation>glass 2</translation>
    </message>
    <message>
        <source>Марка стекла второй линзы</source>
        <translation>Glass of the second lens</translation>
    </message>
</context>
</TS>