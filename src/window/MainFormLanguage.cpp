#include "MainForm.h"

#include "Translations.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QSettings>

// The View > Language submenu: the system's language or one chosen, applied
// at once and remembered in the settings ("" for the system's).

namespace {

const char LanguageKey[] = "View/Language";

}  // namespace

void TRotantsForm::BuildLanguageMenu()
{
  MenuView->addSeparator();
  ViewLanguage = MenuView->addMenu(QString());
  ViewLanguage->setObjectName("ViewLanguage");
  auto *group = new QActionGroup(this);
  const auto addChoice = [this, group](const QString &code, const QString &name) {
    QAction *choice = ViewLanguage->addAction(name);
    choice->setObjectName(code.isEmpty() ? QString("ViewLanguageSystem")
                                         : "ViewLanguage_" + code);
    choice->setCheckable(true);
    choice->setData(code);
    group->addAction(choice);
    connect(choice, &QAction::triggered, this, [this, code] { SetLanguage(code, true); });
    return choice;
  };
  addChoice(QString(), QString());
  ViewLanguage->addSeparator();
  for (const Translations::TLanguage &language : Translations::Languages())
    addChoice(language.Code, language.NativeName);
  ViewLanguage->actions().first()->setChecked(true);
}

void TRotantsForm::SetLanguage(const QString &code, bool remember)
{
  const QString installed = code.isEmpty() ? Translations::SystemLanguage() : code;
  if (!Translations::Install(installed))
    return;
  // Qt posts the language change; the window and the about box read in the
  // new language as soon as the choice is made.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  for (QAction *choice : ViewLanguage->actions()) {
    if (choice->isCheckable())
      choice->setChecked(choice->data().toString() == code);
  }
  if (remember && Settings)
    Settings->setValue(LanguageKey, code);
}

void TRotantsForm::RestoreLanguage(QSettings *settings)
{
  const QString code = settings->value(LanguageKey, QString()).toString();
  if (!code.isEmpty())
    SetLanguage(code, false);
}
