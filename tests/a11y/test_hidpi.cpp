// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lays the windows out at scale 1 and at scale 2 (QT_SCALE_FACTOR, one child process each), in
// English and in every language the windows are translated into (under its locale), and
// compares: the same geometry in device-independent pixels, nothing overlapping that is not meant
// to, everything inside its window, every text fitting at both scales in every language, and the
// hand pictures drawn sharp from their double-size drawings.
#include <mezzurix/catalogue.h>
#include <mezzurix/main_window.h>
#include <mezzurix/reference_windows.h>
#include <mezzurix/translations.h>
#include <mezzurix/window_texts.h>

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QTest>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kMeasureTimeoutMs = 30000;
constexpr int kUnitLists = 28;  // two per category
// The main window's controls: 16 beside the unit lists.
constexpr int kMainControls = 16 + kUnitLists;

// Pairs of controls that share a place by design: the covered focus box under its button, and
// the two direction hands of which one shows at a time.
const QSet<QSet<QString>> kDesignedOverlaps{
    {QStringLiteral("Text1"), QStringLiteral("cmdCopy")},
    {QStringLiteral("Image1"), QStringLiteral("Image2")},
};

QString withoutAmpersand(QString text)
{
    return text.remove(u'&');
}

// Every text a control may have to show: the unit captions show any unit, the title any category.
QStringList textsFor(const QWidget* widget)
{
    const QString name = widget->objectName();
    const bool mainWindow = widget->window()->objectName() == u"frmMezzurix";
    QStringList texts;
    if (mainWindow && (name == u"Label1" || name == u"Label2")) {
        for (const mezzurix::Category& category : mezzurix::categories())
            for (const mezzurix::Unit& unit : category.units)
                texts << mezzurix::ui::catalogueText(unit.text);
    } else if (mainWindow && (name == u"Label6" || name == u"Label7")) {
        // they swap with the hands
        texts << mezzurix::ui::windowText("Convert:") << mezzurix::ui::windowText("Into:");
    } else if (mainWindow && name == u"lblTitle") {
        for (const mezzurix::Category& category : mezzurix::categories())
            texts << mezzurix::ui::catalogueText(category.name);
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        texts << label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        texts << withoutAmpersand(button->text());
    } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    }
    texts.removeAll(QString());
    return texts;
}

// Room for text inside a control, in device-independent pixels.
QSizeF textRoom(const QWidget* widget)
{
    if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        const int frame = list->frameWidth();
        QSizeF room = list->size() - QSize(2 * frame, 2 * frame);
        if (list->count() * list->sizeHintForRow(0) > room.height())
            room.rwidth() -= list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
        return room;
    }
    if (qobject_cast<const QPushButton*>(widget) != nullptr) {
        const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
        return widget->contentsRect().size() - QSize(2 * margin, 0);
    }
    return widget->contentsRect().size();
}

QJsonObject describeControl(const QWidget* widget, const QWidget* client)
{
    const QRect rect(widget->mapTo(client, QPoint()), widget->size());
    const QFontMetricsF metrics(widget->font());
    const QSizeF room = textRoom(widget);
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool wraps = label != nullptr && label->wordWrap();
    // The text that needs the most room decides, by width, and by height where lines wrap.
    QString widest;
    QSizeF needed;
    for (const QString& text : textsFor(widget)) {
        const QSizeF size = wraps ? metrics.boundingRect(QRectF(QPointF(), QSizeF(room.width(), 1e6)),
                                                         Qt::TextWordWrap, text).size()
                                  : QSizeF(metrics.horizontalAdvance(text), metrics.height());
        if (widest.isEmpty() || size.width() > needed.width() || size.height() > needed.height()) {
            needed = needed.expandedTo(size);
            widest = text;
        }
    }
    // A left-aligned label may reach past the window's edge with nothing to show there.
    QRect shown = rect;
    if (label != nullptr && !wraps && (label->alignment() & Qt::AlignLeft))
        shown.setWidth(std::min(rect.width(), int(std::ceil(needed.width()))));
    return {
        {"name", widget->objectName()},
        {"x", rect.x()}, {"y", rect.y()}, {"width", rect.width()}, {"height", rect.height()},
        {"drawnWidth", shown.width()},
        {"shown", !widget->isHidden()},
        {"widest", widest},
        {"textWidth", needed.width()},
        {"roomWidth", room.width()},
        {"textHeight", needed.height()},
        {"roomHeight", room.height()},
    };
}

