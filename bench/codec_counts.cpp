// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Encodes or decodes one scene once on one codec path, for counting instructions under
// callgrind (only the call of measure() is counted: --toggle-collect='*measure*').
//   codec_counts encode|decode SCENE [scalar|sse2|avx2]
//   codec_counts --paths        the paths this build and processor have, one a line
#include "bytewisecodec.h"
#include "document/diffscan.h"
#include "framescenes.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

using namespace tessa;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Job
{
    const diffscan::Kernels *kernels = nullptr;
    bool encode = true;
    test::FramePair pair;
    Bytes stream;
    Bytes out;
    Bytes work;
};

[[gnu::noinline]] void run(Job &job)
{
    if (job.encode) {
        diffscan::encodeFrameWith(*job.kernels, job.pair.frame, job.pair.reference, job.out);
    } else {
        // As opening does: the reference copied into place, then the stream applied.
        std::memcpy(job.work.data(), job.pair.reference.data(), job.work.size());
        if (!diffscan::decodeFrameWith(*job.kernels, job.stream, job.work))
            std::abort();
    }
}

// Once before counting, so that one-time work stays out of the count.
[[gnu::noinline]] void warmUp(Job &job)
{
    run(job);
    job.out.clear();
}

[[gnu::noinline]] void measure(Job &job)
{
    run(job);
}

const diffscan::Kernels *kernelsNamed(const std::string &name)
{
    for (auto path : {diffscan::Path::Scalar, diffscan::Path::Sse2, diffscan::Path::Avx2}) {
        const diffscan::Kernels *kernels = diffscan::kernels(path);
        if (kernels && name == kernels->name)
            return kernels;
    }
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::string(argv[1]) == "--paths") {
        for (auto path : {diffscan::Path::Scalar, diffscan::Path::Sse2, diffscan::Path::Avx2}) {
            if (const diffscan::Kernels *kernels = diffscan::kernels(path))
                std::cout << kernels->name << '\n';
        }
        return 0;
    }
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: codec_counts encode|decode SCENE [scalar|sse2|avx2]\n";
        return 2;
    }
    Job job;
    job.encode = std::string(argv[1]) == "encode";
    job.kernels = argc == 4 ? kernelsNamed(argv[3]) : &diffscan::bestKernels();
    if (!job.kernels) {
        std::cerr << "no codec path " << argv[3] << " here\n";
        return 2;
    }
    const std::string sceneArgument = argv[2];
    bool found = false;
    for (test::Scene scene : test::kAllScenes) {
        if (sceneArgument == test::sceneName(scene)) {
            job.pair = test::makeScene(scene);
            found = true;
        }
    }
    if (!found) {
        std::cerr << "unknown scene " << sceneArgument << '\n';
        return 2;
    }
    test::bytewiseEncode(job.pair.frame, job.pair.reference, job.stream);
    job.out.reserve(4 * job.pair.frame.size());
    job.work.resize(job.pair.frame.size());
    warmUp(job);
    measure(job);

    // The result must be right, or the count means nothing.
    if (job.encode ? job.out != job.stream : job.work != job.pair.frame) {
        std::cerr << "wrong result\n";
        return 1;
    }
    return 0;
}
