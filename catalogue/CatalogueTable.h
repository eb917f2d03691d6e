// A fixed, ordered list of (item text, unit watts) entries behind a model selector.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ampora {

struct CatalogueEntry {
    std::string_view item;  // as the selector shows it
    std::string_view watts; // written into the slot exactly as listed
};

using CatalogueTable = std::span<const CatalogueEntry>;

// Exact, case-sensitive look-up of the selector's whole text.
std::optional<std::string_view> lookUpWatts(CatalogueTable table, std::string_view item);

// The item texts in table order, as the selector lists them.
std::vector<std::string> itemTexts(CatalogueTable table);

// The count items "0", "1", ... "last".
std::vector<std::string> numberedItems(int last);

} // namespace ampora
