// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QLabel>

namespace mezzurix::ui {

// A picture that acts as a button: a left click, or an assistive tool's press, emits clicked().
// It stays out of the tab order. Its picture follows the palette (see draw()).
class PictureButton : public QLabel {
    Q_OBJECT

public:
    PictureButton(const QString& path, QWidget* parent);

    // Draws the picture at the button's size for `palette`: in reverse on a dark window.
    void draw(const QPalette& palette);

public slots:
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QIcon picture;
};

} // namespace mezzurix::ui
