#pragma once

#include "core/indicator_engine.h"

namespace termalo::testing {

// One April of a sanatorium with 20, 40 and 10 rooms of one, two and three
// places: the month every test, benchmark and screenshot starts from.
inline core::InputTexts workedExample()
{
    core::InputTexts in;
    in.sanatoriumName = "Sanatorium Zdrój";
    in.town = "Krynica";
    in.sanatoriumAddress = "ul. Źródlana 5";
    in.spaCompanyName = "Uzdrowisko Południe S.A.";
    in.rooms1 = "20";
    in.rooms2 = "40";
    in.rooms3 = "10";
    in.avgPricePerPlace = "150";
    in.monthName = "Kwiecień";
    in.yearText = "2009";
    in.contractedNights = "1500";
    in.contractNightsGranted = "1400";
    in.contractGuests = "100";
    in.individualNightsGranted = "1800";
    in.individualGuests = "150";
    in.occupiedDays1 = "450";
    in.occupiedDays2 = "900";
    in.occupiedDays3 = "200";
    in.contractRevenue = "210000";
    in.individualRevenue = "324000";
    return in;
}

}  // namespace termalo::testing
