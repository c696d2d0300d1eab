#include <mezzurix/conversion_table.h>

namespace mezzurix {

std::span<const Entry> conversionTable() { return {}; }
const Entry* findEntry(std::string_view) { return nullptr; }

} // namespace mezzurix
