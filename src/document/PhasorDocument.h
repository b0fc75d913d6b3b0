#pragma once

#include "HarmonicModel.h"
#include "RadixFFT.h"
#include "ToneSynthesis.h"
#include "WaveformPresets.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

class QUndoStack;

// What the mouse does on the plots.
enum TEditMode : int {
  NoEditing = 0,    // playing, or a standard waveform shown
  PlacingTips = 1,  // "Custom Rotants": a click places the next harmonic's tip
  DrawingWave = 2   // "Custom Time": a stroke draws the period
};

// The recording a set was analysed from. Name empty: the set is no
// recording's.
struct TRecordedFrom {
  QString Name;  // as shown: a file's name, or the microphone's
  // The file it was read from: empty for the microphone and for a set
  // opened from a saved file, which keeps no audio.
  QString Path;
  double Fundamental = 0.0;  // Hz
  // The part analysed, in the recording's frames.
  qint64 Start = 0;
  qint64 Frames = 0;
  bool operator==(const TRecordedFrom &) const = default;
};

// Everything the user sees and hears of the phasor set at one moment: what an
// undo step puts back. Display options, the zoom, the slider and playback are
// not part of it.
struct TPhasorSnapshot {
  TPhasorArray Entries{};
  // Shared with the snapshots next to it while the wave stays the same: only
  // a waveform choice, a stroke, New and Open change it. All zeros until set,
  // one wave shared by every snapshot that has not set it.
  std::shared_ptr<const std::array<double, SweepSteps>> Ideal = ZeroWave();

  static std::shared_ptr<const std::array<double, SweepSteps>> ZeroWave();
  int HarmonicIndex = 0;
  int Highest = 25;
  TEditMode IdleEditMode = PlacingTips;
  int CurrentIndex = 0;  // harmonic of CurrentPhasor
  int BaseIndex = 0;     // harmonic of BasePhasor
  int WaveformItem = 0;
  WaveformPresets::TShape Shape;
  TRecordedFrom RecordedFrom;
  bool Conjugate = false;
  // The editor table's texts, rows of harmonics 0..25 (number, magnitude,
  // angle), its current row (1..26, or -1) and the three edit boxes' texts.
  // A text that equals the one before it in the history shares its
  // characters.
  std::array<QString, 3 * HarmonicCount> GridTexts;
  int GridRow = 1;
  std::array<QString, 3> EditTexts;
  std::array<std::uint8_t, ToneBytes> Tone{};
  // The set holds work made by hand (placed, typed, drawn, dragged) since the
  // last choice that builds a whole set (a waveform, New, Open, Clear).
  bool HandMade = false;

  // Whether the two hold the same phasor set as the user sees it: entries,
  // ideal wave, highest harmonic, waveform and its shape, the recording,
  // convention, mode and table. Which
  // row is current and what is typed in the edit boxes do not count.
  bool SameSet(const TPhasorSnapshot &other) const;
  // Whether the two are the same in every field, bit for bit: then one can
  // stand for the other in the history.
  bool SameAs(const TPhasorSnapshot &other) const;
};

// What kind of change a user action makes to the set, for the question before
// unsaved work is dropped.
enum class TStepKind {
  Rebuild,   // builds a whole set afresh: a waveform choice, Clear, New, Open
  HandMade,  // placed, typed, drawn or dragged by hand
  Keep       // changes the set, keeps its kind: highest harmonic, convention
};

// The display options a saved set carries with it. The window's check boxes
// show them; every change of a box, by the user or by the program, is kept
// here.
struct TSetOptions {
  bool RealValue = true;
  bool RotateComplexPlane = false;
  bool Trace = false;
  bool Grid = true;
  bool Sound = false;
  bool Repeat = true;
  bool IdealWave = true;
};

// What the editor's apply made of a magnitude and an angle: the texts the
// table shows for the harmonic (the entry is read back from them, so it
// carries their rounding) and which of the two values lay outside its range
// and was applied as 0.
struct TAppliedHarmonic {
  std::string MagnitudeText;
  std::string AngleText;
  bool MagnitudeReplaced = false;
  bool AngleReplaced = false;
};

// The phasor document: the state of the phasor set under the window (the
// entries, the ideal wave, the highest harmonic, the waveform item and the
// convention, the edit mode and the placement cursor, the editor table's
// texts, the edit boxes' texts and the selected harmonic, the options a saved
// set carries), the rules that change it, and its history of user actions.
// It needs no window: a QCoreApplication is enough. The window's parts show
// it and follow its signals; the window applies the rules on the user's
// actions and keeps the old names as references into it.
//
// The history holds one step per user action that changed the set, each the
// snapshot before and after it. Consecutive steps share the snapshot between
// them when nothing changed in between, and a snapshot shares its ideal wave
// and table texts with the one before it: a typed value costs about 6 KiB.
// A rule called on its own (ChooseWaveform, ApplyTyped, SetHighestHarmonic,
// SetConjugate) is one step; rules called within an action (BeginAction to
// EndAction) fold into the action's one step. A step is pushed after its
// change: its redo puts the set back only where the document does not hold
// it already. Undo and redo put the set back themselves, between
// StepRestoring and StepRestored. User-interface thread only.
class TPhasorDocument : public QObject {
  Q_OBJECT

public:
  TPhasorDocument();
  ~TPhasorDocument() override;

