#pragma once

#include "NoticeLabel.h"

#include <QObject>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;
class TActionRunner;
class TPhasorDocument;

// The editor panel over the phasor plane: the table of the 26 harmonics, the
// edit boxes of the selected one, Update and the notice of values replaced
// by 0. It shows the document's texts and row and follows its signals; a row
// the user chooses and a text the user types go to the document, and Update
// applies the typed values as one user action. User-interface thread only;
// the widgets are children of the client area.
class TEditorPanel : public QObject {
  Q_OBJECT

public:
  // Builds the panel, hidden, in client; document and actions must outlive
  // the panel.
  TEditorPanel(TPhasorDocument &document, TActionRunner &actions, QWidget *client);

  // The widgets, each with its name as objectName. Table item(row, column)
  // is the cell of harmonic row - 1; row 0 (hidden) and column 0 are
  // headings.
  QFrame *Panel = nullptr;         // PhasorEditPanel
  QTableWidget *Grid = nullptr;    // PhasorGrid
  QGroupBox *EditBox = nullptr;    // EditPhasorBox
  QLabel *HarmonicLabel = nullptr;
  QLabel *MagnitudeLabel = nullptr;
  QLabel *AngleLabel = nullptr;
  QLineEdit *HarmonicEdit = nullptr;
  QLineEdit *MagnitudeEdit = nullptr;
  QLineEdit *AngleEdit = nullptr;
  QPushButton *UpdateBtn = nullptr;  // PhasorUpdateBtn
  TNoticeLabel *Notice = nullptr;    // EditorNotice: hidden while empty, spoken when shown

  // Update: the edit boxes' texts applied to the selected harmonic, one user
  // action ("Typed Harmonic k") that raises Applied. Both texts are checked
  // first, so a text that is not a number raises Refused with its message and
  // changes nothing. The notice names the values replaced by 0.
  void Apply();
  // Harmonic k's row selected, in view, and the edit boxes given the texts,
  // as if typed.
  void Load(int k, const QString &magnitude, const QString &angle);
  // The rows of harmonics first..last as the document holds them.
  void ShowTexts(int first, int last);
  // The table's current row is the document's selected harmonic, in view.
  void ShowSelectedRow();
  // Shows text in the notice, or hides it for an empty text.
  void ShowNotice(const QString &text);
  // The headings, captions, tips and names in the current language.
  void Retranslate();
  // A column heading; the table's own header shows it.
  void SetHeading(int column, const QString &text);
  bool IsShown() const;
  // Shows or hides the panel; hiding it takes the notice away.
  void SetShown(bool shown);

signals:
  // Update pressed, or Return in either value box.
  void UpdateRequested();
  // An Update changed the entry, within its action: the tone and pictures
  // follow.
  void Applied();
  // An Update refused a text; message says why.
  void Refused(const QString &message);

private:
  void BuildTable();
  void BuildEditBox();
  void FollowDocument();
  // For a screen reader, the value boxes and Update are described by the
  // selected row as the table reads it, then their tips. A reader speaks a
  // change of the focused one's description, so an Update is heard.
  void DescribeRow();
  // DescribeRow once the current event is handled: a waveform choice walks
  // the selection through all 26 rows, and only the last one matters.
  void DescribeRowSoon();
  bool DescribePending = false;

  TPhasorDocument &Document;
  TActionRunner &Actions;
};
