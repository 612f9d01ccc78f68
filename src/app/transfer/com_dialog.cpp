#include "app/transfer/com_dialog.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/transfer/port_doctor_dialog.h"
#include "link/port_doctor.h"
#include "link/port_names.h"
#include "link/serial_by_id.h"

namespace wrk7 {

QString DeviceHint(const std::string& device) {
    // The port doctor owns why a device may not open; this is its short word.
    const link::DeviceVerdict verdict = link::QuickVerdict(*link::SystemAt("/"), device);
    switch (verdict.kind) {
        case link::DeviceVerdict::Kind::kMissing: return ComDialog::tr("device missing");
        case link::DeviceVerdict::Kind::kNoPermission:
            return ComDialog::tr("no permission: join group %1")
                .arg(verdict.group.empty() ? QStringLiteral("dialout") : QString::fromStdString(verdict.group));
        case link::DeviceVerdict::Kind::kBusy: return ComDialog::tr("busy: another program holds it");
        case link::DeviceVerdict::Kind::kFine: break;
    }
    return {};
}

namespace {

// The device and why it may not open, or a note that there is none.
QString DeviceText(const std::string& device) {
    if (device.empty()) return ComDialog::tr("(no device on this machine)");
    QString text = QString::fromStdString(device);
    const QString hint = DeviceHint(device);
    if (!hint.isEmpty()) text += QStringLiteral("  (%1)").arg(hint);
    return text;
}

}  // namespace

ComDialog::ComDialog(QWidget* parent) : QDialog(parent), byIdFolder(QString::fromUtf8(link::kSerialByIdFolder)) {
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(tr("COM Port Setup"));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    auto* group = new QButtonGroup(this);
    for (int n = 1; n <= 16; ++n) {
        auto* radio = new QRadioButton(QString::fromStdString(link::ComCaption(n)));
        radio->setObjectName(QStringLiteral("optCOM%1").arg(n - 1));
        group->addButton(radio, n);
        auto* device = new QLabel;
        device->setObjectName(QStringLiteral("lblDevice%1").arg(n - 1));
        auto* stable = new QLabel;
        stable->setObjectName(QStringLiteral("lblById%1").arg(n - 1));
        choices_[static_cast<std::size_t>(n - 1)] = radio;
        devices_[static_cast<std::size_t>(n - 1)] = device;
        stableNames_[static_cast<std::size_t>(n - 1)] = stable;
        grid->addWidget(radio, n - 1, 0);
        grid->addWidget(device, n - 1, 1);
        grid->addWidget(stable, n - 1, 2);
    }
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(12);

    pathChoice_ = new QRadioButton(tr("Device path:"));
    pathChoice_->setObjectName(QStringLiteral("optDevicePath"));
    group->addButton(pathChoice_, 17);
    pathEdit_ = new QLineEdit;
    pathEdit_->setObjectName(QStringLiteral("txtDevicePath"));
    pathEdit_->setAccessibleName(tr("Device path"));
    pathEdit_->setPlaceholderText(QStringLiteral("/dev/serial/by-id/usb-..."));
    pathHint_ = new QLabel;
    pathHint_->setObjectName(QStringLiteral("lblDevicePathHint"));
    // Typing a path means choosing it.
    connect(pathEdit_, &QLineEdit::textEdited, pathChoice_, [this] { pathChoice_->setChecked(true); });
    connect(pathEdit_, &QLineEdit::textChanged, this, &ComDialog::UpdatePathState);
    connect(group, &QButtonGroup::idToggled, this, &ComDialog::UpdatePathState);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathChoice_);
    pathRow->addWidget(pathEdit_, 1);

    runLabel_ = new QLabel;
    runLabel_->setObjectName(QStringLiteral("lblRunPort"));
    runLabel_->setWordWrap(true);
    ok_ = new QPushButton(tr("OK"));
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &ComDialog::Accept);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    testCable_ = new QPushButton(tr("Test Cable..."));
    testCable_->setObjectName(QStringLiteral("cmdTestCable"));
    connect(testCable_, &QPushButton::clicked, this, [this] {
        if (testCable) testCable(SelectedPortText());
    });
    auto* check = new QPushButton(tr("Check..."));
    check->setObjectName(QStringLiteral("cmdCheck"));
    check->setToolTip(tr("Why a port may not open, and what to do"));
    connect(check, &QPushButton::clicked, this, [this] {
        PortDoctorDialog doctor(this);
        doctor.Examine();
        doctor.exec();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check);
    buttons->addWidget(testCable_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(pathRow);
    layout->addWidget(pathHint_);
    layout->addWidget(runLabel_);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

void ComDialog::Prepare(int port, const QString& runPort, const QString& devicePath) {
    chosen_ = 0;
    chosenPath_.clear();
    const std::string folder = byIdFolder.toStdString();
    // Listing the system's ports is slow: once for all sixteen choices.
    const link::ComTable system = deviceForPort ? link::ComTable() : link::SystemComTable();
    for (int n = 1; n <= 16; ++n) {
        const std::string device = deviceForPort ? deviceForPort(n) : system[static_cast<std::size_t>(n - 1)];
        devices_[static_cast<std::size_t>(n - 1)]->setText(DeviceText(device));
        const QString stable = QString::fromStdString(link::StableNameForDevice(device, folder));
        QLabel* label = stableNames_[static_cast<std::size_t>(n - 1)];
        label->setText(QFileInfo(stable).fileName());
        label->setToolTip(stable);
    }
    pathEdit_->setText(devicePath);
    if (!devicePath.isEmpty()) {
        pathChoice_->setChecked(true);
    } else if (port >= 1 && port <= 16) {
        choices_[static_cast<std::size_t>(port - 1)]->setChecked(true);
    }
    UpdatePathState();
    runLabel_->setText(tr("This run uses: %1").arg(runPort));
    adjustSize();  // adapters' names are long
}

void ComDialog::UpdatePathState() {
    const QString path = pathEdit_->text().trimmed();
    pathHint_->setText(path.isEmpty() ? QString() : DeviceHint(path.toStdString()));
    pathHint_->setVisible(!pathHint_->text().isEmpty());
    // An empty path names no port: OK waits for one or for a numbered choice.
    ok_->setEnabled(!pathChoice_->isChecked() || !path.isEmpty());
    testCable_->setEnabled(!SelectedPortText().isEmpty());
}

QString ComDialog::SelectedPortText() const {
    if (pathChoice_->isChecked()) return pathEdit_->text().trimmed();
    for (int n = 1; n <= 16; ++n)
        if (choices_[static_cast<std::size_t>(n - 1)]->isChecked()) return QStringLiteral("COM%1").arg(n);
    return {};
}

void ComDialog::Accept() {
    if (pathChoice_->isChecked()) {
        const QString path = pathEdit_->text().trimmed();
        if (path.isEmpty()) return;
        chosenPath_ = path;
    } else {
        for (int n = 1; n <= 16; ++n) {
            if (choices_[static_cast<std::size_t>(n - 1)]->isChecked()) {
                chosen_ = n;
                break;
            }
        }
    }
    hide();
    setResult(QDialog::Accepted);
    done(QDialog::Accepted);
}

}  // namespace wrk7
