// The application with its main frame, made in a temporary program folder
// that holds a settings file of an earlier run (so no first-start notice),
// and closed with its windows after each test.
#pragma once

#include "app/kestrel_app.h"
#include "core/stage_state.h"
#include "core/transform_state.h"
#include "platform/system/program_folder.h"
#include "tests/support/image_fixtures.h"
#include "tests/support/pump_until.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class FrameAppTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetProgramFolderForTesting(m_dir.path());
        ASSERT_TRUE(WriteBytes(m_dir.filePath(QStringLiteral("Kestrel.cfg")), "[-Directory-]\n"));
        m_app = std::make_unique<CKestrelApp>();
        ASSERT_TRUE(m_app->InitInstance());
        m_frame = m_app->Frame();
        ASSERT_NE(m_frame, nullptr);
    }
    void TearDown() override
    {
        if (m_frame && m_frame->GetSafeHwnd()) {
            m_frame->SendMessage(WM_CLOSE);
            PumpUntil([&] { return !m_frame->GetSafeHwnd(); }, 2000);
        }
        // Windows closed just before are deleted by posted calls.
        QCoreApplication::sendPostedEvents();
        m_app.reset();
        SetProgramFolderForTesting(QString());
        g_nStageMode = 1;
        ClearTransformState();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CKestrelApp> m_app;
    CMainFrame* m_frame = nullptr;
};
