#pragma once

#include <stdexcept>
#include <string>

// The one exception type of the program. Its message is the exact text the
// user sees in the general error report (UTF-8).
class KorvaneError : public std::runtime_error
{
public:
    explicit KorvaneError(const std::string& message) : std::runtime_error(message) {}
};
