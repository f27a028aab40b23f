// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tessa-preview-sound ANIMATION SOUND_FOLDER PATTERN: the preview window playing ANIMATION once
// from its start, as View > Play does, with its sound cues played from SOUND_FOLDER by the system's
// sound output, in real time; it quits a second after the end, when the last sound has played.
// check_preview_sound.py records what the system plays meanwhile. Prints each cue as it is
// played ("cue 2 at tick 35"), "end" at the end, and any note the window shows, which a run with
// sound has none of.
#include "document/animfile.h"
#include "editor/scripteddialogs.h"
#include "imaging/palette.h"
#include "playback/player.h"
#include "playback/previewwindow.h"
#include "settings/clsini.h"
#include "settings/playbacksettings.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace tessa;

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: tessa-preview-sound ANIMATION SOUND_FOLDER PATTERN\n");
        return 2;
    }
    const Expected<ItemList, Notice> items = loadAnimation(argv[1]);
    if (!items) {
        std::fprintf(stderr, "%s\n", items.error().text.c_str());
        return 1;
    }
    QTemporaryDir settingsFolder;
    clsINI settings;
    settings.LoadINI(QDir(settingsFolder.path()).filePath("studio.ini").toStdString());
    PlaybackSettings playback(settings);
    playback.setSoundFolder(argv[2]);
    playback.setSoundPattern(argv[3]);

    test::ScriptedDialogs dialogs;
    PreviewWindow window([&items]() -> const ItemList & { return *items; }, settings, dialogs);
    window.setPaletteColors(paletteColorsFromData(builtInPalette(0)));
    Player &player = window.player();
    QObject::connect(&player, &Player::soundCue, [&player](const SoundCue &cue) {
        std::printf("cue %d at tick %lld\n", int(cue.number), static_cast<long long>(cue.tick));
        std::fflush(stdout);
    });
    int notes = 0;
    QObject::connect(&player, &Player::soundCue, [&window, &notes](const SoundCue &) {
        // The window shows a note at once when a cue cannot be played.
        if (!window.noteText().isEmpty()) {
            std::printf("note: %s\n", qPrintable(window.noteText()));
            std::fflush(stdout);
            ++notes;
        }
    });
    QObject::connect(&player, &Player::finished, &application, [&application] {
        std::printf("end\n");
        std::fflush(stdout);
        // exit, not quit: quit asks the windows first, and the preview keeps itself open.
        QTimer::singleShot(1000, &application, [] { QApplication::exit(0); });
    });
    window.playFrom(0);
    const int status = application.exec();
    return status != 0 ? status : notes != 0 ? 1 : 0;
}
