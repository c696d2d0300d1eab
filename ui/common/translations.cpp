// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mezzurix/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mezzurix::ui {
namespace {

// The compiled catalogues are built into the program, one mezzurix_<language>.qm each.
const QString kCatalogueDir = QStringLiteral(":/i18n");
const QString kCatalogue = QStringLiteral("mezzurix");

void install(QCoreApplication* application, const QLocale& locale, const QString& name, const QString& dir)
{
    auto* translator = new QTranslator(application);
    if (translator->load(locale, name, QStringLiteral("_"), dir))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(QCoreApplication* application)
{
    const QLocale locale = QLocale::system();
    // LANGUAGE names the languages to try only outside the C locale, as for every other program.
    if (locale.language() == QLocale::C)
        return;
    // The last installed is searched first: ours, which also words some of Qt's own texts (its
    // command line help) where Qt's catalogue lacks them or words them poorly.
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(application, locale, kCatalogue, kCatalogueDir);
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QString prefix = kCatalogue + u'_';
    const QStringList files =
        QDir(kCatalogueDir).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

} // namespace mezzurix::ui
