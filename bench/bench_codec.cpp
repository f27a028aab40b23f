// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The codec, opening and saving, each timed against the plain memory operation it cannot beat.
// --path=scalar|sse2|avx2 measures the codec on one path instead of the processor's best.
#include "bytewisecodec.h"
#include "document/animfile.h"
#include "document/animreadback.h"
#include "document/diffscan.h"
#include "document/framecodec.h"
#include "framescenes.h"
#include "pairedtimer.h"
#include "tempfolder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

using namespace tessa;
using namespace tessa::bench;
using test::Scene;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kDocumentImages = 1000;
// The long document the check of a save is measured on.
constexpr int kLongDocumentImages = 2000;

// The codec path to measure, from --path=scalar|sse2|avx2; by default the public functions,
// which take the best path of the processor.
const diffscan::Kernels *g_kernels = nullptr;

void encode(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> reference,
            Bytes &out)
{
    if (g_kernels)
        diffscan::encodeFrameWith(*g_kernels, frame, reference, out);
    else
        encodeFrame(frame, reference, out);
}

bool decode(std::span<const std::uint8_t> stream, std::span<std::uint8_t> frame)
{
    return g_kernels ? diffscan::decodeFrameWith(*g_kernels, stream, frame)
                     : decodeFrame(stream, frame);
}

Target encodeTarget(Scene scene)
{
    switch (scene) {
    case Scene::NothingChanged:
        return {2.5};
    case Scene::Rectangles:
        return {3};
    case Scene::Sprites:
        return {7};
    case Scene::Scattered:
        return {16};
    case Scene::AllChanged:
        return {3.5};
    case Scene::Alternating:
        return {130};
    }
    return {0};
}

Target decodeTarget(Scene scene)
{
    switch (scene) {
    case Scene::NothingChanged:
        return {1.15};
    case Scene::Rectangles:
        return {1.6};
    case Scene::Sprites:
        return {6};
    case Scene::Scattered:
        return {14};
    case Scene::AllChanged:
        return {2.5};
    case Scene::Alternating:
        return {0}; // no target: shown for completeness
    }
    return {0};
}

// Encode against memcmp over the whole frame. memcmp stops at the first difference, so it
// compares the frame with an equal copy of itself: the same two full reads the encoder makes.
void encodeVsMemcmp(benchmark::State &state, Scene scene)
{
    const test::FramePair pair = test::makeScene(scene);
    const Bytes copy = pair.frame;
    Bytes out;
    out.reserve(4 * kFrameSize);
    runPaired(
            state, encodeTarget(scene), kFrameSize,
            [&] {
                benchmark::DoNotOptimize(std::memcmp(pair.frame.data(), copy.data(), kFrameSize));
            },
            [&] {
                out.clear();
                encode(pair.frame, pair.reference, out);
                benchmark::DoNotOptimize(out.data());
                benchmark::ClobberMemory();
            });
}

// Encode against the byte-at-a-time encoder: how many times faster.
void encodeVsBytewise(benchmark::State &state, Scene scene)
{
    const test::FramePair pair = test::makeScene(scene);
    Bytes plain, out;
    plain.reserve(4 * kFrameSize);
    out.reserve(4 * kFrameSize);
    runPaired(
            state, {12, Goal::AtLeast}, kFrameSize,
            [&] {
                plain.clear();
                test::bytewiseEncode(pair.frame, pair.reference, plain);
                benchmark::DoNotOptimize(plain.data());
                benchmark::ClobberMemory();
            },
            [&] {
                out.clear();
                encode(pair.frame, pair.reference, out);
                benchmark::DoNotOptimize(out.data());
                benchmark::ClobberMemory();
            });
}

// A frame-sized buffer at a 64-byte boundary. On some processors memcpy's string instructions
// run many times slower when the destination lies a few bytes after the source modulo a page;
// with both buffers aligned the plain copies of a reference never meet that case by chance.
class AlignedFrame
{
public:
    explicit AlignedFrame(std::span<const std::uint8_t> content)
        : m_bytes(static_cast<std::uint8_t *>(std::aligned_alloc(64, kFrameSize)))
    {
        std::memcpy(m_bytes.get(), content.data(), kFrameSize);
    }
    std::span<std::uint8_t> bytes() const { return {m_bytes.get(), std::size_t(kFrameSize)}; }
    std::uint8_t *data() const { return m_bytes.get(); }

private:
    struct Free
    {
        void operator()(std::uint8_t *bytes) const { std::free(bytes); }
    };
    std::unique_ptr<std::uint8_t, Free> m_bytes;
};

