#include "app/com_dialog.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <unistd.h>

#include "link/port_names.h"

namespace wrk7 {

QString DeviceHint(const std::string& device) {
    const QString path = QString::fromStdString(device);
    QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("device missing");
    if (::access(device.c_str(), R_OK | W_OK) != 0) {
        const QString group = info.group();
        return QStringLiteral("no permission: join group %1").arg(group.isEmpty() ? QStringLiteral("dialout") : group);
    }
    // Programs that follow the UUCP convention leave a lock file while they
    // hold a line.
    const QString lock = QStringLiteral("/var/lock/LCK..%1").arg(info.fileName());
    if (QFileInfo::exists(lock)) return QStringLiteral("busy: another program holds it");
    return {};
}

ComDialog::ComDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(QStringLiteral("COM Port Setup"));
    deviceForPort = [](int n) { return link::DeviceForComNumber(n).value_or(std::string()); };
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    auto* group = new QButtonGroup(this);
    for (int n = 1; n <= 16; ++n) {
        auto* radio = new QRadioButton(QString::fromStdString(link::ComCaption(n)));
        radio->setObjectName(QStringLiteral("optCOM%1").arg(n - 1));
        group->addButton(radio, n);
        auto* device = new QLabel;
        device->setObjectName(QStringLiteral("lblDevice%1").arg(n - 1));
        choices_[static_cast<std::size_t>(n - 1)] = radio;
        devices_[static_cast<std::size_t>(n - 1)] = device;
        grid->addWidget(radio, n - 1, 0);
        grid->addWidget(device, n - 1, 1);
    }
    grid->setColumnStretch(1, 1);
    runLabel_ = new QLabel;
    runLabel_->setObjectName(QStringLiteral("lblRunPort"));
    runLabel_->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ComDialog::Accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(runLabel_);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

void ComDialog::Prepare(int port, const QString& runPort) {
    chosen_ = 0;
    for (int n = 1; n <= 16; ++n) {
        const std::string device = deviceForPort(n);
        QString text;
        if (device.empty()) {
            text = QStringLiteral("(no device on this machine)");
        } else {
            text = QString::fromStdString(device);
            const QString hint = DeviceHint(device);
            if (!hint.isEmpty()) text += QStringLiteral("  (%1)").arg(hint);
        }
        devices_[static_cast<std::size_t>(n - 1)]->setText(text);
    }
    if (port >= 1 && port <= 16) choices_[static_cast<std::size_t>(port - 1)]->setChecked(true);
    runLabel_->setText(QStringLiteral("This run uses: %1").arg(runPort));
}

void ComDialog::Accept() {
    for (int n = 1; n <= 16; ++n) {
        if (choices_[static_cast<std::size_t>(n - 1)]->isChecked()) {
            chosen_ = n;
            break;
        }
    }
    hide();
    setResult(QDialog::Accepted);
    done(QDialog::Accepted);
}

}  // namespace wrk7
