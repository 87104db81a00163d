#pragma once

#include "target.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace termalo::core {

// One slot of the narrative report: the report screen's label and where its
// text is copied from.
struct ReportSlot {
    const char* slot;  // label of Form5
    Target source;     // e.g. {"Form4", "Label32"}, {"Form2", "Edit1"}, {"Form1", "Panel4"}
};

// The 29 slots in the order they are filled.
std::span<const ReportSlot> reportSlots();

// Fills every slot from lookup(source); returns (slot label, text) pairs in
// slot order. Texts are copied unchanged.
std::vector<std::pair<std::string, std::string>> composeReport(
    const std::function<std::string(const Target&)>& lookup);

}  // namespace termalo::core
