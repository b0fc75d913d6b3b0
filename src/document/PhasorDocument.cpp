#include "PhasorDocument.h"

#include "NumberText.h"
#include "PhasorSetFile.h"
#include "WaveformItems.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// Significant digits and decimals of the editor's texts.
constexpr int MagnitudePrecision = 7;
constexpr int MagnitudeDecimals = 4;
constexpr int LoadedAnglePrecision = 3;
constexpr int AnglePrecision = 6;
constexpr int AngleDecimals = 1;

// The editor's limits are the ones a saved file is checked against.
using PhasorSetFile::EditorMaxMagnitude;
using PhasorSetFile::MaxAngle;

// 1/256, an exact power of two: scales the unscaled transform to the
// two-sided Fourier coefficients.
constexpr double SpectrumScale = 0.00390625;

// Sample of the first period that a time-plot column 0..511 addresses.
int FoldColumn(int column)
{
  return column < PeriodSteps ? column : column - PeriodSteps;
}

}  // namespace

std::shared_ptr<const std::array<double, SweepSteps>> TPhasorSnapshot::ZeroWave()
{
  static const auto zeros = std::make_shared<const std::array<double, SweepSteps>>();
  return zeros;
}

bool TPhasorSnapshot::SameSet(const TPhasorSnapshot &other) const
{
  const auto sameEntries = std::equal(
      Entries.begin(), Entries.end(), other.Entries.begin(),
      [](const HarmonicPhasor &a, const HarmonicPhasor &b) { return a.Re == b.Re && a.Im == b.Im; });
  return sameEntries && *Ideal == *other.Ideal && Highest == other.Highest
         && WaveformItem == other.WaveformItem && Shape == other.Shape
         && RecordedFrom == other.RecordedFrom && Conjugate == other.Conjugate
         && IdleEditMode == other.IdleEditMode
         && GridTexts == other.GridTexts;
}

bool TPhasorSnapshot::SameAs(const TPhasorSnapshot &other) const
{
  const auto sameBits = [](const HarmonicPhasor &a, const HarmonicPhasor &b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
  };
  return std::equal(Entries.begin(), Entries.end(), other.Entries.begin(), sameBits)
         && std::memcmp(Ideal->data(), other.Ideal->data(), sizeof *Ideal) == 0
         && HarmonicIndex == other.HarmonicIndex && Highest == other.Highest
         && IdleEditMode == other.IdleEditMode && CurrentIndex == other.CurrentIndex
         && BaseIndex == other.BaseIndex && WaveformItem == other.WaveformItem
         && Shape == other.Shape && RecordedFrom == other.RecordedFrom
         && Conjugate == other.Conjugate && GridTexts == other.GridTexts
         && GridRow == other.GridRow && EditTexts == other.EditTexts && Tone == other.Tone
         && HandMade == other.HandMade;
}

// One user action: the snapshots before and after it, shared with the steps
// next to it.
class TPhasorDocument::TStep : public QUndoCommand {
public:
  TStep(TPhasorDocument &document, std::shared_ptr<TPhasorSnapshot> before,
        std::shared_ptr<TPhasorSnapshot> after, const QString &text)
      : QUndoCommand(text), Document(document), Before(std::move(before)),
        After(std::move(after))
  {
  }

  void undo() override
  {
    Document.Last = Before;
    Document.PutBack(*Before);
  }

  // A step is pushed after its action has changed the set, which the
  // document then already holds.
  void redo() override
  {
    Document.Last = After;
    if (!Document.Holds(*After))
      Document.PutBack(*After);
  }

private:
  TPhasorDocument &Document;
  std::shared_ptr<TPhasorSnapshot> Before;
  std::shared_ptr<TPhasorSnapshot> After;
};

