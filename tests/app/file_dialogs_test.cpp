// The real save dialog, where only it can show a fault: the extension it
// adds to a name typed without one before anything else sees the name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/dialogs/file_dialogs.h"

namespace wrk7 {
namespace {

// As File > Export offers them: types of one extension each, then All Files.
constexpr std::string_view kTypes =
    "CSV Files (*.csv)|*.csv|gqrx Bookmarks (*.csv)|*.csv|SDR# Frequency Manager (*.xml)|*.xml|"
    "SDR++ Frequency Manager (*.json)|*.json|All Files (*.*)|*.*";

// The dialog run as the user would: the type picked from the list with the
// keyboard, a name typed, then Save.
QString SaveThroughDialog(const QString& folder, int type, const QString& typed, QString* chosen) {
    QTimer user;
    bool answered = false;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || answered) return;
        answered = true;
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!types || !name) return dialog->reject();
        for (int i = 0; i < type; ++i) QTest::keyClick(types, Qt::Key_Down);
        name->setText(typed);
        static_cast<QDialog*>(dialog)->accept();  // the Save button
    });
    user.start(10);
    // Never the desktop's own dialog, which this test could not answer.
    const bool nativeBefore = QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
    const QString path =
        RunFileDialog(nullptr, {QStringLiteral("Export"), kTypes, folder + QStringLiteral("/WR-K7J.csv"), true, chosen});
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, nativeBefore);
    return path;
}

TEST(FileDialogTest, ADialogWithoutAFolderOpensInDocuments) {
    const QString docs = QStringLiteral("/home/u/Documents");
    for (const auto& [suggested, start] : {std::pair{"", "/home/u/Documents"}, {"WR-K7J.WK7", "/home/u/Documents/WR-K7J.WK7"},
                                           {"/data/mine.WK7", "/data/mine.WK7"}, {"sub/mine.WK7", "sub/mine.WK7"}})
        EXPECT_EQ(StartPath(QString::fromLatin1(suggested), docs), QString::fromLatin1(start)) << suggested;
}

TEST(FileDialogTest, ANameTypedWithoutExtensionGetsTheChosenTypesOwn) {
    const struct {
        int type;
        const char* typed;
        const char* saved;
        const char* chosen;
    } cases[] = {
        {0, "mine", "mine.csv", "CSV Files (*.csv)"},
        {1, "mine", "mine.csv", "gqrx Bookmarks (*.csv)"},
        {2, "mine", "mine.xml", "SDR# Frequency Manager (*.xml)"},
        {3, "mine", "mine.json", "SDR++ Frequency Manager (*.json)"},
        {4, "mine", "mine.csv", "All Files (*.*)"},  // no extension of its own: the first type's
        {2, "list.txt", "list.txt", "SDR# Frequency Manager (*.xml)"},  // one typed is kept
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        QString chosen;
        const QString path = SaveThroughDialog(folder.path(), c.type, QString::fromLatin1(c.typed), &chosen);
        EXPECT_EQ(QFileInfo(path).fileName().toStdString(), c.saved) << c.type << " " << c.typed;
        EXPECT_EQ(chosen.toStdString(), c.chosen) << c.type << " " << c.typed;
    }
}

}  // namespace
}  // namespace wrk7
