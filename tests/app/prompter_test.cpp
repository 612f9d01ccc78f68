// The real message boxes, where only they can show a fault.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/support/prompter.h"

namespace wrk7 {
namespace {

// With no opener on PATH the folder cannot open: a box says so with the
// folder's path, selectable, instead of nothing at all.
TEST(MessageBoxPrompterTest, OpenFolderThatNothingOpensShowsTheFolderToCopy) {
    QTemporaryDir folder, emptyPath;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    QStringList shown;  // the text of each box, as it comes up
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || (!shown.isEmpty() && shown.back() == box->text())) return;
        shown << box->text();
        if (auto* open = box->findChild<QPushButton*>(QStringLiteral("cmdOpenFolder"))) return open->click();
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text() == box->text()) {
                EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByMouse);
            }
        }
        box->accept();
    });
    answer.start(10);
    DefaultPrompter().ShowFileLocation(nullptr, QStringLiteral("T"), {QStringLiteral("kept here:")}, folder.filePath("f.txt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 2; }, 20000));
    qputenv("PATH", path);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[1].endsWith(QLatin1Char('\n') + QDir::toNativeSeparators(folder.path()))) << shown[1].toStdString();
}

}  // namespace
}  // namespace wrk7
