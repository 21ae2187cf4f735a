#pragma once
// How the widget shows a traffic figure in its narrow label: the figure keeps
// its value (kilobits per second) but is rounded to fewer decimals as it grows,
// and very large values take a k, M or G suffix, so that at most five
// characters are ever shown and no digit is cut off (at 10 Gbit/s a figure has
// seven digits).
#include <string>
#include <string_view>

namespace sparvane::shell {

// The shown form of a value.
[[nodiscard]] std::string compactFigure(double value, std::string_view decimal);

}  // namespace sparvane::shell
