#include "ExerciseSession.h"

#include "PhasorDocument.h"
#include "Reconstruction.h"
#include "WaveformItems.h"

#include <algorithm>
#include <cmath>

namespace {

// The hidden document's rules within one action without an undo text, so
// that building a target records no history in it.
class TQuietRules {
public:
  explicit TQuietRules(TPhasorDocument &document) : Document(document) { Document.BeginAction(); }
  ~TQuietRules() { Document.EndAction(); }
  TQuietRules(const TQuietRules &) = delete;
  TQuietRules &operator=(const TQuietRules &) = delete;

private:
  TPhasorDocument &Document;
};

}  // namespace

TExerciseSession::TExerciseSession(QObject *parent)
    : QObject(parent), Hidden(std::make_unique<TPhasorDocument>())
{
}

TExerciseSession::~TExerciseSession() = default;

QString TExerciseSession::TargetName() const
{
  if (TargetLevel > 0)
    return tr("Level %1, seed %2").arg(TargetLevel).arg(TargetSeed);
  const QString name = Set.empty() ? QString() : Set[std::size_t(SetIndex)].Name;
  return name.isEmpty() ? tr("Target %1").arg(SetIndex + 1) : name;
}

void TExerciseSession::StartLevel(int level, quint32 seed, bool conjugate)
{
  KeepResult();
  Set.clear();
  SetIndex = -1;
  const ExerciseTargets::TRecipe recipe = ExerciseTargets::MakeRecipe(level, seed);
  TargetLevel = recipe.Level;
  TargetSeed = seed;
  TargetThreshold = ExerciseTargets::Threshold(recipe.Level);
  const TQuietRules quiet(*Hidden);
  BuildRecipe(recipe);
  Begin(conjugate);
}

void TExerciseSession::StartSet(const std::vector<ExerciseSetFile::TTarget> &set, bool conjugate)
{
  if (set.empty())
    return;
  KeepResult();
  Set = set;
  SetIndex = -1;
  StartNextInSet(conjugate);
}

bool TExerciseSession::StartNextInSet(bool conjugate)
{
  if (SetIndex + 1 >= int(Set.size()))
    return false;
  if (SetIndex >= 0)
    KeepResult();
  ++SetIndex;
  const ExerciseSetFile::TTarget &target = Set[std::size_t(SetIndex)];
  TargetLevel = 0;
  TargetSeed = 0;
  TargetThreshold = target.Threshold;
  const TQuietRules quiet(*Hidden);
  BuildSet(target.Set);
  Begin(conjugate);
  return true;
}

void TExerciseSession::End()
{
  if (!IsActive)
    return;
  KeepResult();
  IsActive = false;
  Set.clear();
  SetIndex = -1;
  emit Changed();
}

void TExerciseSession::FollowConjugate(bool conjugate)
{
  if (Hidden->Conjugate == conjugate)
    return;
  const TQuietRules quiet(*Hidden);
  Hidden->SetConjugate(conjugate);
  MakeWave();
  emit Changed();
}

const TPhasorArray &TExerciseSession::TargetEntries() const
{
  return Hidden->PhasorList;
}

int TExerciseSession::TargetHighest() const
{
  return Hidden->HighestHarmonic;
}

std::vector<int> TExerciseSession::HarmonicsUsed() const
{
  std::vector<int> used;
  for (int k = 0; k <= Hidden->HighestHarmonic; ++k) {
    const HarmonicPhasor &e = Hidden->PhasorList[std::size_t(k)];
    // Harmonic 0 counts by its real part, the only one the real wave shows.
    if (k == 0 ? e.Re != 0.0 : (e.Re != 0.0 || e.Im != 0.0))
      used.push_back(k);
  }
  return used;
}

double TExerciseSession::Difference(const TPhasorArray &entries, int highest,
                                    bool conjugate) const
{
  return Reconstruction::RmsError(entries, highest, conjugate, Wave);
}

bool TExerciseSession::Check(const TPhasorArray &entries, int highest, bool conjugate)
{
  if (!IsActive || Finished())
    return false;
  ++AttemptCount;
  LastDifference = Difference(entries, highest, conjugate);
  IsSolved = LastDifference < TargetThreshold;
  if (IsSolved)
    FinishedSeconds = Seconds();
  emit Changed();
  return IsSolved;
}

bool TExerciseSession::HintLeft() const
{
  return IsActive && !Finished() && (HintCount < 2 || Told.size() < HarmonicsUsed().size());
}

