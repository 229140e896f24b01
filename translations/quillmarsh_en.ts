<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>qm::ColourScalesGroup</name>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>% макс. пульса</source>
        <translation>% of max. heart rate</translation>
    </message>
    <message>
        <source>уд/мин</source>
        <translation>bpm</translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>% порог. мощности</source>
        <translation>% of threshold power</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>до %1 %2</source>
        <translation>up to %1 %2</translation>
    </message>
    <message>
        <source>свыше %1 %2</source>
        <translation>over %1 %2</translation>
    </message>
    <message>
        <source>Шкалы цвета по измерениям</source>
        <translation>Colour scales of the measures</translation>
    </message>
    <message>
        <source>Шкала по &amp;умолчанию</source>
        <translation>Default s&amp;cale</translation>
    </message>
    <message>
        <source>Ма&amp;кс. пульс</source>
        <translation>Max. heart &amp;rate</translation>
    </message>
    <message>
        <source>Порог. мо&amp;щность</source>
        <translation>Thresh&amp;old power</translation>
    </message>
    <message>
        <source>Изм&amp;ерение</source>
        <translation>Meas&amp;ure</translation>
    </message>
    <message>
        <source>Гра&amp;ницы полос</source>
        <translation>&amp;Band bounds</translation>
    </message>
    <message>
        <source>Цвета полос</source>
        <translation>Band colours</translation>
    </message>
    <message>
        <source>нет: ровные шаги по значениям каждого трека</source>
        <translation>none: even steps over each track&apos;s values</translation>
    </message>
    <message>
        <source>Функциональная пороговая мощность (FTP): её проценты - границы шкалы мощности</source>
        <translation>Functional threshold power (FTP): the power scale&apos;s bounds are percentages of it</translation>
    </message>
    <message>
        <source>Максимальный пульс: его проценты - границы шкалы пульса</source>
        <translation>Maximum heart rate: the heart rate scale&apos;s bounds are percentages of it</translation>
    </message>
    <message>
        <source>Границы и цвета, которые шкала имела изначально</source>
        <translation>The bounds and colours the scale had at first</translation>
    </message>
    <message>
        <source>Щелчок - выбор цвета</source>
        <translation>Click to choose a colour</translation>
    </message>
    <message>
        <source>Шкала «%1»: %2</source>
        <translation>Scale “%1”: %2</translation>
    </message>
    <message>
        <source>Макс. пульс должен быть от %1 до %2 уд/мин</source>
        <translation>Max. heart rate must be from %1 to %2 bpm</translation>
    </message>
    <message>
        <source>Пороговая мощность (FTP) должна быть от %1 до %2 Вт</source>
        <translation>Threshold power (FTP) must be from %1 to %2 W</translation>
    </message>
</context>
<context>
    <name>qm::DirectoryChooser</name>
    <message>
        <source>Директория &quot;%1&quot; не существует.
Создать её?</source>
        <translation>The folder &quot;%1&quot; does not exist.
Create it?</translation>
    </message>
    <message>
        <source>Не удается создать директорию %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
</context>
<context>
    <name>qm::MainWindow</name>
    <message>
        <source> (строка %1)</source>
        <translation> (line %1)</translation>
    </message>
    <message>
        <source>Файл настроек &quot;%1&quot; не прочитан%2: %3.
Настройки, которые не удалось прочитать, взяты по умолчанию. При выходе этот файл не будет перезаписан.</source>
        <translation>The settings file &quot;%1&quot; was not read%2: %3.
The settings that could not be read are the defaults. This file will not be overwritten on exit.</translation>
    </message>
    <message>
        <source>Трек</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Директория для сохранения</source>
        <translation>Output folder</translation>
    </message>
    <message>
        <source>приложение</source>
        <translation>program</translation>
    </message>
    <message>
        <source>исходный трек</source>
        <translation>source track</translation>
    </message>
    <message>
        <source>другая</source>
        <translation>other</translation>
    </message>
    <message>
        <source>Создавать подкаталог</source>
        <translation>Create a sub-folder</translation>
    </message>
    <message>
        <source>&amp;Визуализация</source>
        <translation>&amp;Visualise</translation>
    </message>
    <message>
        <source>&amp;Статистика</source>
        <translation>&amp;Statistics</translation>
    </message>
    <message>
        <source>&amp;Карта</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>&amp;Настройки</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <source>Шкала скорости</source>
        <translation>Speed scale</translation>
    </message>
    <message>
        <source>&amp;Изменить</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Трек не выбран</source>
        <translation>No track chosen</translation>
    </message>
    <message>
        <source>Недавние треки (Alt+↓)</source>
        <translation>Recent tracks (Alt+↓)</translation>
    </message>
    <message>
        <source>не файл и не текст</source>
        <translation>neither a file nor text</translation>
    </message>
    <message>
        <source>текст «%1»</source>
        <translation>text “%1”</translation>
    </message>
    <message>
        <source>Перетащено: %1
