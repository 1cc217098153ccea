// How the facade's layers let go of their dialogs. Internal to the module.
#pragma once

#include <initializer_list>

class CDialog;

namespace cxc::facade {

// Deletes each slot's dialog in the order given (its virtual destructor also destroys a window that
// still exists) and clears the slot.
void deleteInOrder(std::initializer_list<CDialog**> dialogs);

}  // namespace cxc::facade
