#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "Microphone.h"
#include "MySoundUnit.h"
#include "RecordingSoundService.h"
#include "TestSupport.h"
#include "ToneSynthesis.h"
#include "WindowDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QTableWidget>
#include <QPushButton>
#include <QLineEdit>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <memory>
#include <vector>

// Real sounds in the window: a recording opened into the set, its sound, and
// the microphone through a stand-in capture service.

namespace {

constexpr double Pi = 3.14159265358979323846;

// A sawtooth of frequency (Hz) at 44.1 kHz, or silence at 0.
std::vector<float> Sawtooth(double frequency, double seconds)
{
  std::vector<float> samples(static_cast<std::size_t>(seconds * 44100));
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = float(0.5 * std::remainder(frequency * double(i) / 44100.0, 1.0) * 2.0);
  return samples;
}

void WriteWave(const QString &path, const std::vector<float> &samples)
{
  SF_INFO info{};
  info.samplerate = 44100;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
  QVERIFY(file);
  sf_writef_float(file, samples.data(), sf_count_t(samples.size()));
  sf_close(file);
}

// The microphone hears a square wave of 330 Hz.
class TSquareCapture final : public TCaptureService {
public:
  void Start() override {}
  void Stop() override {}
  int SampleRate() const override { return 48000; }
  void SetInputListener(TInputListener) override {}
  std::vector<float> Latest(int frames) const override
  {
    std::vector<float> samples(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
      samples[std::size_t(i)] = std::sin(2.0 * Pi * 330.0 * i / 48000.0) >= 0.0 ? 0.4f : -0.4f;
    return samples;
  }
};

}  // namespace

class TestRealSound : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void OpeningARecording_data();
  void OpeningARecording();
  void RecordingSoundsAndIsSaved();
  void ListeningKeepsTheLastAnalysis();

private:
  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TMessageBoxCatcher> Catcher;
  std::unique_ptr<TRotantsForm> Form;
  QTemporaryDir Dir;
};

void TestRealSound::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Catcher = std::make_unique<TMessageBoxCatcher>();
  Form = std::make_unique<TRotantsForm>();
  ChooseWaveform(*Form, 2);
}

void TestRealSound::cleanup()
{
  Form.reset();
  Catcher.reset();
  Sound.reset();
}

void TestRealSound::OpeningARecording_data()
{
  QTest::addColumn<double>("frequency");  // 0: silence; -1: not sound at all
  QTest::addColumn<QString>("outcome");   // the strip's label, or the message's reason
  QTest::newRow("sawtooth") << 220.0 << "Recording: tone.wav, 220.0 Hz";
  QTest::newRow("silence") << 0.0 << "silent";
  QTest::newRow("not sound") << -1.0 << "not a recording";
}

// A recording becomes the set as a drawn one, one undo step, named in the
// strip with its fundamental; one that cannot be analysed gives one message
// and leaves the set as it was.
void TestRealSound::OpeningARecording()
{
  QFETCH(double, frequency);
  QFETCH(QString, outcome);
  const QString path = Dir.filePath("tone.wav");
  if (frequency < 0.0) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Dear students,\n") > 0);
  } else {
    WriteWave(path, Sawtooth(frequency, 2.0));
  }
  const TPhasorArray before = Form->PhasorList;
  const int steps = Form->Document.UndoStack()->count();
  const bool opened = Form->OpenRecording(path);
  QCOMPARE(opened, frequency > 0.0);
  if (!opened) {
    QCOMPARE(Catcher->Messages.size(), 1);
    QVERIFY2(Catcher->Messages[0].Text.contains(outcome), qPrintable(Catcher->Messages[0].Text));
    QVERIFY(SameEntries(Form->PhasorList, before));
    QCOMPARE(Form->Document.UndoStack()->count(), steps);
    return;
  }
  QCOMPARE(Form->Recorder->RecordingLabel->text(), outcome);
  QCOMPARE(Form->WaveformComboBox->currentIndex(), int(WaveformItems::CustomTime));
  QCOMPARE(Form->Document.UndoStack()->count(), steps + 1);
  // A sawtooth's harmonics fall as 1/k.
  const auto magnitude = [this](int k) { return std::hypot(Form->PhasorList[k].Re, Form->PhasorList[k].Im); };
  for (int k = 2; k <= 5; ++k)
    QVERIFY2(std::abs(magnitude(k) * k / magnitude(1) - 1.0) < 0.02, qPrintable(QString::number(k)));
  Form->EditUndo->trigger();
  QVERIFY(SameEntries(Form->PhasorList, before));
  QVERIFY(Form->Recorder->RecordingPanel->isHidden());
}

