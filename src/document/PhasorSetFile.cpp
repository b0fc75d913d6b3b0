#include "PhasorSetFile.h"

#include "NumberText.h"
#include "Recording.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>

#include <charconv>
#include <cmath>


// The messages about a file, in the user's language.
class TFileText {
  Q_DECLARE_TR_FUNCTIONS(TFileText)
};

namespace PhasorSetFile {

namespace {

// Texts longer than this are refused: a grid cell never needs more, and the
// message quoting one stays short.
constexpr int MaxTextLength = 256;
// The edit boxes hold up to a line edit's own limit, and a text typed or
// pasted but not applied is kept whole, so that every window saved opens
// again. Three such texts of control characters, each written as a six-byte
// escape, take 590 000 bytes, within MaxFileBytes.
constexpr int MaxEditorTextLength = 32767;

// The magnitude test allows for the rounding of PolarToRect, which may put a
// phasor typed at exactly the limit an ulp or two above it.
constexpr double MagnitudeTolerance = 1e-12;

// Shortest text that reads back to the same double, '.' as the decimal point
// whatever the locale, and the sign of a negative zero kept.
QString DoubleText(double value)
{
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

bool ParseDouble(const QString &text, double &value)
{
  const QByteArray bytes = text.toLatin1();
  if (bytes.isEmpty() || text.size() > MaxTextLength)
    return false;
  double parsed = 0.0;
  const char *end = bytes.constData() + bytes.size();
  const auto result = std::from_chars(bytes.constData(), end, parsed);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed))
    return false;
  value = parsed;
  return true;
}

QString Quoted(const QString &name)
{
  return QStringLiteral("\"%1\"").arg(name);
}

// Where a field lies, after the field's name: " in "options"". Its own
// sentence part, so a language can put it where its word order wants it.
QString InObject(const QString &object)
{
  return TFileText::tr(" in %1", "a field of the object %1").arg(Quoted(object));
}

// Reads the members of one JSON object, recording the first fault found as a
// sentence; later reads after a fault do nothing.
class TReader {
public:
  explicit TReader(QString &error) : Error(error) {}

  bool Failed() const { return !Error.isEmpty(); }

  void Fail(const QString &message)
  {
    if (Error.isEmpty())
      Error = message;
  }

  // Null when the member is absent and not required.
  QJsonValue Member(const QJsonObject &object, const QString &name, const QString &where,
                    bool required)
  {
    const auto it = object.constFind(name);
    if (it == object.constEnd()) {
      if (required)
        Fail(TFileText::tr("the field %1%2 is missing").arg(Quoted(name), where));
      return QJsonValue(QJsonValue::Undefined);
    }
    return *it;
  }

  bool Bool(const QJsonObject &object, const QString &name, const QString &where, bool &value)
  {
    const QJsonValue v = Member(object, name, where, true);
    if (Failed())
      return false;
    if (!v.isBool()) {
      Fail(TFileText::tr("the field %1%2 is not true or false").arg(Quoted(name), where));
      return false;
    }
    value = v.toBool();
    return true;
  }

  bool Int(const QJsonValue &v, const QString &name, const QString &where, int low, int high,
           int &value)
  {
    if (Failed())
      return false;
    const double d = v.isDouble() ? v.toDouble() : std::nan("");
    if (!(d >= low && d <= high) || d != std::floor(d)) {
      Fail(TFileText::tr("the field %1%2 is not a whole number from %3 to %4")
               .arg(Quoted(name), where)
               .arg(low)
               .arg(high));
      return false;
    }
    value = int(d);
    return true;
  }

  bool Int(const QJsonObject &object, const QString &name, const QString &where, int low,
           int high, int &value)
  {
    return Int(Member(object, name, where, true), name, where, low, high, value);
  }

  // A number given as a JSON number or as a decimal text (as the program
  // writes it); finite either way.
  bool Double(const QJsonValue &v, const QString &name, const QString &where, double &value)
  {
    if (Failed())
      return false;
    bool ok = false;
    if (v.isDouble()) {
      value = v.toDouble();
      ok = std::isfinite(value);
    } else if (v.isString()) {
      ok = ParseDouble(v.toString(), value);
    }
    if (!ok)
      Fail(TFileText::tr("the field %1%2 is not a finite number").arg(Quoted(name), where));
    return ok;
  }

