#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QWidget>

class QTableWidget;
class QTextBrowser;
class TRotantsForm;

// The help the program carries: the manual in a window of its own, and the
// list of keyboard shortcuts. User-interface thread only.

// A caption as the user reads it: accelerator marks taken out ("&Save" and
// the CJK form "保存(&S)" both read "Save"/"保存"; "&&" reads "&").
QString PlainCaption(const QString &caption);

// The manual: one HTML page per language in the resources (translators edit
// src/resources/manual/manual_<code>.html), shown in the language installed
// now and again after every language change.
class TManualWindow : public QWidget {
  Q_OBJECT

public:
  // A window of its own, closed with its parent.
  explicit TManualWindow(QWidget *parent);

  QTextBrowser *Browser = nullptr;

  // The manual's resource address for a language code; English for a code
  // without a page of its own.
  static QString PagePath(const QString &code);

  // Shows the manual's text at factor times the application's font size (the
  // main window's zoom), brought to the front.
  void ShowAt(double factor);

protected:
  void changeEvent(QEvent *event) override;

private:
  void Load();
  void RetranslateUi();
};

// One line of the shortcut list.
struct TShortcutRow {
  QString Keys;     // as the desktop writes them, several separated by ", "
  QString Command;  // what they do, as the menu or the control names it
  QString Place;    // where: the menu path, the group box, or the plots
};

// Every keyboard shortcut the window offers as it stands: each action's own
// shortcuts (menu order first, then any other action), each window shortcut
// that says what it does (its whatsThis), each button's and check box's
// mnemonic, and the plots' keys.
QList<TShortcutRow> ShortcutRows(const TRotantsForm &window);

// The shortcut list, made from ShortcutRows each time it is shown, so it
// never falls behind the window's actions.
class TShortcutsDialog : public QDialog {
  Q_OBJECT

public:
  explicit TShortcutsDialog(TRotantsForm *window);

  QTableWidget *Table = nullptr;

  // Fills the table anew from the window and shows the dialog in front.
  void ShowCurrent();
  // Fills the table anew from the window (after the window's texts changed).
  void Rebuild();

private:
  TRotantsForm *Window = nullptr;
};
