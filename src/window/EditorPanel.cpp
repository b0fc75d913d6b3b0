#include "EditorPanel.h"

#include "ActionRunner.h"
#include "HarmonicModel.h"
#include "NoticeLabel.h"
#include "PhasorDocument.h"
#include "PhasorTable.h"
#include "TipPresenter.h"
#include "WindowLayout.h"

#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QStringList>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

using WindowLayout::Place;

namespace {

// The Update button's glyph: a pen writing into a table row, in a normal and a
// disabled look.
QIcon UpdateGlyph()
{
  QPixmap normal(18, 18);
  normal.fill(Qt::transparent);
  {
    QPainter painter(&normal);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 9, 15, 7);
    painter.drawLine(6, 9, 6, 16);
    painter.setPen(QPen(QColor(0, 128, 0), 2));
    painter.drawLine(9, 12, 16, 2);
    painter.setPen(QPen(QColor(128, 0, 128), 2));
    painter.drawLine(8, 14, 10, 11);
  }
  QIcon icon(normal);
  QImage grey = normal.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    for (int x = 0; x < grey.width(); ++x) {
      const QRgb p = grey.pixel(x, y);
      const int v = 128 + qGray(p) / 2;
      grey.setPixel(x, y, qRgba(v, v, v, qAlpha(p)));
    }
  }
  icon.addPixmap(QPixmap::fromImage(grey), QIcon::Disabled);
  return icon;
}

// Longest part of a rejected text quoted in a message; a pasted page of text
// must not make a giant message box.
constexpr int QuotedTextLimit = 60;

QString QuotedText(const QString &text)
{
  return text.size() > QuotedTextLimit ? text.left(QuotedTextLimit) + QChar(0x2026) : text;
}

}  // namespace

TEditorPanel::TEditorPanel(TPhasorDocument &document, TActionRunner &actions, QWidget *client)
    : QObject(client), Document(document), Actions(actions)
{
  Panel = Place(new QFrame(client), "PhasorEditPanel", 1, 8, 265, 252);
  Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel->setAutoFillBackground(true);
  Panel->setVisible(false);
  BuildTable();

  // Over the table's last rows while it says which typed value became 0.
  Notice = Place(new TNoticeLabel(Panel), "EditorNotice", 9, 154, 247, 31);
  Notice->setTextFormat(Qt::PlainText);
  Notice->setWordWrap(true);
  Notice->setFrameStyle(QFrame::Box | QFrame::Plain);
  Notice->setIndent(WindowLayout::PanelIndent);
  Notice->setAutoFillBackground(true);
  QPalette palette = Notice->palette();
  palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC2));
  palette.setColor(QPalette::WindowText, Qt::black);
  Notice->setPalette(palette);
  Notice->setVisible(false);

  BuildEditBox();
  FollowDocument();
  ShowTexts(0, HarmonicCount - 1);
  ShowSelectedRow();
}

void TEditorPanel::BuildTable()
{
  Grid = Place(new TPhasorTable(HarmonicCount + 1, 3, Panel), "PhasorGrid", 8, 8, 249, 178);
  // The heading row stays in view while the rows scroll: the table's own
  // header shows row 0's texts (see SetHeading), and row 0 itself is hidden.
  Grid->verticalHeader()->hide();
  QHeaderView *header = Grid->horizontalHeader();
  header->setDefaultSectionSize(75);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  header->setFixedHeight(18);
  Grid->verticalHeader()->setDefaultSectionSize(18);
  Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  Grid->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid->setShowGrid(true);
  Grid->setTabKeyNavigation(false);
  for (int row = 0; row <= HarmonicCount; ++row) {
    for (int column = 0; column < 3; ++column) {
      auto *item = new QTableWidgetItem(row == 0 || column == 0 ? "" : "0.0");
      if (row == 0 || column == 0) {
        // Fixed headings: never current, never selected, drawn like a heading.
        item->setFlags(Qt::NoItemFlags);
        item->setBackground(Grid->palette().button());
        item->setForeground(Grid->palette().buttonText());
      } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      Grid->setItem(row, column, item);
    }
  }
  for (int column = 0; column < 3; ++column)
    Grid->setHorizontalHeaderItem(column, new QTableWidgetItem());
  Grid->setRowHidden(0, true);
  // The hidden row headers are what a screen reader names a row by: the
  // harmonic's number, not the row's.
  QStringList harmonics{QString()};
  for (int k = 0; k < HarmonicCount; ++k)
    harmonics << QString::number(k);
  Grid->setVerticalHeaderLabels(harmonics);
}

