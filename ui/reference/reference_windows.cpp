// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mezzurix/reference_windows.h"

#include "mezzurix/focus_ring.h"
#include "mezzurix/fonts.h"
#include "mezzurix/readable_colours.h"
#include "mezzurix/reference_content.h"
#include "mezzurix/twips.h"
#include "mezzurix/windows.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace mezzurix::ui {

namespace {

using reference::LabelSpec;
using reference::LabelStyle;

constexpr double kContentPointSize = 9.75; // every text in the reference windows

struct WindowSpec {
    const char* name;
    const char* caption; // English
    int width; // client area, twips
    int height;
    const char* icon; // base name of the 16 and 32 pixel pictures
};

constexpr WindowSpec kInfoWindow{"frmInfo", QT_TRANSLATE_NOOP("ReferenceWindows", " SI Info "),
                                 8085, 5235, "info"};
constexpr WindowSpec kBaseUnitsWindow{"frmSIBaseUnits", QT_TRANSLATE_NOOP("ReferenceWindows", " SI Base Units "),
                                      5175, 3195, "ruler"};
constexpr WindowSpec kPrefixesWindow{"frmSIPrefixes", QT_TRANSLATE_NOOP("ReferenceWindows", " SI Prefixes "),
                                     7605, 7575, "ruler"};

constexpr QRect kInfoBoxTwips(75, 240, 7935, 4755);

// A top-level window without owner whose client area has the given size in twips. Closing it
// destroys it; it counts for quitting when the last window closes (the default for windows).
// Returns the client area, the parent of the window's controls.
QWidget* createFixedWindow(const WindowSpec& design)
{
    auto* window = new QWidget(nullptr, kFixedWindowFlags);
    window->setObjectName(QLatin1String(design.name));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(reference::windowText(design.caption));
    window->setWindowIcon(resourceIcon(QLatin1String(design.icon)));
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(design.width, window), twipsToPixels(design.height, window));
    holdFixedSize(window, client);
    return client;
}

QWidget* createInfoWindow()
{
    QWidget* client = createFixedWindow(kInfoWindow);
    auto* box = new QPlainTextEdit(client);
    box->setObjectName(QStringLiteral("rtbInfo"));
    box->setAccessibleName(reference::windowText(QT_TRANSLATE_NOOP("ReferenceWindows", "SI information")));
    box->setGeometry(twipsToPixels(kInfoBoxTwips, client));
    box->setFont(designFont(QStringLiteral("System"), QStringLiteral("Liberation Sans"),
                            kContentPointSize, true));
    // The box's background is the palette's Base colour: the system colour of window (text
    // area) backgrounds, not the grey of dialog faces.
    box->setBackgroundRole(QPalette::Base);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setPlainText(reference::infoText());
    box->moveCursor(QTextCursor::Start);
    (new FocusRing(client, FocusRing::Start::Shown))->watch(box, box);
    keepReadable(client->window());
    return client->window();
}

QWidget* createTableWindow(const WindowSpec& design, reference::Table table,
                           std::span<const LabelSpec> labels)
{
    QWidget* client = createFixedWindow(design);
    QFont headingFont = sansFont(kContentPointSize, true);
    headingFont.setUnderline(true);
    const QFont rowFont = monoFont(kContentPointSize, true);
    for (const LabelSpec& item : labels) {
        auto* label = new QLabel(reference::labelCaption(table, item), client);
        label->setObjectName(QLatin1String(item.name));
        if (item.index != reference::kNoIndex)
            label->setProperty("index", item.index);
        label->setFont(item.style == LabelStyle::Heading ? headingFont : rowFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(twipsToPixels(
            QRect(item.left, item.top, item.width, reference::kLabelHeightTwips), client));
    }
    keepReadable(client->window());
    return client->window();
}

QWidget* showSingleWindow(QPointer<QWidget>& window, const std::function<QWidget*()>& create)
{
    if (window) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
    } else {
        window = create();
        centreOnScreen(window);
        window->show();
    }
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

QWidget* showInfoWindow()
{
    static QPointer<QWidget> window;
    return showSingleWindow(window, createInfoWindow);
}

QWidget* showSIBaseUnitsWindow()
{
    static QPointer<QWidget> window;
    return showSingleWindow(window, [] {
        return createTableWindow(kBaseUnitsWindow, reference::Table::BaseUnits, reference::baseUnitsLabels());
    });
}

QWidget* showSIPrefixesWindow()
{
    static QPointer<QWidget> window;
    return showSingleWindow(window, [] {
        return createTableWindow(kPrefixesWindow, reference::Table::Prefixes, reference::prefixesLabels());
    });
}

} // namespace mezzurix::ui
