// The two optional drive bays, which share one drive table.
#pragma once

#include "catalogue/CatalogueTable.h"
#include "core/Sheet.h"

#include <array>
#include <string>
#include <vector>

namespace ampora {

inline constexpr std::array<CatalogueEntry, 6> kDrives{{
    {"无", "0"},
    {"CD-ROM", "20"},
    {"DVD-ROM", "25"},
    {"CDRW", "20"},
    {"DVD / CDRW", "30"},
    {"DVDRW", "25"},
}};

struct DriveBay {
    std::string_view heading; // first item, naming the bay rather than a drive
    Slot slot;
};

inline constexpr DriveBay kDriveBay1{"可选件 #1", Slot::Optical1Watts};
inline constexpr DriveBay kDriveBay2{"可选件 #2", Slot::Optical2Watts};

// The bay's heading followed by the drive table.
std::vector<std::string> driveItems(const DriveBay& bay);

// Writes the picked drive's watts. Picking the heading again empties the bay, so that the
// estimate never keeps the watts of a drive the selector no longer shows.
void chooseDrive(Sheet& sheet, const DriveBay& bay, std::string_view item);

} // namespace ampora