  bool Text(const QJsonValue &v, const QString &name, const QString &where, QString &value,
            int maxLength = MaxTextLength)
  {
    if (Failed())
      return false;
    if (!v.isString() || v.toString().size() > maxLength) {
      Fail(TFileText::tr("the field %1%2 is not a text of at most %3 characters")
               .arg(Quoted(name), where)
               .arg(maxLength));
      return false;
    }
    value = v.toString();
    return true;
  }

  bool Object(const QJsonValue &v, const QString &name, const QString &where, QJsonObject &value)
  {
    if (Failed())
      return false;
    if (!v.isObject()) {
      Fail(TFileText::tr("the field %1%2 is not an object").arg(Quoted(name), where));
      return false;
    }
    value = v.toObject();
    return true;
  }

private:
  QString &Error;
};

// A grid text must be a number the editor could show in that column.
bool CheckGridText(const QString &text, double low, double high)
{
  double value = 0.0;
  return ReadNumber(text.toStdString(), value) && value >= low && value <= high;
}

bool CheckMagnitude(int harmonic, double re, double im, bool conjugate, QString &error)
{
  const double limit = MaxEntryMagnitude(harmonic, conjugate);
  const double magnitude = std::hypot(re, im);
  if (magnitude <= limit * (1.0 + MagnitudeTolerance))
    return true;
  error = TFileText::tr("harmonic %1 has magnitude %2, beyond the editor's range of 0 to %3%4")
              .arg(harmonic)
              .arg(magnitude, 0, 'g', 6)
              .arg(limit)
              .arg(harmonic > 0 && !conjugate ? TFileText::tr(" in the one-sided convention")
                                              : QString());
  return false;
}

bool ReadEntries(TReader &reader, const QJsonValue &value, bool conjugate,
                 std::array<TEntry, HarmonicCount> &entries)
{
  if (!value.isArray()) {
    reader.Fail(TFileText::tr("the field \"entries\" is not a list"));
    return false;
  }
  const QJsonArray list = value.toArray();
  if (list.size() != HarmonicCount) {
    reader.Fail(TFileText::tr("it holds %1 entries instead of %2").arg(list.size()).arg(HarmonicCount));
    return false;
  }
  std::array<TEntry, HarmonicCount> read{};
  for (int k = 0; k < HarmonicCount; ++k) {
    const QString where = TFileText::tr(" of entry %1").arg(k);
    QJsonObject entry;
    if (!reader.Object(list.at(k), QStringLiteral("entries"), TFileText::tr(" (item %1)").arg(k),
                       entry))
      return false;
    int harmonic = 0;
    if (!reader.Int(entry, "harmonic", where, k, k, harmonic))
      return false;
    TEntry &e = read[k];
    if (!reader.Double(reader.Member(entry, "re", where, true), "re", where, e.Re)
        || !reader.Double(reader.Member(entry, "im", where, true), "im", where, e.Im))
      return false;
    QString magnitudeError;
    if (!CheckMagnitude(k, e.Re, e.Im, conjugate, magnitudeError)) {
      reader.Fail(magnitudeError);
      return false;
    }
    const QJsonValue magnitudeText = reader.Member(entry, "magnitude_text", where, false);
    const QJsonValue angleText = reader.Member(entry, "angle_text", where, false);
    if (magnitudeText.isUndefined() != angleText.isUndefined()) {
      reader.Fail(TFileText::tr("entry %1 has only one of \"magnitude_text\" and \"angle_text\"").arg(k));
      return false;
    }
    if (!magnitudeText.isUndefined()) {
      if (!reader.Text(magnitudeText, "magnitude_text", where, e.MagnitudeText)
          || !reader.Text(angleText, "angle_text", where, e.AngleText))
        return false;
      if (!CheckGridText(e.MagnitudeText, 0.0, MaxEntryMagnitude(k, conjugate))
          || !CheckGridText(e.AngleText, -MaxAngle, MaxAngle)) {
        reader.Fail(TFileText::tr("the grid texts of entry %1 are not a magnitude and an angle "
                                   "in the editor's range").arg(k));
        return false;
      }
      e.HasTexts = true;
    }
  }
  entries = read;
  return true;
}

}  // namespace