  TPhasorArray PhasorList{};                   // index = harmonic number
  std::array<double, SweepSteps> IdealWave{};  // target waveform, two periods
  HarmonicPhasor *CurrentPhasor = nullptr;     // points into PhasorList
  HarmonicPhasor *BasePhasor = nullptr;        // points into PhasorList
  int HarmonicIndex = 0;
  int HighestHarmonic = 25;
  TEditMode EditMode = PlacingTips;
  TEditMode IdleEditMode = PlacingTips;  // EditMode restored when playback stops
  // The waveform drop-down's item and the convention ("Use Conjugate
  // Rotants") as the last user action left them. The controls change as they
  // are clicked, before the action runs; these change as it ends.
  int WaveformItem = 0;
  bool Conjugate = false;
  // The standard waveforms' duty cycle and shift (the Shape panel's), saved
  // with the set.
  WaveformPresets::TShape Shape;
  // The recording the set was analysed from; cleared by a waveform choice.
  TRecordedFrom RecordedFrom;
  TSetOptions Options;
  // The editor table's texts: GridTexts[3 k + c] is harmonic k's number
  // (c = 0), magnitude (1) and angle (2) as the table shows them. An entry set
  // through the editor is read back from its texts, so they carry its
  // rounding, and a saved set keeps them.
  std::array<QString, 3 * HarmonicCount> GridTexts;
  // The three edit boxes' texts: harmonic, magnitude, angle, as loaded from
  // the selected row or typed since.
  std::array<QString, 3> EditTexts;
  // The harmonic of the table's current row (0..25), or -1 for none. Not
  // part of the set: choosing a row is no undo step.
  int Selected = 0;

  // The table's text of harmonic k (0..25) in column (0..2).
  const QString &GridText(int k, int column) const
  {
    return GridTexts[std::size_t(3 * k + column)];
  }
  // Sets the magnitude and angle texts of harmonic k (0..25).
  void SetGridValues(int k, const QString &magnitude, const QString &angle);
  // Every magnitude and angle text back to "0.0", as after Clear.
  void ClearGridValues();
  // The texts of harmonics first..last rewritten from their entries in the
  // table's formats (the edit boxes too when the selected row is among
  // them). Entries that are zero keep their texts: no scaling changed them.
  void ShowEntriesAsTexts(int first, int last);
  void SetEditTexts(const QString &harmonic, const QString &magnitude, const QString &angle);
  // The edit boxes take the selected row's texts.
  void LoadSelectedRow();
  // Chooses the table's row of harmonic k (-1..25); a new row loads its texts
  // into the edit boxes. A row outside the table leaves everything as it is.
  void SelectHarmonic(int k);
  int SelectedHarmonic() const { return Selected; }
  // A typed text read as a number the editor accepts (a decimal point, no
  // grouping, ASCII only).
  static bool ReadTyped(const QString &text, double &value);
  // The editor's Update on harmonic k with the typed texts: false, with
  // nothing changed, when either is not a number. Otherwise ApplyHarmonic,
  // and the row shows the texts applied; applied, when given, says which
  // value was replaced by 0.
  bool ApplyTyped(int k, const QString &magnitude, const QString &angle,
                  TAppliedHarmonic *applied = nullptr);
  // Puts the set of snapshot back: entries, ideal wave, highest harmonic,
  // placement, waveform, convention, idle mode, table texts, row and edit
  // boxes. Emits the change signals.
  void RestoreSet(const TPhasorSnapshot &snapshot);
  // The state of the set now, as a snapshot whose parts equal to the newest
  // step's are shared with it. The tone is left to the caller.
  std::shared_ptr<TPhasorSnapshot> CaptureSet() const;

  // The rules that change the set. The window's operations of the same
  // names show the result (grid, tone, pictures); these change the numbers.

