#include "MainForm.h"

#include "AboutForm.h"
#include "EditorPanel.h"
#include "PlaybackPart.h"
#include "FFTUnit.h"
#include "MySoundUnit.h"
#include "MyGraphUnit.h"
#include "SpectrumView.h"
#include "WindowLayout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QUndoStack>
#include <QStyle>
#include <QWheelEvent>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <utility>

using WindowLayout::Place;

namespace {

using WindowLayout::ClientHeight;
using WindowLayout::ClientWidth;

// Drop-downs take a wheel turn only while they have keyboard focus: a wheel
// turned while the mouse merely passes over "Waveform" must not throw away a
// drawing or the placed phasors.
class TFocusedWheelFilter : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override
  {
    if (event->type() == QEvent::Wheel) {
      auto *widget = qobject_cast<QWidget *>(watched);
      if (widget && !widget->hasFocus()) {
        event->ignore();
        return true;
      }
    }
    return false;
  }
};

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int left, int top,
                  int width, int height)
{
  return Place(new QLabel(text, parent), name, left, top, width, height);
}

QCheckBox *MakeCheckBox(QWidget *parent, const char *name, const QString &text, int left, int top,
                        int width, int height, bool checked)
{
  auto *box = Place(new QCheckBox(text, parent), name, left, top, width, height);
  box->setChecked(checked);
  return box;
}

}  // namespace

