#include "core/Sheet.h"

#include "core/NumberText.h"

namespace ampora {

Sheet::Sheet() { texts_.fill("0"); }

double Sheet::value(Slot slot) const { return parseNumber(text(slot)); }

void Sheet::write(Slot slot, double value)
{
    char buffer[kNumberTextCapacity];
    texts_[index(slot)].assign(buffer, formatNumber(value, buffer));
}

void Sheet::writeLiteral(Slot slot, std::string_view text) { texts_[index(slot)].assign(text); }

} // namespace ampora
