#include "stdafx.h"

#include "modulebase.h"

namespace {

CString& lastErrorText()
{
    static CString text;
    return text;
}

unsigned long told = 0;

}  // namespace

namespace cxc {

int tellUser(const wchar_t* text)
{
    lastErrorText() = text;
    ++told;
    return AfxMessageBox(text);
}

unsigned long toldCount() { return told; }

CString lastError() { return lastErrorText(); }

void setLastError(const CString& text) { lastErrorText() = text; }

void clearLastError() { lastErrorText().Empty(); }

}  // namespace cxc
