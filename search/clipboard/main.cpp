// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mezzurix-copy TEXT: puts TEXT on the clipboard for the search provider, which has no display
// connection of its own. A clipboard is served by the program that set it, so this one stays until
// another program takes the clipboard, or at most kHoldClipboard; on leaving, Qt hands the text to
// the desktop's clipboard manager where there is one.

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

// Time enough to paste the number where no clipboard manager keeps it.
constexpr std::chrono::minutes kHoldClipboard{5};

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.front() == QStringLiteral("--"))
        arguments.removeFirst();
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: mezzurix-copy [--] TEXT\n");
        return 1;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(arguments.front(), QClipboard::Clipboard);
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
            QCoreApplication::quit();
    });
    QTimer::singleShot(kHoldClipboard, &app, &QCoreApplication::quit);
    return app.exec();
}
