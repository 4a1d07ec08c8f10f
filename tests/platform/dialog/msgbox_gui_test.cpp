#include "platform/dialog/msgbox.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <thread>

TEST(MessageBox, ButtonSetsAndEscapeAnswers)
{
    struct Case {
        UINT type;
        QList<int> buttons;
        int escape;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONINFORMATION, {IDOK}, IDOK},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, 0},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, 0},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDCANCEL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageBoxButtons(c.type), c.buttons) << c.type;
        EXPECT_EQ(MessageBoxEscapeAnswer(c.type), c.escape) << c.type;
    }
}

TEST(MessageBox, HookRecordsEachBoxAndAnswersFromItsScript)
{
    ScriptedMessageBoxes boxes({IDNO});
    EXPECT_EQ(
        MessageBoxW(nullptr, QStringLiteral("上書きしますか？"), QStringLiteral("Kestrel"), MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox(QStringLiteral("完了"), MB_OKCANCEL), IDOK);  // script used up: first button
    const QList<MessageBoxRequest> requests = boxes.Requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].text, QStringLiteral("上書きしますか？"));
    EXPECT_EQ(requests[0].type, MB_YESNO);
    EXPECT_EQ(requests[1].caption, QStringLiteral("Kestrel"));
}

TEST(MessageBox, WorkerThreadGetsTheAnswerFromTheUiThread)
{
    ScriptedMessageBoxes boxes({IDRETRY});
    std::thread::id answeredOn;
    SetMessageBoxHookForTesting([&](const MessageBoxRequest&) {
        answeredOn = std::this_thread::get_id();
        return IDRETRY;
    });
    int result = 0;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        result = MessageBoxW(nullptr, QStringLiteral("x"), QStringLiteral("y"), MB_RETRYCANCEL);
        done = true;
    });
    // The UI thread keeps its loop running while the worker waits.
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    EXPECT_EQ(result, IDRETRY);
    EXPECT_EQ(answeredOn, std::this_thread::get_id());
    SetMessageBoxHookForTesting({});
}

TEST(MessageBox, RealBoxShowsJapaneseButtonsAndReturnsThePressedOne)
{
    QStringList labels;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        for (QAbstractButton* b : box->buttons())
            labels.append(b->text());
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("いいえ(&N)"))
                b->click();
    });
    EXPECT_EQ(
        MessageBoxW(nullptr, QStringLiteral("保存しますか？"), QStringLiteral("Kestrel"), MB_YESNOCANCEL),
        IDNO);
    EXPECT_EQ(title, QStringLiteral("Kestrel"));
    labels.sort();
    QStringList expected{
        QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"), QStringLiteral("キャンセル")};
    expected.sort();
    EXPECT_EQ(labels, expected);
}

TEST(MessageBox, EscapeClosesAnOkCancelBoxWithCancel)
{
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    EXPECT_EQ(MessageBoxW(nullptr, QStringLiteral("t"), QStringLiteral("c"), MB_OKCANCEL), IDCANCEL);
}
