#include "catalogue/CountedDevices.h"

#include "core/TextForm.h"

namespace ampora {

const CountedDevice* countedDeviceFor(std::string_view selector)
{
    for (const auto& device : kCountedDevices)
        if (device.selector == selector)
            return &device;
    return nullptr;
}

void writeDeviceCount(Sheet& sheet, const CountedDevice& device, std::string_view count)
{
    sheet.write(device.slot, parseNumber(count) * device.wattsPerDevice);
}

} // namespace ampora
