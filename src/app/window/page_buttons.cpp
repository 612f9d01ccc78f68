#include "app/window/page_buttons.h"

#include <QPushButton>
#include <utility>

#include "app/commands/commands.h"
#include "app/pages/bank_page.h"
#include "app/pages/memory_page.h"
#include "app/pages/settings_pages.h"

namespace wrk7 {

void BindPageButtons(const Commands& c, const SettingsPages& settings, const MemoryPage& memory, const BankPage& bank) {
    for (QPushButton* b : settings.ReadButtons()) BindButton(b, c.readSettings);
    for (QPushButton* b : settings.WriteButtons()) BindButton(b, c.writeSettings);
    const std::pair<const char*, QAction*> buttons[] = {
        {"cmbRead", c.readMemory},     {"cmbWrite", c.writeMemory},    {"cmbClAll", c.clearAll},
        {"cmbClear", c.clear},         {"cmbDelete", c.remove},        {"cmbInsert", c.insert},
        {"cmbEnAll", c.enableAll},     {"cmbDisAll", c.disableAll},    {"cmbEnable", c.enable},
        {"cmbDisable", c.disable}};
    for (const auto& [name, action] : buttons) BindButton(memory.Button(name), action);
    BindButton(bank.ReadBankButton(), c.readBank);
    BindButton(bank.WriteBankButton(), c.writeBank);
    BindButton(bank.ReadGroupButton(), c.readGroups);
    BindButton(bank.WriteGroupButton(), c.writeGroups);
}

}  // namespace wrk7
