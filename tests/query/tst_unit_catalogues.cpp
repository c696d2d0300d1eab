// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The unit name catalogues of every language, as whole tables: every unit has both display names,
// every display name and every caption of the window reads back as its unit, and no translation
// is the English text unless the catalogue lists the word as spelled alike.

#include <mezzurix/catalogue.h>
#include <mezzurix/catalogue_terms.h>
#include <mezzurix/display_names.h>
#include <mezzurix/query.h>
#include <mezzurix/unit_names.h>
#include <mezzurix/unit_record.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace mezzurix;

namespace {

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QString folded(std::string_view text)
{
    return QString::fromUtf8(bytes(text)).toCaseFolded();
}

// The window's captions in `language`, by unit code, from its translation file.
std::multimap<int, std::string> windowCaptions(std::string_view language)
{
    std::map<std::string, int> codeOfCaption;
    for (const UnitRecord& unit : unitRecords())
        if (unit.window.code >= 0)
            codeOfCaption[std::string(unit.window.caption)] = unitCode(unit);
    std::multimap<int, std::string> captions;
    QFile file(QStringLiteral(MEZZURIX_TRANSLATIONS_DIR "/mezzurix_%1.ts").arg(QString::fromUtf8(bytes(language))));
    if (!file.open(QIODevice::ReadOnly))
        return captions;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" && context == u"Catalogue") {
            const QString translation = xml.readElementText();
            const auto unit = codeOfCaption.find(source.toStdString());
            if (unit != codeOfCaption.end() && !translation.isEmpty())
                captions.emplace(unit->second, translation.toStdString());
        }
    }
    return captions;
}

// The unit a name is read as in `language`, against another unit of its category; -1 for none.
// Whether two units are one amount of one dimension: Torque's pound-force inch and Energy's.
bool sameAmount(int a, int b)
{
    const CatalogueUnit* x = catalogueUnit(a);
    const CatalogueUnit* y = catalogueUnit(b);
    return a == b || (x != nullptr && y != nullptr && x->term.dimension == y->term.dimension && x->term.amount == y->term.amount);
}

// The unit "2 NAME" reads as, alone and before "to" another unit of its category; -1 where the
// two differ or either fails (alone, a name of two categories may be either, or the other's unit of
// the same amount).
int readAs(const std::string& name, int code, const LanguageNames* language)
{
    QueryOptions options;
    options.language = language != nullptr ? std::string(language->code) : std::string();
    QueryOptions alone = options;
    alone.allowMissingInto = true;
    const QueryReading bare = readQuery("2 " + name, alone);
    const Query* named = std::get_if<Query>(&bare);
    // A name of two categories (Torque and Energy) alone is either.
    const QueryError* error = std::get_if<QueryError>(&bare);
    const bool either = error != nullptr && error->kind == QueryErrorKind::AmbiguousUnit;
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units)
            if (unit.code == code)
                for (const Unit& other : category.units)
                    if (other.code != code) {
                        const QueryReading reading = readQuery("2 " + name + " to " + std::string(other.text), options);
                        const Query* query = std::get_if<Query>(&reading);
                        return query != nullptr && (either || (named != nullptr && sameAmount(named->fromCode(), query->fromCode())))
                                   ? query->fromCode()
                                   : -1;
                    }
    return -1;
}

// The words for one, a hundred and a thousand: where a value is expected they are numbers.
const std::map<std::string, std::vector<std::string_view>> kNumberWords = {
    {"de", {"ein", "eine", "eins", "hundert", "tausend"}},
    {"es", {"un", "uno", "una", "cien", "ciento", "mil"}},
    {"fr", {"un", "une", "cent", "mille"}},
    {"it", {"un", "uno", "una", "cento", "mille", "mila"}},
    {"pt_BR", {"um", "uma", "cem", "cento", "mil"}},
};

} // namespace

