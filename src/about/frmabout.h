// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessa {

class Dialogs;
class clsMouseEvents;

// The About box: name, version, description, disclaimer, and two links (web site and e-mail)
// that show the hand pointer and open their address on a press with any mouse button.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // `dialogs` opens the addresses and must outlive the box.
    frmAbout(Dialogs &dialogs, const QIcon &icon, QWidget *owner = nullptr);
    ~frmAbout() override;

    static QString webSiteAddress();
    static QString emailAddress();

    QLabel *imgIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    std::array<QLabel *, 2> lbl{};
    QLineEdit *txtWebSite = nullptr;
    QLineEdit *txtEmail = nullptr;
    QPushButton *cmdOK = nullptr;
    std::array<QFrame *, 2> Line1{};

    clsMouseEvents *SiteMouseEvent = nullptr;
    clsMouseEvents *EmailMouseEvent = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load(const QIcon &icon);
    QLineEdit *makeLink(const QString &text);
    // What a press on a link opens: the web address as it is, "mailto:" and the e-mail address.
    QString addressOf(const QLineEdit *link) const;

    Dialogs &m_dialogs;
};

} // namespace tessa
