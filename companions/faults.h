// Fault hooks: a named companion call can be armed to throw once, so that tests reach the exception
// handlers of the drawing code. Unarmed, a hook costs one test of a flag. Arming lives in the test kit;
// the companions only fire.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace cxc::faults {

struct Injected : std::runtime_error {
    explicit Injected(const std::string& call) : std::runtime_error("injected fault in " + call) {}
};

namespace detail {
extern bool anyArmed;
// Qualified names ("CMDChannel0SensorInfo::getMEGSensorqz") armed and not yet fired.
std::vector<std::string>& armedNames();
void fire(const char* call);
}  // namespace detail

// Called first thing by every hooked operation.
inline void hook(const char* call)
{
    if (detail::anyArmed) detail::fire(call);
}

}  // namespace cxc::faults
