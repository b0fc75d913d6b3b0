#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSlider>

// Figures for handouts and slides: the Edit menu's Copy Figure, File > Print
// and the figure export's menu item. The drawing is TFigureRenderer's; this
// gathers the window's state for it and wires the menus and dialogs.

namespace {


}  // namespace

void TRotantsForm::BuildFigureActions()
{
  FileExportFigure = MenuFileExport->addAction(QString());
  FileExportFigure->setObjectName("FileExportFigure");
  connect(FileExportFigure, &QAction::triggered, this, &TRotantsForm::FileExportFigureClick);

  // Print follows the Export submenu, above the separator before Exit.
  FilePrint = new QAction(this);
  FilePrint->setObjectName("FilePrint");
  FilePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  const QList<QAction *> fileItems = MenuFile->actions();
  const qsizetype exportAt = fileItems.indexOf(MenuFileExport->menuAction());
  MenuFile->insertAction(fileItems.value(exportAt + 1, FileExit), FilePrint);
  connect(FilePrint, &QAction::triggered, this, &TRotantsForm::FilePrintClick);

  // Below Undo and Redo, which the Edit menu already holds.
  MenuEdit->addSeparator();
  EditCopyFigure = MenuEdit->addAction(QString());
  EditCopyFigure->setObjectName("EditCopyFigure");
  // Ctrl+C stays with the edit boxes, which copy their selected text.
  EditCopyFigure->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(EditCopyFigure, &QAction::triggered, this, &TRotantsForm::EditCopyFigureClick);
}

TFigureState TRotantsForm::FigureState() const
{
  TFigureState state;
  state.Entries = PhasorList;
  state.Highest = HighestHarmonic;
  state.Conjugate = ConjugateCheckBox->isChecked();
  state.Step = TimeTrackBar->value();
  state.RealValue = RealValueCheckBox->isChecked();
  state.Rotate = RotateComplexPlaneCheckBox->isChecked();
  state.Trace = TraceCheckBox->isChecked();
  state.Grid = TimeGridCheckBox->isChecked();
  state.IdealShown =
      IdealWaveCheckBox->isChecked() && WaveformComboBox->currentIndex() != WaveformItems::CustomRotants;
  const int selected = SelectedHarmonic();
  state.Highlighted =
      ViewHighlightHarmonic->isChecked() && selected <= HighestHarmonic ? selected : -1;
  state.IdealWave = IdealWave;
  state.ReconWave = ReconWave;
  state.WaveformName = WaveformComboBox->currentText();
  state.Selected = selected;
  state.HighlightSelected = ViewHighlightHarmonic->isChecked();
  state.Decibels = ViewSpectrumDecibels->isChecked();
  if (ViewSpectrum->isChecked())
    state.Panels.push_back(TFigurePanel::Spectrum);
  return state;
}

QMimeData *TRotantsForm::FigureMimeData() const
{
  const TFigureRenderer figure(FigureState());
  auto *data = new QMimeData;
  data->setImageData(figure.Picture(size() * 2));
  data->setData(QStringLiteral("image/svg+xml"), figure.Svg());
  return data;
}

void TRotantsForm::EditCopyFigureClick()
{
  QGuiApplication::clipboard()->setMimeData(FigureMimeData());
}

bool TRotantsForm::PrintFigure(QPrinter &printer)
{
  LastExportError.clear();
  QPainter painter;
  if (!painter.begin(&printer)) {
    LastExportError = tr("the printer could not be started");
    return false;
  }
  const QRectF page(QPointF(0.0, 0.0),
                    printer.pageLayout().paintRectPixels(printer.resolution()).size());
  TFigureRenderer(FigureState()).RenderPage(painter, page);
  if (!painter.end()) {
    LastExportError = tr("the printer could not finish the page");
    return false;
  }
  return true;
}

void TRotantsForm::FilePrintClick()
{
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(TFigureRenderer(FigureState()).Caption());
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("Print Figure"));
  if (dialog.exec() != QDialog::Accepted)
    return;
  if (!PrintFigure(printer))
    ShowWarning(tr("Could not print: %1.").arg(LastExportError));
}
