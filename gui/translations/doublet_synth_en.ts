<?xml version="1.0" encoding="utf-8"?>
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
&lt;p&gt;For each pair found the program computes the lens powers and the three radii with the thicknesses, finds P, W and C of the designed doublet again and traces real rays: the transverse and longitudinal spherical aberration of the pupil rim with its third- and fifth-order parts, axial colour, secondary spectrum and coma at full field. The crown glass is shown light in the table, the flint darker; the &quot;№&quot; column restores the order in which the pairs were found.&lt;/p&gt;
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
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
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Длина волны λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;0&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wavelength λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;0&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <source>G&apos; (434 нм)</source>
        <translation>G&apos; (434 nm)</translation>
    </message>
    <message>
        <source>g  (436 нм)</source>
        <translation>g  (436 nm)</translation>
    </message>
    <message>
        <source>F&apos; (480 нм)</source>
        <translation>F&apos; (480 nm)</translation>
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
        <source>C&apos; (643 нм)</source>
        <translation>C&apos; (643 nm)</translation>
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
        <source>A&apos; (768 нм)</source>
        <translation>A&apos; (768 nm)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;T (°C)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Длина волны λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;min&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wavelength λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;min&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Минимальная длина волны (для вычисления аберраций)</source>
        <translation>Shortest wavelength (for the aberrations)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;P&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Длина волны λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;max&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wavelength λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;max&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Максимальная длина волны (для вычисления аберраций)</source>
        <translation>Longest wavelength (for the aberrations)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;n&lt;span style=&quot; vertical-align:sub;&quot;&gt;air&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предпочтительные</source>
        <translation>Preferred</translation>
    </message>
    <message>
        <source>color: rgb(128,0,64)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Устаревшие</source>
        <translation>Obsolete</translation>
    </message>
    <message>
        <source>color: rgb(255,128,0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Особенные</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>color: rgb(128,0,255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Плавка</source>
        <translation>Melt</translation>
    </message>
    <message>
        <source>color: rgb(128,128,128)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показатель преломления n на основной длине волны</source>
        <translation>Refractive index n at the main wavelength</translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число Аббе ν на выбранных длинах волн</source>
        <translation>Abbe number ν at the chosen wavelengths</translation>
    </message>
    <message>
        <source>ν</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.866</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.707</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.000</source>
        <translation type="unfinished"></translation>
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
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;хроматизм положения&lt;br&gt; λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;1&lt;/span&gt;-λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;2&lt;/span&gt; [мм]&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;axial colour&lt;br&gt; λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;1&lt;/span&gt;-λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;2&lt;/span&gt; [mm]&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>вторичный 
спектр [мм]</source>
        <translation>secondary
spectrum [mm]</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;вторичный спектр &lt;br/&gt;(λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;1&lt;/span&gt;+λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;2&lt;/span&gt;)/2-λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;0&lt;/span&gt; [мм]&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;secondary spectrum &lt;br/&gt;(λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;1&lt;/span&gt;+λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;2&lt;/span&gt;)/2-λ&lt;span style=&quot; vertical-align:sub;&quot;&gt;0&lt;/span&gt; [mm]&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt;Номограмма К.Шверца &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt;&quot;&gt;ν&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt; vertical-align:sub;&quot;&gt;t&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt;&quot;&gt; – ν&lt;/span&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt;, где &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt;&quot;&gt;ν&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt; vertical-align:sub;&quot;&gt;t&lt;/span&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt; – обратный термооптический коэффициент, а &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt;&quot;&gt;ν&lt;/span&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt; – коэффициент дисперсии.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt;Schwarz nomogram &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt;&quot;&gt;ν&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt; vertical-align:sub;&quot;&gt;t&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt;&quot;&gt; – ν&lt;/span&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt;, where &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt;&quot;&gt;ν&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt; vertical-align:sub;&quot;&gt;t&lt;/span&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt; is the inverse thermo-optical coefficient and &lt;/span&gt;&lt;span style=&quot; font-family:&apos;Times New Roman&apos;; font-size:10pt;&quot;&gt;ν&lt;/span&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt; the Abbe number.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Y</source>
        <translation type="unfinished"></translation>
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
        <translation>Highest relative cost of the glass (the maker&apos;s figure); empty: no limit</translation>
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
    <message>
        <source>32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Довести радиусы и положение изображения по реальным лучам при неизменном фокусном расстоянии</source>
        <translation>Refine the radii and the image position with real rays, keeping the focal length</translation>
    </message>
    <message>
        <source>Доводка по реальным лучам</source>
        <translation>Refinement with real rays</translation>
    </message>
    <message>
        <source>Вес w квадрата RMS пятна на краю поля в критерии доводки RMS²(ось) + w·RMS²(поле)</source>
        <translation>Weight w of the squared RMS spot at the field edge in the refinement merit RMS²(axis) + w·RMS²(field)</translation>
    </message>
    <message>
        <source>Вес поля в доводке</source>
        <translation>Field weight in refinement</translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>луч не проходит через компонент (%1)</source>
        <translation>the ray does not pass the component (%1)</translation>
    </message>
    <message>
        <source>ω = %1° (на %2° лучи потеряны)</source>
        <translation>ω = %1° (rays lost at %2°)</translation>
    </message>
    <message>
        <source>На поле ω = %1° потеряны лучи: %2</source>
        <translation>Rays lost at field ω = %1°: %2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Пятно рассеяния: ось, 0,7 и полное поле</source>
        <translation>Spot diagram: axis, 0.7 and full field</translation>
    </message>
    <message>
        <source>x′ [мкм]</source>
        <translation>x′ [µm]</translation>
    </message>
    <message>
        <source>y′ [мкм]</source>
        <translation>y′ [µm]</translation>
    </message>
    <message>
        <source>ЧКХ (полихроматическая)</source>
        <translation>MTF (polychromatic)</translation>
    </message>
    <message>
        <source>ν [мм⁻¹]</source>
        <translation>ν [mm⁻¹]</translation>
    </message>
    <message>
        <source>ЧКХ</source>
        <translation>MTF</translation>
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
    <message>
        <source>стоимость
1-й линзы</source>
        <translation>cost of
lens 1</translation>
    </message>
    <message>
        <source>Относительная стоимость стекла первой линзы по каталогу</source>
        <translation>Relative cost of the first lens&apos;s glass from the catalog</translation>
    </message>
    <message>
        <source>стоимость
2-й линзы</source>
        <translation>cost of
lens 2</translation>
    </message>
    <message>
        <source>Относительная стоимость стекла второй линзы по каталогу</source>
        <translation>Relative cost of the second lens&apos;s glass from the catalog</translation>
    </message>
    <message>
        <source>пропускание
при λmin</source>
        <translation>transmittance
at λmin</translation>
    </message>
    <message>
        <source>Внутреннее пропускание обеих линз при λmin на их осевых толщинах</source>
        <translation>Internal transmittance of both lenses at λmin over their axial thicknesses</translation>
    </message>
    <message>
        <source>масса [г]</source>
        <translation>mass [g]</translation>
    </message>
    <message>
        <source>Масса обеих линз, обрезанных по диаметру зрачка [г]</source>
        <translation>Mass of both lenses cut to the pupil diameter [g]</translation>
    </message>
    <message>
        <source>RMS пятна
на оси [мкм]</source>
        <translation>RMS spot
on axis [µm]</translation>
    </message>
    <message>
        <source>Среднеквадратический радиус пятна рассеяния на оси, три длины волны [мкм]</source>
        <translation>RMS radius of the spot on axis, three wavelengths [µm]</translation>
    </message>
    <message>
        <source>RMS пятна
на краю поля [мкм]</source>
        <translation>RMS spot
at field edge [µm]</translation>
    </message>
    <message>
        <source>Среднеквадратический радиус пятна на краю поля [мкм]</source>
        <translation>RMS radius of the spot at the field edge [µm]</translation>
    </message>
    <message>
        <source>RMS волновой
аберрации [λ]</source>
        <translation>RMS wavefront
error [λ]</translation>
    </message>
    <message>
        <source>Среднеквадратическая волновая аберрация на оси при λ0</source>
        <translation>RMS wavefront error on axis at λ0</translation>
    </message>
    <message>
        <source>число
Штреля</source>
        <translation>Strehl
ratio</translation>
    </message>
    <message>
        <source>Число Штреля по Марешалю на оси</source>
        <translation>Strehl ratio on axis (Maréchal)</translation>
    </message>
    <message>
        <source>s′ [мм]</source>
        <translation>s′ [mm]</translation>
    </message>
    <message>
        <source>Расстояние от последней поверхности до плоскости изображения [мм]</source>
        <translation>Distance from the last surface to the image plane [mm]</translation>
    </message>
    <message>
        <source>RMS на оси
до доводки [мкм]</source>
        <translation>RMS on axis
before refinement [µm]</translation>
    </message>
    <message>
        <source>RMS пятна на оси до доводки по реальным лучам [мкм]</source>
        <translation>RMS spot on axis before the refinement with real rays [µm]</translation>
    </message>
</context>
<context>
    <name>plot</name>
    <message>
        <source>стандартное</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>предпочтительное</source>
        <translation>preferred</translation>
    </message>
    <message>
        <source>устаревшее</source>
        <translation>obsolete</translation>
    </message>
    <message>
        <source>особенное</source>
        <translation>special</translation>
    </message>
    <message>
        <source>плавка</source>
        <translation>melt</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>стоимость </source>
        <translation>cost </translation>
    </message>
    <message>
        <source>статус: </source>
        <translation>status: </translation>
    </message>
    <message>
        <source>λ=%.1f нм</source>
        <translation>λ=%.1f nm</translation>
    </message>
    <message>
        <source> нм</source>
        <translation> nm</translation>
    </message>
</context>
<context>
    <name>plot::GlassPlotView</name>
    <message>
        <source>без цены</source>
        <translation>no price</translation>
    </message>
    <message>
        <source>стоимость ≤ %1</source>
        <translation>cost ≤ %1</translation>
    </message>
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
        <translation>Save diagram</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл %1</source>
        <translation>Could not save the file %1</translation>
    </message>
</context>
<context>
    <name>synthesis</name>
    <message>
        <source>P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>любое конечное число</source>
        <translation>any finite number</translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заднее фокусное расстояние f′ [мм]</source>
        <translation>Back focal length f′ [mm]</translation>
    </message>
    <message>
        <source>конечное число, не равное 0</source>
        <translation>a finite number other than 0</translation>
    </message>
    <message>
        <source>Диаметр зрачка D [мм]</source>
        <translation>Pupil diameter D [mm]</translation>
    </message>
    <message>
        <source>больше 0</source>
        <translation>greater than 0</translation>
    </message>
    <message>
        <source>Толщина кроновой линзы [мм]</source>
        <translation>Crown lens thickness [mm]</translation>
    </message>
    <message>
        <source>Толщина флинтовой линзы [мм]</source>
        <translation>Flint lens thickness [mm]</translation>
    </message>
    <message>
        <source>Поле [°]</source>
        <translation>Field [°]</translation>
    </message>
    <message>
        <source>от 0 до 90, меньше 90</source>
        <translation>from 0 up to, but not including, 90</translation>
    </message>
    <message>
        <source>Температура T [°C]</source>
        <translation>Temperature T [°C]</translation>
    </message>
    <message>
        <source>выше −273.15</source>
        <translation>above −273.15</translation>
    </message>
    <message>
        <source>Давление P [атм]</source>
        <translation>Pressure P [atm]</translation>
    </message>
    <message>
        <source>Фильтр: показатель преломления n, Min</source>
        <translation>Filter: refractive index n, Min</translation>
    </message>
    <message>
        <source>конечное число</source>
        <translation>a finite number</translation>
    </message>
    <message>
        <source>Фильтр: показатель преломления n, Max</source>
        <translation>Filter: refractive index n, Max</translation>
    </message>
    <message>
        <source>Фильтр: число Аббе ν, Min</source>
        <translation>Filter: Abbe number ν, Min</translation>
    </message>
    <message>
        <source>Фильтр: число Аббе ν, Max</source>
        <translation>Filter: Abbe number ν, Max</translation>
    </message>
    <message>
        <source>Мин. толщина по краю [мм]</source>
        <translation>Min. edge thickness [mm]</translation>
    </message>
    <message>
        <source>0 или больше</source>
        <translation>0 or more</translation>
    </message>
    <message>
        <source>Фильтр: стоимость, не дороже</source>
        <translation>Filter: cost, at most</translation>
    </message>
    <message>
        <source>Фильтр: класс CR, не выше</source>
        <translation>Filter: class CR, at most</translation>
    </message>
    <message>
        <source>Фильтр: класс FR, не выше</source>
        <translation>Filter: class FR, at most</translation>
    </message>
    <message>
        <source>Фильтр: класс SR, не выше</source>
        <translation>Filter: class SR, at most</translation>
    </message>
    <message>
        <source>Фильтр: класс AR, не выше</source>
        <translation>Filter: class AR, at most</translation>
    </message>
    <message>
        <source>Фильтр: класс PR, не выше</source>
        <translation>Filter: class PR, at most</translation>
    </message>
    <message>
        <source>Фильтр: пропускание 10 мм при λmin, не ниже</source>
        <translation>Filter: transmittance of 10 mm at λmin, at least</translation>
    </message>
    <message>
        <source>от 0 до 1</source>
        <translation>from 0 to 1</translation>
    </message>
    <message>
        <source>Фильтр «</source>
        <translation>Filter «</translation>
    </message>
    <message>
        <source> больше Max = </source>
        <translation> is greater than Max = </translation>
    </message>
    <message>
        <source>; допустимо Min ≤ Max.</source>
        <translation>; allowed: Min ≤ Max.</translation>
    </message>
    <message>
        <source>»: поле пусто или не число; допустимо </source>
        <translation>»: the field is empty or not a number; allowed: </translation>
    </message>
    <message>
        <source>: допустимо </source>
        <translation>: allowed: </translation>
    </message>
    <message>
        <source>показатель преломления n</source>
        <translation>refractive index n</translation>
    </message>
    <message>
        <source>число Аббе ν</source>
        <translation>Abbe number ν</translation>
    </message>
    <message>
        <source>Количество пар для анализа: допустимо кратное 4 число от 4 до 256</source>
        <translation>Number of pairs to analyse: allowed is a multiple of 4 from 4 to 256</translation>
    </message>
    <message>
        <source>Вес поля при доводке: допустимо число 0 или больше</source>
        <translation>Field weight in refinement: allowed is a number of 0 or more</translation>
    </message>
    <message>
        <source>Линза </source>
        <translation>Lens </translation>
    </message>
    <message>
        <source>радиус поверхности меньше D/2 = </source>
        <translation>a surface radius is less than D/2 = </translation>
    </message>
    <message>
        <source> мм, края нет, линзу нельзя изготовить</source>
        <translation> mm, there is no edge, the lens cannot be made</translation>
    </message>
    <message>
        <source>толщина по краю </source>
        <translation>edge thickness </translation>
    </message>
    <message>
        <source> мм, на </source>
        <translation> mm, </translation>
    </message>
    <message>
        <source> мм меньше минимума </source>
        <translation> mm below the minimum </translation>
    </message>
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> Целевое P₀ = %.6g, пары дают P₀ от %.6g до %.6g.</source>
        <translation> Target P₀ = %.6g, the pairs give P₀ from %.6g to %.6g.</translation>
    </message>
    <message>
        <source>Невозможно подобрать стекла для таких значений P,W,C.</source>
        <translation>No glasses can be found for these values of P, W, C.</translation>
    </message>
    <message>
        <source>Невозможно подобрать такое количество пар стекол для заданных параметров P,W,C.Попробуйте уменьшить количество стекол для анализа.</source>
        <translation>So many glass pairs cannot be found for these P, W, C. Try fewer glasses for the analysis.</translation>
    </message>
    <message>
        <source>Склейка с такими стеклами не найдена</source>
        <translation>No cemented doublet with these glasses was found</translation>
    </message>
    <message>
        <source>Не задан файл c данными оптических стекол</source>
        <translation>No optical glass data file is given</translation>
    </message>
    <message>
        <source>Файл c данными оптических стекол отсутствует</source>
        <translation>The optical glass data file does not exist</translation>
    </message>
    <message>
        <source>Стекло </source>
        <translation>Glass </translation>
    </message>
    <message>
        <source> есть в нескольких каталогах (</source>
        <translation> is in several catalogs (</translation>
    </message>
    <message>
        <source>): укажите КАТАЛОГ/</source>
        <translation>): give CATALOG/</translation>
    </message>
    <message>
        <source>фильтр статуса стекол</source>
        <translation>glass status filter</translation>
    </message>
    <message>
        <source>диапазон длин волн стекла</source>
        <translation>glass&apos;s wavelength range</translation>
    </message>
    <message>
        <source>дисперсия на выбранных длинах волн</source>
        <translation>dispersion at the chosen wavelengths</translation>
    </message>
    <message>
        <source>фильтр показателя преломления</source>
        <translation>refractive index filter</translation>
    </message>
    <message>
        <source>фильтр числа Аббе</source>
        <translation>Abbe number filter</translation>
    </message>
    <message>
        <source>Склейки не найдены: </source>
        <translation>No cemented doublets found: </translation>
    </message>
    <message>
        <source>стекла </source>
        <translation>glass </translation>
    </message>
    <message>
        <source> нет в загруженном каталоге.</source>
        <translation> is not in the loaded catalog.</translation>
    </message>
    <message>
        <source>стекло </source>
        <translation>glass </translation>
    </message>
    <message>
        <source> не проходит шаг </source>
        <translation> does not pass the step </translation>
    </message>
    <message>
        <source> задано дважды; склейка из одного стекла не исправляет хроматизм.</source>
        <translation> is given twice; a doublet of one glass cannot correct chromatic aberration.</translation>
    </message>
    <message>
        <source>стекол в каталоге </source>
        <translation>glasses in the catalog: </translation>
    </message>
    <message>
        <source>, для пары нужно два, а фильтр оставил </source>
        <translation>; a pair needs two, but the filter left </translation>
    </message>
    <message>
        <source>ни одна пара из </source>
        <translation>no pair of the </translation>
    </message>
    <message>
        <source> стекол не дает конечных сил линз (числа Аббе пары равны).</source>
        <translation> glasses gives finite lens powers (the pair has equal Abbe numbers).</translation>
    </message>
    <message>
        <source> из </source>
        <translation> of </translation>
    </message>
    <message>
        <source> стекол</source>
        <translation> glasses</translation>
    </message>
    <message>
        <source>Длина волны </source>
        <translation>Wavelength </translation>
    </message>
    <message>
        <source> выходит за границы разрешенного диапазона для стекла </source>
        <translation> is outside the permitted range of glass </translation>
    </message>
    <message>
        <source>Невозможно рассчитать показатель преломления</source>
        <translation>The refractive index cannot be calculated</translation>
    </message>
    <message>
        <source>Недостаточно коэффициентов формулы дисперсии (CD) у стекла </source>
        <translation>Too few dispersion formula coefficients (CD) for glass </translation>
    </message>
    <message>
        <source>Неполные термические данные (TD) у стекла </source>
        <translation>Incomplete thermal data (TD) for glass </translation>
    </message>
    <message>
        <source>Нет коэффициента теплового расширения (ED) у стекла </source>
        <translation>No thermal expansion coefficient (ED) for glass </translation>
    </message>
    <message>
        <source>фильтр стоимости</source>
        <translation>cost filter</translation>
    </message>
    <message>
        <source>фильтр класса CR</source>
        <translation>class CR filter</translation>
    </message>
    <message>
        <source>фильтр класса FR</source>
        <translation>class FR filter</translation>
    </message>
    <message>
        <source>фильтр класса SR</source>
        <translation>class SR filter</translation>
    </message>
    <message>
        <source>фильтр класса AR</source>
        <translation>class AR filter</translation>
    </message>
    <message>
        <source>фильтр класса PR</source>
        <translation>class PR filter</translation>
    </message>
    <message>
        <source>фильтр пропускания 10 мм</source>
        <translation>10 mm transmittance filter</translation>
    </message>
</context>
</TS>
