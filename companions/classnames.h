// Names of the three coupling classes as users read them, and the caption a class's data carry.
#pragma once

#include "afxstr.h"

namespace cxc {

// "Active", "Control", "Act-Ctl"; empty for another index.
inline const wchar_t* className(int cls)
{
    static const wchar_t* const names[] = {L"Active", L"Control", L"Act-Ctl"};
    return cls >= 0 && cls < 3 ? names[cls] : L"";
}

// Keys of the classes in a data folder: "active", "control", "result".
inline const char* classKey(int cls)
{
    static const char* const keys[] = {"active", "control", "result"};
    return cls >= 0 && cls < 3 ? keys[cls] : "";
}

// "demo trial01: Active" (caption of the graph report's information window).
inline CString classCaption(const CString& session, const CString& trial, int cls)
{
    return session + L" " + trial + L": " + className(cls);
}

}  // namespace cxc
