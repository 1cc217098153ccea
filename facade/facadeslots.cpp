#include "stdafx.h"

#include "facadeslots.h"

namespace cxc::facade {

void deleteInOrder(std::initializer_list<CDialog**> dialogs)
{
    for (CDialog** slot : dialogs) {
        delete *slot;
        *slot = nullptr;
    }
}

}  // namespace cxc::facade
