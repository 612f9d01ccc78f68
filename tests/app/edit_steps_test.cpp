// Every control that changes the image goes through the document: each
// change is one step named after what the user did, marks the window and is
// taken back whole by Undo, controls included.

#include "window_fixture.h"

namespace wrk7 {
namespace {

class EditStepsTest : public WindowTest {
protected:
    // Opens the editor (modal) on a row of the page's grid, types into its
    // frequency box (if anything) and presses Enter, which is OK.
    void ModifyWith(Page page, int row, const QString& frequency) {
        window->ClickTab(page);
        if (page == Page::kMemory) {
            window->Memory()->SelectRow(row);
        } else {
            window->VfoGrid()->selectRow(row - 1);
        }
        ChannelEditor* editor = window->Edits().Editor();
        QTimer::singleShot(0, editor, [editor, frequency] {
            auto* box = editor->findChild<QLineEdit*>(QStringLiteral("txtFreq"));
            if (!frequency.isEmpty()) QTest::keyClicks(box, frequency);
            QTest::keyClick(box, Qt::Key_Return);
        });
        window->Edits().Modify();
    }
    // Makes the change, then takes it back: one Undo gives back the image.
    void ExpectOneStep(const QString& step, const std::function<void()>& make) {
        SCOPED_TRACE(step.toStdString());
        const CloneImage before = Snapshot();
        make();
        EXPECT_NE(Snapshot(), before);
        EXPECT_EQ(Act("mnuUndo")->text(), QStringLiteral("&Undo ") + step);
        EXPECT_TRUE(window->isWindowModified());
        Doc().Undo();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_FALSE(window->isWindowModified());
    }
    static QVariant Shown(QWidget* control) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->isChecked();
        if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentIndex();
        return qobject_cast<QSlider*>(control)->value();
    }
};

TEST_F(EditStepsTest, EverySettingsControlChangesTheImageAsOneStepAndShowsItsUndo) {
    int tried = 0;
    for (Page page : {Page::kSettings1, Page::kSettings2}) {
        window->ClickTab(page);
        QWidget* front = window->Tabs()->currentWidget();
        for (QWidget* control : front->findChildren<QWidget*>()) {
            auto* radio = qobject_cast<QRadioButton*>(control);
            auto* list = qobject_cast<QComboBox*>(control);
            auto* slider = qobject_cast<QSlider*>(control);
            if (!control->isEnabledTo(front) || (radio && (radio->isChecked() || radio->objectName().startsWith("opbModel"))))
                continue;
            std::function<void()> change = [control] { static_cast<QAbstractButton*>(control)->click(); };
            QString caption = radio ? qobject_cast<QGroupBox*>(control->parentWidget())->title() : QString();
            if (auto* check = qobject_cast<QCheckBox*>(control)) caption = check->text();
            if (list) {
                caption = list->parentWidget()->findChild<QLabel*>()->text();
                change = [list] { list->setCurrentIndex((list->currentIndex() + 1) % list->count()); };
            } else if (slider) {
                caption = qobject_cast<QGroupBox*>(slider->parentWidget())->title();
                change = [slider, was = slider->value()] {  // a drag over several values is one step
                    for (int v : {3, 5, 8}) slider->setValue((was + v) % (slider->maximum() + 1));
                };
            } else if (caption.isEmpty()) {
                continue;
            }
            const QVariant shown = Shown(control);
            ExpectOneStep(QStringLiteral("Change ") + caption, change);
            EXPECT_EQ(Shown(control), shown) << caption.toStdString();
            ++tried;
        }
    }
    EXPECT_GT(tried, 50);
}

TEST_F(EditStepsTest, EachOtherKindOfChangeIsOneNamedStep) {
    BankPage* bank = window->Bank();
    window->ClickTab(Page::kBank);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"Change Bank 0", [this] { TypeCount(0, QStringLiteral("60")), TypeCount(1, {}); }},  // typed, then left
        {"Link Bank 4", [bank] { bank->LinkBox(4)->click(); }},
        {"Add Bank 3 to GRP2", [bank] { bank->GroupBox(2 * kBanks + 3)->click(); }},
        {"Modify 00-002", [this] { ModifyWith(Page::kMemory, 3, QStringLiteral("433")); }},
        {"Modify Band 6", [this] { ModifyWith(Page::kSettings1, 7, QStringLiteral("150.5")); }},
    };
    for (const auto& [step, make] : changes) ExpectOneStep(QString::fromLatin1(step), make);
    // OK on what is already there neither marks nor records a step (which
    // would take the place of the one Redo still offers).
    ModifyWith(Page::kSettings1, 7, QString());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_TRUE(Doc().CanRedo());
}

}  // namespace
}  // namespace wrk7
