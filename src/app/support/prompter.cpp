#include "app/support/prompter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>

#include "app/support/desktop_viewer.h"
#include "app/translation/said.h"
#include "core/message_titles.h"

namespace wrk7 {

namespace {

QString Joined(const QStringList& lines) { return lines.join(QLatin1Char('\n')); }

// The commands that ask before replacing used channels: their callers name
// them in English, and the Japanese needs each word as a text of its own.
[[maybe_unused]] constexpr const char* kReplacingCommands[] = {QT_TRANSLATE_NOOP("Prompter", "paste"),
                                                               QT_TRANSLATE_NOOP("Prompter", "import")};

// Qt sizes a box by its text and leaves its title only 50 pixels beyond
// that, less than a window manager's icon and buttons take: a short message
// had its title cut ("S… ss"). A strut as wide as the title in a bold title
// font, with room for the frame's icon and buttons, keeps it whole.
void LeaveRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    int width = metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
    // Qt wraps the text at about 500 pixels and breaks a word longer than
    // that (a path) anywhere in it: room for the longest word the text holds
    // keeps each path on its line, as far as the screen allows.
    const QFontMetrics text(box.font());
    int longestWord = 0;
    for (const QString& word : box.text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        longestWord = std::max(longestWord, text.horizontalAdvance(word));
    // Beside the text the box's icon and margins (about 6 lines' height).
    width = std::max(width, longestWord + 6 * text.height());
    if (const QScreen* screen = box.screen()) width = std::min(width, screen->availableGeometry().width() * 2 / 3);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

QString ErrorTitle() { return Said(MessageId::kErrorTitle); }


QAbstractButton* MessageBoxPrompter::Show(QMessageBox& box) {
    const QPointer<QMessageBox> outer = open_;
    open_ = &box;
    LeaveRoomForTitle(box);
    box.exec();
    open_ = outer;
    return box.clickedButton();
}

void MessageBoxPrompter::DismissOpenBox() {
    if (open_) open_->reject();
}

void MessageBoxPrompter::Error(QWidget* parent, const QString& title, const QStringList& lines) {
    QMessageBox box(QMessageBox::Critical, title, Joined(lines), QMessageBox::Ok, parent);
    Show(box);
}

void MessageBoxPrompter::Inform(QWidget* parent, const QString& title, const QStringList& lines) {
    QMessageBox box(QMessageBox::Information, title, Joined(lines), QMessageBox::Ok, parent);
    Show(box);
}

Prompter::Answer MessageBoxPrompter::Confirm(QWidget* parent, const QString& title,
                                             const QStringList& lines) {
    QMessageBox box(QMessageBox::Warning, title, Joined(lines), QMessageBox::Ok | QMessageBox::Cancel, parent);
    // Enter stays Cancel, as the original asks, so the action needs a key of
    // its own: the mnemonic Qt's plain "OK" lacks.
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("Prompter", "&OK"));
    box.setDefaultButton(QMessageBox::Cancel);
    return Show(box) == box.button(QMessageBox::Ok) ? Answer::kOk : Answer::kCancel;
}

Prompter::Answer MessageBoxPrompter::AskYesNoCancel(QWidget* parent, const QString& title,
                                                    const QStringList& lines) {
    QMessageBox box(QMessageBox::Question, title, Joined(lines),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    QAbstractButton* answer = Show(box);
    if (answer == box.button(QMessageBox::Yes)) return Answer::kYes;
    if (answer == box.button(QMessageBox::No)) return Answer::kNo;
    return Answer::kCancel;
}

Prompter::Answer MessageBoxPrompter::ConfirmAction(QWidget* parent, const QString& title, const QStringList& lines,
                                                   const QString& action) {
    QMessageBox box(QMessageBox::Warning, title, Joined(lines), QMessageBox::Cancel, parent);
    // Enter stays Cancel, as in Confirm; the action takes its first letter as
    // its key (Alt+R for Restore) unless its caller chose one.
    QString caption = action;
    if (!caption.contains(QLatin1Char('&')) && !caption.isEmpty()) caption.prepend(QLatin1Char('&'));
    QPushButton* act = box.addButton(caption, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    return Show(box) == act ? Answer::kOk : Answer::kCancel;
}

int MessageBoxPrompter::Choose(QWidget* parent, const QString& title, const QStringList& lines,
                               const QStringList& choices, int byDefault) {
    QMessageBox box(QMessageBox::Warning, title, Joined(lines), QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices) buttons << box.addButton(choice, QMessageBox::AcceptRole);
    if (byDefault >= 0 && byDefault < buttons.size()) {
        box.setDefaultButton(static_cast<QPushButton*>(buttons[byDefault]));
        box.setEscapeButton(buttons[byDefault]);
    }
    const qsizetype chosen = buttons.indexOf(Show(box));
    return chosen < 0 ? byDefault : static_cast<int>(chosen);
}

void MessageBoxPrompter::Warn(QWidget* parent, const QString& title, const QStringList& lines) {
    QMessageBox box(QMessageBox::Warning, title, Joined(lines), QMessageBox::Ok, parent);
    Show(box);
}

void MessageBoxPrompter::ErrorWithDetail(QWidget* parent, const QString& title, const QStringList& lines,
                                         const QString& detail) {
    QMessageBox box(QMessageBox::Critical, title, Joined(lines), QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    Show(box);
}

void MessageBoxPrompter::ShowFileLocation(QWidget* parent, const QString& title, const QStringList& lines,
                                          const QString& path) {
    QMessageBox box(QMessageBox::Information, title, Joined(lines), QMessageBox::Close, parent);
    box.setInformativeText(QDir::toNativeSeparators(path));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* copy = box.addButton(QCoreApplication::translate("Prompter", "Copy Path"), QMessageBox::ActionRole);
    QPushButton* folder = box.addButton(QCoreApplication::translate("Prompter", "Open Folder"), QMessageBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopyPath"));
    folder->setObjectName(QStringLiteral("cmdOpenFolder"));
    QAbstractButton* clicked = Show(box);
    if (clicked == copy) QApplication::clipboard()->setText(QDir::toNativeSeparators(path));
    if (clicked == folder) OpenFolder(parent, QFileInfo(path).absolutePath());
}

void MessageBoxPrompter::OpenFolder(QWidget* parent, const QString& folder) {
    // The opener's failure comes later, from the event loop: the box then
    // must not outlive its parent, nor lean on this prompter.
    const QPointer<QWidget> owner(parent);
    QObject* context = parent ? static_cast<QObject*>(parent) : QCoreApplication::instance();
    ShowInDesktopViewer(folder, context, [owner, folder] {
        const QString where = QDir::toNativeSeparators(folder);
        QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Prompter", "Open Folder"),
                        QCoreApplication::translate("Prompter", "No file manager could open the folder. It is:") +
                            QLatin1Char('\n') + where,
                        QMessageBox::Ok, owner);
        // The path is what the user needs: to select and copy.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        LeaveRoomForTitle(box);
        box.exec();
    });
}

bool ConfirmReplacingUsedChannels(Prompter& prompter, QWidget* parent, const QString& command, int used) {
    if (used <= 0) return true;
    const QString word = QCoreApplication::translate("Prompter", command.toUtf8().constData());
    // The English singular is not the plural with one, so it is a text of its own.
    const QString replaces =
        used == 1 ? QCoreApplication::translate("Prompter", "The %1 replaces 1 used channel.").arg(word)
                  : QCoreApplication::translate("Prompter", "The %1 replaces %n used channels.", nullptr, used).arg(word);
    return prompter.Confirm(parent, QCoreApplication::translate("Prompter", "%1 OK").arg(word.toUpper()),
                            {replaces, QCoreApplication::translate("Prompter", "Are you sure that you want to %1?")
                                           .arg(word)}) == Prompter::Answer::kOk;
}

Prompter& DefaultPrompter() {
    static MessageBoxPrompter prompter;
    return prompter;
}

}  // namespace wrk7
