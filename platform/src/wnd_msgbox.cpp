// Message boxes and the wait cursor.
#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>

#include "wnd_internal.h"

namespace cxc::wnd {

namespace {
constexpr UINT kTypeMask = 0x0F;
constexpr UINT kIconMask = 0xF0;

int defaultAnswer(UINT type)
{
    switch (type & kTypeMask) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
    }
}

int showDesktopBox(const wchar_t* text, const wchar_t* caption, UINT type)
{
    // The icon MFC adds when the caller gives none.
    UINT icon = type & kIconMask;
    if (!icon) {
        const UINT t = type & kTypeMask;
        if (t == MB_OK || t == MB_OKCANCEL) icon = MB_ICONEXCLAMATION;
        else if (t == MB_YESNO || t == MB_YESNOCANCEL) icon = MB_ICONQUESTION;
    }
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    if (icon == MB_ICONERROR) qicon = QMessageBox::Critical;
    else if (icon == MB_ICONQUESTION) qicon = QMessageBox::Question;
    else if (icon == MB_ICONEXCLAMATION) qicon = QMessageBox::Warning;
    else if (icon == MB_ICONINFORMATION) qicon = QMessageBox::Information;

    QString title = caption ? QString::fromWCharArray(caption) : QCoreApplication::applicationName();
    if (title.isEmpty()) title = QStringLiteral("cxcmap");
    QMessageBox box(qicon, title, QString::fromWCharArray(text));
    struct Choice {
        QMessageBox::StandardButton button;
        int id;
    };
    std::vector<Choice> choices;
    switch (type & kTypeMask) {
    case MB_OKCANCEL: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_YESNO: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_YESNOCANCEL:
        choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_RETRYCANCEL: choices = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    default: choices = {{QMessageBox::Ok, IDOK}}; break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice& c : choices) buttons |= c.button;
    box.setStandardButtons(buttons);
    const int pressed = box.exec();
    for (const Choice& c : choices)
        if (pressed == c.button) return c.id;
    // Closed without a button: Cancel when there is one, else the only answer.
    for (const Choice& c : choices)
        if (c.id == IDCANCEL) return IDCANCEL;
    return choices.front().id;
}
}  // namespace

int messageBox(const wchar_t* text, const wchar_t* caption, UINT type)
{
    Core& c = core();
    const std::wstring body = text ? text : L"";
    c.messageLog.push_back({CString(body), type});
    if (headless() || !haveApplication()) return c.messageBoxAnswer;
    // A box raised again while the same one is open (a timer tick or a paint during its own modal
    // loop) is not stacked: the call answers at once.
    const std::wstring key = std::to_wstring(type) + L"\n" + body;
    if (c.openBoxes.count(key)) return defaultAnswer(type);
    c.openBoxes.insert(key);
    int answer = IDOK;
    try {
        answer = showDesktopBox(body.c_str(), caption, type);
    } catch (...) {
        c.openBoxes.erase(key);
        throw;
    }
    c.openBoxes.erase(key);
    return answer;
}

}  // namespace cxc::wnd

int AfxMessageBox(LPCTSTR text, UINT type, UINT) { return cxc::wnd::messageBox(text, nullptr, type); }

int MessageBox(HWND, LPCTSTR text, LPCTSTR caption, UINT type) { return cxc::wnd::messageBox(text, caption, type); }

CWaitCursor::CWaitCursor()
{
    ++cxc::wnd::core().waitDepth;
    if (!cxc::wnd::headless()) QApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor()
{
    --cxc::wnd::core().waitDepth;
    if (!cxc::wnd::headless()) QApplication::restoreOverrideCursor();
}

void CWaitCursor::Restore()
{
    if (!cxc::wnd::headless()) QApplication::changeOverrideCursor(Qt::WaitCursor);
}
