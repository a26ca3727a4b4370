#pragma once
// The waveform window ("Waveform"): the waveform and spectrum of one hit, read from the data
// file when shown. "Previous" and "Next" (also Page Up and Page Down) step to the hits with a
// waveform that AWaveformHits gives; "dB" switches the spectrum between dB and linear; "Copy"
// puts the picture on the clipboard; Escape closes the window. Modal over the main window.
#include <QDialog>
#include <cstddef>

#include "datafiles/ZTDataSet.h"
#include "viewer/core/AWaveformHits.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ae {

class TWaveformView;

class TFWaveform : public QDialog {
  Q_OBJECT

 public:
  TFWaveform(const ZTDataSet& data, std::size_t hit, QWidget* owner);

  // The command "Waveform..": the window on the first hit with a waveform, or a message that
  // the loaded file holds none.
  static void ShowFirst(const ZTDataSet& data, QWidget* owner);
  // A double click on a point: the window on that hit, with or without a waveform.
  static void ShowHit(const ZTDataSet& data, std::size_t hit, QWidget* owner);
  // The text of the message when there is no waveform to show.
  static QString NoWaveformsText();

  void ShowHitAt(std::size_t hit);
  std::size_t CurrentHit() const { return hit_; }
  TWaveformView& View() const { return *view_; }
  QLabel& Position() const { return *position_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PreviousClick();
  void NextClick();
  void CopyClick();
  void UpdateButtons();

  const ZTDataSet& data_;
  AWaveformHits hits_;
  std::size_t hit_ = 0;
  QLabel* position_;
  TWaveformView* view_;
  QPushButton* previous_;
  QPushButton* next_;
  QCheckBox* decibels_;
  QPushButton* copy_;
};

}  // namespace ae
