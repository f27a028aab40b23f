// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolsettings.h"

#include "language/uilanguage.h"
#include "settings/clsini.h"

namespace tessa {

namespace {

constexpr const char *kToolsSection = "Tools";
constexpr const char *kImageEditorKey = "ImageEditor";
constexpr const char *kImageFormatKey = "ImageFormat";

} // namespace

QString imageFormatName(ToolPreferences::ImageFormat format)
{
    return QLatin1String(format == ToolPreferences::ImageFormat::Bmp ? "bmp" : "png");
}

ToolPreferences readToolPreferences(const clsINI &settings)
{
    ToolPreferences tools;
    tools.imageEditor =
            QString::fromStdString(settings.ReadString(kToolsSection, kImageEditorKey, ""));
    const QString format =
            QString::fromStdString(settings.ReadString(kToolsSection, kImageFormatKey, "png"));
    if (format.trimmed().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        tools.imageFormat = ToolPreferences::ImageFormat::Bmp;
    tools.language =
            QString::fromStdString(settings.ReadString(kLanguageSection, kLanguageKey, ""));
    return tools;
}

void writeToolPreferences(clsINI &settings, const ToolPreferences &current,
                          const ToolPreferences &chosen)
{
    if (chosen.imageEditor != current.imageEditor)
        settings.WriteValue(kToolsSection, kImageEditorKey, chosen.imageEditor.toStdString());
    if (chosen.imageFormat != current.imageFormat)
        settings.WriteValue(kToolsSection, kImageFormatKey,
                            imageFormatName(chosen.imageFormat).toStdString());
    if (chosen.language != current.language)
        settings.WriteValue(kLanguageSection, kLanguageKey, chosen.language.toStdString());
}

} // namespace tessa
