// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sha256.h"

#include <openssl/evp.h>

#include <stdexcept>

namespace tessa {

Sha256Digest sha256(std::span<const std::uint8_t> bytes)
{
    Sha256Digest digest{};
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr) != 1
        || length != digest.size())
        throw std::runtime_error("SHA-256 failed in libcrypto");
    return digest;
}

} // namespace tessa
