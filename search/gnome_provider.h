// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusAbstractAdaptor>
#include <QList>
#include <QStringList>
#include <QVariantMap>

namespace mezzurix::search {

class SearchService;

// GNOME Shell's search provider interface, version 2.
class GnomeSearchProvider : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    GnomeSearchProvider(QObject* object, SearchService* service);

public slots:
    QStringList GetInitialResultSet(const QStringList& terms);
    // The previous results are not filtered: an edited term can name another unit.
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    // Describes at most the first 256 ids (kMaxResultMetas).
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    QStringList resultSet(const QStringList& terms);

    SearchService* service;
};

} // namespace mezzurix::search
