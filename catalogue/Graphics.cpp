#include "catalogue/Graphics.h"

namespace ampora
{

// Entry 0 is the selector's heading; it counts as no card.
const std::array<CatalogueEntry, 44> kGraphicsCards{{
    {"显卡", "0"},
    {"32M 或以下", "20"},
    {"Radeon 7000 Series", "30"},
    {"Radeon 8000 Series", "30"},
    {"Radeon 9500 - 9600", "40"},
    {"Radeon 9700 - 9800", "54"},
    {"Radeon 9800XT", "68"},
    {"Radeon X300 Series", "40"},
    {"Radeon X600 Series", "40"},
    {"Radeon X700", "60"},
    {"Radeon X700 Pro", "72"},
    {"Radeon X800", "56"},
    {"Radeon X800GT", "56"},
    {"Radeon X800XL", "46"},
    {"Radeon X800 Pro", "56"},
    {"Radeon X800XT", "66"},
    {"Radeon X800XT PE", "68"},
    {"Radeon X850XT", "71"},
    {"Radeon X850XT PE", "75"},
    {"Radeon X1300 Series", "75"},
    {"Radeon X1800 Series", "95"},
    {"Radeon X1900 Series", "115"},
    {"GeForce 3 Ti", "30"},
    {"GeForce 4 MX", "30"},
    {"GeForce 4 Ti", "35"},
    {"GeForce FX 5200-5700", "41"},
    {"GeForce FX 5800", "50"},
    {"GeForce 5900", "55"},
    {"GeForce 5900 Ultra", "62"},
    {"GeForce 5950", "60"},
    {"GeForce 5950 Ultra", "79"},
    {"GeForce 6200", "65"},
    {"GeForce 6600", "67"},
    {"GeForce 6600 GT", "70"},
    {"GeForce 6800", "49"},
    {"GeForce 6800 GT", "65"},
    {"GeForce 6800 Ultra", "77"},
    {"GeForce 7800", "68"},
    {"GeForce 7800 GT", "75"},
    {"GeForce 7800 GTX", "80"},
    {"Quadro FX 540", "75"},
    {"Quadro FX 1400", "73"},
    {"Quadro FX 4000", "91"},
    {"Quadro FX 4500", "105"},
}};

} // namespace ampora
