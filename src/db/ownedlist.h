#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace kvx {

// A growable array that owns its records. Positions are the identities all cross-references use, so
// records are held by pointer: moving a position never moves the record itself.
template <class T>
class OwnedList {
public:
    OwnedList() = default;
    OwnedList(const OwnedList& other) { *this = other; }
    OwnedList& operator=(const OwnedList& other)
    {
        if (this == &other)
            return *this;
        items_.clear();
        items_.reserve(other.items_.size());
        for (const auto& item : other.items_)
            items_.push_back(std::make_unique<T>(*item));
        return *this;
    }
    OwnedList(OwnedList&&) noexcept = default;
    OwnedList& operator=(OwnedList&&) noexcept = default;

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    void reserve(std::size_t n) { items_.reserve(n); }

    T& operator[](std::size_t i) { return *items_[i]; }
    const T& operator[](std::size_t i) const { return *items_[i]; }
    T* at(std::size_t i) { return i < items_.size() ? items_[i].get() : nullptr; }
    const T* at(std::size_t i) const { return i < items_.size() ? items_[i].get() : nullptr; }

    T& append(T record) { return append(std::make_unique<T>(std::move(record))); }
    T& append(std::unique_ptr<T> record)
    {
        items_.push_back(std::move(record));
        return *items_.back();
    }
    T& insert(std::size_t pos, std::unique_ptr<T> record)
    {
        auto it = items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(record));
        return **it;
    }
    // Inserts the records at pos, in their order, with one shift of the records behind.
    void insertAll(std::size_t pos, std::vector<std::unique_ptr<T>> records)
    {
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos),
                      std::make_move_iterator(records.begin()), std::make_move_iterator(records.end()));
    }
    // Removes and deletes the record at pos.
    void removeAt(std::size_t pos) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(pos)); }
    std::unique_ptr<T> takeAt(std::size_t pos)
    {
        auto record = std::move(items_[pos]);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(pos));
        return record;
    }
    void clear() { items_.clear(); }

    // Moves the record at `from` to `to`, shifting the records between them by one place.
    void move(std::size_t from, std::size_t to)
    {
        auto first = items_.begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else if (to < from)
            std::rotate(first + to, first + from, first + from + 1);
    }

    // Puts the records in a new order: position k receives the record that was at order[k]. `order` must
    // be a permutation of the positions.
    void reorder(const std::vector<std::size_t>& order)
    {
        Items reordered;
        reordered.reserve(items_.size());
        for (std::size_t from : order)
            reordered.push_back(std::move(items_[from]));
        items_ = std::move(reordered);
    }

    // Removes (and deletes) every record for which pred(record, position) holds; keeps the order.
    template <class Pred>
    std::size_t removeIf(Pred pred)
    {
        std::size_t out = 0;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (!pred(*items_[i], i)) {
                if (out != i)
                    items_[out] = std::move(items_[i]);
                ++out;
            }
        }
        const std::size_t removed = items_.size() - out;
        items_.resize(out);
        return removed;
    }

    // Same length and equal records, position by position (the records' values, not their addresses).
    bool operator==(const OwnedList& other) const
    {
        return std::equal(begin(), end(), other.begin(), other.end());
    }

    // Position of the record, or -1 when it is not in the list.
    std::ptrdiff_t indexOf(const T* record) const
    {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == record)
                return static_cast<std::ptrdiff_t>(i);
        return -1;
    }

    template <class It, class Ref>
    class basic_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::remove_reference_t<Ref>*;
        using reference = Ref;
        basic_iterator() = default;
        explicit basic_iterator(It it)
                : it_(it)
        {}
        Ref operator*() const { return **it_; }
        pointer operator->() const { return it_->get(); }
        basic_iterator& operator++()
        {
            ++it_;
            return *this;
        }
        basic_iterator operator++(int)
        {
            auto copy = *this;
            ++it_;
            return copy;
        }
        bool operator==(const basic_iterator&) const = default;

    private:
        It it_{};
    };
    using Items = std::vector<std::unique_ptr<T>>;
    using iterator = basic_iterator<typename Items::iterator, T&>;
    using const_iterator = basic_iterator<typename Items::const_iterator, const T&>;

    iterator begin() { return iterator(items_.begin()); }
    iterator end() { return iterator(items_.end()); }
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

private:
    Items items_;
};

} // namespace kvx
