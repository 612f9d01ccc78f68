// Qt's own texts follow the language of the captions.
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

#include "app/qt_translations.h"

namespace wrk7 {
namespace {

QString CancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
}

TEST(QtTranslationsTest, JapaneseCaptionsGiveJapaneseStandardButtonsUntilReleased) {
    {
        const auto translator = InstallQtTranslations(UiLanguage::kJapanese);
        ASSERT_NE(translator, nullptr) << "qtbase_ja.qm not found (qt6-translations-l10n)";
        EXPECT_EQ(CancelText(), QString::fromUtf8("キャンセル"));
        QMessageBox question(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(question.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
                  QString::fromUtf8("キャンセル"));
        EXPECT_NE(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Yes"));
    }
    EXPECT_EQ(CancelText(), QStringLiteral("Cancel"));
}

TEST(QtTranslationsTest, EnglishCaptionsLeaveQtInEnglish) {
    EXPECT_EQ(InstallQtTranslations(UiLanguage::kEnglish), nullptr);
    EXPECT_EQ(CancelText(), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace wrk7