// With Sound On the part loops in place of the sum, or the sum plays at the
// recording's pitch; a saved set keeps the name and pitch but no audio.
void TestRealSound::RecordingSoundsAndIsSaved()
{
  const QString path = Dir.filePath("saw.wav");
  WriteWave(path, Sawtooth(147.0, 1.5));
  QVERIFY(Form->OpenRecording(path));
  Form->SoundCheckBox->click();
  QCOMPARE(int(Form->MySound->DataSize), ToneBytes);
  Form->SoundPlayRecording->click();
  QVERIFY(int(Form->MySound->DataSize) > 4410 * ToneChannels);
  Form->SoundPlayRecording->click();
  Form->SoundAtRecordingPitch->click();
  int frames = 0;
  int periods = 0;
  ToneSynthesis::LoopLength(Form->Document.RecordedFrom.Fundamental, frames, periods);
  QCOMPARE(int(Form->MySound->DataSize), frames * ToneChannels);
  QVERIFY(std::abs(44100.0 * periods / frames / 147.0 - 1.0) < 0.001);

  const QString saved = Dir.filePath("saw.rotants");
  QVERIFY(Form->SavePhasorSet(saved));
  TRotantsForm opened;
  QVERIFY(opened.OpenPhasorSet(saved));
  QCOMPARE(opened.Recorder->RecordingLabel->text(), Form->Recorder->RecordingLabel->text());
  QVERIFY(!opened.SoundPlayRecording->isEnabled() && opened.SoundAtRecordingPitch->isEnabled());
}

// Listening analyses what the microphone hears into the set; unchecking keeps
// the last analysis as one undo step.
void TestRealSound::ListeningKeepsTheLastAnalysis()
{
  TMicrophone::SetServiceFactory([] { return std::make_unique<TSquareCapture>(); });
  TRotantsForm form;
  TMicrophone::SetServiceFactory(nullptr);
  ChooseWaveform(form, 5);
  const int steps = form.Document.UndoStack()->count();
  form.ViewListen->trigger();
  form.Recorder->ListenTick();
  QCOMPARE(form.Recorder->RecordingLabel->text(), QString("Microphone: 330.0 Hz"));
  // A square wave: odd harmonics only.
  QVERIFY(std::hypot(form.PhasorList[2].Re, form.PhasorList[2].Im)
          < 0.05 * std::hypot(form.PhasorList[1].Re, form.PhasorList[1].Im));
  form.ViewListen->trigger();
  QCOMPARE(form.Document.UndoStack()->count(), steps + 1);
  QCOMPARE(form.EditUndo->text(), QString("&Undo Listening"));

  // Listening holds while the question before the work is dropped is open,
  // so what it asks about is what Save would write; Cancel changes nothing.
  form.PhasorGrid->setCurrentCell(3, 1);
  form.MagnitudeEdit->setText("0.5");
  form.PhasorUpdateBtn->click();
  form.ViewListen->trigger();
  form.Recorder->ListenTick();
  const PhasorSetFile::TState asked = form.CapturePhasorSet();
  const qsizetype asks = Catcher->Messages.size();
  bool held = false;
  Catcher->Answer = [&form, &held](const TCaughtMessage &) {
    held = !form.Recorder->ListenTimer->isActive();
    return QMessageBox::Cancel;
  };
  form.FileNewClick();
  QCOMPARE(Catcher->Messages.size(), asks + 1);
  QVERIFY(held);
  QVERIFY(form.ViewListen->isChecked() && form.Recorder->ListenTimer->isActive());
  QCOMPARE(PhasorSetFile::Write(form.CapturePhasorSet()), PhasorSetFile::Write(asked));
}

QTEST_MAIN(TestRealSound)
#include "tst_realsound.moc"
