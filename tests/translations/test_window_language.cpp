// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs under one translation's locale: `--language de` runs under de_DE.UTF-8. Every text the main window
// and the three SI windows show, and what they say to assistive tools, is gathered once before
// and once after the translations are installed: each must read differently in the language,
// apart from symbols, numbers and names that the language writes as English does. The menus'
// and buttons' access keys stay unique, and Qt's own texts (the input's context menu) are
// translated too. With --locales, prints the locale of each translation, for generating them.
#include <mezzurix/main_window.h>
#include <mezzurix/reference_windows.h>
#include <mezzurix/translations.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <clocale>
#include <cstdio>
#include <memory>

namespace {

// Texts that the language writes exactly as English does (names of units, words spelt the same),
// one a line in same_as_english/<language>.txt: a language without the file has none.
QSet<QString> sameAsEnglish(const QString& language)
{
    QFile file(QStringLiteral(MEZZURIX_SAME_AS_ENGLISH_DIR "/%1.txt").arg(language));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QSet<QString> texts;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
        texts << line;
    return texts;
}
// The same in every language: unit names and symbols, and the program's name.
const QSet<QString> kNames{QStringLiteral("BTU"), QStringLiteral("Lux"), QStringLiteral("Celsius"),
                           QStringLiteral("Fahrenheit"), QStringLiteral("Mezzurix!!")};

// One text a window shows or speaks, named by where it is.
using Texts = QMap<QString, QString>;

void addWidgetTexts(const QWidget* widget, const QString& where, Texts& texts)
{
    texts[where + QStringLiteral(" tooltip")] = widget->toolTip();
    texts[where + QStringLiteral(" name")] = widget->accessibleName();
    texts[where + QStringLiteral(" description")] = widget->accessibleDescription();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        texts[where] = label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts[where] = button->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget))
        texts[where] = box->toPlainText();
    if (const auto* list = qobject_cast<const QListWidget*>(widget))
        for (int row = 0; row < list->count(); ++row)
            texts[where + QStringLiteral(" row %1").arg(row)] = list->item(row)->text();
}

void addWindowTexts(QWidget* window, Texts& texts)
{
    const QString name = window->objectName();
    texts[name + QStringLiteral(" title")] = window->windowTitle();
    texts[name + QStringLiteral(" name")] = window->accessibleName();
    texts[name + QStringLiteral(" description")] = window->accessibleDescription();
    int index = 0;
    for (const QWidget* widget : window->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty())
            addWidgetTexts(widget, QStringLiteral("%1/%2#%3").arg(name, widget->objectName()).arg(index++), texts);
    for (const QAction* action : window->findChildren<QAction*>())
        if (!action->objectName().isEmpty())
            texts[name + u'/' + action->objectName()] = action->text();
    for (const QMenu* menu : window->findChildren<QMenu*>())
        if (!menu->objectName().isEmpty())
            texts[name + u'/' + menu->objectName()] = menu->title();
}

// Every window open, every list made, and the output empty once so that it says why.
Texts gatherTexts()
{
    Texts texts;
    auto window = std::make_unique<mezzurix::ui::MainWindow>();
    window->show();
    if (!QTest::qWaitFor([&] { return window->findChildren<QListWidget*>().size() == 28; }))
        qFatal("the unit lists were not made");
    addWindowTexts(window.get(), texts);
    window->findChild<QLineEdit*>(QStringLiteral("txtIn"))->setText(QStringLiteral("1e308"));
    window->findChild<QAction*>(QStringLiteral("mnuMass"))->trigger();
    texts[QStringLiteral("out of range")] = window->findChild<QLineEdit*>(QStringLiteral("txtOut"))->placeholderText();
    for (QWidget* (*show)() : {mezzurix::ui::showInfoWindow, mezzurix::ui::showSIBaseUnitsWindow,
                               mezzurix::ui::showSIPrefixesWindow}) {
        QWidget* reference = show();
        addWindowTexts(reference, texts);
        reference->close();  // deletes it: the translated one is made afresh
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return texts;
}

bool hasLetters(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
}

// The characters after '&' in each caption: no two may share one.
QStringList repeatedKeys(const QStringList& captions)
{
    QSet<QChar> seen;
    QStringList repeated;
    for (const QString& caption : captions) {
        const qsizetype at = caption.indexOf(u'&');
        if (at < 0 || at + 1 >= caption.size())
            continue;
        const QChar key = caption[at + 1].toLower();
        if (seen.contains(key))
            repeated << caption;
        seen << key;
    }
    return repeated;
}

// The translation the locale takes: pt_BR's own, or else its language's (de for de_AT).
QString language()
{
    const QString name = QLocale::system().name();
    const QStringList languages = mezzurix::ui::translatedLanguages();
    return languages.contains(name) ? name : name.section(u'_', 0, 0);
}

} // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

    Texts english;
    Texts translated;

