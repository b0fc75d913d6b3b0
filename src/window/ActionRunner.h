#pragma once

#include "PhasorDocument.h"

#include <QString>

#include <functional>

// The work a user action ends with, done by the window's parts when the
// runner asks for it. Each is set by the window; all run on the
// user-interface thread.
struct TActionWork {
  std::function<void()> Synthesize;  // the tone from the entries, into the player
  std::function<void(bool on)> Play;  // a play (on) or stop request to the player
  std::function<void()> Redraw;       // every picture at the current step
  // Brings the document up to the controls' last word before a step is
  // recorded (a drop-down or box set without its handler).
  std::function<void()> Settle;
};

// One user action, one redraw and one tone. While an action runs, the
// redraws, syntheses and play requests of its steps are only noted; when the
// outermost action ends it synthesises once, makes one play request (after
// one stop request when a step stopped the sound first, so the old tone ends
// before the new one starts) and redraws once, from the state its steps left.
// The pictures, texts and tone it ends with are those of doing every step at
// once; only the work in between is saved.
//
// Each action is also one of the document's (TPhasorDocument::BeginAction):
// with an undo text, the outermost one becomes one undo step when the set
// changed, recorded after the work of its end, so the step holds the tone the
// action ended with. User-interface thread only.
class TActionRunner {
public:
  TActionRunner(TPhasorDocument &document, TActionWork work);

  void Begin(const QString &undoText = QString(), TStepKind kind = TStepKind::Keep);
  void End();
  // Steps are only noted while an action runs (see the class).
  bool Deferring() const { return Defer && Depth > 0; }

  // Each notes its request and returns true while Deferring(); the caller
  // does the work itself on false.
  bool DeferTone();
  bool DeferRedraw();
  bool DeferPlay(bool on);
  // Forgets a noted synthesis: the tone was put back as it was.
  void DropTone() { TonePending = false; }

  // The start of the step the running action records, while that action is
  // the outermost one and has an undo text; null otherwise.
  TPhasorSnapshot *OwnStepStart() const { return Document.OwnStepStart(); }

  // Off: every step redraws, synthesises and plays at once, as the plain
  // algorithm does (kept to compare the two in tests and benchmarks).
  bool Defer = true;

private:
  enum class TSoundRequest { None, Stop, Play, StopThenPlay };
  TPhasorDocument &Document;
  const TActionWork Work;
  int Depth = 0;
  bool RedrawPending = false;
  bool TonePending = false;
  TSoundRequest SoundPending = TSoundRequest::None;
};

// Marks one user action for its lifetime on a runner.
class TActionScope {
public:
  explicit TActionScope(TActionRunner &runner, const QString &undoText = QString(),
                        TStepKind kind = TStepKind::Keep)
      : Runner(runner)
  {
    Runner.Begin(undoText, kind);
  }
  ~TActionScope() { Runner.End(); }
  TActionScope(const TActionScope &) = delete;
  TActionScope &operator=(const TActionScope &) = delete;

private:
  TActionRunner &Runner;
};
