// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/main_window.h>
#include <mezzurix/start_conversion.h>

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("mezzurix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEZZURIX_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Mezzurix developers"));

    // The command line is read before the GUI exists, so --help and --version need no display.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Convert from one unit to another.\n"
        "With a conversion such as \"24 in to ft\", the window opens on it. Put -- before a\n"
        "negative value: mezzurix -- -40 C to F"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("conversion"),
                                 QStringLiteral("A value, a unit and the unit to convert into."),
                                 QStringLiteral("[conversion...]"));
    if (!parser.parse(QStringList(argv, argv + argc)) || parser.isSet(help) || parser.isSet(version)) {
        // Prints the help, the version or what is wrong, and leaves; the help names the program
        // from the application object.
        QCoreApplication core(argc, argv);
        parser.process(core);
    }

    std::variant<mezzurix::ui::StartConversion, QString> start = QString();
    if (!parser.positionalArguments().isEmpty()) {
        start = mezzurix::ui::readStartConversion(parser.positionalArguments());
        if (const QString* error = std::get_if<QString>(&start))
            std::fprintf(stderr, "mezzurix: %s\n", qPrintable(*error));
    }

    QApplication app(argc, argv);
    // Wayland desktops match the running window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MEZZURIX_APP_ID));
    mezzurix::ui::MainWindow window;
    if (const auto* conversion = std::get_if<mezzurix::ui::StartConversion>(&start))
        window.openConversion(*conversion);
    window.show();
    return app.exec();
}
