#include "app/window/window_menus.h"

#include <QMenu>
#include <QMenuBar>

#include "app/commands/commands.h"
#include "app/commands/file_commands.h"
#include "app/dialogs/listing_print.h"
#include "app/transfer/transfer_actions.h"

namespace wrk7 {

void BuildMenus(QMenuBar* bar, const MenuParts& p) {
    auto menu = [bar](QMenu* parentMenu, const char* name, const char* number) {
        QMenu* m = parentMenu ? parentMenu->addMenu(QString::fromLatin1(number))
                              : bar->addMenu(QString::fromLatin1(number));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    const Commands& c = p.commands;
    QMenu* file = menu(nullptr, "mnuFile", "1000");
    file->addActions({p.files.newFile, p.files.open, p.files.save, p.files.saveAs});
    file->addSeparator();
    file->addActions({p.files.importList, p.files.exportList, p.files.compareWith});
    file->addSeparator();
    file->addActions({p.printing.printSetup, p.printing.printListing, p.printing.printPreview, p.printing.exportPdf});
    file->addSeparator();
    p.recent(file);
    file->addSeparator();
    file->addAction(p.exit);
    QMenu* edit = menu(nullptr, "mnuEdit", "1008");
    edit->addActions({p.undo, p.redo});
    edit->addSeparator();
    c.AddEditItems(edit);
    c.AddRowItems(edit);
    edit->addSeparator();
    edit->addActions({c.find, c.findNext, c.findPrevious, c.goTo, c.findDuplicates});
    QMenu* view = menu(nullptr, "mnuView", "1010");
    view->addActions(p.bars);
    view->addSeparator();
    p.appearance(view);
    QMenu* tool = menu(nullptr, "mnuTool", "1012");
    menu(tool, "mnuRead", "1203")->addActions({c.readSettings, c.readMemory, c.readAll});
    menu(tool, "mnuWrite", "1204")->addActions({c.writeSettings, c.writeMemory, c.writeAll});
    tool->addActions({p.transfers.restore, p.transfers.mergeReceiver, p.transfers.quickRead, p.transfers.verifyAfterWrite,
                      p.transfers.comSetup});
    menu(nullptr, "mnuHelp", "1014")->addActions({p.transfers.openTrace, p.transfers.reportProblem, p.about});
}

}  // namespace wrk7
