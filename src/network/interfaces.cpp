#include "network/interfaces.h"

namespace sparvane::network {

CInterface* CInterfaces::Add(std::unique_ptr<CInterface>&& objInterface) {
    if (!objInterface) return nullptr;
    items_.push_back(std::move(objInterface));
    return items_.back().get();
}

CInterface* CInterfaces::Item(std::size_t position) const {
    if (position < 1 || position > items_.size()) return nullptr;
    return items_[position - 1].get();
}

}  // namespace sparvane::network