// Decode as opening does it, the reference frame copied into place and the stream applied,
// against the copy alone.
void decodeVsMemcpy(benchmark::State &state, Scene scene)
{
    const test::FramePair pair = test::makeScene(scene);
    Bytes stream;
    test::bytewiseEncode(pair.frame, pair.reference, stream);
    const AlignedFrame reference(pair.reference);
    const AlignedFrame work(pair.reference);
    runPaired(
            state, decodeTarget(scene), kFrameSize,
            [&] {
                std::memcpy(work.data(), reference.data(), kFrameSize);
                benchmark::ClobberMemory();
            },
            [&] {
                std::memcpy(work.data(), reference.data(), kFrameSize);
                benchmark::DoNotOptimize(decode(stream, work.bytes()));
                benchmark::ClobberMemory();
            });
}

// A document and its file, made once.
struct DocumentFixture
{
    explicit DocumentFixture(int images)
        : items(test::makeDocument(images))
        , path(folder.file("BENCH.QLM"))
    {
        auto bytes = writeAnimation(items);
        fileBytes = bytes->size();
        test::writeBytes(path, *bytes);
    }

    test::TempFolder folder;
    ItemList items;
    std::string path;
    std::size_t fileBytes = 0;
};

DocumentFixture &document()
{
    static DocumentFixture fixture(kDocumentImages);
    return fixture;
}

DocumentFixture &longDocument()
{
    static DocumentFixture fixture(kLongDocumentImages);
    return fixture;
}

// Opening against the least any open must do: read the file and fill 64 MB of fresh memory.
void openVsReadAndCopy(benchmark::State &state)
{
    DocumentFixture &doc = document();
    const AlignedFrame frame(doc.items.front().Pixels);
    const std::size_t total = std::size_t(kDocumentImages) * kFrameSize;
    runPaired(
            state, {1.15}, double(total),
            [&] {
                auto bytes = readWholeFile(doc.path);
                std::unique_ptr<std::uint8_t[]> frames(new std::uint8_t[total]);
                for (std::size_t k = 0; k < std::size_t(kDocumentImages); ++k)
                    std::memcpy(frames.get() + k * kFrameSize, frame.data(), kFrameSize);
                benchmark::DoNotOptimize(frames.get());
                benchmark::DoNotOptimize(bytes->data());
                benchmark::ClobberMemory();
            },
            [&] {
                auto items = loadAnimation(doc.path);
                benchmark::DoNotOptimize(items->data());
                benchmark::ClobberMemory();
            });
}

// A written file, flushed to disk (or only to the system when `flush` is false), as the
// cheapest safe write of `bytes` would do it.
void writeFile(const std::string &path, const Bytes &bytes, bool flush)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fflush(file);
    if (flush)
        ::fsync(::fileno(file));
    std::fclose(file);
}

// Encodes every image of `items` into one buffer, as the file holds them, and nothing else.
void encodeImages(const ItemList &items, Bytes &out)
{
    const Bytes background(kFrameSize, GetBackgroundColor(items));
    std::span<const std::uint8_t> reference = background;
    for (const AnimItem &item : items) {
        if (!item.isImage())
            continue;
        encodeFrame(item.Pixels, reference, out);
        reference = item.Pixels;
    }
}

// The real file system, except that writes are never flushed to the disk.
class UnflushedFileSystem : public FileSystem
{
public:
    std::unique_ptr<OutputFile> createNew(const std::filesystem::path &path,
                                          std::error_code &error) override
    {
        std::FILE *file = std::fopen(path.c_str(), "wbx");
        if (!file) {
            error = std::error_code(errno, std::generic_category());
            return nullptr;
        }
        return std::make_unique<File>(file);
    }

private:
    class File : public OutputFile
    {
    public:
        explicit File(std::FILE *file)
            : m_file(file)
        {
        }
        ~File() override
        {
            if (m_file)
                std::fclose(m_file);
        }
        std::error_code write(std::span<const std::uint8_t> bytes) override
        {
            std::fwrite(bytes.data(), 1, bytes.size(), m_file);
            return {};
        }
        std::error_code flushToDisk() override
        {
            std::fflush(m_file);
            return {};
        }
        std::error_code close() override
        {
            std::fclose(std::exchange(m_file, nullptr));
            return {};
        }

    private:
        std::FILE *m_file;
    };
};