class TPhasorDocument::TRuleStep {
public:
  TRuleStep(TPhasorDocument &document, const QString &text, TStepKind kind) : Document(document)
  {
    Document.BeginAction(text, kind);
  }
  ~TRuleStep() { Document.EndAction(); }
  TRuleStep(const TRuleStep &) = delete;
  TRuleStep &operator=(const TRuleStep &) = delete;

private:
  TPhasorDocument &Document;
};

TPhasorDocument::TPhasorDocument()
    : CurrentPhasor(&PhasorList[0]), BasePhasor(&PhasorList[0]),
      EditTexts{QStringLiteral("0"), QStringLiteral("0.0"), QStringLiteral("0.0")},
      Steps(new QUndoStack(this)), Last(std::make_shared<TPhasorSnapshot>())
{
  for (int k = 0; k < HarmonicCount; ++k)
    GridTexts[std::size_t(3 * k)] = QString::number(k);
  ClearGridValues();
  connect(Steps, &QUndoStack::cleanChanged, this,
          [this](bool clean) { emit ModifiedChanged(!clean); });
}

TPhasorDocument::~TPhasorDocument() = default;

void TPhasorDocument::SetEntry(double re, double im)
{
  if (HarmonicIndex < 0 || HarmonicIndex >= HarmonicCount)
    return;
  HarmonicPhasor &e = PhasorList[std::size_t(HarmonicIndex)];
  CurrentPhasor = &e;
  e.Re = re;
  e.Im = im;
  e.RotRe = re;
  e.RotIm = im;
  if (HarmonicIndex > 0) {
    // The previous entry's sums may belong to another time step; the next
    // rotation makes every sum exact.
    const HarmonicPhasor &previous = PhasorList[std::size_t(HarmonicIndex - 1)];
    e.SumRe = re + previous.SumRe;
    e.SumIm = im + previous.SumIm;
  } else {
    e.SumRe = re;
    e.SumIm = im;
  }
}

void TPhasorDocument::ScaleHarmonics(double factor)
{
  for (std::size_t k = 1; k < std::size_t(HarmonicCount); ++k) {
    HarmonicPhasor &e = PhasorList[k];
    e.Re *= factor;
    e.Im *= factor;
    e.RotRe *= factor;
    e.RotIm *= factor;
    e.SumRe *= factor;
    e.SumIm *= factor;
  }
}

void TPhasorDocument::SetHighestHarmonic(int highest)
{
  if (highest < 0 || highest >= HarmonicCount)
    return;
  const TRuleStep step(*this, tr("Highest Harmonic %1").arg(highest), TStepKind::Keep);
  HighestHarmonic = highest;
  emit HighestHarmonicChanged(highest);
}

void TPhasorDocument::SetConjugate(bool conjugate)
{
  if (conjugate == Conjugate)
    return;
  const TRuleStep step(*this, tr("Use Conjugate Rotants"), TStepKind::Keep);
  Conjugate = conjugate;
  ScaleHarmonics(conjugate ? 0.5 : 2.0);
  ShowEntriesAsTexts(1, HarmonicCount - 1);
  emit ConjugateChanged(conjugate);
  emit EntriesChanged();
}

void TPhasorDocument::SetEntries(
    const std::array<std::pair<double, double>, HarmonicCount> &entries)
{
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const auto [re, im] = entries[k];
    HarmonicPhasor &e = PhasorList[k];
    e = HarmonicPhasor{re, im, re, im, re, im};
    if (k > 0) {
      e.SumRe += PhasorList[k - 1].SumRe;
      e.SumIm += PhasorList[k - 1].SumIm;
    }
  }
}

void TPhasorDocument::SetPlacement(int next, int base)
{
  HarmonicIndex = std::clamp(next, 0, HarmonicCount);
  BasePhasor = &PhasorList[std::size_t(std::clamp(base, 0, HarmonicCount - 1))];
  CurrentPhasor = BasePhasor;
}

void TPhasorDocument::ClearEntries()
{
  PhasorList.fill(HarmonicPhasor{});
  BasePhasor = &PhasorList[0];
  HarmonicIndex = 0;
}

