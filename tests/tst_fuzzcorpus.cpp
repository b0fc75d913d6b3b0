#include "FuzzChecks.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <functional>

// Every input kept for the fuzz targets (their seeds and the inputs that once
// found a fault) goes through its target's checks in the ordinary suite, so a
// fault that fuzzing found cannot come back unseen.
class TestFuzzCorpus : public QObject {
  Q_OBJECT

private slots:
  void CorpusPassesItsChecks_data();
  void CorpusPassesItsChecks();
};

void TestFuzzCorpus::CorpusPassesItsChecks_data()
{
  QTest::addColumn<QString>("target");
  QTest::addColumn<QString>("path");
  const QDir corpus(QStringLiteral(ROTANTS_FUZZ_CORPUS));
  for (const QString &target : corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QDir inputs(corpus.filePath(target));
    for (const QString &name : inputs.entryList(QDir::Files))
      QTest::addRow("%s/%s", qPrintable(target), qPrintable(name))
          << target << inputs.filePath(name);
  }
}

void TestFuzzCorpus::CorpusPassesItsChecks()
{
  QFETCH(QString, target);
  QFETCH(QString, path);
  const QHash<QString, std::function<void(const std::uint8_t *, std::size_t)>> checks{
      {"phasor_set", FuzzChecks::PhasorSet},       {"harmonics_csv", FuzzChecks::HarmonicsCsv},
      {"exercise_set", FuzzChecks::ExerciseSet},   {"recording", FuzzChecks::RecordingFile},
      {"typed_number", FuzzChecks::TypedNumber},   {"command_line", FuzzChecks::CommandLine}};
  QVERIFY2(checks.contains(target), qPrintable(target));
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  checks[target](reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                 std::size_t(bytes.size()));
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
