// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sha256.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace tessa {

namespace {

void require(NTSTATUS status)
{
    if (!BCRYPT_SUCCESS(status))
        throw std::runtime_error("SHA-256 failed in BCrypt");
}

// Closes what BCrypt opened, in the reverse order, however the hashing ends.
struct Algorithm
{
    BCRYPT_ALG_HANDLE handle = nullptr;
    ~Algorithm()
    {
        if (handle)
            BCryptCloseAlgorithmProvider(handle, 0);
    }
};

struct Hash
{
    BCRYPT_HASH_HANDLE handle = nullptr;
    ~Hash()
    {
        if (handle)
            BCryptDestroyHash(handle);
    }
};

} // namespace

Sha256Digest sha256(std::span<const std::uint8_t> bytes)
{
    Algorithm algorithm;
    require(BCryptOpenAlgorithmProvider(&algorithm.handle, BCRYPT_SHA256_ALGORITHM, nullptr, 0));
    Hash hash;
    require(BCryptCreateHash(algorithm.handle, &hash.handle, nullptr, 0, nullptr, 0, 0));
    // BCryptHashData takes a 32-bit length: longer input goes in pieces.
    constexpr std::size_t kPiece = std::numeric_limits<ULONG>::max();
    for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
        const std::size_t length = std::min(kPiece, bytes.size() - at);
        require(BCryptHashData(hash.handle, const_cast<PUCHAR>(bytes.data() + at),
                               static_cast<ULONG>(length), 0));
    }
    Sha256Digest digest{};
    require(BCryptFinishHash(hash.handle, digest.data(), static_cast<ULONG>(digest.size()), 0));
    return digest;
}

} // namespace tessa
