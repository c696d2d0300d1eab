// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The limbs of a BigInteger: a vector of 32-bit words that keeps the first few in itself. The
// amounts of units and most numbers computed from them fit there, so that exact arithmetic on
// them allocates nothing.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>

namespace mezzurix {

class LimbVector {
public:
    using Limb = std::uint32_t;

    LimbVector() = default;
    LimbVector(std::size_t count, Limb value) { resize(count, value); }
    LimbVector(std::initializer_list<Limb> limbs) { assign(limbs.begin(), limbs.end()); }
    LimbVector(const LimbVector& other) { copy(other); }
    LimbVector(LimbVector&& other) noexcept { take(other); }
    LimbVector& operator=(const LimbVector& other)
    {
        if (this != &other)
            copy(other);
        return *this;
    }
    LimbVector& operator=(LimbVector&& other) noexcept
    {
        if (this != &other)
            take(other);
        return *this;
    }
    ~LimbVector() = default;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    Limb* data() { return heap_ ? heap_.get() : local_.data(); }
    const Limb* data() const { return heap_ ? heap_.get() : local_.data(); }
    Limb* begin() { return data(); }
    Limb* end() { return data() + size_; }
    const Limb* begin() const { return data(); }
    const Limb* end() const { return data() + size_; }
    Limb& operator[](std::size_t i) { return data()[i]; }
    Limb operator[](std::size_t i) const { return data()[i]; }
    Limb& front() { return data()[0]; }
    Limb front() const { return data()[0]; }
    Limb& back() { return data()[size_ - 1]; }
    Limb back() const { return data()[size_ - 1]; }

    void push_back(Limb limb)
    {
        if (size_ == capacity_)
            reserve(2 * capacity_);
        data()[size_++] = limb;
    }
    void pop_back() { --size_; }
    void clear() { size_ = 0; }
    void resize(std::size_t count, Limb value = 0)
    {
        reserve(count);
        if (count > size_)
            std::fill(data() + size_, data() + count, value);
        size_ = count;
    }
    void assign(std::size_t count, Limb value)
    {
        clear();
        resize(count, value);
    }
    void assign(const Limb* first, const Limb* last)
    {
        clear();
        reserve(static_cast<std::size_t>(last - first));
        std::copy(first, last, data());
        size_ = static_cast<std::size_t>(last - first);
    }

    friend bool operator==(const LimbVector& a, const LimbVector& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    // 192 bits: the numerator or denominator of any unit's amount, and most products of two.
    static constexpr std::size_t kLocal = 6;

    // Room for `count` limbs, those held kept.
    void reserve(std::size_t count)
    {
        if (count <= capacity_)
            return;
        const std::size_t capacity = std::max(count, 2 * capacity_);
        auto grown = std::make_unique_for_overwrite<Limb[]>(capacity);
        std::copy(begin(), end(), grown.get());
        heap_ = std::move(grown);
        capacity_ = capacity;
    }

    void take(LimbVector& other)
    {
        if (other.heap_) {
            heap_ = std::move(other.heap_);
            capacity_ = other.capacity_;
            size_ = other.size_;
        } else {
            heap_.reset();
            copyLocal(other);
        }
        other.size_ = 0;
        other.capacity_ = kLocal;
    }

    // Either side on the heap: limb by limb, into room enough. Both local: the whole array.
    void copy(const LimbVector& other)
    {
        if (other.heap_ || heap_)
            assign(other.begin(), other.end());
        else
            copyLocal(other);
    }

    // The whole local array at once, which compiles to a few moves, not a call.
    void copyLocal(const LimbVector& other)
    {
        local_ = other.local_;
        size_ = other.size_;
        capacity_ = kLocal;
    }

    std::array<Limb, kLocal> local_{};
    std::unique_ptr<Limb[]> heap_;
    std::size_t size_ = 0;
    std::size_t capacity_ = kLocal;
};

} // namespace mezzurix
