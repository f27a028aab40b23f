// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of a fuzz target built without libFuzzer: it runs every file named on the command
// line, and every file in every folder named there, through the target once. ctest replays the
// committed corpora this way, so each build checks that no known input crashes again.
#include "fuzzcheck.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> inputsOf(const fs::path &path)
{
    if (!fs::is_directory(path))
        return {path};
    std::vector<fs::path> files;
    for (const auto &entry : fs::recursive_directory_iterator(path)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    // A fixed order, so that a failure names the same file on every run.
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path &file : inputsOf(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::cerr << "cannot read " << file << '\n';
                return 1;
            }
            const std::vector<char> text{std::istreambuf_iterator<char>(in), {}};
            const std::vector<std::uint8_t> bytes(text.begin(), text.end());
            // The bytes are copied to a buffer of exactly their size, as libFuzzer hands them
            // over, so that a read past the end lands outside it.
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::cout << replayed << " inputs replayed\n";
    // An empty corpus proves nothing: treat it as a mistake in the set-up.
    return replayed > 0 ? 0 : 1;
}
