#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace ui {

// A run-time error of the program's logic: an overflow, a missing control
// array element, a division by zero. It abandons the event that raised it.
class RunTimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void raise_error(const std::string& what);

// The one place through which every event reaches the program's handlers:
// a run-time error abandons that event and the program goes on.
void dispatch(const std::function<void()>& handler);

// How many run-time errors reached dispatch since start (or the last reset).
int runtime_error_count();
void reset_runtime_error_count();

}  // namespace ui
