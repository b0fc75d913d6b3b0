#pragma once

#include "ActionRunner.h"
#include "ControlsPart.h"
#include "EditorPanel.h"
#include "ExercisePart.h"
#include "ExportsPart.h"
#include "FilesPart.h"
#include "PhasorSetFile.h"
#include "PlaybackPart.h"
#include "PlotsPart.h"
#include "RecordingPart.h"
#include "ShapePart.h"
#include "SoundPart.h"
#include "SpectrumPart.h"
#include "ViewPart.h"
#include "WaveformItems.h"

#include <QFont>
#include <QIcon>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
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
class QSpinBox;
class QStatusBar;
class QTableWidget;
class QSettings;
class QTimer;
class TAboutBox;
class TFFT;
class TManualWindow;
class TShortcutsDialog;
class TTipPresenter;

// The font of the main window and the about box.
QFont WindowFont();

// Items of WaveformComboBox, in the order of the list.
inline constexpr int WaveformItemCount = WaveformItems::Count;

// The application's icon in all its sizes.
QIcon ApplicationIcon();

// The main window: it builds the menus and the parts, each of which owns its
// widgets and follows the phasor document under the window, and runs the
// user actions that span parts. The names below keep the window's public
// contract: the document's state as references into it, the parts' widgets
// as references or pointers to them, their operations as forwarders.
// Everything runs on the user-interface thread, inside event handlers. A
// rule called on the document outside a user action shows at once (the
// parts follow its change signals); the tone follows at the next action.
//
// Handlers are public so that they can be driven directly; check boxes and
// buttons run theirs on `clicked`, drop-downs on `activated` (programmatic
// selections raise no change), the slider on `valueChanged` (programmatic
// moves redraw exactly as a user's move does).
class TRotantsForm : public QMainWindow {
  Q_OBJECT

public:
  explicit TRotantsForm(QWidget *parent = nullptr);
  ~TRotantsForm() override;

  // The phasor document under the window; the state fields below that hold
  // the phasor set are references into it.
  std::unique_ptr<TPhasorDocument> OwnedDocument = std::make_unique<TPhasorDocument>();
  TPhasorDocument &Document = *OwnedDocument;
  // User actions on the document: one redraw, one tone and one undo step
  // each. An action scope may be opened on the window itself.
  TActionRunner Actions{Document, ActionWork()};
  operator TActionRunner &() { return Actions; }
  bool &DeferWithinActions = Actions.Defer;
  QString CaptionText = QStringLiteral("Rotants 1.0");

  // The parts (owned, QObject children); the names below them refer to
  // their widgets and state.
  TFilesPart *const Files = new TFilesPart(Document, Actions, FilesView(), this, CaptionText);
  TSoundPart *const Sound = new TSoundPart(Document, Actions, this);
  TSpectrumPart *const Spectrum = new TSpectrumPart(Document, Actions, SpectrumView(), this);
  TViewPart *const View = new TViewPart(this, ViewNeeds());
  TPlotsPart *const Plots = new TPlotsPart(Document, Actions, *Spectrum, PlotsView(), this);
  TControlsPart *const Controls = new TControlsPart(Document, this);
  // StopBtn, PlayBtn, TimeTrackBar, SimulationTimer and the speed.
  TPlaybackPart *const Playback = new TPlaybackPart(Document, this);
  TShapePart *const Shape = new TShapePart(Document, Actions, ShapeView(), this);
  TRecordingPart *const Recorder =
      new TRecordingPart(Document, Actions, *Sound, RecordingView(), this);
  // The Exercise menu and panel, and the hidden target (see TExercisePart).
  TExercisePart *const Exercise =
      new TExercisePart(Document, Actions, *Sound, ExerciseView(), this);

