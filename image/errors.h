#pragma once
// Failures carry the message the user sees. EAbort is the silent abort: an operation that
// has nothing to do ends with it, and the command dispatcher swallows it.
#include <stdexcept>
#include <string>

namespace pixmo {

class EPixmoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// printf-style message formatting ("Dimensioni non valide: %d x %d").
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

[[noreturn]] void RaiseError(const std::string& message);

}  // namespace pixmo
