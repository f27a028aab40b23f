// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace tessa::test {

// One question the window asked, as it asked it.
struct DialogCall
{
    enum class Kind { Open, Save, Folder, Message, Input, Choice };

    Kind kind;
    QString title;
    QString text; // message text or input prompt
    QString filter;
    QString initialFolder;
    QString initialName; // file name, or default text of an input box
    QStringList choices; // of a choice
    QString defaultExtension;
    Dialogs::Icon icon = Dialogs::Icon::None;
    Dialogs::Buttons buttons = Dialogs::Buttons::Ok;
    bool progressOpen = false; // asked while a progress box was still up
};

// Dialogs answered from a script. Every file, folder and input dialog and every Yes/No/Cancel
// box takes the next scripted answer, which must be of its kind (a test fails otherwise, and
// the dialog is cancelled). Boxes with only OK are answered at once. Everything asked is kept
// in `calls`.
class ScriptedDialogs : public Dialogs
{
public:
    ~ScriptedDialogs() override;

    void answerOpen(const QString &path) { m_answers.push_back({DialogCall::Kind::Open, path}); }
    // The files an open dialog for several files gives; none for Cancel.
    void answerOpenFiles(const QStringList &paths)
    {
        m_answers.push_back({DialogCall::Kind::Open, paths.join(QLatin1Char('\n'))});
    }
    void answerSave(const QString &path) { m_answers.push_back({DialogCall::Kind::Save, path}); }
    void answerFolder(const QString &path)
    {
        m_answers.push_back({DialogCall::Kind::Folder, path});
    }
    void answerMessage(Answer answer)
    {
        m_answers.push_back({DialogCall::Kind::Message, {}, answer});
    }
    void answerInput(std::optional<QString> text)
    {
        m_answers.push_back(
                {DialogCall::Kind::Input, text.value_or(QString()), Answer::Ok, !text.has_value()});
    }

    // The index to choose (-1: cancel).
    void answerChoice(int index)
    {
        m_answers.push_back({DialogCall::Kind::Choice, QString::number(index)});
    }

    // Answers the next Import Image preview by matching with `options`, or cancels it.
    void answerMatch(std::optional<MatchOptions> options)
    {
        m_matchAnswers.push_back(std::move(options));
    }
    // The requests the previews were shown, in order.
    std::vector<ImportRequest> matchRequests;

    // Answers the next Import Movie dialog with `chosen`, or cancels it.
    void answerMovie(std::optional<MovieImportChoice> chosen)
    {
        m_movieAnswers.push_back(std::move(chosen));
    }
    // The requests the Import Movie dialogs were shown, in order.
    std::vector<MovieImportRequest> movieRequests;

    // Answers the next Import Sound dialog with `chosen`, or cancels it; `answer`, when given,
    // chooses from the request instead (the number it offers, say).
    void answerSound(std::optional<ImportSoundChoice> chosen)
    {
        m_soundAnswers.push_back([chosen](const ImportSoundRequest &) { return chosen; });
    }
    void
    answerSound(std::function<std::optional<ImportSoundChoice>(const ImportSoundRequest &)> answer)
    {
        m_soundAnswers.push_back(std::move(answer));
    }
    // The requests the Import Sound dialogs were shown, in order.
    std::vector<ImportSoundRequest> soundRequests;

    // Answers the next Edit > Preferences with `chosen`, or cancels it.
    void answerPreferences(std::optional<ToolPreferences> chosen)
    {
        m_preferenceAnswers.push_back(std::move(chosen));
    }
    // What each Preferences dialog showed, in order.
    std::vector<ToolPreferences> preferencesShown;

    bool allAnswered() const
    {
        return m_answers.empty() && m_matchAnswers.empty() && m_preferenceAnswers.empty()
               && m_movieAnswers.empty() && m_soundAnswers.empty();
    }

    // The calls of one kind, in order.
    std::vector<DialogCall> callsOf(DialogCall::Kind kind) const;
    // Message-box texts, in order.
    QStringList messages() const;

    std::vector<DialogCall> calls;
    int beeps = 0;
    QStringList openedAddresses;
    // Called with the program's own modal dialogs (the About box) instead of running them.
    std::function<void(QDialog &)> onModal;
    // Called as each question is asked, before it is answered: a look at the window meanwhile.
    std::function<void(const DialogCall &)> onAsk;

    QString ShowOpenDialog(QWidget *owner, const QString &filter, const QString &title,
                           const QString &initialFolder, const QString &initialFileName,
                           int &filterIndex) override;
    QStringList ShowOpenFilesDialog(QWidget *owner, const QString &filter, const QString &title,
                                    const QString &initialFolder, int &filterIndex) override;
    QString ShowSaveDialog(QWidget *owner, const QString &filter, const QString &title,
                           const QString &initialFolder, const QString &defaultExtension,
                           const QString &initialFileName, int &filterIndex) override;
    QString BrowseForFolder(const QString &initialFolder, QWidget *owner, const QString &title,
                            bool newStyle) override;
    Answer messageBox(QWidget *owner, const QString &text, const QString &title, Icon icon,
                      Buttons buttons) override;
    std::optional<QString> inputBox(QWidget *owner, const QString &prompt, const QString &title,
                                    const QString &defaultText) override;
    int chooseItem(QWidget *owner, const QString &title, const QString &label,
                   const QStringList &choices) override;
    std::optional<std::vector<std::uint8_t>> matchImage(QWidget *owner,
                                                        const ImportRequest &request) override;
    std::optional<MovieImportChoice> importMovie(QWidget *owner,
                                                 const MovieImportRequest &request) override;
    std::optional<ImportSoundChoice> importSound(QWidget *owner,
                                                 const ImportSoundRequest &request) override;
    void runModal(QDialog &dialog) override;
    void beep() override { ++beeps; }
    // The progress box reports a cancel once it has been given `cancelProgressAfter` values
    // (never while it is -1); every value given is kept in `progressValues`.
    std::unique_ptr<Progress> progress(QWidget *owner, const QString &text, const QString &title,
                                       int maximum) override;
    int cancelProgressAfter = -1;
    int openProgress = 0; // progress boxes not closed yet
    QStringList progressTitles;
    QStringList progressTexts;
    std::vector<int> progressValues;
    void openAddress(const QString &address) override { openedAddresses << address; }
    // Files handed to the system's default program are kept in `openedFiles`; whether one
    // takes them is `defaultProgramFound`.
    bool openFile(const QString &path) override
    {
        openedFiles << path;
        return defaultProgramFound;
    }
    QStringList openedFiles;
    bool defaultProgramFound = true;
    std::optional<ToolPreferences> editPreferences(QWidget *owner,
                                                   const ToolPreferences &current) override;

private:
    struct Scripted
    {
        DialogCall::Kind kind;
        QString text;
        Answer answer = Answer::Ok;
        bool cancelled = false;
    };

    std::optional<Scripted> next(DialogCall::Kind kind);
    void record(DialogCall call);

    std::deque<Scripted> m_answers;
    std::deque<std::optional<MatchOptions>> m_matchAnswers;
    std::deque<std::optional<ToolPreferences>> m_preferenceAnswers;
    std::deque<std::optional<MovieImportChoice>> m_movieAnswers;
    std::deque<std::function<std::optional<ImportSoundChoice>(const ImportSoundRequest &)>>
            m_soundAnswers;
};

} // namespace tessa::test
