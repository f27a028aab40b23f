// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace tessa {

// The texts of a window that stays open while the language changes: each is set at once and set
// again whenever Qt tells the window of a new language. Texts of dialogs that are made anew each
// time they are shown need none of this.
class LiveTexts : public QObject
{
public:
    // Watches `window` (which owns this) for changes of language.
    explicit LiveTexts(QWidget *window);

    // Calls `apply` now and after each change of language.
    void add(std::function<void()> apply);
    // Calls `apply` after each change of language only: for texts that their own code sets.
    void onChange(std::function<void()> apply);

    // Gives `target` the text `text()` now and after each change of language: the text of an
    // action, a label or a button, the title of a menu or a group box. Returns `target`.
    template<typename Target, typename Text>
    Target *set(Target *target, Text text)
    {
        QPointer<Target> guarded(target);
        add([guarded, text] {
            if (guarded)
                setShownText(guarded.data(), text());
        });
        return target;
    }

    // The same for a window's title.
    void title(QWidget *window, std::function<QString()> text);
    // The same for a tooltip.
    void toolTip(QObject *target, std::function<QString()> text);

    // Sets every text again, as on a change of language.
    void applyAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Sets the text of whatever `target` is (see set()).
    static void setShownText(QObject *target, const QString &text);

    QWidget *m_window;
    std::vector<std::function<void()>> m_appliers;
};

} // namespace tessa
