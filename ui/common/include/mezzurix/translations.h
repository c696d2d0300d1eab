// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCoreApplication;

namespace mezzurix::ui {

// Installs the windows' translation for the user's language, and Qt's own for its standard
// dialogs and menus (an input box's context menu). Under the C locale, or a language without a
// translation, every text stays English.
void installTranslations(QCoreApplication* application);

// The languages the windows are translated into ("de", "fr", ...), one per compiled catalogue.
QStringList translatedLanguages();

} // namespace mezzurix::ui
