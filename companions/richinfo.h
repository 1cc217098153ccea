// Common UI library, the rich information window: shows a report text under a caption. Headless it
// keeps what it was asked to show, for tests and the headless renderer; on a desktop it also shows a
// window with the text.
#pragma once

#include "afxwin.h"

class CRichInfoqz {
public:
    CString lastText;     // the text last shown
    CString lastCaption;  // its caption
    bool visible = false;
    int showCount = 0;

    CRichInfoqz();
    ~CRichInfoqz();
    CRichInfoqz(const CRichInfoqz&) = delete;
    CRichInfoqz& operator=(const CRichInfoqz&) = delete;

    // Shows the text with the caption; returns 1.
    int showRichInfo02(CString text, CString caption);
    // Closes the desktop window (visible becomes false).
    void close();

private:
    struct Window;
    Window* window_ = nullptr;
};
