#pragma once
// A progress bar on a terminal for long work of aetool: drawn by a thread of its own, so that
// the work only stores a counter, and only after the work has run for a moment, so that short
// commands print nothing. When it is not enabled (stderr is not a terminal) it never draws.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace ae {

class ProgressBar {
 public:
  using Poll = std::function<std::int64_t()>;
  static constexpr std::chrono::milliseconds DefaultDelay{500};

  // Draws "label [#####.....]  45%" on the file descriptor when enabled, first after `delay`.
  ProgressBar(std::string label, bool enabled, int fd = STDERR_FILENO, std::chrono::milliseconds delay = DefaultDelay);
  ~ProgressBar();  // Finish()
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // Whether stderr is a terminal, where a bar may be drawn.
  static bool StderrIsTerminal();

  bool Enabled() const { return enabled_; }
  // The amount of the whole work; 0 (the default) while it is unknown, drawn as a moving mark.
  void SetTotal(std::int64_t total) { total_.store(total, std::memory_order_relaxed); }
  // The work done so far; cheap enough for every record.
  void SetDone(std::int64_t done) { done_.store(done, std::memory_order_relaxed); }
  void Advance(std::int64_t by = 1) { done_.fetch_add(by, std::memory_order_relaxed); }
  // A function the drawing thread asks for the work done instead of the counter (it must be
  // safe to call from another thread); for work the caller cannot count, such as a library
  // reading a file.
  void SetPoll(Poll poll);
  // What the bar shows before the bar itself, e.g. a stage of the work.
  void SetLabel(std::string label);
  // Stops drawing and clears the bar's line if it was drawn; the terminal is then free for
  // other output. Later calls do nothing.
  void Finish();

  // The text of one drawing (without the carriage return), for the tests.
  static std::string Line(const std::string& label, std::int64_t done, std::int64_t total, int tick);

 private:
  void Draw(int tick);
  void Loop(std::chrono::milliseconds delay);

  const bool enabled_;
  const int fd_;
  std::atomic<std::int64_t> done_{0};
  std::atomic<std::int64_t> total_{0};
  std::mutex mutex_;  // label_, poll_, stop_, drawn_
  std::condition_variable wake_;
  std::string label_;
  Poll poll_;
  bool stop_ = false;
  std::size_t drawn_ = 0;  // length of the line on the terminal
  std::thread thread_;
};

// The progress of a library reading a file in passes: the work done is the read position of
// the file (its descriptor's offset, which another thread may ask for) summed over the passes,
// a new pass starting when the position goes back. Total: passes x file size.
class FileReadProgress {
 public:
  FileReadProgress(int fd, int passes);
  std::int64_t Total() const { return size_ * passes_; }
  std::int64_t operator()();  // for ProgressBar::SetPoll; called from one thread only

 private:
  int fd_;
  int passes_;
  std::int64_t size_ = 0;
  int pass_ = 0;
  std::int64_t last_ = 0;
};

}  // namespace ae
