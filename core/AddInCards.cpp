#include "core/AddInCards.h"

namespace ampora {

const AddInCard* addInCardFor(std::string_view box)
{
    for (const auto& card : kAddInCards)
        if (card.box == box)
            return &card;
    return nullptr;
}

void applyAddInCard(Sheet& sheet, const AddInCard& card, bool ticked)
{
    sheet.writeLiteral(card.slot, ticked ? card.tickedWatts : std::string_view("0"));
}

} // namespace ampora
