#include "faults.h"

#include <algorithm>
#include <vector>

namespace cxc::faults {
namespace {
std::vector<std::string>& armedNames()
{
    static std::vector<std::string> names;
    return names;
}
}  // namespace

namespace detail {
bool anyArmed = false;

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
}  // namespace detail

void armOnce(const std::string& call)
{
    armedNames().push_back(call);
    detail::anyArmed = true;
}

void disarmAll()
{
    armedNames().clear();
    detail::anyArmed = false;
}

int armedCount() { return static_cast<int>(armedNames().size()); }

}  // namespace cxc::faults