void TPhasorDocument::LoadEntry(double re, double im)
{
  SetEntry(re, im);
  // Only an existing entry can be loaded; after a standard preset
  // HarmonicIndex rests at 26, one past the last.
  const int k = HarmonicIndex;
  if (k < 0 || k >= HarmonicCount)
    return;
  double magnitude = 0.0;
  double angle = 0.0;
  HarmonicMath::RectToPolar(re, im, magnitude, angle);
  SelectHarmonic(k);
  SetEditTexts(QString::number(k), QString::fromStdString(MagnitudeText(magnitude)),
               QString::fromStdString(LoadedAngleText(angle)));
  ApplyTyped(k, EditTexts[1], EditTexts[2]);
}

void TPhasorDocument::ToCurrentConvention()
{
  if (Conjugate)
    return;
  ScaleHarmonics(2.0);
  ShowEntriesAsTexts(1, HarmonicCount - 1);
}

void TPhasorDocument::ChooseWaveform(int item)
{
  if (item < 0 || item >= WaveformItems::Count)
    return;
  const TRuleStep step(*this, WaveformNames().value(item), TStepKind::Rebuild);
  WaveformItem = item;
  SetRecordedFrom({});
  ClearEntries();
  ClearGridValues();
  TEditMode mode = NoEditing;
  if (item == WaveformItems::CustomRotants) {
    LoadEntry(0.0, 0.0);
    // Above the plot's range of -1..1, so the ideal curve stays out of sight.
    std::fill_n(IdealWave.begin(), PeriodSteps, 2.0);
    RepeatIdealPeriod();
    HarmonicIndex = 1;
    mode = PlacingTips;
  } else if (item == WaveformItems::CustomTime) {
    IdealWave.fill(0.0);
    mode = DrawingWave;
  } else {
    // The harmonics in ascending order (entry 0 as zero when the waveform has
    // no mean), then its ideal wave.
    const WaveformPresets::TWaveform waveform = WaveformItems::Standard(item);
    const int first = WaveformPresets::FirstHarmonic(waveform);
    if (first > 0) {
      HarmonicIndex = 0;
      LoadEntry(0.0, 0.0);
    }
    for (int k = first; k < HarmonicCount; ++k) {
      HarmonicIndex = k;
      const auto [re, im] = WaveformPresets::Coefficient(waveform, k, Shape);
      LoadEntry(re, im);
    }
    HarmonicIndex = HarmonicCount;
    SetIdealPeriod(WaveformPresets::IdealPeriod(waveform, Shape));
    ToCurrentConvention();
  }
  EditMode = mode;
  IdleEditMode = mode;
  emit WaveformChanged(item);
  emit EditModeChanged(mode);
  emit EntriesChanged();
}

void TPhasorDocument::SetShape(const WaveformPresets::TShape &shape)
{
  if (!WaveformPresets::ValidShape(shape) || shape == Shape)
    return;
  const TRuleStep step(*this, tr("Shape"), TStepKind::Rebuild);
  Shape = shape;
  if (WaveformItems::IsStandard(WaveformItem)) {
    BuildStandard(WaveformItems::Standard(WaveformItem));
    emit EntriesChanged();
  }
  emit ShapeChanged();
}

