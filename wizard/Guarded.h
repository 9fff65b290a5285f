#pragma once

#include <functional>

class Notices;
struct StepResult;

// Runs a command of the window; a database or file failure it throws becomes a notice with its message.
// False when it failed.
// A menu found deleted elsewhere calls onMenuLost after its notice.
bool guarded(Notices &notices, const std::function<void()> &command, const std::function<void()> &onMenuLost = {});

// Shows a failed step's reason as a notice; false when it failed.
bool reported(Notices &notices, const StepResult &result);
