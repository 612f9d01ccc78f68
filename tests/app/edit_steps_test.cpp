// Every control that changes the image goes through the document: each
// change is one step named after what the user did, marks the window and is
// taken back whole by Undo, controls included.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "app/dialogs/dlg_modify.h"
#include "app/pages/bank_page.h"
#include "app/pages/settings_pages.h"
#include "app/pages/vfo_table_model.h"
#include "app/window/edit_commands.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

class EditStepsTest : public WindowTest {
protected:
    // The editor opens modally; this types into its frequency box (if
    // anything) and presses Enter, which is OK.
    void ModifyWith(const QString& frequency) {
        DlgModify* editor = window->Edits().Editor();
        QTimer::singleShot(0, editor, [editor, frequency] {
            auto* box = editor->findChild<QLineEdit*>(QStringLiteral("txtFreq"));
            if (!frequency.isEmpty()) QTest::keyClicks(box, frequency);
            QTest::keyClick(box, Qt::Key_Return);
        });
        window->Edits().Modify();
    }
    // Makes the change, then takes it back: one undo gives back the image.
    void ExpectOneStep(const QString& step, const std::function<void()>& make, const std::function<bool()>& shown) {
        SCOPED_TRACE(step.toStdString());
        const CloneImage before = Snapshot();
        make();
        EXPECT_NE(Snapshot(), before);
        EXPECT_EQ(Act("mnuUndo")->text(), QStringLiteral("&Undo ") + step);
        EXPECT_TRUE(window->isWindowModified());
        Doc().Undo();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_FALSE(window->isWindowModified());
        EXPECT_TRUE(shown()) << "the control shows the value taken back";
    }
};

TEST_F(EditStepsTest, EverySettingsControlChangesTheImageAsOneStep) {
    int tried = 0;
    for (Page page : {Page::kSettings1, Page::kSettings2}) {
        window->ClickTab(page);
        QWidget* front = window->Tabs()->currentWidget();
        for (QWidget* control : front->findChildren<QWidget*>()) {
            if (!control->isEnabledTo(front) || control->objectName().startsWith(QStringLiteral("opbModel"))) continue;
            const QString step = QStringLiteral("Change ");
            if (auto* check = qobject_cast<QCheckBox*>(control)) {
                const bool was = check->isChecked();
                ExpectOneStep(step + check->text(), [check] { check->click(); },
                              [check, was] { return check->isChecked() == was; });
            } else if (auto* radio = qobject_cast<QRadioButton*>(control); radio && !radio->isChecked()) {
                const QString caption = qobject_cast<QGroupBox*>(radio->parentWidget())->title();
                ExpectOneStep(step + caption, [radio] { radio->click(); }, [radio] { return !radio->isChecked(); });
            } else if (auto* list = qobject_cast<QComboBox*>(control)) {
                const int was = list->currentIndex();
                ExpectOneStep(step + list->parentWidget()->findChild<QLabel*>()->text(), [list, was] { list->setCurrentIndex((was + 1) % list->count()); },
                              [list, was] { return list->currentIndex() == was; });
            } else if (auto* slider = qobject_cast<QSlider*>(control)) {
                const int was = slider->value();
                ExpectOneStep(step + qobject_cast<QGroupBox*>(slider->parentWidget())->title(),
                              [slider, was] { for (int v : {3, 5, 8}) slider->setValue((was + v) % (slider->maximum() + 1)); },
                              [slider, was] { return slider->value() == was; });
            } else {
                continue;
            }
            ++tried;
        }
    }
    EXPECT_GT(tried, 50);
}

TEST_F(EditStepsTest, EachOtherKindOfChangeIsOneNamedStep) {
    Put(0, 145.5);
    Put(1, 146.5);
    nextFile = dir.filePath(QStringLiteral("steps.WK7"));
    ASSERT_TRUE(window->Files().SaveAs());
    window->ClickTab(Page::kBank);
    BankPage* bank = window->Bank();
    ExpectOneStep(QStringLiteral("Change Bank 0"), [bank] {
        bank->CountBox(0)->setFocus(Qt::MouseFocusReason);
        bank->CountBox(0)->setText(QStringLiteral("60"));
        bank->CountBox(1)->setFocus(Qt::MouseFocusReason);
    }, [bank] { return bank->CountBox(0)->text() == QLatin1String("100"); });
    ExpectOneStep(QStringLiteral("Link Bank 4"), [bank] { bank->LinkBox(4)->click(); },
                  [bank] { return !bank->LinkBox(4)->isChecked(); });
    ExpectOneStep(QStringLiteral("Add Bank 3 to GRP2"), [bank] { bank->GroupBox(2 * kBanks + 3)->click(); },
                  [bank] { return !bank->GroupBox(2 * kBanks + 3)->isChecked(); });

    window->ClickTab(Page::kMemory);
    ExpectOneStep(QStringLiteral("Disable 2 Channels"), [this] {
        window->Memory()->SelectRows(1, 2);
        prompts.answers = {Answer::kOk};
        window->Memory()->Button("cmbDisable")->click();
    }, [this] { return Cell(2) == QLatin1String("146.500000"); });
    ExpectOneStep(QStringLiteral("Modify 00-002"), [this] {
        window->Memory()->SelectRow(3);
        ModifyWith(QStringLiteral("433"));
    }, [this] { return Cell(3).isEmpty(); });
    window->ClickTab(Page::kSettings1);
    window->VfoGrid()->selectRow(6);
    ExpectOneStep(QStringLiteral("Modify Band 6"), [this] { ModifyWith(QStringLiteral("150.5")); },
                  [this] { return window->VfoModel()->index(6, 0).data().toString() == QLatin1String("145.000000"); });

    // OK on what was already there neither marks nor records a step (which
    // would take the place of the step Redo still offers).
    ModifyWith(QString());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_TRUE(Doc().CanRedo());
}

}  // namespace
}  // namespace wrk7
