// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/main_window.h>
#include <mezzurix/query_arguments.h>
#include <mezzurix/start_conversion.h>
#include <mezzurix/terminal_messages.h>
#include <mezzurix/translations.h>

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

// Qt's own options that take a value (QGuiApplication, QApplication, xcb), written as a separate
// argument: "-platform offscreen". The app reads them so that an unknown option is refused before
// any display is opened.
constexpr std::string_view kQtOptionsWithValue[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-geometry",
    "-qwindowtitle", "-title", "-qwindowicon", "-icon", "-session", "-display", "-name", "-style",
    "-stylesheet", "-qmljsdebugger",
};
// Qt's own options without a value.
constexpr std::string_view kQtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

// A conversion starts with its value, and a negative one ("-40 C to F") would read as options:
// the arguments from the first one that starts like a number on are the conversion.
QStringList conversionAfterValue(const QStringList& arguments)
{
    std::vector<std::string> words;
    for (const QString& argument : arguments)
        words.push_back(argument.toStdString());
    QStringList marked;
    for (const std::string& word : mezzurix::markConversionStart(std::move(words), kQtOptionsWithValue))
        marked.append(QString::fromStdString(word));
    return marked;
}

// Qt's options as hidden options of `parser`, so that it reads them and their values.
void addQtOptions(QCommandLineParser& parser)
{
    const auto name = [](std::string_view option) { return QString::fromLatin1(option.substr(1)); };
    for (const std::string_view option : kQtOptionsWithValue) {
        QCommandLineOption qtOption(name(option), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const std::string_view option : kQtFlags) {
        QCommandLineOption qtOption(name(option));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
}

// Qt's own texts of the help options, which Qt's catalogue lacks in some of our languages, or
// words poorly: ours are searched first.
[[maybe_unused]] constexpr const char* kQtHelpTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
};

// Reads the command line, in the user's language, before the GUI exists, so that --help, --version
// and a refused option need no display: the words of the conversion, or the exit status of a
// command line answered here.
std::variant<QStringList, int> readCommandLine(int argc, char* argv[])
{
    QCoreApplication core(argc, argv);  // the help names the program from the application object
    mezzurix::ui::installTranslations(&core);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Convert from one unit to another.\n"
                       "With a conversion such as \"24 in to ft\", the window opens on it."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // The name of the words after the options in the help, what they are, and how the usage line
    // writes them.
    parser.addPositionalArgument(QCoreApplication::translate("CommandLine", "conversion"),
                                 QCoreApplication::translate("CommandLine", "A value, a unit and the unit to convert into."),
                                 QCoreApplication::translate("CommandLine", "[conversion...]"));
    // Qt's own options are read too, single-dash words as Qt writes them ("-platform"), so that
    // any other option is refused here, before a display is needed.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addQtOptions(parser);
    const QStringList arguments = conversionAfterValue(QStringList(argv, argv + argc));
    const bool understood = parser.parse(arguments);
    if (parser.isSet(version))
        parser.showVersion();  // prints and leaves
    if (understood && parser.isSet(help))
        parser.showHelp();  // prints and leaves
    // The help with Qt's own options: only Qt's own processing writes it.
    if (understood && parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);  // prints and leaves
    if (!understood) {
        std::fprintf(stderr, "mezzurix: %s\n\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        return 1;
    }
    return parser.positionalArguments();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("mezzurix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEZZURIX_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Mezzurix developers"));

    const std::variant<QStringList, int> commandLine = readCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&commandLine))
        return *status;
    const QStringList& conversion = std::get<QStringList>(commandLine);

    // The application takes Qt's own options (-platform, -style, ...) out of the arguments.
    QApplication app(argc, argv);
    mezzurix::ui::installTranslations(&app);
    // The reader's messages about the conversion, in the user's language as the terminal writes them.
    mezzurix::cli::setUpMessages();
    std::variant<mezzurix::ui::StartConversion, QString> start = QString();
    if (!conversion.isEmpty()) {
        start = mezzurix::ui::readStartConversion(conversion);
        if (const QString* error = std::get_if<QString>(&start))
            std::fprintf(stderr, "mezzurix: %s\n", qPrintable(*error));
    }

    // Wayland desktops match the running window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MEZZURIX_APP_ID));
    mezzurix::ui::MainWindow window;
    if (const auto* opening = std::get_if<mezzurix::ui::StartConversion>(&start))
        window.openConversion(*opening);
    window.show();
    return app.exec();
}
