#include "CommandLineRun.h"
#include "MainForm.h"
#include "Translations.h"

#include <QApplication>
#include <QByteArray>
#include <QGuiApplication>
#include <QIcon>
#include <QSettings>
#include <QTemporaryFile>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// Qt aborts with a long message when no display can be opened; say in one line
// what to do instead.
bool DisplayAvailable()
{
  if (std::getenv("QT_QPA_PLATFORM"))
    return true;
  const char *display = std::getenv("DISPLAY");
  const char *wayland = std::getenv("WAYLAND_DISPLAY");
  return (display && *display) || (wayland && *wayland);
}

// Runs without a display on the offscreen platform, with a screen large
// enough for every zoom factor (the platform's own screen is 800 x 600, which
// would hold the window to its smallest size) at the usual 96 dpi, so a
// batch run draws the same pixels on every machine. config must stay open
// until the application exists.
void UseOffscreenPlatform(QTemporaryFile &config)
{
  const QByteArray current = qgetenv("QT_QPA_PLATFORM");
  if (!current.isEmpty() && current != "offscreen")
    return;
  if (config.open()) {
    config.write(R"({"screens": [{"name": "rotants", "x": 0, "y": 0, "width": 4096,)"
                 R"( "height": 3072, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
  } else {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

// Without a window nobody reads Qt's notes on the environment (no runtime
// folder, no sound server); a batch run that succeeds prints nothing.
void DropNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The code after --language, else the system's language.
QString LanguageArgument(const QStringList &arguments)
{
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--language") && i + 1 < arguments.size())
      return arguments[i + 1];
    if (arguments[i].startsWith(QLatin1String("--language=")))
      return arguments[i].section('=', 1);
  }
  return Translations::SystemLanguage();
}

}  // namespace

int main(int argc, char *argv[])
{
  const bool display = DisplayAvailable();
  // Help, version and bad options are answered, and files written, without a
  // display; only the window needs one.
  QTemporaryFile screenConfig;
  if (!display || ArgumentsWriteFiles(argc, argv)) {
    UseOffscreenPlatform(screenConfig);
    qInstallMessageHandler(DropNotes);
  }
  try {
    QApplication application(argc, argv);
    QGuiApplication::setApplicationName("rotants");
    QGuiApplication::setApplicationVersion("1.0");
    QGuiApplication::setDesktopFileName("org.rotants.Rotants");
    // The help and the messages already speak the language asked for; the
    // window takes the remembered one, unless --language says otherwise.
    Translations::Install(LanguageArgument(QApplication::arguments()));
    TCommandLineOptions options;
    if (const int exitCode = ParseCommandLine(QApplication::arguments(), options); exitCode >= 0)
      return exitCode;
    if (options.WritesFiles()) {
      TRotantsForm form;
      form.Silent = true;
      return RunBatch(form, options);
    }
    if (!display) {
      std::fprintf(stderr, "rotants: no display found; run it in a desktop session, "
                           "or headless as: xvfb-run -a rotants\n");
      return 1;
    }
    QApplication::setWindowIcon(ApplicationIcon());
    // Declared first, so it outlives the window that writes to it.
    QSettings settings("Rotants", "Rotants");
    TRotantsForm form;
    form.show();
    form.UseSettings(&settings);
    QString error;
    ApplyCommandLine(form, options, true, error);
    form.ResetUndoHistory();
    return application.exec();
  } catch (const std::exception &error) {
    std::fprintf(stderr, "rotants: %s\n", error.what());
  }
  return 0;
}
