#include "tests/session/ReferenceModel.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <stdexcept>

namespace session {

namespace {

struct Entry {
    const char* item;
    const char* watts;
};

// clang-format off
const std::vector<Entry> kProcessorTable = {
    {"处理器", "0"}, {"Pentium", "17"}, {"Pentium II", "35"}, {"Pentium III Slot 1", "26"},
    {"Pentium III Tualatin", "32"}, {"Pentium III PGA", "27"}, {"Celeron PGA370", "35"},
    {"Celeron PGA478", "62"}, {"Celeron J LGA775", "78"}, {"Pentium 4 PGA423", "65"},
    {"Pentium 4 Willamette", "100"}, {"Pentium 4 Northwood", "64"}, {"Pentium 4 Prescott", "89"},
    {"Pentium 4 3.06Ghz HT", "105"}, {"Pentium 4 Extreme Ed.", "103"},
    {"Pentium 4 520-540 Series", "78"}, {"Pentium 4 550-570 Series", "92"},
    {"Pentium 4 600 系列或以上", "110"}, {"K6", "15"}, {"K6-2", "18"}, {"K6-III", "18"},
    {"Athlon SlotA 500-750Mhz", "35"}, {"Athlon SlotA 800-850Mhz", "45"},
    {"Athlon SlotA 900-950Mhz", "55"}, {"Athlon SlotA 1.0Ghz", "60"},
    {"Athlon T-Bird 650-1000Mhz", "49"}, {"Athlon T-Bird 1.1Ghz", "56"},
    {"Athlon T-Bird 1.2Ghz", "59"}, {"Athlon T-Bird 1.3Ghz", "63"}, {"Athlon T-Bird 1.4Ghz", "65"},
    {"Athlon XP Palomino", "69"}, {"Athlon XP Tbred 1600-1900", "53"},
    {"Athlon XP Tbred 2000-2100", "62"}, {"Athlon XP Tbred 2200-2700", "68"},
    {"Athlon XP Tbred 2800", "74"}, {"Athlon XP Barton 2500", "68"},
    {"Athlon XP Barton 3000", "74"}, {"Athlon XP Barton 3200", "77"},
    {"Athlon MP Palomino", "66"}, {"Athlon MP Tbred or Barton", "60"}, {"Athlon 64", "89"},
    {"Athlon 64 FX53", "89"}, {"Athlon 64 FX55", "104"}, {"Athlon 64 FX57", "104"},
    {"Athlon 64 FX60", "110"}, {"Athlon 64 X2 Toledo", "110"},
    {"Athlon 64 X2 Manchester", "110"}, {"Duron Spitfire", "42"}, {"Duron Morgan", "60"},
    {"Duron Applebred", "57"}, {"Opteron", "85"},
};

const std::vector<Entry> kGraphicsTable = {
    {"显卡", "0"}, {"32M 或以下", "20"}, {"Radeon 7000 Series", "30"},
    {"Radeon 8000 Series", "30"}, {"Radeon 9500 - 9600", "40"}, {"Radeon 9700 - 9800", "54"},
    {"Radeon 9800XT", "68"}, {"Radeon X300 Series", "40"}, {"Radeon X600 Series", "40"},
    {"Radeon X700", "60"}, {"Radeon X700 Pro", "72"}, {"Radeon X800", "56"},
    {"Radeon X800GT", "56"}, {"Radeon X800XL", "46"}, {"Radeon X800 Pro", "56"},
    {"Radeon X800XT", "66"}, {"Radeon X800XT PE", "68"}, {"Radeon X850XT", "71"},
    {"Radeon X850XT PE", "75"}, {"Radeon X1300 Series", "75"}, {"Radeon X1800 Series", "95"},
    {"Radeon X1900 Series", "115"}, {"GeForce 3 Ti", "30"}, {"GeForce 4 MX", "30"},
    {"GeForce 4 Ti", "35"}, {"GeForce FX 5200-5700", "41"}, {"GeForce FX 5800", "50"},
    {"GeForce 5900", "55"}, {"GeForce 5900 Ultra", "62"}, {"GeForce 5950", "60"},
    {"GeForce 5950 Ultra", "79"}, {"GeForce 6200", "65"}, {"GeForce 6600", "67"},
    {"GeForce 6600 GT", "70"}, {"GeForce 6800", "49"}, {"GeForce 6800 GT", "65"},
    {"GeForce 6800 Ultra", "77"}, {"GeForce 7800", "68"}, {"GeForce 7800 GT", "75"},
    {"GeForce 7800 GTX", "80"}, {"Quadro FX 540", "75"}, {"Quadro FX 1400", "73"},
    {"Quadro FX 4000", "91"}, {"Quadro FX 4500", "105"},
};

const std::vector<Entry> kMemoryTable = {
    {"内存", "0"}, {"PC66/100 SDRAM", "7"}, {"PC133/166 SDRAM", "12"}, {"DDR SDRAM", "10"},
    {"DDR2 SDRAM", "7.5"}, {"RAMBUS RDRAM", "10"},
};

// Shared by both drive bays; their headings have no row.
const std::vector<Entry> kDriveTable = {
    {"无", "0"}, {"CD-ROM", "20"}, {"DVD-ROM", "25"}, {"CDRW", "20"}, {"DVD / CDRW", "30"},
    {"DVDRW", "25"},
};

struct CountedRow {
    const char* selector;
    int last;
    const char* slot;
    double wattsEach;
};

const std::vector<CountedRow> kCountedRows = {
    {"Combo9", 12, "FanWatts", 3},        {"Combo10", 12, "CaseLightWatts", 5},
    {"Combo13", 4, "CardReaderWatts", 10}, {"Combo14", 4, "FloppyWatts", 8},
    {"Combo3", 12, "HardDiskWatts", 25},  {"Combo18", 7, "OtherPciWatts", 5},
    {"Combo15", 12, "UsbWatts", 5},       {"Combo16", 12, "FirewireWatts", 8},
};

struct CardBox {
    const char* box;
    const char* slot;
    const char* watts;
};

const std::vector<CardBox> kCardBoxes = {
    {"Check1", "ModemWatts", "4"},     {"Check2", "NetworkCardWatts", "4"},
    {"Check3", "SoundCardWatts", "7"}, {"Check4", "FrontAudioWatts", "11"},
    {"Check5", "ScsiCardWatts", "25"}, {"Check8", "TvTunerWatts", "7"},
    {"Check7", "WaterCoolerWatts", "20"},
};

struct ProductLine {
    const char* model;
    const char* count;
    const char* percentage;
    const std::vector<Entry>* table;
    const char* unitSlot;
    const char* countSlot;
    const char* wattsSlot;
    const char* overclockSlot;
};

const std::vector<ProductLine> kProductLines = {
    {"Combo1", "Combo2", "Combooc", &kProcessorTable,
     "CpuUnitWatts", "CpuCount", "CpuWatts", "CpuOverclockWatts"},
    {"Combo5", "Combo4", "Combo120", &kMemoryTable,
     "RamUnitWatts", "RamCount", "RamWatts", "RamOverclockWatts"},
    {"Combo6", "Combo7", "Combo170", &kGraphicsTable,
     "GpuUnitWatts", "GpuCount", "GpuWatts", "GpuOverclockWatts"},
};

// The order in which Recalculate adds the summed slots.
const std::vector<std::string> kSumOrder = {
    "RamOverclockWatts", "GpuOverclockWatts", "CpuWatts", "RamWatts", "CpuOverclockWatts",
    "WaterCoolerWatts", "GpuWatts", "Optical2Watts", "Optical1Watts", "ModemWatts",
    "NetworkCardWatts", "SoundCardWatts", "FrontAudioWatts", "ScsiCardWatts", "TvTunerWatts",
    "OtherPciWatts", "FanWatts", "CaseLightWatts", "CardReaderWatts", "FloppyWatts",
    "HardDiskWatts", "UsbWatts", "FirewireWatts",
};
// clang-format on

std::vector<std::string> numbers(int last)
{
    std::vector<std::string> items;
    for (int n = 0; n <= last; ++n)
        items.push_back(std::to_string(n));
    return items;
}

std::vector<std::string> itemsOfTable(const std::vector<Entry>& table, const char* heading)
{
    std::vector<std::string> items;
    if (heading)
        items.emplace_back(heading);
    for (const auto& entry : table)
        items.emplace_back(entry.item);
    return items;
}

const std::map<std::string, std::vector<std::string>>& allItems()
{
    static const std::map<std::string, std::vector<std::string>> items = [] {
        std::map<std::string, std::vector<std::string>> all;
        all["Combo1"] = itemsOfTable(kProcessorTable, nullptr);
        all["Combo2"] = {"0", "1", "2", "4", "8"};
        all["Combo5"] = itemsOfTable(kMemoryTable, nullptr);
        all["Combo4"] = numbers(8);
        all["Combo6"] = itemsOfTable(kGraphicsTable, nullptr);
        all["Combo7"] = {"0", "1", "2", "4"};
        all["Combo11"] = itemsOfTable(kDriveTable, "可选件 #1");
        all["Combo8"] = itemsOfTable(kDriveTable, "可选件 #2");
        for (const auto& row : kCountedRows)
            all[row.selector] = numbers(row.last);
        for (const char* percentage : {"Combooc", "Combo120", "Combo170"})
            all[percentage] = numbers(100);
        return all;
    }();
    return items;
}

std::string lookUp(const std::vector<Entry>& table, const std::string& item)
{
    for (const auto& entry : table)
        if (item == entry.item)
            return entry.watts;
    throw std::logic_error("no table row for " + item);
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

} // namespace

std::uint64_t SessionRandom::next()
{
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

const std::vector<std::string>& ReferenceModel::selectorNames()
{
    static const std::vector<std::string> names = {
        "Combo1",  "Combo2",  "Combo5",  "Combo4",   "Combo6",   "Combo7", "Combo11",
        "Combo8",  "Combo9",  "Combo10", "Combo13",  "Combo14",  "Combo3", "Combo18",
        "Combo15", "Combo16", "Combooc", "Combo120", "Combo170",
    };
    return names;
}

const std::vector<std::string>& ReferenceModel::boxNames()
{
    static const std::vector<std::string> names = {"Check1", "Check2", "Check3", "Check4",
                                                   "Check5", "Check8", "Check7", "Check6",
                                                   "Check9", "Check10"};
    return names;
}

const std::vector<std::string>& ReferenceModel::slotRoles()
{
    static const std::vector<std::string> roles = [] {
        std::vector<std::string> all = {"CpuUnitWatts", "CpuCount", "RamUnitWatts", "RamCount",
                                        "GpuUnitWatts", "GpuCount", "GpuTotalWatts"};
        all.insert(all.end(), kSumOrder.begin(), kSumOrder.end());
        return all;
    }();
    return roles;
}

const std::vector<std::string>& ReferenceModel::itemsOf(const std::string& selector)
{
    return allItems().at(selector);
}

ReferenceModel::ReferenceModel()
{
    for (const auto& name : selectorNames())
        selected_[name] = 0;
    for (const auto& name : boxNames())
        ticked_[name] = false;
}

bool ReferenceModel::selectorEnabled(const std::string& selector) const
{
    if (selector == "Combo15")
        return ticked("Check6");
    if (selector == "Combo16")
        return ticked("Check9");
    if (selector == "Combooc" || selector == "Combo120" || selector == "Combo170")
        return ticked("Check10");
    return true;
}

int ReferenceModel::setSelection(const std::string& selector, int index)
{
    int& current = selected_.at(selector);
    if (current == index)
        return 0;
    current = index;
    return 1; // the selector's handler, ending in one recalculation
}

int ReferenceModel::pick(const std::string& selector, int index)
{
    if (!selectorEnabled(selector))
        return 0;
    return setSelection(selector, index);
}

int ReferenceModel::toggle(const std::string& box)
{
    bool& state = ticked_.at(box);
    state = !state;
    // Selecting from code runs the selector's handler once even when the item is unchanged.
    if (box == "Check6") {
        selected_["Combo15"] = 0;
        return 2;
    }
    if (box == "Check9") {
        selected_["Combo16"] = 0;
        return 2;
    }
    if (box == "Check10" && !state) {
        for (const char* percentage : {"Combooc", "Combo120", "Combo170"})
            selected_[percentage] = 0;
        return 4;
    }
    return 1;
}

ExpectedView ReferenceModel::view() const
{
    ExpectedView view;
    auto& texts = view.slotTexts;
    for (const auto& role : slotRoles())
        texts[role] = "0";
    auto itemText = [this](const std::string& selector) {
        return itemsOf(selector).at(static_cast<std::size_t>(selected_.at(selector)));
    };

    for (const auto& line : kProductLines) {
        texts[line.unitSlot] = lookUp(*line.table, itemText(line.model));
        texts[line.countSlot] = itemText(line.count);
        texts[line.wattsSlot] =
            textOf(valueOf(texts[line.unitSlot]) * valueOf(texts[line.countSlot]));
        texts[line.overclockSlot] =
            textOf(valueOf(texts[line.wattsSlot]) * valueOf(itemText(line.percentage)) / 100.0);
    }
    // Picking a bay's heading empties the bay.
    for (const auto& [selector, slot] :
         {std::pair{"Combo11", "Optical1Watts"}, std::pair{"Combo8", "Optical2Watts"}})
        texts[slot] = selected_.at(selector) == 0 ? "0" : lookUp(kDriveTable, itemText(selector));
    for (const auto& row : kCountedRows)
        texts[row.slot] = textOf(valueOf(itemText(row.selector)) * row.wattsEach);
    for (const auto& card : kCardBoxes)
        texts[card.slot] = ticked(card.box) ? card.watts : "0";

    double sum = 0;
    for (const auto& role : kSumOrder)
        sum += valueOf(texts[role]);
    std::string caption = textOf(sum + 35);
    if (ticked("Check6"))
        caption = textOf(valueOf(caption) + 10);
    if (ticked("Check9"))
        caption = textOf(valueOf(caption) + 20);
    caption = textOf(std::floor(valueOf(caption)));
    if (caption == "35")
        caption = "0";
    const double shown = valueOf(caption);
    view.loadBar = shown >= 600   ? Colour{255, 0, 0}
                   : shown >= 500 ? Colour{255, 128, 0}
                   : shown >= 400 ? Colour{255, 255, 0}
                   : shown >= 300 ? Colour{0, 255, 0}
                   : shown >= 200 ? Colour{0, 255, 255}
                                  : Colour{255, 255, 255};
    texts["GpuTotalWatts"] =
        textOf(valueOf(texts["GpuOverclockWatts"]) + valueOf(texts["GpuWatts"]));
    view.recommendation = valueOf(texts["GpuTotalWatts"]) >= 75;
    view.estimate = caption;
    view.shadow = caption;
    return view;
}

std::string ReferenceModel::textOf(double value)
{
    if (value == 0)
        return "0";
    // %.15g rounds to 15 significant digits and drops trailing zeros; it only needs the
    // exponent spelled out, which it uses for very small and very large values.
    char buffer[64];
    const locale_t previous = uselocale(cLocale());
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    uselocale(previous);
    std::string text = buffer;
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;

    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string sign, digits;
    for (char c : text.substr(0, e)) {
        if (c == '-')
            sign = "-";
        else if (c != '.')
            digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (exponent < 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole)
        return sign + digits + std::string(whole - digits.size(), '0');
    return sign + digits.substr(0, whole) + "." + digits.substr(whole);
}

double ReferenceModel::valueOf(const std::string& text)
{
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, cLocale());
    if (end == text.c_str() || *end != '\0')
        throw std::logic_error("not a number: " + text);
    return value;
}

} // namespace session
