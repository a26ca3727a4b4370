#pragma once
// The waveform and spectrum of the strongest hit of each channel (the hit of the highest
// amplitude among the hits that are not deleted and have a waveform), two to a page, as the
// waveform window draws them, their texts written as text. No page when no hit has a waveform.
#include <cstddef>
#include <vector>

#include "viewer/report/ReportContent.h"
#include "viewer/report/ReportSection.h"

namespace ae {

class WaveformsSection : public ReportSection {
 public:
  explicit WaveformsSection(const ReportContent& content);

  int Layout(const ReportPageGeometry& page) override;
  void Paint(QPainter& painter, int index, const ReportPageGeometry& page) override;

  // The hits shown, indices into the records, in channel order.
  const std::vector<std::size_t>& Hits() const { return hits_; }

 private:
  const ReportContent& content_;
  std::vector<std::size_t> hits_;
};

}  // namespace ae
