#include "platform/message_text.h"

#include "platform/quoted_input.h"

#include <array>
#include <atomic>

namespace qm {
namespace {

struct Wording {
    MessageId Id;
    std::string_view Russian;
    std::string_view English;
};

using enum MessageId;

// In the order of MessageId.
constexpr auto kWordings = std::to_array<Wording>({
    {PlacedInTrack, "Файл трека %1, строка %2: %3", "Track file %1, line %2: %3"},
    {TrackNotFound, "Файл трека не найден!", "Track file not found!"},
    {TrackNotOpened, "Не удалось открыть файл трека.", "Cannot open the track file."},
    {WrongTrackFormatEmpty, "Неверный формат трека! Файл %1 пуст.", "Wrong track format! The file %1 is empty."},
    {WrongTrackFormatKind, "Неверный формат трека! Файл %1 — %2, а не трек.",
     "Wrong track format! The file %1 is %2, not a track."},
    {WrongTrackFormatText,
     "Неверный формат трека! Текст файла %1 не является треком ни одного из читаемых форматов: OziExplorer .plt, GPX, "
     "TCX, KML, KMZ, FIT, IGC, NMEA.",
     "Wrong track format! The text of the file %1 is in none of the formats read: OziExplorer .plt, GPX, TCX, KML, "
     "KMZ, FIT, IGC, NMEA."},
    {JpegImage, "изображение JPEG", "a JPEG image"},
    {PngImage, "изображение PNG", "a PNG image"},
    {GifImage, "изображение GIF", "a GIF image"},
    {PdfDocument, "документ PDF", "a PDF document"},
    {HtmlPage, "страница HTML", "an HTML page"},
    {BinaryFile, "двоичный файл", "a binary file"},
    {NoTimeData, "В треке нет данных о времени.", "The track has no times."},
    {TimeOrder,
     "Ошибка в треке! Отметка времени точек: #%1 - %2; #%3 - %4. Трек будет обработан до точки #%1.",
     "Error in the track! Times of points: #%1 - %2; #%3 - %4. The track will be processed up to point #%1."},
    {NoTrackPoints, "В файле трека %1 нет трека: ни одной точки %2.", "The track file %1 holds no track: no %2 point."},
    {NoUsablePoints, "В треке нет точек с допустимыми координатами и временем: пропущено %1 из %2.",
     "The track has no point with valid coordinates and time: %1 of %2 left out."},
    {NoPlacedPoints, "В файле трека %1 нет трека: ни у одной из %2 точек %3 нет координат.",
     "The track file %1 holds no track: none of its %2 %3 points has coordinates."},
    {NoTimedPoints, "В треке нет данных о времени: ни у одной из %1 точек файла %2 нет отметки %3.",
     "The track has no times: none of the %1 points of the file %2 has a %3."},
    {TooManyPoints, "Файл трека %1 не читается: в нём больше %2 точек.",
     "The track file %1 is not read: it holds more than %2 points."},
    {LeftOutUnplaced, "Пропущено точек без координат: %1 из %2.", "Points without coordinates left out: %1 of %2."},
    {LeftOutUntimed, "Пропущено точек без отметки времени: %1 из %2.", "Points without a time left out: %1 of %2."},
    {LeftOutOutOfRange, "Пропущено точек с координатами или временем вне допустимых пределов: %1 из %2.",
     "Points with coordinates or time out of range left out: %1 of %2."},
    {LeftOutNotLater, "Пропущено точек со временем не позже предыдущей точки: %1 из %2.",
     "Points not later than the point before left out: %1 of %2."},
    {LeftOutWrongValues,
     "Пропущено значений высоты, пульса, каденса, мощности или температуры, которые не являются допустимым числом: %1; "
     "точки сохранены.",
     "Height, heart rate, cadence, power or temperature values that are no usable number left out: %1; the points are "
     "kept."},
    {InTripFile, "%1: %2", "%1: %2"},
    {TripFileUnread, "Поездка не составлена: файл трека %1 не прочитан.",
     "The trip is not put together: the track file %1 was not read."},
    {TripTooManyPoints, "Поездка не составлена: в её файлах больше %1 точек.",
     "The trip is not put together: its files hold more than %1 points."},
    {TripLeftOutNotLater,
     "Пропущено точек файла %1 со временем не позже точек, уже взятых из других файлов поездки: %2 из %3.",
     "Points of the file %1 not later than points already taken from the trip's other files left out: %2 of %3."},
    {TripNameUnfit, "Имя поездки \"%1\" не годится для имён файлов: в нём не может быть символов \\ / : * ? \" < > | и "
                    "управляющих символов, и оно не может быть \".\" или \"..\".",
     "The trip name \"%1\" cannot name files: it may not hold any of \\ / : * ? \" < > | or control characters, nor be "
     "\".\" or \"..\"."},
    {NotXml, "не является правильным XML (%1).", "is not well-formed XML (%1)."},
    {NotOfFormat, "не является файлом %1 (корневой элемент <%2>).", "is not a %1 file (root element <%2>)."},
    {WrongValue, "неверное значение %1 \"%2\".", "wrong value %1 \"%2\"."},
    {WrongTime, "неверное время %1 \"%2\".", "wrong time %1 \"%2\"."},
    {WrongCoordinates, "неверные координаты %1 \"%2\".", "wrong coordinates %1 \"%2\"."},
    {WrongHeight, "неверная высота %1 \"%2\".", "wrong height %1 \"%2\"."},
    {TooLongText, "неверное значение %1: слишком длинный текст.", "wrong value %1: text too long."},
    {TooDeep, "элементы вложены глубже %1 уровней.", "elements nested deeper than %1 levels."},
    {PointWithoutAttribute, "у точки <trkpt> нет атрибута %1.", "the point <trkpt> has no attribute %1."},
    {KmzNotUnpacked, "Не удалось распаковать файл %1 из архива %2 (%3).",
     "Cannot unpack the file %1 from the archive %2 (%3)."},
    {KmzTooLarge, "Файл %1 в архиве %2 после распаковки больше 256 МиБ: он не читается.",
     "The file %1 in the archive %2 is larger than 256 MiB unpacked: it is not read."},
    {KmzBomb, "Файл %1 в архиве %2 сжат более чем в 100 раз, как сжимают архивы-бомбы: он не читается.",
     "The file %1 in the archive %2 is compressed more than 100 times, as archive bombs are: it is not read."},
    {KmzNotArchive, "Файл %1 не является правильным архивом KMZ (%2).", "The file %1 is not a valid KMZ archive (%2)."},
    {KmzTooManyEntries, "Архив KMZ %1 не читается: в нём больше %2 файлов.",
     "The KMZ archive %1 is not read: it holds more than %2 files."},
    {KmzWithoutKml, "В архиве KMZ %1 нет файла KML (.kml).", "The KMZ archive %1 holds no KML file (.kml)."},
    {ZipNotArchive, "это не архив ZIP", "not a ZIP archive"},
    {ZipInconsistent, "оглавление архива повреждено", "the archive's directory is damaged"},
    {ZipChecksum, "контрольная сумма не совпадает", "the checksum does not match"},
    {ZipDataDamaged, "сжатые данные повреждены", "the compressed data are damaged"},
    {ZipCutShort, "архив обрывается", "the archive is cut short"},
    {ZipMethodUnsupported, "сжат неизвестным способом", "compressed by an unknown method"},
    {ZipEncrypted, "зашифрован", "encrypted"},
    {ZipOtherError, "ошибка архива %1", "archive error %1"},
    {FitDamagedEmpty, "Файл трека %1 повреждён (%2), и из него не прочитано ни одной точки.",
     "The track file %1 is damaged (%2), and no point was read from it."},
    {FitDamaged, "Файл трека %1 повреждён (%2) и, возможно, прочитан не полностью.",
     "The track file %1 is damaged (%2) and may not have been read in full."},
    {FitWrongHeader, "неверный заголовок файла FIT", "wrong FIT file header"},
    {FitHeaderChecksum, "контрольная сумма заголовка не совпадает", "header checksum mismatch"},
    {FitShorterThanHeader, "файл короче, чем указано в его заголовке", "file shorter than its header says"},
    {FitChecksum, "контрольная сумма не совпадает", "checksum mismatch"},
    {FitDefinitionCut, "определение сообщения обрывается на байте %1", "message definition cut off at byte %1"},
    {FitUnknownByteOrder, "неизвестный порядок байтов в определении сообщения на байте %1",
     "unknown byte order in the message definition at byte %1"},
    {FitUndefinedMessage, "сообщение локального типа %1 без определения на байте %2",
     "message of local type %1 without a definition at byte %2"},
    {FitMessageCut, "сообщение обрывается на байте %1", "message cut off at byte %1"},
    {NmeaNoDate, "В файле NMEA %1 нет даты: ни одного предложения RMC с координатами или ZDA.",
     "The NMEA file %1 has no date: no RMC sentence with coordinates and no ZDA sentence."},
    {NmeaPoint, "(предложения RMC, GGA или GLL)", "(RMC, GGA or GLL sentence)"},
    {NmeaTime, "времени", "time"},
    {NmeaBadChecksums, "Пропущено предложений с неверной контрольной суммой: %1 из %2.",
     "Sentences with a wrong checksum left out: %1 of %2."},
    {IgcWrongDate, "неверная дата HFDTE \"%1\".", "wrong date HFDTE \"%1\"."},
    {IgcNoDate, "В файле IGC %1 нет даты полёта: нет записи HFDTE.",
     "The IGC file %1 has no flight date: no HFDTE record."},
    {IgcPoint, "(записи B)", "(B record)"},
    {IgcTime, "времени", "time"},
    {PltPoint, "(строки точки)", "(point line)"},
    {PltTime, "времени", "time"},
    {ScaleClash,
     "Шкала скоростей не годится: полосы %1 и %2 записали бы один файл %3. Верхние границы полос должны возрастать.",
     "The speed scale cannot be used: the bands %1 and %2 would write the same file %3. The upper limits of the "
     "bands must increase."},
    {SpeedUnit, "км/ч", "km/h"},
    {SettingsNotSaved, "Настройки не сохранены: файл настроек \"%1\" не был прочитан и остается без изменений.",
     "Settings not saved: the settings file \"%1\" was not read and stays unchanged."},
    {OldSettingsNotRemoved, "Невозможно удалить файл Quillmarsh.ini", "Cannot remove the file Quillmarsh.ini"},
    {NoDataToCompute, "Нет данных для расчета.", "No data to compute."},
    {MeasuresFile, "Файл: %1", "File: %1"},
    {MeasuresMeaning,
     "Среднее взвешено по времени по шагам каждой части (простое среднее, где ни у одного шага нет обоих значений); "
     "максимум — наибольшее значение.",
     "Mean weighted by time over the steps of each part (the plain mean where no step has both values); max the "
     "highest value."},
    {HeartRateTitle, "Пульс, уд/мин", "Heart rate, bpm"},
    {CadenceTitle, "Каденс, об/мин", "Cadence, rpm"},
    {PowerTitle, "Мощность, Вт", "Power, W"},
    {TemperatureTitle, "Температура, °C", "Temperature, deg C"},  // English messages stay ASCII
    {MeasuresDate, "Дата", "Date"},
    {MeasuresMean, "среднее", "mean"},
    {MeasuresMax, "максимум", "max"},
    {MeasuresTrack, "Трек", "Track"},
    {MeasuresDay, "День", "Day"},
    {MeasuresNoData, "нет данных", "no data"},
    {NoMeasures, "В треке нет измерений: ни пульса, ни каденса, ни мощности, ни температуры.",
     "The track holds no measures: no heart rate, cadence, power or temperature."},
    {ImplausibleLeftOut, "Не учтено значений измерений вне правдоподобных пределов: %1.",
     "Measure values outside the plausible range left out: %1."},
    {IntervalNotPositive, "Интервал расчета должен быть больше 0.", "The computing interval must be above 0."},
    {DirectoryNotCreated, "Не удается создать директорию %1! %2", "Cannot create the directory %1! %2"},
    // The Russian interface has always shown these two in English.
    {NotInteger, "'%1' is not a valid integer value", "'%1' is not a valid integer value"},
    {NotFloat, "'%1' is not a valid floating point value", "'%1' is not a valid floating point value"},
    {CannotCreateFile, "Не удается создать файл \"%1\". %2", "Cannot create file \"%1\". %2"},
    {UnableToWrite, "Не удается записать в файл %1", "Unable to write to %1"},
    {CannotReadFile, "Не удалось прочитать файл \"%1\". %2", "Cannot read file \"%1\". %2"},
    {CannotWriteFile, "Не удалось записать файл \"%1\". %2", "Cannot write file \"%1\". %2"},
    {SettingsTooLarge, "Файл больше 1 МиБ", "File larger than 1 MiB"},
    {NoSuchFile, "Нет такого файла или каталога", "No such file or directory"},
    {AccessDenied, "Отказано в доступе", "Permission denied"},
    {IsDirectory, "Это каталог", "Is a directory"},
    {TrackIsDirectory, "Это каталог, а не файл трека", "Is a directory, not a track file"},
    {NotDirectory, "Это не каталог", "Not a directory"},
    {NotRegularFile, "Это не обычный файл", "Not a regular file"},
    {FileExists, "Файл существует", "File exists"},
    {NoSpace, "На устройстве не осталось свободного места", "No space left on device"},
    {FileTooLarge, "Файл слишком велик", "File too large"},
    {ReadOnlyFileSystem, "Файловая система доступна только для чтения", "Read-only file system"},
    {NameTooLong, "Слишком длинное имя файла", "File name too long"},
    {TooManyOpenFiles, "Слишком много открытых файлов", "Too many open files"},
    {OutOfMemory, "Недостаточно памяти", "Out of memory"},
    {InputOutputError, "Ошибка ввода-вывода", "Input/output error"},
    {OtherSystemError, "Системная ошибка %1", "System error %1"},
    {TrackWouldBeReplaced, "трек этого пакета, его заменил бы %1, результат трека %2",
     "is a track of this batch and would be replaced by %1, an output of %2"},
    {OutputIsTrackFile, "Результат %1 заменил бы файл трека %2: ничего не записано.",
     "The output %1 would replace the track file %2: nothing written."},
    {WrittenForTwoTracks, "записался бы и для %1, и для %2", "would be written for both %1 and %2"},
    {TrackUnderPicture, "это трек, его заменил бы рисунок %1", "is the track and would be replaced by the picture %1"},
    {SettingsUnderPicture, "это файл настроек, его заменил бы рисунок %1",
     "is the settings file and would be replaced by the picture %1"},
    {MeasureMissing, "в треке нет измерения %1: профиль нарисован без него",
     "holds no %1: the profile is drawn without it"},
    {PictureNameUnknown, "рисунок пишется в файл PNG или JPEG: имя файла должно кончаться на .png, .jpg или .jpeg",
     "a picture is written as PNG or JPEG: the file's name must end in .png, .jpg or .jpeg"},
    {JpegUnavailable, "JPEG здесь записать нельзя: у Qt нет модуля JPEG; сохраните рисунок в файл .png",
     "JPEG cannot be written here: Qt has no JPEG plugin; save the picture as .png"},
    {ColourBoundsWrong, "Границы полос шкалы: не больше %1 возрастающих чисел от -%2 до %2.",
     "The bounds of a scale's bands: at most %1 rising numbers from -%2 to %2."},
    {ColourColorsWrong, "Цвета полос шкалы: от 1 до %1 целых чисел от 0 до 16777215.",
     "The colours of a scale's bands: 1 to %1 whole numbers from 0 to 16777215."},
    {ImplausibleValues, "Значения измерения %1 вне правдоподобных пределов (от %2 до %3 %4) не учтены: %5 из %6.",
     "Values of %1 outside the plausible range (%2 to %3 %4) left out: %5 of %6."},
    {ColourMeasureMissing, "в треке нет измерения %1: трек окрашен по скорости",
     "holds no %1: the track is coloured by speed"},
    {TrackProcessed, "трек обработан", "track processed"},
});

constexpr bool InOrder()
{
    for (size_t i = 0; i < kWordings.size(); ++i)
        if (static_cast<size_t>(kWordings[i].Id) != i) return false;
    return kWordings.back().Id == TrackProcessed;
}
static_assert(InOrder(), "kWordings must list every MessageId in its order");

std::atomic<Language> currentLanguage = Language::Russian;

}  // namespace

void SetMessageLanguage(Language language) { currentLanguage = language; }

Language MessageLanguage() { return currentLanguage; }

std::string MessageText(MessageId id, std::initializer_list<std::string_view> args)
{
    return MessageText(currentLanguage, id, args);
}

std::string MessageText(Language language, MessageId id, std::initializer_list<std::string_view> args)
{
    const Wording& wording = kWordings[static_cast<size_t>(id)];
    const std::string_view pattern = language == Language::English ? wording.English : wording.Russian;
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t n = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < args.size()) {
            text += EscapedText(args.begin()[n]);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace qm
