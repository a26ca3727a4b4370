#include "tools/aetool/ProgressBar.h"

#include <sys/stat.h>

#include <algorithm>

namespace ae {

namespace {

constexpr int BarWidth = 30;
constexpr std::chrono::milliseconds RedrawInterval{100};

void WriteAll(int fd, const std::string& text) {
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n <= 0) return;  // a bar that cannot be drawn is not worth an error
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

}  // namespace

ProgressBar::ProgressBar(std::string label, bool enabled, int fd, std::chrono::milliseconds delay)
    : enabled_(enabled), fd_(fd), label_(std::move(label)) {
  if (enabled_) thread_ = std::thread([this, delay] { Loop(delay); });
}

ProgressBar::~ProgressBar() { Finish(); }

bool ProgressBar::StderrIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

void ProgressBar::SetPoll(Poll poll) {
  std::lock_guard lock(mutex_);
  poll_ = std::move(poll);
}

void ProgressBar::SetLabel(std::string label) {
  std::lock_guard lock(mutex_);
  label_ = std::move(label);
}

void ProgressBar::Finish() {
  {
    std::lock_guard lock(mutex_);
    if (stop_) return;
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
  if (drawn_ > 0) WriteAll(fd_, "\r" + std::string(drawn_, ' ') + "\r");
  drawn_ = 0;
}

std::string ProgressBar::Line(const std::string& label, std::int64_t done, std::int64_t total, int tick) {
  std::string bar(BarWidth, '.');
  std::string tail;
  if (total > 0) {
    const std::int64_t clamped = std::clamp<std::int64_t>(done, 0, total);
    const auto filled = static_cast<std::size_t>(clamped * BarWidth / total);
    std::fill_n(bar.begin(), filled, '#');
    const auto percent = static_cast<int>(clamped * 100 / total);
    tail = (percent < 10 ? "   " : percent < 100 ? "  " : " ") + std::to_string(percent) + "%";
  } else {
    // Unknown amount: a mark that moves to show that the work goes on.
    const int period = 2 * (BarWidth - 3);
    const int step = tick % period;
    const int at = step < BarWidth - 3 ? step : period - step;
    std::fill_n(bar.begin() + at, 3, '#');
  }
  return (label.empty() ? "" : label + " ") + "[" + bar + "]" + tail;
}

void ProgressBar::Draw(int tick) {
  std::string label;
  Poll poll;
  {
    std::lock_guard lock(mutex_);
    label = label_;
    poll = poll_;
  }
  const std::int64_t done = poll ? poll() : done_.load(std::memory_order_relaxed);
  const std::string line = Line(label, done, total_.load(std::memory_order_relaxed), tick);
  // A shorter line than the last one must not leave the end of the last on the screen.
  const std::size_t pad = drawn_ > line.size() ? drawn_ - line.size() : 0;
  WriteAll(fd_, "\r" + line + std::string(pad, ' '));
  drawn_ = line.size() + pad;
}

void ProgressBar::Loop(std::chrono::milliseconds delay) {
  std::unique_lock lock(mutex_);
  if (wake_.wait_for(lock, delay, [this] { return stop_; })) return;
  for (int tick = 0;; ++tick) {
    lock.unlock();
    Draw(tick);
    lock.lock();
    if (wake_.wait_for(lock, RedrawInterval, [this] { return stop_; })) return;
  }
}

FileReadProgress::FileReadProgress(int fd, int passes) : fd_(fd), passes_(std::max(passes, 1)) {
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) size_ = static_cast<std::int64_t>(info.st_size);
}

std::int64_t FileReadProgress::operator()() {
  const off_t at = ::lseek(fd_, 0, SEEK_CUR);
  if (at < 0) return 0;
  const auto position = std::min<std::int64_t>(at, size_);
  if (position < last_ && pass_ + 1 < passes_) ++pass_;  // read from the start again
  last_ = position;
  return size_ * pass_ + position;
}

}  // namespace ae
