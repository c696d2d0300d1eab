// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/display_names.h>
#include <mezzurix/plural_rules.h>
#include <mezzurix/query.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <QTest>

#include <array>
#include <string>
#include <string_view>

using namespace mezzurix;

namespace {

// Numbers as the answers print them, and their category in each language, one letter a number:
// o one, x other.
constexpr std::array<std::string_view, 13> kNumbers = {
    "1", "-1", "1.0", "1.00", "0.5", "1.5", "2", "0", "\u22121", "+1", "1000000", "1E+15", "0.00",
};

struct LanguageRow {
    std::string_view language;
    std::string_view categories;  // one letter per entry of kNumbers
};

constexpr std::array kLanguages = {
    LanguageRow{"", "ooxxxxxxooxxx"},
    LanguageRow{"en_GB.UTF-8", "ooxxxxxxooxxx"},
    LanguageRow{"de_DE.UTF-8", "ooxxxxxxooxxx"},
    LanguageRow{"it", "ooxxxxxxooxxx"},
    LanguageRow{"es_ES", "ooooxxxxooxxx"},
    LanguageRow{"fr_FR.UTF-8", "ooooooxoooxxo"},
    LanguageRow{"pt_BR", "ooooooxoooxxo"},
    LanguageRow{"pt_PT.UTF-8", "ooxxxxxxooxxx"},
    LanguageRow{"C", "ooxxxxxxooxxx"},
    LanguageRow{"xx_YY", "ooxxxxxxooxxx"},  // a language without rules follows English
};

PluralCategory categoryOf(char letter)
{
    return letter == 'o' ? PluralCategory::One : PluralCategory::Other;
}

QString shown(PluralCategory category)
{
    return QString::number(static_cast<int>(category));
}

// The names of a form, one by one.
QStringList namesOf(const NamedForm& form)
{
    return QString::fromUtf8(form.names.data(), qsizetype(form.names.size())).split(u'|');
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

class TestDisplayNames : public QObject {
    Q_OBJECT
private slots:
    void pluralCategories();
    void everyUnitByEveryRule();
    void everyNamedFormAnswers();
};

// Each language's rule over the numbers of the table below, as the names below rely on it: the
// decision is the text's, decimals shown included ("1.00 feet" in English, "1.00 litro" in Spanish).
void TestDisplayNames::pluralCategories()
{
    for (const LanguageRow& row : kLanguages) {
        QCOMPARE(row.categories.size(), kNumbers.size());
        for (std::size_t i = 0; i < kNumbers.size(); ++i) {
            const PluralCategory found = pluralCategory(row.language, kNumbers[i], ".");
            if (found != categoryOf(row.categories[i]))
                QFAIL(qPrintable(QStringLiteral("%1 of %2: %3, expected %4")
                                     .arg(fromView(kNumbers[i]), fromView(row.language), shown(found),
                                          shown(categoryOf(row.categories[i])))));
        }
    }
}

// Every unit of the model, with and without each of its forms, after every printed number in every
// language: the singular exactly where the language's rule says one, else the plural. English
// answers in the form typed; a language with a catalogue of names in its own names, of the form
// where the catalogue names it; one without takes the front end's caption where there is one, and
// the English names otherwise.
void TestDisplayNames::everyUnitByEveryRule()
{
    for (const UnitRecord& unit : unitRecords()) {
        QVERIFY2(!unit.singular.empty() && !unit.plural.empty(), unit.key.data());
        std::vector<const NamedForm*> forms = {nullptr};
        for (const NamedForm& form : namedForms(unit))
            forms.push_back(&form);
        const auto catalogueNames = [&](const LanguageNames& catalogue, const NamedForm* form) {
            const int number = form != nullptr ? int(form - namedForms(unit).data()) + 1 : 0;
            for (const FormName& own : catalogue.formNames)
                if (own.unitCode == unitCode(unit) && own.form == number)
                    return DisplayName{-1, own.singular, own.plural};
            return displayNames(unitCode(unit), &catalogue);
        };
        for (const LanguageRow& row : kLanguages) {
            const LanguageNames* catalogue = findNameLanguage(row.language);
            for (std::size_t i = 0; i < kNumbers.size(); ++i)
                for (const NamedForm* form : forms) {
                    const bool one = categoryOf(row.categories[i]) == PluralCategory::One;
                    const DisplayName own = catalogue != nullptr ? catalogueNames(*catalogue, form)
                                            : form != nullptr    ? DisplayName{-1, form->singular, form->plural}
                                                                 : DisplayName{-1, unit.singular, unit.plural};
                    const std::string_view expected = one ? own.singular : own.plural;
                    QCOMPARE(nameAfterNumber(unit, form, row.language, kNumbers[i], "."), expected);
                    const std::string_view withCaption =
                        nameAfterNumber(unit, form, row.language, kNumbers[i], ".", "Caption");
                    QCOMPARE(withCaption, hasDisplayNames(row.language) ? expected : std::string_view("Caption"));
                }
        }
    }
    QVERIFY(hasDisplayNames("de_DE.UTF-8"));
    QVERIFY(hasDisplayNames("en_US.UTF-8"));
    QVERIFY(!hasDisplayNames("xx_YY"));
}

// Every form of the model reads: each of its names reads as its unit and answers in the form, on
// either side, in any case, and a canonical text read again keeps it. A record whose forms do not
// read is caught.
void TestDisplayNames::everyNamedFormAnswers()
{
    int forms = 0;
    for (const UnitRecord& unit : unitRecords()) {
        const std::span<const NamedForm> own = namedForms(unit);
        QVERIFY2(own.empty() == unit.namedForms.empty(), unit.key.data());
        for (const NamedForm& form : own) {
            ++forms;
            QVERIFY(form.singular != unit.singular && form.plural != unit.plural);
            // Canonical texts name the unit by the form's plural, which must read back as it.
            QVERIFY2(namesOf(form).contains(fromView(form.plural), Qt::CaseInsensitive), form.plural.data());
            for (const QString& name : namesOf(form)) {
                const std::string text = "1 " + name.toStdString() + " in " + name.toStdString();
                const QueryReading reading = readQuery(text);
                const Query* query = std::get_if<Query>(&reading);
                QVERIFY2(query != nullptr, text.c_str());
                QCOMPARE(query->fromCode(), unitCode(unit));
                QVERIFY2(query->fromForm == &form, text.c_str());
                QVERIFY2(query->intoForm == &form, text.c_str());
                QVERIFY(findNamedForm(unit, name.toUpper().toStdString()) == &form);
                const std::string canonical = canonicalText(*query);
                const QueryReading again = readQuery(canonical);
                QVERIFY2(std::holds_alternative<Query>(again) && std::get<Query>(again).fromForm == &form &&
                             std::get<Query>(again).intoForm == &form,
                         canonical.c_str());
            }
        }
        // The unit's other names answer in its own display name.
        const std::string list(listText(unit));
        const QueryReading plain = readQuery("1 " + list + " in " + list);
        if (const Query* query = std::get_if<Query>(&plain))
            QVERIFY2(query->fromForm == nullptr && query->intoForm == nullptr, unit.key.data());
    }
    QVERIFY(forms >= 10);
}

QTEST_GUILESS_MAIN(TestDisplayNames)
#include "tst_display_names.moc"
