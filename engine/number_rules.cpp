#include <mezzurix/number_rules.h>

namespace mezzurix {

std::optional<double> readLeadingNumber(std::string_view) { return 0.0; }
std::string formatFixed(double, int, const NumberFormat&) { return {}; }
std::optional<double> readWholeNumber(std::string_view, const NumberFormat&) { return std::nullopt; }
std::string formatGeneral(double, const NumberFormat&) { return {}; }

} // namespace mezzurix
