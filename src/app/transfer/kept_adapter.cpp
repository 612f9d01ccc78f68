#include "app/transfer/kept_adapter.h"

#include <QCoreApplication>
#include <QSettings>

#include "app/transfer/com_dialog.h"
#include "files/preferences.h"
#include "link/port_names.h"

namespace wrk7 {

namespace {

// The texts' translation context.
struct KeptAdapter {
    Q_DECLARE_TR_FUNCTIONS(KeptAdapter)
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// "COM 5 (/dev/ttyUSB1)" on Linux, "COM7" on Windows.
QString PortText(int number, const std::string& device) {
    if (number == 0) return Q(device);
    const QString com = QStringLiteral("COM%1").arg(number);
    return device.empty() || Q(device).compare(com, Qt::CaseInsensitive) == 0 ? com : QStringLiteral("%1 (%2)").arg(com, Q(device));
}

}  // namespace

diagnostics::AdapterIdentity LoadKeptAdapter(QSettings& store) {
    diagnostics::AdapterIdentity adapter;
    const QStringList ids = store.value(SettingsKey(kAdapterUsbIdKey)).toString().split(QLatin1Char(':'));
    if (ids.size() != 2) return adapter;
    const auto vendor = diagnostics::ParseHexId(ids[0].toStdString());
    const auto product = diagnostics::ParseHexId(ids[1].toStdString());
    if (!vendor || !product || (*vendor == 0 && *product == 0)) return adapter;  // a hand-edited store: nothing kept
    adapter.vendor = *vendor;
    adapter.product = *product;
    adapter.serial = store.value(SettingsKey(kAdapterSerialKey)).toString().toStdString();
    adapter.byId = store.value(SettingsKey(kAdapterByIdKey)).toString().toStdString();
    adapter.instance = store.value(SettingsKey(kAdapterInstanceKey)).toString().toStdString();
    adapter.description = store.value(SettingsKey(kAdapterNameKey)).toString().toStdString();
    adapter.chip = store.value(SettingsKey(kAdapterChipKey)).toString().toStdString();
    return adapter;
}

void SaveKeptAdapter(QSettings& store, const diagnostics::AdapterIdentity& adapter) {
    const std::pair<std::string_view, std::string> values[] = {
        {kAdapterUsbIdKey, adapter.Empty() ? std::string() : diagnostics::HexId(adapter.vendor) + ':' + diagnostics::HexId(adapter.product)},
        {kAdapterSerialKey, adapter.serial},
        {kAdapterByIdKey, adapter.byId},
        {kAdapterInstanceKey, adapter.instance},
        {kAdapterNameKey, adapter.description},
        {kAdapterChipKey, adapter.chip},
    };
    for (const auto& [key, value] : values) {
        if (adapter.Empty() || value.empty()) store.remove(SettingsKey(key));
        else store.setValue(SettingsKey(key), Q(value));
    }
}

PortSystem ThisPortSystem() {
    return {diagnostics::ExamineThisSystem,
            [](int number) { return link::DeviceForComNumber(number).value_or(std::string()); },
            [](const std::string& device) { return link::ComNumberOfDevice(device); }};
}

AdapterFollowUp FollowKeptAdapter(const diagnostics::AdapterIdentity& kept, int number, const PortSystem& system) {
    AdapterFollowUp follow;
    if (kept.Empty()) return follow;
    const std::string portDevice = system.deviceOf(number);
    const diagnostics::AdapterSearch search = diagnostics::FindAdapter(system.examine(), kept, portDevice);
    const QString name = AdapterText(kept);
    const QString port = QStringLiteral("COM%1").arg(number);
    using Kind = diagnostics::AdapterSearch::Kind;
    switch (search.kind) {
        case Kind::kAtItsPort: return follow;
        case Kind::kMoved: {
            follow.step = AdapterFollowUp::Step::kMoved;
            follow.number = system.numberOf(search.device);
            // Past the numbers a port file holds: the stable name, or the device.
            if (follow.number == 0) follow.device = Q(kept.byId.empty() ? search.device : kept.byId);
            follow.status = KeptAdapter::tr("Found the adapter %1 at %2; it was at %3.")
                                .arg(name, PortText(follow.number, search.device), port);
            return follow;
        }
        case Kind::kPortTaken: {
            follow.step = AdapterFollowUp::Step::kAsk;
            const QString other = search.other && !diagnostics::IdentityOf(*search.other).Empty()
                                      ? AdapterText(diagnostics::IdentityOf(*search.other))
                                      : Q(portDevice);
            follow.lines << KeptAdapter::tr("%1 now leads to %2, not to the adapter kept for this program, %3.").arg(port, other, name)
                         << KeptAdapter::tr("Use %1 this time anyway, or cancel and choose the port in COM Port Setup.").arg(port);
            follow.action = KeptAdapter::tr("Use %1").arg(port);
            return follow;
        }
        case Kind::kMissing:
            follow.step = AdapterFollowUp::Step::kRefuse;
            follow.lines << KeptAdapter::tr("The adapter kept for this program, %1, is not connected.").arg(name)
                         << KeptAdapter::tr("Plug it in, or choose another port in COM Port Setup.");
            return follow;
        case Kind::kAmbiguous:
            follow.step = AdapterFollowUp::Step::kRefuse;
            follow.lines << KeptAdapter::tr("More than one adapter like %1 is connected, and none at %2.").arg(name, port)
                         << KeptAdapter::tr("Without a serial number they cannot be told apart: choose the port in COM Port Setup.");
            return follow;
    }
    return follow;
}

}  // namespace wrk7
