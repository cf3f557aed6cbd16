// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/elidedlabel.h"
#include "ui/errorbox.h"
#include "ui/modalrunner.h"

#include <QMessageBox>
#include <QTest>

class tst_ErrorBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ModalRunner::setHandler({}); }
    void serverTextStaysPlain();
    void elidedLabelKeepsFullText();
};

void tst_ErrorBox::serverTextStaysPlain() {
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalRunner::setHandler([&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box)
            return int(QDialog::Rejected);
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        icon = box->icon();
        return int(QMessageBox::Ok);
    });
    ErrorBox::show(nullptr, "Share Failed", "The account could not be shared.",
                   "The account stays as it was.", "<img src=x><b>quota</b>");
    QCOMPARE(title, QStringLiteral("Share Failed"));
    QVERIFY(text.startsWith("The account could not be shared.\n\nThe account stays as it was."));
    QCOMPARE(icon, QMessageBox::Warning);
    // Shown as written, markup and all: never interpreted as rich text.
    QCOMPARE(format, Qt::PlainText);
    QVERIFY(text.endsWith("<img src=x><b>quota</b>"));
}

void tst_ErrorBox::elidedLabelKeepsFullText() {
    ElidedLabel label("A rather long account name for a narrow sidebar");
    QCOMPARE(label.fullText(), QStringLiteral("A rather long account name for a narrow sidebar"));
    QCOMPARE(label.minimumSizeHint().width(), 0);
    QCOMPARE(label.sizeHint().width(), label.fontMetrics().horizontalAdvance(label.fullText()));
    QCOMPARE(label.sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
}

QTEST_MAIN(tst_ErrorBox)
#include "tst_errorbox.moc"