void TEditorPanel::BuildEditBox()
{
  EditBox = Place(new QGroupBox(Panel), "EditPhasorBox", 8, 186, 249, 59);
  HarmonicLabel = Place(new QLabel(EditBox), "HarmonicLabel", 8, 16, 45, 13);
  MagnitudeLabel = Place(new QLabel(EditBox), "MagnitudeLabel", 56, 16, 50, 13);
  AngleLabel = Place(new QLabel(EditBox), "AngleLabel", 115, 16, 40, 13);
  HarmonicEdit = Place(new QLineEdit("0", EditBox), "HarmonicEdit", 8, 32, 33, 21);
  HarmonicEdit->setEnabled(false);
  MagnitudeEdit = Place(new QLineEdit("0.0", EditBox), "MagnitudeEdit", 56, 32, 49, 21);
  AngleEdit = Place(new QLineEdit("0.0", EditBox), "AngleEdit", 112, 32, 41, 21);
  // A screen reader reads each box with the label above it.
  HarmonicLabel->setBuddy(HarmonicEdit);
  MagnitudeLabel->setBuddy(MagnitudeEdit);
  AngleLabel->setBuddy(AngleEdit);
  UpdateBtn = Place(new QPushButton(EditBox), "PhasorUpdateBtn", 164, 22, 75, 25);
  UpdateBtn->setIcon(UpdateGlyph());
  connect(UpdateBtn, &QPushButton::clicked, this, &TEditorPanel::UpdateRequested);
  // Return or Enter in either value box applies the row, as Update does.
  for (QLineEdit *edit : {MagnitudeEdit, AngleEdit})
    connect(edit, &QLineEdit::returnPressed, this, &TEditorPanel::UpdateRequested);
}

void TEditorPanel::FollowDocument()
{
  connect(&Document, &TPhasorDocument::TextsChanged, this, &TEditorPanel::ShowTexts);
  connect(&Document, &TPhasorDocument::SelectionChanged, this, &TEditorPanel::ShowSelectedRow);
  QLineEdit *const edits[] = {HarmonicEdit, MagnitudeEdit, AngleEdit};
  connect(&Document, &TPhasorDocument::EditTextsChanged, this, [this, edits] {
    for (std::size_t i = 0; i < 3; ++i)
      if (edits[i]->text() != Document.EditTexts[i])
        edits[i]->setText(Document.EditTexts[i]);
  });
  for (std::size_t i = 0; i < 3; ++i)
    connect(edits[i], &QLineEdit::textChanged, this,
            [this, i](const QString &text) { Document.EditTexts[i] = text; });
  // Only a move to another row loads the edit boxes: a click on the other
  // value cell of the same row must not throw away what the user has typed.
  connect(Grid, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int previousRow, int) {
            if (row != previousRow)
              Document.SelectHarmonic(row >= 1 ? row - 1 : -1);
          });
}

void TEditorPanel::ShowTexts(int first, int last)
{
  for (int k = std::max(first, 0); k <= std::min(last, HarmonicCount - 1); ++k)
    for (int column = 0; column < 3; ++column)
      Grid->item(k + 1, column)->setText(Document.GridText(k, column));
  DescribeRowSoon();
}

