// The main window around the document: its first state, the tabs and the
// bank total that holds them, the count boxes' keys and focus, the model
// buttons, the close, the bars and the Japanese captions, with Qt's own texts
// in the language of the captions. Every control that changes the image goes
// through the document: each change is one step named after what the user
// did and is taken back whole by Undo, controls included (the mark follows
// the document's history: CloneDocumentTest, and the model button here).

#include "app/transfer/write_question.h"
#include "app/window/qt_translations.h"
#include "window_fixture.h"

namespace wrk7 {
namespace {

using WindowPagesTest = WindowTest;

TEST_F(WindowPagesTest, TheBankPageHoldsTheOthersUntilTheCountsMakeAThousand) {
    ClickTab(Page::kBank);
    TypeCount(0, QStringLiteral("99"));
    ClickTab(Page::kMemory);
    EXPECT_EQ(prompts.boxes.at(0).lines, QStringList{QStringLiteral("Total CH must be 1000")});
    EXPECT_EQ(window->CurrentPage(), Page::kBank);
    // Save warns first, an open of such a file says so once, Write refuses
    // in one box.
    const QString warning = QStringLiteral("The bank table adds up to 999; the receiver takes only 1000.");
    prompts.boxes.clear();
    EXPECT_FALSE(SaveAs("short.WK7"));
    EXPECT_FALSE(QFile::exists(nextFile));
    prompts.answers = {Answer::kOk};
    EXPECT_TRUE(window->Files().SaveAs());
    window->Files().OpenFile(nextFile);
    window->StartTransfer(TransferDirection::kWrite, TransferPart::kMemory);
    QStringList seen;
    for (const auto& box : prompts.boxes) seen << box.kind + ": " + box.lines.join("|") + " " + box.detail;
    EXPECT_EQ(seen, QStringList({"confirm: " + warning + " Save anyway", "confirm: " + warning + " Save anyway",
                                 "warn: " + warning + " ", "error: Total CH must be 1000|" + warning + " "}));
    // Tool > Write > Memory, as the memory page's Write button: the same box, once.
    prompts.boxes.clear();
    Act("mnuWriteMemory")->trigger();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes.at(0).lines, (QStringList{QStringLiteral("Total CH must be 1000"), warning}));
    EXPECT_FALSE(window->Transfers().IsRunning());
    TypeCount(10, QStringLiteral("1"));  // bank 10 takes the missing channel
    ClickTab(Page::kMemory);
    EXPECT_EQ(window->CurrentPage(), Page::kMemory);
    EXPECT_EQ(Memory(*window)->Model()->headerData(999, Qt::Vertical).toString(), "10-000");  // the grid rebuilt
    Doc().Undo();  // 999 channels again: the bank page comes back to the front
    EXPECT_EQ(window->CurrentPage(), Page::kBank);
    EXPECT_EQ(Bank(*window)->TotalLabel()->text(), "999");
}

// What a count box takes, refuses or puts back: CountEntry in tests/edit.
TEST_F(WindowPagesTest, ACountBoxIsLeftOnlyWhenTheFocusMovesWithinTheWindowAndTakesCtrlZOnlyForItsOwnTyping) {
    // With nothing of its own to take back, Ctrl+Z in a box undoes the document's step.
    Put(0, 145.5);
    ClickTab(Page::kBank);
    QLineEdit* box = TypeCount(0, {});
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(1), "");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(1), "145.500000");
    QTest::keyClicks(box, QStringLiteral("5"));  // what the user typed is the box's own to take back
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "100");
    const CloneImage before = Snapshot();
    ClickTab(Page::kMemory);  // leaving the page repaints the grid, writes nothing
    EXPECT_TRUE(Snapshot() == before && Doc().UndoName() == "setup");
    EXPECT_EQ(Cell(1), "145.500000");
    ClickTab(Page::kBank);
    BankPage* bank = Bank(*window);
    box = TypeCount(3, QStringLiteral("600"));  // past 1000 while typed
    auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuView"));
    menu->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->close();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(box->text(), "600");
    bank->CountBox(4)->setFocus(Qt::MouseFocusReason);  // leaving it: refused once, put back
    EXPECT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(box->text(), "100");
    prompts.chosen = {0};  // the move offered, taken: the last bank with channels gives them
    TypeCount(3, QStringLiteral("150"));
    bank->CountBox(4)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(prompts.boxes.back().lines.back(), "Raise bank 3 to 150 and take 50 from bank 9?");
    EXPECT_EQ(std::tuple(box->text(), bank->CountBox(9)->text(), bank->TotalLabel()->text()),
              std::tuple(QStringLiteral("150"), QStringLiteral("50"), QStringLiteral("1000")));
    QTest::keyClick(TypeCount(4, QStringLiteral("50")), Qt::Key_Down);
    EXPECT_EQ(bank->TotalLabel()->text(), "950");
    EXPECT_TRUE(bank->CountBox(5)->hasFocus());
    QTest::keyClick(TypeCount(0, {}), Qt::Key_Up);  // round the fifty boxes
    EXPECT_TRUE(bank->CountBox(49)->hasFocus());
    QTest::keyClick(bank->CountBox(49), Qt::Key_Return);
    EXPECT_TRUE(bank->CountBox(0)->hasFocus());
}

