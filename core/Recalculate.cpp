#include "core/Recalculate.h"

#include "core/NumberText.h"

#include <cmath>

namespace ampora {

Rgb loadBarColour(double watts)
{
    Rgb colour = kLoadBands.front().colour;
    for (const LoadBand& band : kLoadBands)
        if (watts >= band.fromWatts)
            colour = band.colour;
    return colour;
}

namespace {

// The caption as the label holds it: every step reads it back and writes it anew.
class Caption {
public:
    explicit Caption(double value) { set(value); }
    double value() const { return parseNumber(text()); }
    void set(double value) { length_ = formatNumber(value, text_); }
    std::string_view text() const { return {text_, length_}; }

private:
    char text_[kNumberTextCapacity];
    std::size_t length_ = 0;
};

} // namespace

Estimate recalculate(Sheet& sheet, bool usbSwitchTicked, bool firewireSwitchTicked)
{
    double sum = 0;
    for (Slot slot : kSummationOrder)
        sum += sheet.value(slot);
    Caption caption(sum + kBaseAllowanceWatts);
    if (usbSwitchTicked)
        caption.set(caption.value() + kUsbAllowanceWatts);
    if (firewireSwitchTicked)
        caption.set(caption.value() + kFirewireAllowanceWatts);
    caption.set(std::floor(caption.value()));
    // An empty machine draws only the base allowance, and shows 0 rather than 35.
    if (caption.value() == kBaseAllowanceWatts)
        caption.set(0);

    sheet.write(Slot::GpuTotalWatts,
                sheet.value(Slot::GpuOverclockWatts) + sheet.value(Slot::GpuWatts));
    return {std::string(caption.text()), loadBarColour(caption.value()),
            sheet.value(Slot::GpuTotalWatts) >= kRecommendationThresholdWatts};
}

} // namespace ampora
