#pragma once
// Acts on a modal window that a call about to be made will open: exec()
// makes a dialog modal only after the call that starts it.
#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace wrk7::testing {

// act runs on the next modal window once it is up; after 3 s without one
// the watch ends, so a test that opened none goes on rather than hangs.
inline void OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (++*tries > 300) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

}  // namespace wrk7::testing
