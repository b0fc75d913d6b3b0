#include "Translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Translations {

namespace {

std::unique_ptr<QTranslator> &OwnTranslator()
{
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

std::unique_ptr<QTranslator> &QtTranslator()
{
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

QString &InstalledCode()
{
  static QString code = QStringLiteral("en");
  return code;
}

void Remove(std::unique_ptr<QTranslator> &translator)
{
  if (translator) {
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
  }
}

}  // namespace

const QList<TLanguage> &Languages()
{
  static const QList<TLanguage> languages = {
      {"en", "English"},
      {"de", "Deutsch"},
      {"es", QString::fromUtf8("Espa\u00F1ol")},
      {"fr", QString::fromUtf8("Fran\u00E7ais")},
      {"pt_BR", QString::fromUtf8("Portugu\u00EAs (Brasil)")},
      {"zh_CN", QString::fromUtf8("\u7B80\u4F53\u4E2D\u6587")},
  };
  return languages;
}

QString ForLocale(const QString &localeName)
{
  const QString name = localeName.section('.', 0, 0).section('@', 0, 0).replace('-', '_');
  for (const TLanguage &language : Languages()) {
    if (language.Code.compare(name, Qt::CaseInsensitive) == 0)
      return language.Code;
  }
  const QString base = name.section('_', 0, 0);
  for (const TLanguage &language : Languages()) {
    if (language.Code.section('_', 0, 0).compare(base, Qt::CaseInsensitive) == 0)
      return language.Code;
  }
  return QStringLiteral("en");
}

QString SystemLanguage()
{
  // LANGUAGE may list several, "de:en"; the first one decides.
  for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(variable).section(':', 0, 0);
    if (!value.isEmpty())
      return ForLocale(value);
  }
  return QStringLiteral("en");
}

bool Install(const QString &code)
{
  bool known = false;
  for (const TLanguage &language : Languages())
    known = known || language.Code == code;
  Remove(OwnTranslator());
  Remove(QtTranslator());
  InstalledCode() = QStringLiteral("en");
  if (!known)
    return false;
  InstalledCode() = code;
  if (code == QLatin1String("en")) {
    // No translator: a language change still tells the windows to rewrite.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    return true;
  }
  // Qt's own first, then the program's: the one installed last is asked
  // first, so the program's catalogue also stands in for texts of Qt's that
  // Qt's catalogue lacks (the command line's help) or words poorly.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + code,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    QtTranslator() = std::move(qt);
  }
  // ROTANTS_TRANSLATIONS_DIR lets a translator try a compiled .qm file
  // without rebuilding the program.
  const QString directory = qEnvironmentVariable("ROTANTS_TRANSLATIONS_DIR",
                                                 QStringLiteral(":/i18n"));
  auto own = std::make_unique<QTranslator>();
  if (own->load(QStringLiteral("rotants_") + code, directory)) {
    QCoreApplication::installTranslator(own.get());
    OwnTranslator() = std::move(own);
  }
  return true;
}

QString Current()
{
  return InstalledCode();
}

}  // namespace Translations
