// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace mezzurix::search {

// Installs the search's translation for the user's language, and the window's, whose names of
// units and categories the answers use. Under the C locale, or a language without a translation,
// the answers stay English.
void installSearchTranslations(QCoreApplication* application);

} // namespace mezzurix::search
