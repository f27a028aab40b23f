// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpora of the fuzz targets with the project's own writers: animations from
// writeAnimation, BMP files from AddBMPHeader, PNG files from Qt's writer, palette files of the
// four kinds from the built-in palettes, settings files from clsINI, patches from writePatch. A few
// seeds are then damaged by hand, so that every refusal has an example to start from. Run once when
// the formats change; the output is committed under fuzz/corpus/.
//
// Usage: tessa-make-corpus FOLDER   (writes FOLDER/<target>/<seed>)

#include "document/animfile.h"
#include "imageio/imagefile.h"
#include "imaging/bmp.h"
#include "imaging/palette.h"
#include "patch/patchmaker.h"
#include "patch/patchwriter.h"
#include "patchbase.h"
#include "settings/clsini.h"

#include <QBuffer>
#include <QImage>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace tessa;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

fs::path g_root;

void setField(Bytes &bytes, std::size_t at, std::size_t size, std::uint32_t value)
{
    for (std::size_t i = 0; i < size; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void put(const std::string &target, const std::string &name, const Bytes &bytes)
{
    const fs::path folder = g_root / target;
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

void putText(const std::string &target, const std::string &name, const std::string &text)
{
    put(target, name, Bytes(text.begin(), text.end()));
}

// A frame of `background` with a few marks, so that it encodes in a few hundred bytes.
Bytes frameWithMarks(std::uint8_t background, int marks, int seed)
{
    Bytes frame(kFrameSize, background);
    for (int m = 0; m < marks; ++m) {
        const std::size_t at = (std::size_t(m) * 1601 + std::size_t(seed) * 97) % (kFrameSize - 8);
        for (std::size_t i = 0; i < 1 + std::size_t(m % 5); ++i)
            frame[at + i] = static_cast<std::uint8_t>(seed + m + int(i));
    }
    return frame;
}

Bytes written(const ItemList &items)
{
    auto bytes = writeAnimation(items);
    if (!bytes) {
        std::cerr << bytes.error().text << '\n';
        std::exit(1);
    }
    return *bytes;
}

AnimItem rawItem(const std::string &code, std::int32_t size, Bytes data)
{
    AnimItem item;
    item.Code = code;
    item.DataSize = size;
    item.Data = std::move(data);
    return item;
}

void putAnimation(const std::string &name, const Bytes &bytes)
{
    // The round trip starts from the same files as the reader.
    put("animation", name, bytes);
    put("roundtrip", name, bytes);
}

void animations()
{
    const Bytes example = written({makeImageItem(Bytes(kFrameSize, 0)), makeEndItem()});
    putAnimation("example.qlm", example);
    putAnimation("empty.qlm", {});
    Bytes stray = example;
    stray.push_back(0x58);
    putAnimation("stray-byte.qlm", stray);

    putAnimation("script.qlm", written({makeImageItem(frameWithMarks(5, 6, 1)), makeFadeInItem(),
                                        makePauseItem(30), makeImageItem(frameWithMarks(5, 9, 1)),
                                        makeSoundItem(7), makeFadeOutItem(), makeEndItem()}));
    putAnimation("identical.qlm", written({makeImageItem(frameWithMarks(9, 3, 2)),
                                           makeImageItem(frameWithMarks(9, 3, 2)), makeEndItem()}));
    putAnimation("odd-items.qlm",
                 written({makeImageItem(frameWithMarks(0, 2, 3)), rawItem("ZZ", 3, {1, 2, 3}),
                          rawItem("PA", 1, {0x1E}), rawItem("SD", -4, {}), rawItem("gr", 0, {}),
                          makeEndItem()}));

    // Runs at both ends of the frame, where an off-by-one would show.
    Bytes edges(kFrameSize, 3);
    edges.front() = 1;
    edges.back() = 2;
    edges[kFrameWidth - 1] = 4;
    putAnimation("frame-edges.qlm", written({makeImageItem(edges), makeEndItem()}));

    // Refusals, damaged from written files.
    Bytes notAnImage = written({makeImageItem(Bytes(kFrameSize, 0)), makeEndItem()});
    notAnImage[0] = 'F';
    notAnImage[1] = 'I';
    putAnimation("first-not-image.qlm", notAnImage);
    Bytes secondNumber = example;
    secondNumber[2] = 2;
    putAnimation("first-number-2.qlm", secondNumber);
    putAnimation("truncated.qlm", Bytes(example.begin(), example.begin() + 15));
    Bytes badChunk = example;
    badChunk[11] = 2; // the end chunk's type word becomes 2
    putAnimation("chunk-type-2.qlm", badChunk);
    // A copy chunk of 20 bytes at offset 63990 runs past the frame.
    Bytes pastFrame{'G', 'R', 1, 0, 0, 0, 27, 0, 0, 0, 0, 1, 0, 0xF6, 0xF9, 20, 0};
    pastFrame.resize(pastFrame.size() + 20, 7);
    putAnimation("past-frame.qlm", pastFrame);
}

void bmps()
{
    const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    const Bytes frame = AddBMPHeader(kFrameWidth, kFrameHeight, frameWithMarks(0, 12, 4), colors);
    put("bmp", "frame.bmp", frame);
    put("bmp", "header-only.bmp", Bytes(frame.begin(), frame.begin() + kBmpPixelOffset));
    put("bmp", "short.bmp", Bytes(frame.begin(), frame.begin() + 29));
    put("bmp", "4x2.bmp", AddBMPHeader(4, 2, Bytes(8, 1), colors));
    Bytes deep(frame.begin(), frame.begin() + kBmpPixelOffset);
    deep[28] = 24;
    put("bmp", "24-bit.bmp", deep);

    // The same picture behind other headers: OS/2 core (12 bytes, 3-byte colours) and version 5
    // (124 bytes), both with a 16-colour table, the pixel offset saying where the rows start.
    const Bytes rows(frame.begin() + kBmpPixelOffset, frame.end());
    Bytes core(26, 0);
    core[0] = 'B';
    core[1] = 'M';
    setField(core, 14, 4, 12);
    setField(core, 18, 2, 320);
    setField(core, 20, 2, 200);
    setField(core, 22, 2, 1);
    setField(core, 24, 2, 8);
    for (std::size_t i = 0; i < 256; ++i)
        core.insert(core.end(), {frame[54 + 4 * i], frame[55 + 4 * i], frame[56 + 4 * i]});
    setField(core, 10, 4, static_cast<std::uint32_t>(core.size()));
    core.insert(core.end(), rows.begin(), rows.end());
    put("bmp", "os2-core.bmp", core);

    Bytes v5(frame.begin(), frame.begin() + 54);
    v5.resize(14 + 124, 0);
    setField(v5, 14, 4, 124);
    setField(v5, 46, 4, 16);
    v5.insert(v5.end(), frame.begin() + 54, frame.begin() + 54 + 64);
    setField(v5, 10, 4, static_cast<std::uint32_t>(v5.size()));
    v5.insert(v5.end(), rows.begin(), rows.end());
    put("bmp", "v5-16-colours.bmp", v5);

    // RLE8: runs, a literal stretch, a skip, end of rows, end of picture; then damaged copies.
    Bytes rle(frame.begin(), frame.begin() + kBmpPixelOffset);
    setField(rle, 30, 4, 1);
    const Bytes stream = {200, 3, 120, 4, 0, 0, 0, 5, 1,   2, 3,   4, 5, 0,
                          0,   2, 10,  3, 7, 9, 0, 0, 160, 1, 160, 2, 0, 1};
    Bytes rleGood = rle;
    rleGood.insert(rleGood.end(), stream.begin(), stream.end());
    put("bmp", "rle8.bmp", rleGood);
    put("bmp", "rle8-cut.bmp", Bytes(rleGood.begin(), rleGood.end() - 9));
    Bytes pastRow = rle;
    pastRow.insert(pastRow.end(), {255, 1, 66, 1, 0, 1});
    put("bmp", "rle8-past-row.bmp", pastRow);
    Bytes pastTop = rle;
    pastTop.insert(pastTop.end(), {0, 2, 0, 199, 0, 0, 1, 1, 0, 1});
    put("bmp", "rle8-past-top.bmp", pastTop);
}

Bytes pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return Bytes(bytes.begin(), bytes.end());
}

// Images for Import Image, small so that the fuzzer runs fast: PNG written by Qt, a BMP frame;
// the last byte of every seed chooses the options.
void imports()
{
    const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    put("import", "frame.png", encodeIndexedPng(frameWithMarks(3, 20, 5), colors));
    put("import", "frame.bmp",
        AddBMPHeader(kFrameWidth, kFrameHeight, frameWithMarks(0, 12, 4), colors));
    QImage tiny(8, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x)
            tiny.setPixel(x, y, qRgb(x * 32, y * 50, 128));
    put("import", "truecolour-8x5.png", pngOf(tiny));
    put("import", "indexed-8x5.png", pngOf(tiny.convertToFormat(QImage::Format_Indexed8)));
    QImage tall(3, 40, QImage::Format_ARGB32);
    tall.fill(qRgba(200, 10, 10, 100));
    put("import", "alpha-3x40.png", pngOf(tall));
    putText("import", "not-an-image.txt", "hello");
}

std::string jasc(const PaletteData &data, const std::string &lineEnd)
{
    std::string text = "JASC-PAL" + lineEnd + "0100" + lineEnd + "256" + lineEnd;
    for (std::size_t i = 0; i < 256; ++i)
        text += std::to_string(data[4 * i + 2]) + " " + std::to_string(data[4 * i + 1]) + " "
                + std::to_string(data[4 * i]) + lineEnd;
    return text;
}

Bytes table(const PaletteData &data, std::size_t stride)
{
    Bytes bytes;
    for (std::size_t i = 0; i < 256; ++i) {
        bytes.insert(bytes.end(), {data[4 * i + 2], data[4 * i + 1], data[4 * i]});
        if (stride == 4)
            bytes.push_back(0);
    }
    return bytes;
}

void palettes()
{
    const PaletteData &main = builtInPalette(0);
    const PaletteData &extra = builtInPalette(1);
    putText("palette", "main-crlf.pal", jasc(main, "\r\n"));
    putText("palette", "extra-cr.pal", jasc(extra, "\r"));
    put("palette", "main.act", table(main, 3));

    Bytes game(119, 0);
    for (std::uint8_t value : table(extra, 3))
        game.push_back(static_cast<std::uint8_t>(value / 4));
    game.resize(893, 0);
    put("palette", "GAMEPAL.OBJ", game);

    Bytes riff{'R', 'I', 'F', 'F', 0x14, 0x04, 0, 0, 'P', 'A', 'L', ' ',
               'd', 'a', 't', 'a', 0x04, 0x04, 0, 0, 0,   3,   0,   1};
    const Bytes entries = table(main, 4);
    riff.insert(riff.end(), entries.begin(), entries.end());
    riff.resize(1052, 0);
    put("palette", "main-riff.pal", riff);

    put("palette", "riff-short.pal", Bytes(riff.begin(), riff.begin() + 100));
    putText("palette", "three-colours.pal", "JASC-PAL\n0100\n256\n0 0 0\n1.5 2 3\n-1 256 7\n");
    putText("palette", "bad-field.pal", "JASC-PAL\r\n0100\r\n256\r\n1e10 0 0\r\n4  5 6\r\n");
    putText("palette", "unknown.pal", "not a palette");
}

void settings()
{
    // Written by the store itself, as the editor writes it.
    const fs::path path = g_root / "ini" / "tessarine-studio.ini";
    fs::create_directories(path.parent_path());
    fs::remove(path);
    clsINI ini;
    ini.LoadINI(path.string());
    ini.WriteValue("Paths", "AnimationPath", "C:\\Games\\Tessarine");
    ini.WriteValue("Paths", "ExportPath", "/home/modder/frames");
    ini.WriteValue("Paths", "ImportPath", "");
    ini.WriteValue("Numbers", "10", "ten");
    ini.WriteValue("Numbers", "9", "-2.5e1");
    if (ini.lastSaveFailure()) {
        std::cerr << ini.lastSaveFailure()->text << '\n';
        std::exit(1);
    }

    // Regression: keys in ascending order made loading compare each with all before it, which
    // took minutes for a file of a megabyte (ClsIniTest.LoadingAHugeSection... has the big one;
    // a big seed here would only slow the fuzzer down).
    std::string many = "[Many]\n";
    for (int i = 0; i < 200; ++i)
        many += std::to_string(i) + "=\n";
    putText("ini", "many-keys.ini", many);

    putText("ini", "by-hand.ini",
            "key before any header=1\n; a comment\n[A] ; note\nKey = a=b\n=empty name\r\n"
            "[\rlone=1\r\n[A]\nx= 1e40\ny=  -7.5\nno equals here\n\n[]\n;x=2\n");
}

// Patches of the fuzz target's original (patchbase.h): of one file and of a folder, with items
// taken, carried, renumbered and a tail; then damaged ones.
void patches()
{
    const Bytes &base = fuzz::patchBase();
    Bytes changed = base;
    changed[2] = 7;                     // the first item renumbered
    changed[changed.size() - 1] = 0x59; // another stray byte
    changed.insert(changed.begin() + 39, {'P', 'A', 3, 0, 0, 0, 2, 0, 0, 0, 60, 0});
    const auto patchOf = [](const Bytes &from, const Bytes &to) {
        auto made = makePatch(from, to, "seed");
        if (!made) {
            std::cerr << made.error().text << '\n';
            std::exit(1);
        }
        return *made;
    };
    const Patch one = patchOf(base, changed);
    put("patch", "one-file.tpatch", writePatch(one));
    put("patch", "identical.tpatch", writePatch(patchOf(base, base)));
    put("patch", "not-an-animation.tpatch", writePatch(patchOf(base, Bytes{'P', 'K', 3, 4, 9})));

    Patch folder;
    folder.forFolder = true;
    folder.files.push_back(one.files.front());
    folder.files.back().name = "EANIM.QLM";
    folder.files.push_back(patchOf(Bytes{}, changed).files.front());
    folder.files.back().name = "sub/NEW.QLM";
    folder.files.back().isNew = true;
    put("patch", "folder.tpatch", writePatch(folder));

    const Bytes written = writePatch(one);
    put("patch", "cut.tpatch", Bytes(written.begin(), written.end() - 20));
    Bytes version = written;
    version[8] = 2;
    put("patch", "version-2.tpatch", version);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: tessa-make-corpus FOLDER\n";
        return 2;
    }
    g_root = argv[1];
    animations();
    bmps();
    palettes();
    settings();
    imports();
    patches();
    return 0;
}
