// A frame's menu bar reached by keys alone: a lone Alt or F10 selects it, the
// arrows and Enter work there, Esc or the same key leaves, and Alt used as a
// modifier leaves the bar alone.
#include "platform/window/frame_window.h"
#include "tests/support/synthetic_input.h"

#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <functional>

namespace {

class MenuFrame : public CFrameWnd {
public:
    int OnCreate() override
    {
        const int file = AddMenuPopup(QStringLiteral("File"));
        AddMenuItem(file, 40001, QStringLiteral("Open"), QString());
        const int view = AddMenuPopup(QStringLiteral("View"));
        AddMenuItem(view, 40002, QStringLiteral("Zoom"), QString());
        return 0;
    }
};

void SendKey(QWidget* w, QEvent::Type type, int key, Qt::KeyboardModifiers mods)
{
    QKeyEvent e(type, key, mods);
    e.setTimestamp(NextInputTimestamp());
    QApplication::sendEvent(w, &e);
}

// As X11 reports a lone Alt: the state before the press is without Alt, the
// state before the release with it (the events show the modifier flipped).
void AltClick(QWidget* w)
{
    SendKey(w, QEvent::KeyPress, Qt::Key_Alt, Qt::NoModifier);
    SendKey(w, QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
}

void F10Click(QWidget* w)
{
    KeyClick(w, Qt::Key_F10);
}

class MenuBarKeysGui : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame(QStringLiteral("frame"), RECT{0, 0, 400, 300}));
        m_frame.ShowWindow(SW_SHOW);
        m_window = m_frame.GetWidget();
        m_bar = m_window->findChild<QMenuBar*>();
        ASSERT_NE(m_bar, nullptr);
        ASSERT_EQ(m_bar->actions().size(), 2);
        ASSERT_EQ(m_bar->activeAction(), nullptr);
    }

    QString Active() const { return m_bar->activeAction() ? m_bar->activeAction()->text() : QString(); }

    MenuFrame m_frame;
    QWidget* m_window = nullptr;
    QMenuBar* m_bar = nullptr;
};

struct SelectingKey {
    const char* name;
    std::function<void(QWidget*)> press;
};

TEST_F(MenuBarKeysGui, ALoneAltOrF10SelectsTheFirstMenuAndEscOrTheSameKeyLeaves)
{
    const SelectingKey keys[] = {{"Alt", AltClick}, {"F10", F10Click}};
    for (const SelectingKey& key : keys) {
        SCOPED_TRACE(key.name);
        key.press(m_window);
        EXPECT_EQ(Active(), QStringLiteral("File"));
        EXPECT_FALSE(m_bar->actions().first()->menu()->isVisible()) << "selected, not opened";
        KeyClick(m_bar, Qt::Key_Escape);
        EXPECT_EQ(m_bar->activeAction(), nullptr);

        key.press(m_window);
        EXPECT_EQ(Active(), QStringLiteral("File"));
        key.press(m_bar);
        EXPECT_EQ(m_bar->activeAction(), nullptr);
    }
}

TEST_F(MenuBarKeysGui, ArrowsMoveAlongTheBarAndDownOpensTheMenu)
{
    AltClick(m_window);
    KeyClick(m_bar, Qt::Key_Right);
    EXPECT_EQ(Active(), QStringLiteral("View"));
    KeyClick(m_bar, Qt::Key_Left);
    EXPECT_EQ(Active(), QStringLiteral("File"));
    KeyClick(m_bar, Qt::Key_Down);
    QMenu* file = m_bar->actions().first()->menu();
    EXPECT_TRUE(file->isVisible());
    file->hide();
}

TEST_F(MenuBarKeysGui, AltUsedAsAModifierLeavesTheBarAlone)
{
    // Alt+Backspace.
    SendKey(m_window, QEvent::KeyPress, Qt::Key_Alt, Qt::NoModifier);
    SendKey(m_window, QEvent::KeyPress, Qt::Key_Backspace, Qt::AltModifier);
    SendKey(m_window, QEvent::KeyRelease, Qt::Key_Backspace, Qt::AltModifier);
    SendKey(m_window, QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(m_bar->activeAction(), nullptr);

    // Alt+drag.
    SendKey(m_window, QEvent::KeyPress, Qt::Key_Alt, Qt::NoModifier);
    SendMouse(m_window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::AltModifier,
        QPoint(200, 150));
    SendMouse(m_window, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::AltModifier, QPoint(220, 160));
    SendMouse(m_window, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::AltModifier,
        QPoint(220, 160));
    SendKey(m_window, QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(m_bar->activeAction(), nullptr);

    // Ctrl+Alt, and F10 with a modifier (Shift+F10 asks for a context menu).
    SendKey(m_window, QEvent::KeyPress, Qt::Key_Alt, Qt::ControlModifier);
    SendKey(m_window, QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier | Qt::ControlModifier);
    KeyClick(m_window, Qt::Key_F10, QString(), Qt::ShiftModifier);
    EXPECT_EQ(m_bar->activeAction(), nullptr);

    // And a lone Alt after all that still selects the bar.
    AltClick(m_window);
    EXPECT_EQ(Active(), QStringLiteral("File"));
}

TEST_F(MenuBarKeysGui, KeysOfAnotherWindowDoNotReachTheBar)
{
    QWidget other;
    other.show();
    AltClick(&other);
    F10Click(&other);
    EXPECT_EQ(m_bar->activeAction(), nullptr);
}

}  // namespace