// How a placement off or larger than the screen is fitted: PlaceOnScreens; the
// keys that keep it: Placement in tests/files; the port number a close keeps:
// TransferTest.
TEST_F(WindowPagesTest, AModelButtonAndCloseAskOnlyAboutUnsavedChangesAndCloseKeepsWhereAndHowLargeTheWindowWas) {
    QRadioButton* k7j = Settings(*window)->ModelButton(0);
    Settings(*window)->ModelButton(2)->click();
    EXPECT_TRUE(prompts.boxes.empty());
    Put(5, 145.5);
    for (Answer answer : {Answer::kCancel, Answer::kNo}) {
        prompts.answers = {answer};
        k7j->click();
        // The question; the button; the channel; the mark. Cancelled: the image and its one step stay.
        const bool no = answer == Answer::kNo;
        EXPECT_EQ(std::tuple(prompts.LastTitle(), k7j->isChecked(), Cell(6).isEmpty(), window->isWindowModified()),
                  std::tuple(QStringLiteral("Save Changes"), no, no, !no));
    }
    const QRect screen = window->screen()->availableGeometry();
    const QRect kept(screen.left() + 20, screen.top() + 30, 750, 540);  // the window's own, frame aside
    window->setGeometry(kept);
    nextFile = Path("closing.WK7");
    for (Answer answer : {Answer::kCancel, Answer::kNo, Answer::kYes}) {
        if (!window) window = MakeWindow(Options());
        Put(0, 145.5 + static_cast<int>(answer));
        prompts.answers = {answer};
        EXPECT_EQ(window->close(), answer != Answer::kCancel);
        EXPECT_EQ(prompts.boxes.back().lines, (QStringList{"Save changes to the channels?", "Untitled"}));
        EXPECT_EQ(QFile::exists(nextFile), answer == Answer::kYes);
        if (answer != Answer::kCancel) window.reset();
    }
    window = MakeWindow(Options());
    EXPECT_EQ(window->geometry(), kept);
}

// Each menu's items, as "caption" where the mnemonic is missing or taken twice.
QStringList MnemonicFaults(const QWidget& window) {
    QStringList faults;
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        QSet<QChar> taken;
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator() || a->text().isEmpty()) continue;
            const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
            const QChar key = amp >= 0 && amp + 1 < a->text().size() ? a->text().at(amp + 1).toUpper() : QChar();
            if (key.isNull() || taken.contains(key)) faults << menu->objectName() + ": " + a->text();
            taken.insert(key);
        }
    }
    return faults;
}

TEST_F(WindowPagesTest, JapaneseWindowIsJapaneseThroughout) {
    // The fixture's English window was built before the translation came in.
    const QString englishWrite = WriteQuestion(TransferPart::kAll, {}, 0, window.get()).WriteButton()->text();
    const Translations translations(UiLanguage::kJapanese);  // installed at start-up (main.cpp)
    ASSERT_TRUE(translations.HasProgram());
    auto japanese = MakeWindow(Options(UiLanguage::kJapanese));
    japanese->ClickTab(Page::kMemory);
    japanese->findChild<QAction*>(QStringLiteral("mnuFind"))->trigger();
    Shot("main-japanese.png", japanese.get());
    // A step's name follows the language (the messages' words: SaidTest).
    japanese->ClickTab(Page::kBank);
    TypeCount(0, QStringLiteral("99"), japanese.get());
    japanese->ClickTab(Page::kMemory);  // leaving the box takes its count
    // One caption of each kind: menus from the table, the rest through the translation.
    const std::pair<QString, const char*> shown[] = {
        {japanese->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), "ﾌｧｲﾙ(&F)"},
        {window->findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), "File(&F)"},
        {japanese->findChild<QAction*>(QStringLiteral("mnuUndo"))->text(), "元に戻す(&U) バンク 0 の変更"},
        {Act("mnuUndo")->text(), "&Undo"},
        {englishWrite, "&Write"},
        {japanese->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->tabText(0), "設定 1"},
        {japanese->findChild<QGroupBox*>(QStringLiteral("fraModel"))->title(), "機種"},
        {Memory(*japanese)->Grid()->accessibleName(), "メモリーチャンネル"},
        {ChannelEditor(japanese.get()).findChild<QCheckBox*>(QStringLiteral("chkHold"))->text(), "保持"},
    };
    for (const auto& [shownText, expected] : shown) EXPECT_EQ(shownText.toStdString(), expected);
    EXPECT_EQ(MnemonicFaults(*japanese).join(" | ").toStdString(), "");
    CloseWithoutSaving(*japanese);
}

