#include "MainForm.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QSettings>

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

}  // namespace

int main(int argc, char *argv[])
{
  if (!DisplayAvailable()) {
    std::fprintf(stderr, "rotants: no display found; run it in a desktop session, "
                         "or headless as: xvfb-run -a rotants\n");
    return 1;
  }
  try {
    QApplication application(argc, argv);
    QGuiApplication::setApplicationName("rotants");
    QGuiApplication::setDesktopFileName("org.rotants.Rotants");
    QApplication::setWindowIcon(ApplicationIcon());
    // Declared first, so it outlives the window that writes to it.
    QSettings settings("Rotants", "Rotants");
    TRotantsForm form;
    form.show();
    form.UseSettings(&settings);
    return application.exec();
  } catch (const std::exception &error) {
    std::fprintf(stderr, "rotants: %s\n", error.what());
  }
  return 0;
}