// The layout was made for a sans-serif face whose lines are 11 pixels high.
// An Arial-metric face at a pixel size of 10 has exactly that line height and
// keeps every caption and item inside its control at the layout's sizes.
QFont WindowFont()
{
  QFont font = QApplication::font();
  font.setFamilies({"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(10);
  return font;
}

// The resources live in the static library, so they are registered by hand.
static void RegisterResources()
{
  Q_INIT_RESOURCE(rotants);
}

QIcon ApplicationIcon()
{
  RegisterResources();
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QString(":/rotants/rotants-%1.png").arg(size), QSize(size, size));
  return icon;
}


TRotantsForm::TRotantsForm(QWidget *parent) : QMainWindow(parent)
{
  BuildLayout();
  BindHandlers();

  // Caption, replacing the layout's provisional one. The window caption is
  // what the desktop shows as the application's title; no display name is
  // kept beside it, because the desktop appends one to every other window's
  // caption ("About" would read "About \u2014 Rotants 1.0").
  Files->ShowCaption();
  QGuiApplication::setApplicationDisplayName(QString());

  SetEditMode(PlacingTips);
  IdleEditMode = PlacingTips;
  MouseDrawing = false;
  MarkerRadius = 2;

  HighestHarmonic = 25;
  PhasorList.fill(HarmonicPhasor{});
  CurrentPhasor = &PhasorList[HighestHarmonic];
  BasePhasor = &PhasorList[0];

  const int fftLength = 256;
  FFT = new TFFT(this, fftLength);

  HighestHarmonicComboBox->setCurrentIndex(25);
  WaveformComboBox->setCurrentIndex(0);

  ClearBtnClick();

  ShowGridTexts(0, HarmonicCount - 1);
  ShowSelectedRow();
  ResetUndoHistory();
}

// The document goes before the parts, which are QObject children and live
// until the base class's destructor: its history reports its clearing as it
// goes, which must reach neither them nor the window.
TRotantsForm::~TRotantsForm()
{
  Document.UndoStack()->disconnect();
  Document.disconnect();
}

void TRotantsForm::BuildLayout()
{
  setObjectName("RotantsForm");
  setWindowTitle("Rotants V1.0");
  setWindowIcon(ApplicationIcon());
  setFont(WindowFont());

  MainMenu = new QMenuBar(this);
  MainMenu->setObjectName("MainMenu");
  setMenuBar(MainMenu);
  MenuFile = MainMenu->addMenu(QString());
  MenuFile->setObjectName("MenuFile");
  FileExit = MenuFile->addAction(QString());
  FileExit->setObjectName("FileExit");
  Files->BuildMenu(MenuFile, FileExit);
  Exports->BuildExportMenu(MenuFile, FileExit);
  BuildEditMenu();
  MenuView = MainMenu->addMenu(QString());
  MenuView->setObjectName("MenuView");
  View->BuildZoomActions(MenuView);
  View->BuildTeachingActions(MenuView);
  ViewHighlightHarmonic = View->ViewHighlightHarmonic;
  ViewShowError = View->ViewShowError;
  Sound->BuildSoloAction(MenuView, ViewShowError);
  ViewSoloHarmonic = Sound->ViewSoloHarmonic;
  Help = MainMenu->addMenu(QString());
  Help->setObjectName("Help");
  HelpAbout = Help->addAction(QString());
  HelpAbout->setObjectName("HelpAbout");
  Exports->BuildFigureActions(MenuFile, FileExit, MenuEdit);
  BuildHelpMenu();

  // The client area sits centred in a frame of the window's face colour, which
  // is exactly its size in a window and fills the screen in full screen.
  auto *frame = new QWidget(this);
  frame->setObjectName("ClientFrame");
  auto *centring = new QGridLayout(frame);
  centring->setContentsMargins(0, 0, 0, 0);
  auto *client = new QWidget(frame);
  ClientArea = client;
  client->setObjectName("ClientArea");
  client->setFixedSize(ClientWidth, ClientHeight);
  centring->addWidget(client, 0, 0, Qt::AlignCenter);
  setCentralWidget(frame);

  MenuBevel = Place(new QFrame(client), "MenuBevel", 0, 0, 782, 2);
  MenuBevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  Plots->BuildPlots(client);
  TimeImage = Plots->TimeImage;
  PhasorImage = Plots->PhasorImage;
  Re0Label = Plots->Re0Label;
  Im0Label = Plots->Im0Label;
  Im90Label = Plots->Im90Label;
  Re90Label = Plots->Re90Label;
  PhasorHelpLabel = Plots->PhasorHelpLabel;
  TimeHelpLabel = Plots->TimeHelpLabel;
  WaveformLabel = MakeLabel(client, "WaveformLabel", {}, 8, 264, 52, 13);
  HighestHarmonicLabel = MakeLabel(client, "HighestHarmonicLabel", {}, 112, 264, 85, 13);

  Editor = new TEditorPanel(Document, client);
  PhasorEditPanel = Editor->Panel;
  PhasorGrid = Editor->Grid;
  EditorNotice = Editor->Notice;
  EditPhasorBox = Editor->EditBox;
  HarmonicLabel = Editor->HarmonicLabel;
  MagnitudeLabel = Editor->MagnitudeLabel;
  AngleLabel = Editor->AngleLabel;
  HarmonicEdit = Editor->HarmonicEdit;
  MagnitudeEdit = Editor->MagnitudeEdit;
  AngleEdit = Editor->AngleEdit;
  PhasorUpdateBtn = Editor->UpdateBtn;

  Playback = new TPlaybackPart(Document, client);
  StopBtn = Playback->StopBtn;
  PlayBtn = Playback->PlayBtn;
  TimeTrackBar = Playback->TimeTrackBar;
  SimulationTimer = Playback->SimulationTimer;
  Plots->UsePlayback(Playback);

  Plots->BuildStatusBar(client);
  StatusBar = Plots->StatusBar;
  StatusPanel0 = Plots->StatusPanel0;
  StatusPanel1 = Plots->StatusPanel1;
  StatusPanel2 = Plots->StatusPanel2;
  StatusPanel3 = Plots->StatusPanel3;
  SelectedHarmonicPanel = Plots->SelectedHarmonicPanel;
  Spectrum->BuildActions(MenuView);
  ViewSpectrum = Spectrum->ViewSpectrum;
  ViewSpectrumDecibels = Spectrum->ViewSpectrumDecibels;
  View->BuildLanguageMenu(MenuView);

  ClearBtn = Place(new QPushButton(client), "ClearBtn", 560, 336, 75, 25);
  ClearBtn->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));

  WaveformComboBox = Place(new QComboBox(client), "WaveformComboBox", 8, 280, 105, 21);
  WaveformComboBox->setEditable(false);
  for (int item = 0; item < WaveformItemCount; ++item)
    WaveformComboBox->addItem(QString());

  PhasorOptionsGroupBox = Place(new QGroupBox(client), "PhasorOptionsGroupBox",
                                8, 304, 305, 57);
  RealValueCheckBox = MakeCheckBox(PhasorOptionsGroupBox, "RealValueCheckBox", {},
                                   8, 16, 145, 17, true);
  RotateComplexPlaneCheckBox =
      MakeCheckBox(PhasorOptionsGroupBox, "RotateComplexPlaneCheckBox", {}, 8, 32, 145, 17, false);
  TraceCheckBox = MakeCheckBox(PhasorOptionsGroupBox, "TraceCheckBox", {}, 160,
                               32, 137, 17, false);
  ConjugateCheckBox = MakeCheckBox(PhasorOptionsGroupBox, "ConjugateCheckBox", {}, 159, 16, 137, 17, false);

  EditRotantsBtn = Place(new QPushButton(client), "EditRotantsBtn", 192, 278, 75,
                         25);

  HighestHarmonicComboBox =
      Place(new QComboBox(client), "HighestHarmonicComboBox", 120, 280, 65, 21);
  HighestHarmonicComboBox->setEditable(false);
  for (int k = 0; k <= 25; ++k)
    HighestHarmonicComboBox->addItem(QString::number(k));
  auto *wheelFilter = new TFocusedWheelFilter(this);
  for (QComboBox *box : {WaveformComboBox, HighestHarmonicComboBox}) {
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(wheelFilter);
  }

  TimeOptionsGroupBox =
      Place(new QGroupBox(client), "TimeOptionsGroupBox", 320, 304, 233, 57);
  TimeGridCheckBox = MakeCheckBox(TimeOptionsGroupBox, "TimeGridCheckBox", {}, 8, 16, 65,
                                  17, true);
  Sound->BuildControls(TimeOptionsGroupBox);
  RepeatPlayCheckBox = MakeCheckBox(TimeOptionsGroupBox, "RepeatPlayCheckBox", {}, 8, 32,
                                    73, 17, true);
  IdealWaveCheckBox = MakeCheckBox(TimeOptionsGroupBox, "IdealWaveCheckBox", {}, 80, 32,
                                   73, 17, true);

  Spectrum->BuildStrip(client);

  setTabOrder(PlayBtn, TimeTrackBar);
  setTabOrder(TimeTrackBar, ClearBtn);
  setTabOrder(ClearBtn, StopBtn);
  setTabOrder(StopBtn, WaveformComboBox);
  setTabOrder(WaveformComboBox, RealValueCheckBox);
  setTabOrder(RealValueCheckBox, ConjugateCheckBox);
  setTabOrder(ConjugateCheckBox, RotateComplexPlaneCheckBox);
  setTabOrder(RotateComplexPlaneCheckBox, TraceCheckBox);
  setTabOrder(TraceCheckBox, PhasorGrid);
  setTabOrder(PhasorGrid, MagnitudeEdit);
  setTabOrder(MagnitudeEdit, AngleEdit);
  setTabOrder(AngleEdit, PhasorUpdateBtn);
  setTabOrder(PhasorUpdateBtn, EditRotantsBtn);
  setTabOrder(EditRotantsBtn, HighestHarmonicComboBox);
  setTabOrder(HighestHarmonicComboBox, TimeGridCheckBox);
  setTabOrder(TimeGridCheckBox, SoundCheckBox);
  setTabOrder(SoundCheckBox, RepeatPlayCheckBox);
  setTabOrder(RepeatPlayCheckBox, IdealWaveCheckBox);
  // Tab goes from the last control to the plane, then to the time plot (made
  // first of all widgets, so first in the window's circular chain), then to
  // Play. A shown window still starts with the focus on Play.
  setTabOrder(IdealWaveCheckBox, PhasorImage);

  AboutBox = new TAboutBox(this);
  BindTips();
  RetranslateUi();

  setAcceptDrops(true);
  View->StartScaling(ClientArea, StatusBar);
  PlayBtn->setFocus(Qt::OtherFocusReason);
}

