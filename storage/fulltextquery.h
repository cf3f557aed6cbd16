// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// Turns what a person types into a search box into a full-text query the index always
// accepts: every word becomes a quoted phrase matched as a prefix, so punctuation inside a
// word ("AT&T", "O'Brien") and the query language's own characters (quotes, stars, colons,
// AND/OR/NOT) are plain text, and "coff" already finds "coffee".
namespace FullTextQuery {

// The query for the words of text, all of which must match; empty when text holds no letter
// or digit (nothing the index could find).
QString fromWords(const QString &text);

} // namespace FullTextQuery