// The texts each harmonic gets are those of LoadEntry: the loaded texts
// (fewer digits for the angle) read back and applied; the entry follows the
// applied texts.
void TPhasorDocument::BuildStandard(WaveformPresets::TWaveform waveform)
{
  const int first = WaveformPresets::FirstHarmonic(waveform);
  for (int k = 0; k < HarmonicCount; ++k) {
    const auto [re, im] =
        k < first ? std::pair{0.0, 0.0} : WaveformPresets::Coefficient(waveform, k, Shape);
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(re, im, magnitude, angle);
    ReadNumber(MagnitudeText(magnitude), magnitude);
    ReadNumber(LoadedAngleText(angle), angle);
    const TAppliedHarmonic applied = ApplyHarmonic(k, magnitude, angle);
    GridTexts[std::size_t(3 * k)] = QString::number(k);
    GridTexts[std::size_t(3 * k + 1)] = QString::fromStdString(applied.MagnitudeText);
    GridTexts[std::size_t(3 * k + 2)] = QString::fromStdString(applied.AngleText);
  }
  HarmonicIndex = HarmonicCount;
  SetIdealPeriod(WaveformPresets::IdealPeriod(waveform, Shape));
  // The one-sided texts over the two-sided ones, as a choice of the
  // waveform leaves them; the table follows once.
  if (!Conjugate) {
    ScaleHarmonics(2.0);
    WriteEntryTexts(1, HarmonicCount - 1);
  }
  emit TextsChanged(0, HarmonicCount - 1);
  LoadSelectedRow();
}

void TPhasorDocument::SetRecordedFrom(const TRecordedFrom &from)
{
  if (from == RecordedFrom)
    return;
  const TRuleStep step(*this, tr("Recording"), TStepKind::Rebuild);
  RecordedFrom = from;
  emit RecordedFromChanged();
}

void TPhasorDocument::SetIdealPeriod(const std::array<double, PeriodSteps> &period)
{
  std::copy(period.begin(), period.end(), IdealWave.begin());
  std::copy(period.begin(), period.end(), IdealWave.begin() + PeriodSteps);
}

void TPhasorDocument::RepeatIdealPeriod()
{
  std::copy_n(IdealWave.begin(), PeriodSteps, IdealWave.begin() + PeriodSteps);
}

std::string TPhasorDocument::MagnitudeText(double magnitude)
{
  return FormatFixed(magnitude, MagnitudePrecision, MagnitudeDecimals);
}

std::string TPhasorDocument::AngleText(double angle)
{
  return FormatFixed(angle, AnglePrecision, AngleDecimals);
}

std::string TPhasorDocument::LoadedAngleText(double angle)
{
  return FormatFixed(angle, LoadedAnglePrecision, AngleDecimals);
}

TAppliedHarmonic TPhasorDocument::ApplyHarmonic(int k, double magnitude, double angle)
{
  TAppliedHarmonic applied;
  if (k < 0 || k >= HarmonicCount)
    return applied;
  // Written so that a value that compares unordered also becomes 0.
  if (!(magnitude >= 0.0) || magnitude > EditorMaxMagnitude) {
    magnitude = 0.0;
    applied.MagnitudeReplaced = true;
  }
  if (!(angle >= -MaxAngle) || angle > MaxAngle) {
    angle = 0.0;
    applied.AngleReplaced = true;
  }
  applied.MagnitudeText = MagnitudeText(magnitude);
  applied.AngleText = AngleText(angle);
  // The texts always read back; the values as shown win.
  ReadNumber(applied.MagnitudeText, magnitude);
  ReadNumber(applied.AngleText, angle);
  double re = 0.0;
  double im = 0.0;
  HarmonicMath::PolarToRect(magnitude, angle, re, im);
  HarmonicIndex = k;
  SetEntry(re, im);
  return applied;
}

std::pair<double, double> TPhasorDocument::PlacementEntry(double x, double y, bool turned,
                                                          std::pair<double, double> baseTip) const
{
  const auto [baseRe, baseIm] = baseTip;
  if (turned)
    return {y - baseRe, -x - baseIm};
  return {x - baseRe, y - baseIm};
}

void TPhasorDocument::AdvancePlacement()
{
  BasePhasor = CurrentPhasor;
  ++HarmonicIndex;
}

