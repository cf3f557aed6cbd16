// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/widgets/notesbrowser.h"

#include "update/widgets/linkpolicy.h"

namespace TindUpdate {

NotesBrowser::NotesBrowser(QWidget *parent)
    : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this,
            [](const QUrl &url) { LinkPolicy::open(url); });
    setAccessibleName(tr("Release notes"));
}

} // namespace TindUpdate
