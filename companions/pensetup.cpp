#include "pensetup.h"

#include <deque>

#include "cxcplatform.h"

namespace {

std::deque<LOGPEN>& choices()
{
    static std::deque<LOGPEN> queue;
    return queue;
}

// The colours a desktop user steps through, one per use.
constexpr COLORREF kPalette[] = {RGB(0, 0, 0),   RGB(255, 0, 0),   RGB(0, 0, 255),   RGB(0, 160, 0),
                                 RGB(255, 128, 0), RGB(160, 0, 160), RGB(0, 160, 160), RGB(128, 128, 128)};

}  // namespace

void CPenSetupqz::queueChoice(const LOGPEN& choice) { choices().push_back(choice); }
void CPenSetupqz::clearChoices() { choices().clear(); }
int CPenSetupqz::pendingChoices() { return static_cast<int>(choices().size()); }

int CPenSetupqz::setupPen(CPen* pen, CWnd*)
{
    if (!pen) return 0;
    LOGPEN choice;
    if (!choices().empty()) {
        choice = choices().front();
        choices().pop_front();
    } else if (!cxc::platform::isHeadless() && pen->GetSafeHandle()) {
        pen->GetLogPen(&choice);
        size_t next = 0;
        for (size_t k = 0; k < std::size(kPalette); ++k)
            if (kPalette[k] == choice.lopnColor) next = (k + 1) % std::size(kPalette);
        choice.lopnColor = kPalette[next];
    } else {
        return 0;
    }
    if (pen->GetSafeHandle() && !pen->DeleteObject()) return 0;
    return pen->CreatePenIndirect(&choice) ? 1 : 0;
}
