// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/search_translations.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace mezzurix::search {

void installSearchTranslations(QCoreApplication* application)
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return;
    // Built into the provider: its own mezzurix-search_<language>.qm and the window's
    // mezzurix_<language>.qm.
    for (const QString& name : {QStringLiteral("mezzurix-search"), QStringLiteral("mezzurix")}) {
        auto* translator = new QTranslator(application);
        if (translator->load(locale, name, QStringLiteral("_"), QStringLiteral(":/search-i18n")))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace mezzurix::search
