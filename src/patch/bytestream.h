// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessa {

// Little-endian fields appended to a growing buffer.
class ByteWriter
{
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void u16(std::uint16_t value) { little(value, 2); }
    void u32(std::uint32_t value) { little(value, 4); }
    void u64(std::uint64_t value) { little(value, 8); }
    void bytes(std::span<const std::uint8_t> bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }

    std::vector<std::uint8_t> &buffer() { return m_bytes; }

private:
    void little(std::uint64_t value, int size)
    {
        for (int i = 0; i < size; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    std::vector<std::uint8_t> m_bytes;
};

// Little-endian fields read from a span, every read checked against its end: a read past it
// gives nothing and leaves the position where it was.
class ByteReader
{
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }

    std::size_t position() const { return m_at; }
    std::size_t remaining() const { return m_bytes.size() - m_at; }
    bool atEnd() const { return m_at == m_bytes.size(); }

    std::optional<std::uint8_t> u8() { return fetch<std::uint8_t>(1); }
    std::optional<std::uint16_t> u16() { return fetch<std::uint16_t>(2); }
    std::optional<std::uint32_t> u32() { return fetch<std::uint32_t>(4); }
    std::optional<std::uint64_t> u64() { return fetch<std::uint64_t>(8); }

    // The next `size` bytes, or nothing when fewer remain.
    std::optional<std::span<const std::uint8_t>> bytes(std::uint64_t size)
    {
        if (size > remaining())
            return std::nullopt;
        const auto taken = m_bytes.subspan(m_at, static_cast<std::size_t>(size));
        m_at += taken.size();
        return taken;
    }

private:
    template<typename T>
    std::optional<T> fetch(int size)
    {
        if (remaining() < std::size_t(size))
            return std::nullopt;
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint64_t(m_bytes[m_at + std::size_t(i)]) << (8 * i);
        m_at += std::size_t(size);
        return static_cast<T>(value);
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

} // namespace tessa
