#include "catalogue/Drives.h"

namespace ampora {

std::vector<std::string> driveItems(const DriveBay& bay)
{
    std::vector<std::string> items{std::string(bay.heading)};
    for (auto& item : itemTexts(kDrives))
        items.push_back(std::move(item));
    return items;
}

void chooseDrive(Sheet& sheet, const DriveBay& bay, std::string_view item)
{
    if (item == bay.heading)
        sheet.writeLiteral(bay.slot, "0");
    else if (const auto watts = lookUpWatts(kDrives, item))
        sheet.writeLiteral(bay.slot, *watts);
}

} // namespace ampora
