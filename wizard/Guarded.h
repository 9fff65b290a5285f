#pragma once

#include <functional>

class Notices;

// Runs a command of the window; a database or file failure it throws becomes a notice with its message.
// False when it failed.
bool guarded(Notices &notices, const std::function<void()> &command);
