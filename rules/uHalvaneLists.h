#pragma once
// The list of objects the model is built on: append, count, item by index,
// remove and clear. Every list owns its elements; whoever needs to share an
// element keeps a plain pointer to it and never puts it into a second list.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace halvane {

// Raised for an index outside 0 .. Count() - 1.
class EListError : public std::out_of_range {
public:
    explicit EListError(std::int64_t index)
        : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}
};

template <class T>
class TObjectList {
public:
    TObjectList() = default;
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;
    TObjectList(TObjectList&&) noexcept = default;
    TObjectList& operator=(TObjectList&&) noexcept = default;

    // Takes ownership and returns the new element's index.
    std::int32_t Add(std::unique_ptr<T> item) {
        if (!item) throw std::invalid_argument("cannot add a missing element to a list");
        items_.push_back(std::move(item));
        return static_cast<std::int32_t>(items_.size() - 1);
    }

    // Convenience: adds and hands back the element, typed as added.
    template <class U>
    U& Append(std::unique_ptr<U> item) {
        U& ref = *item;
        Add(std::move(item));
        return ref;
    }

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(items_.size()); }

    T* Items(std::int64_t index) { return items_.at(Checked(index)).get(); }
    const T* Items(std::int64_t index) const { return items_.at(Checked(index)).get(); }

    // Position of the first occurrence, or -1.
    std::int32_t IndexOf(const T* item) const noexcept {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == item) return static_cast<std::int32_t>(i);
        return -1;
    }

    // Destroys the first occurrence of item; returns false when it is not in the list.
    bool Remove(const T* item) { return Extract(item) != nullptr; }

    // Takes the first occurrence out of the list without destroying it.
    std::unique_ptr<T> Extract(const T* item) {
        const std::int32_t index = IndexOf(item);
        if (index < 0) return nullptr;
        std::unique_ptr<T> out = std::move(items_[static_cast<std::size_t>(index)]);
        items_.erase(items_.begin() + index);
        return out;
    }

    void Clear() noexcept { items_.clear(); }

    // Range access for "for each element, in list order". A const list hands
    // out const elements, so read-only data stays read-only through iteration.
    template <class Elem>
    class basic_iterator {
    public:
        using inner = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit basic_iterator(inner it) : it_(it) {}
        Elem* operator*() const { return it_->get(); }
        basic_iterator& operator++() { ++it_; return *this; }
        bool operator==(const basic_iterator& other) const { return it_ == other.it_; }
        bool operator!=(const basic_iterator& other) const { return it_ != other.it_; }
    private:
        inner it_;
    };
    using iterator = basic_iterator<T>;
    using const_iterator = basic_iterator<const T>;
    iterator begin() { return iterator(items_.cbegin()); }
    iterator end() { return iterator(items_.cend()); }
    const_iterator begin() const { return const_iterator(items_.cbegin()); }
    const_iterator end() const { return const_iterator(items_.cend()); }

private:
    std::size_t Checked(std::int64_t index) const {
        if (index < 0 || index >= static_cast<std::int64_t>(items_.size())) throw EListError(index);
        return static_cast<std::size_t>(index);
    }

    std::vector<std::unique_ptr<T>> items_;
};

} // namespace halvane
