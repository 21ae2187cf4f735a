#pragma once
// Turns a RegionPlan into one region, step by step, through whatever region calls the
// window system has. A refused step costs only its own piece: a rectangle that cannot be
// made or added is left out, and when the frame part (outer minus inner) cannot be made
// the controls still are. Giving up on the first refusal would leave a window that covers
// the whole screen without any region, the desktop under it unreachable.
#include <cstddef>
#include <optional>
#include <type_traits>
#include <utility>

#include "platform/window_manager.h"

namespace platform {

// What an assembly kept and left out.
struct RegionAssembly {
    bool framePart = false;  // outer minus inner is in the region
    std::size_t rectanglesAdded = 0;
    std::size_t rectanglesSkipped = 0;
};

// Ops must provide, with Region a type that owns one region (movable, frees it when it dies
// unless released):
//   std::optional<Region> rect(const PixelRect&)   CreateRectRgn
//   bool difference(Region& into, const Region& a, const Region& b)   into = a - b
//   bool add(Region& into, const Region& piece)   into = into | piece
// Returns the region (nullopt when not even one piece could be made) and what it holds.
template <class Ops>
auto assembleRegion(const RegionPlan& plan, Ops& ops, RegionAssembly& report)
    -> std::optional<std::remove_cvref_t<decltype(*ops.rect(plan.outer))>> {
    using Region = std::remove_cvref_t<decltype(*ops.rect(plan.outer))>;
    report = {};
    std::optional<Region> combined;
    {
        std::optional<Region> outer = ops.rect(plan.outer);
        std::optional<Region> inner = ops.rect(plan.inner);
        std::optional<Region> frame = ops.rect(PixelRect{0, 0, 0, 0});
        if (outer && inner && frame && ops.difference(*frame, *outer, *inner)) {
            combined.emplace(std::move(*frame));
            report.framePart = true;
        }
    }
    for (const PixelRect& r : plan.added) {
        std::optional<Region> piece = ops.rect(r);
        if (!piece) {
            ++report.rectanglesSkipped;
            continue;
        }
        if (!combined) {
            combined.emplace(std::move(*piece));  // the first piece that could be made is the start
        } else if (!ops.add(*combined, *piece)) {
            ++report.rectanglesSkipped;
            continue;
        }
        ++report.rectanglesAdded;
    }
    return combined;
}

}  // namespace platform
