#include "core/copy_messages.h"
#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

TEST(CopyMessages, EachCodeShowsItsTextAndOthersNothing)
{
    ScriptedMessageBoxes boxes;
    for (int code = -1; code <= 4; ++code)
        ShowClipboardCopyMessage(code, nullptr);
    EXPECT_EQ(boxes.Texts(),
        (QStringList{"イメージのコピーに失敗しました。", "クリップボードにイメージをコピーしました。",
            "クリップボードへコピーする為のメモリの確保に失敗しました。",
            "ファイルオープン又はメモリの確保に失敗しました。"}));
    for (const MessageBoxRequest& r : boxes.Requests()) {
        EXPECT_EQ(r.caption, QStringLiteral("Kestrel"));
        EXPECT_EQ(r.type, MB_OK);
    }
}
