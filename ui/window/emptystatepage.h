// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QWidget>

// The page shown when there is no account yet: an invitation to create the first one.
class EmptyStatePage : public QWidget {
    Q_OBJECT

public:
    explicit EmptyStatePage(QWidget *parent = nullptr);

Q_SIGNALS:
    void createAccountRequested();
};
