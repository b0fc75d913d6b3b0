#pragma once

#include "PhasorSetFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QMimeData;
class QSettings;
class QWidget;
class TActionRunner;
class TPhasorDocument;

// What the files take from the window around them. The window sets every
// function; each is called on the user-interface thread.
struct TFilesView {
  std::function<int()> Step;           // the time step shown
  std::function<bool()> EditorShown;   // the editor panel shows
  std::function<bool()> Silent;        // a batch run: no question is asked
  // Ends a stroke and playback before a set is put in place.
  std::function<void()> StopWork;
  // Holds (true) what changes the set by itself, listening, and lets it go
  // on (false): around the question before work is dropped.
  std::function<void(bool hold)> HoldWork;
  // The options, the highest harmonic and the convention of state shown by
  // the controls, then its waveform chosen as the user chooses it.
  std::function<void(const PhasorSetFile::TState &state)> ApplyChoices;
  std::function<void(bool shown)> ShowEditor;
  std::function<void()> ShowSelection;  // the selected row in view
  // The tone made from the entries, and played with Sound On when play.
  std::function<void(bool play)> MakeTone;
  std::function<void(int step)> ShowStep;  // the step shown, redrawn
  std::function<void(const QString &path)> WorkFileChanged;
  std::function<QString()> StartFolder;  // where Save As starts
  std::function<void(const QString &message)> ShowWarning;
  // Whether path names a recording (by its ending); a recording opened and
  // analysed as one action (from and to as LoadRecording takes them), false
  // with error set and nothing changed when that fails.
  std::function<bool(const QString &path)> IsRecording;
  std::function<bool(const QString &path, double from, double to, QString &error)>
      OpenRecording;
};

// The File menu's phasor sets and harmonics tables: New, Open, Open Recent,
// Save and Save As, files dropped on the window, the question before unsaved
// work is dropped, and the window's caption, which names the file and marks
// unsaved changes. The format itself is PhasorSetFile's; this puts a file's
// state in place as one user action, as if built by hand. window is the
// parent of the part and of its dialogs, and takes the caption.
// User-interface thread only.
class TFilesPart : public QObject {
  Q_OBJECT

public:
  TFilesPart(TPhasorDocument &document, TActionRunner &actions, TFilesView view,
             QWidget *window, const QString &caption);

  QAction *FileNew = nullptr;
  QAction *FileOpen = nullptr;
  QMenu *FileRecent = nullptr;
  QAction *FileSave = nullptr;
  QAction *FileSaveAs = nullptr;

  // The file Save writes to; empty: Save asks for a name.
  QString CurrentFile;
  // Newest first, at most MaxRecentFiles; kept in the settings when given.
  QStringList RecentFiles;
  static constexpr int MaxRecentFiles = 8;

  // Adds New, Open, the recent files, Save and Save As above exit in menu.
  void BuildMenu(QMenu *menu, QAction *exit);
  void Retranslate();
  // Keeps the recent files in settings from now on, and takes the list they
  // hold; null keeps nothing. Not owned; it must outlive the part.
  void UseSettings(QSettings *settings);

  // Open or save a file with no dialog: false after one message box that
  // names the file and says what is wrong; the set is then unchanged.
  bool OpenPhasorSet(const QString &path);
  bool SavePhasorSet(const QString &path);
  // The same without the message box: false with error set to one sentence
  // naming the file.
  bool LoadPhasorSet(const QString &path, QString &error);
  // A recording made the set, its part between from and to (seconds; below
  // 0: the steady part, or half a second from from); the caption and Open
  // Recent name it, and Save asks for a name. Same error contract.
  bool LoadRecording(const QString &path, double from, double to, QString &error);
  // LoadRecording of the steady part, or one message.
  bool OpenRecording(const QString &path);
  bool StorePhasorSet(const QString &path, QString &error);
  // The state as a phasor-set file holds it, and that state put in place as
  // one user action, as if built by hand.
  PhasorSetFile::TState CapturePhasorSet() const;
  void ApplyPhasorSet(const PhasorSetFile::TState &state);

  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void ShowRecentFiles();
  // Opens a file of the recent list; one that no longer exists leaves it.
  void OpenRecentFile(const QString &path);
  // A drag over the window carries a local file to open.
  static bool CarriesFile(const QMimeData *data);
  // Opens the dropped file once the drop has finished.
  void OpenDropped(const QMimeData *data);

  // Before hand-made work that is not saved would be dropped: asks whether to
  // save it. True when the caller may go on (saved, discarded, or nothing to
  // ask); false when the user cancelled or the save failed.
  bool ConfirmDropWork();
  // The window's caption: the file shown (if any), the program, and Qt's
  // modified mark while the set differs from the one opened or saved.
  void ShowCaption();

private:
  TPhasorDocument &Document;
  TActionRunner &Actions;
  const TFilesView View;
  QWidget *const Window;
  const QString Caption;
  QSettings *Settings = nullptr;  // not owned
  QString CaptionFile;

  void SetCurrentFile(const QString &path, bool savable);
  void AddRecentFile(const QString &path);
  void KeepRecentFiles();
};
