// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_button.h"

#include <mezzurix/readable_colours.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace mezzurix::ui {
namespace {

// Assistive tools get a button they can press.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* pressed)
        : QAccessibleWidget(pressed, QAccessible::Button), button(pressed)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button->click();
    }

private:
    PictureButton* button;  // outlives this interface, which Qt deletes with it
};

QAccessibleInterface* accessibleFactory(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<PictureButton*>(object))
        return new PictureButtonAccessible(button);
    return nullptr;
}

// The picture at its design size, with its double-size drawing for screens scaled by two.
QIcon pictureIcon(const QString& path)
{
    QIcon icon(path);
    QString doubled = path;
    doubled.insert(doubled.lastIndexOf(u'.'), QStringLiteral("@2x"));
    icon.addFile(doubled);
    return icon;
}

} // namespace

PictureButton::PictureButton(const QString& path, QWidget* parent)
    : QLabel(parent), picture(pictureIcon(path))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAlignment(Qt::AlignCenter);
}

void PictureButton::draw(const QPalette& palette)
{
    setPixmap(pictureFor(picture, width(), devicePixelRatio(), palette));
}

void PictureButton::click()
{
    emit clicked();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    // As with any button, taking the pointer off the picture before letting go cancels the click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
    else
        QLabel::mouseReleaseEvent(event);
}

} // namespace mezzurix::ui
