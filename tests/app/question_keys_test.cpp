// The keys of a real question box: Enter keeps the safe answer, the action's
// mnemonic takes the action.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/support/prompter.h"

namespace wrk7 {
namespace {

TEST(QuestionKeysTest, EnterCancelsAndAltOConfirms) {
    for (const auto& [key, mods, answer] : {std::tuple{Qt::Key_Return, Qt::NoModifier, Prompter::Answer::kCancel},
                                            {Qt::Key_O, Qt::AltModifier, Prompter::Answer::kOk}}) {
        QTimer press;
        QObject::connect(&press, &QTimer::timeout, [&, key = key, mods = mods] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                press.stop();
                QTest::keyClick(box, key, mods);
            }
        });
        press.start(10);
        EXPECT_EQ(DefaultPrompter().Confirm(nullptr, QStringLiteral("CLEAR OK"), {QStringLiteral("Sure?")}), answer)
            << key;
    }
}

}  // namespace
}  // namespace wrk7
