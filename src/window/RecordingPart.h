#pragma once

#include "Recording.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QTimer;
class QWidget;
class TActionRunner;
class TImageCanvas;
class TMicrophone;
class TPhasorDocument;
class TSoundPart;

// What the recording part takes from the window around it; called on the
// user-interface thread.
struct TRecordingView {
  // The window's layout after the strip was shown or hidden.
  std::function<void()> Relayout;
  // The averaged period becomes the set as a drawn one ("Custom Time", the
  // period drawn, the entries from its spectrum in the convention in use),
  // within the action running.
  std::function<void(const std::array<double, PeriodSteps> &period)> ShowPeriod;
  // Stops playback and any stroke before the set is replaced.
  std::function<void()> StopWork;
  std::function<void(const QString &message)> ShowWarning;
};

// Real sounds: a recording opened (WAV, FLAC, Ogg Vorbis, AIFF), or the
// microphone (View > Listen), analysed into the set. The strip below the
// controls (under the spectrum and Shape strips) shows while the set is a
// recording's or the microphone listens: an overview of the whole recording
// with the part analysed, which a drag moves (its release analyses the new
// part, one undo step); the recording's name and fundamental; Play Recording
// (SoundPlayRecording: the part loops in place of the sum) and the sum at
// the recording's pitch instead of 441 Hz (SoundAtRecordingPitch); and a sign
// while no input can be had. The document keeps the name, fundamental and
// part; the audio is the part's own and is never saved.
//
// Listening analyses the newest half second ten times a second; each
// analysis that finds a pitch replaces the set (the plots, table, spectrum
// and tone follow), and unchecking Listen keeps the last one as one undo
// step. User-interface thread only.
class TRecordingPart : public QObject {
  Q_OBJECT

public:
  // document, actions and sound must outlive the part.
  TRecordingPart(TPhasorDocument &document, TActionRunner &actions, TSoundPart &sound,
                 TRecordingView view, QObject *parent);
  // Builds the strip, hidden, in client.
  void BuildStrip(QWidget *client);
  // View > Listen, into menu.
  void BuildActions(QMenu *menu);
  void Retranslate();

  QWidget *RecordingPanel = nullptr;
  TImageCanvas *RecordingOverview = nullptr;
  QLabel *RecordingLabel = nullptr;
  QLabel *InputWarningIcon = nullptr;
  QCheckBox *SoundPlayRecording = nullptr;
  QCheckBox *SoundAtRecordingPitch = nullptr;
  QAction *ViewListen = nullptr;  // null until BuildActions
  TMicrophone *Microphone = nullptr;  // owned (QObject child)
  QTimer *ListenTimer = nullptr;

  // Whether path names a recording by its ending (.wav, .flac, .ogg, .oga,
  // .aif, .aiff, .aifc, any case).
  static bool IsRecordingName(const QString &path);
  // Opens path and makes a part of it the set, as one user action
  // ("Recording"): from and to in seconds (from below 0: the steady part;
  // to below 0: SteadySeconds after from). False with error set, and nothing
  // changed, when it cannot be read or analysed.
  bool OpenRecording(const QString &path, double from, double to, QString &error);
  // The words for an error of the recording's reading or analysis.
  static QString ErrorText(Recording::TError error);

  bool Shown() const;
  int Growth() const;
  QRect StripGeometry(int above) const;
  bool Listening() const;
  void ViewListenClick();
  // Listening ends (as unchecking Listen does); nothing when not listening.
  // A set put in place by another action (a waveform, New, Open) ends it.
  void StopListening();
  // While held, listening analyses nothing (its timer waits); nothing when
  // not listening.
  void HoldListening(bool hold);
  // One analysis of what the microphone heard last.
  void ListenTick();
  // The input's word: false shows the sign, true takes it away.
  void InputReport(bool available);

private:
  TPhasorDocument &Document;
  TActionRunner &Actions;
  TSoundPart &Sound;
  const TRecordingView View;
  // The open recording, when the document's recording is it.
  std::optional<Recording::TSource> Source;
  QString SourcePath;
  std::vector<float> Peaks;     // the overview, one per canvas column
  std::vector<std::uint8_t> Loop;  // the part as the player's frames
  bool InputMissing = false;
  // A drag of the part on the overview: the part shown while it lasts.
  bool Dragging = false;
  int DragOffset = 0;  // columns between the press and the part's start
  Recording::TPart DraggedPart;

  bool SourceIsTheSets() const;
  // Makes part of Source, analysed, the set within the action running.
  void TakePart(const Recording::TPart &part, const Recording::TAnalysis &analysis);
  void ShowRecording();
  void DrawOverview();
  void FollowSound();
  void OverviewDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void OverviewMove(Qt::KeyboardModifiers shift, int x, int y);
  void OverviewUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  Recording::TPart PartAt(int column) const;
};
