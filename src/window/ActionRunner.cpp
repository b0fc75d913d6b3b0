#include "ActionRunner.h"

#include <utility>

TActionRunner::TActionRunner(TPhasorDocument &document, TActionWork work)
    : Document(document), Work(std::move(work))
{
}

void TActionRunner::Begin(const QString &undoText, TStepKind kind)
{
  ++Depth;
  Document.BeginAction(undoText, kind);
}

// In the order the steps themselves would have done it: the tone, the play
// request that uses it, then the pictures; the step last.
void TActionRunner::End()
{
  if (--Depth > 0) {
    Document.EndAction();
    return;
  }
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
  Document.EndAction();
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
