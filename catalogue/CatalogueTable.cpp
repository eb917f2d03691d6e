#include "catalogue/CatalogueTable.h"

namespace ampora {

std::optional<std::string_view> lookUpWatts(CatalogueTable table, std::string_view item)
{
    for (const auto& entry : table)
        if (entry.item == item)
            return entry.watts;
    return std::nullopt;
}

std::vector<std::string> itemTexts(CatalogueTable table)
{
    std::vector<std::string> items;
    items.reserve(table.size());
    for (const auto& entry : table)
        items.emplace_back(entry.item);
    return items;
}

std::vector<std::string> numberedItems(int last)
{
    std::vector<std::string> items;
    for (int count = 0; count <= last; ++count)
        items.push_back(std::to_string(count));
    return items;
}

} // namespace ampora