// A picture drawn sharp at a whole scale shows each of its pixels as a uniform square.
bool drawnInSquares(const QImage& image, int scale)
{
    for (int y = 0; y + scale <= image.height(); y += scale)
        for (int x = 0; x + scale <= image.width(); x += scale)
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    if (image.pixel(x + dx, y + dy) != image.pixel(x, y))
                        return false;
    return true;
}

QJsonObject describeWindow(QWidget* window, QWidget* client)
{
    QJsonArray controls;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->objectName().isEmpty())
            controls.append(describeControl(child, client));
    return {
        {"name", window->objectName()},
        {"width", client->width()},
        {"height", client->height()},
        {"frameWidth", window->width()},
        {"frameHeight", window->height()},
        {"controls", controls},
    };
}

// Child process: shows every window at the scale its environment asks for and prints the layout.
int measure()
{
    mezzurix::ui::MainWindow main;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    // The hidden categories' lists are made once the window has been drawn.
    if (!QTest::qWaitFor([&] { return main.findChildren<QListWidget*>().size() == kUnitLists; }))
        return 1;
    QJsonArray windows{describeWindow(&main, main.centralWidget())};
    for (QWidget* (*show)() : {mezzurix::ui::showInfoWindow, mezzurix::ui::showSIBaseUnitsWindow,
                               mezzurix::ui::showSIPrefixesWindow}) {
        QWidget* window = show();
        if (!QTest::qWaitForWindowExposed(window))
            return 1;
        windows.append(describeWindow(window, window->findChild<QWidget*>(QStringLiteral("client"))));
    }

    QJsonArray hands;
    for (const char* name : {"Image1", "Image2"}) {
        auto* hand = main.findChild<QLabel*>(QString::fromLatin1(name));
        hand->setVisible(true);
        const QPixmap pixmap = hand->pixmap();
        const int scale = qRound(main.devicePixelRatio());
        hands.append(QJsonObject{
            {"name", hand->objectName()},
            {"pixels", pixmap.width()},
            {"pixelRatio", pixmap.devicePixelRatio()},
            {"sharp", drawnInSquares(hand->grab().toImage(), scale)},
        });
    }

    const QJsonObject report{
        {"pixelRatio", main.devicePixelRatio()},
        {"windows", windows},
        {"hands", hands},
    };
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}

} // namespace

// English, then every translation.
QStringList languages()
{
    return QStringList{QStringLiteral("C")} + mezzurix::ui::translatedLanguages();
}

// The locale a language runs under: "de" under de_DE.UTF-8.
QString localeOf(const QString& language)
{
    return language == u"C" ? QStringLiteral("C.UTF-8") : QLocale(language).name() + QStringLiteral(".UTF-8");
}

void addLanguageRows(bool withScales)
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("scale");
    for (const QString& language : languages())
        for (const int scale : {1, 2})
            if (withScales || scale == 1)
                QTest::addRow("%s scale %d", qPrintable(language), scale) << language << scale;
}

class HighDpiTest : public QObject {
    Q_OBJECT

    // Indexed by the language, then by the scale factor, 1 and 2.
    QMap<QString, std::array<QJsonObject, 3>> reports;

