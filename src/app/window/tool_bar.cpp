#include "app/window/tool_bar.h"

#include <QAction>
#include <QStyle>
#include <QToolBar>
#include <span>

#include "app/dialogs/listing_print.h"
#include "app/translation/string_table.h"

namespace wrk7 {

void FillToolBar(QToolBar* bar, const StringTable& table, const ToolButton* buttons, int count) {
    for (const ToolButton& b : std::span(buttons, static_cast<std::size_t>(count))) {
        if (!b.action) {
            bar->addSeparator();
            continue;
        }
        b.action->setIcon(b.printer ? PrinterIcon()
                                    : bar->style()->standardIcon(static_cast<QStyle::StandardPixmap>(b.icon)));
        b.action->setIconVisibleInMenu(false);  // the menus show captions only, as they always did
        // The button shows only its icon, but a screen reader and the bar's
        // overflow menu need a name: the short caption, which the menus do
        // not show.
        const QString tip = table.Text(b.tip);
        b.action->setIconText(tip);
        b.action->setToolTip(tip);
        bar->addAction(b.action);
        bar->widgetForAction(b.action)->setObjectName(QStringLiteral("tbr_") + QString::fromUtf8(b.key));
    }
}

}  // namespace wrk7
