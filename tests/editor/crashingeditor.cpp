// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An editor that is killed in the middle of editing: it opens ANIM.QLM in the folder it is
// given, changes it, waits until its recovery copy has been written, writes what it shows to
// ONSCREEN.QLM beside it, and kills itself with SIGKILL, or on Windows ends as a crash does
// (no clean-up of any kind can run).
#include "document/animfile.h"
#include "editor/application.h"
#include "editor/frm.h"
#include "editor/itemlistview.h"
#include "editor/recoverykeeper.h"
#include "scripteddialogs.h"
#include "tempfolder.h"

#include <QApplication>
#include <QElapsedTimer>

#include <csignal>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace tessa;

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    describeApplication();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    StudioPaths paths{folder, folder + "/studio.ini", folder + "/recovery", folder + "/editing", {},
                      {}};
    test::ScriptedDialogs dialogs;
    frm window(dialogs, paths);

    dialogs.answerOpen(folder + "/ANIM.QLM");
    window.mnuFileOpen->trigger();
    window.lst->setCurrentRow(window.lst->count() - 1);
    dialogs.answerInput(QStringLiteral("7.5"));
    window.mnuProjectAdd[3]->trigger(); // Pause: 7.5, stored as 8
    window.lst->setCurrentRow(1);
    window.mnuEditMoveDown->trigger();
    window.lst->setCurrentRow(0);
    window.mnuEditDuplicate->trigger();

    // The copy is written a moment after the last change, by the window's own timer.
    QElapsedTimer waited;
    waited.start();
    while (window.recovery().isWaiting() && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::cout << "copy written after " << waited.elapsed() << " ms, in "
              << window.recovery().lastWriteMs() << " ms" << std::endl;

    auto shown = writeAnimation(window.items());
    if (!shown)
        return 3;
    test::writeBytes((folder + "/ONSCREEN.QLM").toStdString(), *shown);
#ifdef _WIN32
    // An access violation's status, which is how a crash ends a Windows process.
    TerminateProcess(GetCurrentProcess(), 0xC0000005);
#else
    std::raise(SIGKILL);
#endif
    return 4;
}
