#include "faults.h"

#include <algorithm>

namespace cxc::faults::detail {

bool anyArmed = false;

std::vector<std::string>& armedNames()
{
    static std::vector<std::string> names;
    return names;
}

void fire(const char* call)
{
    auto& names = armedNames();
    auto it = std::find(names.begin(), names.end(), call);
    if (it == names.end()) return;
    std::string fired = *it;
    names.erase(it);
    anyArmed = !names.empty();
    throw Injected(fired);
}

}  // namespace cxc::faults::detail
