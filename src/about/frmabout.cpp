// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include "clsmouseevents.h"
#include "document/notice.h"
#include "links.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace tessa {

namespace {

QFrame *makeLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

frmAbout::frmAbout(Dialogs &dialogs, const QIcon &icon, QWidget *owner)
    : QDialog(owner)
    , m_dialogs(dialogs)
{
    imgIcon = new QLabel(this);
    imgIcon->setFixedSize(48, 48);
    lblTitle = new QLabel(QString::fromLatin1(kProgramTitle), this);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(tr("Version"), this);
    lblDescription =
            new QLabel(tr("Tessarine Animation Studio is a Windows editor for the animation "
                          "files found in Tessarine: Cindrel and Orvalis."),
                       this);
    lblDescription->setWordWrap(true);
    lblDisclaimer = new QLabel(
            tr("Warning: Not responsible for any lost data.  Be sure to make back up copies."),
            this);
    lblDisclaimer->setWordWrap(true);
    lbl[0] = new QLabel(tr("website:"), this);
    lbl[1] = new QLabel(tr("email:"), this);
    txtWebSite = makeLink(webSiteAddress());
    txtEmail = makeLink(emailAddress());
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    Line1[0] = makeLine(this);
    Line1[1] = makeLine(this);

    auto *heading = new QVBoxLayout;
    heading->addWidget(lblTitle);
    heading->addWidget(lblVersion);
    heading->addWidget(lblDescription);
    auto *top = new QHBoxLayout;
    top->addWidget(imgIcon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(heading, 1);
    auto *links = new QGridLayout;
    links->addWidget(lbl[0], 0, 0);
    links->addWidget(txtWebSite, 0, 1);
    links->addWidget(lbl[1], 1, 0);
    links->addWidget(txtEmail, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Line1[0]);
    layout->addWidget(lblDisclaimer);
    layout->addWidget(Line1[1]);
    layout->addLayout(links);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(380);

    Form_Load(icon);
}

frmAbout::~frmAbout() = default;

QString frmAbout::webSiteAddress()
{
    return QStringLiteral("https://tessarine-studio.org/");
}

QString frmAbout::emailAddress()
{
    return QStringLiteral("studio@tessarine-studio.org");
}

void frmAbout::Form_Load(const QIcon &icon)
{
    setWindowIcon(icon);
    imgIcon->setPixmap(icon.pixmap(48, 48));
    setWindowTitle(tr("About %1").arg(QString::fromLatin1(kProgramTitle)));
    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(TESSA_VERSION));
    lblVersion->setText(tr("Version %1.%2.%3")
                                .arg(version.majorVersion())
                                .arg(version.minorVersion())
                                .arg(version.microVersion()));
    // Owned by the box: watching ends, and the links are released, when it closes.
    SiteMouseEvent = new clsMouseEvents(this);
    EmailMouseEvent = new clsMouseEvents(this);
    SiteMouseEvent->SubClass(txtWebSite);
    EmailMouseEvent->SubClass(txtEmail);
    for (clsMouseEvents *events : {SiteMouseEvent, EmailMouseEvent}) {
        QLineEdit *link = events == SiteMouseEvent ? txtWebSite : txtEmail;
        connect(events, &clsMouseEvents::MouseLeave, link, [link] { link->unsetCursor(); });
    }
}

QLineEdit *frmAbout::makeLink(const QString &text)
{
    auto *link = new QLineEdit(text, this);
    link->setReadOnly(true);
    link->setFrame(false);
    link->setFocusPolicy(Qt::NoFocus);
    link->setContextMenuPolicy(Qt::NoContextMenu);
    // Blue text on the window's face colour, so it reads as a link.
    QPalette colours = link->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    colours.setColor(QPalette::Text, QColor(0, 0, 255));
    link->setPalette(colours);
    link->setMouseTracking(true);
    link->installEventFilter(this);
    return link;
}

QString frmAbout::addressOf(const QLineEdit *link) const
{
    return link == txtEmail ? QLatin1String("mailto:") + link->text() : link->text();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    auto *link = qobject_cast<QLineEdit *>(watched);
    if (link != txtWebSite && link != txtEmail)
        return QDialog::eventFilter(watched, event);
    clsMouseEvents *events = link == txtWebSite ? SiteMouseEvent : EmailMouseEvent;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (events && !events->TrackingLeaveEvent())
            events->StartTrackingMouseLeave();
        SetCursorToHand(link);
        return false;
    case QEvent::MouseButtonPress:
        cmdOK->setFocus();
        OpenFolder(m_dialogs, addressOf(link));
        return true;
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return true; // a link is not text to select
    default:
        return false;
    }
}

} // namespace tessa