void TPhasorDocument::DrawSegment(double x1, double y1, double x2, double y2)
{
  // Left to right; where both lie in one column, the first point's value
  // stands.
  if (!(x2 > x1)) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const double lastColumn = SweepSteps - 1;
  const double first = std::max(std::trunc(x1), 0.0);
  const double last = std::min(x2, lastColumn);
  if (x2 == x1) {
    if (first <= last)
      IdealWave[std::size_t(FoldColumn(int(first)))] = y2;
    return;
  }
  if (first > last)
    return;
  const double slope = (y2 - y1) / (x2 - x1);
  for (int i = int(first); i <= last; ++i)
    IdealWave[std::size_t(FoldColumn(i))] = (i - x1) * slope + y1;
}

std::array<std::pair<double, double>, HarmonicCount>
TPhasorDocument::DrawnSpectrum(const TRadix2FFT &transform) const
{
  std::array<double, PeriodSteps> real{};
  std::array<double, PeriodSteps> imaginary{};
  std::copy_n(IdealWave.begin(), PeriodSteps, real.begin());
  transform.Transform(real.data(), imaginary.data());
  transform.ReorderBitReversed(real.data(), imaginary.data());
  std::array<std::pair<double, double>, HarmonicCount> spectrum{};
  for (std::size_t k = 0; k < spectrum.size(); ++k)
    spectrum[k] = {real[k] * SpectrumScale, imaginary[k] * SpectrumScale};
  return spectrum;
}

void TPhasorDocument::SetGridValues(int k, const QString &magnitude, const QString &angle)
{
  if (k < 0 || k >= HarmonicCount)
    return;
  GridTexts[std::size_t(3 * k + 1)] = magnitude;
  GridTexts[std::size_t(3 * k + 2)] = angle;
  emit TextsChanged(k, k);
}

void TPhasorDocument::ClearGridValues()
{
  for (int k = 0; k < HarmonicCount; ++k) {
    GridTexts[std::size_t(3 * k + 1)] = QStringLiteral("0.0");
    GridTexts[std::size_t(3 * k + 2)] = QStringLiteral("0.0");
  }
  emit TextsChanged(0, HarmonicCount - 1);
}

void TPhasorDocument::ShowEntriesAsTexts(int first, int last)
{
  const bool selectedShown = WriteEntryTexts(first, last);
  emit TextsChanged(std::max(first, 0), std::min(last, HarmonicCount - 1));
  if (selectedShown)
    LoadSelectedRow();
}

bool TPhasorDocument::WriteEntryTexts(int first, int last)
{
  bool selectedShown = false;
  for (int k = std::max(first, 0); k <= std::min(last, HarmonicCount - 1); ++k) {
    const HarmonicPhasor &e = PhasorList[std::size_t(k)];
    if (e.Re == 0.0 && e.Im == 0.0)
      continue;
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(e.Re, e.Im, magnitude, angle);
    GridTexts[std::size_t(3 * k + 1)] = QString::fromStdString(MagnitudeText(magnitude));
    GridTexts[std::size_t(3 * k + 2)] = QString::fromStdString(AngleText(angle));
    selectedShown = selectedShown || Selected == k;
  }
  return selectedShown;
}

void TPhasorDocument::SetEditTexts(const QString &harmonic, const QString &magnitude,
                                   const QString &angle)
{
  const std::array<QString, 3> texts{harmonic, magnitude, angle};
  if (texts == EditTexts)
    return;
  EditTexts = texts;
  emit EditTextsChanged();
}

void TPhasorDocument::LoadSelectedRow()
{
  if (Selected < 0 || Selected >= HarmonicCount)
    return;
  SetEditTexts(GridText(Selected, 0), GridText(Selected, 1), GridText(Selected, 2));
}

void TPhasorDocument::SelectHarmonic(int k)
{
  if (k < -1 || k >= HarmonicCount || k == Selected)
    return;
  Selected = k;
  LoadSelectedRow();
  emit SelectionChanged(k);
}

