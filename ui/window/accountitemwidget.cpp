// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/accountitemwidget.h"

#include "storage/money.h"
#include "ui/presentation/accountpresentation.h"
#include "ui/widgets/balancelabel.h"
#include "ui/widgets/elidedlabel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

AccountItemWidget::AccountItemWidget(const Account &account, qint64 balance, QWidget *parent)
    : QWidget(parent)
    , m_name(new ElidedLabel(account.name, this))
    , m_balance(new BalanceLabel(formatMoney(balance, account.currency), this))
    , m_subtitle(new QLabel(AccountPresentation::subtitle(account), this))
    , m_balanceColour(QLatin1String(balance < 0 ? "#FF8A80" : "#66BB6A")) {
    m_subtitle->setTextFormat(Qt::PlainText);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 8, 8, 8);
    row->setSpacing(8);

    auto *icon = new QLabel(QString(AccountPresentation::typeGlyph(account.type)), this);
    icon->setFixedSize(24, 24);
    icon->setAlignment(Qt::AlignCenter);
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(22);
    icon->setFont(iconFont);
    icon->setStyleSheet(QStringLiteral("color: %1;").arg("#4DB6AC"));
    // The glyph is decoration; the subtitle names the type.
    icon->setAccessibleName(AccountPresentation::typeName(account.type));
    row->addWidget(icon, 0, Qt::AlignVCenter);

    auto *column = new QVBoxLayout;
    column->setSpacing(3);
    row->addLayout(column, 1);

    auto *firstLine = new QHBoxLayout;
    firstLine->setSpacing(8);
    QFont nameFont = QApplication::font();
    nameFont.setWeight(QFont::Medium);
    m_name->setFont(nameFont);
    m_name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_name->setStyleSheet(QStringLiteral("color: %1;").arg("#FFFFFF"));
    m_name->setToolTip(Qt::convertFromPlainText(account.name, Qt::WhiteSpaceNoWrap));
    m_name->setAccessibleName(account.name);
    firstLine->addWidget(m_name, 1, Qt::AlignVCenter);

    QFont mono(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(QApplication::font().pointSizeF());
    m_balance->setFont(mono);
    m_balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_balance->setStyleSheet(QStringLiteral("color: %1;").arg(m_balanceColour));
    m_balance->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_balance->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(m_balance->text()) + 4);
    m_balance->setAccessibleName(tr("Balance of %1").arg(account.name));
    firstLine->addWidget(m_balance, 0, Qt::AlignVCenter);
    column->addLayout(firstLine);

    QFont small = QApplication::font();
    small.setPointSizeF(std::max(7.0, QApplication::font().pointSizeF() - 2));
    m_subtitle->setFont(small);
    m_subtitle->setStyleSheet(QStringLiteral("color: %1;").arg("#8FAF9F"));
    column->addWidget(m_subtitle);
}

QString AccountItemWidget::nameText() const {
    return m_name->fullText();
}

QString AccountItemWidget::balanceText() const {
    return m_balance->text();
}

QString AccountItemWidget::subtitleText() const {
    return m_subtitle->text();
}
