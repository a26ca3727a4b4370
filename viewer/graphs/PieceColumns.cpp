#include "viewer/graphs/PieceColumns.h"

namespace ae {

void PieceColumns::Reset(const ZTShortHit* begin, const ZTShortHit* end) {
  begin_ = begin;
  size_ = static_cast<std::size_t>(end - begin);
  timesFilled_ = false;
  inTimeFilled_ = false;
  selectedFilled_ = false;
  deletedFilled_ = false;
  for (Column& column : columns_) column.Filled = false;
}

const std::vector<std::uint32_t>& PieceColumns::Selected() {
  if (!selectedFilled_) {
    selected_.clear();
    for (std::size_t i = 0; i < size_; ++i) {
      const ZTShortHit& rec = begin_[i];
      if (!rec.IsDeleted() && rec.Kind == rkHit && ((rec.FrameBits & 0xFFu) != 0 || rec.IsGrouped()))
        selected_.push_back(static_cast<std::uint32_t>(i));
    }
    selectedFilled_ = true;
  }
  return selected_;
}

const std::vector<std::uint32_t>& PieceColumns::Deleted() {
  if (!deletedFilled_) {
    deleted_.clear();
    for (std::size_t i = 0; i < size_; ++i)
      if (begin_[i].IsDeleted() && begin_[i].Kind == rkHit) deleted_.push_back(static_cast<std::uint32_t>(i));
    deletedFilled_ = true;
  }
  return deleted_;
}

const double* PieceColumns::Times() {
  if (!timesFilled_) {
    times_.resize(size_);
    for (std::size_t i = 0; i < size_; ++i) times_[i] = HitValue(begin_[i], pcTime);
    timesFilled_ = true;
  }
  return times_.data();
}

const std::uint8_t* PieceColumns::InTime(double from, double to) {
  if (!inTimeFilled_ || inTimeFrom_ != from || inTimeTo_ != to) {
    const double* t = Times();
    inTime_.resize(size_);
    for (std::size_t i = 0; i < size_; ++i) inTime_[i] = from <= t[i] && t[i] <= to ? 1 : 0;
    inTimeFilled_ = true;
    inTimeFrom_ = from;
    inTimeTo_ = to;
  }
  return inTime_.data();
}

void PieceColumns::Use(const AxisPixels& axis, bool converted) {
  converted = converted && axis.Param() == pcPar1;
  for (Usage& use : uses_)
    if (use.Converted == converted && use.Axis->SameAs(axis)) {
      ++use.Count;
      return;
    }
  uses_.push_back({&axis, converted, 1});
}

bool PieceColumns::Shared(const AxisPixels& axis, bool converted) const {
  converted = converted && axis.Param() == pcPar1;
  for (const Usage& use : uses_)
    if (use.Converted == converted && use.Axis->SameAs(axis)) return use.Count > 1;
  return false;
}

const std::int32_t* PieceColumns::Pixels(const AxisPixels& axis, bool converted) {
  const int param = axis.Param();
  converted = converted && param == pcPar1;  // only the parametric input is converted
  Column* found = nullptr;
  for (Column& column : columns_)
    if (column.Converted == converted && (column.Axis == &axis || column.Axis->SameAs(axis))) {
      found = &column;
      break;
    }
  if (found == nullptr) {
    columns_.push_back(Column{&axis, converted, false, {}});
    found = &columns_.back();
  }
  if (found->Filled) return found->Values.data();

  found->Axis = &axis;
  found->Values.resize(size_);
  std::int32_t* out = found->Values.data();
  auto put = [&axis](double v) { return axis.InRange(v) ? axis.Pixel(v) : Outside; };
  if (param == pcTime) {
    const double* t = Times();
    for (std::size_t i = 0; i < size_; ++i) out[i] = put(t[i]);
  } else if (converted) {
    for (std::size_t i = 0; i < size_; ++i) out[i] = put(setup_.ParP(HitValue(begin_[i], param)));
  } else {
    for (std::size_t i = 0; i < size_; ++i) out[i] = put(HitValue(begin_[i], param));
  }
  found->Filled = true;
  return out;
}

}  // namespace ae
