#include "report.h"

#include <array>

namespace termalo::core {
namespace {

struct SlotSource {
    const char* slot;
    const char* window;
    const char* control;
};

// Slot of the report screen <- the control whose text it shows.
constexpr std::array<SlotSource, 29> kSlotSources{{
    {"Label3", "Form1", "Panel4"},     // date of the main window
    {"Label4", "Form2", "Edit1"},      // SanatoriumName
    {"Label5", "Form2", "ComboBox1"},  // MonthName
    {"Label6", "Form2", "ComboBox2"},  // YearText
    {"Label10", "Form4", "Label2"},    // CapacityPlaces
    {"Label11", "Form4", "Label4"},    // CapacityRooms
    {"Label18", "Form4", "Label26"},   // ServiceCapacityCommercial
    {"Label19", "Form4", "Label28"},   // ServiceCapacityContract
    {"Label14", "Form4", "Label13"},   // ServiceCapacityPlaces
    {"Label25", "Form4", "Label32"},   // PlaceUtilisationTotal
    {"Label26", "Form4", "Label36"},   // PlaceUtilisationCommercial
    {"Label27", "Form4", "Label34"},   // PlaceUtilisationContract
    {"Label33", "Form4", "Label38"},   // StayShareCommercial
    {"Label34", "Form4", "Label40"},   // StayShareContract
    {"Label35", "Form4", "Label93"},   // FreePlacesShare
    {"Label37", "Form4", "Label43"},   // RoomUtilisationTotal
    {"Label39", "Form4", "Label47"},   // RoomUtilisation1
    {"Label42", "Form4", "Label48"},   // RoomUtilisation2
    {"Label44", "Form4", "Label50"},   // RoomUtilisation3
    {"Label46", "Form4", "Label46"},   // AvgStayTotal
    {"Label48", "Form4", "Label54"},   // AvgStayContract
    {"Label51", "Form4", "Label56"},   // AvgStayCommercial
    {"Label57", "Form4", "Label74"},   // RevenuePotentialUtilisation
    {"Label58", "Form4", "Label76"},   // RevenueShareCommercial
    {"Label59", "Form4", "Label78"},   // RevenueShareContract
    {"Label64", "Form4", "Label59"},   // RevenuePerPlaceTotal
    {"Label65", "Form4", "Label63"},   // RevenuePerPlaceCommercial
    {"Label66", "Form4", "Label61"},   // RevenuePerPlaceContract
    {"Label68", "Form4", "Label66"},   // RevenuePerAvailablePlaceTotal
}};

std::array<ReportSlot, 29> makeSlots() {
    std::array<ReportSlot, 29> slots;
    for (std::size_t i = 0; i < kSlotSources.size(); ++i) {
        slots[i] = ReportSlot{kSlotSources[i].slot,
                              Target{kSlotSources[i].window, kSlotSources[i].control}};
    }
    return slots;
}

}  // namespace

std::span<const ReportSlot> reportSlots() {
    static const std::array<ReportSlot, 29> slots = makeSlots();
    return slots;
}

std::vector<std::pair<std::string, std::string>> composeReport(
    const std::function<std::string(const Target&)>& lookup) {
    std::vector<std::pair<std::string, std::string>> filled;
    filled.reserve(reportSlots().size());
    for (const ReportSlot& slot : reportSlots()) filled.emplace_back(slot.slot, lookup(slot.source));
    return filled;
}

}  // namespace termalo::core
