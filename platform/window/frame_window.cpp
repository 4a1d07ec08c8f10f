#include "platform/window/frame_window.h"

#include "platform/app/owner_drawn_menu.h"
#include "platform/window/first_paint_report.h"
#include "platform/window/menu_bar_keys.h"
#include "platform/x11/desktop_services.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kLockIndicatorIntervalMs = 250;

}  // namespace

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::CreateFrame(const QString& title, const RECT& rect)
{
    // The bars exist before WM_CREATE, so that its handler can fill them.
    if (!CreateEx(0, title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, rect,
            nullptr, 0))
        return FALSE;
    ReportFirstPaintWhenAsked(GetWidget());
    return TRUE;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE && !m_main)
        BuildBars();
    // The bars fill the whole window.
    if (message == WM_SIZE && m_main)
        m_main->setGeometry(0, 0, GetWidget()->width(), GetWidget()->height());
    if (message == WM_MOVE)
        lParam = MAKELPARAM(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) + MenuBarHeight());
    // A command from a menu, an accelerator or a key filter (no control
    // window) whose state is disabled is dropped, as its item would be.
    if (message == WM_COMMAND && lParam == 0 && !QueryCommandState(LOWORD(wParam)).enabled)
        return 0;
    return CWnd::WindowProc(message, wParam, lParam);
}

void CFrameWnd::BuildBars()
{
    QWidget* host = GetWidget();
    // A main window is made as a window of its own: turned into a child of
    // the frame's window, it starts out hidden.
    m_main = new QMainWindow(host);
    m_main->setWindowFlags(Qt::Widget);
    m_main->setGeometry(host->rect());
    m_main->show();
    auto* central = new QWidget(m_main);
    central->setAutoFillBackground(false);
    m_main->setCentralWidget(central);
    MenuBarKeys::Attach(m_main->menuBar());

    m_toolbar = new QToolBar(m_main);
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    // The classic height of a toolbar of 16-pixel pictures: the frame's
    // placement rules are measured against it.
    m_toolbar->setFixedHeight(kFrameToolbarHeight);
    m_main->addToolBar(Qt::TopToolBarArea, m_toolbar);
    // Toolbar buttons follow their rules whenever the loop falls idle, as
    // the state they read changes with any message.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_toolbar,
            [this] { UpdateToolbarStates(); });

    QStatusBar* status = m_main->statusBar();
    m_messagePane = new QLabel(status);
    status->addWidget(m_messagePane, 1);
    const char16_t* indicators[4] = {u"ｶﾅ", u"CAP", u"NUM", u"SCRL"};
    for (int i = 0; i < 4; ++i) {
        m_indicators[i] = new QLabel(QString::fromUtf16(indicators[i]), status);
        m_indicators[i]->setFrameShape(QFrame::Panel);
        m_indicators[i]->setFrameShadow(QFrame::Sunken);
        m_indicators[i]->setAlignment(Qt::AlignCenter);
        m_indicators[i]->setMinimumWidth(40);
        m_indicators[i]->setEnabled(false);  // grey while its key is off
        status->addPermanentWidget(m_indicators[i]);
    }
    // The lock keys change in any program: their panes follow on a timer.
    auto* lockWatch = new QTimer(status);
    QObject::connect(lockWatch, &QTimer::timeout, status, [this] { UpdateLockIndicators(); });
    lockWatch->start(kLockIndicatorIntervalMs);
    UpdateLockIndicators();
}

void CFrameWnd::UpdateLockIndicators()
{
    // Pane 1 (kana) has no lock on X11 keyboards and stays grey.
    LockKeyStates locks;
    if (!Desktop().input.ReadLockKeys(locks))
        return;
    m_indicators[1]->setEnabled(locks.capsLock);
    m_indicators[2]->setEnabled(locks.numLock);
    m_indicators[3]->setEnabled(locks.scrollLock);
}

void CFrameWnd::ClearMenuBar()
{
    if (!m_main)
        return;
    m_main->menuBar()->clear();
    for (QMenu* popup : m_popups)
        popup->deleteLater();
    m_popups.clear();
}

int CFrameWnd::AddMenuPopup(const QString& title, int parent)
{
    if (!m_main)
        return -1;
    QWidget* owner = parent >= 0 && parent < MenuPopupCount() ? static_cast<QWidget*>(m_popups[parent])
                                                              : m_main->menuBar();
    auto* popup = new QMenu(title, owner);
    SetMenuOwner(popup, GetSafeHwnd());
    QObject::connect(popup, &QMenu::aboutToShow, popup, [this, popup] { UpdateMenuStates(popup); });
    if (parent >= 0 && parent < MenuPopupCount())
        m_popups[parent]->addMenu(popup);
    else
        m_main->menuBar()->addMenu(popup);
    m_popups.push_back(popup);
    return MenuPopupCount() - 1;
}

int CFrameWnd::AddOwnerDrawnMenuPopup(const QString& title, int parent, UINT id, UINT_PTR data)
{
    const int popup = AddMenuPopup(title, parent);
    if (popup >= 0)
        MarkOwnerDrawn(m_popups[popup]->menuAction(), id, data);
    return popup;
}

void CFrameWnd::AddMenuItem(int popup, UINT id, const QString& text, const QString& prompt)
{
    if (popup < 0 || popup >= MenuPopupCount())
        return;
    QAction* action = m_popups[popup]->addAction(text);
    action->setStatusTip(prompt);
    action->setData(id);
    QObject::connect(action, &QAction::triggered, action, [this, id] { OnMenuCommand(id); });
}

