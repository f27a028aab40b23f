// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>
#include <variant>

namespace tessa {

// The error half of an Expected, so that `return Unexpected{error};` reads as what it is.
template<typename E>
struct Unexpected
{
    E error;
};

template<typename E>
Unexpected(E) -> Unexpected<E>;

// A value or the reason there is none: the small subset of C++23's std::expected that the
// core needs, so callers can switch to the standard type with a rename.
template<typename T, typename E>
class Expected
{
public:
    Expected(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {
    }
    Expected(Unexpected<E> failure)
        : m_state(std::in_place_index<1>, std::move(failure.error))
    {
    }

    bool has_value() const { return m_state.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T &value() & { return std::get<0>(m_state); }
    const T &value() const & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    T &operator*() & { return value(); }
    const T &operator*() const & { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

    const E &error() const { return std::get<1>(m_state); }

private:
    std::variant<T, E> m_state;
};

// For operations that return nothing when they succeed.
struct Done
{
};

} // namespace tessa