bool TPhasorDocument::ReadTyped(const QString &text, double &value)
{
  // Read as UTF-8, so any non-ASCII character rejects the text.
  return ReadNumber(text.toStdString(), value);
}

bool TPhasorDocument::ApplyTyped(int k, const QString &magnitude, const QString &angle,
                                 TAppliedHarmonic *applied)
{
  double magnitudeValue = 0.0;
  double angleValue = 0.0;
  if (k < 0 || k >= HarmonicCount || !ReadTyped(magnitude, magnitudeValue)
      || !ReadTyped(angle, angleValue))
    return false;
  const TRuleStep step(*this, tr("Typed Harmonic %1").arg(k), TStepKind::HandMade);
  // An undo of the step shows the row as it was, in the table and the edit
  // boxes alike.
  if (TPhasorSnapshot *start = OwnStepStart())
    start->EditTexts = {GridText(k, 0), GridText(k, 1), GridText(k, 2)};
  const TAppliedHarmonic result = ApplyHarmonic(k, magnitudeValue, angleValue);
  emit EntriesChanged();
  GridTexts[std::size_t(3 * k)] = QString::number(k);
  SetGridValues(k, QString::fromStdString(result.MagnitudeText),
                QString::fromStdString(result.AngleText));
  if (applied)
    *applied = result;
  return true;
}

std::shared_ptr<TPhasorSnapshot> TPhasorDocument::CaptureSet() const
{
  auto snapshot = std::make_shared<TPhasorSnapshot>();
  TPhasorSnapshot &s = *snapshot;
  // What equals the newest step's snapshot is shared with it, so a long
  // history holds mostly what changed.
  const TPhasorSnapshot &last = *Last;
  s.Entries = PhasorList;
  s.Ideal = std::memcmp(last.Ideal->data(), IdealWave.data(), sizeof IdealWave) == 0
                ? last.Ideal
                : std::make_shared<const std::array<double, SweepSteps>>(IdealWave);
  s.HarmonicIndex = HarmonicIndex;
  s.Highest = HighestHarmonic;
  s.IdleEditMode = IdleEditMode;
  s.CurrentIndex = int(CurrentPhasor - PhasorList.data());
  s.BaseIndex = int(BasePhasor - PhasorList.data());
  s.WaveformItem = WaveformItem;
  s.Shape = Shape;
  s.RecordedFrom = RecordedFrom;
  s.Conjugate = Conjugate;
  for (std::size_t i = 0; i < GridTexts.size(); ++i)
    s.GridTexts[i] = GridTexts[i] == last.GridTexts[i] ? last.GridTexts[i] : GridTexts[i];
  s.GridRow = Selected + 1;
  s.EditTexts = EditTexts;
  s.HandMade = last.HandMade;
  return snapshot;
}

void TPhasorDocument::RestoreSet(const TPhasorSnapshot &s)
{
  PhasorList = s.Entries;
  IdealWave = *s.Ideal;
  HarmonicIndex = s.HarmonicIndex;
  CurrentPhasor = &PhasorList[std::size_t(std::clamp(s.CurrentIndex, 0, HarmonicCount - 1))];
  BasePhasor = &PhasorList[std::size_t(std::clamp(s.BaseIndex, 0, HarmonicCount - 1))];
  IdleEditMode = s.IdleEditMode;
  HighestHarmonic = s.Highest;
  WaveformItem = s.WaveformItem;
  const bool reshaped = std::exchange(Shape, s.Shape) != s.Shape;
  const bool recorded = std::exchange(RecordedFrom, s.RecordedFrom) != s.RecordedFrom;
  Conjugate = s.Conjugate;
  emit HighestHarmonicChanged(s.Highest);
  emit WaveformChanged(s.WaveformItem);
  emit ConjugateChanged(s.Conjugate);
  if (reshaped)
    emit ShapeChanged();
  if (recorded)
    emit RecordedFromChanged();
  emit EntriesChanged();
  GridTexts = s.GridTexts;
  emit TextsChanged(0, HarmonicCount - 1);
  const int selected = std::clamp(s.GridRow - 1, -1, HarmonicCount - 1);
  const bool moved = std::exchange(Selected, selected) != selected;
  SetEditTexts(s.EditTexts[0], s.EditTexts[1], s.EditTexts[2]);
  if (moved)
    emit SelectionChanged(selected);
}

