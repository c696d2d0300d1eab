// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What both search front ends show for quantities of several units and for queries with control
// characters. KRunner shows the answers of the typed query; GNOME Shell gets their ids and shows
// the answer each id gives back.

#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/definitions.h>
#include <mezzurix/search_answers.h>
#include <mezzurix/typed_units.h>

#include <QtTest>

using namespace mezzurix;
using namespace mezzurix::search;

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Every text of `answer`, for messages and checks.
QStringList textsOf(const SearchAnswer& answer)
{
    return {answer.id, answer.name, answer.description, answer.number};
}

bool hasControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

class TestSearchQuantities : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void severalUnitsDescribed_data();
    void severalUnitsDescribed();
    void everyPairDescribedAlikeByBothShells();
    void signOfSplitAnswers();
    void noControlCharacters();
};

void TestSearchQuantities::severalUnitsDescribed_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("description");
    QTest::newRow("as typed") << "5 ft 10 in to cm" << "5 Feet 10 Inches = 177.8 Centimeters \u00b7 Distance";
    QTest::newRow("inches bare") << "5 ft 10 to cm" << "5 Feet 10 Inches = 177.8 Centimeters \u00b7 Distance";
    QTest::newRow("primes") << "5'10\" to cm" << "5 Feet 10 Inches = 177.8 Centimeters \u00b7 Distance";
    QTest::newRow("negative") << "-5 ft 10 in to cm" << "-5 Feet 10 Inches = -177.8 Centimeters \u00b7 Distance";
    QTest::newRow("singulars") << "-1 ft 1 in to cm" << "-1 Foot 1 Inch = -33.02 Centimeters \u00b7 Distance";
    QTest::newRow("negative zero first") << "-0 ft 6 in to in" << "-0 Feet 6 Inches = -6 Inches \u00b7 Distance";
    QTest::newRow("fraction") << "5 ft 10 1/2 in to cm" << "5 Feet 10.5 Inches = 179.07 Centimeters \u00b7 Distance";
}

// One description for both shells: the quantity as written, its sign once.
void TestSearchQuantities::severalUnitsDescribed()
{
    QFETCH(QString, query);
    QFETCH(QString, description);
    const QList<SearchAnswer> answers = answersFor(query);
    QCOMPARE(answers.size(), 1);
    QCOMPARE(answers.front().description, description);
    const std::optional<SearchAnswer> shown = answerForId(answers.front().id);
    QVERIFY(shown);
    QCOMPARE(textsOf(*shown), textsOf(answers.front()));
}

// Every two units of every category, larger first, as a negative quantity without an into unit:
// each answer GNOME Shell shows from its id is the one KRunner shows, and both write the quantity
// with its sign once.
void TestSearchQuantities::everyPairDescribedAlikeByBothShells()
{
    int answered = 0;
    for (const Category& category : typedCategories())
        for (const Unit& a : category.units)
            for (const Unit& b : category.units) {
                const std::optional<double> size = convertUnits(a.code, b.code, 1.0);
                if (!size || *size <= 1.0 || convertUnits(a.code, b.code, 0.0) != 0.0)
                    continue;
                const QString quantity = QStringLiteral("-7 %1 3 %2").arg(fromView(a.text), fromView(b.text));
                const QList<SearchAnswer> answers = answersFor(quantity);
                QVERIFY2(!answers.isEmpty(), qPrintable(quantity));
                // Each part named as a person says it: "-7 Square inches 3 Square millimeters".
                const QString described = QStringLiteral("-7 %1 3 %2 = ")
                                              .arg(fromView(nameAfterNumber(a, "7")), fromView(nameAfterNumber(b, "3")));
                for (const SearchAnswer& answer : answers) {
                    QVERIFY2(answer.description.startsWith(described), qPrintable(answer.description));
                    const std::optional<SearchAnswer> shown = answerForId(answer.id);
                    QVERIFY2(shown, qPrintable(answer.id));
                    QCOMPARE(textsOf(*shown), textsOf(answer));
                    ++answered;
                }
            }
    qInfo("%d answers", answered);
}

// A region whose minus sign is U+2212 (Swedish): answers into several units, and the text they copy,
// start with the sign answers in one unit show.
void TestSearchQuantities::signOfSplitAnswers()
{
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    const QList<SearchAnswer> single = answersFor(QStringLiteral("-70 in to ft"));
    const QList<SearchAnswer> split = answersFor(QStringLiteral("-70 in to ft in"));
    QCOMPARE(single.size(), 1);
    QCOMPARE(split.size(), 1);
    QCOMPARE(split.front().number, QStringLiteral("-5 ft 10 in"));
    QCOMPARE(split.front().number.front(), single.front().number.front());
    QCOMPARE(split.front().name, split.front().number);
    QCOMPARE(answerForId(split.front().id)->number, split.front().number);
}

// Whatever control character stands between the words of a query, no text of an answer holds one.
void TestSearchQuantities::noControlCharacters()
{
    const QStringList queries = {QStringLiteral("5 ft %1 10 in to cm"), QStringLiteral("24%1in to ft"),
                                 QStringLiteral("-5 ft%110 in to ft in"), QStringLiteral("1,5%1kg")};
    int answered = 0;
    for (const QString& query : queries)
        for (const char16_t control : {u'\x01', u'\b', u'\t', u'\n', u'\v', u'\f', u'\r', u'\x1B', u'\x7F', u'\x85', u'\x9B'}) {
            const QString typed = query.arg(QChar(control));
            for (const SearchAnswer& answer : answersFor(typed)) {
                for (const QString& text : textsOf(answer))
                    QVERIFY2(!hasControl(text), qPrintable(typed.toUtf8().toPercentEncoding() + ": " + text.toUtf8().toPercentEncoding()));
                ++answered;
            }
        }
    QVERIFY(answered > 0);
}

QTEST_MAIN(TestSearchQuantities)
#include "tst_search_quantities.moc"
