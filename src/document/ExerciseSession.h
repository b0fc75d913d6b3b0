#pragma once

#include "ExerciseSetFile.h"
#include "ExerciseTargets.h"
#include "HarmonicModel.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class TPhasorDocument;

// An exercise: a target wave the student matches by building a set in the
// window. The target is a second phasor document that nothing shows: its
// entries (in the student's convention, which it follows), its highest
// harmonic and its wave. Targets come from a level and a seed, or one after
// another from a teacher's set. The session counts the attempts (checks),
// the hints and the time of the target in hand, and keeps one result per
// target the student has left or finished (solved, or its answer shown).
// Needs no window. User-interface thread only.
class TExerciseSession : public QObject {
  Q_OBJECT

public:
  explicit TExerciseSession(QObject *parent = nullptr);
  ~TExerciseSession() override;

  bool Active() const { return IsActive; }
  // The level (1..6) of a generated target, 0 for a teacher's; its seed.
  int Level() const { return TargetLevel; }
  quint32 Seed() const { return TargetSeed; }
  // The teacher's set being worked through (empty for generated targets),
  // and the index of the target in hand in it.
  const std::vector<ExerciseSetFile::TTarget> &Sequence() const { return Set; }
  int SequenceIndex() const { return SetIndex; }
  QString TargetName() const;
  double Threshold() const { return TargetThreshold; }

  // A generated target (the result of the one in hand is kept first).
  void StartLevel(int level, quint32 seed, bool conjugate);
  // A teacher's set, from its first target; an empty one changes nothing.
  void StartSet(const std::vector<ExerciseSetFile::TTarget> &set, bool conjugate);
  // The set's next target: false, with nothing changed, after its last.
  bool StartNextInSet(bool conjugate);
  // The exercise ends; its results stay.
  void End();
  // The target's entries follow the student's convention.
  void FollowConjugate(bool conjugate);

  // The target's entries in the student's convention, its highest harmonic,
  // and its real wave over both periods as the time plot draws a set's.
  const TPhasorArray &TargetEntries() const;
  int TargetHighest() const;
  const std::array<double, SweepSteps> &TargetWave() const { return Wave; }
  // The harmonics 0..TargetHighest() whose entries are not zero.
  std::vector<int> HarmonicsUsed() const;

  // The RMS difference between the real wave of entries 0..highest and the
  // target's, over one period.
  double Difference(const TPhasorArray &entries, int highest, bool conjugate) const;

  // A check of the student's set: one attempt, solved below the threshold.
  // A finished target (solved or revealed) counts no more attempts. Returns
  // whether this check solved it.
  bool Check(const TPhasorArray &entries, int highest, bool conjugate);
  int Attempts() const { return AttemptCount; }
  bool Solved() const { return IsSolved; }
  bool Revealed() const { return IsRevealed; }
  bool Finished() const { return IsSolved || IsRevealed; }
  // Whether a check was made, and the difference it found.
  bool Checked() const { return AttemptCount > 0; }
  double CheckedDifference() const { return LastDifference; }

  // Hints, each counted: first how many harmonics the target uses; then its
  // spectrum outlined; then, one per hint, the value of the used harmonic
  // furthest from the student's (entries, in the student's convention).
  // False, nothing counted, when none is left or the target is finished.
  bool TakeHint(const TPhasorArray &entries, int highest);
  bool HintLeft() const;
  int Hints() const { return HintCount; }
  bool OutlinesShown() const { return HintCount >= 2; }
  const std::vector<int> &RevealedHarmonics() const { return Told; }
  // The answer is shown: the target is finished, unsolved.
  void Reveal();

  // Seconds on the target in hand, stopped when it is finished.
  double Seconds() const;
  // The results so far, the target in hand last.
  std::vector<ExerciseSetFile::TResult> Results() const;

  // The hidden document holding the target.
  const TPhasorDocument &Target() const { return *Hidden; }

signals:
  // Anything above changed.
  void Changed();

private:
  std::unique_ptr<TPhasorDocument> Hidden;
  std::array<double, SweepSteps> Wave{};
  bool IsActive = false;
  int TargetLevel = 0;
  quint32 TargetSeed = 0;
  double TargetThreshold = 0.0;
  std::vector<ExerciseSetFile::TTarget> Set;
  int SetIndex = -1;
  int AttemptCount = 0;
  int HintCount = 0;
  bool IsSolved = false;
  bool IsRevealed = false;
  double LastDifference = 0.0;
  std::vector<int> Told;
  QElapsedTimer Clock;
  double FinishedSeconds = 0.0;
  std::vector<ExerciseSetFile::TResult> Kept;

  // The result of the target in hand joins the kept ones.
  void KeepResult();
  ExerciseSetFile::TResult ResultInHand() const;
  // A new target in hand: counts at zero, the clock started, the wave made.
  void Begin(bool conjugate);
  void BuildRecipe(const ExerciseTargets::TRecipe &recipe);
  void BuildSet(const PhasorSetFile::TState &state);
  void MakeWave();
};