bool TPhasorDocument::RecordStep(const std::shared_ptr<TPhasorSnapshot> &before,
                                 const std::shared_ptr<TPhasorSnapshot> &after,
                                 const QString &text, TStepKind kind)
{
  if (before->SameSet(*after))
    return false;
  switch (kind) {
  case TStepKind::Rebuild:
    after->HandMade = false;
    break;
  case TStepKind::HandMade:
    after->HandMade = true;
    break;
  case TStepKind::Keep:
    after->HandMade = before->HandMade;
    break;
  }
  // The state before an action is most often the one the last step ended
  // in (or an undo restored): the two steps then hold one snapshot.
  const std::shared_ptr<TPhasorSnapshot> from = Last->SameAs(*before) ? Last : before;
  Steps->push(new TStep(*this, from, after, text));
  return true;
}

void TPhasorDocument::ResetHistory(const std::shared_ptr<TPhasorSnapshot> &snapshot)
{
  Steps->clear();
  Last = snapshot;
}

void TPhasorDocument::MarkSaved()
{
  Steps->setClean();
}

bool TPhasorDocument::Modified() const
{
  return !Steps->isClean();
}

bool TPhasorDocument::HoldsUnsavedWork() const
{
  return Modified() && Last->HandMade;
}

QStringList TPhasorDocument::WaveformNames()
{
  return {tr("Custom Rotants"),    tr("Custom Time"),   tr("Square"),
          tr("Rectangular Pulse"), tr("Bipolar Pulse"), tr("Triangle"),
          tr("Sawtooth"),          tr("Rectified Cosine"), tr("Impulse train")};
}

std::shared_ptr<TPhasorSnapshot> TPhasorDocument::Capture() const
{
  std::shared_ptr<TPhasorSnapshot> snapshot = CaptureSet();
  if (CaptureTone)
    CaptureTone(*snapshot);
  return snapshot;
}

bool TPhasorDocument::Holds(const TPhasorSnapshot &snapshot) const
{
  const std::shared_ptr<TPhasorSnapshot> now = CaptureSet();
  now->Tone = snapshot.Tone;
  now->HandMade = snapshot.HandMade;
  return now->SameAs(snapshot);
}

void TPhasorDocument::PutBack(const TPhasorSnapshot &snapshot)
{
  emit StepRestoring();
  StrokeBefore.reset();
  RestoreSet(snapshot);
  emit StepRestored(snapshot);
}

void TPhasorDocument::BeginAction(const QString &text, TStepKind kind)
{
  if (ActionDepth++ == 0 && !text.isEmpty()) {
    StepBefore = StrokeBefore ? std::exchange(StrokeBefore, nullptr) : Capture();
    StepText = text;
    StepKind = kind;
  }
}

// The step's end is taken after whatever the action's end has done (the
// window's deferred tone), so the step holds the tone the action ended with.
void TPhasorDocument::EndAction()
{
  if (--ActionDepth > 0 || !StepBefore)
    return;
  const std::shared_ptr<TPhasorSnapshot> before = std::exchange(StepBefore, nullptr);
  RecordStep(before, Capture(), StepText, StepKind);
}

void TPhasorDocument::StartStroke()
{
  if (!StrokeBefore)
    StrokeBefore = Capture();
}

void TPhasorDocument::EndStroke(const QString &text, TStepKind kind)
{
  if (StrokeBefore && ActionDepth == 0)
    RecordStep(std::exchange(StrokeBefore, nullptr), Capture(), text, kind);
}
