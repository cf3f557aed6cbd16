// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/widgets/elidedlabel.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class tst_ErrorBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ModalRunner::setHandler({}); }
    void serverTextStaysPlain();
    void messageBoxes_data();
    void messageBoxes();
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

void tst_ErrorBox::messageBoxes_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::newRow("inform") << "inform" << int(QMessageBox::Information) << int(QMessageBox::Ok)
                            << int(QMessageBox::Ok) << false;
    QTest::newRow("warn") << "warn" << int(QMessageBox::Warning) << int(QMessageBox::Ok)
                          << int(QMessageBox::Ok) << false;
    QTest::newRow("ask, yes") << "ask" << int(QMessageBox::Question) << int(QMessageBox::No)
                              << int(QMessageBox::Yes) << true;
    QTest::newRow("ask, no") << "ask" << int(QMessageBox::Question) << int(QMessageBox::No)
                             << int(QMessageBox::No) << false;
    QTest::newRow("ask, closed") << "ask" << int(QMessageBox::Question) << int(QMessageBox::No)
                                 << int(QDialog::Rejected) << false;
    QTest::newRow("ask, default yes") << "ask yes" << int(QMessageBox::Question)
                                      << int(QMessageBox::Yes) << int(QMessageBox::Yes) << true;
    QTest::newRow("ask warning") << "ask warning" << int(QMessageBox::Warning)
                                 << int(QMessageBox::No) << int(QMessageBox::Yes) << true;
}

// Names typed by the user reach every box as text, the box is named for screen readers, and
// a question that changes data starts on No.
void tst_ErrorBox::messageBoxes() {
    QFETCH(QString, kind);
    QFETCH(int, icon);
    QFETCH(int, defaultButton);
    QFETCH(int, answer);
    QFETCH(bool, result);
    int shown = 0;
    ModalRunner::setHandler([&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box)
            return int(QDialog::Rejected);
        ++shown;
        [&] {
            QCOMPARE(box->windowTitle(), QStringLiteral("Delete"));
            QCOMPARE(box->accessibleName(), QStringLiteral("Delete"));
            QCOMPARE(box->text(), QStringLiteral("<b>Grocer</b>"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(int(box->icon()), icon);
            QVERIFY(box->defaultButton());
            QCOMPARE(int(box->standardButton(box->defaultButton())), defaultButton);
        }();
        return answer;
    });
    const QString title = QStringLiteral("Delete");
    const QString text = QStringLiteral("<b>Grocer</b>");
    bool yes = false;
    if (kind == "inform")
        MessageBoxes::inform(nullptr, title, text);
    else if (kind == "warn")
        MessageBoxes::warn(nullptr, title, text);
    else if (kind == "ask")
        yes = MessageBoxes::ask(nullptr, title, text);
    else if (kind == "ask yes")
        yes = MessageBoxes::ask(nullptr, title, text, MessageBoxes::Default::Yes);
    else
        yes = MessageBoxes::askWarning(nullptr, title, text);
    QCOMPARE(shown, 1);
    QCOMPARE(yes, result);
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