private slots:
    void initTestCase()
    {
        QVERIFY2(mezzurix::ui::translatedLanguages().contains(language()),
                 qPrintable(QStringLiteral("no translation for the locale %1").arg(QLocale::system().name())));
        english = gatherTexts();
        mezzurix::ui::installTranslations(qApp);
        translated = gatherTexts();
        QCOMPARE(translated.keys(), english.keys());
    }

    void everyTextIsTranslated()
    {
        const QSet<QString> same = sameAsEnglish(language()) + kNames;
        QStringList untranslated;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QString& text = translated[it.key()];
            // The prefixes' rows are symbols and numbers; the window title is the program's name
            // and address.
            const bool symbols = it.key().startsWith(u"frmSIPrefixes/Label1#") || it.key() == u"frmMezzurix title";
            if (hasLetters(it.value()) && text == it.value() && !same.contains(text) && !symbols)
                untranslated << it.key() + QStringLiteral(": ") + text;
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u"; ")));
    }

    // Alt and a key reaches one menu or button, and a key within a menu one item.
    void accessKeysStayUnique()
    {
        QStringList barAndButtons;
        QStringList faults;
        for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
            const QString& where = it.key();
            if (where.contains(u"/mnuLists") || where.contains(u"/mnuOptions") || where.contains(u"/mnuInfo")
                || where.contains(u"/cmdSwap1#") || where.contains(u"/cmdCopy#")) {
                if (!where.contains(u' '))
                    barAndButtons << it.value();
            }
        }
        QCOMPARE(barAndButtons.size(), 5);  // three menus, two buttons
        faults << repeatedKeys(barAndButtons);
        mezzurix::ui::MainWindow window;
        for (const QMenu* menu : window.findChildren<QMenu*>()) {
            QStringList items;
            for (const QAction* action : menu->actions())
                items << action->text();
            faults << repeatedKeys(items);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
    }

    // The input's context menu comes from Qt, which has its own translations.
    void qtSpeaksTheLanguageToo()
    {
        QVERIFY(QCoreApplication::translate("QLineEdit", "&Copy") != u"&Copy");
        QVERIFY(QCoreApplication::translate("QLineEdit", "Select All") != u"Select All");
    }
};

// The locale a language runs under: "de" under de_DE.UTF-8.
QByteArray localeOf(const char* language)
{
    return QLocale(QString::fromLatin1(language)).name().toLatin1() + ".UTF-8";
}

int main(int argc, char* argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--language") == 0) {
        const QByteArray locale = localeOf(argv[2]);
        qputenv("LC_ALL", locale);
        qputenv("LANG", locale);
        qunsetenv("LANGUAGE");
        if (std::setlocale(LC_ALL, locale.constData()) == nullptr)
            qFatal("the locale %s is not generated", locale.constData());
        // The program's name goes on in front of the remaining arguments.
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--locales") == 0) {
        for (const QString& language : mezzurix::ui::translatedLanguages())
            std::printf("%s\n", localeOf(qPrintable(language)).constData());
        return 0;
    }
    WindowLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_language.moc"
