// The channel editor, driven through its controls with key presses, clicks
// and focus changes, the way a user works it.
#include "app/dlg_modify.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/frequency_filter.h"
#include "app/prompter.h"
#include "recording_prompter.h"
#include "codecs/vfo_codec.h"

namespace wrk7 {
namespace {


class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        dlg = std::make_unique<DlgModify>(nullptr, &prompts);
        SetVfoDefaults(image);
    }
    void TearDown() override {
        dlg->hide();
        QCoreApplication::processEvents();
    }

    template <typename T>
    T* Get(const char* name) {
        T* w = dlg->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* Freq() { return Get<QLineEdit>("txtFreq"); }
    QLineEdit* Offset() { return Get<QLineEdit>("txtShift"); }
    QAbstractButton* Button(const char* group, int id) { return Get<QButtonGroup>(group)->button(id); }
    int Checked(const char* group) { return Get<QButtonGroup>(group)->checkedId(); }

    void Show() {
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    void OpenMemory(int row) {
        ASSERT_TRUE(dlg->BeginMemoryEdit(image, row));
        Show();
    }
    void OpenVfo(int row) {
        ASSERT_TRUE(dlg->BeginVfoEdit(image, row));
        Show();
    }
    // Types into the box that has the focus, then tabs out of it.
    void TypeAndLeave(const QString& keys) {
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    void ClickOk() {
        QTest::mouseClick(Get<QPushButton>("cmdOK"), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void PutChannel(int slot, double mhz) {
        image.Mem[slot].Set(kFreq, mhz);
        image.Mem[slot].Set(kStep, 3);
        image.Mem[slot].Set(kOffset, 5);
        image.ChannelEnable[slot] = true;
    }

    RecordingPrompter prompts;
    CloneImage image;
    std::unique_ptr<DlgModify> dlg;
};

TEST(KeyFilterTest, DropsWhatTheKeysCouldNotType) {
    using K = KeyFilter::Kind;
    int end = 0;
    EXPECT_EQ(KeyFilter::Apply(K::kDecimal, "145.5", "145.5.", &end), "145.5");
    EXPECT_EQ(KeyFilter::Apply(K::kDecimal, "1.5", ".1.5", &end), "1.5");  // the old "." stays
    EXPECT_EQ(KeyFilter::Apply(K::kDecimal, "", "12a.3.4", &end), "12.34");
    EXPECT_EQ(end, 5);
    EXPECT_EQ(KeyFilter::Apply(K::kDecimal, "145", "14x5", &end), "145");
    EXPECT_EQ(KeyFilter::Apply(K::kPrintableAscii, "AB", QString::fromUtf8("A\u00e9\tC~B"), &end), "AC~B");
}

TEST_F(EditorTest, TypedAndPastedTextIsFiltered) {
    OpenMemory(1);
    QTest::keyClicks(Freq(), "1a45.5.");
    EXPECT_EQ(Freq()->text(), "145.5");
    QGuiApplication::clipboard()->setText("12a.3.4");
    Freq()->selectAll();
    Freq()->paste();
    EXPECT_EQ(Freq()->text(), "12.34");
    auto* name = Get<QLineEdit>("txtName");
    QTest::keyClicks(name, "AB");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u00e9"));
    QApplication::sendEvent(name, &accented);
    QTest::keyClicks(name, "CDEFG");
    EXPECT_EQ(name->text(), "ABCDEF");  // six printable characters at most
    const struct {
        const char* box;
        int limit;
    } limits[] = {{"txtFreq", 11}, {"txtShift", 9}, {"txtNote", 30}};
    for (const auto& l : limits) {
        auto* box = Get<QLineEdit>(l.box);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString(40, QLatin1Char('1')));
        EXPECT_EQ(box->text().size(), l.limit) << l.box;
    }
}

TEST_F(EditorTest, FrequencyIsCheckedWhenTheBoxIsLeft) {
    PutChannel(4, 433.5);
    OpenMemory(5);
    TypeAndLeave("145.5");
    EXPECT_EQ(Freq()->text(), "145.500000");
    Freq()->setFocus();
    Freq()->selectAll();
    TypeAndLeave("1300");
    EXPECT_EQ(Freq()->text(), "433.500000");  // the slot's own text back
    dlg->reject();

    OpenMemory(6);  // empty row
    for (const char* bad : {"1300", "0.05", ".", ""}) {
        Freq()->setFocus();
        Freq()->selectAll();
        if (*bad == '\0') QTest::keyClick(Freq(), Qt::Key_Delete);
        TypeAndLeave(bad);
        EXPECT_EQ(Freq()->text(), "145.000000") << bad;
    }
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(EditorTest, CellularBandIsRefusedOnlyUnderWrK70T) {
    PutChannel(0, 145);
    image.RegionIndex = 2;
    OpenMemory(1);
    TypeAndLeave("835.000");
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].title, "Frequency of the cellular phone");
    EXPECT_EQ(prompts.errors[0].lines,
              QStringList({"It is a frequency of the cellular phone.", "It is not possible to set it."}));
    EXPECT_EQ(Freq()->text(), "145.000000");
    dlg->reject();

    image.RegionIndex = 1;
    OpenMemory(1);
    TypeAndLeave("835.000");
    EXPECT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(Freq()->text(), "835.000000");
}

TEST_F(EditorTest, SearchPassRefusesAFrequencyAnotherEntryHolds) {
    PutChannel(kFirstSearchPassSlot, 145.5);
    PutChannel(kFirstSearchPassSlot + 2, 146.0);
    image.ChannelEnable[kFirstSearchPassSlot + 2] = false;  // disabled entries do not count
    OpenMemory(1102);
    TypeAndLeave("146");
    EXPECT_TRUE(prompts.errors.empty());
    Freq()->setFocus();
    Freq()->selectAll();
    TypeAndLeave("145.5");
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0].title, "ERROR");
    EXPECT_EQ(prompts.errors[0].lines.join(""),
              "The same frequency as other channels cannot be set in Search Pass bank.");
    EXPECT_EQ(Freq()->text(), "145.000000");
    dlg->reject();

    OpenMemory(1101);  // the entry itself may keep its frequency
    TypeAndLeave("145.5");
    EXPECT_EQ(prompts.errors.size(), 1u);
}

TEST_F(EditorTest, OkChecksTheFocusedBoxFirst) {
    OpenMemory(10);
    QTest::keyClicks(Freq(), "145.5");  // focus stays in the box
    ClickOk();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(image.Mem[9].Value(kFreq), 145.5);
    EXPECT_EQ(image.Mem[9].Text(kFreq), "145.500000");
    EXPECT_TRUE(image.ChannelEnable[9]);
    EXPECT_TRUE(image.Modified);

    image.Modified = false;
    OpenMemory(10);
    QTest::keyClicks(Freq(), "1300");
    ClickOk();  // refused: the dialog stays with the restored text
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Freq()->text(), "145.500000");
    EXPECT_FALSE(image.Modified);
    QTest::keyClicks(Offset(), "");
    Offset()->setFocus();
    Offset()->selectAll();
    QTest::keyClicks(Offset(), "100");
    QTest::keyClick(Offset(), Qt::Key_Return);  // Enter is OK; the offset is refused first
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Offset()->text(), "0.600000");
    QTest::keyClicks(Offset(), "1.25");
    QTest::keyClick(Offset(), Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(image.Mem[9].Text(kOffset), "1.250000");
    EXPECT_TRUE(image.Modified);
}

