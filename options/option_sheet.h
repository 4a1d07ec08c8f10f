// An option sheet: a modal dialog with a tab strip and one child page per
// tab. The sheet fills the pages' working copies from the settings when it
// opens and writes them back only on OK; Cancel keeps the settings as they
// were. The tab strip's items all have one width; the pages stand below it,
// all with the first page's size, and only the selected one shows.
#pragma once

#include "options/option_page.h"

#include <QString>
#include <vector>

class COptionSheet : public CDialog {
public:
    // The tab shown, or -1 when none is.
    int ShownTab() const;
    COptionPage* Page(int tab) const;
    int PageCount() const { return static_cast<int>(m_tabs.size()); }

protected:
    explicit COptionSheet(const DialogTemplate* dialogTemplate);

    // Pages in tab order, added by the derived sheet's constructor; the sheet
    // does not own them.
    void AddPage(const QString& text, COptionPage* page);
    // The tab to show at opening (a tab that does not exist shows no page).
    virtual int InitialTab() const { return 0; }
    // A tab chosen by the user.
    virtual void OnTabChosen(int /*tab*/) { }

    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;
    void OnDestroy() override;

private:
    struct Tab {
        QString text;
        COptionPage* page;
    };
    std::vector<Tab> m_tabs;

    void ShowPage(int tab);
};

// Where the pages stand in the sheet's client area, and the tabs' width.
inline constexpr int kOptionPageLeft = 15;
inline constexpr int kOptionPageTop = 35;
inline constexpr int kOptionTabWidth = 85;
