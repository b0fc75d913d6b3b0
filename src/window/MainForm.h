#pragma once

#include "ExportsPart.h"
#include "FigureRenderer.h"
#include "HarmonicModel.h"
#include "ImageCanvas.h"
#include "PhasorDocument.h"
#include "PhasorSetFile.h"
#include "SpectrumGeometry.h"
#include "WaveformItems.h"

#include <QFont>
#include <QIcon>
#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QMimeData;
class QPrinter;
class QPushButton;
class QSlider;
class QStatusBar;
class QTableWidget;
class QSettings;
class QTimer;
class TAboutBox;
class TEditorPanel;
class TPlaybackPart;
class TManualWindow;
class TShortcutsDialog;
class TTipPresenter;
class TFFT;
class TMyGraph;
class TMySound;
class TWindowScaler;

// The font of the main window and the about box.
QFont WindowFont();

// Items of WaveformComboBox, in the order of the list.
inline constexpr int WaveformItemCount = WaveformItems::Count;

// The application's icon in all its sizes.
QIcon ApplicationIcon();

// The main window. It builds the menus and its parts (the editor panel,
// playback), owns the other controls, both plot surfaces, the FFT and the
// sound player, and runs each user action on the phasor document under it:
// the fields that hold the phasor set are references into the document, the
// widgets of a part are pointers to the part's. Everything runs on the
// user-interface thread, inside event handlers.
//
// Handlers are public so that they can be driven directly; each control is
// bound to its handler in the constructor (check boxes and buttons on
// `clicked`, drop-downs on `activated`, so programmatic selections raise no
// change, the slider on `valueChanged`, so programmatic moves to a new
// position redraw exactly as a user's move does).
class TRotantsForm;

// Marks one user action for its lifetime (see TRotantsForm::BeginAction).
// An action named undoText that changes the phasor set becomes one undo step.
class TActionScope {
public:
  explicit TActionScope(TRotantsForm &form, const QString &undoText = QString(),
                        TStepKind kind = TStepKind::Keep);
  ~TActionScope();
  TActionScope(const TActionScope &) = delete;
  TActionScope &operator=(const TActionScope &) = delete;

private:
  TRotantsForm &Form;
};

class TRotantsForm : public QMainWindow {
  Q_OBJECT

public:
  explicit TRotantsForm(QWidget *parent = nullptr);
  ~TRotantsForm() override;

  // The phasor document under the window; the state fields below that hold
  // the phasor set are references into it.
  std::unique_ptr<TPhasorDocument> OwnedDocument = std::make_unique<TPhasorDocument>();
  TPhasorDocument &Document = *OwnedDocument;

