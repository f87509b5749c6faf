// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QChar>
#include <QHashFunctions>
#include <QString>

#include <cstdint>

namespace quirepress::detail {

// A name as a hash key that matches without regard to letter case, as
// QString::compare(..., Qt::CaseInsensitive) does: the hash folds the case of
// each character as it goes, so a lookup copies and allocates nothing, where
// QString::toCaseFolded() would make a new string every time.
struct CaseInsensitiveName {
    QString text;

    friend bool operator==(const CaseInsensitiveName& a, const CaseInsensitiveName& b)
    {
        return a.text.compare(b.text, Qt::CaseInsensitive) == 0;
    }

    friend size_t qHash(const CaseInsensitiveName& name, size_t seed) noexcept
    {
        // FNV-1a over the case-folded code points.
        uint64_t hash = 0xcbf29ce484222325u;
        const qsizetype size = name.text.size();
        const QChar* units = name.text.constData();
        for (qsizetype i = 0; i < size; ++i) {
            char32_t code = units[i].unicode();
            if (units[i].isHighSurrogate() && i + 1 < size && units[i + 1].isLowSurrogate()) {
                code = QChar::surrogateToUcs4(units[i], units[i + 1]);
                ++i;
            }
            // Names are nearly always ASCII, whose folding needs no table.
            if (code < 0x80)
                code = code >= u'A' && code <= u'Z' ? code + (u'a' - u'A') : code;
            else
                code = QChar::toCaseFolded(code);
            hash = (hash ^ code) * 0x100000001b3u;
        }
        return qHash(hash, seed);
    }
};

} // namespace quirepress::detail
