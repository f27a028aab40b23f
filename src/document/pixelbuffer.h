// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace tessa {

// The bytes of a frame: a std::vector<std::uint8_t> in all but where the memory comes from.
// Buffers the size of a frame take a slot of the FrameStore, whose memory the system can back
// with huge pages; smaller and larger ones come from the heap. Copies are deep, as a vector's;
// a moved-from buffer is empty. Converts from and to std::vector<std::uint8_t> implicitly (a
// copy of the bytes each way), compares equal to a vector with the same bytes, and is a
// contiguous range, so it passes as std::span<const std::uint8_t>.
class PixelBuffer
{
public:
    using value_type = std::uint8_t;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = std::uint8_t &;
    using const_reference = const std::uint8_t &;
    using pointer = std::uint8_t *;
    using const_pointer = const std::uint8_t *;
    using iterator = std::uint8_t *;
    using const_iterator = const std::uint8_t *;
    using reverse_iterator = std::reverse_iterator<iterator>;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    PixelBuffer() noexcept = default;
    explicit PixelBuffer(size_type count) { assign(count, 0); }
    PixelBuffer(size_type count, std::uint8_t value) { assign(count, value); }
    PixelBuffer(std::initializer_list<std::uint8_t> bytes) { assign(bytes.begin(), bytes.end()); }
    template<std::input_iterator It>
    PixelBuffer(It first, It last)
    {
        assign(first, last);
    }
    PixelBuffer(const std::vector<std::uint8_t> &bytes) { assign(bytes.begin(), bytes.end()); }
    PixelBuffer(const PixelBuffer &other) { assign(other.begin(), other.end()); }
    PixelBuffer(PixelBuffer &&other) noexcept { swap(other); }
    ~PixelBuffer() { deallocate(); }

    PixelBuffer &operator=(const PixelBuffer &other)
    {
        if (this != &other)
            assign(other.begin(), other.end());
        return *this;
    }
    PixelBuffer &operator=(PixelBuffer &&other) noexcept
    {
        PixelBuffer(std::move(other)).swap(*this);
        return *this;
    }
    PixelBuffer &operator=(const std::vector<std::uint8_t> &bytes)
    {
        assign(bytes.begin(), bytes.end());
        return *this;
    }
    PixelBuffer &operator=(std::initializer_list<std::uint8_t> bytes)
    {
        assign(bytes.begin(), bytes.end());
        return *this;
    }

    operator std::vector<std::uint8_t>() const { return {begin(), end()}; }

    void assign(size_type count, std::uint8_t value)
    {
        resizeStorage(count, false);
        std::fill_n(m_data, count, value);
    }
    template<std::input_iterator It>
    void assign(It first, It last)
    {
        if constexpr (std::forward_iterator<It>) {
            const auto count = static_cast<size_type>(std::distance(first, last));
            if (count > m_capacity || m_data == nullptr) {
                // Copy from a fresh buffer: the source may lie in this one.
                PixelBuffer fresh;
                fresh.resizeStorage(count, false);
                std::copy(first, last, fresh.m_data);
                swap(fresh);
            } else {
                std::copy(first, last, m_data);
                m_size = count;
            }
        } else {
            clear();
            for (; first != last; ++first)
                push_back(*first);
        }
    }
    void assign(std::initializer_list<std::uint8_t> bytes) { assign(bytes.begin(), bytes.end()); }

    std::uint8_t *data() noexcept { return m_data; }
    const std::uint8_t *data() const noexcept { return m_data; }
    size_type size() const noexcept { return m_size; }
    size_type capacity() const noexcept { return m_capacity; }
    bool empty() const noexcept { return m_size == 0; }

    iterator begin() noexcept { return m_data; }
    iterator end() noexcept { return m_data + m_size; }
    const_iterator begin() const noexcept { return m_data; }
    const_iterator end() const noexcept { return m_data + m_size; }
    const_iterator cbegin() const noexcept { return begin(); }
    const_iterator cend() const noexcept { return end(); }
    reverse_iterator rbegin() noexcept { return reverse_iterator(end()); }
    reverse_iterator rend() noexcept { return reverse_iterator(begin()); }
    const_reverse_iterator rbegin() const noexcept { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const noexcept { return const_reverse_iterator(begin()); }

    std::uint8_t &operator[](size_type at) noexcept { return m_data[at]; }
    const std::uint8_t &operator[](size_type at) const noexcept { return m_data[at]; }
    std::uint8_t &at(size_type at)
    {
        checkIndex(at);
        return m_data[at];
    }
    const std::uint8_t &at(size_type at) const
    {
        checkIndex(at);
        return m_data[at];
    }
    std::uint8_t &front() noexcept { return m_data[0]; }
    const std::uint8_t &front() const noexcept { return m_data[0]; }
    std::uint8_t &back() noexcept { return m_data[m_size - 1]; }
    const std::uint8_t &back() const noexcept { return m_data[m_size - 1]; }

    void clear() noexcept { m_size = 0; }
    void resize(size_type count, std::uint8_t value = 0)
    {
        const size_type old = m_size;
        resizeStorage(count, true);
        if (count > old)
            std::fill(m_data + old, m_data + count, value);
    }
    void reserve(size_type count);
    void shrink_to_fit();
    void push_back(std::uint8_t value)
    {
        if (m_size == m_capacity)
            reserve(std::max<size_type>(16, 2 * m_capacity));
        m_data[m_size++] = value;
    }
    void pop_back() noexcept { --m_size; }
    void swap(PixelBuffer &other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_capacity, other.m_capacity);
        std::swap(m_inStore, other.m_inStore);
    }
    friend void swap(PixelBuffer &a, PixelBuffer &b) noexcept { a.swap(b); }

    // Whether the bytes are in a slot of the FrameStore rather than on the heap.
    bool inFrameStore() const noexcept { return m_inStore; }

    friend bool operator==(const PixelBuffer &a, const PixelBuffer &b) noexcept
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator==(const PixelBuffer &a, const std::vector<std::uint8_t> &b) noexcept
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    // Makes the buffer `count` bytes long, keeping its first bytes when `keep` is set; new bytes
    // are undefined.
    void resizeStorage(size_type count, bool keep);
    void deallocate() noexcept;
    void checkIndex(size_type at) const
    {
        if (at >= m_size)
            throw std::out_of_range("PixelBuffer::at");
    }

    std::uint8_t *m_data = nullptr;
    size_type m_size = 0;
    size_type m_capacity = 0;
    bool m_inStore = false;
};

} // namespace tessa
