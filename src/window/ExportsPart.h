#pragma once

#include "FigureRenderer.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

class QAction;
class QMenu;
class QMimeData;
class QPrinter;
class QSettings;
class QWidget;
class TPhasorDocument;

// One frame of a sweep of the plots: the phasor plane and the time plot in the
// pixels the screen shows (a canvas's display image at a zoom or on a HiDPI
// screen), top-aligned, Gap pixels of Fill between them and under the shorter.
// The pictures are the canvases' own and valid only during the call that
// hands them over.
struct TPlotsFrame {
  const QImage *Plane = nullptr;
  const QImage *Time = nullptr;
  int Gap = 0;
  QRgb Fill = 0;
};

// What only the window can give the exports: how it shows the document now.
// The window sets every function; each is called on the user-interface thread.
struct TExportsView {
  // The phasor plane and the time plot side by side as shown, at the current
  // zoom, with the spectrum strip under them while it shows.
  std::function<QImage()> PlotsPicture;
  // Draws the plots at steps 0, stride, 2 stride, ... of one sweep, each by
  // the window's own redraw, and hands every frame to frame, which returns
  // false to stop. Afterwards the window is exactly as it was: step, entries,
  // pictures, status panels and a running playback. False when frame stopped.
  std::function<bool(int stride, const std::function<bool(const TPlotsFrame &frame)> &frame)>
      SweepPlots;
  // The state the figures are drawn from, as the window's controls show it.
  std::function<TFigureState()> FigureState;
  // The tone loop's bytes as the player holds them; empty when it has none.
  std::function<std::span<const std::uint8_t>()> ToneLoop;
  // The waveform drop-down's item.
  std::function<int()> WaveformItem;
  // Shows message in the window's warning box; returns when it is closed.
  std::function<void(const QString &message)> ShowWarning;
};

// The exports of what the window shows: the File menu's Export submenu
// (picture, sound, harmonics and samples tables, animation, figure), Print,
// and the Edit menu's Copy Figure, with their dialogs and failure messages and
// the folder and sound length they remember. It works from the phasor document
// and from what view gives; the window passed in is the parent of the part
// and of its dialogs. User-interface thread only.
class TExportsPart : public QObject {
  Q_OBJECT

public:
  TExportsPart(TPhasorDocument &document, TExportsView view, QWidget *window);

  // The menu items, named as their objectNames; null until built. Their texts
  // and tips are the window's to set.
  QMenu *MenuFileExport = nullptr;
  QAction *FileExportPicture = nullptr;
  QAction *FileExportSound = nullptr;
  QAction *FileExportHarmonics = nullptr;
  QAction *FileExportSamples = nullptr;
  QAction *FileExportAnimation = nullptr;
  QAction *FileExportFigure = nullptr;
  QAction *FilePrint = nullptr;
  QAction *EditCopyFigure = nullptr;

  // The Export submenu with its items but the figure's, above exit in
  // fileMenu, a separator between them.
  void BuildExportMenu(QMenu *fileMenu, QAction *exit);
  // Export > Figure; Print after the Export submenu; Copy Figure under what
  // editMenu holds, after a separator.
  void BuildFigureActions(QMenu *fileMenu, QAction *exit, QMenu *editMenu);

  // The items' texts and tips in the current language.
  void Retranslate();
  // Keeps the last export's folder and the sound's length in settings for
  // the next run, and takes what an earlier run kept; null keeps nothing.
  // Not owned; it must outlive the part.
  void UseSettings(QSettings *settings);
  // The file the work shown comes from (empty: none). A new file makes the
  // dialogs start beside it, until the next export chooses a folder.
  void SetWorkFile(const QString &path);
  // Where Save As and the export dialogs start: the folder of the last export
  // since the work's file was opened or saved, else that file's folder, else
  // that of the last export of an earlier run, else home.
  QString StartFolder() const;

  // Exports to a file at path, without a dialog. Each writes the whole file
  // or nothing (a failed or cancelled export leaves no new file and an
  // existing one untouched) and returns false on failure with the reason in
  // LastError. What each writes is described at the window's functions of
  // the same names.
  bool ExportPicture(const QString &path);
  bool ExportSound(const QString &path, double seconds);
  bool ExportHarmonics(const QString &path);
  bool ExportSamples(const QString &path);
  bool ExportAnimation(const QString &path,
                       const std::function<bool(int done, int total)> &progress = {});
  bool ExportFigure(const QString &path);
  // The figure for the clipboard, a picture at twice the window's size and
  // the SVG document as image/svg+xml. The caller owns it.
  QMimeData *FigureMimeData() const;
  // One page, the figure and the table of the harmonics in use, on printer
  // as it is set up. False with the reason in LastError when the printer
  // cannot be started.
  bool PrintFigure(QPrinter &printer);
  // The reason the last export or print failed, one phrase in the current
  // language; empty after a success or a cancel.
  QString LastError;

  // The menu items' handlers: each asks for a file (the sound also for its
  // length) and shows one message naming the file when the export fails.
  void FileExportPictureClick();
  void FileExportSoundClick();
  void FileExportHarmonicsClick();
  void FileExportSamplesClick();
  void FileExportAnimationClick();
  void FileExportFigureClick();
  void EditCopyFigureClick();
  // Asks for a printer with the print dialog, then prints.
  void FilePrintClick();

private:
  TPhasorDocument &Document;
  const TExportsView View;
  QWidget *const Window;
  QSettings *Settings = nullptr;  // not owned
  QString WorkFile;
  // The folder of the last export since the work's file was opened or saved;
  // empty before one.
  QString ExportFolder;

  // Opens a save dialog for one export; empty when the user cancels.
  QString AskExportPath(const QString &title, const QString &fileName, const QString &filter);
  void ShowExportFailure(const QString &path);
  QString ExportBaseName() const;
};