  // Controls, named as their objectNames.
  QMenuBar *MainMenu = nullptr;
  QMenu *MenuFile = nullptr;
  QAction *&FileNew = Files->FileNew;
  QAction *&FileOpen = Files->FileOpen;
  QMenu *&FileRecent = Files->FileRecent;
  QAction *&FileSave = Files->FileSave;
  QAction *&FileSaveAs = Files->FileSaveAs;
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
  QAction *&ViewZoomLevel = View->ViewZoomLevel;
  QAction *&ViewZoomIn = View->ViewZoomIn;
  QAction *&ViewZoomOut = View->ViewZoomOut;
  QAction *&ViewActualSize = View->ViewActualSize;
  QAction *&ViewFullScreen = View->ViewFullScreen;
  QAction *ViewHighlightHarmonic = nullptr;
  QAction *ViewSoloHarmonic = nullptr;
  QAction *ViewShowError = nullptr;
  QAction *&ViewAxes = View->ViewAxes;
  QAction *ViewSpectrum = nullptr;
  QAction *ViewSpectrumDecibels = nullptr;
  // The sweep's speed (see TPlaybackPart) and the Shape strip (TShapePart).
  QAction *&ViewSlower = Playback->ViewSlower;
  QAction *&ViewFaster = Playback->ViewFaster;
  QLabel *&SpeedPanel = Playback->SpeedPanel;
  QAction *&ViewShape = Shape->ViewShape;
  QSlider *&ShapeDutyCycle = Shape->ShapeDutyCycle;
  QSlider *&ShapeShift = Shape->ShapeShift;
  // Recordings and the microphone (see TRecordingPart).
  QAction *&ViewListen = Recorder->ViewListen;
  QCheckBox *&SoundPlayRecording = Recorder->SoundPlayRecording;
  QCheckBox *&SoundAtRecordingPitch = Recorder->SoundAtRecordingPitch;
  TImageCanvas *&RecordingOverview = Recorder->RecordingOverview;
  QMenu *&ViewLanguage = View->ViewLanguage;
  QMenu *&MenuExercise = Exercise->MenuExercise;
  QAction *&ExerciseNew = Exercise->ExerciseNew;
  QAction *&ExerciseCheck = Exercise->ExerciseCheck;
  QAction *&ExerciseHint = Exercise->ExerciseHint;
  QAction *&ExerciseReveal = Exercise->ExerciseReveal;
  QAction *&ExerciseEnd = Exercise->ExerciseEnd;
  QWidget *&ExercisePanel = Exercise->ExercisePanel;
  QSpinBox *&ExerciseLevel = Exercise->ExerciseLevel;
  QMenu *Help = nullptr;
  QAction *HelpManual = nullptr;
  QAction *HelpShortcuts = nullptr;
  QAction *HelpAbout = nullptr;
  QFrame *MenuBevel = nullptr;
  TImageCanvas *&TimeImage = Plots->TimeImage;
  TImageCanvas *&PhasorImage = Plots->PhasorImage;
  // The spectrum strip below the controls; hidden while ViewSpectrum is off.
  TImageCanvas *&SpectrumImage = Spectrum->SpectrumImage;
  QLabel *&Re0Label = Plots->Re0Label;
  QLabel *&Im0Label = Plots->Im0Label;
  QLabel *&Im90Label = Plots->Im90Label;
  QLabel *&Re90Label = Plots->Re90Label;
  QLabel *&WaveformLabel = Controls->WaveformLabel;
  QLabel *&PhasorHelpLabel = Plots->PhasorHelpLabel;
  QLabel *&HighestHarmonicLabel = Controls->HighestHarmonicLabel;
  QLabel *&TimeHelpLabel = Plots->TimeHelpLabel;
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
  QPushButton *StopBtn = nullptr;
  QPushButton *PlayBtn = nullptr;
  QStatusBar *&StatusBar = Plots->StatusBar;
  QLabel *StatusPanel0 = nullptr;  // phasor-plane mouse position
  QLabel *StatusPanel1 = nullptr;  // time step
  QLabel *StatusPanel2 = nullptr;  // time-plot mouse position
  QLabel *&StatusPanel3 = Plots->StatusPanel3;
  // The harmonic Highlight and Solo are about, shown while either is on.
  QLabel *&SelectedHarmonicPanel = Plots->SelectedHarmonicPanel;
  QSlider *TimeTrackBar = nullptr;
  QPushButton *&ClearBtn = Controls->ClearBtn;
  QComboBox *&WaveformComboBox = Controls->WaveformComboBox;
  QGroupBox *&PhasorOptionsGroupBox = Controls->PhasorOptionsGroupBox;
  QCheckBox *&RealValueCheckBox = Controls->RealValueCheckBox;
  QCheckBox *&RotateComplexPlaneCheckBox = Controls->RotateComplexPlaneCheckBox;
  QCheckBox *&TraceCheckBox = Controls->TraceCheckBox;
  QCheckBox *&ConjugateCheckBox = Controls->ConjugateCheckBox;
  QPushButton *&EditRotantsBtn = Controls->EditRotantsBtn;
  QComboBox *&HighestHarmonicComboBox = Controls->HighestHarmonicComboBox;
  QGroupBox *&TimeOptionsGroupBox = Controls->TimeOptionsGroupBox;
  QCheckBox *&TimeGridCheckBox = Controls->TimeGridCheckBox;
  QCheckBox *&SoundCheckBox = Sound->SoundCheckBox;
  QLabel *&SoundWarningIcon = Sound->SoundWarningIcon;
  QCheckBox *&RepeatPlayCheckBox = Controls->RepeatPlayCheckBox;
  QCheckBox *&IdealWaveCheckBox = Controls->IdealWaveCheckBox;
  QTimer *SimulationTimer = nullptr;
  TAboutBox *AboutBox = nullptr;
  TManualWindow *ManualWindow = nullptr;        // made when first asked for
  TShortcutsDialog *ShortcutsDialog = nullptr;  // made when first asked for