Открыть можно только файл трека на этом компьютере.</source>
        <translation>Dropped: %1
Only a track file on this computer can be opened.</translation>
    </message>
    <message>
        <source>Недавних треков нет</source>
        <translation>No recent tracks</translation>
    </message>
    <message>
        <source>Имя &amp;поездки</source>
        <translation>Trip &amp;name</translation>
    </message>
    <message>
        <source>Имя, по которому названы файлы поездки; пустое поле: имя первого файла с _trip</source>
        <translation>The name the trip&apos;s files are named after; empty: the first file&apos;s name with _trip</translation>
    </message>
</context>
<context>
    <name>qm::MapLegend</name>
    <message>
        <source>км/ч</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Расстояние</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Перерывы</source>
        <translation>Pauses</translation>
    </message>
    <message>
        <source>Всего</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Наибольшая скорость</source>
        <translation>Top speed</translation>
    </message>
    <message>
        <source>Полосы без участков</source>
        <translation>Bands without runs</translation>
    </message>
    <message>
        <source>км</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Часовой пояс: %1</source>
        <translation>Time zone: %1</translation>
    </message>
    <message>
        <source>Наибольшая из скоростей, по которым участки трека разнесены по полосам: средних за интервал расчета %1 мин. Скорость между двумя точками может быть выше, в том числе из-за одной неточной точки.</source>
        <translation>The highest of the speeds by which the track&apos;s stretches are put into bands: averages over the calculation interval of %1 min. A speed between two points can be higher, also because of one inaccurate point.</translation>
    </message>
    <message>
        <source>Скрыто файлов: %1 из %2</source>
        <translation>Hidden files: %1 of %2</translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>Цвет по:</source>
        <translation>Colour by:</translation>
    </message>
</context>
<context>
    <name>qm::MapMarks</name>
    <message>
        <source>Начало</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Конец</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Остановка</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Точка под указателем</source>
        <translation>Point under the pointer</translation>
    </message>
    <message>
        <source>%1 д %2:%3:%4</source>
        <translation>%1 d %2:%3:%4</translation>
    </message>
