#pragma once
// Long work without a frozen window: the work runs on a worker thread while the window keeps
// painting; after half a second a modal progress box appears (the user's commands wait), with a
// busy cursor from the start. The work's error reaches the caller as if it had run in place.
#include <QString>
#include <atomic>
#include <functional>

class QWidget;

namespace ae {

// What the work tells the box: the fraction done, 0..1, or nothing for "busy".
class TaskProgress {
 public:
  void Set(double fraction) { fraction_.store(fraction, std::memory_order_relaxed); }
  double Get() const { return fraction_.load(std::memory_order_relaxed); }

 private:
  std::atomic<double> fraction_{-1.0};  // below 0: not known
};

void RunLongTask(QWidget* owner, const QString& label, const std::function<void(TaskProgress&)>& work);

}  // namespace ae