  // Sets the entry of harmonic HarmonicIndex, which becomes CurrentPhasor, to
  // (re, im), unrotated, with its running sum from the entry below (exact
  // again after the next rotation). An index outside 0..25 writes nothing.
  void SetEntry(double re, double im);
  // Multiplies entries 1..25, with their rotations and sums, by factor: 2
  // from the two-sided to the one-sided convention, 0.5 back.
  void ScaleHarmonics(double factor);
  // The highest harmonic taking part in the chain, the curve and the tone:
  // 0..25; another value changes nothing.
  void SetHighestHarmonic(int highest);
  // The convention ("Use Conjugate Rotants"): on, entries 1..25 hold c_k and
  // a mirror chain carries the negative harmonics; off, they hold 2 c_k. A
  // change scales those entries and their texts, so the waveform stays the
  // same; the same convention again changes nothing.
  void SetConjugate(bool conjugate);
  // Every entry set to its (re, im) as given, unrotated, with the running sums
  // of step 0: an opened set, exactly as saved.
  void SetEntries(const std::array<std::pair<double, double>, HarmonicCount> &entries);
  // The placement cursor as saved: next (0..26) is the harmonic the next
  // click places, base (0..25) the one whose tip it starts from.
  void SetPlacement(int next, int base);
  // Every entry zero; the placement cursor back at harmonic 0.
  void ClearEntries();
  // The waveform drop-down's item (0..8, see WaveformItems) chosen as the
  // user chooses it: every entry and text cleared, then the item's set built
  // in the current convention. "Custom Rotants" waits for harmonic 1 to be
  // placed (entry 0 zero, the ideal wave out of sight), "Custom Time" for a
  // period to be drawn (an empty one), and a standard waveform gets its
  // coefficients, each through the editor's apply, and its ideal wave. The
  // edit mode becomes the item's (editing off for a standard waveform). A
  // standard waveform takes Shape. Another item changes nothing.
  void ChooseWaveform(int item);
  // A new shape for the standard waveforms: while one is chosen, its
  // entries, texts and ideal wave are built again from their formulas, in
  // the current convention, the same as ChooseWaveform builds them with that
  // shape; the selected row stays and the edit boxes show its new texts. A
  // shape out of range, or the one held, changes nothing.
  void SetShape(const WaveformPresets::TShape &shape);
  // The set is now the one analysed from a recording (or none: an empty
  // name); the same again changes nothing.
  void SetRecordedFrom(const TRecordedFrom &from);
  // The ideal wave: period repeated over both periods of the sweep.
  void SetIdealPeriod(const std::array<double, PeriodSteps> &period);
  // The first period of the ideal wave copied into the second.
  void RepeatIdealPeriod();

  // The editor's number formats: a magnitude as the table and the edit box
  // show it, an angle as the table shows it, and an angle as the edit box
  // shows an entry loaded into it (fewer digits: a placed or computed entry
  // is stored with that rounding).
  static std::string MagnitudeText(double magnitude);
  static std::string AngleText(double angle);
  static std::string LoadedAngleText(double angle);
  // The editor's apply: harmonic k (0..25) becomes HarmonicIndex and is set
  // to magnitude (0..10) and angle (degrees, -180..180) as the table shows
  // them; a value outside its range, or one that compares unordered, is
  // applied as 0. An index outside 0..25 changes nothing.
  TAppliedHarmonic ApplyHarmonic(int k, double magnitude, double angle);

  // Placement: the entry that puts harmonic HarmonicIndex's tip on the plane
  // position (x, y), measured from baseTip, BasePhasor's tip as the plane
  // shows it. turned: the plane is shown turned by 90 degrees (real axis
  // upwards).
  std::pair<double, double> PlacementEntry(double x, double y, bool turned,
                                           std::pair<double, double> baseTip) const;
  // After a placement: the placed harmonic is the base of the next one.
  void AdvancePlacement();

  // The stroke's straight line from (x1, y1) to (x2, y2) in time-plot world
  // coordinates (x: time step 0..511 over two periods, y: value) written
  // into the drawn period, one sample per column 0..511 that the line spans
  // (from the whole part of its left end), in increasing order, each folded
  // into the first period, so where the line spans both periods the larger
  // column wins a shared sample. The line is cut at 0 and 511: at most 512
  // writes whatever the ends. Both ends at the same x: that column takes the
  // first end's value. The second period is not updated.
  void DrawSegment(double x1, double y1, double x2, double y2);
  // The two-sided Fourier coefficients c_k = (1/256) sum w[n] e^(-j 2 pi k n /
  // 256), k = 0..25, of the drawn period (the first period of the ideal
  // wave), by transform, a 256-point FFT.
  std::array<std::pair<double, double>, HarmonicCount>
  DrawnSpectrum(const TRadix2FFT &transform) const;

  QUndoStack *UndoStack() const { return Steps; }

