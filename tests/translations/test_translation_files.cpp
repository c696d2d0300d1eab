// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every entry of every window translation, read from the .ts files: finished, with the English
// text's placeholders, line breaks, surrounding blanks and access key, and no ASCII quotes of its
// own; the SI base units' rows keep their columns; the catalogue's texts are all marked for
// translation; and every language has all four files, each naming the language of its file name.
#include <mezzurix/catalogue.h>
#include <mezzurix/window_texts.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include <optional>

namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    bool finished;
    QString sourcePlural = {};     // a gettext entry with plural forms: msgid_plural
    QStringList pluralForms = {};  // and msgstr[0], msgstr[1], ...
};

QList<Entry> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<Entry> entries;
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entry = Entry{context, {}, {}, true};
        } else if (xml.name() == u"source") {
            entry.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QStringView type = xml.attributes().value(QStringLiteral("type"));
            entry.finished = type.isEmpty();
            entry.translation = xml.readElementText();
            entries << entry;
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

// What a translation must carry over from the English text: its placeholders, in any order.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// The access keys ("&x"; "&&" is a plain ampersand).
int accessKeys(const QString& text)
{
    return int(QString(text).remove(QStringLiteral("&&")).count(u'&'));
}

// ASCII quotes: a translation writes its language's quotes, and only keeps those of the English text.
qsizetype asciiQuotes(const QString& text)
{
    return text.count(u'"') + text.count(u'\'');
}

// French typography: a no-break space (U+00A0 or U+202F) before : ; ? ! and inside « ». The
// terminal's "%s: " before a message is the program's name, written the GNU way in every language.
QStringList typographyFaults(const QString& file, QString text)
{
    if (!QFileInfo(file).completeBaseName().endsWith(QLatin1String("fr")))
        return {};
    if (text.startsWith(QLatin1String("%s: ")))
        text.remove(0, 4);
    static const QRegularExpression fault(
        QStringLiteral("(?:(?<=\\w)|[ \\t])[:;?!](?=\\s|$)|«[^\\x{00a0}\\x{202f}]|[^\\x{00a0}\\x{202f}]»"));
    QStringList found;
    for (const QRegularExpressionMatch& match : fault.globalMatch(text))
        found << match.captured();
    return found;
}

// The power of ten of a prefix row's last column: "(10E+03)" as the English text writes it, or
// "(10³)", "(10⁻²⁴)" with blanks before.
std::optional<int> powerOf(const QString& column)
{
    static const QRegularExpression written(QStringLiteral("^ *\\(10E([+-]\\d\\d)\\)$"));
    static const QRegularExpression raised(QStringLiteral("^ *\\(10(\\x{207B}?[\\x{2070}\\x{00B9}\\x{00B2}\\x{00B3}\\x{2074}-\\x{2079}]+)\\)$"));
    if (const QRegularExpressionMatch match = written.match(column); match.hasMatch())
        return match.captured(1).toInt();
    const QRegularExpressionMatch match = raised.match(column);
    if (!match.hasMatch())
        return std::nullopt;
    static const QString digits = QStringLiteral("\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079");
    int power = 0;
    for (const QChar c : match.captured(1))
        if (c != QChar(0x207B))
            power = power * 10 + int(digits.indexOf(c));
    return match.captured(1).startsWith(QChar(0x207B)) ? -power : power;
}

QStringList filesIn(const char* dirPath, const QString& pattern)
{
    const QDir dir(QString::fromUtf8(dirPath));
    QStringList files;
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

QStringList tsFiles()
{
    return filesIn(MEZZURIX_WINDOW_TS_DIR, QStringLiteral("mezzurix_*.ts"));
}

// A gettext catalogue's entries: msgid and msgstr, with the "fuzzy" flag as unfinished.
QList<Entry> readPo(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    QList<Entry> entries;
    Entry entry{QString(), QString(), QString(), true};
    QString* field = nullptr;
    const auto unescaped = [](QString text) {
        return text.mid(1, text.size() - 2)
            .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
            .replace(QStringLiteral("\\\""), QStringLiteral("\""))
            .replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    };
    const auto finish = [&] {
        if (!entry.source.isEmpty())
            entries << entry;
        entry = Entry{QString(), QString(), QString(), true};
        field = nullptr;
    };
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        if (line.isEmpty())
            finish();
        else if (line.startsWith(QStringLiteral("#,")) && line.contains(QStringLiteral("fuzzy")))
            entry.finished = false;
        else if (line.startsWith(QStringLiteral("msgctxt ")))
            entry.context = unescaped(line.mid(8)), field = &entry.context;
        else if (line.startsWith(QStringLiteral("msgid ")))
            entry.source = unescaped(line.mid(6)), field = &entry.source;
        else if (line.startsWith(QStringLiteral("msgid_plural ")))
            entry.sourcePlural = unescaped(line.mid(13)), field = &entry.sourcePlural;
        else if (line.startsWith(QStringLiteral("msgstr ")))
            entry.translation = unescaped(line.mid(7)), field = &entry.translation;
        else if (line.startsWith(QStringLiteral("msgstr[")) && line.contains(QStringLiteral("] ")))
            entry.pluralForms << unescaped(line.mid(line.indexOf(QStringLiteral("] ")) + 2)), field = &entry.pluralForms.last();
        else if (line.startsWith(u'"') && field != nullptr)
            *field += unescaped(line);
    }
    finish();
    return entries;
}

// The number of plural forms a gettext catalogue's header gives its language ("nplurals=2").
qsizetype pluralFormCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    static const QRegularExpression header(QStringLiteral("nplurals=(\\d+);"));
    const QRegularExpressionMatch match = header.match(QString::fromUtf8(file.readAll()));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// A C format's conversions, in order: printf-style formats take their values by position.
QStringList cFormats(const QString& text)
{
    static const QRegularExpression conversion(QStringLiteral("%[-+ #0-9.]*[a-zA-Z%]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : conversion.globalMatch(text))
        found << match.captured();
    return found;
}

// A file's language, from its name: "pt_BR" for mezzurix_pt_BR.ts or pt_BR.po.
QString languageOfName(const QString& file)
{
    const QFileInfo info(file);
    return info.suffix() == u"ts" ? info.completeBaseName().section(u'_', 1) : info.completeBaseName();
}

// The language a file declares: the .ts file's language attribute, the catalogue's Language header.
QString declaredLanguage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    if (path.endsWith(u".ts")) {
        QXmlStreamReader xml(&file);
        while (xml.readNextStartElement())
            if (xml.name() == u"TS")
                return xml.attributes().value(QStringLiteral("language")).toString();
        return {};
    }
    static const QRegularExpression header(QStringLiteral("^\"Language: ([^\\\\]*)\\\\n\"$"),
                                           QRegularExpression::MultilineOption);
    return header.match(QString::fromUtf8(file.readAll())).captured(1);
}

// Every translation's file of each kind: the windows', the search's, the terminal's, the desktop's.
QList<QStringList> filesOfEachKind()
{
    return {tsFiles(), filesIn(MEZZURIX_SEARCH_TS_DIR, QStringLiteral("*.ts")),
            filesIn(MEZZURIX_CLI_PO_DIR, QStringLiteral("*.po")), filesIn(MEZZURIX_DESKTOP_PO_DIR, QStringLiteral("*.po"))};
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT

    void windowFiles()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : tsFiles())
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

private slots:
    void everyEntry_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : tsFiles() + filesIn(MEZZURIX_SEARCH_TS_DIR, QStringLiteral("*.ts")))
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    void everyEntry()
    {
        QFETCH(QString, file);
        const QList<Entry> entries = readTs(file);
        QVERIFY(!entries.isEmpty());
        QStringList faults;
        for (const Entry& entry : entries) {
            const QString where = entry.context + QStringLiteral(": \"") + entry.source + u'"';
            if (!entry.finished || entry.translation.isEmpty()) {
                faults << where + QStringLiteral(" is unfinished");
                continue;
            }
            const QString& to = entry.translation;
            if (placeholders(to) != placeholders(entry.source))
                faults << where + QStringLiteral(" has other placeholders");
            if (to.count(u'\n') != entry.source.count(u'\n'))
                faults << where + QStringLiteral(" has other line breaks");
            if (accessKeys(to) != accessKeys(entry.source))
                faults << where + QStringLiteral(" has another number of access keys");
            if (entry.source.startsWith(u' ') != to.startsWith(u' ') || entry.source.endsWith(u' ') != to.endsWith(u' '))
                faults << where + QStringLiteral(" has other surrounding blanks");
            if (asciiQuotes(to) > asciiQuotes(entry.source))
                faults << where + QStringLiteral(" has ASCII quotes of its own");
            if (const QStringList found = typographyFaults(file, to); !found.isEmpty())
                faults << where + QStringLiteral(" lacks a no-break space at ") + found.join(u' ');
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
    }

    // Every entry of the terminal's catalogues: finished, with the English text's C formats in
    // the same order and its line breaks; and every text of the template is there.
    void everyPoEntry_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : filesIn(MEZZURIX_CLI_PO_DIR, QStringLiteral("*.po")))
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }
    void everyPoEntry()
    {
        QFETCH(QString, file);
        const QList<Entry> entries = readPo(file);
        const qsizetype forms = pluralFormCount(file);
        QSet<QString> translated;
        QStringList faults;
        for (const Entry& entry : entries) {
            translated << entry.source;
            const QString where = u'"' + entry.source + u'"';
            // An entry with plural forms has each form of the language, none missing.
            const bool plural = !entry.sourcePlural.isEmpty();
            const QStringList translations = plural ? entry.pluralForms : QStringList{entry.translation};
            if (plural && cFormats(entry.sourcePlural) != cFormats(entry.source))
                faults << where + QStringLiteral(" has a plural of other formats");
            for (const QString& translation : translations) {
                if (!entry.finished || translation.isEmpty())
                    faults << where + QStringLiteral(" is unfinished");
                else if (cFormats(translation) != cFormats(entry.source))
                    faults << where + QStringLiteral(" has other formats");
                else if (translation.count(u'\n') != entry.source.count(u'\n'))
                    faults << where + QStringLiteral(" has other line breaks");
                else if (asciiQuotes(translation) > asciiQuotes(entry.source))
                    faults << where + QStringLiteral(" has ASCII quotes of its own");
                else if (const QStringList found = typographyFaults(file, translation); !found.isEmpty())
                    faults << where + QStringLiteral(" lacks a no-break space at ") + found.join(u' ');
            }
            if (plural && translations.size() != forms)
                faults << where + QStringLiteral(" has %1 plural forms").arg(translations.size());
        }
        const QStringList templates = filesIn(MEZZURIX_CLI_PO_DIR, QStringLiteral("*.pot"));
        QCOMPARE(templates.size(), 1);
        for (const Entry& entry : readPo(templates.front()))
            if (!translated.contains(entry.source))
                faults << u'"' + entry.source + QStringLiteral("\" is missing");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
        QVERIFY(entries.size() > 50);
    }

    // A base unit's row is three columns of a monospaced font: its symbol starts at column 12 and
    // its quantity at column 21 in every language, as in English.
    void baseUnitRowsKeepTheirColumns_data() { windowFiles(); }
    void baseUnitRowsKeepTheirColumns()
    {
        QFETCH(QString, file);
        constexpr qsizetype kSymbolColumn = 12;
        constexpr qsizetype kQuantityColumn = 21;
        int rows = 0;
        for (const Entry& entry : readTs(file)) {
            if (entry.context != u"SIBaseUnits" || entry.source.size() <= kQuantityColumn)
                continue;
            ++rows;
            const QString& to = entry.translation;
            QVERIFY2(to.size() > kQuantityColumn, qPrintable(to));
            QCOMPARE(to.mid(kSymbolColumn, kQuantityColumn - kSymbolColumn),
                     entry.source.mid(kSymbolColumn, kQuantityColumn - kSymbolColumn));
            QVERIFY2(to[kSymbolColumn - 1] == u' ' && to[kQuantityColumn] != u' ', qPrintable(to));
        }
        QCOMPARE(rows, 7);
    }

    // A prefix's row keeps its 57 characters: the symbol at column 10, the factor from column 14
    // with its digits where English has them, and the power of ten from column 49.
    void prefixRowsKeepTheirColumns_data() { windowFiles(); }
    void prefixRowsKeepTheirColumns()
    {
        QFETCH(QString, file);
        constexpr qsizetype kRowLength = 57;
        constexpr qsizetype kSymbolColumn = 10;
        constexpr qsizetype kFactorColumn = 14;
        constexpr qsizetype kPowerColumn = 49;
        int rows = 0;
        for (const Entry& entry : readTs(file)) {
            if (entry.context != u"SIPrefixes" || entry.source.size() != kRowLength)
                continue;
            ++rows;
            const QString& to = entry.translation;
            QCOMPARE(to.size(), kRowLength);
            // The English text writes kilo's symbol "K" and ten to the third "10E+03"; a translation
            // writes them as the SI does, "k" and "10³", in the same columns.
            const QString symbol = to.mid(kSymbolColumn, kFactorColumn - kSymbolColumn);
            const QString english = entry.source.mid(kSymbolColumn, kFactorColumn - kSymbolColumn);
            QVERIFY2(symbol == english || (english.trimmed() == u"K" && symbol.trimmed() == u"k"), qPrintable(to));
            QCOMPARE(powerOf(to.mid(kPowerColumn)), powerOf(entry.source.mid(kPowerColumn)));
            QVERIFY(powerOf(to.mid(kPowerColumn)).has_value());
            for (qsizetype column = kFactorColumn; column < kPowerColumn; ++column)
                QCOMPARE(to[column].isDigit(), entry.source[column].isDigit());
        }
        QCOMPARE(rows, 20);
    }

    // A language is added as four files, none of them forgotten.
    void everyLanguageHasEveryFile()
    {
        QList<QStringList> languages;
        for (const QStringList& files : filesOfEachKind()) {
            QStringList names;
            for (const QString& file : files)
                names << languageOfName(file);
            languages << names;
        }
        QVERIFY(!languages.front().isEmpty());
        for (const QStringList& names : languages)
            QCOMPARE(names, languages.front());
    }

    // A file copied from another language's says so.
    void everyFileNamesItsLanguage()
    {
        QStringList faults;
        for (const QStringList& files : filesOfEachKind())
            for (const QString& file : files)
                if (declaredLanguage(file) != languageOfName(file))
                    faults << QFileInfo(file).fileName() + QStringLiteral(" declares ") + declaredLanguage(file);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
    }

    // Every text of the catalogue that the windows show is marked for translation, and nothing else.
    void catalogueTextsAreAllMarked()
    {
        QSet<QString> marked;
        for (const char* text : mezzurix::ui::catalogueTexts())
            marked << QString::fromUtf8(text);
        QSet<QString> shown;
        for (const mezzurix::Category& category : mezzurix::categories()) {
            for (const std::string_view text : {category.name, category.menuCaption, category.description})
                shown << QString::fromUtf8(text.data(), qsizetype(text.size()));
            for (const mezzurix::Unit& unit : category.units)
                shown << QString::fromUtf8(unit.text.data(), qsizetype(unit.text.size()));
        }
        QCOMPARE(QSet<QString>(marked).subtract(shown), QSet<QString>());
        QCOMPARE(QSet<QString>(shown).subtract(marked), QSet<QString>());
    }
};

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "test_translation_files.moc"
