#pragma once
// CInterfaces: the ordered collection of interface records that one reading builds.
// Positions count from 1 in the order of adding; items carry no keys.
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

#include "network/interface_record.h"

namespace sparvane::network {

class CInterfaces {
    using Storage = std::vector<std::unique_ptr<CInterface>>;

public:
    // Appends the record and returns it. The caller's pointer is moved from, so it is
    // empty afterwards and the next row needs a record of its own. A null record is not
    // added; the result is then nullptr.
    CInterface* Add(std::unique_ptr<CInterface>&& objInterface);
    // The record at a 1-based position; nullptr outside 1..Count().
    [[nodiscard]] CInterface* Item(std::size_t position) const;
    [[nodiscard]] std::size_t Count() const { return items_.size(); }
    // Removes the record at a 1-based position; false when there is none there.
    void reserve(std::size_t n) { items_.reserve(n); }

    // Iteration over the records in order (for (const CInterface& i : interfaces)).
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CInterface;
        using difference_type = std::ptrdiff_t;
        using pointer = const CInterface*;
        using reference = const CInterface&;
        const_iterator() = default;
        explicit const_iterator(Storage::const_iterator it) : it_(it) {}
        reference operator*() const { return **it_; }
        pointer operator->() const { return it_->get(); }
        const_iterator& operator++() {
            ++it_;
            return *this;
        }
        const_iterator operator++(int) {
            auto old = *this;
            ++it_;
            return old;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        Storage::const_iterator it_;
    };
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

private:
    Storage items_;
};

}  // namespace sparvane::network