</context>
<context>
    <name>qm::MapView</name>
    <message>
        <source>%1 км</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 м</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Подложка карты не задана: показана сетка широт и долгот</source>
        <translation>No map tiles chosen: a latitude/longitude grid is shown</translation>
    </message>
    <message>
        <source>TILEURL не адрес сервера карт (нужен http:// или https:// с {z}, {x} и {y}): показана сетка широт и долгот</source>
        <translation>TILEURL is not a map server address (http:// or https:// with {z}, {x} and {y} needed): a latitude/longitude grid is shown</translation>
    </message>
    <message>
        <source>Нет связи с сервером карт: где нет тайлов, показана сетка широт и долгот</source>
        <translation>No connection to the map server: a latitude/longitude grid where tiles are missing</translation>
    </message>
    <message>
        <source>Сервер карт прислал негодные тайлы: на их месте показана сетка широт и долгот</source>
        <translation>The map server sent bad tiles: a latitude/longitude grid in their place</translation>
    </message>
    <message>
        <source>Остановок: %1 (приблизьте карту, чтобы увидеть каждую)</source>
        <translation>Stops: %1 (zoom in to see each)</translation>
    </message>
    <message>
        <source>Остановка %1: начало %2, длительность %3</source>
        <translation>Stop %1: start %2, duration %3</translation>
    </message>
    <message>
        <source>Начало трека: %1</source>
        <translation>Track start: %1</translation>
    </message>
    <message>
        <source>Конец трека: %1</source>
        <translation>Track finish: %1</translation>
    </message>
</context>
<context>
    <name>qm::MapWindow</name>
    <message>
        <source>Карта</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Карта — %1</source>
        <translation>Map — %1</translation>
    </message>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Изображение не может заменить файл трека.</source>
        <translation>The picture cannot replace the track file.</translation>
    </message>
    <message>
        <source>Колесо мыши, + и − — масштаб; перетаскивание и стрелки — сдвиг; Home — весь трек</source>
        <translation>Mouse wheel, + and − zoom; dragging and the arrow keys move the map; Home shows the whole track</translation>
    </message>
</context>
<context>
    <name>qm::MeasureTexts</name>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>км/ч</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Высота</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Уклон</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Пульс</source>
        <translation>Heart rate</translation>
    </message>
    <message>
        <source>уд/мин</source>
        <translation>bpm</translation>
    </message>
    <message>
        <source>Каденс</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
</context>
<context>
    <name>qm::ProfileChart</name>
    <message>
        <source>По времени</source>
        <translation>Over time</translation>
    </message>
    <message>
        <source>По расстоянию</source>
        <translation>Over distance</translation>
    </message>
    <message>
        <source>Скорость между точками</source>
        <translation>Speed between points</translation>
    </message>
    <message>
        <source>Скорость, км/ч: средняя за интервал расчета %1 мин</source>
        <translation>Speed, km/h: average over the interval of %1 min</translation>
    </message>
    <message>
        <source>Высота, м</source>
        <translation>Height, m</translation>
    </message>
    <message>
        <source>Время (%1), перерывы между частями сокращены</source>
        <translation>Time (%1), pauses between parts shortened</translation>
    </message>
    <message>
        <source>Расстояние, км, без перерывов между частями</source>
        <translation>Distance, km, without pauses between parts</translation>
    </message>
    <message>
        <source>Пульс</source>
        <translation>Heart rate</translation>
    </message>
    <message>
        <source>Пульс, уд/мин</source>
        <translation>Heart rate, bpm</translation>
    </message>
    <message>
        <source>Каденс</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>Каденс, об/мин</source>
        <translation>Cadence, rpm</translation>
    </message>
    <message>
        <source>Мощность</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Мощность, Вт</source>
        <translation>Power, W</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Температура, °C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Измерение:</source>
        <translation>Measure:</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Скрыто файлов: %1 из %2</source>
        <translation>Hidden files: %1 of %2</translation>
    </message>
    <message>
        <source>%1, %2: за интервал расчета %3 мин</source>
        <translation>%1, %2: over the interval of %3 min</translation>
    </message>
</context>
<context>
    <name>qm::QtDialogs</name>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save picture</translation>
    </message>
</context>
<context>
    <name>qm::ScaleEditor</name>
    <message>
        <source>Значение должно быть больше %1 и меньше %2.</source>
        <translation>The value must be greater than %1 and less than %2.</translation>
    </message>
    <message>
        <source>Шкала скорости</source>
        <translation>Speed scale</translation>
    </message>
    <message>
        <source>Цвет - DblClick</source>
        <translation>Colour: double-click</translation>
    </message>
    <message>
        <source>Для изменения цвета - DblClick на ячейке шкалы</source>
        <translation>To change a colour, double-click its cell</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qm::SettingsDialog</name>
    <message>
        <source>Настройки расчета и вывода</source>
        <translation>Calculation and output settings</translation>
    </message>
    <message>
        <source>Значение должно быть от 0 до 2.</source>
        <translation>The value must be from 0 to 2.</translation>
    </message>
    <message>
        <source>Введите разделитель.</source>
        <translation>Enter a delimiter.</translation>
    </message>
    <message>
        <source>Трек в целом</source>
        <translation>Whole track</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Фрагмент</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Растояние</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Общее время</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Время движения</source>
        <translation>Moving time</translation>
    </message>
    <message>
        <source>Ср. скор. общ.</source>
        <translation>Avg. speed</translation>
    </message>
    <message>
        <source>Ср. скор. движ.</source>
        <translation>Moving avg.</translation>
    </message>
    <message>
        <source>Набор высоты</source>
        <translation>Climb</translation>
    </message>
    <message>
        <source>Мин. высота</source>
        <translation>Min. height</translation>
    </message>
    <message>
        <source>Макс. высота</source>
        <translation>Max. height</translation>
    </message>
    <message>
        <source>Первая точка</source>
        <translation>First point</translation>
    </message>
    <message>
        <source>Последняя точка</source>
        <translation>Last point</translation>
    </message>
    <message>
        <source>Визуализация</source>
        <translation>Visualisation</translation>
    </message>
    <message>
        <source>&amp;Интервал расчета</source>
        <translation>&amp;Interval</translation>
    </message>
    <message>
        <source>мин.</source>
        <translation>min</translation>
    </message>
    <message>
        <source>&amp;Ширина трека в OZI</source>
        <translation>OZI track &amp;width</translation>
    </message>
    <message>
        <source>пикс.</source>
        <translation>px</translation>
    </message>
    <message>
        <source>&amp;Границы сл. разброса</source>
        <translation>&amp;Jitter limit</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>&amp;Формат результата</source>
        <translation>Output &amp;format</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>&amp;Разрыв по дистанции</source>
        <translation>Split by &amp;distance</translation>
    </message>
    <message>
        <source>Разрыв по &amp;времени</source>
        <translation>Split by &amp;time</translation>
    </message>
    <message>
        <source>&amp;Мин. скорость</source>
        <translation>&amp;Min. speed</translation>
    </message>
    <message>
        <source>км/ч</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>км</source>
        <translation>km</translation>
    </message>
    <message>
        <source>&amp;Предельный уклон</source>
        <translation>Max. &amp;slope</translation>
    </message>
    <message>
        <source>м/км</source>
        <translation>m/km</translation>
    </message>
    <message>
        <source>Ш&amp;аг расчета высоты</source>
        <translation>&amp;Height step</translation>
    </message>
    <message>
        <source>П&amp;оправка к GMT</source>
        <translation>&amp;GMT offset</translation>
    </message>
    <message>
        <source>ч.</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Вывод статистики</source>
        <translation>Statistics report</translation>
    </message>
    <message>
        <source>Данные</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Уровень группировки</source>
        <translation>Grouping</translation>
    </message>
    <message>
        <source>Разделители</source>
        <translation>Delimiters</translation>
    </message>
    <message>
        <source>&amp;Дробной части</source>
        <translation>D&amp;ecimal</translation>
    </message>
    <message>
        <source>По&amp;лей данных</source>
        <translation>Fie&amp;ld</translation>
    </message>
    <message>
        <source>Гори&amp;зонтальный</source>
        <translation>Hori&amp;zontal</translation>
    </message>
    <message>
        <source>&amp;Точность чисел</source>
        <translation>&amp;Precision</translation>
    </message>
    <message>
        <source>(знаков после запятой)</source>
        <translation>(decimal places)</translation>
    </message>
    <message>
        <source>&amp;Язык интерфейса</source>
        <translation>Interface l&amp;anguage</translation>
    </message>
    <message>
        <source>Сохранять настройки при выходе</source>
        <translation>Save settings on exit</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qm::StatisticsWindow</name>
    <message>
        <source>Статистика по треку</source>
        <translation>Track statistics</translation>
    </message>
    <message>
        <source>Формат</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measures</translation>
    </message>
    <message>
        <source>Пульс, уд/мин</source>
        <translation>Heart rate, bpm</translation>
    </message>
    <message>
        <source>Каденс, об/мин</source>
        <translation>Cadence, rpm</translation>
    </message>
    <message>
        <source>Мощность, Вт</source>
        <translation>Power, W</translation>
    </message>
    <message>
        <source>Температура, °C</source>
        <translation>Temperature, °C</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>среднее</source>
        <translation>mean</translation>
    </message>
    <message>
        <source>максимум</source>
        <translation>max</translation>
    </message>
    <message>
        <source>Трек</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>Среднее взвешено по времени по шагам каждой части (простое среднее, где ни у одного шага нет обоих значений); максимум — наибольшее значение.</source>
        <translation>Mean weighted by time over the steps of each part (the plain mean where no step has both values); max the highest value.</translation>
    </message>
</context>
<context>
    <name>qm::TripFilesList</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Расстояние</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Файлы, показанные на карте, в легенде и профиле</source>
        <translation>The files shown on the map, in the legend and in the profile</translation>
    </message>
    <message>
        <source>Показать или скрыть файл</source>
        <translation>Show or hide the file</translation>
    </message>
    <message>
        <source>Последний показанный файл нельзя скрыть</source>
        <translation>The last file shown cannot be hidden</translation>
    </message>
    <message>
        <source>км</source>
        <translation>km</translation>
    </message>
</context>
<context>
    <name>qm::TripView</name>
    <message>
        <source>© участники OpenStreetMap</source>
        <translation>© OpenStreetMap contributors</translation>
    </message>
    <message>
        <source>Подложка: %1</source>
        <translation>Tiles: %1</translation>
    </message>
</context>
</TS>