class TestUnitCatalogues : public QObject {
    Q_OBJECT

private slots:
    void everyUnitHasBothDisplayNames_data();
    void everyUnitHasBothDisplayNames();
    void everyShownNameReadsBack_data();
    void everyShownNameReadsBack();
    void everyEnglishNameShownReadsBack();
    void translationsDifferFromEnglish_data();
    void translationsDifferFromEnglish();
    void numberWordsNameNoUnit_data();
    void numberWordsNameNoUnit();
    void everyFormIsNamedAndAnswersInItself_data();
    void everyFormIsNamedAndAnswersInItself();
    void oneTakesTheSingular_data();
    void oneTakesTheSingular();
    void everyUnitAndCategoryIsDescribed_data();
    void everyUnitAndCategoryIsDescribed();
    void descriptionsDifferFromEnglish_data();
    void descriptionsDifferFromEnglish();
    void everyTextEndsAsALiteral_data();
    void everyTextEndsAsALiteral();
    void languagesAreFoundByTheirOwnTables();
};

namespace {

void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const LanguageNames* language : unitNameLanguages())
        QTest::newRow(bytes(language->code).constData()) << QString::fromUtf8(bytes(language->code));
}

const LanguageNames& fetchedLanguage()
{
    QFETCH(QString, language);
    for (const LanguageNames* each : unitNameLanguages())
        if (each->code == language.toStdString())
            return *each;
    qFatal("no language %s", qPrintable(language));
}

} // namespace

void TestUnitCatalogues::everyUnitHasBothDisplayNames_data()
{
    addLanguageRows();
}

void TestUnitCatalogues::everyUnitHasBothDisplayNames()
{
    const LanguageNames& language = fetchedLanguage();
    std::map<int, int> entries;
    for (const DisplayName& names : language.displayNames) {
        ++entries[names.unitCode];
        QVERIFY2(!names.singular.empty() && !names.plural.empty(), bytes(findUnitRecord(names.unitCode)->key));
    }
    for (const UnitRecord& unit : unitRecords())
        QVERIFY2(entries[unitCode(unit)] == 1, bytes(unit.key));
}

void TestUnitCatalogues::everyShownNameReadsBack_data()
{
    addLanguageRows();
}

// Whatever a list or an answer shows in a language reads back as its unit in that language.
void TestUnitCatalogues::everyShownNameReadsBack()
{
    const LanguageNames& language = fetchedLanguage();
    const std::multimap<int, std::string> captions = windowCaptions(language.code);
    for (const UnitRecord& unit : unitRecords()) {
        const int code = unitCode(unit);
        const DisplayName names = displayNames(code, &language);
        std::vector<std::string> shown{std::string(names.singular), std::string(names.plural)};
        const auto [first, last] = captions.equal_range(code);
        for (auto caption = first; caption != last; ++caption)
            shown.push_back(caption->second);
        for (const std::string& name : shown)
            QVERIFY2(readAs(name, code, &language) == code, (name + " of " + std::string(unit.key)).c_str());
    }
}

// English's display names and list texts read back as their units, alone and before another unit.
void TestUnitCatalogues::everyEnglishNameShownReadsBack()
{
    for (const Category& category : typedCategories())
        for (const Unit& unit : category.units) {
            const DisplayName names = displayNames(unit.code);
            for (const std::string_view name : {names.singular, names.plural, unit.text}) {
                QVERIFY2(readAs(std::string(name), unit.code, nullptr) == unit.code,
                         (std::string(name) + " of " + std::string(findUnitRecord(unit.code)->key)).c_str());
            }
        }
}

void TestUnitCatalogues::translationsDifferFromEnglish_data()
{
    addLanguageRows();
}

// A display name the same as English's is a word the language spells alike; the language's names
// hold its own words, as English names are read in every language anyway.
void TestUnitCatalogues::translationsDifferFromEnglish()
{
    const LanguageNames& language = fetchedLanguage();
    const auto alike = [&](std::string_view text) {
        return std::any_of(language.spelledAlike.begin(), language.spelledAlike.end(),
                           [&](std::string_view word) { return folded(word) == folded(text); });
    };
    for (const DisplayName& names : language.displayNames) {
        const DisplayName english = displayNames(names.unitCode);
        for (const auto& [translated, source] : {std::pair(names.singular, english.singular), std::pair(names.plural, english.plural)})
            QVERIFY2(folded(translated) != folded(source) || alike(translated),
                     bytes(translated) + " is the English name of " + bytes(findUnitRecord(names.unitCode)->key));
    }
    for (const FormName& form : language.formNames) {
        const NamedForm& english = namedForms(*findUnitRecord(form.unitCode))[std::size_t(form.form) - 1];
        for (const auto& [translated, source] : {std::pair(form.singular, english.singular), std::pair(form.plural, english.plural)})
            QVERIFY2(folded(translated) != folded(source) || alike(translated),
                     bytes(translated) + " is the English name of a form of " + bytes(findUnitRecord(form.unitCode)->key));
    }
    for (const UnitName& name : language.names)
        for (const UnitName& englishName : namesOf(name.unitCode))
            QVERIFY2(name.kind == NameKind::CaseSymbol || englishName.kind == NameKind::CaseSymbol ||
                         folded(name.text) != folded(englishName.text),
                     bytes(name.text) + " repeats an English name of " + bytes(findUnitRecord(name.unitCode)->key));
    for (const std::string_view word : language.spelledAlike)
        QVERIFY2(!word.empty(), bytes(language.code));
}

