// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripteddialogs.h"

#include <gtest/gtest.h>

namespace tessa::test {

ScriptedDialogs::~ScriptedDialogs()
{
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted answers were never asked for";
    EXPECT_TRUE(m_matchAnswers.empty())
            << m_matchAnswers.size() << " scripted previews were never shown";
    EXPECT_TRUE(m_preferenceAnswers.empty())
            << m_preferenceAnswers.size() << " scripted preferences were never asked for";
    EXPECT_TRUE(m_movieAnswers.empty())
            << m_movieAnswers.size() << " scripted movie imports were never asked for";
    EXPECT_TRUE(m_soundAnswers.empty())
            << m_soundAnswers.size() << " scripted sound imports were never asked for";
}

std::optional<ImportSoundChoice> ScriptedDialogs::importSound(QWidget *,
                                                              const ImportSoundRequest &request)
{
    soundRequests.push_back(request);
    if (m_soundAnswers.empty()) {
        ADD_FAILURE() << "unexpected Import Sound dialog of " << request.path.toStdString();
        return std::nullopt;
    }
    const auto answer = std::move(m_soundAnswers.front());
    m_soundAnswers.pop_front();
    return answer(request);
}

std::optional<MovieImportChoice> ScriptedDialogs::importMovie(QWidget *,
                                                              const MovieImportRequest &request)
{
    movieRequests.push_back(request);
    if (m_movieAnswers.empty()) {
        ADD_FAILURE() << "unexpected Import Movie dialog of " << request.path.toStdString();
        return std::nullopt;
    }
    const auto chosen = m_movieAnswers.front();
    m_movieAnswers.pop_front();
    return chosen;
}

std::optional<ToolPreferences> ScriptedDialogs::editPreferences(QWidget *,
                                                                const ToolPreferences &current)
{
    preferencesShown.push_back(current);
    if (m_preferenceAnswers.empty()) {
        ADD_FAILURE() << "unexpected Preferences dialog";
        return std::nullopt;
    }
    const bool accepted = m_preferenceAnswers.front().has_value();
    const ToolPreferences chosen = m_preferenceAnswers.front().value_or(ToolPreferences{});
    m_preferenceAnswers.pop_front();
    if (!accepted)
        return std::nullopt;
    return chosen;
}

std::optional<std::vector<std::uint8_t>> ScriptedDialogs::matchImage(QWidget *,
                                                                     const ImportRequest &request)
{
    matchRequests.push_back(request);
    if (m_matchAnswers.empty()) {
        ADD_FAILURE() << "unexpected Import Image preview of " << request.path.toStdString();
        return std::nullopt;
    }
    const auto options = m_matchAnswers.front();
    m_matchAnswers.pop_front();
    if (!options)
        return std::nullopt;
    auto matched = tessa::matchImage(request.image, request.palette, request.previous, *options,
                                     request.sizeInFile);
    if (!matched) {
        ADD_FAILURE() << "the scripted options gave no frame: " << matched.error().text;
        return std::nullopt;
    }
    return std::move(matched->pixels);
}

std::optional<ScriptedDialogs::Scripted> ScriptedDialogs::next(DialogCall::Kind kind)
{
    if (m_answers.empty() || m_answers.front().kind != kind) {
        ADD_FAILURE() << "unexpected dialog of kind " << int(kind) << ": "
                      << calls.back().title.toStdString() << " / "
                      << calls.back().text.toStdString();
        return std::nullopt;
    }
    Scripted answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedDialogs::record(DialogCall call)
{
    call.progressOpen = openProgress > 0;
    calls.push_back(std::move(call));
    if (onAsk)
        onAsk(calls.back());
}

std::vector<DialogCall> ScriptedDialogs::callsOf(DialogCall::Kind kind) const
{
    std::vector<DialogCall> found;
    for (const DialogCall &call : calls) {
        if (call.kind == kind)
            found.push_back(call);
    }
    return found;
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const DialogCall &call : callsOf(DialogCall::Kind::Message))
        texts << call.text;
    return texts;
}

QString ScriptedDialogs::ShowOpenDialog(QWidget *, const QString &filter, const QString &title,
                                        const QString &initialFolder,
                                        const QString &initialFileName, int &)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Open;
    call.title = title;
    call.filter = filter;
    call.initialFolder = initialFolder;
    call.initialName = initialFileName;
    record(std::move(call));
    const auto answer = next(DialogCall::Kind::Open);
    return answer ? answer->text : QString();
}

