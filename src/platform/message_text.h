#pragma once

#include "platform/language.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace qm {

// Every message the core shows a user, by what it says. Its wording in each
// language lives in one table (message_text.cpp); "%1".."%9" there stand for
// the arguments: files, lines, counts, a quoted piece of the input.
enum class MessageId {
    PlacedInTrack,         // %1 file, %2 line, %3 the message
    TrackNotFound,
    TrackNotOpened,
    WrongTrackFormatEmpty,
    WrongTrackFormatKind,
    WrongTrackFormatText,
    JpegImage,
    PngImage,
    GifImage,
    PdfDocument,
    HtmlPage,
    BinaryFile,
    NoTimeData,
    TimeOrder,             // %1 point, %2 its time, %3 the next point, %4 its time
    NoTrackPoints,         // %1 file, %2 the format's point
    NoUsablePoints,        // %1 left out, %2 of
    NoPlacedPoints,        // %1 file, %2 points, %3 the format's point
    NoTimedPoints,         // %1 points, %2 file, %3 the format's time
    TooManyPoints,         // %1 file, %2 points
    LeftOutUnplaced,       // %1 left out, %2 of
    LeftOutUntimed,        // %1 left out, %2 of
    LeftOutOutOfRange,     // %1 left out, %2 of
    LeftOutNotLater,       // %1 left out, %2 of
    LeftOutWrongValues,    // %1 values left out
    InTripFile,            // %1 file, %2 what reading it told
    TripFileUnread,        // %1 file
    TripTooManyPoints,     // %1 points
    TripLeftOutNotLater,   // %1 file, %2 left out, %3 read
    TripNameUnfit,         // %1 the name
    NotXml,                // %1 the parser's reason
    NotOfFormat,           // %1 format, %2 root element
    WrongValue,            // %1 element or attribute, %2 value
    WrongTime,             // %1 element, %2 value
    WrongCoordinates,      // %1 element, %2 value
    WrongHeight,           // %1 element, %2 value
    TooLongText,           // %1 element
    TooDeep,               // %1 levels
    PointWithoutAttribute, // %1 attribute
    KmzNotUnpacked,        // %1 member, %2 archive, %3 reason
    KmzTooLarge,           // %1 member, %2 archive
    KmzBomb,               // %1 member, %2 archive
    KmzNotArchive,         // %1 archive, %2 reason
    KmzTooManyEntries,     // %1 file, %2 entries
    KmzWithoutKml,         // %1 archive
    ZipNotArchive,
    ZipInconsistent,
    ZipChecksum,
    ZipDataDamaged,
    ZipCutShort,
    ZipMethodUnsupported,
    ZipEncrypted,
    ZipOtherError,         // %1 libzip's error code
    FitDamagedEmpty,       // %1 file, %2 damage
    FitDamaged,            // %1 file, %2 damage
    FitWrongHeader,
    FitHeaderChecksum,
    FitShorterThanHeader,
    FitChecksum,
    FitDefinitionCut,      // %1 byte
    FitUnknownByteOrder,   // %1 byte
    FitUndefinedMessage,   // %1 local type, %2 byte
    FitMessageCut,         // %1 byte
    NmeaNoDate,            // %1 file
    NmeaPoint,
    NmeaTime,
    NmeaBadChecksums,      // %1 left out, %2 of
    IgcWrongDate,          // %1 line
    IgcNoDate,             // %1 file
    IgcPoint,
    IgcTime,
    PltPoint,
    PltTime,
    ScaleClash,            // %1 band, %2 band, %3 file
    SpeedUnit,
    SettingsNotSaved,      // %1 file
    OldSettingsNotRemoved,
    NoDataToCompute,
    // The measures table of the statistics.
    MeasuresFile,          // %1 track
    MeasuresMeaning,
    HeartRateTitle,
    CadenceTitle,
    PowerTitle,
    TemperatureTitle,
    MeasuresDate,
    MeasuresMean,
    MeasuresMax,
    MeasuresTrack,
    MeasuresDay,
    MeasuresNoData,
    NoMeasures,
    ImplausibleLeftOut,    // %1 values left out
    IntervalNotPositive,
    DirectoryNotCreated,   // %1 directory
    NotInteger,            // %1 the text, as QuotedInput gives it
    NotFloat,              // %1 the text, as QuotedInput gives it
    CannotCreateFile,      // %1 file, %2 reason
    UnableToWrite,         // %1 file
    CannotReadFile,        // %1 file, %2 reason
    CannotWriteFile,       // %1 file, %2 reason
    SettingsTooLarge,
    // The reasons of a failed file operation, as SystemErrorText gives them.
    NoSuchFile,
    AccessDenied,
    IsDirectory,
    TrackIsDirectory,
    NotDirectory,
    NotRegularFile,
    FileExists,
    NoSpace,
    FileTooLarge,
    ReadOnlyFileSystem,
    NameTooLong,
    TooManyOpenFiles,
    OutOfMemory,
    InputOutputError,
    OtherSystemError,      // %1 the error's number
    TrackWouldBeReplaced,  // %1 output, %2 the track it is written for
    OutputIsTrackFile,     // %1 output, %2 the file of the track
    WrittenForTwoTracks,   // %1 track, %2 track
    TrackUnderPicture,     // %1 picture
    SettingsUnderPicture,  // %1 picture
    MeasureMissing,        // %1 measure
    PictureNameUnknown,
    JpegUnavailable,
    ColourBoundsWrong,     // %1 most bounds, %2 their largest size
    ColourColorsWrong,     // %1 most colours
    ImplausibleValues,     // %1 measure, %2 low, %3 high, %4 unit, %5 left out, %6 of
    ColourMeasureMissing,  // %1 measure
    TrackProcessed,
};

// The language the core's messages are rendered in, for the whole process:
// each front end sets it at start from its settings or --lang, and the
// windows again when the user changes it. Russian until set.
void SetMessageLanguage(Language language);
Language MessageLanguage();

// The text of id in the current language, each "%N" replaced by the N-th of
// args as it is.
std::string MessageText(MessageId id, std::initializer_list<std::string_view> args = {});
// The same in the language given.
std::string MessageText(Language language, MessageId id, std::initializer_list<std::string_view> args = {});

}  // namespace qm