  // Controls, named as their objectNames.
  QMenuBar *MainMenu = nullptr;
  QMenu *MenuFile = nullptr;
  QAction *FileNew = nullptr;
  QAction *FileOpen = nullptr;
  QMenu *FileRecent = nullptr;
  QAction *FileSave = nullptr;
  QAction *FileSaveAs = nullptr;
  QAction *FileExit = nullptr;
  QMenu *MenuEdit = nullptr;
  QAction *EditUndo = nullptr;
  QAction *EditRedo = nullptr;
  // The exports (owned, QObject child): the Export submenu, Print and Copy
  // Figure are its items, which these names refer to.
  TExportsPart *const Exports = new TExportsPart(Document, ExportsView(), this);
  QMenu *&MenuFileExport = Exports->MenuFileExport;
  QAction *&FileExportPicture = Exports->FileExportPicture;
  QAction *&FileExportSound = Exports->FileExportSound;
  QAction *&FileExportHarmonics = Exports->FileExportHarmonics;
  QAction *&FileExportSamples = Exports->FileExportSamples;
  QAction *&FileExportAnimation = Exports->FileExportAnimation;
  QAction *&FileExportFigure = Exports->FileExportFigure;
  QAction *&FilePrint = Exports->FilePrint;
  QAction *&EditCopyFigure = Exports->EditCopyFigure;
  QMenu *MenuView = nullptr;
  QAction *ViewZoomLevel = nullptr;  // disabled: shows the zoom, e.g. "Zoom: 150 %"
  QAction *ViewZoomIn = nullptr;
  QAction *ViewZoomOut = nullptr;
  QAction *ViewActualSize = nullptr;
  QAction *ViewFullScreen = nullptr;
  QAction *ViewHighlightHarmonic = nullptr;
  QAction *ViewSoloHarmonic = nullptr;
  QAction *ViewShowError = nullptr;
  QAction *ViewSpectrum = nullptr;
  QAction *ViewSpectrumDecibels = nullptr;
  QMenu *ViewLanguage = nullptr;
  QMenu *Help = nullptr;
  QAction *HelpManual = nullptr;
  QAction *HelpShortcuts = nullptr;
  QAction *HelpAbout = nullptr;
  QFrame *MenuBevel = nullptr;
  TImageCanvas *TimeImage = nullptr;
  TImageCanvas *PhasorImage = nullptr;
  // The spectrum strip below the controls; hidden while ViewSpectrum is off.
  TImageCanvas *SpectrumImage = nullptr;
  QLabel *Re0Label = nullptr;
  QLabel *Im0Label = nullptr;
  QLabel *Im90Label = nullptr;
  QLabel *Re90Label = nullptr;
  QLabel *WaveformLabel = nullptr;
  QLabel *PhasorHelpLabel = nullptr;
  QLabel *HighestHarmonicLabel = nullptr;
  QLabel *TimeHelpLabel = nullptr;
  // The editor panel's widgets: PhasorEditPanel down to EditorNotice belong
  // to Editor.
  TEditorPanel *Editor = nullptr;  // owned (QObject child of the client area)
  QFrame *PhasorEditPanel = nullptr;
  QTableWidget *PhasorGrid = nullptr;
  QGroupBox *EditPhasorBox = nullptr;
  QLabel *HarmonicLabel = nullptr;
  QLabel *MagnitudeLabel = nullptr;
  QLabel *AngleLabel = nullptr;
  QLineEdit *HarmonicEdit = nullptr;
  QLineEdit *MagnitudeEdit = nullptr;
  QLineEdit *AngleEdit = nullptr;
  QPushButton *PhasorUpdateBtn = nullptr;
  // Names the typed value the last Update replaced by 0; hidden otherwise.
  QLabel *EditorNotice = nullptr;
  // StopBtn, PlayBtn, TimeTrackBar and SimulationTimer belong to Playback.
  TPlaybackPart *Playback = nullptr;  // owned (QObject child of the client area)
  QPushButton *StopBtn = nullptr;
  QPushButton *PlayBtn = nullptr;
  QStatusBar *StatusBar = nullptr;
  QLabel *StatusPanel0 = nullptr;  // phasor-plane mouse position
  QLabel *StatusPanel1 = nullptr;  // time step
  QLabel *StatusPanel2 = nullptr;  // time-plot mouse position
  QLabel *StatusPanel3 = nullptr;  // RMS error, shown with "Show Error"
  // The harmonic Highlight and Solo are about, shown while either is on.
  QLabel *SelectedHarmonicPanel = nullptr;
  QSlider *TimeTrackBar = nullptr;
  QPushButton *ClearBtn = nullptr;
  QComboBox *WaveformComboBox = nullptr;
  QGroupBox *PhasorOptionsGroupBox = nullptr;
  QCheckBox *RealValueCheckBox = nullptr;
  QCheckBox *RotateComplexPlaneCheckBox = nullptr;
  QCheckBox *TraceCheckBox = nullptr;
  QCheckBox *ConjugateCheckBox = nullptr;
  QPushButton *EditRotantsBtn = nullptr;
  QComboBox *HighestHarmonicComboBox = nullptr;
  QGroupBox *TimeOptionsGroupBox = nullptr;
  QCheckBox *TimeGridCheckBox = nullptr;
  QCheckBox *SoundCheckBox = nullptr;
  // Beside SoundCheckBox while the tone cannot be heard; see SoundOutputReport.
  QLabel *SoundWarningIcon = nullptr;
  QCheckBox *RepeatPlayCheckBox = nullptr;
  QCheckBox *IdealWaveCheckBox = nullptr;
  QTimer *SimulationTimer = nullptr;
  TAboutBox *AboutBox = nullptr;
  TManualWindow *ManualWindow = nullptr;        // made when first asked for
  TShortcutsDialog *ShortcutsDialog = nullptr;  // made when first asked for