  // One user action from BeginAction to the matching EndAction: with a text,
  // the outermost one records one step so named (kind as in RecordStep) when
  // the set changed; without one, nothing is recorded for it. Rules called
  // within it make no steps of their own.
  void BeginAction(const QString &text = QString(), TStepKind kind = TStepKind::Keep);
  void EndAction();
  // The start of the step the running action records, while that action is
  // the outermost one and has a text; null otherwise.
  TPhasorSnapshot *OwnStepStart() const { return ActionDepth == 1 ? StepBefore.get() : nullptr; }
  // A stroke changes the drawn period before its release, so its step starts
  // when it does: StartStroke takes that start (unless one is kept), the
  // next action with a text starts from it, and EndStroke makes the stroke a
  // step of its own, text, when it ends outside an action. A slider dragged
  // across its values is a stroke too, of another kind.
  void StartStroke();
  void EndStroke(const QString &text, TStepKind kind = TStepKind::HandMade);
  void ForgetStroke() { StrokeBefore.reset(); }
  // The state now as a snapshot, with the tone CaptureTone gives.
  std::shared_ptr<TPhasorSnapshot> Capture() const;
  // Writes the tone the user hears into a snapshot (set by the window; none
  // without one).
  std::function<void(TPhasorSnapshot &snapshot)> CaptureTone;
  // The document holds snapshot's set, placement, texts and row now.
  bool Holds(const TPhasorSnapshot &snapshot) const;
  // The waveform drop-down's items in the current language, in its order.
  static QStringList WaveformNames();

  // Records a step from before to after named text (shown as "Undo text"),
  // when the two differ in the set; after's HandMade follows kind. False when
  // nothing changed.
  bool RecordStep(const std::shared_ptr<TPhasorSnapshot> &before,
                  const std::shared_ptr<TPhasorSnapshot> &after, const QString &text,
                  TStepKind kind);
  // The snapshot after the newest step done (the start-up state before any).
  std::shared_ptr<const TPhasorSnapshot> LastRecorded() const { return Last; }
  // Forgets the history; snapshot becomes the state it starts from.
  void ResetHistory(const std::shared_ptr<TPhasorSnapshot> &snapshot);
  // The set as opened or saved now: the modified mark goes.
  void MarkSaved();
  // The set differs from the one last opened or saved.
  bool Modified() const;
  // Modified, and the difference holds hand-made work: dropping it loses work
  // that no waveform choice gives back.
  bool HoldsUnsavedWork() const;

signals:
  // An undo or a redo is about to put a snapshot back, and has put snapshot
  // back (the document's part of it, with its change signals between the
  // two); the view restores the rest (the tone) and redraws.
  void StepRestoring();
  void StepRestored(const TPhasorSnapshot &snapshot);
  // Entries changed by ApplyTyped, SetConjugate or RestoreSet.
  void EntriesChanged();
  // The table texts of harmonics first..last changed.
  void TextsChanged(int first, int last);
  // The edit boxes' texts changed (not sent for SetEditTexts with the texts
  // they hold).
  void EditTextsChanged();
  // Another row of the table was chosen.
  void SelectionChanged(int k);
  // The waveform item, the convention and the highest harmonic, as set or
  // put back by RestoreSet.
  void WaveformChanged(int item);
  void ConjugateChanged(bool conjugate);
  void HighestHarmonicChanged(int highest);
  // Shape changed, by SetShape or RestoreSet.
  void ShapeChanged();
  // RecordedFrom changed, by SetRecordedFrom, a waveform choice or RestoreSet.
  void RecordedFromChanged();
  // ChooseWaveform gave the edit mode (a TEditMode) a new value.
  void EditModeChanged(int mode);
  // The set became, or stopped being, different from the one saved.
  void ModifiedChanged(bool modified);

private:
  class TStep;
  // Opens and closes an action for the lifetime of a rule.
  class TRuleStep;
  int ActionDepth = 0;
  std::shared_ptr<TPhasorSnapshot> StepBefore;
  std::shared_ptr<TPhasorSnapshot> StrokeBefore;
  QString StepText;
  TStepKind StepKind = TStepKind::Keep;
  void PutBack(const TPhasorSnapshot &snapshot);
  // Harmonic HarmonicIndex set to (re, im) by the editor's road: its row
  // selected, the edit boxes loaded with its texts, and those applied.
  void LoadEntry(double re, double im);
  // The coefficients and ideal wave of the standard waveform, as
  // ChooseWaveform loads them but without choosing rows: entry and texts of
  // each harmonic as the editor's apply makes them.
  void BuildStandard(WaveformPresets::TWaveform waveform);
  // ShowEntriesAsTexts without its signals: whether the selected row was
  // among the rows rewritten.
  bool WriteEntryTexts(int first, int last);
  // Entries 1..25 and their texts doubled from the two-sided values a preset
  // gives, in the one-sided convention.
  void ToCurrentConvention();
  QUndoStack *Steps = nullptr;  // owned (QObject child)
  std::shared_ptr<TPhasorSnapshot> Last;
};
