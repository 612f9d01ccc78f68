// The channel editor driven through its controls with keys, clicks and focus
// changes: what the boxes let through, when an entry is checked and put back,
// OK, Enter, Escape and Cancel, Hold, and where the dialog opens. The rules
// behind the checks are tested in tests/edit.
#include "app/dialogs/channel_editor.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <memory>

#include "put_channel.h"
#include "recording_prompter.h"

namespace wrk7 {
namespace {

class EditorTest : public ::testing::Test {
protected:
    // What the window does with the entry OK hands back.
    void SetUp() override {
        QObject::connect(dlg.get(), &ChannelEditor::entryStored, [this] { StoreChannelEntry(image, *dlg->Entry()); });
    }
    void TearDown() override { dlg->hide(); }

    template <typename T = QLineEdit>
    T* Get(const char* name) {
        T* w = dlg->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* Freq() { return Get("txtFreq"); }
    void Open(int row, QWidget* anchor = nullptr) {
        ASSERT_TRUE(dlg->BeginMemoryEdit(image, row, anchor));
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        QCoreApplication::processEvents();  // the frequency's text is selected once shown
    }
    void Retype(QLineEdit* box, const QString& keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
    }
    void ClickOk() { QTest::mouseClick(Get<QPushButton>("cmdOK"), Qt::LeftButton); }

    RecordingPrompter prompts;
    CloneImage image;
    std::unique_ptr<ChannelEditor> dlg = std::make_unique<ChannelEditor>(nullptr, &prompts);
};

TEST_F(EditorTest, TypedAndPastedTextIsFilteredAndCut) {
    Open(1);
    QTest::keyClicks(Freq(), "1a45.5.");
    EXPECT_EQ(Freq()->text(), "145.5");
    QGuiApplication::clipboard()->setText("12a.3.4");
    Freq()->selectAll();
    Freq()->paste();
    EXPECT_EQ(Freq()->text(), "12.34");
    QTest::keyClicks(Get("txtName"), "AB");
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u00e9"));
    QApplication::sendEvent(Get("txtName"), &accented);
    QTest::keyClicks(Get("txtName"), "CDEFG");
    EXPECT_EQ(Get("txtName")->text(), "ABCDEF");  // six printable characters at most
    for (const auto& [box, limit] : {std::pair{"txtFreq", 11}, {"txtShift", 9}, {"txtNote", 30}}) {
        Retype(Get(box), QString(40, QLatin1Char('1')));
        EXPECT_EQ(Get(box)->text().size(), limit) << box;
    }
}

TEST_F(EditorTest, AFrequencyIsCheckedWhenItsBoxIsLeftAndARefusalPutsTheTextBack) {
    image.memory.slot[4].Set(kFreq, 433.5);
    image.memory.enabled[4] = true;
    // Accepted, put back with a word under the boxes, refused with a box
    // (error: its title); off the 20 kHz step of an empty row: said, kept.
    const struct { int model, row; const char *typed, *shown, *error, *said; } cases[] = {
        {0, 5, "145.5", "145.500000", "", ""},
        {0, 5, "1300", "433.500000", "", "1300 is not taken."},  // the slot's own text back
        {0, 6, "5000", "145.000000", "", "5000 is not taken."},
        {2, 6, "835", "145.000000", "Frequency of the cellular phone", ""},
        {0, 6, "446.00625", "446.006250", "", "On the raster: 446.000000 or 446.020000 MHz."},
    };
    for (const auto& c : cases) {
        image.model = c.model;
        prompts.boxes.clear();
        Open(c.row);
        QTest::keyClicks(Freq(), QString::fromLatin1(c.typed));  // over its selected text
        QTest::keyClick(Freq(), Qt::Key_Tab);
        QCoreApplication::processEvents();  // the check runs once the focus has moved
        EXPECT_EQ(Freq()->text(), c.shown) << c.typed;
        EXPECT_EQ(prompts.LastTitle(), c.error) << c.typed;
        const QString said = dlg->findChild<QLabel*>(QStringLiteral("lblCheck"))->text();
        EXPECT_TRUE(*c.said ? said.contains(QString::fromLatin1(c.said)) : said.isEmpty()) << said.toStdString();
        dlg->reject();
    }
}

TEST_F(EditorTest, OkChecksTheBoxThatHasTheFocusFirstAndEnterIsOk) {
    Open(10);
    QTest::keyClicks(Freq(), "145.5");  // the focus stays in the box
    ClickOk();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(image.memory.slot[9].Text(kFreq) == "145.500000" && image.memory.enabled[9]);

    Open(10);
    QTest::keyClicks(Freq(), "1300");
    ClickOk();  // refused: the dialog stays with the text put back
    EXPECT_TRUE(dlg->isVisible() && Freq()->text() == "145.500000") << Freq()->text().toStdString();
    Retype(Get("txtShift"), "100");
    QTest::keyClick(Get("txtShift"), Qt::Key_Return);  // refused before OK
    EXPECT_TRUE(dlg->isVisible() && Get("txtShift")->text() == "0.600000");
    QTest::keyClicks(Get("txtShift"), "1.25");
    QTest::keyClick(Get("txtShift"), Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(image.memory.slot[9].Text(kOffset), "1.250000");

    const CloneImage before = image;
    Open(10);
    QTest::keyClicks(Freq(), "150");
    QTest::keyClick(Freq(), Qt::Key_Escape);
    Open(10);
    Get<QCheckBox>("chkSkip")->click();
    Get<QPushButton>("cmdCancel")->click();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(image, before);
    image.model = 2;  // 8 bands: a row that cannot be edited opens nothing, at once
    EXPECT_FALSE(dlg->OpenVfoEditor(image, 9) || dlg->BeginMemoryEdit(image, 1301));
    EXPECT_FALSE(dlg->Entry());  // Cancel hands back nothing
}

TEST_F(EditorTest, AnEmptyRowStartsFromTheDefaultsOrWhatHoldKept) {
    Open(20);
    QTest::keyClicks(Freq(), "430.125");
    Get<QButtonGroup>("opbStep")->button(9)->click();
    Get<QCheckBox>("chkHold")->click();
    ClickOk();
    for (bool hold : {true, false}) {
        Open(hold ? 21 : 22);
        EXPECT_EQ(Freq()->text(), hold ? "430.125000" : "145.000000");
        EXPECT_TRUE(Freq()->hasSelectedText());
        EXPECT_EQ(Get<QButtonGroup>("opbStep")->checkedId(), hold ? 9 : 6);
        Get<QCheckBox>("chkHold")->click();
        dlg->reject();
    }
}

TEST_F(EditorTest, TabEntersEachOptionGroupAtItsChoice) {
    PutChannel(image, 4, 145.5);
    image.memory.slot[4].Set(kStep, 9);
    image.memory.slot[4].Set(kShift, 2);
    Open(5);
    for (const char* group : {"opbWave", "opbSift", "opbStep", "opbTone"}) {
        auto* buttons = Get<QButtonGroup>(group);
        Freq()->setFocus();
        for (int tabs = 0; tabs < 40 && !buttons->buttons().contains(QApplication::focusWidget()); ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), buttons->checkedButton()) << group;
    }
}

TEST_F(EditorTest, OpensBesideItsAnchorAndOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Beside a narrow anchor at either edge; over the middle of one that
    // leaves no room beside it.
    for (int x : {0, screen.right() - 60, screen.left()}) {
        QWidget anchor;
        const bool wide = x == screen.left();
        anchor.setGeometry(wide ? screen : QRect(x, screen.top(), 60, 300));
        anchor.show();
        Open(1, &anchor);
        const QRect placed = dlg->frameGeometry();
        dlg->reject();
        EXPECT_TRUE(screen.contains(placed.topLeft())) << x;
        const QRect area(anchor.mapToGlobal(QPoint(0, 0)), anchor.size());
        if (wide && screen.contains(placed)) {
            EXPECT_LE((placed.center() - area.center()).manhattanLength(), 8) << x;
        } else if (placed.width() < screen.width() - 80) {
            EXPECT_FALSE(placed.intersects(area)) << x;
        }
    }
}

}  // namespace
}  // namespace wrk7
