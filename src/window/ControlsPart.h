#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class TPhasorDocument;

// The controls under the plots: the waveform and highest-harmonic drop-downs
// with their labels, Clear, the editor's Show/Hide button, and the phasor and
// time option boxes. It keeps the document's copy of the options a saved set
// carries as the boxes change (by the user or the program), and the two
// drop-downs and the convention box follow what the document puts back. What
// a click does is the window's. User-interface thread only.
class TControlsPart : public QObject {
  Q_OBJECT

public:
  // document must outlive the part.
  TControlsPart(TPhasorDocument &document, QObject *parent);

  // The two labels above the drop-downs, in client.
  void BuildLabels(QWidget *client);
  // The rest in client; soundBox builds, in the time options' box it is
  // given, what that box holds between "Grid On" and "Repeat", and returns
  // Sound On's check box.
  void BuildControls(QWidget *client, const std::function<QCheckBox *(QWidget *)> &soundBox);
  void Retranslate(bool editorShown);
  // "Show Editor" or "Hide Editor" on EditRotantsBtn.
  void ShowEditorButtonText(bool editorShown);
  // The waveform drop-down's items in the current language, in its order.
  static QStringList WaveformItemTexts();

  QLabel *WaveformLabel = nullptr;
  QLabel *HighestHarmonicLabel = nullptr;
  QComboBox *WaveformComboBox = nullptr;
  QComboBox *HighestHarmonicComboBox = nullptr;
  QPushButton *ClearBtn = nullptr;
  QPushButton *EditRotantsBtn = nullptr;
  QGroupBox *PhasorOptionsGroupBox = nullptr;
  QCheckBox *RealValueCheckBox = nullptr;
  QCheckBox *RotateComplexPlaneCheckBox = nullptr;
  QCheckBox *TraceCheckBox = nullptr;
  QCheckBox *ConjugateCheckBox = nullptr;
  QGroupBox *TimeOptionsGroupBox = nullptr;
  QCheckBox *TimeGridCheckBox = nullptr;
  QCheckBox *RepeatPlayCheckBox = nullptr;
  QCheckBox *IdealWaveCheckBox = nullptr;

private:
  TPhasorDocument &Document;
  void FollowDocument(QCheckBox *soundBox);
};
