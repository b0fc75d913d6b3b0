#include "MainForm.h"

#include "AboutForm.h"
#include "EditorPanel.h"
#include "PlaybackPart.h"
#include "FFTUnit.h"
#include "MySoundUnit.h"
#include "NoticeLabel.h"
#include "WindowLayout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QGridLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QUndoStack>
#include <QTimer>

#include <utility>

using WindowLayout::ClientHeight;
using WindowLayout::ClientWidth;
using WindowLayout::Place;

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
  Document.CaptureTone = [this](TPhasorSnapshot &snapshot) { Sound->CaptureTone(snapshot); };

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

  Editor->ShowTexts(0, HarmonicCount - 1);
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
  Document.CaptureTone = nullptr;
}

void TRotantsForm::BuildLayout()
{
  setObjectName("RotantsForm");
  setWindowTitle("Rotants V1.0");
  setWindowIcon(ApplicationIcon());
  setFont(WindowFont());
  BuildMenus();
  BuildClientArea();

  // The tab chain; from the last control it goes to the plane, then to the
  // time plot (made first of all widgets, so first in the window's circular
  // chain), then to Play. A shown window still starts with the focus on Play.
  QWidget *const chain[] = {PlayBtn, TimeTrackBar, ClearBtn, StopBtn, WaveformComboBox,
                            RealValueCheckBox, ConjugateCheckBox, RotateComplexPlaneCheckBox,
                            TraceCheckBox, PhasorGrid, MagnitudeEdit, AngleEdit, PhasorUpdateBtn,
                            EditRotantsBtn, HighestHarmonicComboBox, TimeGridCheckBox,
                            SoundCheckBox, RepeatPlayCheckBox, IdealWaveCheckBox, PhasorImage};
  for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
    setTabOrder(chain[i], chain[i + 1]);

  AboutBox = new TAboutBox(this);
  BindTips();
  RetranslateUi();

  setAcceptDrops(true);
  View->StartScaling(ClientArea, StatusBar);
  PlayBtn->setFocus(Qt::OtherFocusReason);
}

void TRotantsForm::BuildMenus()
{
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
  Playback->BuildSpeedActions(MenuView);
  Help = MainMenu->addMenu(QString());
  Help->setObjectName("Help");
  HelpAbout = Help->addAction(QString());
  HelpAbout->setObjectName("HelpAbout");
  Exports->BuildFigureActions(MenuFile, FileExit, MenuEdit);
  BuildHelpMenu();
  Spectrum->BuildActions(MenuView);
  ViewSpectrum = Spectrum->ViewSpectrum;
  ViewSpectrumDecibels = Spectrum->ViewSpectrumDecibels;
  Shape->BuildAction(MenuView);
  Recorder->BuildActions(MenuView);
  View->BuildLanguageMenu(MenuView);
  Exercise->BuildMenu(MainMenu, Help->menuAction());
}

void TRotantsForm::BuildClientArea()
{
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
  Controls->BuildLabels(client);

  Editor = new TEditorPanel(Document, Actions, client);
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

  Playback->BuildControls(client);
  StopBtn = Playback->StopBtn;
  PlayBtn = Playback->PlayBtn;
  TimeTrackBar = Playback->TimeTrackBar;
  SimulationTimer = Playback->SimulationTimer;
  Plots->UsePlayback(Playback);

  Plots->BuildStatusBar(client);
  StatusPanel0 = Plots->StatusPanel0;
  StatusPanel1 = Plots->StatusPanel1;
  StatusPanel2 = Plots->StatusPanel2;
  Playback->BuildSpeedPanel(StatusBar);

  Controls->BuildControls(client, [this](QWidget *timeOptions) {
    Sound->BuildControls(timeOptions);
    return Sound->SoundCheckBox;
  });

  Spectrum->BuildStrip(client);
  Shape->BuildStrip(client);
  Recorder->BuildStrip(client);
  Exercise->BuildStrip(client);
}

void TRotantsForm::BindHandlers()
{
  connect(FileExit, &QAction::triggered, this, &TRotantsForm::FileExitClick);
  connect(HelpAbout, &QAction::triggered, this, &TRotantsForm::HelpAboutClick);

  connect(View, &TViewPart::HighlightToggled, this, [this] {
    Plots->ShowSelectedHarmonic();
    TimeTrackBarChange();
  });
  connect(View, &TViewPart::ShowErrorToggled, Plots, &TPlotsPart::ShowErrorPanel);
  connect(View, &TViewPart::AxesToggled, this, &TRotantsForm::TimeTrackBarChange);
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
  connect(Editor, &TEditorPanel::Applied, this, [this] {
    SynthesizeTone();
    PlaySound(SoundCheckBox->isChecked());
    TimeTrackBarChange();
  });
  connect(Editor, &TEditorPanel::Refused, this, &TRotantsForm::ShowWarning);
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
    Document.EndStroke(tr("Drawing"));
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