  // State.
  QString CaptionText;
  TMyGraph *TimeGraph = nullptr;    // owned (QObject child)
  TMyGraph *PhasorGraph = nullptr;  // owned (QObject child)
  // The reconstruction the time plot shows, steps 0 to the shown one: the
  // view's own, recomputed by every redraw.
  std::array<double, SweepSteps> ReconWave{};
  // The chain as the plots show it: the entries (a spectrum drag's value in
  // place of its entry's) rotated to the shown step. The view's own; the
  // document's entries stay as they were set.
  TPhasorArray ShownChain{};
  std::array<double, SweepSteps> &IdealWave = Document.IdealWave;
  int MarkerRadius = 2;  // pixels
  bool MouseDrawing = false;
  TPhasorArray &PhasorList = Document.PhasorList;
  HarmonicPhasor *&CurrentPhasor = Document.CurrentPhasor;
  HarmonicPhasor *&BasePhasor = Document.BasePhasor;
  int &HarmonicIndex = Document.HarmonicIndex;
  int &HighestHarmonic = Document.HighestHarmonic;
  TEditMode &EditMode = Document.EditMode;
  TEditMode &IdleEditMode = Document.IdleEditMode;
  int LastMouseX = 0;
  int LastMouseY = 0;
  TMySound *MySound = nullptr;  // owned (QObject child)
  TFFT *FFT = nullptr;          // owned (QObject child)
  // The factor the whole window is shown at (1.0: the layout's own pixels).
  double ZoomFactor = 1.0;

  // Shell.
  // mode: a TEditMode (an int for the callers that count modes).
  void SetEditMode(int mode);
  // Remembers the view (zoom, full screen) in settings from now on, and
  // applies what they remember; null forgets nothing and remembers nothing.
  // Not owned; it must outlive the window.
  void UseSettings(QSettings *settings);
  void FormClose();
  void FileExitClick();
  void HelpAboutClick();
  // Help > Manual (F1) and Help > Keyboard Shortcuts: the manual in the
  // current language, and the list of the shortcuts as they stand now.
  void HelpManualClick();
  void HelpShortcutsClick();
  // The plots' keys, with either plot focused: the time step one back or
  // forward, PlotPageSteps back or forward, or to the first or last step.
  void PlotStepKey(TStepKey move);
  static constexpr int PlotPageSteps = 32;

  // Harmonic phasor set.
  void SetPhasorEntry(double re, double im);
  void RectToPolar(double re, double im, double &magnitude, double &angle) const;
  void PolarToRect(double magnitude, double angle, double &re, double &im) const;
  void ClearPhasorEntries();
  void ClearReconWave();
  void RotateToTimeStep(int n);
  // Scales entries 1..25 and shows them so in the grid.
  void ScaleHarmonics(double factor);
  double Sinc(double x) const;
  void ConjugateCheckBoxClick();

  // Waveform presets.
  void CopyIdealPeriod();
  void PresetCustomEntries();
  void PresetCustomTime();
  void PresetSquare();
  void PresetRectangularPulse();
  void PresetBipolarPulse();
  void PresetTriangle();
  void PresetSawtooth();
  void PresetRectifiedCosine();
  void PresetImpulseTrain();
  // The standard waveform's coefficients (two-sided) and ideal wave.
  void PresetStandard(WaveformPresets::TWaveform waveform);

  // Spectrum of a drawn waveform.
  void SpectrumFromDrawnWave();

