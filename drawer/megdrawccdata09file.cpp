#include "stdafx.h"

#include "megdrawccdata09file.h"

CMEGDrawCCData09File::CMEGDrawCCData09File() = default;

CMEGDrawCCData09File::~CMEGDrawCCData09File() = default;
