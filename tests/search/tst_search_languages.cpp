// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The search's answers under a translated locale (run under LC_ALL=<language>_<territory>.UTF-8):
// the units named in the user's language are read, and the answers name units and categories as
// the window does in that language, with the regional decimal separator.
#include <mezzurix/search_answers.h>
#include <mezzurix/search_translations.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <QLocale>
#include <QTest>

using namespace mezzurix::search;

class TestSearchLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installSearchTranslations(QCoreApplication::instance()); }

    // Whatever the language: its own catalogue and the window's are installed, the answer is
    // written with its decimal sign and names its category in it.
    void speaksTheLanguage()
    {
        QVERIFY(QCoreApplication::translate("SearchAnswers", "Copy") != u"Copy");
        QVERIFY(QCoreApplication::translate("Catalogue", "Inches") != u"Inches");
        const QList<SearchAnswer> answers = answersFor(QStringLiteral("24 in to cm"));
        QVERIFY(!answers.isEmpty());
        QVERIFY2(answers.front().name.startsWith(QStringLiteral("60") + QLocale::system().decimalPoint() + QStringLiteral("96")),
                 qPrintable(answers.front().name));
        const QString category = QStringLiteral(" · ") + QCoreApplication::translate("Catalogue", "Distance");
        QVERIFY2(answers.front().description.endsWith(category), qPrintable(answers.front().description));
    }

    void answersInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("de Zoll") << "de" << "24 Zoll in cm" << "60,96 Zentimeter" << "24 Zoll = 60,96 Zentimeter · Entfernung";
        QTest::newRow("de Fuß Zoll") << "de" << "5 Fuß 10 Zoll in cm" << "177,8 Zentimeter" << "";
        QTest::newRow("de Pfund") << "de" << "1 Pfund in Gramm" << "453,59237 Gramm" << "";
        QTest::newRow("de pro") << "de" << "100 km/h in Meilen pro Stunde" << "62,1371192 Meilen pro Stunde" << "";
        QTest::newRow("de English") << "de" << "24 in to ft" << "2 Fuß" << "24 Zoll = 2 Fuß · Entfernung";
        QTest::newRow("fr pouces") << "fr" << "24 pouces en cm" << "60,96 centimètres" << "24 pouces = 60,96 centimètres · Distance";
        QTest::newRow("fr livre") << "fr" << "1 livre en grammes" << "453,59237 grammes" << "";
        QTest::newRow("es pulgadas") << "es" << "24 pulgadas a cm" << "60,96 centímetros" << "24 pulgadas = 60,96 centímetros · Distancia";
        QTest::newRow("es libra") << "es" << "1 libra a gramos" << "453,59237 gramos" << "";
    }

    void answersInTheUsersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, query);
        QFETCH(QString, name);
        QFETCH(QString, description);
        const QString locale = QLocale::system().name();
        if (locale != language && locale.section(u'_', 0, 0) != language)
            QSKIP("another language's row");
        const QList<SearchAnswer> answers = answersFor(query);
        QVERIFY2(!answers.isEmpty(), qPrintable(query));
        qInfo("%s: %s | %s", qPrintable(query), qPrintable(answers.front().name), qPrintable(answers.front().description));
        QCOMPARE(answers.front().name, name);
        if (!description.isEmpty())
            QCOMPARE(answers.front().description, description);
        // The id stays English, so that it reads back whatever the language.
        QVERIFY(answerForId(answers.front().id).has_value());
    }

    // A unit whose name leaves its variant open is described in the user's language.
    void variantNotesInTheUsersLanguage()
    {
        const mezzurix::LanguageNames* language = mezzurix::findNameLanguage(QLocale::system().name().toStdString());
        QVERIFY(language != nullptr);
        const int gallon = mezzurix::unitCode(*mezzurix::findUnitRecord("us_gallon"));
        const QList<SearchAnswer> answers = answersFor(QStringLiteral("2 gal to l"));
        QVERIFY(!answers.isEmpty());
        const QString description = answers.front().description;
        QVERIFY2(description.contains(QString::fromUtf8(mezzurix::unitDescription(gallon, language).data())),
                 qPrintable(description));
        QVERIFY2(!description.contains(QString::fromUtf8(mezzurix::unitDescription(gallon, nullptr).data())),
                 qPrintable(description));
    }
};

QTEST_GUILESS_MAIN(TestSearchLanguages)
#include "tst_search_languages.moc"
