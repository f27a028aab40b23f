// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rememberedfolders.h"

#include "settings/clsini.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace tessa {

namespace {

struct Place
{
    const char *section;
    const char *key;
};

// Where each folder is written, in the order of RememberedFolders::Folder.
constexpr std::array<Place, 5> kPlaces = {{{"Paths", "AnimationPath"},
                                           {"Paths", "ExportPath"},
                                           {"Paths", "ImportPath"},
                                           {"Paths", "PalettePath"},
                                           {"Movie", "MoviePath"}}};

const Place &placeOf(RememberedFolders::Folder which)
{
    return kPlaces[static_cast<std::size_t>(which)];
}

} // namespace

RememberedFolders::RememberedFolders(clsINI &settings)
    : m_settings(settings)
{
}

void RememberedFolders::read(const QString &programFolder)
{
    for (std::size_t i = 0; i < kPlaces.size(); ++i) {
        this->*variable(Folder(i)) = QString::fromStdString(m_settings.ReadString(
                kPlaces[i].section, kPlaces[i].key, programFolder.toStdString()));
    }
}

QString RememberedFolders::*RememberedFolders::variable(Folder which)
{
    static constexpr std::array<QString RememberedFolders::*, kPlaces.size()> kVariables = {
            &RememberedFolders::AnimationPath, &RememberedFolders::ExportPath,
            &RememberedFolders::ImportPath, &RememberedFolders::PalettePath,
            &RememberedFolders::MoviePath};
    return kVariables[static_cast<std::size_t>(which)];
}

const QString &RememberedFolders::folder(Folder which) const
{
    return this->*variable(which);
}

void RememberedFolders::remember(Folder which, const QString &folder)
{
    QString &remembered = this->*variable(which);
    remembered = QDir::toNativeSeparators(folder);
    m_settings.WriteValue(placeOf(which).section, placeOf(which).key, remembered.toStdString());
}

QString RememberedFolders::forAddition(Folder which, const QString &documentFile) const
{
    // A character no settings file holds: the key was never written.
    static const std::string kNotThere(1, '\0');
    const Place &place = placeOf(which);
    if (m_settings.ReadString(place.section, place.key, kNotThere) != kNotThere)
        return folder(which);
    const QString documentFolder = QFileInfo(documentFile).absolutePath();
    if (!documentFile.isEmpty() && QFileInfo(documentFolder).isDir())
        return QDir::toNativeSeparators(documentFolder);
    return folder(which);
}

} // namespace tessa