void TEditorPanel::ShowSelectedRow()
{
  const QSignalBlocker blocker(Grid);
  DescribeRowSoon();
  const int row = Document.SelectedHarmonic() + 1;
  if (row < 1) {
    Grid->setCurrentItem(nullptr);
    return;
  }
  if (Grid->currentRow() != row) {
    if (Grid->hasFocus()) {
      Grid->setCurrentCell(row, 1);
    } else {
      // Moved quietly: the view tells a screen reader of every move of its
      // current cell as a move of the focus, and a waveform choice moves it
      // through all 26 rows while the focus is elsewhere.
      const QSignalBlocker quiet(Grid->selectionModel());
      Grid->selectionModel()->setCurrentIndex(
          Grid->model()->index(row, 1),
          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
      Grid->viewport()->update();
    }
  }
  Grid->scrollToItem(Grid->item(row, 1));
}

void TEditorPanel::ShowNotice(const QString &text)
{
  Notice->setText(text);
  Notice->setVisible(!text.isEmpty());
  Notice->Announce();
}

void TEditorPanel::SetHeading(int column, const QString &text)
{
  Grid->item(0, column)->setText(text);
  Grid->horizontalHeaderItem(column)->setText(text);
}

bool TEditorPanel::IsShown() const
{
  return !Panel->isHidden();
}

void TEditorPanel::SetShown(bool shown)
{
  Panel->setVisible(shown);
  if (!shown)
    ShowNotice(QString());
}

void TEditorPanel::Retranslate()
{
  SetHeading(0, tr("Harmonic"));
  SetHeading(1, tr("Magnitude"));
  SetHeading(2, tr("Angle (\u00B0)"));
  EditBox->setTitle(tr("Edit Phasor"));
  HarmonicLabel->setText(tr("Harmonic"));
  MagnitudeLabel->setText(tr("Magnitude"));
  AngleLabel->setText(tr("Angle (\u00B0)"));
  UpdateBtn->setText(tr("&Update"));

  SetTip(Grid, tr("Magnitude and angle of every harmonic. Select a row to edit it below; its "
                  "harmonic is also the one the View menu highlights or plays alone."),
      tr("Harmonics table"));
  const QString harmonicTip = tr("The harmonic of the table's selected row.");
  SetTip(HarmonicEdit, harmonicTip, tr("Harmonic"));
  SetTip(HarmonicLabel, harmonicTip);
  const QString magnitudeTip =
      tr("The harmonic's magnitude, 0 to 10; Update or Return applies it.");
  SetTip(MagnitudeEdit, magnitudeTip, tr("Magnitude"));
  SetTip(MagnitudeLabel, magnitudeTip);
  const QString angleTip =
      tr("The harmonic's angle in degrees, -180 to 180; Update or Return applies it.");
  SetTip(AngleEdit, angleTip, tr("Angle in degrees"));
  SetTip(AngleLabel, angleTip);
  SetTip(UpdateBtn, tr("Give the selected harmonic the typed magnitude and angle. A value out of "
                       "range becomes 0, and a notice names it."));
  SetTip(EditBox, tr("Type a magnitude and an angle for the harmonic of the selected row."));
  SetTip(Notice, tr("A typed value outside its range was replaced by 0. The notice stays until an "
                    "Update that replaces nothing."));
  DescribeRow();
}

void TEditorPanel::DescribeRowSoon()
{
  if (DescribePending)
    return;
  DescribePending = true;
  QTimer::singleShot(0, this, [this] {
    DescribePending = false;
    DescribeRow();
  });
}

void TEditorPanel::DescribeRow()
{
  const int k = Document.SelectedHarmonic();
  const QString row = k < 0 ? QString()
                            : tr("Harmonic %1: %2 at %3\u00b0")
                                  .arg(k)
                                  .arg(Document.GridText(k, 1), Document.GridText(k, 2));
  QWidget *const controls[] = {MagnitudeEdit, AngleEdit, UpdateBtn};
  for (QWidget *control : controls) {
    const QString description =
        row.isEmpty() ? QString() : row + QLatin1Char('\n') + control->toolTip();
    // Qt announces the change itself.
    if (control->accessibleDescription() != description)
      control->setAccessibleDescription(description);
  }
}

// The document's apply sets the entry (out-of-range numbers as 0, with the
// rounding the table shows) and the row's texts.
void TEditorPanel::Apply()
{
  const int k = Document.SelectedHarmonic();
  if (k < 0 || k >= HarmonicCount)
    return;
  const QString magnitudeText = Document.EditTexts[1];
  const QString angleText = Document.EditTexts[2];
  double value = 0.0;
  for (const QString &text : {magnitudeText, angleText}) {
    if (!TPhasorDocument::ReadTyped(text, value)) {
      emit Refused(tr("'%1' is not a number; write it with a decimal point, for example 1.5")
                       .arg(QuotedText(text)));
      return;
    }
  }
  const TActionScope action(Actions, tr("Typed Harmonic %1").arg(k), TStepKind::HandMade);
  // An undo of this step shows the row as it was, in the table and the edit
  // boxes alike: the texts typed for it are not left for the next Update to
  // apply again. (Within a larger action, such as a drawing loading every
  // harmonic, the step is that action's.)
  if (TPhasorSnapshot *start = Actions.OwnStepStart())
    start->EditTexts = {Document.GridText(k, 0), Document.GridText(k, 1), Document.GridText(k, 2)};
  TAppliedHarmonic applied;
  Document.ApplyTyped(k, magnitudeText, angleText, &applied);
  // The notice says which values became 0; the edit boxes keep what was typed.
  QStringList replaced;
  if (applied.MagnitudeReplaced)
    replaced << tr("Magnitude %1 is outside 0 to 10: 0 applied")
                    .arg(QuotedText(magnitudeText.trimmed()));
  if (applied.AngleReplaced)
    replaced << tr("Angle %1 is outside -180 to 180: 0 applied")
                    .arg(QuotedText(angleText.trimmed()));
  ShowNotice(replaced.join('\n'));
  emit Applied();
}

void TEditorPanel::Load(int k, const QString &magnitude, const QString &angle)
{
  Document.SelectHarmonic(k);
  ShowSelectedRow();
  Document.SetEditTexts(QString::number(k), magnitude, angle);
}
