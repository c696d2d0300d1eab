// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads the D-Bus runners installed under XDG_DATA_DIRS through Plasma::RunnerManager, as
// KRunner does, queries each argument and prints one line per match:
//   query|text|subtext|type|relevance
// The last argument's first match is then run.

#include <KRunner/QueryMatch>
#include <KRunner/RunnerManager>

#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: krunner_match CONFIG RUNNER_ID QUERY...\n");
        return 2;
    }
    Plasma::RunnerManager manager(QString::fromLocal8Bit(argv[1]));
    manager.setAllowedRunners({QString::fromLocal8Bit(argv[2])});
    manager.reloadConfiguration();
    std::printf("runners:");
    for (const Plasma::AbstractRunner* runner : manager.runners())
        std::printf(" %s", qPrintable(runner->id()));
    std::printf("\n");

    QList<Plasma::QueryMatch> matches;
    for (int i = 3; i < argc; ++i) {
        const QString query = QString::fromLocal8Bit(argv[i]);
        QEventLoop loop;
        QObject::connect(&manager, &Plasma::RunnerManager::queryFinished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        manager.launchQuery(query);
        loop.exec();
        matches = manager.matches();
        for (const Plasma::QueryMatch& match : matches)
            std::printf("%s|%s|%s|%d|%g\n", qPrintable(query), qPrintable(match.text()),
                        qPrintable(match.subtext()), int(match.type()), match.relevance());
        manager.matchSessionComplete();
    }
    std::fflush(stdout);
    if (!matches.isEmpty()) {
        manager.run(matches.front());
        QEventLoop wait;
        QTimer::singleShot(1000, &wait, &QEventLoop::quit);
        wait.exec();
    }
    return 0;
}
