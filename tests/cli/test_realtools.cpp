// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Frames written by other programs with their default options (ImageMagick, Pillow, ffmpeg,
// GIMP; BMP, PNG and GIF), made at test time from a frame of our own, must come back index-exact
// through the BMP reader and `image FILE`, and with the right colours through `image FILE match`.
// Pillow, which decodes every file these tools write, says which indices and colours each holds.
// A test whose tool is missing is skipped, naming the tool.
#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "imaging/bmp.h"
#include "manifest.h"
#include "runtool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

using namespace tessa;

namespace {

using Bytes = std::vector<std::uint8_t>;

bool runs(const std::string &command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// A Python with Pillow: the one on the path, or the system's when the path has another.
std::string pillowPython()
{
    for (const char *python : {"python3", "/usr/bin/python3"}) {
        if (runs(std::string(python) + " -c 'import PIL'"))
            return python;
    }
    return {};
}

// Sixty colours of the main palette in bands and a noisy strip, so that RLE8 writers use
// runs and literal stretches alike.
Bytes sourceFrame()
{
    Bytes frame(kFrameSize);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            frame[std::size_t(y * 320 + x)] = std::uint8_t(
                    16 + (y >= 90 && y < 100 ? (x * 7 + y) % 60 : (x / 32 + y / 20 * 10) % 60));
    return frame;
}

const PaletteColors &mainColors()
{
    static const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    return colors;
}

std::vector<std::uint32_t> colorsOf(const Bytes &frame, const PaletteColors &palette)
{
    std::vector<std::uint32_t> colors;
    for (const std::uint8_t index : frame)
        colors.push_back(palette[index] & 0xFCFCFC);
    return colors;
}

// What Pillow reads from `path`: its 64000 indices and its palette.
struct Decoded
{
    Bytes indices;
    PaletteColors colors{};
};

Decoded decodeWithPillow(const std::string &python, const test::TempFolder &folder,
                         const std::string &path)
{
    const std::string script = folder.file("decode.py");
    test::writeText(script, "import sys\nfrom PIL import Image\n"
                            "im = Image.open(sys.argv[1])\n"
                            "assert im.mode == 'P', im.mode\n"
                            "open(sys.argv[2], 'wb').write(im.tobytes())\n"
                            "pal = im.getpalette() or []\n"
                            "open(sys.argv[3], 'wb').write(bytes((pal + [0] * 768)[:768]))\n");
    Decoded decoded;
    if (!runs(python + " " + test::shellQuoted(script) + " " + test::shellQuoted(path) + " "
              + test::shellQuoted(folder.file("d.idx")) + " "
              + test::shellQuoted(folder.file("d.pal"))))
        return decoded;
    decoded.indices = test::readBytes(folder.file("d.idx"));
    const Bytes pal = test::readBytes(folder.file("d.pal"));
    for (std::size_t i = 0; i < 256 && pal.size() == 768; ++i)
        decoded.colors[i] = colorFromRgb(pal[3 * i], pal[3 * i + 1], pal[3 * i + 2]);
    return decoded;
}

Expected<ItemList, Notice> buildOne(const test::TempFolder &folder, const std::string &line)
{
    test::writeText(folder.file("m.txt"), line + "\n");
    return loadManifest(folder.file("m.txt"), mainColors());
}

struct ToolFile
{
    const char *name;
    const char *tool; // the program that must be present
    std::string command;
    const char *file;
    bool indexed = true;
};

class RealTools : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::writeBytes(m_folder.file("src.bmp"),
                         AddBMPHeader(320, 200, sourceFrame(), mainColors()));
        ASSERT_TRUE(writeIndexedPng(m_folder.file("src.png"), sourceFrame(), mainColors()));
        m_python = pillowPython();
    }

    // Makes `file` with the tool; false (after a skip message) when the tool is missing.
    bool make(const ToolFile &file)
    {
        if (!runs(std::string("command -v ") + file.tool)) {
            std::cout << "skipped " << file.name << ": " << file.tool << " is not installed\n";
            return false;
        }
        EXPECT_TRUE(
                runs("cd " + test::shellQuoted(m_folder.path().string()) + " && " + file.command))
                << file.name;
        return true;
    }

    void checkIndexedFile(const ToolFile &file);

    test::TempFolder m_folder;
    std::string m_python;
};

void RealTools::checkIndexedFile(const ToolFile &file)
{
    const std::string path = m_folder.file(file.file);
    const Decoded reference = decodeWithPillow(m_python, m_folder, path);
    ASSERT_EQ(reference.indices.size(), std::size_t(kFrameSize)) << file.name;
    const auto source = colorsOf(sourceFrame(), mainColors());
    // The file holds the source's colours, under whatever indices the tool chose.
    ASSERT_EQ(colorsOf(reference.indices, reference.colors), source) << file.name;

    std::string result;
    if (std::string(file.file).ends_with(".bmp")) {
        const auto read = readFrameBmp(test::readBytes(path));
        ASSERT_TRUE(read) << file.name << ": " << read.error().text;
        EXPECT_EQ(read->pixels, reference.indices) << file.name;
        EXPECT_EQ(colorsOf(read->pixels, read->colors), source) << file.name;
        result = colorsDifferFromPalette(*read, mainColors()) ? "indices kept, colours differ"
                                                              : "index-exact";
    }
    const auto kept = buildOne(m_folder, std::string("image ") + file.file);
    ASSERT_TRUE(kept) << file.name << ": " << kept.error().text;
    if (result.empty()) {
        EXPECT_EQ(colorsOf(kept->front().Pixels, mainColors()), source) << file.name;
        result = kept->front().Pixels == reference.indices ? "index-exact" : "renumbered";
    } else {
        EXPECT_EQ(kept->front().Pixels, reference.indices) << file.name;
    }
    const auto matched = buildOne(m_folder, std::string("image ") + file.file + " match");
    ASSERT_TRUE(matched) << file.name << ": " << matched.error().text;
    EXPECT_EQ(colorsOf(matched->front().Pixels, mainColors()), source) << file.name;
    std::cout << "real-tool file | " << file.name << " | " << result << " | match: colours exact\n";
}

} // namespace