QStringList ScriptedDialogs::ShowOpenFilesDialog(QWidget *, const QString &filter,
                                                 const QString &title, const QString &initialFolder,
                                                 int &filterIndex)
{
    // Recorded as an open dialog; the answer's lines are the files chosen.
    const QString text =
            ShowOpenDialog(nullptr, filter, title, initialFolder, QString(), filterIndex);
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

QString ScriptedDialogs::ShowSaveDialog(QWidget *, const QString &filter, const QString &title,
                                        const QString &initialFolder,
                                        const QString &defaultExtension,
                                        const QString &initialFileName, int &)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Save;
    call.title = title;
    call.filter = filter;
    call.initialFolder = initialFolder;
    call.initialName = initialFileName;
    call.defaultExtension = defaultExtension;
    record(std::move(call));
    const auto answer = next(DialogCall::Kind::Save);
    return answer ? answer->text : QString();
}

QString ScriptedDialogs::BrowseForFolder(const QString &initialFolder, QWidget *,
                                         const QString &title, bool)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Folder;
    call.title = title;
    call.initialFolder = initialFolder;
    record(std::move(call));
    const auto answer = next(DialogCall::Kind::Folder);
    return answer ? answer->text : QString();
}

Dialogs::Answer ScriptedDialogs::messageBox(QWidget *, const QString &text, const QString &title,
                                            Icon icon, Buttons buttons)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Message;
    call.title = title;
    call.text = text;
    call.icon = icon;
    call.buttons = buttons;
    record(std::move(call));
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    const auto answer = next(DialogCall::Kind::Message);
    return answer ? answer->answer : Answer::Cancel;
}

int ScriptedDialogs::chooseItem(QWidget *, const QString &title, const QString &label,
                                const QStringList &choices)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Choice;
    call.title = title;
    call.text = label;
    call.choices = choices;
    record(std::move(call));
    const auto answer = next(DialogCall::Kind::Choice);
    return answer ? answer->text.toInt() : -1;
}

std::optional<QString> ScriptedDialogs::inputBox(QWidget *, const QString &prompt,
                                                 const QString &title, const QString &defaultText)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Input;
    call.title = title;
    call.text = prompt;
    call.initialName = defaultText;
    record(std::move(call));
    const auto answer = next(DialogCall::Kind::Input);
    if (!answer || answer->cancelled)
        return std::nullopt;
    return answer->text;
}

void ScriptedDialogs::runModal(QDialog &dialog)
{
    if (onModal)
        onModal(dialog);
}

std::unique_ptr<Dialogs::Progress> ScriptedDialogs::progress(QWidget *, const QString &text,
                                                             const QString &title, int)
{
    class Scripted : public Progress
    {
    public:
        explicit Scripted(ScriptedDialogs &owner)
            : m_owner(owner)
        {
            ++m_owner.openProgress;
        }
        ~Scripted() override { --m_owner.openProgress; }
        void setValue(int value) override { m_owner.progressValues.push_back(value); }
        bool wasCancelled() override
        {
            return m_owner.cancelProgressAfter >= 0
                   && int(m_owner.progressValues.size()) >= m_owner.cancelProgressAfter;
        }

    private:
        ScriptedDialogs &m_owner;
    };
    progressTitles << title;
    progressTexts << text;
    return std::make_unique<Scripted>(*this);
}

} // namespace tessa::test
