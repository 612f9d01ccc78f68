#include "app/window/status_line.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QTimer>

#include "app/widgets/elided_label.h"

namespace wrk7 {

ElidedLabel* BuildStatusLine(QStatusBar* bar) {
    auto* text = new ElidedLabel;
    text->setObjectName(QStringLiteral("sbrText"));
    auto* date = new QLabel;
    date->setObjectName(QStringLiteral("sbrDate"));
    auto* time = new QLabel;
    time->setObjectName(QStringLiteral("sbrTime"));
    bar->addWidget(text, 1);
    bar->addPermanentWidget(date);
    bar->addPermanentWidget(time);
    auto tick = [date, time] {
        const QDateTime now = QDateTime::currentDateTime();
        date->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
        time->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    };
    tick();
    auto* clock = new QTimer(bar);
    QObject::connect(clock, &QTimer::timeout, bar, tick);
    clock->start(1000);
    return text;
}

}  // namespace wrk7
