#include "ActionRunner.h"

#include <utility>

TActionRunner::TActionRunner(TPhasorDocument &document, TActionWork work)
    : Document(document), Work(std::move(work))
{
}

void TActionRunner::Begin(const QString &undoText, TStepKind kind)
{
  if (Depth++ == 0 && !undoText.isEmpty()) {
    StepBefore = StrokeBefore ? std::exchange(StrokeBefore, nullptr) : Work.Capture();
    StepText = undoText;
    StepKind = kind;
  }
}

// In the order the steps themselves would have done it: the tone, the play
// request that uses it, then the pictures.
void TActionRunner::End()
{
  if (--Depth > 0)
    return;
  const bool tone = std::exchange(TonePending, false);
  const TSoundRequest sound = std::exchange(SoundPending, TSoundRequest::None);
  const bool redraw = std::exchange(RedrawPending, false);
  if (tone)
    Work.Synthesize();
  if (sound == TSoundRequest::Stop || sound == TSoundRequest::StopThenPlay)
    Work.Play(false);
  if (sound == TSoundRequest::Play || sound == TSoundRequest::StopThenPlay)
    Work.Play(true);
  if (redraw)
    Work.Redraw();
  Work.Settle();
  if (StepBefore) {
    const std::shared_ptr<TPhasorSnapshot> before = std::exchange(StepBefore, nullptr);
    // Taken after the deferred tone and redraw, so the step holds the tone
    // the action ended with.
    Document.RecordStep(before, Work.Capture(), StepText, StepKind);
  }
}

bool TActionRunner::DeferTone()
{
  if (Deferring())
    TonePending = true;
  return Deferring();
}

bool TActionRunner::DeferRedraw()
{
  if (Deferring())
    RedrawPending = true;
  return Deferring();
}

bool TActionRunner::DeferPlay(bool on)
{
  if (!Deferring())
    return false;
  if (!on)
    SoundPending = TSoundRequest::Stop;
  else if (SoundPending == TSoundRequest::Stop || SoundPending == TSoundRequest::StopThenPlay)
    SoundPending = TSoundRequest::StopThenPlay;
  else
    SoundPending = TSoundRequest::Play;
  return true;
}

void TActionRunner::StartStroke()
{
  if (!StrokeBefore)
    StrokeBefore = Work.Capture();
}

void TActionRunner::EndStroke(const QString &text)
{
  if (StrokeBefore && Depth == 0)
    Document.RecordStep(std::exchange(StrokeBefore, nullptr), Work.Capture(), text,
                        TStepKind::HandMade);
}
