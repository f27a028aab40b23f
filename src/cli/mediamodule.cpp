// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The module tessanim loads for PNG files, colour matching and movies.
#include "mediafunctions.h"

extern "C" __attribute__((visibility("default"))) const tessa::MediaFunctions *
tessanimMediaFunctions()
{
    static const tessa::MediaFunctions functions{
            TESSA_VERSION,        &tessa::manifestImagePixels, &tessa::writeFramePng,
            &tessa::renderItems,  &tessa::encodeCommand,       &tessa::manifestMovieAnimation,
            &tessa::soundCommand, &tessa::writeSoundFile};
    return &functions;
}
