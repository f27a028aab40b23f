// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notice.h"

namespace tessa {

Notice Notice::error(std::int32_t number, std::string description, std::string location)
{
    Notice notice;
    notice.icon = Icon::Critical;
    notice.title = "Error";
    notice.text = "Error: " + std::to_string(number) + "\r\nDescription: " + description
                  + "\r\nLocation: " + location;
    notice.number = number;
    notice.description = std::move(description);
    notice.location = std::move(location);
    return notice;
}

namespace {

Notice makeNotice(Notice::Icon icon, std::string title, std::string text)
{
    Notice notice;
    notice.icon = icon;
    notice.title = std::move(title);
    notice.text = std::move(text);
    return notice;
}

} // namespace

Notice Notice::info(std::string text)
{
    return makeNotice(Icon::Information, kProgramTitle, std::move(text));
}

Notice Notice::plain(std::string text)
{
    return makeNotice(Icon::None, kProgramTitle, std::move(text));
}

Notice Notice::failure(std::string title, std::string text)
{
    return makeNotice(Icon::Critical, std::move(title), std::move(text));
}

Notice Notice::info(Phrase message)
{
    Notice notice = makeNotice(Icon::Information, kProgramTitle, message.english());
    notice.said = std::move(message);
    return notice;
}

Notice Notice::failure(std::string title, Phrase message)
{
    Notice notice = makeNotice(Icon::Critical, std::move(title), message.english());
    notice.said = std::move(message);
    return notice;
}

} // namespace tessa
