#include "app/window/tool_bar_buttons.h"

#include <QAction>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>

#include "app/dialogs/listing_print.h"

namespace wrk7 {

void AddToolBarButtons(QToolBar* bar, QMainWindow* window) {
    struct Button {
        const char* key;
        const char* tip;
        QStyle::StandardPixmap icon;
        const char* action;
    };
    const Button buttons[] = {
        {"新規作成", "1017", QStyle::SP_FileIcon, "mnuNew"},
        {"開く", "1018", QStyle::SP_DialogOpenButton, "mnuOpen"},
        {"上書き保存", "1019", QStyle::SP_DialogSaveButton, "mnuSave"},
        {"印刷", "1020", QStyle::SP_CustomBase, "mnuPrint"},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr},
        {"ﾍﾙﾌﾟ", "1021", QStyle::SP_MessageBoxQuestion, "mnuAbout"},
    };
    for (const Button& b : buttons) {
        if (!b.key) {
            bar->addSeparator();
            continue;
        }
        const QIcon icon = b.icon == QStyle::SP_CustomBase ? PrinterIcon() : window->style()->standardIcon(b.icon);
        // The caption number as text too: the button shows only its icon, but
        // a screen reader and the bar's overflow menu need a name.
        QAction* a = bar->addAction(icon, QString::fromLatin1(b.tip));
        a->setObjectName(QStringLiteral("tbr_") + QString::fromUtf8(b.key));
        a->setData(QString::fromUtf8(b.key));
        a->setToolTip(QString::fromLatin1(b.tip));
        QObject::connect(a, &QAction::triggered, window->findChild<QAction*>(QString::fromLatin1(b.action)),
                         &QAction::trigger);
    }
}

}  // namespace wrk7