void TestUnitCatalogues::numberWordsNameNoUnit_data()
{
    addLanguageRows();
}

void TestUnitCatalogues::numberWordsNameNoUnit()
{
    const LanguageNames& language = fetchedLanguage();
    const auto words = kNumberWords.find(std::string(language.code));
    QVERIFY2(words != kNumberWords.end(), bytes(language.code));
    for (const std::string_view word : words->second) {
        for (const UnitName& name : language.names)
            QVERIFY2(folded(name.text) != folded(word), bytes(word));
        for (const DisplayName& names : language.displayNames)
            QVERIFY2(folded(names.singular) != folded(word) && folded(names.plural) != folded(word), bytes(word));
    }
}

void TestUnitCatalogues::everyFormIsNamedAndAnswersInItself_data()
{
    addLanguageRows();
}

// Every form of its own a unit answers in ("ml": milliliters) has both display names in every
// language, and a query naming the unit by the form's English names or the language's own answers
// in the language's form, singular after 1 and plural after 2.
void TestUnitCatalogues::everyFormIsNamedAndAnswersInItself()
{
    const LanguageNames& language = fetchedLanguage();
    QueryOptions options;
    options.language = std::string(language.code);
    options.allowMissingInto = true;
    for (const UnitRecord& unit : unitRecords()) {
        const std::span<const NamedForm> forms = namedForms(unit);
        for (std::size_t i = 0; i < forms.size(); ++i) {
            const auto own = std::find_if(language.formNames.begin(), language.formNames.end(), [&](const FormName& form) {
                return form.unitCode == unitCode(unit) && std::size_t(form.form) == i + 1;
            });
            const std::string what = std::string(forms[i].singular) + " of " + std::string(unit.key);
            QVERIFY2(own != language.formNames.end() && !own->singular.empty() && !own->plural.empty(), what.c_str());
            std::vector<std::string_view> names;
            for (const std::string_view list : {forms[i].names, own->names})
                for (std::size_t start = 0; start < list.size();) {
                    const std::size_t bar = std::min(list.find('|', start), list.size());
                    names.push_back(list.substr(start, bar - start));
                    start = bar + 1;
                }
            for (const std::string_view name : names)
                for (const auto& [number, shown] : {std::pair("1", own->singular), std::pair("2", own->plural)}) {
                    const QueryReading reading = readQuery(std::string(number) + " " + std::string(name), options);
                    const Query* query = std::get_if<Query>(&reading);
                    QVERIFY2(query != nullptr && query->fromCode() == unitCode(unit), (std::string(name) + ", " + what).c_str());
                    QCOMPARE(bytes(nameAfterNumber(unit, query->fromForm, language.code, number, ".")), bytes(shown));
                }
        }
    }
}

void TestUnitCatalogues::oneTakesTheSingular_data()
{
    addLanguageRows();
}

// "1 X" names every unit in the singular, "2 X" in the plural, by the language's own plural rule.
void TestUnitCatalogues::oneTakesTheSingular()
{
    const LanguageNames& language = fetchedLanguage();
    for (const UnitRecord& unit : unitRecords()) {
        const DisplayName names = displayNames(unitCode(unit), &language);
        QCOMPARE(unitDisplayName(unitCode(unit), &language, pluralCategory(language.code, "1", ".")), names.singular);
        QCOMPARE(unitDisplayName(unitCode(unit), &language, pluralCategory(language.code, "2", ".")), names.plural);
    }
}

void TestUnitCatalogues::everyUnitAndCategoryIsDescribed_data()
{
    addLanguageRows();
}

