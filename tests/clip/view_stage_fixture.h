// A view stage on a known screen: fixed frame figures and stage area, the
// settings' defaults, a recording frame window and an optional recording
// control panel, and image files written by the test.
#pragma once

#include "clip/view_stage.h"
#include "core/app_state.h"
#include "core/settings/app_settings.h"
#include "core/settings/settings_keys.h"
#include "core/shared_paths.h"
#include "core/stage_area.h"
#include "core/stage_state.h"
#include "core/system_figures.h"
#include "imaging/image_messages.h"
#include "tests/support/display_figures.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"

#include <QImage>
#include <QList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A window that keeps the private messages and commands it receives.
class RecordingWindow : public CWnd {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    QList<Message> received;

    bool Make() { return CreateEx(0, QStringLiteral("recorder"), WS_POPUP, RECT{0, 0, 120, 80}, nullptr, 0); }
    int Count(UINT message) const
    {
        int n = 0;
        for (const Message& m : received)
            n += m.message == message ? 1 : 0;
        return n;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER || message == WM_COMMAND)
            received.append(Message{message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The frame's answers: which of the program's windows exist.
class StageWindows : public AppStateSource {
public:
    HWND panel = nullptr;
    BYTE StageMode() const override { return static_cast<BYTE>(g_nStageMode); }
    HWND Window(AppWindow w) const override { return w == AppWindow::ControlPanel ? panel : nullptr; }
};

class ViewStageTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_metrics = g_ScreenMetrics;
        m_area = g_rcStageArea;
        m_settings = AppSettings;
        g_ScreenMetrics = FullHdScreenMetrics();
        g_fDpiScaleX = g_fDpiScaleY = 1.0f;
        g_rcStageArea = RECT{0, 100, 1920, 1040};
        ApplyAllSettingDefaults(AppSettings, dir.path() + QStringLiteral("/"), SIZE{1920, 1080});
        AppSettings.FolderHistory = 0;
        g_bShowImageErrors = 1;
        g_nStageMode = kStageModeNormal;
        g_szCaptureTitle.clear();
        ASSERT_TRUE(frame.Make());
        SetAppStateSource(&windows);
        ASSERT_TRUE(stage.Create(&frame));
    }
    void TearDown() override
    {
        stage.DestroyWindow();
        SetAppStateSource(nullptr);
        frame.DestroyWindow();
        panel.DestroyWindow();
        g_ScreenMetrics = m_metrics;
        g_rcStageArea = m_area;
        AppSettings = m_settings;
    }

    // Makes the recording control panel exist.
    void OpenPanel()
    {
        ASSERT_TRUE(panel.Make());
        windows.panel = panel.GetSafeHwnd();
    }

    QString Write(const QString& name, const QImage& image)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QString WriteBytes(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString Field(int id)
    {
        QString text;
        stage.GetDlgItemText(id, text);
        return text;
    }
    bool OneToOneEnabled() { return stage.GetDlgItem(IDC_STAGE_ONE_TO_ONE)->IsWindowEnabled(); }
    // The surface control's picture; the view starts 1 pixel inside it.
    QImage Surface() { return *stage.GetDlgItem(IDC_STAGE_SURFACE)->GetSurface(); }
    QRgb ViewPixel(int x, int y) { return Surface().pixel(x + 1, y + 1) & 0xFFFFFF; }
    SIZE ViewSize()
    {
        const RECT v = stage.ViewRectangle();
        return SIZE{v.right - v.left, v.bottom - v.top};
    }
    SIZE StageSize()
    {
        RECT r;
        stage.GetWindowRect(&r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }

    QTemporaryDir dir;
    RecordingWindow frame;
    RecordingWindow panel;
    StageWindows windows;
    CDlgViewStage stage;

private:
    ScreenMetrics m_metrics;
    RECT m_area{};
    AppSettingsRecord m_settings;
};
