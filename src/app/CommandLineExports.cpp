#include "CommandLine.h"

#include "MainForm.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <functional>

int RunExports(TRotantsForm &form, const TCommandLineOptions &options)
{
  const struct {
    const QString &Path;
    std::function<bool()> Write;
  } exports[] = {
      {options.ExportPicture, [&] { return form.ExportPicture(options.ExportPicture); }},
      {options.ExportSound,
       [&] { return form.ExportSound(options.ExportSound, options.Seconds); }},
      {options.ExportHarmonics, [&] { return form.ExportHarmonics(options.ExportHarmonics); }},
      {options.ExportSamples, [&] { return form.ExportSamples(options.ExportSamples); }},
      {options.ExportAnimation, [&] { return form.ExportAnimation(options.ExportAnimation); }},
      {options.ExportFigure, [&] { return form.ExportFigure(options.ExportFigure); }},
  };
  for (const auto &item : exports) {
    if (item.Path.isEmpty() || item.Write())
      continue;
    const QString line = QCoreApplication::translate("TCommandLineText", "cannot write %1: %2")
                             .arg(QDir::toNativeSeparators(item.Path), form.LastExportError);
    std::fprintf(stderr, "rotants: %s\n", line.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}