  // Phasor plane view.
  void PlaneToPixel(double re, double im, int &px, int &py) const;
  void BuildChainPoints(bool conjugate);
  void DrawPhasorChain(bool conjugate, TColour colour);
  void PhasorImageMouseMove(Qt::KeyboardModifiers shift, int X, int Y);
  void PhasorImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  void RotateComplexPlaneCheckBoxClick();

  // Time plot view and redraw cycle.
  void TimeTrackBarChange();
  void PlotReconstruction(int n);
  // Rotates links 0..HighestHarmonic of chain to step n for drawing, or only
  // finds their tip there (see the bodies); without a chain, of the entries.
  void RotateForPictures(TPhasorArray &chain, int n, bool wholeChain) const;
  void TipForPictures(int n, double &sumRe, double &sumIm) const;
  void TipForPictures(const TPhasorArray &chain, int n, double &sumRe, double &sumIm) const;
  bool NearPictureEdge(double tipRe, double tipIm) const;
  bool NearPictureEdge(const TPhasorArray &chain, double tipRe, double tipIm) const;
  void DrawIdealWave();
  void DrawReconWave(int n);

  // Waveform drawing.
  void TimeImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  void TimeImageMouseMove(Qt::KeyboardModifiers shift, int X, int Y);
  void TimeImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  void DrawWaveSegment(int x1, int y1, int x2, int y2);

  // Phasor editor panel.
  void LoadPhasorEditor(double re, double im);
  // Sets harmonic k (0..25) to a magnitude and an angle in degrees by the
  // editor's road: its grid row becomes current, the edit boxes take the
  // values in the grid's own number formats, and Update applies them.
  void EditHarmonic(int k, double magnitude, double angle);
  void PhasorUpdateBtnClick();
  void PhasorGridSelectCell(int column, int row, bool &canSelect);
  // Writes a magnitude and an angle into grid row row (1..26) in the grid's
  // number formats.
  void WriteGridValues(int row, double magnitude, double angle);
  // Rewrites the grid rows of harmonics first..last from the entries (and the
  // edit boxes when the current row is one of them), without applying them.
  void ShowEntriesInGrid(int first, int last);
  void EditRotantsBtnClick();
  // Shows the modal message for a text that is not a number (title: the
  // window caption); returns when the user closes it.
  void ShowConversionError(const QString &text);
  // Shows text in EditorNotice, or hides it for an empty text.
  void ShowEditorNotice(const QString &text);
  // The table's rows first..last (harmonics) and its current row as the
  // document holds them.
  void ShowGridTexts(int first, int last);
  void ShowSelectedRow();

  // Zoom and full screen. SetZoom shows the window at factor (held to the
  // zoom range and to what the screen's available area allows) and remembers
  // it; in full screen it applies on leaving. SetZoomForRun does the same for
  // this run only (the command line's --zoom): the remembered zoom stays as it
  // was until the user zooms from the View menu.
  void SetZoom(double factor);
  void SetZoomForRun(double factor);
  void ViewZoomInClick();
  void ViewZoomOutClick();
  void ViewActualSizeClick();
  void ViewFullScreenClick();
  // The largest factor at which the whole window fits its screen's available
  // area (or, for full screen, the whole screen).
  double ScreenZoomLimit(bool fullScreen) const;

  // One harmonic at a time: the grid's current row chooses it; the View menu
  // highlights it in both plots, plays it alone, and shows the RMS error of
  // the whole reconstruction. None of it changes an entry, the grid or the
  // edit boxes.
  int SelectedHarmonic() const;
  void ViewHighlightHarmonicClick();
  void ViewSoloHarmonicClick();
  void ViewShowErrorClick();
  void SelectedHarmonicChanged();
  void DrawHighlightedSegment();
  void DrawHighlightedComponent(int n);
  void ShowRmsError();
  void ShowSelectedHarmonic();

