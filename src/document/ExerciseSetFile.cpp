#include "ExerciseSetFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace ExerciseSetFile {

namespace {

class TExerciseFileText {
  Q_DECLARE_TR_FUNCTIONS(TExerciseFileText)
};

// A name as a CSV field: quoted where it must be; a leading = + - @ made
// plain text for spreadsheets.
QByteArray CsvField(QString text)
{
  if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
    text.prepend(QLatin1Char('\''));
  QByteArray bytes = text.toUtf8();
  if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
    bytes = '"' + bytes.replace("\"", "\"\"") + '"';
  return bytes;
}

bool ReadTarget(const QJsonValue &value, int number, TTarget &target, QString &error)
{
  const auto fail = [&](const QString &why) {
    error = TExerciseFileText::tr("target %1: %2").arg(number).arg(why);
    return false;
  };
  if (!value.isObject())
    return fail(TExerciseFileText::tr("it is not an object"));
  const QJsonObject object = value.toObject();
  const QJsonValue name = object.value("name");
  if (!name.isUndefined() && (!name.isString() || name.toString().size() > MaxNameLength))
    return fail(TExerciseFileText::tr("its field \"name\" is not a text of at most %1 characters")
                    .arg(MaxNameLength));
  target.Name = name.toString();
  const QJsonValue threshold = object.value("threshold");
  if (!threshold.isUndefined()) {
    const double t = threshold.toDouble(-1.0);
    if (!threshold.isDouble() || !(t >= MinThreshold && t <= MaxThreshold))
      return fail(TExerciseFileText::tr("its field \"threshold\" is not a number from %1 to %2")
                      .arg(MinThreshold)
                      .arg(MaxThreshold));
    target.Threshold = t;
  }
  const QJsonValue set = object.value("set");
  if (!set.isObject())
    return fail(TExerciseFileText::tr("its field \"set\" is missing or not an object"));
  QString why;
  if (!PhasorSetFile::Read(QJsonDocument(set.toObject()).toJson(QJsonDocument::Compact),
                           target.Set, why))
    return fail(why);
  return true;
}

}  // namespace

QByteArray Write(const std::vector<TTarget> &targets)
{
  QJsonArray list;
  for (std::size_t i = 0; i < targets.size() && i < std::size_t(MaxTargets); ++i) {
    QJsonObject target;
    target["name"] = targets[i].Name.left(MaxNameLength);
    target["threshold"] = targets[i].Threshold;
    target["set"] = QJsonDocument::fromJson(PhasorSetFile::Write(targets[i].Set)).object();
    list.append(target);
  }
  QJsonObject root;
  root["format"] = QString::fromLatin1(FormatName);
  root["version"] = FormatVersion;
  root["targets"] = list;
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool Read(const QByteArray &bytes, std::vector<TTarget> &targets, QString &error)
{
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
    error = bytes.trimmed().isEmpty()
                ? TExerciseFileText::tr("the file is empty")
                : TExerciseFileText::tr("it is not a Rotants exercise set (not a JSON object)");
    return false;
  }
  const QJsonObject root = document.object();
  if (root.value("format").toString() != QLatin1String(FormatName)) {
    error = TExerciseFileText::tr("it is not a Rotants exercise set (its \"format\" is not "
                                  "\"%1\")")
                .arg(QLatin1String(FormatName));
    return false;
  }
  const double version = root.value("version").toDouble(0.0);
  if (!(version >= 1.0) || version != std::floor(version)) {
    error = TExerciseFileText::tr("its field \"version\" is not a whole number from 1 up");
    return false;
  }
  if (version > FormatVersion) {
    error = TExerciseFileText::tr("it was written by a newer version of Rotants (format "
                                  "version %1; this program reads version %2)")
                .arg(version, 0, 'f', 0)
                .arg(FormatVersion);
    return false;
  }
  const QJsonValue list = root.value("targets");
  if (!list.isArray() || list.toArray().isEmpty() || list.toArray().size() > MaxTargets) {
    error = TExerciseFileText::tr("its field \"targets\" is not a list of 1 to %1 targets")
                .arg(MaxTargets);
    return false;
  }
  std::vector<TTarget> read;
  for (const QJsonValue &value : list.toArray()) {
    TTarget target;
    if (!ReadTarget(value, int(read.size()) + 1, target, error))
      return false;
    read.push_back(target);
  }
  targets = std::move(read);
  return true;
}

QByteArray ResultsCsv(const std::vector<TResult> &results)
{
  QByteArray csv = QByteArray(ResultsHeader) + "\n";
  for (const TResult &r : results) {
    csv += CsvField(r.Target) + ',';
    csv += r.Level > 0 ? QByteArray::number(r.Level) + ',' + QByteArray::number(r.Seed) : ",";
    csv += QByteArray(r.Solved ? ",yes" : ",no") + (r.Revealed ? ",yes," : ",no,");
    csv += QByteArray::number(r.Attempts) + ',' + QByteArray::number(r.Hints) + ',';
    csv += QByteArray::number(std::round(r.Seconds * 10.0) / 10.0, 'f', 1) + "\n";
  }
  return csv;
}

}  // namespace ExerciseSetFile
