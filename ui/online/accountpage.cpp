// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/accountpage.h"

#include "account/client.h"
#include "ui/common/modalrunner.h"
#include "ui/common/styles.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QVBoxLayout>

AccountPage::AccountPage(TindAccount::Client *client, QWidget *parent)
    : QScrollArea(parent)
    , m_client(client) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    auto *inner = new QWidget;
    auto *layout = new QVBoxLayout(inner);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    m_content = new QVBoxLayout;
    m_content->setSpacing(8);
    layout->addLayout(m_content);
    layout->addStretch(1);
    setWidget(inner);
}

void AccountPage::report(const QString &text, bool success) {
    Q_EMIT reported(text, success);
}

bool AccountPage::isOwner() const {
    return m_client->claims().role == QLatin1String("owner");
}

QLabel *AccountPage::plainLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLabel *AccountPage::heading(const QString &text) {
    auto *label = plainLabel(text);
    QFont font = QApplication::font();
    font.setPointSize(font.pointSize() + 1);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}

QLabel *AccountPage::muted(const QString &text) {
    auto *label = plainLabel(text);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    return label;
}

QVBoxLayout *AccountPage::freshBody(QVBoxLayout *content) {
    while (QLayoutItem *item = content->takeAt(0)) {
        if (QWidget *widget = item->widget())
            widget->deleteLater();
        delete item;
    }
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    content->addWidget(body);
    return layout;
}

QHBoxLayout *AccountPage::row(QVBoxLayout *body, QWidget *text, QWidget *action) {
    auto *line = new QHBoxLayout;
    line->addWidget(text, 1);
    if (action)
        line->addWidget(action, 0, Qt::AlignTop);
    body->addLayout(line);
    return line;
}

std::optional<QString> AccountPage::askText(const QString &title, const QString &label,
                                            const QString &initial, QLineEdit::EchoMode echo) {
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    dialog.setTextEchoMode(echo);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
