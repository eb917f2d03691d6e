#include "core/Recalculate.h"

#include "core/TextForm.h"

#include <cmath>

namespace ampora {

Rgb bandColour(LoadBand band)
{
    switch (band) {
    case LoadBand::White:
        return {255, 255, 255};
    case LoadBand::Cyan:
        return {0, 255, 255};
    case LoadBand::Green:
        return {0, 255, 0};
    case LoadBand::Yellow:
        return {255, 255, 0};
    case LoadBand::Orange:
        return {255, 128, 0};
    case LoadBand::Red:
        return {255, 0, 0};
    }
    return {255, 255, 255};
}

LoadBand loadBandFor(double watts)
{
    // The bands are tested from the lowest limit up and the last one that holds wins.
    LoadBand band = LoadBand::White;
    if (watts >= 200)
        band = LoadBand::Cyan;
    if (watts >= 300)
        band = LoadBand::Green;
    if (watts >= 400)
        band = LoadBand::Yellow;
    if (watts >= 500)
        band = LoadBand::Orange;
    if (watts >= 600)
        band = LoadBand::Red;
    return band;
}

namespace {

// The caption as the label holds it: every step reads it back and writes it anew.
class Caption {
public:
    explicit Caption(double value) { set(value); }
    double value() const { return parseNumber(std::string_view(text_, length_)); }
    void set(double value) { length_ = formatNumber(value, text_); }
    std::string_view text() const { return {text_, length_}; }

private:
    char text_[kTextFormCapacity];
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
    if (caption.text() == "35")
        caption.set(0);

    Estimate estimate{std::string(caption.text()), loadBandFor(caption.value()), false};
    sheet.write(Slot::GpuTotalWatts,
                sheet.value(Slot::GpuOverclockWatts) + sheet.value(Slot::GpuWatts));
    estimate.dualRailRecommended =
        sheet.value(Slot::GpuTotalWatts) >= kRecommendationThresholdWatts;
    return estimate;
}

} // namespace ampora