TEST_F(RealTools, IndexedFilesComeBackExactly)
{
    if (m_python.empty())
        GTEST_SKIP() << "Pillow (python3-pil) is not installed: it decodes the reference";
    const std::string gimp =
            "HOME=\"$PWD\" gimp -i -d -f --batch-interpreter plug-in-script-fu-eval -b "
            "'(let* ((image (car (gimp-file-load RUN-NONINTERACTIVE \"src.bmp\" \"src.bmp\"))) "
            "(drawable (car (gimp-image-get-active-layer image)))) (file-bmp-save "
            "RUN-NONINTERACTIVE image drawable \"gimp.bmp\" \"gimp.bmp\"))' -b '(gimp-quit 0)' "
            "</dev/null";
    const std::string pil = m_python + " -c \"from PIL import Image; im = Image.open('src.bmp'); ";
    const ToolFile files[] = {
            {"ImageMagick BMP (BMP4, RLE8)", "convert", "convert src.png -type Palette im.bmp",
             "im.bmp"},
            {"ImageMagick BMP3 (RLE8)", "convert", "convert src.png -type Palette BMP3:im3.bmp",
             "im3.bmp"},
            {"ImageMagick BMP3 uncompressed", "convert",
             "convert src.png -type Palette -compress None BMP3:im3n.bmp", "im3n.bmp"},
            {"ImageMagick PNG8", "convert", "convert src.bmp PNG8:im8.png", "im8.png"},
            {"Pillow BMP of mode P", "true", pil + "im.save('pil.bmp')\"", "pil.bmp"},
            {"Pillow PNG of mode P", "true", pil + "im.save('pil.png')\"", "pil.png"},
            {"Pillow PNG renumbered", "true",
             pil + "im.remap_palette(list(range(255, -1, -1))).save('pilr.png')\"", "pilr.png"},
            {"Pillow BMP renumbered", "true",
             pil + "im.remap_palette(list(range(255, -1, -1))).save('pilr.bmp')\"", "pilr.bmp"},
            {"ffmpeg BMP pal8", "ffmpeg",
             "ffmpeg -loglevel error -y -i src.png -pix_fmt pal8 ff.bmp", "ff.bmp"},
            {"ffmpeg PNG pal8", "ffmpeg",
             "ffmpeg -loglevel error -y -i src.png -pix_fmt pal8 ff.png", "ff.png"},
            {"GIMP BMP of an indexed image", "gimp", gimp, "gimp.bmp"},
            // GIF is indexed by nature; Qt's reader gives colours, giflib the indices.
            {"ImageMagick GIF", "convert", "convert src.png im.gif", "im.gif"},
            {"ImageMagick GIF interlaced", "convert", "convert src.png -interlace GIF imi.gif",
             "imi.gif"},
            {"Pillow GIF of mode P", "true", pil + "im.save('pil.gif')\"", "pil.gif"},
            {"ffmpeg GIF", "ffmpeg", "ffmpeg -loglevel error -y -i src.png ff.gif", "ff.gif"},
    };
    for (const ToolFile &file : files) {
        if (make(file))
            checkIndexedFile(file);
    }
}

TEST_F(RealTools, TruecolourFilesAreMatchedToTheRightColours)
{
    const ToolFile files[] = {
            {"ImageMagick BMP 24-bit", "convert", "convert src.png -type TrueColor BMP3:t.bmp",
             "t.bmp", false},
            {"ImageMagick PNG24", "convert", "convert src.png PNG24:t.png", "t.png", false},
            {"ffmpeg PNG rgb24", "ffmpeg",
             "ffmpeg -loglevel error -y -i src.png -pix_fmt rgb24 tf.png", "tf.png", false},
    };
    const auto source = colorsOf(sourceFrame(), mainColors());
    for (const ToolFile &file : files) {
        if (!make(file))
            continue;
        EXPECT_FALSE(buildOne(m_folder, std::string("image ") + file.file)) << file.name;
        for (const char *rule : {" match", " dither"}) {
            const auto matched = buildOne(m_folder, std::string("image ") + file.file + rule);
            ASSERT_TRUE(matched) << file.name << ": " << matched.error().text;
            EXPECT_EQ(colorsOf(matched->front().Pixels, mainColors()), source) << file.name << rule;
        }
        std::cout << "real-tool file | " << file.name
                  << " | image FILE refused | match, dither: colours exact\n";
    }
}
