#include "catalogue/AddInCards.h"

namespace ampora {

void applyAddInCard(Sheet& sheet, const AddInCard& card, bool ticked)
{
    sheet.writeLiteral(card.slot, ticked ? card.tickedWatts : std::string_view("0"));
}

} // namespace ampora
