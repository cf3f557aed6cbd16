// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QTextBrowser>

namespace TindUpdate {

// Release notes in Markdown. Links open in the browser only when the link policy allows
// them; the browser itself never navigates away from the notes.
class NotesBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit NotesBrowser(QWidget *parent = nullptr);
};

} // namespace TindUpdate