TEST_F(WindowPagesTest, StartsUntitledOnSettings1AndTheKeyboardAloneReachesEveryControlAndTheFocusShows) {
    EXPECT_EQ(window->windowTitle(), Title("Untitled"));
    EXPECT_EQ(window->CurrentPage(), Page::kSettings1);
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("cbbChargeTime"))->currentText(), "12 hrs.");
    // The first control of the page takes the keys at the start and after every switch.
    EXPECT_TRUE(Settings(*window)->Page1()->isAncestorOf(QApplication::focusWidget()));
    EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange));  // else the style draws no focus frame
    Shot("main-settings1.png", window.get());
    for (Page page : {Page::kSettings2, Page::kBank}) {
        ClickTab(page);
        EXPECT_EQ(window->CurrentPage(), page);
        Shot(page == Page::kBank ? "main-bank.png" : "main-settings2.png", window.get());
    }
    QTableView* grid = Memory(*window)->Grid();
    ClickTab(Page::kMemory);
    EXPECT_EQ(QApplication::focusWidget(), grid);
    // That the grid is one Tab stop: EveryWindowTest.
    // A button that acts on the grid leaves the keys there.
    Memory(*window)->Button("Command4")->click();
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(Memory(*window)->CurrentRow(), 2);
    // Shift+F10 opens the menu of the current row.
    QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuGridContext"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    EXPECT_EQ(Memory(*window)->CurrentRow(), 2);
    EXPECT_EQ(MnemonicFaults(*window).join(" | ").toStdString(), "");  // the Japanese menus: their own test
    // Every way of hiding a bar agrees with the View menu.
    QToolBar* bar = ToolBar(*window);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), bar->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(bar, &rightClick);
    auto* barMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(barMenu, nullptr);
    barMenu->close();
    EXPECT_TRUE(barMenu->actions().contains(Act("mnuToolBar"))) << "the bar's own menu holds View's item";
    window->statusBar()->hide();
    EXPECT_FALSE(Act("mnuStatusBar")->isChecked());
    Act("mnuStatusBar")->trigger();
    EXPECT_TRUE(window->statusBar()->isVisible());
}

TEST(QtTranslationsTest, JapaneseWindowGetsJapaneseStandardButtonsUntilReleased) {
    auto cancel = [] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"), QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&'));
    };
    {
        const Translations english(UiLanguage::kEnglish);
        EXPECT_FALSE(english.HasQt() || english.HasProgram());
        const Translations japanese(UiLanguage::kJapanese);
        ASSERT_TRUE(japanese.HasQt()) << "qtbase_ja.qm not found (qt6-translations-l10n)";
        EXPECT_EQ(cancel(), QString::fromUtf8("キャンセル"));
    }
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

class EditStepsTest : public WindowTest {
protected:
    // Makes the change, then takes it back: one Undo gives back the image.
    void ExpectOneStep(const QString& step, const std::function<void()>& make) {
        SCOPED_TRACE(step.toStdString());
        const CloneImage before = Snapshot();
        make();  // a change that changes nothing leaves no step to name (CloneDocumentTest)
        EXPECT_EQ(Act("mnuUndo")->text(), QStringLiteral("&Undo ") + step);
        Doc().Undo();
        EXPECT_EQ(Snapshot(), before);
    }
    static QVariant Shown(QWidget* control) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->isChecked();
        if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentIndex();
        return qobject_cast<QSlider*>(control)->value();
    }
};

TEST_F(EditStepsTest, EverySettingsControlAndEachOtherKindOfChangeIsOneNamedStepAndShowsItsUndo) {
    int tried = 0;
    for (Page page : {Page::kSettings1, Page::kSettings2}) {
        ClickTab(page);
        QWidget* front = Tabs(*window)->currentWidget();
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
                change = [slider] { slider->setValue((slider->value() + 3) % (slider->maximum() + 1)); };
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
    BankPage* bank = Bank(*window);
    ClickTab(Page::kBank);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"Change Bank 0", [this] { TypeCount(0, QStringLiteral("60")), TypeCount(1, {}); }},  // typed, then left
        {"Link Bank 4", [bank] { bank->LinkBox(4)->click(); }},
        {"Add Bank 3 to GRP2", [bank] { bank->GroupBox(2 * kBanks + 3)->click(); }},
    };
    // What the document makes of a change that changes nothing, or of a drag: CloneDocumentTest;
    // the editor's OK as a step: EditCommandsTest.
    for (const auto& [step, make] : changes) ExpectOneStep(QString::fromLatin1(step), make);
}

}  // namespace
}  // namespace wrk7