  // The spectrum strip (View > Spectrum): a bar per harmonic for its
  // magnitude on a linear or a decibel scale (View > Spectrum in Decibels),
  // its angle in a phase row under the bars. Pressing a column selects its
  // harmonic (the grid's current row follows); dragging on the bars sets its
  // magnitude and keeps its angle, dragging in the phase row sets its angle
  // and keeps its magnitude. While the mouse is held every plot shows the
  // dragged value and nothing else changes; the release applies it by
  // EditHarmonic as one user action. In the two-sided picture, a drag on
  // the bar of -k edits harmonic k.
  void ViewSpectrumClick();
  void ViewSpectrumDecibelsClick();
  // Shows or hides the strip: the window grows by its height below the
  // controls, the status bar staying at its bottom, or shrinks back; nothing
  // else moves. Remembered in the settings when asked.
  void SetSpectrumView(bool on, bool remember);
  // Draws the strip from the entries, now or at the end of the action;
  // nothing while the view is off.
  void RedrawSpectrum();
  // The bar of harmonic k (0..25; -25..-1 too in the two-sided picture) in
  // SpectrumImage's pixels as drawn, from its top down to the baseline: a bar
  // of no height is an empty rectangle at the baseline that still gives its
  // column. Empty (null) while the view is off or for a harmonic not shown.
  QRect SpectrumBar(int k) const;
  void SpectrumImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  void SpectrumImageMouseMove(Qt::KeyboardModifiers shift, int X, int Y);
  void SpectrumImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
  // The name of the user action a drag on the strip makes, harmonic k (0..25)
  // given a new magnitude or, with phase, a new angle.
  static QString SpectrumDragStepText(int k, bool phase);

  // The waveform drop-down's items in the current language, in its order.
  static QStringList WaveformItemTexts();

  // Language: code is one of Translations::Languages(), or empty for the
  // system's. Applied at once; remembered in the settings when asked.
  void SetLanguage(const QString &code, bool remember);

  // Playback and mode control.
  void PlayBtnClick();
  void SimulationTimerTimer();
  void StopBtnClick();
  void ResetWaveform();
  void WaveformComboBoxChange();
  void HighestHarmonicComboBoxChange();
  void ClearBtnClick();
  // Doubles entries 1..25 for the one-sided convention after a waveform or a
  // drawing has loaded two-sided values, and makes the tone from the doubled
  // entries.
  void DoubleForOneSidedConvention();
  // True when PlayBtn, not StopBtn, is the one in front in their shared place.
  bool PlayBtnInFront() const;
  // Puts front in the shared place, in the Tab chain instead of behind.
  void BringToFront(QPushButton *front, QPushButton *behind);
  void FocusFrontPlaybackButton();

  // Exports of what the window shows, to a file at path, without a dialog.
  // Each writes the whole file or nothing (a failed or cancelled export
  // leaves no new file and an existing one untouched), returns false on
  // failure with the reason in LastExportError, and leaves the window
  // exactly as it was: state, pictures and sound.
  //  Picture: PNG of the phasor plane and the time plot side by side, as
  //   shown, at the current zoom, with the spectrum strip under them while
  //   it shows.
  //  Sound: WAV of the tone loop as it would play now, seconds long (above 0,
  //   at most an hour).
  //  Harmonics: CSV of the entries, one row per harmonic 0..25.
  //  Samples: CSV of the ideal and the reconstructed value at steps 0..511.
  //  Animation: GIF of one sweep, every second step at 2/100 s (256 frames).
  //   progress(done, total) is called as the work goes on; returning false
  //   cancels (the export then returns false with LastExportError empty).
  bool ExportPicture(const QString &path) { return Exports->ExportPicture(path); }
  bool ExportSound(const QString &path, double seconds)
  {
    return Exports->ExportSound(path, seconds);
  }
  bool ExportHarmonics(const QString &path) { return Exports->ExportHarmonics(path); }
  bool ExportSamples(const QString &path) { return Exports->ExportSamples(path); }
  bool ExportAnimation(const QString &path,
                       const std::function<bool(int done, int total)> &progress = {})
  {
    return Exports->ExportAnimation(path, progress);
  }
  //  Figure: the labelled figure of FigureState(), SVG or PDF (one A4
  //   landscape page) as the name ends in .svg or .pdf (any case); another
  //   ending is refused.
  bool ExportFigure(const QString &path) { return Exports->ExportFigure(path); }
  QString &LastExportError = Exports->LastError;
  // The Export submenu: each asks for a file (the sound also for its length)
  // and shows one message naming the file when the export fails.
  void FileExportPictureClick() { Exports->FileExportPictureClick(); }
  void FileExportSoundClick() { Exports->FileExportSoundClick(); }
  void FileExportHarmonicsClick() { Exports->FileExportHarmonicsClick(); }
  void FileExportSamplesClick() { Exports->FileExportSamplesClick(); }
  void FileExportAnimationClick() { Exports->FileExportAnimationClick(); }
  void FileExportFigureClick() { Exports->FileExportFigureClick(); }
  // The picture of the plots as ExportPicture writes it.
  QImage PlotsPicture();