  // State.
  TMyGraph *&TimeGraph = Plots->TimeGraph;
  TMyGraph *&PhasorGraph = Plots->PhasorGraph;
  std::array<double, SweepSteps> &ReconWave = Plots->ReconWave;
  TPhasorArray &ShownChain = Plots->ShownChain;
  std::array<double, SweepSteps> &IdealWave = Document.IdealWave;
  int &MarkerRadius = Plots->MarkerRadius;
  bool &MouseDrawing = Plots->MouseDrawing;
  TPhasorArray &PhasorList = Document.PhasorList;
  HarmonicPhasor *&CurrentPhasor = Document.CurrentPhasor;
  HarmonicPhasor *&BasePhasor = Document.BasePhasor;
  int &HarmonicIndex = Document.HarmonicIndex;
  int &HighestHarmonic = Document.HighestHarmonic;
  TEditMode &EditMode = Document.EditMode;
  TEditMode &IdleEditMode = Document.IdleEditMode;
  TMySound *&MySound = Sound->Player;
  TFFT *FFT = nullptr;  // owned (QObject child)
  double &ZoomFactor = View->ZoomFactor;

  // Shell.
  // A modal warning titled with the caption; the message as plain text.
  void ShowWarning(const QString &message);
  // mode: a TEditMode (an int for the callers that count modes).
  void SetEditMode(int mode);
  // Remembers the view (zoom, full screen, strip, language, teaching
  // options), the recent files and the export folder in settings from now
  // on, and applies what they remember; null remembers nothing.
  // Not owned; it must outlive the window.
  void UseSettings(QSettings *settings);
  void FormClose();
  void FileExitClick();
  void HelpAboutClick();
  // Help > Manual (F1) and Help > Keyboard Shortcuts: the manual in the
  // current language, and the list of the shortcuts as they stand now.
  void HelpManualClick();
  void HelpShortcutsClick();
  static constexpr int PlotPageSteps = TPlotsPart::PageSteps;

  // Harmonic phasor set.
  void SetPhasorEntry(double re, double im) { Document.SetEntry(re, im); }
  void RectToPolar(double re, double im, double &magnitude, double &angle) const
  {
    HarmonicMath::RectToPolar(re, im, magnitude, angle);
  }
  void PolarToRect(double magnitude, double angle, double &re, double &im) const
  {
    HarmonicMath::PolarToRect(magnitude, angle, re, im);
  }
  void ClearPhasorEntries()
  {
    Document.ClearEntries();
    Document.ClearGridValues();
  }
  void ClearReconWave() { ReconWave.fill(0.0); }
  void RotateToTimeStep(int n) { HarmonicMath::RotateToTimeStep(PhasorList, HighestHarmonic, n); }
  double Sinc(double x) const { return HarmonicMath::Sinc(x); }
  void ConjugateCheckBoxClick();

  // The drawn period's first half into its second.
  void CopyIdealPeriod() { Document.RepeatIdealPeriod(); }

  // Spectrum of a drawn waveform.
  void SpectrumFromDrawnWave();
  // The drawn period (the ideal wave's first) made the entries in the
  // convention in use, as a finished stroke or an analysed recording makes them.
  void EntriesFromDrawnPeriod();

