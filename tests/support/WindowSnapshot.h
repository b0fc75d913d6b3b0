#pragma once

#include "HarmonicModel.h"
#include "PhasorSetFile.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

class TRotantsForm;

// Everything of the main window that an operation which must change nothing
// could disturb: what a phasor-set file keeps (CapturePhasorSet), the waves,
// the placement pointers, the modes, playback, the status panels, the
// caption, the tone, the view, both plots' own pixels and display pictures,
// and the spectrum strip's pixels.
struct TWindowSnapshot {
  PhasorSetFile::TState State;
  std::array<double, SweepSteps> IdealWave{};
  std::array<double, SweepSteps> ReconWave{};
  int HarmonicIndex = 0;
  int CurrentPhasor = 0;  // index into PhasorList
  int BasePhasor = 0;
  int EditMode = 0;
  int IdleEditMode = 0;
  bool Playing = false;
  bool MouseDrawing = false;
  QStringList Panels;  // status panels 0..3
  QString Title;
  QByteArray Tone;
  double Zoom = 1.0;
  bool FullScreen = false;
  std::array<bool, 3> TeachingOptions{};  // highlight, solo, error
  bool Spectrum = false;                  // the strip shown
  bool SpectrumDecibels = false;
  QImage PlaneImage;
  QImage PlaneDisplay;
  QImage TimeImage;
  QImage TimeDisplay;
  QImage SpectrumImage;
};

TWindowSnapshot TakeSnapshot(TRotantsForm &form);

// The fields in which two phasor-set states differ, by name ("entry 3 Re",
// "Step 12 -> 40"); empty when they are the same. Doubles compare bit for bit.
QStringList StateDifferences(const PhasorSetFile::TState &before,
                             const PhasorSetFile::TState &after);

// The names of the snapshot's parts in which the two differ (the state's
// fields as StateDifferences names them); empty when they are the same.
QStringList SnapshotDifferences(const TWindowSnapshot &before, const TWindowSnapshot &after);

// Only what opening a saved file must give back as it was saved: the state,
// the reconstruction up to the slider's step, the step panel and the view.
// Unless a stroke has drawn since the last full redraw (its moves redraw the
// time plot alone, and its pressed sample shows only at its next move), also
// the error panel and the phasor plane with its display picture, and, where
// the ideal wave's two periods agree, that wave and the time plot with its
// display picture: a file holds one period, and a click in "Custom Time"
// without a move leaves the second period as it was. Playback, modes and
// mouse state are left out: opening stops playback and ends a stroke. So is
// the tone, which no file holds: the loop may hold an earlier synthesis
// (after the convention is switched, or in "Custom Time" before a drawing),
// where opening synthesises the entries'.
QStringList ReopenedDifferences(const TWindowSnapshot &saved, const TWindowSnapshot &opened,
                                bool strokeNotRedrawn);
