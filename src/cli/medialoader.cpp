// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tessanim's image functions, forwarded to the module that holds them, loaded at the first use.
#include "mediafunctions.h"

#include "imaging/bmp.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace tessa {

namespace {

struct LoadedModule
{
    const MediaFunctions *functions = nullptr;
    std::string failure; // why functions is null
};

// Beside the program in the build folder; in the library folder once installed.
LoadedModule loadModule()
{
    std::error_code error;
    const fs::path programFolder = fs::read_symlink("/proc/self/exe", error).parent_path();
    if (error)
        return {nullptr, "but the folder of tessanim is unknown (" + error.message() + ")"};
    std::string failures;
    for (const fs::path &path :
         {programFolder / "tessanim-media.so", programFolder / TESSA_MEDIA_MODULE_FROM_PROGRAM}) {
        if (!fs::exists(path, error))
            continue;
        void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            failures += std::string(failures.empty() ? "" : "; ") + dlerror();
            continue;
        }
        using Entry = const MediaFunctions *(*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(module, "tessanimMediaFunctions"));
        const MediaFunctions *functions = entry ? entry() : nullptr;
        if (functions && std::strcmp(functions->version, TESSA_VERSION) == 0)
            return {functions, {}}; // kept loaded until the program ends
        failures += std::string(failures.empty() ? "" : "; ") + path.string()
                    + " is not the module of tessanim " + TESSA_VERSION;
        dlclose(module);
    }
    if (failures.empty())
        failures = "tessanim-media.so is not installed beside tessanim";
    return {nullptr, "which tessanim could not load: " + failures};
}

const LoadedModule &module()
{
    static const LoadedModule loaded = loadModule();
    return loaded;
}

} // namespace

Expected<std::vector<std::uint8_t>, Notice> manifestImagePixels(std::span<const std::uint8_t> file,
                                                                const std::string &path,
                                                                ImageColors colors,
                                                                const PaletteColors &palette)
{
    // BMP frames taken by their indices, which most manifests hold, need no module.
    if (colors == ImageColors::Keep && file.size() >= 2 && file[0] == 'B' && file[1] == 'M')
        return RemoveBMPHeader(file);
    if (!module().functions)
        return mediaRefusal("Reading the image \"" + path + "\"", module().failure);
    return module().functions->imagePixels(file, path, colors, palette);
}

Expected<Done, Notice> writeFramePng(const std::string &path, std::span<const std::uint8_t> pixels,
                                     const PaletteColors &colors)
{
    if (!module().functions)
        return mediaRefusal("Writing the PNG file \"" + path + "\"", module().failure);
    return module().functions->framePng(path, pixels, colors);
}

CommandResult renderItems(const ItemList &items, const std::string &outPath,
                          const PaletteColors &colors, const RenderChoices &choices,
                          std::ostream &warnings, const std::function<bool()> &goOn)
{
    if (!module().functions)
        return mediaRefusal("Writing the movie \"" + outPath + "\"", module().failure);
    return module().functions->render(items, outPath, colors, choices, warnings, goOn);
}

CommandResult encodeCommand(const std::string &moviePath, const std::string &outPath,
                            const EncodeChoices &choices)
{
    if (!module().functions)
        return mediaRefusal("Encoding the movie \"" + moviePath + "\"", module().failure);
    return module().functions->encode(moviePath, outPath, choices);
}

Expected<std::vector<std::uint8_t>, Notice>
manifestMovieAnimation(const std::string &path, const EncodeChoices &choices,
                       const PaletteColors &palette, const std::function<bool()> &goOn)
{
    if (!module().functions)
        return mediaRefusal("Encoding the movie \"" + path + "\"", module().failure);
    return module().functions->movieAnimation(path, choices, palette, goOn);
}

} // namespace tessa