  // The plots (see TPlotsPart).
  void TimeTrackBarChange() { Plots->Redraw(); }
  void PlaneToPixel(double re, double im, int &px, int &py) const
  {
    Plots->PlaneToPixel(re, im, px, py);
  }
  void RotateComplexPlaneCheckBoxClick();
  void PhasorImageMouseMove(Qt::KeyboardModifiers shift, int X, int Y)
  {
    Plots->PhasorMouseMove(shift, X, Y);
  }
  void TimeImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y)
  {
    Plots->TimeMouseDown(button, shift, X, Y);
  }
  void TimeImageMouseMove(Qt::KeyboardModifiers shift, int X, int Y)
  {
    Plots->TimeMouseMove(shift, X, Y);
  }
  void TimeImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y)
  {
    Plots->TimeMouseUp(button, shift, X, Y);
  }
  void DrawWaveSegment(int x1, int y1, int x2, int y2) { Plots->DrawWaveSegment(x1, y1, x2, y2); }
  QImage PlotsPicture() { return Plots->Picture(); }
  TFigureState FigureState() const { return Plots->FigureState(); }

  // Phasor editor panel.
  void LoadPhasorEditor(double re, double im);
  // Sets harmonic k (0..25) to a magnitude and an angle in degrees by the
  // editor's road: its grid row becomes current, the edit boxes take the
  // values in the grid's own number formats, and Update applies them.
  void EditHarmonic(int k, double magnitude, double angle);
  void PhasorUpdateBtnClick() { Editor->Apply(); }
  void PhasorGridSelectCell(int column, int row, bool &canSelect);
  void EditRotantsBtnClick();
  void ShowEditorNotice(const QString &text) { Editor->ShowNotice(text); }
  void ShowSelectedRow() { Editor->ShowSelectedRow(); }

  // Zoom and full screen (see TViewPart).
  void SetZoom(double factor) { View->SetZoom(factor); }
  void SetZoomForRun(double factor) { View->SetZoomForRun(factor); }
  double ScreenZoomLimit(bool fullScreen) const { return View->ScreenZoomLimit(fullScreen); }

  // One harmonic at a time: the grid's current row chooses it; the View menu
  // highlights it in both plots, plays it alone, and shows the RMS error of
  // the whole reconstruction. None of it changes an entry, the grid or the
  // edit boxes.
  int SelectedHarmonic() const
  {
    return std::clamp(Document.SelectedHarmonic(), 0, HarmonicCount - 1);
  }
  void ViewSoloHarmonicClick() { Sound->SoloClick(); }
  void SelectedHarmonicChanged();

  // The spectrum strip (see TSpectrumPart).
  void SetSpectrumView(bool on, bool remember) { Spectrum->SetShown(on, remember); }
  QRect SpectrumBar(int k) const { return Spectrum->Bar(k); }
  void SpectrumImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y)
  {
    Spectrum->MouseDown(button, shift, X, Y);
  }
  void SpectrumImageMouseMove(Qt::KeyboardModifiers shift, int X, int Y)
  {
    Spectrum->MouseMove(shift, X, Y);
  }

  // Exercises (see TExercisePart): a target of level (1..6) from seed, the
  // same pair always giving the same target, started without the save
  // question; the target's entries in the current convention; whether the
  // last Check solved it.
  void StartExercise(int level, quint32 seed) { Exercise->StartExercise(level, seed); }
  TPhasorArray ExerciseTarget() const { return Exercise->Session->TargetEntries(); }
  bool ExerciseSolved() const { return Exercise->Solved(); }

  // The standard waveforms' shape as the sliders set it (see TShapePart).
  void SetShape(const WaveformPresets::TShape &shape) { Shape->SetShape(shape); }

  // The waveform drop-down's items in the current language, in its order.
  static QStringList WaveformItemTexts() { return TControlsPart::WaveformItemTexts(); }

  void SetLanguage(const QString &code, bool remember) { View->SetLanguage(code, remember); }

  // Playback and mode control.
  void PlayBtnClick() { Playback->Play(); }
  void SimulationTimerTimer() { Playback->Tick(); }
  void StopBtnClick() { Playback->Stop(); }
  void ResetWaveform();
  void WaveformComboBoxChange();
  void HighestHarmonicComboBoxChange();
  void ClearBtnClick();
  // Doubles entries 1..25 for the one-sided convention after a waveform or a
  // drawing has loaded two-sided values, and makes the tone from the doubled
  // entries.
  void DoubleForOneSidedConvention();
  // True when PlayBtn, not StopBtn, is the one in front in their shared place.
  bool PlayBtnInFront() const { return Playback->PlayInFront(); }
  // Puts front in the shared place, in the Tab chain instead of behind.
  void BringToFront(QPushButton *front, QPushButton *behind)
  {
    TPlaybackPart::BringToFront(front, behind);
  }
  void FocusFrontPlaybackButton() { Playback->FocusFrontButton(); }

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
  // Figures for handouts and slides are drawn by TFigureRenderer from the
  // state the plots show (FigureState), not from their pixels.
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

  // The tips and accessible names of the window's own controls in the
  // current language (MainFormTips.cpp); the parts set their own.
  void RetranslateTips();
  // SoundCheckBox's tip while the tone can be heard, and the RMS panel's.
  static QString SoundCheckBoxTip() { return TSoundPart::SoundCheckBoxTip(); }
  static QString RmsErrorTip() { return TPlotsPart::RmsErrorTip(); }

  // Sound (see TSoundPart).
  void SynthesizeTone() { Sound->SynthesizeTone(); }
  void PlaySound(bool on) { Sound->PlaySound(on); }
  void SoundOutputReport(bool available) { Sound->SoundOutputReport(available); }
  static QString NoSoundOutputText() { return TSoundPart::NoSoundOutputText(); }
  bool &Silent = Sound->Silent;

  // Phasor-set files and harmonics tables (see TFilesPart).
  QString &CurrentFile = Files->CurrentFile;
  QStringList &RecentFiles = Files->RecentFiles;
  bool OpenPhasorSet(const QString &path) { return Files->OpenPhasorSet(path); }
  // A recording analysed into the set (one undo step); false after one
  // message, the set unchanged.
  bool OpenRecording(const QString &path) { return Files->OpenRecording(path); }
  bool SavePhasorSet(const QString &path) { return Files->SavePhasorSet(path); }
  bool LoadPhasorSet(const QString &path, QString &error)
  {
    return Files->LoadPhasorSet(path, error);
  }
  bool StorePhasorSet(const QString &path, QString &error)
  {
    return Files->StorePhasorSet(path, error);
  }
  PhasorSetFile::TState CapturePhasorSet() const { return Files->CapturePhasorSet(); }
  void ApplyPhasorSet(const PhasorSetFile::TState &state) { Files->ApplyPhasorSet(state); }
  void FileNewClick() { Files->FileNewClick(); }
  void FileOpenClick() { Files->FileOpenClick(); }
  void FileSaveClick() { Files->FileSaveClick(); }
  void FileSaveAsClick() { Files->FileSaveAsClick(); }
  void OpenRecentFile(const QString &path) { Files->OpenRecentFile(path); }
  bool ConfirmDropWork() { return Files->ConfirmDropWork(); }

  // Undo and redo: the set as the user saw and heard it before or after the
  // step, then one redraw at the current step; with Sound On the restored
  // tone plays.
  void EditUndoClick();
  void EditRedoClick();
  std::shared_ptr<TPhasorSnapshot> CaptureSnapshot() const { return Document.Capture(); }
  // The history starts afresh from the state shown now (after the command
  // line has built the start-up state).
  void ResetUndoHistory();

