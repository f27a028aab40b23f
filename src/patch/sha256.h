// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tessa {

using Sha256Digest = std::array<std::uint8_t, 32>;

// The SHA-256 of `bytes`, from the system's library (OpenSSL's libcrypto, or Windows' BCrypt).
// Throws std::runtime_error only if that library fails, which it does not for valid input.
Sha256Digest sha256(std::span<const std::uint8_t> bytes);

// The digest in lowercase hex, as sha256sum prints it.
std::string hexDigest(const Sha256Digest &digest);

} // namespace tessa
