#include "TestSupport.h"

#include <QCoreApplication>

#include <clocale>
#include <cstdlib>
#include <string>

const char *SwitchToCommaLocale()
{
  static const char *const Names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8",
                                      "fr_FR.utf8", "nl_NL.UTF-8", "it_IT.UTF-8"};
  const auto tryNames = []() -> const char * {
    for (const char *name : Names) {
      if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point == std::string(","))
        return name;
    }
    return nullptr;
  };
  if (const char *name = tryNames())
    return name;
  if (const char *path = std::getenv("ROTANTS_COMMA_LOCALE_PATH")) {
    setenv("LOCPATH", path, 1);
    if (const char *name = tryNames())
      return name;
  }
  return nullptr;
}

bool SameEntries(const TPhasorArray &a, const TPhasorArray &b)
{
  for (int k = 0; k < HarmonicCount; ++k) {
    if (a[k].Re != b[k].Re || a[k].Im != b[k].Im)
      return false;
  }
  return true;
}

QString TranslatedWindowText(const char *source)
{
  for (const char *context :
       {"TRotantsForm", "TFilesPart", "TViewPart", "TSoundPart", "TSpectrumPart", "TPlotsPart",
        "TEditorPanel", "TPlaybackPart", "TShapePart", "TExportsPart", "TControlsPart",
        "TPhasorDocument"}) {
    const QString text = QCoreApplication::translate(context, source);
    if (text != QLatin1String(source))
      return text;
  }
  return QString::fromUtf8(source);
}