void CFrameWnd::AddOwnerDrawnMenuItem(
    int popup, UINT id, UINT_PTR data, const QString& text, const QString& prompt)
{
    AddMenuItem(popup, id, text, prompt);
    if (popup >= 0 && popup < MenuPopupCount())
        MarkOwnerDrawn(m_popups[popup]->actions().last(), id, data);
}

void CFrameWnd::AddMenuSeparator(int popup)
{
    if (popup >= 0 && popup < MenuPopupCount())
        m_popups[popup]->addSeparator();
}

QStringList CFrameWnd::MenuPopupTexts(int popup) const
{
    QStringList texts;
    if (popup < 0 || popup >= MenuPopupCount())
        return texts;
    for (const QAction* a : m_popups[popup]->actions())
        texts << (a->isSeparator() ? QString() : a->text());
    return texts;
}

void CFrameWnd::ClearToolbar()
{
    if (m_toolbar)
        m_toolbar->clear();
}

void CFrameWnd::SetToolbarIconSide(int side)
{
    if (!m_toolbar)
        return;
    m_toolbar->setIconSize(QSize(side, side));
    m_toolbar->setFixedHeight(kFrameToolbarHeight + side - 16);
}

int CFrameWnd::ToolbarIconSide() const
{
    return m_toolbar ? m_toolbar->iconSize().width() : 0;
}

void CFrameWnd::AddToolbarButton(
    UINT id, const QImage& icon, const QString& toolTip, const QString& prompt, bool checkStyle)
{
    if (!m_toolbar)
        return;
    QAction* action = m_toolbar->addAction(QIcon(QPixmap::fromImage(icon)), toolTip);
    action->setToolTip(toolTip.isEmpty() ? prompt : toolTip);
    action->setStatusTip(prompt);
    // The pressed state of a check-style button follows its command's state,
    // which its command rule sets; a click alone does not latch it.
    action->setProperty("checkStyle", checkStyle);
    action->setData(id);
    QObject::connect(action, &QAction::triggered, action, [this, id] { OnMenuCommand(id); });
}

void CFrameWnd::AddToolbarSeparator()
{
    if (m_toolbar)
        m_toolbar->addSeparator();
}

std::vector<UINT> CFrameWnd::ToolbarCommands() const
{
    std::vector<UINT> ids;
    if (m_toolbar)
        for (const QAction* a : m_toolbar->actions())
            ids.push_back(a->isSeparator() ? 0 : a->data().toUInt());
    return ids;
}

void CFrameWnd::SetMessageText(const QString& text)
{
    if (m_messagePane)
        m_messagePane->setText(text);
}

QString CFrameWnd::GetMessageText() const
{
    return m_messagePane ? m_messagePane->text() : QString();
}

QString CFrameWnd::GetPaneText(int pane) const
{
    if (pane == 0)
        return GetMessageText();
    return pane >= 1 && pane <= 4 && m_indicators[pane - 1] ? m_indicators[pane - 1]->text() : QString();
}

int CFrameWnd::ToolbarHeight() const
{
    return m_toolbar ? m_toolbar->maximumHeight() : 0;
}

int CFrameWnd::StatusBarHeight() const
{
    // Without a status bar the platform's frames count 2.
    return m_main ? m_main->statusBar()->sizeHint().height() : 2;
}

int CFrameWnd::MenuBarHeight() const
{
    return m_main && !m_main->menuBar()->actions().isEmpty() ? m_main->menuBar()->sizeHint().height() : 0;
}

CommandUiState CFrameWnd::QueryCommandState(UINT) const
{
    return {};
}

void CFrameWnd::UpdateCommandStates()
{
    for (QMenu* popup : m_popups)
        UpdateMenuStates(popup);
    UpdateToolbarStates();
}

void CFrameWnd::UpdateMenuStates(QMenu* popup)
{
    for (QAction* a : popup->actions()) {
        if (a->isSeparator() || a->menu())
            continue;
        const CommandUiState state = QueryCommandState(a->data().toUInt());
        a->setEnabled(state.enabled);
        a->setCheckable(state.checked);
        a->setChecked(state.checked);
    }
}

void CFrameWnd::UpdateToolbarStates()
{
    if (!m_toolbar)
        return;
    for (QAction* a : m_toolbar->actions()) {
        if (a->isSeparator())
            continue;
        const CommandUiState state = QueryCommandState(a->data().toUInt());
        a->setEnabled(state.enabled);
        if (a->property("checkStyle").toBool()) {
            a->setCheckable(true);
            a->setChecked(state.checked);
        }
    }
}

QAction* CFrameWnd::FindToolbarAction(UINT id) const
{
    if (m_toolbar)
        for (QAction* a : m_toolbar->actions())
            if (!a->isSeparator() && a->data().toUInt() == id)
                return a;
    return nullptr;
}

bool CFrameWnd::IsMenuItemEnabled(UINT id) const
{
    for (const QMenu* popup : m_popups)
        for (const QAction* a : popup->actions())
            if (!a->isSeparator() && !a->menu() && a->data().toUInt() == id)
                return a->isEnabled();
    return false;
}

bool CFrameWnd::IsToolbarButtonEnabled(UINT id) const
{
    const QAction* a = FindToolbarAction(id);
    return a && a->isEnabled();
}

bool CFrameWnd::IsToolbarButtonChecked(UINT id) const
{
    const QAction* a = FindToolbarAction(id);
    return a && a->isChecked();
}

void CFrameWnd::OnMenuCommand(UINT id)
{
    PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool CFrameWnd::IsFramedByWindowManager() const
{
    const QWidget* w = GetWidget();
    return w && w->frameGeometry() != w->geometry();
}

bool CFrameWnd::AwaitsWindowManagerFrame() const
{
    return GetWidget() && !IsFramedByWindowManager() && Desktop().windows.HasWindowManager();
}
