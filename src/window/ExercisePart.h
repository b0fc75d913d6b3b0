#pragma once

#include "ExerciseSession.h"
#include "NoticeLabel.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpinBox;
class QTimer;
class QWidget;
class TActionRunner;
class TPhasorDocument;
class TSoundPart;

// What the exercises take from the window around them; called on the
// user-interface thread.
struct TExerciseView {
  // The window's layout after the panel was shown or hidden.
  std::function<void()> Relayout;
  // Ends a stroke, playback and listening before the set is replaced.
  std::function<void()> StopWork;
  // The question before hand-made work is dropped: false when the user
  // cancels.
  std::function<bool()> ConfirmDropWork;
  // Within the action running: the waveform drop-down's item chosen and the
  // highest harmonic set, as the user would choose them.
  std::function<void(int item)> ChooseWaveform;
  std::function<void(int highest)> SetHighest;
  // Harmonic k set to magnitude and angle (degrees) by the editor's road.
  std::function<void(int k, double magnitude, double angle)> EditHarmonic;
  // The undo history starts afresh from the set shown now.
  std::function<void()> ResetHistory;
  // Every picture at the current step, now or at the end of the action.
  std::function<void()> Redraw;
  // Shows the spectrum strip (for the outline hint).
  std::function<void()> ShowSpectrum;
  // The set as a phasor-set file holds it.
  std::function<PhasorSetFile::TState()> CaptureSet;
  std::function<QString()> CurrentFile;
  std::function<QString()> StartFolder;
  std::function<void(const QString &message)> ShowWarning;
};

// Exercises (the Exercise menu and the panel under the controls): a hidden
// target wave, drawn dashed on the time plot, that the student matches by
// building a set in any of the usual ways. The panel shows the level
// (ExerciseLevel, for the next generated target), the target, the attempts,
// hints and time, the RMS difference to the target as the set changes, the
// last check's result and the hints taken. Check (Ctrl+Return) counts an
// attempt; a solved target is marked and New Target becomes Next Target
// (the next level, or the next target of a teacher's set). Hints: the
// number of harmonics the target uses, its spectrum outlined in the
// spectrum strip, then one harmonic's value each. Show Answer makes the set
// the target's (one undo step). Hear Target plays the target's tone in
// place of the set's.
//
// A teacher adds sets as targets (Add Current Set as Target) and saves them
// as one exercise set; a student opens it and works through it in order,
// and Export Results writes one CSV row per target. Every new target starts
// from an empty "Custom Rotants" set with a fresh undo history, after the
// save question when hand-made work would be lost. The session (the target,
// the counts, the results) is ExerciseSession's. User-interface thread only.
class TExercisePart : public QObject {
  Q_OBJECT

public:
  // document, actions and sound must outlive the part.
  TExercisePart(TPhasorDocument &document, TActionRunner &actions, TSoundPart &sound,
                TExerciseView view, QObject *parent);
  // The Exercise menu, before the menu bar's item before.
  void BuildMenu(QMenuBar *bar, QAction *before);
  // Builds the panel, hidden, in client.
  void BuildStrip(QWidget *client);
  void Retranslate();

  TExerciseSession *Session = nullptr;  // owned (QObject child)
  QMenu *MenuExercise = nullptr;
  QAction *ExerciseNew = nullptr;
  QAction *ExerciseCheck = nullptr;
  QAction *ExerciseHint = nullptr;
  QAction *ExerciseReveal = nullptr;
  QAction *ExerciseEnd = nullptr;
  QAction *ExerciseAddTarget = nullptr;
  QAction *ExerciseSaveSet = nullptr;
  QAction *ExerciseOpenSet = nullptr;
  QAction *ExerciseExportResults = nullptr;
  QWidget *ExercisePanel = nullptr;
  QLabel *ExerciseLevelLabel = nullptr;
  QSpinBox *ExerciseLevel = nullptr;
  QLabel *ExerciseTargetLabel = nullptr;
  QLabel *ExerciseCounts = nullptr;  // attempts, hints and time
  QPushButton *ExerciseNewButton = nullptr;
  QPushButton *ExerciseCheckButton = nullptr;
  QPushButton *ExerciseHintButton = nullptr;
  QCheckBox *ExerciseHearTarget = nullptr;
  QLabel *ExerciseDifference = nullptr;
  TNoticeLabel *ExerciseResult = nullptr;  // spoken by a screen reader when it changes
  TNoticeLabel *ExerciseHints = nullptr;
  QTimer *ClockTimer = nullptr;  // the time shown, once a second

  // The teacher's set being made by Add Current Set as Target.
  std::vector<ExerciseSetFile::TTarget> MadeSet;

  // A generated target at level (1..6) and seed, without the save question:
  // the set emptied, the history afresh.
  void StartExercise(int level, quint32 seed);
  // The teacher's set at path, from its first target, without the question:
  // false with error set, nothing changed, when it cannot be read.
  bool OpenExerciseSet(const QString &path, QString &error);
  bool SaveExerciseSet(const QString &path, QString &error);
  bool ExportResults(const QString &path, QString &error);
  bool Shown() const;
  bool Solved() const { return Session->Solved(); }

  // The menu's items (and the panel's buttons).
  void NewClick();
  void CheckClick();
  void HintClick();
  void RevealClick();
  void EndClick();
  void AddTargetClick();
  void SaveSetClick();
  void OpenSetClick();
  void ExportResultsClick();
  void HearTargetClick();

  // The height the panel adds to the client area at factor 1 while it shows.
  int Growth() const;
  QRect StripGeometry(int above) const;
  // The target's wave while an exercise runs; null otherwise.
  const std::array<double, SweepSteps> *TargetWave() const;
  // The target's entries while its spectrum is outlined (the outline hint
  // taken, or the target solved or revealed); null otherwise.
  const TPhasorArray *Outlines() const;
  // The target's tone loop while Hear Target is checked; empty otherwise.
  std::vector<std::uint8_t> TargetLoop() const;
  // The difference of shown (the entries as the plots show them) shown anew
  // when they, the highest harmonic or the convention changed.
  void ShowDifference(const TPhasorArray &shown);
  // What a level's targets are, in a few words.
  static QString LevelText(int level);

private:
  TPhasorDocument &Document;
  TActionRunner &Actions;
  TSoundPart &Sound;
  const TExerciseView View;
  // What the difference shown was computed from.
  TPhasorArray DifferenceEntries{};
  int DifferenceHighest = -1;
  bool DifferenceConjugate = false;
  bool DifferenceValid = false;

  // The student's set emptied for a new target, history afresh, within
  // one action; then the panel shown.
  void ClearForTarget();
  void ShowState();
  void ShowCounts();
  void ShowHints();
  QString ResultText() const;
  void SetShown(bool on);
};
