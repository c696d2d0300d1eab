// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace mezzurix::ui {

// The windows are designed for "MS Sans Serif" and "Courier New". Where those are missing,
// Liberation Sans and Liberation Mono keep the metrics close and the columns aligned.
inline QFont designFont(const QString& family, const QString& fallback, double points, bool bold)
{
    // Asking the font database goes through fontconfig's substitutions, which is slow enough to
    // show in start-up time when every control asks; the answer does not change while we run.
    static QHash<QString, bool> installed;
    auto known = installed.constFind(family);
    if (known == installed.cend())
        known = installed.insert(family, QFontDatabase::hasFamily(family));
    QFont font(*known ? family : fallback);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QFont sansFont(double points, bool bold)
{
    return designFont(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), points, bold);
}

inline QFont monoFont(double points, bool bold)
{
    QFont font = designFont(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), points, bold);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace mezzurix::ui