bool TExerciseSession::TakeHint(const TPhasorArray &entries, int highest)
{
  if (!HintLeft())
    return false;
  if (HintCount >= 2) {
    // The used harmonic not yet told whose entry lies furthest from the
    // student's (an entry above the student's highest harmonic counts as 0).
    int furthest = -1;
    double distance = -1.0;
    for (int k : HarmonicsUsed()) {
      if (std::find(Told.begin(), Told.end(), k) != Told.end())
        continue;
      const HarmonicPhasor &t = Hidden->PhasorList[std::size_t(k)];
      const HarmonicPhasor &s = entries[std::size_t(k)];
      const double d = k <= highest ? std::hypot(t.Re - s.Re, t.Im - s.Im) : std::hypot(t.Re, t.Im);
      if (d > distance) {
        distance = d;
        furthest = k;
      }
    }
    Told.push_back(furthest);
  }
  ++HintCount;
  emit Changed();
  return true;
}

void TExerciseSession::Reveal()
{
  if (!IsActive || Finished())
    return;
  IsRevealed = true;
  FinishedSeconds = Seconds();
  emit Changed();
}

double TExerciseSession::Seconds() const
{
  if (!IsActive)
    return 0.0;
  if (Finished())
    return FinishedSeconds;
  return Clock.isValid() ? Clock.elapsed() / 1000.0 : 0.0;
}

std::vector<ExerciseSetFile::TResult> TExerciseSession::Results() const
{
  std::vector<ExerciseSetFile::TResult> results = Kept;
  if (IsActive)
    results.push_back(ResultInHand());
  return results;
}

ExerciseSetFile::TResult TExerciseSession::ResultInHand() const
{
  ExerciseSetFile::TResult result;
  result.Target = TargetName();
  result.Level = TargetLevel;
  result.Seed = TargetSeed;
  result.Solved = IsSolved;
  result.Revealed = IsRevealed;
  result.Attempts = AttemptCount;
  result.Hints = HintCount;
  result.Seconds = Seconds();
  return result;
}

void TExerciseSession::KeepResult()
{
  if (IsActive)
    Kept.push_back(ResultInHand());
}

void TExerciseSession::Begin(bool conjugate)
{
  // Entries above the highest harmonic take no part: the target holds none.
  std::array<std::pair<double, double>, HarmonicCount> entries{};
  for (int k = 0; k <= Hidden->HighestHarmonic; ++k)
    entries[std::size_t(k)] = {Hidden->PhasorList[std::size_t(k)].Re,
                               Hidden->PhasorList[std::size_t(k)].Im};
  Hidden->SetEntries(entries);
  Hidden->SetConjugate(conjugate);
  MakeWave();
  IsActive = true;
  AttemptCount = 0;
  HintCount = 0;
  IsSolved = false;
  IsRevealed = false;
  LastDifference = 0.0;
  Told.clear();
  FinishedSeconds = 0.0;
  Clock.start();
  emit Changed();
}

// Built as the editor builds it with "Use Conjugate Rotants" off: each
// harmonic through its apply, so its entry carries the table's rounding.
void TExerciseSession::BuildRecipe(const ExerciseTargets::TRecipe &recipe)
{
  Hidden->SetConjugate(false);
  if (recipe.Waveform) {
    Hidden->SetShape({});
    Hidden->ChooseWaveform(WaveformItems::FirstStandard + int(*recipe.Waveform));
    Hidden->SetHighestHarmonic(recipe.Highest);
    return;
  }
  Hidden->ChooseWaveform(WaveformItems::CustomRotants);
  for (const ExerciseTargets::THarmonic &h : recipe.Harmonics)
    Hidden->ApplyHarmonic(h.K, h.Magnitude, h.Angle);
  Hidden->SetHighestHarmonic(HarmonicCount - 1);
}

void TExerciseSession::BuildSet(const PhasorSetFile::TState &state)
{
  Hidden->SetConjugate(state.Conjugate);
  Hidden->ChooseWaveform(WaveformItems::CustomRotants);
  std::array<std::pair<double, double>, HarmonicCount> entries{};
  for (std::size_t k = 0; k < entries.size(); ++k)
    entries[k] = {state.Entries[k].Re, state.Entries[k].Im};
  Hidden->SetEntries(entries);
  Hidden->ShowEntriesAsTexts(0, HarmonicCount - 1);
  Hidden->SetHighestHarmonic(state.HighestHarmonic);
}

void TExerciseSession::MakeWave()
{
  Wave = Reconstruction::RealValues(Hidden->PhasorList, Hidden->HighestHarmonic,
                                    Hidden->Conjugate);
}