  // Figures for handouts and slides, drawn by TFigureRenderer from the state
  // the window shows (not from its pixels).
  TFigureState FigureState() const;
  // The figure as the clipboard takes it: a picture at twice the window's
  // size and the SVG document as image/svg+xml. The caller owns it.
  QMimeData *FigureMimeData() const { return Exports->FigureMimeData(); }
  void EditCopyFigureClick() { Exports->EditCopyFigureClick(); }
  // Prints one page, the figure and the table of the harmonics in use, on
  // printer as it is set up (no dialog). False with the reason in
  // LastExportError when the printer cannot be started.
  bool PrintFigure(QPrinter &printer) { return Exports->PrintFigure(printer); }
  // Asks for a printer with the print dialog, then prints.
  void FilePrintClick() { Exports->FilePrintClick(); }

  // Tool tips and accessibility (MainFormTips.cpp). The tips and accessible
  // names in the current language; the plots' tips for the current edit mode
  // (set again by SetEditMode); and the plots' descriptions of what they show
  // now, as a screen reader asks for them.
  void RetranslateTips();
  void ShowPlotTips();
  QString PhasorPlotDescription() const;
  QString TimePlotDescription() const;
  QString SpectrumDescription() const;
  // SoundCheckBox's tip while the tone can be heard, and the RMS panel's.
  static QString SoundCheckBoxTip();
  static QString RmsErrorTip();

  // Tone synthesis.
  void SynthesizeTone();
  void SoundCheckBoxClick();
  // Starts (on) or stops the tone loop.
  void PlaySound(bool on);
  // Shows (available false) or takes away the notice that the tone cannot be
  // heard: SoundWarningIcon and SoundCheckBox's tool tip. Never a dialog.
  void SoundOutputReport(bool available);
  // The service's last word: no output took the tone. The service says so
  // once, not again at every play request that fails as well.
  bool SoundOutputMissing = false;
  // Shows the notice while Sound On is checked and the last word was that no
  // output takes the tone; takes it away otherwise.
  void ShowSoundOutput();
  // The notice's text.
  static QString NoSoundOutputText();

  // Phasor-set files (.rotants) and harmonics tables (CSV).
  // The file Save writes to; empty: Save asks for a name.
  QString CurrentFile;
  // Newest first, at most MaxRecentFiles; kept in the settings when given.
  QStringList RecentFiles;
  static constexpr int MaxRecentFiles = 8;
  // No tone is ever started (the command line's batch runs).
  bool Silent = false;
  // Open or save a file with no dialog: false after one message box that
  // names the file and says what is wrong; the window is then unchanged.
  bool OpenPhasorSet(const QString &path);
  bool SavePhasorSet(const QString &path);
  // The same without the message box: false with error set to one sentence
  // naming the file.
  bool LoadPhasorSet(const QString &path, QString &error);
  bool StorePhasorSet(const QString &path, QString &error);
  // The window's state as a phasor-set file holds it, and that state set up
  // as one user action, as if built by hand.
  PhasorSetFile::TState CapturePhasorSet() const;
  void ApplyPhasorSet(const PhasorSetFile::TState &state);
  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void ShowRecentFiles();
  // Opens a file of the recent list; one that no longer exists leaves it.
  void OpenRecentFile(const QString &path);

