#pragma once

#include <string>

namespace termalo::core {

// A control of a window, by their documented names: {"Form4", "Label32"}.
struct Target {
    std::string window;
    std::string control;

    friend bool operator==(const Target&, const Target&) = default;
};

}  // namespace termalo::core
