// Common UI library, the pen set-up: replaces a pen by the user's choice. Headless (tests, the
// headless renderer) the choices come from a queue that the caller fills; on a desktop, where the
// platform has no modal dialog yet, each use steps the pen's colour through a fixed palette.
#pragma once

#include "afxwin.h"

class CPenSetupqz {
public:
    // With a choice, deletes the pen and makes it again from the choice; 1. Without one (the user
    // cancelled), or when the pen cannot be replaced (null, or still selected into a DC), 0 and the
    // pen stays as it was.
    int setupPen(CPen* pen, CWnd* owner);

    // The scripted answers of headless use, taken first in first out.
    static void queueChoice(const LOGPEN& choice);
    static void clearChoices();
    static int pendingChoices();
};