void TRotantsForm::SetGridHeading(int column, const QString &text)
{
  Editor->SetHeading(column, text);
}

void TRotantsForm::BindHandlers()
{
  connect(FileExit, &QAction::triggered, this, &TRotantsForm::FileExitClick);
  connect(HelpAbout, &QAction::triggered, this, &TRotantsForm::HelpAboutClick);

  // The document keeps the options a saved set carries as the boxes change.
  const std::pair<QCheckBox *, bool TSetOptions::*> options[] = {
      {RealValueCheckBox, &TSetOptions::RealValue},
      {RotateComplexPlaneCheckBox, &TSetOptions::RotateComplexPlane},
      {TraceCheckBox, &TSetOptions::Trace},
      {TimeGridCheckBox, &TSetOptions::Grid},
      {SoundCheckBox, &TSetOptions::Sound},
      {RepeatPlayCheckBox, &TSetOptions::Repeat},
      {IdealWaveCheckBox, &TSetOptions::IdealWave}};
  for (const auto &[box, option] : options) {
    Document.Options.*option = box->isChecked();
    connect(box, &QCheckBox::toggled, this,
            [this, option = option](bool on) { Document.Options.*option = on; });
  }

  connect(View, &TViewPart::HighlightToggled, this, [this] {
    Plots->ShowSelectedHarmonic();
    TimeTrackBarChange();
  });
  connect(View, &TViewPart::ShowErrorToggled, Plots, &TPlotsPart::ShowErrorPanel);
  connect(Sound, &TSoundPart::SoloChanged, Plots, &TPlotsPart::ShowSelectedHarmonic);
  connect(TimeTrackBar, &QSlider::valueChanged, this, &TRotantsForm::TimeTrackBarChange);
  for (QCheckBox *box : {RealValueCheckBox, TraceCheckBox, TimeGridCheckBox, IdealWaveCheckBox})
    connect(box, &QCheckBox::clicked, this, &TRotantsForm::TimeTrackBarChange);
  connect(ConjugateCheckBox, &QCheckBox::clicked, this, &TRotantsForm::ConjugateCheckBoxClick);
  connect(RotateComplexPlaneCheckBox, &QCheckBox::clicked, this,
          &TRotantsForm::RotateComplexPlaneCheckBoxClick);

  // A press of Play or Stop by the user, by mouse, Space or accelerator, hands
  // the keyboard focus to the button now in front, so Space toggles again.
  connect(PlayBtn, &QPushButton::clicked, this, [this] {
    PlayBtnClick();
    FocusFrontPlaybackButton();
  });
  connect(StopBtn, &QPushButton::clicked, this, [this] {
    StopBtnClick();
    FocusFrontPlaybackButton();
  });
  connect(ClearBtn, &QPushButton::clicked, this, &TRotantsForm::ClearBtnClick);
  connect(EditRotantsBtn, &QPushButton::clicked, this, &TRotantsForm::EditRotantsBtnClick);
  connect(Editor, &TEditorPanel::UpdateRequested, this, &TRotantsForm::PhasorUpdateBtnClick);
  connect(Playback, &TPlaybackPart::Starting, this, [this] { SetEditMode(NoEditing); });
  connect(Playback, &TPlaybackPart::Stopping, this, [this] { SetEditMode(IdleEditMode); });

  connect(WaveformComboBox, &QComboBox::activated, this, &TRotantsForm::WaveformComboBoxChange);
  connect(HighestHarmonicComboBox, &QComboBox::activated, this,
          &TRotantsForm::HighestHarmonicComboBoxChange);
  BindEditorToDocument();
}

