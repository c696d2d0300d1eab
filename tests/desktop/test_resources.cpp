// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

// The windows load these pictures by path, so each must be there at the size its window shows it.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void picture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");
        const struct { const char *name; int size; } pictures[] = {
            {"app-16.png", 16},        {"app-32.png", 32},       {"hand-right.png", 32},
            {"hand-right-16.png", 16}, {"hand-left.png", 32},    {"hand-left-16.png", 16},
            {"info-16.png", 16},       {"info-32.png", 32},      {"ruler-16.png", 16},
            {"ruler-32.png", 32},
        };
        for (const auto &p : pictures)
            QTest::newRow(p.name) << QStringLiteral(":/mezzurix/%1").arg(QLatin1String(p.name)) << p.size;
    }

    void picture()
    {
        QFETCH(QString, path);
        QFETCH(int, size);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(size, size));

        // 16 colours at most; fully transparent pixels are the icon mask, not a colour.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                if (qAlpha(argb.pixel(x, y)) != 0)
                    colours.insert(argb.pixel(x, y));
        QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
        QVERIFY(colours.size() >= 2);
    }

    void handsAreMirrorImages_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("32x32") << QString();
        QTest::newRow("16x16") << QStringLiteral("-16");
    }

    // The direction indicator flips between the two hands on one spot: they must match in shape.
    void handsAreMirrorImages()
    {
        QFETCH(QString, suffix);
        const QImage right(QStringLiteral(":/mezzurix/hand-right%1.png").arg(suffix));
        const QImage left(QStringLiteral(":/mezzurix/hand-left%1.png").arg(suffix));
        QCOMPARE(left.convertToFormat(QImage::Format_ARGB32),
                 right.mirrored(true, false).convertToFormat(QImage::Format_ARGB32));
        QVERIFY(right != left);
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "test_resources.moc"
