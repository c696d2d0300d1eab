#include <mezzurix/catalogue.h>

namespace mezzurix {

std::span<const Category> categories() { return {}; }

std::string pairCode(int fromCode, int toCode)
{
    return std::to_string(fromCode) + std::to_string(toCode);
}

} // namespace mezzurix