TEST_F(EditorTest, EscapeAndCancelStoreNothing) {
    PutChannel(2, 433.5);
    const CloneImage before = image;
    OpenMemory(3);
    QTest::keyClicks(Freq(), "150");
    QTest::keyClick(Freq(), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    OpenMemory(3);
    Get<QCheckBox>("chkSkip")->click();
    QTest::mouseClick(Get<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(image, before);
}

TEST_F(EditorTest, EmptyRowGetsDefaultsOrWhatHoldKeeps) {
    OpenMemory(20);
    QTest::keyClicks(Freq(), "430.125");
    Button("opbWave", 1)->click();
    Button("opbStep", 9)->click();
    Get<QComboBox>("cbbAir")->setCurrentIndex(12);
    QTest::keyClicks(Get<QLineEdit>("txtName"), "ABC");
    Get<QCheckBox>("chkSkip")->click();
    ClickOk();
    EXPECT_EQ(image.Mem[19].Text(kCarrier), "1500Hz");
    EXPECT_EQ(image.Mem[19].Value(kCarrier), 12);
    EXPECT_EQ(image.Mem[19].Value(kSkip), 1);

    OpenMemory(21);  // Hold clear
    EXPECT_EQ(Freq()->text(), "145.000000");
    EXPECT_TRUE(Freq()->hasSelectedText());
    EXPECT_EQ(Checked("opbWave"), 0);
    EXPECT_EQ(Checked("opbStep"), 6);
    EXPECT_EQ(Checked("opbTone"), 0);
    EXPECT_EQ(Checked("opbSift"), 0);
    EXPECT_EQ(Offset()->text(), "0.600000");
    EXPECT_EQ(Get<QComboBox>("cbbTxTone")->currentIndex(), 8);
    EXPECT_EQ(Get<QComboBox>("cbbAir")->currentIndex(), 28);
    EXPECT_EQ(Get<QComboBox>("cbbSec")->currentIndex(), -1);
    EXPECT_TRUE(Get<QLineEdit>("txtName")->text().isEmpty());
    EXPECT_FALSE(Get<QCheckBox>("chkSkip")->isChecked());
    dlg->reject();

    OpenMemory(20);
    Get<QCheckBox>("chkHold")->click();
    dlg->reject();
    OpenMemory(22);  // Hold checked: the last entry's values stay
    EXPECT_EQ(Freq()->text(), "430.125000");
    EXPECT_EQ(Checked("opbStep"), 9);
    EXPECT_EQ(Get<QLineEdit>("txtName")->text(), "ABC");
    EXPECT_TRUE(Get<QCheckBox>("chkSkip")->isChecked());
    Get<QCheckBox>("chkSkip")->click();
    ClickOk();
    EXPECT_EQ(image.Mem[21].Value(kSkip), 0);
    EXPECT_EQ(image.Mem[21].Value(kMode), 1);
    EXPECT_EQ(image.Mem[21].Text(kName), "ABC");
}

TEST_F(EditorTest, ModelDecidesOptionsAndLists) {
    struct Case {
        int model;
        bool train, secret, air, sec;
    } cases[] = {{0, true, false, true, false}, {1, false, true, false, true},
                 {2, false, false, false, false}, {3, false, false, false, false}};
    for (const Case& c : cases) {
        image.RegionIndex = c.model;
        OpenMemory(1);
        EXPECT_EQ(Button("opbTone", 1)->isEnabled(), c.train) << c.model;
        EXPECT_EQ(Button("opbTone", 4)->isEnabled(), c.secret) << c.model;
        EXPECT_EQ(Get<QComboBox>("cbbAir")->isEnabled(), c.air) << c.model;
        EXPECT_EQ(Get<QComboBox>("cbbSec")->isEnabled(), c.sec) << c.model;
        if (c.air) {
            Get<QComboBox>("cbbAir")->setCurrentIndex(5);
        } else {
            EXPECT_EQ(Get<QComboBox>("cbbAir")->currentIndex(), -1);
        }
        if (c.sec) Get<QComboBox>("cbbSec")->setCurrentIndex(3);
        ClickOk();
        // A list with nothing selected stores its default code.
        EXPECT_EQ(image.Mem[0].Value(kCarrier), c.air ? 5 : 28) << c.model;
        EXPECT_EQ(image.Mem[0].Text(kCarrier), c.air ? "800Hz" : "JR") << c.model;
        EXPECT_EQ(image.Mem[0].Value(kSecret), c.sec ? 3 : 11) << c.model;
        image.ClearSlot(0);
    }
}

TEST_F(EditorTest, CaptionsTellWhereTheRowBelongs) {
    const struct {
        int row;
        const char *mode, *ch;
    } cases[] = {{113, "Bank 01", "012Ch"}, {1001, "Program Scan", "0 - A"}, {1004, "Program Scan", "1 - B"},
                 {1101, "Search Pass", "0Ch"}, {1300, "Priority", "99Ch"}};
    for (const auto& c : cases) {
        OpenMemory(c.row);
        EXPECT_EQ(Get<QLabel>("lblMode")->text(), c.mode);
        EXPECT_EQ(Get<QLabel>("lblCH")->text(), c.ch);
        EXPECT_EQ(dlg->windowTitle(), "Modify Memory");
        dlg->reject();
    }
    EXPECT_FALSE(dlg->BeginMemoryEdit(image, 0));
    EXPECT_FALSE(dlg->BeginMemoryEdit(image, 1301));
}

TEST_F(EditorTest, VfoBandsOfferTheirSteps) {
    auto enabledSteps = [&] {
        QList<int> on;
        for (int i = 0; i < 18; ++i)
            if (Button("opbStep", i)->isEnabled()) on << i;
        return on;
    };
    OpenVfo(1);
    EXPECT_EQ(enabledSteps(), QList<int>{16});
    EXPECT_EQ(Checked("opbStep"), 16);
    EXPECT_EQ(Get<QLabel>("lblCH")->text(), "Band 0");
    EXPECT_FALSE(Get<QCheckBox>("chkHold")->isVisible());
    dlg->reject();
    OpenVfo(2);
    EXPECT_EQ(enabledSteps(), QList<int>{17});
    EXPECT_EQ(Get<QLabel>("lblMHz")->text(), "(0.531-1.620MHz)");
    dlg->reject();
    image.Vfo[5].Set(kStep, 17);
    OpenVfo(6);
    EXPECT_EQ(enabledSteps().size(), 16);
    EXPECT_EQ(Checked("opbStep"), 4);  // 9KHz is not offered above band 1
    dlg->reject();

    image.RegionIndex = 2;
    image.Vfo[1].Set(kStep, 16);
    OpenVfo(2);
    EXPECT_FALSE(Button("opbStep", 16)->isEnabled());
    EXPECT_EQ(Checked("opbStep"), 3);
    dlg->reject();
}

TEST_F(EditorTest, EightBandModelsOpenNoUpperVfoRows) {
    for (int model : {2, 3}) {
        image.RegionIndex = model;
        for (int row = 9; row <= 14; ++row) {
            EXPECT_FALSE(dlg->OpenVfoEditor(image, row)) << row;  // returns at once, never blocks
            EXPECT_FALSE(dlg->isVisible());
        }
    }
    image.RegionIndex = 1;
    EXPECT_TRUE(dlg->BeginVfoEdit(image, 14));
}

TEST_F(EditorTest, VfoFrequencyStaysInsideTheBand) {
    OpenVfo(7);  // WR-K7J band 6: 142.000-169.995
    TypeAndLeave("170");
    EXPECT_EQ(Freq()->text(), "145.000000");
    Freq()->setFocus();
    Freq()->selectAll();
    TypeAndLeave("150.5");
    Get<QComboBox>("cbbAir")->setCurrentIndex(12);
    Button("opbTone", 2)->click();
    ClickOk();
    EXPECT_EQ(image.Vfo[6].Text(kFreq), "150.500000");
    EXPECT_EQ(image.Vfo[6].Text(kCarrier), "1500Hz");
    EXPECT_EQ(image.Vfo[6].Text(kOption), "Tone");
    EXPECT_TRUE(image.Mem[6].IsEmpty());

    image.Vfo[8].ClearAll();  // a band with no frequency falls back to its lower edge
    OpenVfo(9);
    TypeAndLeave("100");
    EXPECT_EQ(Freq()->text(), "222.000000");
    dlg->reject();

    image.RegionIndex = 2;  // band 6 of WR-K70T spans the cellular ranges
    SetVfoDefaults(image);
    OpenVfo(7);
    TypeAndLeave("870");
    EXPECT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(Freq()->text(), "400.000000");
}

TEST_F(EditorTest, ModalOpenReturnsWhatOkStored) {
    QTimer::singleShot(0, dlg.get(), [this] {
        QTest::keyClicks(Freq(), "146.52");
        QTest::keyClick(Freq(), Qt::Key_Return);
    });
    EXPECT_TRUE(dlg->OpenMemoryEditor(image, 1));
    EXPECT_EQ(image.Mem[0].Text(kFreq), "146.520000");
    QTimer::singleShot(0, dlg.get(), [this] { QTest::keyClick(Freq(), Qt::Key_Escape); });
    EXPECT_FALSE(dlg->OpenMemoryEditor(image, 2));
    EXPECT_TRUE(image.Mem[1].IsEmpty());
}

TEST_F(EditorTest, OpensBesideTheAnchor) {
    QWidget anchor;
    anchor.setGeometry(0, 0, 60, 300);
    anchor.show();
    ASSERT_TRUE(dlg->BeginMemoryEdit(image, 1, &anchor));
    Show();
    const QRect a(anchor.mapToGlobal(QPoint(0, 0)), anchor.size());
    EXPECT_FALSE(dlg->frameGeometry().intersects(a));
    EXPECT_GE(dlg->x(), a.right());
}

}  // namespace
}  // namespace wrk7
