// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/main_window.h>
#include <mezzurix/start_conversion.h>
#include <mezzurix/translations.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>

namespace {

// A conversion starts with its value, and a negative one ("-40 C to F") would read as options:
// the arguments from the first one that starts like a number on are the conversion.
QStringList conversionAfterValue(QStringList arguments)
{
    static const QRegularExpression startsLikeNumber(QStringLiteral("^[-+\\x{2212}]?[.,]?[0-9]"));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            break;
        if (startsLikeNumber.match(arguments[i]).hasMatch()) {
            arguments.insert(i, QStringLiteral("--"));
            break;
        }
    }
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("mezzurix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEZZURIX_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Mezzurix developers"));

    // --help and --version are answered before the GUI exists, so they need no display.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Convert from one unit to another.\n"
        "With a conversion such as \"24 in to ft\", the window opens on it."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("conversion"),
                                 QStringLiteral("A value, a unit and the unit to convert into."),
                                 QStringLiteral("[conversion...]"));
    // Qt's own options are still among the arguments here, unknown to this parser: they must not
    // turn the answer into an error.
    parser.parse(conversionAfterValue(QStringList(argv, argv + argc)));
    if (parser.isSet(version))
        parser.showVersion();  // prints and leaves
    if (parser.isSet(help)) {
        QCoreApplication core(argc, argv);  // the help names the program from the application object
        parser.showHelp();  // prints and leaves
    }

    // The application takes Qt's own options (-platform, -style, ...) out of the arguments; any
    // other option left is an error, reported and left on here.
    QApplication app(argc, argv);
    mezzurix::ui::installTranslations(&app);
    parser.process(conversionAfterValue(QCoreApplication::arguments()));
    std::variant<mezzurix::ui::StartConversion, QString> start = QString();
    if (!parser.positionalArguments().isEmpty()) {
        start = mezzurix::ui::readStartConversion(parser.positionalArguments());
        if (const QString* error = std::get_if<QString>(&start))
            std::fprintf(stderr, "mezzurix: %s\n", qPrintable(*error));
    }

    // Wayland desktops match the running window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MEZZURIX_APP_ID));
    mezzurix::ui::MainWindow window;
    if (const auto* conversion = std::get_if<mezzurix::ui::StartConversion>(&start))
        window.openConversion(*conversion);
    window.show();
    return app.exec();
}
