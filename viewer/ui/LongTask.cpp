#include "viewer/ui/LongTask.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <exception>
#include <memory>
#include <thread>

#include "ui/DialogPlacement.h"
#include "viewer/ui/ViewerContext.h"

namespace ae {

void RunLongTask(QWidget* owner, const QString& label, const std::function<void(TaskProgress&)>& work) {
  TaskProgress progress;
  std::atomic<bool> done{false};
  std::exception_ptr failure;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // Short work ends before anything is shown; long work gets its box and the window keeps
  // being painted (input goes to the modal box only). The end of the work ends the wait at
  // once, not at the next look of the timer.
  QEventLoop loop;
  std::thread worker([&] {
    try {
      work(progress);
    } catch (...) {
      failure = std::current_exception();
    }
    done = true;
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });

  QElapsedTimer clock;
  clock.start();
  std::unique_ptr<QProgressDialog> box;
  QTimer poll;
  poll.setInterval(40);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done) {
      loop.quit();
      return;
    }
    if (!box && clock.elapsed() >= 500) {
      box = std::make_unique<QProgressDialog>(label, QString(), 0, 0, owner);
      box->setObjectName(QStringLiteral("LongTaskProgress"));
      box->setWindowTitle(QString::fromLatin1(ProgramTitle));
      box->setWindowModality(Qt::ApplicationModal);
      box->setMinimumDuration(0);
      box->setCancelButton(nullptr);
      CenterOnOwner(box.get(), owner);
      box->show();
    }
    if (box) {
      const double fraction = progress.Get();
      if (fraction >= 0.0) {
        box->setRange(0, 1000);
        box->setValue(static_cast<int>(std::min(fraction, 1.0) * 1000));
      }
    }
  });
  poll.start();
  if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);
  poll.stop();
  worker.join();
  box.reset();
  QApplication::restoreOverrideCursor();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace ae