  // One user action, one redraw and one tone. While an action runs, the
  // redraws, syntheses and play requests of its steps are only noted; when
  // the outermost action ends it synthesises once, makes one play request
  // (after one stop request when a step stopped the sound first, so the old
  // tone ends before the new one starts) and redraws once, from the state its
  // steps left. The
  // pictures, texts and tone it ends with are those of doing every step at
  // once; only the work in between is saved.
  // An action with an undo text takes a snapshot as it begins (or the one
  // taken when the stroke it ends began) and, as the outermost action ends,
  // records the step when the set changed.
  void BeginAction(const QString &undoText = QString(), TStepKind kind = TStepKind::Keep);
  void EndAction();

  // Undo and redo: the set as the user saw and heard it before or after the
  // step, then one redraw at the current step; with Sound On the restored
  // tone plays.
  void EditUndoClick();
  void EditRedoClick();
  std::shared_ptr<TPhasorSnapshot> CaptureSnapshot() const;
  void RestoreSnapshot(const TPhasorSnapshot &snapshot);
  // The history starts afresh from the state shown now (after the command
  // line has built the start-up state).
  void ResetUndoHistory();
  // Before hand-made work that is not saved would be dropped: asks whether to
  // save it. True when the caller may go on (saved, discarded, or nothing to
  // ask); false when the user cancelled or the save failed.
  bool ConfirmDropWork();
  // Off: every step redraws, synthesises and plays at once, as the plain
  // algorithm does (kept to compare the two in tests and benchmarks).
  bool DeferWithinActions = true;

protected:
  void closeEvent(QCloseEvent *event) override;
  void changeEvent(QEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  enum class TSoundRequest { None, Stop, Play, StopThenPlay };
  // The step the running action may record, and the snapshot taken when a
  // stroke began (the stroke changes the drawn period before its release).
  std::shared_ptr<TPhasorSnapshot> StepBefore;
  std::shared_ptr<TPhasorSnapshot> StrokeBefore;
  QString StepText;
  TStepKind StepKind = TStepKind::Keep;
  void BuildEditMenu();
  void ShowUndoTexts();
  // The window's caption: the file shown (if any), the program, and Qt's
  // modified mark while the set differs from the one opened or saved.
  void ShowCaption();
  QString CaptionFile;
  bool Deferring() const { return DeferWithinActions && ActionDepth > 0; }
  int ActionDepth = 0;
  bool RedrawPending = false;
  bool TonePending = false;
  TSoundRequest SoundPending = TSoundRequest::None;

  TWindowScaler *Scaler = nullptr;  // owned (QObject child)
  TTipPresenter *Tips = nullptr;    // owned (QObject child); shows the tips wrapped
  QWidget *ClientArea = nullptr;    // the fixed-size area every control lies in
  QSettings *Settings = nullptr;    // not owned
  double WindowedZoom = 1.0;        // the zoom outside full screen
  QRect WindowedGeometry;           // the window's geometry before full screen
  int BaseMenuHeight = 0;           // the menu bar's height at factor 1

  void BuildLayout();
  // Adds New, Open, the recent files, Save and Save As above Exit.
  void BuildFileMenu();
  void SetCurrentFile(const QString &path, bool savable);
  void AddRecentFile(const QString &path);
  void ShowWarning(const QString &message);
  // What the exports take from the window: its pictures, options and tone.
  TExportsView ExportsView();
  void BuildExportMenu();
  // Export > Figure, File > Print and Edit > Copy Figure.
  void BuildFigureActions();
  // Where Save As and the export dialogs start (see TExportsPart).
  QString StartFolder() const { return Exports->StartFolder(); }
  void ApplyZoom(double factor);
  // Holds factor to what the screen allows and shows it, remembering nothing.
  void ShowZoom(double factor);
  void EnableZoomActions();
  void ShowZoomLevel();
  bool ZoomForRunOnly = false;  // the zoom shown came from SetZoomForRun
  void RememberView();
  void BuildTeachingActions();
  void BuildSpectrumActions();
  void RestoreSpectrumView(QSettings *settings);
  // The strip's layout in the current convention, and the content and scale
  // it shows now (the scale pressed on while a drag lasts).
  TSpectrumGeometry SpectrumLayout() const;
  // The client area's size at factor 1: taller by the strip while it shows.
  QSize BaseClientSize() const;
  void SpectrumPicture(TSpectrumContent &content, TSpectrumScale &scale) const;
  void DrawSpectrumStrip();
  void RetranslateUi();
  void BuildLanguageMenu();
  void RestoreLanguage(QSettings *settings);
  void ShowEditorButtonText();
  void RestoreTeachingOptions(QSettings *settings);
  void RememberTeachingOptions();
  // Writes a heading of the grid's row 0, which the grid's header shows.
  void SetGridHeading(int column, const QString &text);
  void BindHandlers();
  void BindEditorToDocument();
  // Adds Manual and Keyboard Shortcuts above About, and their texts.
  void BuildHelpMenu();
  void RetranslateHelpMenu();
  // Lets the plots take the focus and move the time step from the keyboard.
  void BindPlotKeys();
  // Gives the plots their description functions; the controls' tips show wrapped.
  void BindDescriptions();

  // Point lists reused by every redraw, so a redraw allocates nothing. A chain
  // has at most one point per harmonic plus the origin.
  std::array<QPoint, HarmonicCount + 1> ChainPoints{};
  int ChainPointCount = 0;
  std::array<QPoint, SweepSteps> TracePoints{};
  std::array<QPoint, SweepSteps> CurvePoints{};
  std::array<double, SweepSteps> ComponentValues{};  // the highlighted harmonic's part

  // A press on the strip's columns with the left button, until its release.
  struct TSpectrumDrag {
    bool Active = false;
    bool Moved = false;     // left the press point: the value follows the mouse
    bool Phase = false;     // pressed in the phase row
    int Harmonic = 0;       // 0..25, the harmonic edited
    bool Mirrored = false;  // pressed on the bar of -Harmonic
    int PressX = 0;
    int PressY = 0;
    double Magnitude = 0.0;  // the value shown while moving, applied on release
    double Angle = 0.0;
    TSpectrumScale Scale;    // the scale pressed on, kept while the drag lasts
    bool operator==(const TSpectrumDrag &) const = default;
  };
  TSpectrumDrag SpectrumDrag;
  // Everything the strip's picture is drawn from, so that a redraw from the
  // same (another time step, every animation tick) keeps the picture.
  struct TSpectrumSource {
    std::array<double, 2 * HarmonicCount> Entries{};
    int Highest = -1;
    int Selected = 0;
    bool Highlight = false;
    bool TwoSided = false;
    bool Decibels = false;
    TSpectrumDrag Drag;
    double Display = 0.0;  // the canvas's display scale; 0 before the first picture
    bool operator==(const TSpectrumSource &) const = default;
  };
  TSpectrumSource DrawnSpectrum;
  void FollowSpectrumDrag(int x, int y);
  // Ends a drag without applying it; the pictures drop its value.
  void CancelSpectrumDrag();

  // What the shown RMS error was computed from, so that a redraw with the same
  // entries, highest harmonic, convention and ideal wave does not recompute it.
  struct TErrorSource {
    std::array<double, 2 * HarmonicCount> Entries{};
    int Highest = -1;
    bool Conjugate = false;
    std::array<double, SweepSteps> Ideal{};
    bool operator==(const TErrorSource &) const = default;
  };
  TErrorSource ShownErrorSource;
  // The status panels' words in the current language.
  QString CoordPrefix;
  QString StepPrefix;
  // What SelectedHarmonicPanel says: harmonic, highest harmonic, solo (-1:
  // nothing yet, or the language changed).
  std::array<int, 3> ShownSelectedSource{-1, -1, -1};
  double ShownError = 0.0;
  bool ShownErrorValid = false;
};
