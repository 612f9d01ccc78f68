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

TEST(QuestionKeysTest, EnterCancelsAndTheActionsMnemonicConfirms) {
    const QString restore = QStringLiteral("Restore");  // ConfirmAction's; none is Confirm
    for (const auto& [action, key, mods, answer] :
         {std::tuple{QString(), Qt::Key_Return, Qt::NoModifier, Prompter::Answer::kCancel},
          {QString(), Qt::Key_O, Qt::AltModifier, Prompter::Answer::kOk},
          {restore, Qt::Key_Return, Qt::NoModifier, Prompter::Answer::kCancel},
          {restore, Qt::Key_R, Qt::AltModifier, Prompter::Answer::kOk}}) {
        // A mnemonic reaches only the active window: wait for the box to be
        // it; a box no key closes is closed after a while, so a fault fails
        // the check instead of hanging the run.
        QTimer press;
        int ticks = 0;
        bool forced = false;
        QObject::connect(&press, &QTimer::timeout, [&, key = key, mods = mods] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (++ticks > 1000) {
                forced = true;
                return box->done(-1);
            }
            if (box->isActiveWindow()) QTest::keyClick(box, key, mods);
        });
        press.start(10);
        const QStringList lines{QStringLiteral("Sure?")};
        EXPECT_EQ(action.isEmpty() ? DefaultPrompter().Confirm(nullptr, QStringLiteral("CLEAR OK"), lines)
                                   : DefaultPrompter().ConfirmAction(nullptr, QStringLiteral("Restore"), lines, action),
                  answer)
            << key;
        EXPECT_FALSE(forced) << key << ": the key did not close the box";
    }
}

}  // namespace
}  // namespace wrk7