const QStringList &WaveformNames()
{
  static const QStringList names{"custom-rotants", "custom-time",     "square",
                                 "rectangular-pulse", "bipolar-pulse", "triangle",
                                 "sawtooth",       "rectified-cosine", "impulse-train"};
  return names;
}

int WaveformIndex(const QString &name)
{
  return int(WaveformNames().indexOf(name));
}

double MaxEntryMagnitude(int harmonic, bool conjugate)
{
  return harmonic > 0 && !conjugate ? 2.0 * EditorMaxMagnitude : EditorMaxMagnitude;
}

QByteArray Write(const TState &state)
{
  QJsonObject root;
  root["format"] = QString::fromLatin1(FormatName);
  root["version"] = FormatVersion;
  root["waveform"] = WaveformNames().value(state.Waveform, WaveformNames().first());
  root["highest_harmonic"] = state.HighestHarmonic;
  root["step"] = state.Step;
  QJsonObject shape;
  shape["duty_cycle"] = state.Shape.DutyCycle;
  shape["shift"] = state.Shape.Shift;
  root["shape"] = shape;
  if (!state.RecordingName.isEmpty()) {
    QJsonObject recording;
    recording["name"] = state.RecordingName;
    recording["fundamental"] = DoubleText(state.RecordingFundamental);
    root["recording"] = recording;
  }

  QJsonObject options;
  options["real_value"] = state.RealValue;
  options["rotate_complex_plane"] = state.RotateComplexPlane;
  options["trace"] = state.Trace;
  options["conjugate"] = state.Conjugate;
  options["grid"] = state.Grid;
  options["sound"] = state.Sound;
  options["repeat"] = state.Repeat;
  options["ideal_wave"] = state.IdealWave;
  root["options"] = options;

  QJsonArray entries;
  for (int k = 0; k < HarmonicCount; ++k) {
    const TEntry &e = state.Entries[k];
    QJsonObject entry;
    entry["harmonic"] = k;
    entry["re"] = DoubleText(e.Re);
    entry["im"] = DoubleText(e.Im);
    if (e.HasTexts) {
      entry["magnitude_text"] = e.MagnitudeText;
      entry["angle_text"] = e.AngleText;
    }
    entries.append(entry);
  }
  root["entries"] = entries;

  if (state.Waveform == CustomTimeWaveform) {
    QJsonArray period;
    for (double value : state.DrawnPeriod)
      period.append(DoubleText(value));
    root["drawn_period"] = period;
  }

  QJsonObject editor;
  editor["shown"] = state.EditorShown;
  if (state.HasEditor) {
    editor["row"] = state.EditorRow;
    editor["harmonic_text"] = state.HarmonicText;
    editor["magnitude_text"] = state.MagnitudeText;
    editor["angle_text"] = state.AngleText;
  }
  root["editor"] = editor;

  if (state.HasPlacement) {
    QJsonObject placement;
    placement["next_harmonic"] = state.NextHarmonic;
    placement["base_harmonic"] = state.BaseHarmonic;
    root["placement"] = placement;
  }
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool Read(const QByteArray &bytes, TState &state, QString &error)
{
  if (bytes.trimmed().isEmpty()) {
    error = TFileText::tr("the file is empty");
    return false;
  }
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    if (parseError.offset >= bytes.trimmed().size())
      error = TFileText::tr("it ends too early (the file is truncated)");
    else
      error = TFileText::tr("it is neither a phasor set nor a harmonics table (not valid JSON: "
                             "%1 at byte %2)")
                  .arg(parseError.errorString())
                  .arg(parseError.offset);
    return false;
  }
  if (!document.isObject()) {
    error = TFileText::tr("it is not a Rotants phasor set");
    return false;
  }
  const QJsonObject root = document.object();
  const QJsonValue format = root.value("format");
  if (format.toString() != QLatin1String(FormatName)) {
    error = format.isString()
                ? TFileText::tr("it is not a Rotants phasor set (its format is \"%1\")")
                      .arg(format.toString().left(MaxTextLength))
                : TFileText::tr("it is not a Rotants phasor set (no \"format\" field)");
    return false;
  }
  const QJsonValue version = root.value("version");
  const double versionNumber = version.isDouble() ? version.toDouble() : 0.0;
  if (!(versionNumber >= 1.0) || versionNumber != std::floor(versionNumber)) {
    error = TFileText::tr("its field \"version\" is not a whole number from 1 up");
    return false;
  }
  if (versionNumber > FormatVersion) {
    error = TFileText::tr("it was written by a newer version of Rotants (format version %1; "
                           "this program reads version %2)")
                .arg(versionNumber, 0, 'f', 0)
                .arg(FormatVersion);
    return false;
  }

  TState read;
  QString fault;
  TReader reader(fault);
  const QString top;
  QString waveform;
  reader.Text(reader.Member(root, "waveform", top, true), "waveform", top, waveform);
  if (!reader.Failed()) {
    read.Waveform = WaveformIndex(waveform);
    if (read.Waveform < 0)
      reader.Fail(TFileText::tr("its waveform \"%1\" is not one of %2")
                      .arg(waveform, WaveformNames().join(", ")));
  }
  reader.Int(root, "highest_harmonic", top, 0, HarmonicCount - 1, read.HighestHarmonic);
  reader.Int(root, "step", top, 0, SweepSteps - 1, read.Step);
  const QJsonValue shapeValue = reader.Member(root, "shape", top, false);
  if (!reader.Failed() && !shapeValue.isUndefined()) {
    QJsonObject shape;
    const QString inShape = InObject(QStringLiteral("shape"));
    reader.Object(shapeValue, "shape", top, shape);
    reader.Int(shape, "duty_cycle", inShape, WaveformPresets::MinDutyCycle,
               WaveformPresets::MaxDutyCycle, read.Shape.DutyCycle);
    reader.Int(shape, "shift", inShape, WaveformPresets::MinShift, WaveformPresets::MaxShift,
               read.Shape.Shift);
  }
  const QJsonValue recordingValue = reader.Member(root, "recording", top, false);
  if (!reader.Failed() && !recordingValue.isUndefined()) {
    QJsonObject recording;
    const QString inRecording = InObject(QStringLiteral("recording"));
    reader.Object(recordingValue, "recording", top, recording);
    reader.Text(reader.Member(recording, "name", inRecording, true), "name", inRecording,
                read.RecordingName);
    reader.Double(reader.Member(recording, "fundamental", inRecording, true), "fundamental",
                  inRecording, read.RecordingFundamental);
    if (!reader.Failed() && (read.RecordingName.isEmpty()
                             || !(read.RecordingFundamental >= Recording::MinFundamental
                                  && read.RecordingFundamental <= Recording::MaxFundamental)))
      reader.Fail(TFileText::tr("the recording's name is empty or its fundamental lies outside "
                                "%1 to %2 Hz")
                      .arg(Recording::MinFundamental)
                      .arg(Recording::MaxFundamental));
  }

  QJsonObject options;
  reader.Object(reader.Member(root, "options", top, true), "options", top, options);
  const QString inOptions = InObject(QStringLiteral("options"));
  reader.Bool(options, "real_value", inOptions, read.RealValue);
  reader.Bool(options, "rotate_complex_plane", inOptions, read.RotateComplexPlane);
  reader.Bool(options, "trace", inOptions, read.Trace);
  reader.Bool(options, "conjugate", inOptions, read.Conjugate);
  reader.Bool(options, "grid", inOptions, read.Grid);
  reader.Bool(options, "sound", inOptions, read.Sound);
  reader.Bool(options, "repeat", inOptions, read.Repeat);
  reader.Bool(options, "ideal_wave", inOptions, read.IdealWave);

  if (!reader.Failed()) {
    const QJsonValue entries = reader.Member(root, "entries", top, true);
    if (!reader.Failed())
      ReadEntries(reader, entries, read.Conjugate, read.Entries);
  }

  if (!reader.Failed() && read.Waveform == CustomTimeWaveform) {
    const QJsonValue period = reader.Member(root, "drawn_period", top, true);
    if (!reader.Failed() && (!period.isArray() || period.toArray().size() != PeriodSteps))
      reader.Fail(TFileText::tr("the field \"drawn_period\" is not a list of %1 numbers")
                      .arg(PeriodSteps));
    for (int i = 0; !reader.Failed() && i < PeriodSteps; ++i)
      reader.Double(period.toArray().at(i), "drawn_period",
                    TFileText::tr(" (item %1)").arg(i), read.DrawnPeriod[i]);
  }

  const QJsonValue editorValue = reader.Member(root, "editor", top, false);
  if (!reader.Failed() && !editorValue.isUndefined()) {
    QJsonObject editor;
    const QString inEditor = InObject(QStringLiteral("editor"));
    reader.Object(editorValue, "editor", top, editor);
    reader.Bool(editor, "shown", inEditor, read.EditorShown);
    if (!reader.Failed() && editor.contains("row")) {
      read.HasEditor = true;
      reader.Int(editor, "row", inEditor, 1, HarmonicCount, read.EditorRow);
      reader.Text(reader.Member(editor, "harmonic_text", inEditor, true), "harmonic_text",
                  inEditor, read.HarmonicText, MaxEditorTextLength);
      reader.Text(reader.Member(editor, "magnitude_text", inEditor, true), "magnitude_text",
                  inEditor, read.MagnitudeText, MaxEditorTextLength);
      reader.Text(reader.Member(editor, "angle_text", inEditor, true), "angle_text", inEditor,
                  read.AngleText, MaxEditorTextLength);
    }
  }

  const QJsonValue placementValue = reader.Member(root, "placement", top, false);
  if (!reader.Failed() && !placementValue.isUndefined()) {
    QJsonObject placement;
    const QString inPlacement = InObject(QStringLiteral("placement"));
    reader.Object(placementValue, "placement", top, placement);
    reader.Int(placement, "next_harmonic", inPlacement, 0, HarmonicCount, read.NextHarmonic);
    reader.Int(placement, "base_harmonic", inPlacement, 0, HarmonicCount - 1, read.BaseHarmonic);
    read.HasPlacement = !reader.Failed();
  }

  if (reader.Failed()) {
    error = fault;
    return false;
  }
  state = read;
  return true;
}

