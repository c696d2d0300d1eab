// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The translation unit the tests' shared precompiled QtCore is built with.
