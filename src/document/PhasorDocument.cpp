#include "PhasorDocument.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <cstring>
#include <utility>

bool TPhasorSnapshot::SameSet(const TPhasorSnapshot &other) const
{
  const auto sameEntries = std::equal(
      Entries.begin(), Entries.end(), other.Entries.begin(),
      [](const HarmonicPhasor &a, const HarmonicPhasor &b) { return a.Re == b.Re && a.Im == b.Im; });
  return sameEntries && *Ideal == *other.Ideal && Highest == other.Highest
         && WaveformItem == other.WaveformItem && Conjugate == other.Conjugate
         && IdleEditMode == other.IdleEditMode && GridTexts == other.GridTexts;
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
    emit Document.Restore(*Before);
  }

  void redo() override
  {
    Document.Last = After;
    // Pushing a step records what the action has already done.
    if (std::exchange(FirstRedo, false))
      return;
    emit Document.Restore(*After);
  }

private:
  TPhasorDocument &Document;
  std::shared_ptr<TPhasorSnapshot> Before;
  std::shared_ptr<TPhasorSnapshot> After;
  bool FirstRedo = true;
};

TPhasorDocument::TPhasorDocument()
    : CurrentPhasor(&PhasorList[0]), BasePhasor(&PhasorList[0]),
      Steps(new QUndoStack(this)), Last(std::make_shared<TPhasorSnapshot>())
{
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

void TPhasorDocument::ClearEntries()
{
  PhasorList.fill(HarmonicPhasor{});
  BasePhasor = &PhasorList[0];
  HarmonicIndex = 0;
}

void TPhasorDocument::SetIdealPeriod(const std::array<double, PeriodSteps> &period)
{
  std::copy(period.begin(), period.end(), IdealWave.begin());
  std::copy(period.begin(), period.end(), IdealWave.begin() + PeriodSteps);
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