bool LooksLikeHarmonicsCsv(const QByteArray &bytes)
{
  QByteArray start = bytes.left(64);
  if (start.startsWith("\xEF\xBB\xBF"))
    start.remove(0, 3);
  start = start.trimmed().toLower();
  return start.startsWith("harmonic") || start.startsWith("\"harmonic");
}

bool ReadHarmonicsCsv(const QByteArray &bytes, bool conjugate,
                      std::array<TEntry, HarmonicCount> &entries, QString &error)
{
  QByteArray text = bytes;
  if (text.startsWith("\xEF\xBB\xBF"))
    text.remove(0, 3);
  QList<QByteArray> lines = text.split('\n');
  while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
    lines.removeLast();
  const auto fields = [](const QByteArray &line) {
    QStringList cells;
    for (const QByteArray &cell : line.trimmed().split(',')) {
      QString value = QString::fromUtf8(cell.trimmed());
      if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2).trimmed();
      cells.append(value);
    }
    return cells;
  };
  // A spreadsheet may capitalise the header.
  if (lines.isEmpty()
      || fields(lines.first()).join(',').toLower() != QLatin1String(HarmonicsCsvHeader)) {
    error = TFileText::tr("its first line is not the harmonics table's header \"%1\"")
                .arg(QLatin1String(HarmonicsCsvHeader));
    return false;
  }
  const qsizetype rows = lines.size() - 1;
  if (rows < 1 || rows > HarmonicCount) {
    error = TFileText::tr("it holds %1 rows of harmonics instead of 1 to %2")
                .arg(rows)
                .arg(HarmonicCount);
    return false;
  }
  // Each row names its harmonic; the harmonics no row names are 0.
  std::array<TEntry, HarmonicCount> read{};
  std::array<bool, HarmonicCount> given{};
  for (int line = 1; line <= rows; ++line) {
    const QStringList cells = fields(lines[line]);
    bool harmonicOk = false;
    const int k = cells.value(0).toInt(&harmonicOk);
    if ((cells.size() != 3 && cells.size() != 5) || !harmonicOk || k < 0 || k >= HarmonicCount) {
      error = TFileText::tr("row %1 does not hold a harmonic from 0 to %2 and its three or five "
                            "columns")
                  .arg(line + 1)
                  .arg(HarmonicCount - 1);
      return false;
    }
    if (given[std::size_t(k)]) {
      error = TFileText::tr("row %1 gives harmonic %2 a second time").arg(line + 1).arg(k);
      return false;
    }
    given[std::size_t(k)] = true;
    const QString row = TFileText::tr("row %1 (harmonic %2)").arg(line + 1).arg(k);
    TEntry &e = read[std::size_t(k)];
    const bool rectangular = cells.size() == 5 && !cells[3].isEmpty() && !cells[4].isEmpty();
    if (rectangular) {
      if (!ParseDouble(cells[3], e.Re) || !ParseDouble(cells[4], e.Im)) {
        error = TFileText::tr("%1 has a real or imaginary part that is not a finite number "
                               "with '.' as its decimal point").arg(row);
        return false;
      }
    } else {
      double magnitude = 0.0;
      double angle = 0.0;
      if (!ParseDouble(cells[1], magnitude) || !ParseDouble(cells[2], angle)) {
        error = TFileText::tr("%1 has a magnitude or angle that is not a finite number with "
                               "'.' as its decimal point").arg(row);
        return false;
      }
      if (magnitude < 0.0 || angle < -MaxAngle || angle > MaxAngle) {
        error = TFileText::tr("%1 has a magnitude below 0 or an angle outside -180 to 180").arg(row);
        return false;
      }
      HarmonicMath::PolarToRect(magnitude, angle, e.Re, e.Im);
    }
    if (!CheckMagnitude(k, e.Re, e.Im, conjugate, error))
      return false;
  }
  entries = read;
  return true;
}

