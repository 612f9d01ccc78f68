#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "diagnostics/adapter_identity.h"

class QSettings;

namespace wrk7 {

// The adapter the user keeps (COM Port Setup), in the settings store beside
// the port file's number, which stays as it always was.
diagnostics::AdapterIdentity LoadKeptAdapter(QSettings& store);
void SaveKeptAdapter(QSettings& store, const diagnostics::AdapterIdentity& adapter);

// The system's ports as the search needs them; tests stand in for them.
struct PortSystem {
    std::function<diagnostics::PortReport()> examine;
    std::function<std::string(int number)> deviceOf;          // "" when COM n opens nothing
    std::function<int(const std::string& device)> numberOf;  // 0 when no COM number opens it
};
PortSystem ThisPortSystem();

// What a transfer on COM number does about the kept adapter.
struct AdapterFollowUp {
    enum class Step {
        kGoOn,     // the port leads to it (or nothing can tell)
        kMoved,    // use number (or device, when no number opens it) instead; status says so
        kAsk,      // the port leads to another device: lines ask, action names going on
        kRefuse,   // it is not connected, or cannot be told apart: lines say why
    } step = Step::kGoOn;
    int number = 0;
    QString device;
    QString status;  // kMoved: what the status line says
    QStringList lines;
    QString action;  // kAsk
};
AdapterFollowUp FollowKeptAdapter(const diagnostics::AdapterIdentity& kept, int number, const PortSystem& system);

}  // namespace wrk7
