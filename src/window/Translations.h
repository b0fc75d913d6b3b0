#pragma once

#include <QList>
#include <QString>

// The languages the program speaks, and switching between them at run time.
// English is the language of the sources and needs no translation; the others
// come from the program's own translations and Qt's (for its dialogs and
// buttons). User-interface thread only.
namespace Translations {

struct TLanguage {
  QString Code;        // "en", "de", "fr", "es", "pt_BR", "zh_CN"
  QString NativeName;  // the language's name in itself, as the menu shows it
};

const QList<TLanguage> &Languages();

// The language code for a locale name such as "de_AT.UTF-8" or "pt_BR": the
// language with that exact code, else the first one of that language; English
// for anything else, the C locale included.
QString ForLocale(const QString &localeName);

// The language of the system locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QString SystemLanguage();

// Installs the translations of code (one of Languages()) in place of the ones
// before, which sends every window a language change. False, and English, for
// an unknown code. The program's own come from ROTANTS_TRANSLATIONS_DIR when
// set, else from its resources.
bool Install(const QString &code);

// The code installed last; "en" before any.
QString Current();

}  // namespace Translations
