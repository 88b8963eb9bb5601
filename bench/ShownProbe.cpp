// Preloaded into a Qt program (LD_PRELOAD) to measure its start-up: the process ends as soon as
// its first window has been exposed and painted, so its run time is the time to a shown window
// and its peak memory that of a program showing it. The program itself is not changed.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

class FirstExposure : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isVisible()) {
            // Painting follows the expose event; end right after it.
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                ::_exit(0);
            });
        }
        return false;
    }
};

void WatchForTheFirstWindow() {
    QCoreApplication::instance()->installEventFilter(new FirstExposure);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForTheFirstWindow)