bool ReadFileBytes(const QString &path, QByteArray &bytes, QString &error)
{
  const QFileInfo info(path);
  if (!info.exists()) {
    error = TFileText::tr("it does not exist");
    return false;
  }
  if (info.isDir()) {
    error = TFileText::tr("it is a folder, not a file");
    return false;
  }
  if (info.size() > MaxFileBytes) {
    error = TFileText::tr("it is larger than 1 MB (%1 bytes), too large for a phasor set")
                .arg(info.size());
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = TFileText::tr("it cannot be read (%1)").arg(file.errorString());
    return false;
  }
  // Read one byte past the limit, so a file that grows (or a device that
  // reports no size) is caught as well.
  const QByteArray read = file.read(MaxFileBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    error = TFileText::tr("it cannot be read (%1)").arg(file.errorString());
    return false;
  }
  if (read.size() > MaxFileBytes) {
    error = TFileText::tr("it is larger than 1 MB, too large for a phasor set");
    return false;
  }
  bytes = read;
  return true;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString &error)
{
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = TFileText::tr("it cannot be written (%1)").arg(file.errorString());
    return false;
  }
  // QSaveFile buffers writes and may report a commit as done after one of
  // them failed (a full disk); so every write and the flush are checked, and
  // the temporary file is discarded on the first failure.
  const bool written = file.write(bytes) == bytes.size() && file.flush()
                       && file.error() == QFileDevice::NoError;
  if (!written) {
    error = TFileText::tr("it could not be written completely (%1); any earlier file of that "
                           "name is unchanged")
                .arg(file.errorString());
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    error = TFileText::tr("it could not be written (%1); any earlier file of that name is "
                           "unchanged")
                .arg(file.errorString());
    return false;
  }
  return true;
}

}  // namespace PhasorSetFile
