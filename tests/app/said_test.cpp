#include <gtest/gtest.h>

#include <QtCore>

#include "app/translation/said.h"

namespace wrk7 {
namespace {

// The template is what is translated; a name the user gave stays as written,
// even when it reads like one of the program's own words.
TEST(SaidTest, TheTemplateIsJapaneseAndTheArgumentsStayAsWritten) {
    const struct { Message message; const char *english, *japanese; } cases[] = {
        {Say(MessageId::kNoChannelRows, "Paste 5.csv"), "No channel rows were found in Paste 5.csv.",
         "Paste 5.csv にチャンネルの行が見つかりませんでした。"},
        {Say(MessageId::kNoChannelRows, "Untitled.csv"), "No channel rows were found in Untitled.csv.",
         "Untitled.csv にチャンネルの行が見つかりませんでした。"},
        {Say(MessageId::kLineWhereWhy, 4, "MEMORY 7", Say(MessageId::kNoSuchChannel, "MEMORY", "Bank Table")),
         "Line 4 (MEMORY 7): MEMORY has no channel \"Bank Table\".",
         "4 行目（MEMORY 7）：MEMORY にチャンネル「Bank Table」はありません。"},
        {SayCount(MessageId::kRowsNotRead, 1), "Its one row could not be read.",
         "ファイルにある 1 行を読み取れませんでした。"},
        {Say(MessageId::kSuccess), "Successed!!", "成功しました。"},
        {Say(MessageId::kLines, Say(MessageId::kNotBackedUp), "Bank Table"),
         "The receiver could not be backed up; nothing was written.\nBank Table",
         "受信機の内容をバックアップできませんでした。何も書き込んでいません。\nBank Table"},
    };
    for (const auto& c : cases) EXPECT_EQ(Said(c.message).toStdString(), c.english);
    QTranslator japanese;
    ASSERT_TRUE(japanese.load(QStringLiteral(":/i18n/wrk7-clone_ja.qm")));
    QCoreApplication::installTranslator(&japanese);
    for (const auto& c : cases) EXPECT_EQ(Said(c.message).toStdString(), c.japanese);
    QCoreApplication::removeTranslator(&japanese);
}

}  // namespace
}  // namespace wrk7
