#pragma once
// Plain value types the platform services trade in. They live at the bottom of the tree so
// that a service interface never depends on the forms runtime built above it.
#include <cstdint>

namespace platform {

// Opaque native window handle; 0 when the object has no window.
using WindowHandle = std::uintptr_t;

// Integer rectangle in pixels, right and bottom exclusive (the GDI convention).
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

}  // namespace platform
