// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace mezzurix::search {

class SearchService;

// An entry of Actions(), a(sss): id, text, icon name.
struct RemoteAction {
    QString id;
    QString text;
    QString iconName;
};

// An entry of Match(), a(sssida{sv}): id, text, icon name, category relevance (the match type
// in older KRunner versions), relevance from 0 to 1, and properties such as "subtext".
struct RemoteMatch {
    QString id;
    QString text;
    QString iconName;
    int categoryRelevance = 0;
    double relevance = 0.0;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action);
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match);

// Makes the types above and the metas' aa{sv} known to QtDBus; once per process is enough.
void registerSearchTypes();

// KRunner's D-Bus runner interface.
class KRunnerRunner : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    KRunnerRunner(QObject* object, SearchService* service);

public slots:
    QList<mezzurix::search::RemoteAction> Actions();
    QList<mezzurix::search::RemoteMatch> Match(const QString& query);
    void Run(const QString& matchId, const QString& actionId);
    void Teardown();

private:
    SearchService* service;
};

} // namespace mezzurix::search

Q_DECLARE_METATYPE(mezzurix::search::RemoteAction)
Q_DECLARE_METATYPE(mezzurix::search::RemoteMatch)
