#include "catalogue/CountedDevices.h"

#include "core/NumberText.h"

namespace ampora {

void writeDeviceCount(Sheet& sheet, const CountedDevice& devices, std::string_view count)
{
    sheet.write(devices.slot, parseNumber(count) * devices.wattsPerDevice);
}

} // namespace ampora
