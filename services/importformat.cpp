// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importformat.h"

#include "services/camtreader.h"
#include "services/importpreview.h"
#include "services/ofxreader.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Enough for an OFX header or an XML prologue with the document's namespace.
constexpr qint64 kHeadSize = 4096;

} // namespace

ImportFormat detectImportFormat(const QString &filePath) {
    QFile file(filePath);
    QByteArray head;
    if (file.open(QIODevice::ReadOnly))
        head = file.read(kHeadSize);
    if (OfxReader::looksLikeOfx(head))
        return ImportFormat::Ofx;
    if (CamtReader::looksLikeCamt(head))
        return ImportFormat::Camt;
    const QString suffix = QFileInfo(filePath).suffix().toLower();
    if (suffix == QLatin1String("ofx") || suffix == QLatin1String("qfx"))
        return ImportFormat::Ofx;
    if (ImportPreview::looksLikeQif(filePath))
        return ImportFormat::Qif;
    return ImportFormat::Csv;
}