// Every unit has one description and every category one name.
void TestUnitCatalogues::everyUnitAndCategoryIsDescribed()
{
    const LanguageNames& language = fetchedLanguage();
    std::map<int, int> descriptions;
    for (const UnitDescription& description : language.descriptions) {
        ++descriptions[description.unitCode];
        QVERIFY2(!description.text.empty(), bytes(findUnitRecord(description.unitCode)->key));
    }
    for (const UnitRecord& unit : unitRecords())
        QVERIFY2(descriptions[unitCode(unit)] == 1, bytes(unit.key));
    std::map<std::string_view, int> names;
    for (const CategoryName& name : language.categoryNames) {
        ++names[name.key];
        QVERIFY2(!name.text.empty(), bytes(name.key));
    }
    for (const CategoryRecord& category : categoryRecords())
        QVERIFY2(names[category.key] == 1, bytes(category.key));
}

void TestUnitCatalogues::descriptionsDifferFromEnglish_data()
{
    addLanguageRows();
}

// A description or category name the same as English's is made of words the language spells
// alike ("byte (8 bits)", "Volume"); any other is untranslated.
void TestUnitCatalogues::descriptionsDifferFromEnglish()
{
    const LanguageNames& language = fetchedLanguage();
    const auto allAlike = [&](std::string_view text) {
        const QStringList words = QString::fromUtf8(bytes(text)).split(QRegularExpression(QStringLiteral("[^\\p{L}]+")),
                                                                        Qt::SkipEmptyParts);
        return std::all_of(words.begin(), words.end(), [&](const QString& word) {
            return std::any_of(language.spelledAlike.begin(), language.spelledAlike.end(),
                               [&](std::string_view alike) { return folded(alike) == word.toCaseFolded(); });
        });
    };
    for (const UnitDescription& description : language.descriptions) {
        const std::string_view english = unitDescription(description.unitCode, nullptr);
        QVERIFY2(folded(description.text) != folded(english) || allAlike(description.text),
                 bytes(description.text) + " is the English description of " +
                     bytes(findUnitRecord(description.unitCode)->key));
    }
    for (const CategoryName& name : language.categoryNames)
        QVERIFY2(folded(name.text) != folded(categoryName(name.key, nullptr)) || allAlike(name.text),
                 bytes(name.text) + " is the English name of the category " + bytes(name.key));
}

void TestUnitCatalogues::everyTextEndsAsALiteral_data()
{
    addLanguageRows();
}

// A language's texts are read from its packed table: each is followed by a null character, as a
// literal is, since messages pass them on as C strings.
void TestUnitCatalogues::everyTextEndsAsALiteral()
{
    const LanguageNames& language = fetchedLanguage();
    int texts = 0;
    const auto check = [&](std::string_view text) {
        ++texts;
        QVERIFY2(text.data() != nullptr && text.data()[text.size()] == '\0', std::string(text).c_str());
    };
    for (const UnitName& name : language.names)
        check(name.text);
    for (const DisplayName& name : language.displayNames)
        check(name.singular), check(name.plural);
    for (const FormName& form : language.formNames)
        check(form.names), check(form.singular), check(form.plural);
    for (const UnitDescription& description : language.descriptions)
        check(description.text);
    for (const CategoryName& category : language.categoryNames)
        check(category.key), check(category.text);
    for (const CurrencyName& currency : language.currencyNames)
        check(currency.code), check(currency.names), check(currency.singular), check(currency.plural), check(currency.beside);
    for (const SharedCurrencyWords& shared : language.sharedCurrencyNames)
        check(shared.key), check(shared.names);
    QVERIFY(texts > 1000);
}

// Each language is found by its locale as the one in the list of all, and its place in the list
// is where the list has it.
void TestUnitCatalogues::languagesAreFoundByTheirOwnTables()
{
    const auto languages = unitNameLanguages();
    QCOMPARE(languages.size(), unitNameLanguageCount());
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const std::string code(languages[i]->code);
        QCOMPARE(findNameLanguage(code + ".UTF-8"), languages[i]);
        QCOMPARE(unitNameLanguageIndex(*languages[i]), std::optional<std::size_t>(i));
        LanguageNames copy = *languages[i];
        QCOMPARE(unitNameLanguageIndex(copy), std::nullopt);
    }
}

QTEST_GUILESS_MAIN(TestUnitCatalogues)
#include "tst_unit_catalogues.moc"
