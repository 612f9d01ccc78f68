#pragma once

namespace wrk7 {

class BankPage;
class Commands;
class MemoryPage;
class SettingsPages;

// The pages' push buttons run the commands and are enabled as they are.
void BindPageButtons(const Commands& commands, const SettingsPages& settings, const MemoryPage& memory,
                     const BankPage& bank);

}  // namespace wrk7
