#include "app/transfer/com_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "app/transfer/port_doctor_dialog.h"
#include "diagnostics/port_doctor.h"
#include "diagnostics/port_listing.h"
#include "link/port_names.h"
#include "link/serial_by_id.h"

namespace wrk7 {

QString DeviceHint(const std::string& device) {
    // The port doctor owns why a device may not open; this is its short word.
    const diagnostics::DeviceVerdict verdict = diagnostics::QuickVerdict(*diagnostics::SystemAt("/"), device);
    switch (verdict.kind) {
        case diagnostics::DeviceVerdict::Kind::kMissing: return ComDialog::tr("device missing");
        case diagnostics::DeviceVerdict::Kind::kNoPermission:
            return ComDialog::tr("no permission: join group %1")
                .arg(verdict.group.empty() ? QStringLiteral("dialout") : QString::fromStdString(verdict.group));
        case diagnostics::DeviceVerdict::Kind::kBusy: return ComDialog::tr("busy: another program holds it");
        case diagnostics::DeviceVerdict::Kind::kFine: break;
    }
    return {};
}

QString AdapterText(const diagnostics::AdapterIdentity& adapter) {
    const QString name = QString::fromStdString(!adapter.description.empty() ? adapter.description
                                                : !adapter.chip.empty()
                                                    ? adapter.chip
                                                    : "USB " + diagnostics::HexId(adapter.vendor) + ':' +
                                                          diagnostics::HexId(adapter.product));
    QStringList what;
    if (!adapter.chip.empty() && adapter.chip != adapter.description) what << QString::fromStdString(adapter.chip);
    what << (adapter.serial.empty() ? ComDialog::tr("no serial number")
                                    : ComDialog::tr("serial %1").arg(QString::fromStdString(adapter.serial)));
    return QStringLiteral("%1 (%2)").arg(name, what.join(QStringLiteral(", ")));
}

namespace {

// The device and what stands behind it, where known, and why it may not
// open, or a note that there is none.
QString DeviceText(const diagnostics::PortListing& port) {
    if (port.device.empty()) return ComDialog::tr("(no device on this machine)");
    QString text;
    if (!port.adapter.Empty()) {
        // Windows' port name is the row's caption already.
        text = port.device == port.caption ? AdapterText(port.adapter)
                                           : QStringLiteral("%1: %2").arg(QString::fromStdString(port.device), AdapterText(port.adapter));
    } else {
        text = QString::fromStdString(port.detail.empty() ? port.device : port.detail);
    }
    const QString hint = DeviceHint(port.device);
    if (!hint.isEmpty()) text += QStringLiteral("  (%1)").arg(hint);
    return text;
}

}  // namespace

ComDialog::ComDialog(QWidget* parent) : QDialog(parent), byIdFolder(QString::fromUtf8(link::kSerialByIdFolder)) {
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(tr("COM Port Setup"));
    group_ = new QButtonGroup(this);
    gridHolder_ = new QWidget;
    grid_ = new QGridLayout(gridHolder_);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setVerticalSpacing(2);
    grid_->setColumnStretch(2, 1);
    grid_->setHorizontalSpacing(12);
    // Windows may list more ports than fit: the rows scroll then.
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("scrPorts"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The rows take the keys; the area around them is no Tab stop of its own.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidget(gridHolder_);
#ifndef _WIN32
    // Linux always has its sixteen numbers; Windows' ports are known only
    // once the system is asked, in Prepare.
    BuildRows(diagnostics::LinuxPortListing({}));
#endif

    pathChoice_ = new QRadioButton(tr("Device path:"));
    pathChoice_->setObjectName(QStringLiteral("optDevicePath"));
    group_->addButton(pathChoice_, 0);  // COM numbers start at 1
    pathEdit_ = new QLineEdit;
    pathEdit_->setObjectName(QStringLiteral("txtDevicePath"));
    pathEdit_->setAccessibleName(tr("Device path"));
    pathEdit_->setPlaceholderText(QString::fromLatin1(diagnostics::PortTextExample()));
    pathHint_ = new QLabel;
    pathHint_->setObjectName(QStringLiteral("lblDevicePathHint"));
    // Typing a path means choosing it.
    connect(pathEdit_, &QLineEdit::textEdited, pathChoice_, [this] {
        choiceTouched_ = true;
        pathChoice_->setChecked(true);
    });
    connect(group_, &QButtonGroup::buttonClicked, this, [this] {
        choiceTouched_ = true;
        UpdatePathState();
    });
    connect(pathEdit_, &QLineEdit::textChanged, this, &ComDialog::UpdatePathState);
    connect(group_, &QButtonGroup::idToggled, this, &ComDialog::UpdatePathState);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathChoice_);
    pathRow->addWidget(pathEdit_, 1);

    keepAdapter_ = new QCheckBox(tr("&Keep this adapter: find it again when it gets another port"));
    keepAdapter_->setObjectName(QStringLiteral("chkKeepAdapter"));
    keepAdapter_->setToolTip(tr("The adapter is known by its USB ids and serial number, not by its port number"));
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
        if (testCable) testCable(CableTestPortText());
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
    layout->addWidget(scroll_);
    layout->addLayout(pathRow);
    layout->addWidget(pathHint_);
    layout->addWidget(keepAdapter_);
    layout->addWidget(runLabel_);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

void ComDialog::BuildRows(const std::vector<diagnostics::PortListing>& listing) {
    const bool same = listing.size() == rows_.size() &&
                      std::equal(listing.begin(), listing.end(), rows_.begin(), [](const diagnostics::PortListing& p, const Row& r) {
                          return p.number == r.number && p.caption == r.choice->text().toStdString();
                      });
    if (same) return;
    for (Row& row : rows_) {
        delete row.choice;
        delete row.device;
        delete row.stableName;
    }
    rows_.clear();
    for (const diagnostics::PortListing& port : listing) {
        const int n = port.number;
        Row row{n, new QRadioButton(QString::fromStdString(port.caption)), new QLabel, new QLabel, {}};
        row.choice->setObjectName(QStringLiteral("optCOM%1").arg(n - 1));
        row.device->setObjectName(QStringLiteral("lblDevice%1").arg(n - 1));
        row.stableName->setObjectName(QStringLiteral("lblById%1").arg(n - 1));
        group_->addButton(row.choice, n);
        const int at = static_cast<int>(rows_.size());
        grid_->addWidget(row.choice, at, 0);
        grid_->addWidget(row.device, at, 1);
        grid_->addWidget(row.stableName, at, 2);
        rows_.push_back(row);
    }
    // Rows made after the rest still come first on the way through by Tab.
    if (!rows_.empty() && pathChoice_) setTabOrder(rows_.back().choice, pathChoice_);
}

const ComDialog::Row* ComDialog::RowOf(int port) const {
    const auto it = std::find_if(rows_.begin(), rows_.end(), [port](const Row& r) { return r.number == port; });
    return it == rows_.end() ? nullptr : &*it;
}

QRadioButton* ComDialog::Choice(int port) const {
    const Row* row = RowOf(port);
    return row ? row->choice : nullptr;
}

QLabel* ComDialog::DeviceLabel(int port) const {
    const Row* row = RowOf(port);
    return row ? row->device : nullptr;
}

QLabel* ComDialog::StableNameLabel(int port) const {
    const Row* row = RowOf(port);
    return row ? row->stableName : nullptr;
}

std::vector<int> ComDialog::ListedPorts() const {
    std::vector<int> numbers;
    for (const Row& row : rows_) numbers.push_back(row.number);
    return numbers;
}

void ComDialog::Prepare(int port, const QString& runPort, const QString& devicePath,
                        const diagnostics::AdapterIdentity& kept) {
    chosen_ = 0;
    chosenPath_.clear();
    chosenAdapter_ = {};
    kept_ = kept;
    const std::string folder = byIdFolder.toStdString();
    // Listing the system's ports is slow: once for all the choices.
    std::vector<diagnostics::PortListing> listing;
    if (listPorts) {
        listing = listPorts(port);
    } else if (deviceForPort) {
        listing = diagnostics::LinuxPortListing({});
        for (diagnostics::PortListing& p : listing) p.device = deviceForPort(p.number);
    } else {
        listing = diagnostics::SystemPortListing(port);
    }
    BuildRows(listing);
    for (std::size_t i = 0; i < listing.size(); ++i) {
        Row& row = rows_[i];
        row.adapter = listing[i].adapter;
        row.device->setText(DeviceText(listing[i]));
        const QString stable = QString::fromStdString(link::StableNameForDevice(listing[i].device, folder));
        row.stableName->setText(QFileInfo(stable).fileName());
        row.stableName->setToolTip(stable);
    }
    // Sixteen rows at most before the list scrolls.
    constexpr int kRowsShown = 16;
    const int rows = std::max<int>(1, static_cast<int>(rows_.size()));
    const int height = gridHolder_->sizeHint().height();
    scroll_->setMinimumHeight(rows > kRowsShown ? height * kRowsShown / rows : height);
    scroll_->setMinimumWidth(gridHolder_->sizeHint().width() + (rows > kRowsShown ? scroll_->verticalScrollBar()->sizeHint().width() : 0));
    pathEdit_->setText(devicePath);
    if (!devicePath.isEmpty()) {
        pathChoice_->setChecked(true);
    } else if (QRadioButton* choice = Choice(port)) {
        choice->setChecked(true);
    }
    const diagnostics::AdapterIdentity* selected = SelectedAdapter();
    keepAdapter_->setChecked(!kept.Empty() && (!selected || diagnostics::IdentityMatches(kept, *selected)));
    runPort_ = runPort;
    choiceTouched_ = false;
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
    const QString tested = CableTestPortText();
    testCable_->setEnabled(!tested.isEmpty());
    testCable_->setToolTip(tested.isEmpty() ? QString() : tr("Tests %1").arg(tested));
    const diagnostics::AdapterIdentity* adapter = SelectedAdapter();
    // An adapter kept but not plugged in stays kept until the user says otherwise.
    const diagnostics::AdapterIdentity* shown = adapter ? adapter : (!kept_.Empty() && !pathChoice_->isChecked() ? &kept_ : nullptr);
    keepAdapter_->setEnabled(shown != nullptr);
    keepAdapter_->setToolTip(shown ? AdapterText(*shown) : tr("Only a USB adapter can be kept by what it is"));
}

const diagnostics::AdapterIdentity* ComDialog::SelectedAdapter() const {
    if (pathChoice_->isChecked()) return nullptr;
    for (const Row& row : rows_)
        if (row.choice->isChecked()) return row.adapter.Empty() ? nullptr : &row.adapter;
    return nullptr;
}

QString ComDialog::SelectedPortText() const {
    if (pathChoice_->isChecked()) return pathEdit_->text().trimmed();
    for (const Row& row : rows_)
        if (row.choice->isChecked()) return QStringLiteral("COM%1").arg(row.number);
    return {};
}

QString ComDialog::CableTestPortText() const {
    return choiceTouched_ || runPort_.isEmpty() ? SelectedPortText() : runPort_;
}

void ComDialog::Accept() {
    if (pathChoice_->isChecked()) {
        const QString path = pathEdit_->text().trimmed();
        if (path.isEmpty()) return;
        chosenPath_ = path;
    } else {
        for (const Row& row : rows_) {
            if (row.choice->isChecked()) {
                chosen_ = row.number;
                if (keepAdapter_->isChecked()) chosenAdapter_ = row.adapter;
                break;
            }
        }
        // The kept adapter was not plugged in: choosing its old number
        // again does not forget it.
        if (keepAdapter_->isChecked() && chosenAdapter_.Empty()) chosenAdapter_ = kept_;
    }
    hide();
    setResult(QDialog::Accepted);
    done(QDialog::Accepted);
}

}  // namespace wrk7