// Saving against encoding alone plus writing the bytes. With `flush`, both flush to the disk
// (saving must); without it, neither does, which shows the cost of everything but the disk.
void saveVsEncodeAndWrite(benchmark::State &state, bool flush)
{
    DocumentFixture &doc = document();
    const std::string plainPath = doc.folder.file("PLAIN.QLM");
    const std::string savePath = doc.folder.file("SAVED.QLM");
    Bytes encoded;
    encodeImages(doc.items, encoded);
    const std::size_t encodedSize = encoded.size();
    UnflushedFileSystem unflushed;
    FileSystem &fileSystem = flush ? FileSystem::real() : unflushed;
    runPaired(
            state, {1.5}, double(doc.fileBytes),
            [&] {
                Bytes out;
                out.reserve(encodedSize);
                encodeImages(doc.items, out);
                writeFile(plainPath, out, flush);
            },
            [&] { benchmark::DoNotOptimize(saveAnimation(savePath, doc.items, fileSystem)); });
}

// What a save spends on reading the file back and decoding it against the document, against
// the rest of the save (encoding, backup, temporary file, flush, rename), on 2,000 images.
// Without `flush`, neither flushes to the disk: the check against the least a save costs.
void readBackVsSave(benchmark::State &state, bool flush)
{
    DocumentFixture &doc = longDocument();
    const std::string path = doc.folder.file("SAVED.QLM");
    UnflushedFileSystem unflushed;
    FileSystem &fileSystem = flush ? FileSystem::real() : unflushed;
    const auto saveUnchecked = [&] {
        auto bytes = writeAnimation(doc.items);
        benchmark::DoNotOptimize(replaceFile(path, *bytes, Backup::Keep, fileSystem));
    };
    saveUnchecked();
    // As saving checks: with the bytes written, which let a long file be compared in halves.
    const auto written = writeAnimation(doc.items);
    if (findReadBackDifference(path, doc.items, *written)) {
        state.SkipWithError("the saved file does not read back as the document");
        return;
    }
    runPaired(state, {0.25}, double(doc.fileBytes), saveUnchecked, [&] {
        benchmark::DoNotOptimize(findReadBackDifference(path, doc.items, *written));
    });
}

// Prints the peak memory of opening `path` in this process, in bytes.
int reportOpenPeak(const std::string &path)
{
    auto items = loadAnimation(path);
    if (!items) {
        std::cerr << items.error().text << '\n';
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << "peak_bytes " << usage.ru_maxrss * 1024L << '\n';
    return 0;
}

int writeDocument(const std::string &path, int images)
{
    auto bytes = writeAnimation(test::makeDocument(images));
    test::writeBytes(path, *bytes);
    std::cout << "file_bytes " << bytes->size() << '\n';
    return 0;
}

void registerAll()
{
    for (Scene scene : test::kAllScenes) {
        const std::string name = test::sceneName(scene);
        benchmark::RegisterBenchmark(("encode_vs_memcmp/" + name).c_str(), encodeVsMemcmp, scene);
    }
    for (Scene scene : {Scene::NothingChanged, Scene::Rectangles}) {
        const std::string name = test::sceneName(scene);
        benchmark::RegisterBenchmark(("encode_speedup_vs_bytewise/" + name).c_str(),
                                     encodeVsBytewise, scene);
    }
    for (Scene scene : test::kAllScenes) {
        const std::string name = test::sceneName(scene);
        benchmark::RegisterBenchmark(("decode_vs_memcpy/" + name).c_str(), decodeVsMemcpy, scene);
    }
    benchmark::RegisterBenchmark("open_vs_read_and_copy", openVsReadAndCopy)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save_vs_encode_and_write", saveVsEncodeAndWrite, true)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save_vs_encode_and_write/unflushed", saveVsEncodeAndWrite, false)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save_readback_vs_save", readBackVsSave, true)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save_readback_vs_save/unflushed", readBackVsSave, false)
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv)
{
    // Helpers for the peak-memory check, which needs a process of its own.
    // --write-document PATH [IMAGES]: the document of the open and save benchmarks.
    if ((argc == 3 || argc == 4) && std::string(argv[1]) == "--write-document")
        return writeDocument(argv[2], argc == 4 ? std::atoi(argv[3]) : kDocumentImages);
    if (argc == 3 && std::string(argv[1]) == "--open-peak")
        return reportOpenPeak(argv[2]);

    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--path=", 0) != 0)
            continue;
        const std::string name = argument.substr(7);
        for (auto path : {diffscan::Path::Scalar, diffscan::Path::Sse2, diffscan::Path::Avx2}) {
            const diffscan::Kernels *kernels = diffscan::kernels(path);
            if (kernels && name == kernels->name)
                g_kernels = kernels;
        }
        if (!g_kernels) {
            std::cerr << "no codec path " << name << " here\n";
            return 1;
        }
        std::copy(argv + i + 1, argv + argc, argv + i);
        --argc;
        break;
    }
    registerAll();
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