void TRotantsForm::SetEditMode(int mode)
{
  // A stroke belongs to the drawing mode: Play or another waveform chosen
  // from the keyboard while the button is held ends it. What it drew stays
  // and becomes a step of its own, so undo and redo never pass over it. (An
  // action in progress has taken the stroke's start as its own.)
  if (MouseDrawing && mode != DrawingWave) {
    MouseDrawing = false;
    Actions.EndStroke(tr("Drawing"));
  }
  if (mode < NoEditing || mode > DrawingWave)
    return;
  EditMode = TEditMode(mode);
  Plots->ShowEditMode();
}

// The phasor list is a plain member array: it lives as long as the window, so a
// window closed and shown again (or a late event) never meets a freed list.
void TRotantsForm::FormClose()
{
  MySound->PlayLoop(false);
  SimulationTimer->stop();
}

void TRotantsForm::FileExitClick()
{
  close();
}

// A modal warning titled with the program's caption. Messages quote what the
// user typed or named (texts, file names), so they are shown as plain text,
// never interpreted as markup.
void TRotantsForm::ShowWarning(const QString &message)
{
  QMessageBox box(QMessageBox::Warning, CaptionText, message, QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void TRotantsForm::HelpAboutClick()
{
  AboutBox->exec();
}

void TRotantsForm::closeEvent(QCloseEvent *event)
{
  if (!ConfirmDropWork()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}
