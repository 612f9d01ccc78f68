#pragma once
// Acts on a modal window that a call about to be made will open: exec()
// makes a dialog modal only after the call that starts it.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace wrk7::testing {

// act runs on the next modal window once it is up. The watch lasts as long
// as the object returned: keep it until the call that opens the window has
// returned, so that a watch which saw no window cannot act on a later one.
[[nodiscard]] inline std::unique_ptr<QTimer> OnNextModal(std::function<void(QWidget*)> act) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [watch = timer.get(), act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            watch->stop();
            act(modal);
        }
    });
    timer->start(10);
    return timer;
}

}  // namespace wrk7::testing
