// Slot text as a QString, so tests can compare it with QCOMPARE.
#pragma once

#include "core/Sheet.h"

#include <QString>

inline QString slotText(const ampora::Sheet& sheet, ampora::Slot slot)
{
    const auto text = sheet.text(slot);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