    static QJsonObject runAt(const QString& language, int scale)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), localeOf(language));
        env.insert(QStringLiteral("LANG"), localeOf(language));
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--measure")});
        if (!child.waitForFinished(kMeasureTimeoutMs) || child.exitCode() != 0)
            return {};
        return QJsonDocument::fromJson(child.readAllStandardOutput()).object();
    }
    static QJsonArray windows(const QJsonObject& report) { return report["windows"].toArray(); }
    static QRect rectOf(const QJsonObject& control)
    {
        return {control["x"].toInt(), control["y"].toInt(), control["width"].toInt(),
                control["height"].toInt()};
    }
    static bool fits(const QJsonObject& control)
    {
        return control["textWidth"].toDouble() <= control["roomWidth"].toDouble()
            && control["textHeight"].toDouble() <= control["roomHeight"].toDouble();
    }
    static QString misfit(const QJsonObject& window, const QJsonObject& control)
    {
        return QStringLiteral("%1/%2 \"%3\" needs %4x%5, has %6x%7")
            .arg(window["name"].toString(), control["name"].toString(), control["widest"].toString())
            .arg(control["textWidth"].toDouble(), 0, 'f', 1)
            .arg(control["textHeight"].toDouble(), 0, 'f', 1)
            .arg(control["roomWidth"].toDouble(), 0, 'f', 1)
            .arg(control["roomHeight"].toDouble(), 0, 'f', 1);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(languages().size() > 1);
        for (const QString& language : languages()) {
            for (const int scale : {1, 2}) {
                QJsonObject& report = reports[language][scale];
                report = runAt(language, scale);
                QVERIFY2(!report.isEmpty(),
                         qPrintable(QStringLiteral("no layout in %1 at scale %2").arg(language).arg(scale)));
                QCOMPARE(report["pixelRatio"].toDouble(), double(scale));
                QCOMPARE(windows(report).size(), 4);
                QCOMPARE(windows(report)[0].toObject()["controls"].toArray().size(), kMainControls);
            }
        }
    }

    void sameGeometryAtBothScales_data() { addLanguageRows(false); }
    void sameGeometryAtBothScales()
    {
        QFETCH(QString, language);
        const QJsonArray one = windows(reports[language][1]);
        const QJsonArray two = windows(reports[language][2]);
        for (qsizetype w = 0; w < one.size(); ++w) {
            const QJsonObject a = one[w].toObject();
            const QJsonObject b = two[w].toObject();
            QCOMPARE(b["name"], a["name"]);
            QCOMPARE(b["width"], a["width"]);
            QCOMPARE(b["height"], a["height"]);
            QCOMPARE(b["frameWidth"], a["frameWidth"]);
            QCOMPARE(b["frameHeight"], a["frameHeight"]);
            const QJsonArray controlsA = a["controls"].toArray();
            const QJsonArray controlsB = b["controls"].toArray();
            QCOMPARE(controlsB.size(), controlsA.size());
            for (qsizetype c = 0; c < controlsA.size(); ++c) {
                const QJsonObject ca = controlsA[c].toObject();
                const QJsonObject cb = controlsB[c].toObject();
                QCOMPARE(cb["name"], ca["name"]);
                QCOMPARE(rectOf(cb), rectOf(ca));
            }
        }
    }

    void layoutHolds_data() { addLanguageRows(true); }
    void layoutHolds()
    {
        QFETCH(QString, language);
        QFETCH(int, scale);
        QStringList faults;
        for (const QJsonValue& windowValue : windows(reports[language][scale])) {
            const QJsonObject window = windowValue.toObject();
            const QRect client(0, 0, window["width"].toInt(), window["height"].toInt());
            const QJsonArray controls = window["controls"].toArray();
            for (qsizetype i = 0; i < controls.size(); ++i) {
                const QJsonObject a = controls[i].toObject();
                QRect drawn = rectOf(a);
                drawn.setWidth(a["drawnWidth"].toInt());
                if (!client.contains(drawn))
                    faults << QStringLiteral("%1 sticks out of %2").arg(a["name"].toString(),
                                                                        window["name"].toString());
                if (!a["shown"].toBool())
                    continue;
                for (qsizetype j = i + 1; j < controls.size(); ++j) {
                    const QJsonObject b = controls[j].toObject();
                    const QSet<QString> pair{a["name"].toString(), b["name"].toString()};
                    if (b["shown"].toBool() && rectOf(a).intersects(rectOf(b))
                        && !kDesignedOverlaps.contains(pair))
                        faults << QStringLiteral("%1 overlaps %2").arg(a["name"].toString(),
                                                                       b["name"].toString());
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
    }

    // Every text fits its control, at scale 1 and at scale 2, in every language.
    void textsFitAtBothScales_data() { addLanguageRows(false); }
    void textsFitAtBothScales()
    {
        QFETCH(QString, language);
        QStringList misfits;
        for (const int scale : {1, 2}) {
            for (const QJsonValue& windowValue : windows(reports[language][scale])) {
                const QJsonObject window = windowValue.toObject();
                for (const QJsonValue& control : window["controls"].toArray())
                    if (!fits(control.toObject()))
                        misfits << QStringLiteral("scale %1: %2").arg(scale).arg(misfit(window, control.toObject()));
            }
        }
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u"; ")));
    }

    void handsAreSharp_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("scale 1") << 1;
        QTest::newRow("scale 2") << 2;
    }
    void handsAreSharp()
    {
        QFETCH(int, scale);
        const QJsonArray hands = reports[QStringLiteral("C")][scale]["hands"].toArray();
        QCOMPARE(hands.size(), 2);
        for (const QJsonValue& value : hands) {
            const QJsonObject hand = value.toObject();
            const QByteArray name = hand["name"].toString().toUtf8();
            QVERIFY2(hand["pixels"].toInt() == 32 * scale, name.constData());
            QVERIFY2(hand["pixelRatio"].toDouble() == scale, name.constData());
            QVERIFY2(hand["sharp"].toBool(), name.constData());
        }
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--measure") == 0) {
        mezzurix::ui::installTranslations(&app);
        return measure();
    }
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
