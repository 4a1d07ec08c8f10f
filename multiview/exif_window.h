// The EXIF information window (template 307): a tool window of the multi
// view that lists one JPEG file's EXIF data as text, the file name and then
// one line per tag chosen in the EXIF display settings. It sizes itself to
// the text, docks beside the main frame the first time it is sized (unless
// the display settings remember its place) and follows the file the multi
// view asks for (WM_EXIFVIEW_SHOW). Closing it tells the multi-view panel
// (WM_MULTICTL_RESET_EXIF_BUTTON) and the frame (WM_FRAME_CLOSE_EXIFVIEW);
// its destruction tells the frame (WM_FRAME_EXIFVIEW_DESTROYED).
#pragma once

#include "core/exif_view_messages.h"
#include "platform/controls/controls.h"
#include "platform/dialog/dialog.h"
#include "res/dialog_307_exif_info.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class CPresetFont;

// The text shown when a file has nothing to list.
inline constexpr char16_t kExifNoInformation[] = u" \r\n     表示できる情報がありません。    ";

class CDlgViewExifInfo : public CDialog {
public:
    enum { IDD = IDD_EXIF_INFO };

    // The frame's part in docking: it keeps its rectangle `before` for the
    // window's end, then moves to `after` and lays itself out.
    using NarrowFrame = std::function<void(const RECT& before, const RECT& after)>;

    explicit CDlgViewExifInfo(CWnd* parent = nullptr, NarrowFrame narrowFrame = {});
    ~CDlgViewExifInfo() override;

    BOOL Create(CWnd* parent);
    BOOL DestroyWindow() override;

    // The file shown last, and the text the list holds now.
    const QString& Path() const { return m_path; }
    QString Text() const;
    bool ScrollBarShown() const { return m_scrollBarShown; }

    // The screen the window sizes and docks on, and the width the frame keeps
    // at least; the screen's own size unless a test sets them.
    void SetScreenForTesting(SIZE screen) { m_screenOverride = screen; }
    // The settings dialog of the EXIF display is open: the stage is then not raised.
    void SetSettingsDialogQuery(std::function<bool()> open) { m_settingsOpen = std::move(open); }

    // The remembered place outlives the window for the rest of the run.
    static RECT RememberedRect();
    static void ForgetRememberedRectForTesting();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnMove(int x, int y) override;
    void OnShowWindow(BOOL show, UINT status) override;

private:
    LRESULT ShowExif(const QString& path);
    void CreateListFont(int height);
    // The lines the display settings choose for a file; empty when none.
    static QStringList ReadLines(const QString& path);
    SIZE MeasureLines(CDC& dc, const QString& fileName, const QStringList& lines) const;
    void ApplySize(int width, int height);
    void DockBesideFrame();
    void RaiseOverStage();
    void CloseByUser();
    SIZE Screen() const;

    NarrowFrame m_narrowFrame;
    std::function<bool()> m_settingsOpen;
    CEdit m_edit;
    std::unique_ptr<CPresetFont> m_listFont;
    QString m_path;
    RECT m_rcWindow{};
    RECT m_rcEdit{};
    int m_widthMargin = 0;
    int m_heightMargin = 0;
    int m_sized = 0;
    int m_tracking = 1;
    bool m_scrollBarShown = false;
    bool m_closing = false;
    SIZE m_screenOverride{};
};