protected:
  void closeEvent(QCloseEvent *event) override;
  void changeEvent(QEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  TActionWork ActionWork();
  TFilesView FilesView();
  TSpectrumView SpectrumView();
  TViewNeeds ViewNeeds();
  TPlotsView PlotsView();
  TShapeView ShapeView();
  TRecordingView RecordingView();
  TExerciseView ExerciseView();
  void BuildEditMenu();
  void FinishRestore(const TPhasorSnapshot &snapshot);
  void ShowUndoTexts();
  TTipPresenter *Tips = nullptr;    // owned (QObject child); shows the tips wrapped
  QWidget *ClientArea = nullptr;    // the fixed-size area every control lies in

  void BuildLayout();
  void BuildMenus();
  void BuildClientArea();
  // What the exports take from the window: its pictures, options and tone.
  TExportsView ExportsView();
  void BuildExportMenu();
  // Export > Figure, File > Print and Edit > Copy Figure.
  void BuildFigureActions();
  // Where Save As and the export dialogs start (see TExportsPart).
  QString StartFolder() const { return Exports->StartFolder(); }
  void RetranslateUi();
  // The teaching options as settings remember them, shown and heard.
  void RestoreTeachingOptions(QSettings *settings);
  void BindHandlers();
  void BindEditorToDocument();
  // Adds Manual and Keyboard Shortcuts above About, and their texts.
  void BuildHelpMenu();
  void RetranslateHelpMenu();
  // The controls' tips show wrapped.
  void BindTips();
};
