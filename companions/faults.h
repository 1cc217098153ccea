// Fault hooks: a named companion call can be armed to throw once, so that tests reach the exception
// handlers of the drawing code. Unarmed, a hook costs one test of a flag.
#pragma once

#include <stdexcept>
#include <string>

namespace cxc::faults {

// The next call of the operation with this qualified name ("CMDChannel0SensorInfo::getMEGSensorqz")
// throws cxc::faults::Injected; later calls behave normally again.
void armOnce(const std::string& call);
void disarmAll();
// Names armed and not yet fired.
int armedCount();

struct Injected : std::runtime_error {
    explicit Injected(const std::string& call) : std::runtime_error("injected fault in " + call) {}
};

namespace detail {
extern bool anyArmed;
void fire(const char* call);
}  // namespace detail

// Called first thing by every hooked operation.
inline void hook(const char* call)
{
    if (detail::anyArmed) detail::fire(call);
}

}  // namespace cxc::faults
