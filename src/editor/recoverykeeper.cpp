// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverykeeper.h"

#include "animdocument.h"

#include <QElapsedTimer>

namespace tessa {

namespace {

// Only a document that begins with an image can be written; a new one waiting for its first
// image has nothing worth keeping yet.
bool worthKeeping(const AnimDocument &document)
{
    return document.isModified() && document.count() > 0 && document.item(0).isImage();
}

} // namespace

RecoveryKeeper::RecoveryKeeper(AnimDocument &document, RecoveryStore &store, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_store(store)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::write);
    connect(&m_document, &AnimDocument::changed, this, &RecoveryKeeper::documentChanged);
    connect(&m_document, &AnimDocument::modifiedChanged, this, &RecoveryKeeper::documentChanged);
}

void RecoveryKeeper::documentChanged()
{
    if (m_document.isModified()) {
        m_timer.start();
    } else {
        m_timer.stop();
        m_store.removeCurrent();
    }
}

void RecoveryKeeper::flush()
{
    if (m_timer.isActive()) {
        m_timer.stop();
        write();
    }
}

void RecoveryKeeper::write()
{
    if (!worthKeeping(m_document))
        return;
    QElapsedTimer took;
    took.start();
    // A copy that cannot be written is tried again after the next change; there is nobody to
    // tell in the middle of editing, and the document itself is unharmed.
    m_store.save(m_document.items(), m_document.fileName());
    m_lastWriteMs = took.elapsed();
}

RecoveryKeeper::Kept RecoveryKeeper::keepIfDiscarded()
{
    m_timer.stop();
    // Without a folder nothing is kept, by choice (tests): there is nothing to tell either.
    if (!worthKeeping(m_document) || m_store.folder().isEmpty()) {
        m_store.removeCurrent();
        return {};
    }
    Kept kept;
    kept.changes = true;
    if (auto failure = m_store.discardCurrent(m_document.items(), m_document.fileName()))
        kept.failure = failure->isEmpty() ? QStringLiteral("?") : *failure;
    return kept;
}

} // namespace tessa
