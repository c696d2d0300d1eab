// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/main_window.h>

#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/fonts.h>
#include <mezzurix/number_rules.h>
#include <mezzurix/twips.h>
#include <mezzurix/windows.h>
#include <mezzurix/reference_windows.h>
#include <mezzurix/start_conversion.h>

#include "focus_ring.h"
#include "readable_colours.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <cmath>

namespace mezzurix::ui {
namespace {

const QString kCaption = QStringLiteral(" Mezzurix!!") + QString(27, u' ')
                       + QStringLiteral("https://mezzurix.example");
const QString kApplicationTitle = QStringLiteral("Mezzurix");
const QString kCreditName = QStringLiteral("Orvo Quellvarn");
const QString kCreditMessage = QStringLiteral("Released to\n") + kCreditName;
// Why the output is empty: the input's number or the result lies beyond the double range.
const QString kOutOfRange = QStringLiteral("Out of range");

constexpr QSize kClientTwips{8115, 4980};
constexpr QPoint kLeftPlace{660, 900};
constexpr QPoint kRightPlace{4440, 900};
constexpr QSize kListTwips{3015, 1425};
constexpr int kStartDecimals = 14;
constexpr int kDecimalChoices = 31;  // the combo offers 0 to 30; entry i reads i

enum class Kind { Label, Image, LineEdit, Combo, Button };
enum class Face { Window, Regular825, Bold975, Bold12, Bold135 };

struct Control {
    const char* name;
    Kind kind;
    QRect twips;
    const char* text;
    const char* toolTip;
    Face face;
};

// Every control but the unit lists, at its design place and size.
constexpr std::array kControls{
    Control{"lblTitle", Kind::Label, {1380, 120, 5355, 435}, "", "", Face::Bold135},
    Control{"Label6", Kind::Label, {660, 660, 615, 195}, "Convert:", "", Face::Regular825},
    Control{"Label7", Kind::Label, {4440, 660, 615, 195}, "Into:", "", Face::Regular825},
    Control{"Image1", Kind::Image, {3840, 1380, 480, 480}, ":/mezzurix/hand-right.png",
            "Click here to reverse conversion", Face::Window},
    Control{"Image2", Kind::Image, {3840, 1380, 480, 480}, ":/mezzurix/hand-left.png",
            "Click here to reverse conversion", Face::Window},
    Control{"Label3", Kind::Label, {300, 3060, 555, 315}, "Input:", "", Face::Bold975},
    Control{"txtIn", Kind::LineEdit, {900, 2940, 4935, 435}, "", "Input your data here", Face::Bold12},
    Control{"Label1", Kind::Label, {5940, 3120, 2175, 435}, "", "", Face::Window},
    Control{"Label4", Kind::Label, {120, 3720, 735, 315}, "Output:", "", Face::Bold975},
    Control{"txtOut", Kind::LineEdit, {900, 3600, 4935, 435}, "", "Your conversion appears here",
            Face::Bold12},
    Control{"Label2", Kind::Label, {5940, 3780, 2175, 435}, "", "", Face::Window},
    Control{"cmbDP", Kind::Combo, {240, 4335, 675, 360}, "", "Select number of decimal points",
            Face::Bold975},
    Control{"Label5", Kind::Label, {1020, 4380, 1635, 315}, "Decimal points",
            "Select number of decimal points", Face::Bold975},
    // Text1 only takes the focus; cmdCopy, created after it, covers it.
    Control{"Text1", Kind::LineEdit, {6900, 4380, 435, 285}, "", "", Face::Window},
    Control{"cmdSwap1", Kind::Button, {4920, 4320, 1395, 375}, "&Swap Units", "Invert selected units",
            Face::Bold975},
    Control{"cmdCopy", Kind::Button, {6480, 4320, 1395, 375}, "&Clipboard", "Copy output to clipboard",
            Face::Bold975},
};

// Focus order of the controls that can take the focus; labels never do.
constexpr std::array kTabOrder{
    "txtIn", "txtOut", "cmbDP", "lstDistance2", "lstDistance1", "lstArea2", "lstArea1",
    "lstFlow1", "lstFlow2", "cmdSwap1", "cmdCopy", "lstTemps1", "lstTemps2", "lstMass1",
    "lstMass2", "lstPressure1", "lstPressure2", "lstSpeed1", "lstSpeed2", "lstTorque1",
    "lstTorque2", "lstEnergy1", "lstEnergy2", "lstLight1", "lstLight2", "lstForce1", "lstForce2",
    "lstPower1", "lstPower2", "lstVolume1", "lstVolume2", "Text1", "lstMemory1", "lstMemory2",
};

// What a screen reader says for a control. An empty name leaves the control's own text (a
// label's caption, a button's caption without '&'); an empty description leaves its tooltip.
struct Spoken {
    const char* control;
    const char* name;
    const char* description;
};

constexpr std::array kSpoken{
    Spoken{"txtIn", "Input", ""},
    Spoken{"txtOut", "Output", ""},
    Spoken{"cmbDP", "Decimal points", ""},
    Spoken{"Label1", "", "Unit of the input"},
    Spoken{"Label2", "", "Unit of the output"},
    Spoken{"Image1", "Reverse conversion",
           "Click here to reverse conversion. Now the left list converts into the right list."},
    Spoken{"Image2", "Reverse conversion",
           "Click here to reverse conversion. Now the right list converts into the left list."},
    Spoken{"Text1", "Resting place",
           "Holds the focus after a click on the window; typing here does nothing. Press Tab to go on."},
};

// The captions beside the boxes name them for assistive tools too.
constexpr std::array<std::pair<const char*, const char*>, 3> kBuddies{{
    {"Label3", "txtIn"},
    {"Label4", "txtOut"},
    {"Label5", "cmbDP"},
}};

constexpr const char* kHandProperty = "mezzurixHand";

// The hands are pictures that behave as a button: assistive tools get a button they can press.
// They stay out of the tab order, as designed.
class HandAccessible : public QAccessibleWidget {
public:
    explicit HandAccessible(QWidget* hand) : QAccessibleWidget(hand, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != pressAction())
            return;
        // Pressing is what a click does: a left button release on the picture.
        const QPointF centre = QRectF(widget()->rect()).center();
        QMouseEvent release(QEvent::MouseButtonRelease, centre, widget()->mapToGlobal(centre),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &release);
    }
};

QAccessibleInterface* handAccessibleFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->property(kHandProperty).toBool())
        return new HandAccessible(widget);
    return nullptr;
}

void installHandAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(handAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

// Which list converts into which follows the hands; the lists' names stay with their places.
void describeDirection(const QList<QListWidget*>& leftLists, const QList<QListWidget*>& rightLists,
                       bool forward)
{
    const QString from = QStringLiteral("Units to convert from");
    const QString into = QStringLiteral("Units to convert into");
    for (QListWidget* list : leftLists)
        if (list != nullptr)
            list->setAccessibleDescription(forward ? from : into);
    for (QListWidget* list : rightLists)
        if (list != nullptr)
            list->setAccessibleDescription(forward ? into : from);
}

QFont fontFor(Face face)
{
    switch (face) {
    case Face::Regular825: return sansFont(8.25, false);
    case Face::Bold975: return sansFont(9.75, true);
    case Face::Bold12: return sansFont(12, true);
    case Face::Bold135: return sansFont(13.5, true);
    case Face::Window: break;
    }
    return sansFont(8.25, true);
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Output and clipboard texts follow the user's regional settings.
NumberFormat regionalFormat()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.negativeSign().toStdString()};
}

// The input rule reads "." everywhere, so text the program writes into the input uses it.
const NumberFormat kInputFormat{};

// The input also reads the regional decimal separator, unless that is a blank, which the input
// rule ignores wherever it stands.
std::string regionalInputPoint()
{
    const QString point = QLocale().decimalPoint();
    const bool blank = std::any_of(point.cbegin(), point.cend(), [](QChar c) { return c.isSpace(); });
    return blank ? std::string() : point.toStdString();
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

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, kFixedWindowFlags)
{
    setObjectName(QStringLiteral("frmMezzurix"));
    setWindowTitle(kCaption);
    // The title's padding and address are for the eye; a screen reader gets the product's name.
    setAccessibleName(QStringLiteral("Mezzurix!!"));
    setAccessibleDescription(QStringLiteral("Convert from one unit to another"));
    installHandAccessibility();
    setWindowIcon(resourceIcon(QStringLiteral("app")));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(fontFor(Face::Window));
    client->setFixedSize(twipsToPixels(kClientTwips.width(), this),
                         twipsToPixels(kClientTwips.height(), this));
    client->installEventFilter(this);
    setCentralWidget(client);

    createControls();
    createMenus();
    applyPalette();
    holdFixedSize(this, client);

    Form_Load();

    adjustSize();
    centreOnScreen(this);
    txtIn->setFocus(Qt::OtherFocusReason);
}

void MainWindow::openConversion(const StartConversion& conversion)
{
    if (conversion.category < 0 || conversion.category >= leftLists.size())
        return;
    const int rows = int(categories()[std::size_t(conversion.category)].units.size());
    if (conversion.fromRow < 0 || conversion.fromRow >= rows || conversion.intoRow < 0 || conversion.intoRow >= rows)
        return;
    switchCategory(conversion.category);
    if (Image1->isHidden())
        flipDirection();
    Box1->setCurrentRow(conversion.fromRow);
    Box2->setCurrentRow(conversion.intoRow);
    txtIn->setText(conversion.value);
    cmbDP->setEditText(QString::number(kStartDecimals));
    cmbDP_Click();
}

void MainWindow::createControls()
{
    QWidget* client = centralWidget();
    const auto place = [this](QWidget* widget, const QRect& twips) {
        widget->setGeometry(twipsToPixels(twips, this));
    };

    for (const Control& design : kControls) {
        QWidget* widget = nullptr;
        const QString text = QString::fromUtf8(design.text);
        switch (design.kind) {
        case Kind::Label:
        case Kind::Image: {
            auto* label = new QLabel(client);
            if (design.kind == Kind::Image) {
                label->setAlignment(Qt::AlignCenter);  // the picture follows the palette
                label->setProperty(kHandProperty, true);
                label->installEventFilter(this);
            } else {
                label->setText(text);
            }
            widget = label;
            break;
        }
        case Kind::LineEdit: {
            auto* edit = new QLineEdit(text, client);
            edit->installEventFilter(this);
            widget = edit;
            break;
        }
        case Kind::Combo: {
            auto* combo = new QComboBox(client);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            for (int i = 0; i < kDecimalChoices; ++i)
                combo->addItem(QString::number(i));
            combo->setCurrentIndex(-1);
            combo->lineEdit()->installEventFilter(this);
            widget = combo;
            break;
        }
        case Kind::Button:
            widget = new QPushButton(text, client);
            break;
        }
        widget->setObjectName(QString::fromUtf8(design.name));
        widget->setToolTip(QString::fromUtf8(design.toolTip));
        if (design.face != Face::Window)
            widget->setFont(fontFor(design.face));
        place(widget, design.twips);
    }

    const auto find = [client](const char* name) {
        return client->findChild<QWidget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    };
    lblTitle = static_cast<QLabel*>(find("lblTitle"));
    Label1 = static_cast<QLabel*>(find("Label1"));
    Label2 = static_cast<QLabel*>(find("Label2"));
    Label6 = static_cast<QLabel*>(find("Label6"));
    Label7 = static_cast<QLabel*>(find("Label7"));
    Image1 = static_cast<QLabel*>(find("Image1"));
    Image2 = static_cast<QLabel*>(find("Image2"));
    txtIn = static_cast<QLineEdit*>(find("txtIn"));
    txtOut = static_cast<QLineEdit*>(find("txtOut"));
    Text1 = static_cast<QLineEdit*>(find("Text1"));
    cmbDP = static_cast<QComboBox*>(find("cmbDP"));
    cmdSwap1 = static_cast<QPushButton*>(find("cmdSwap1"));
    cmdCopy = static_cast<QPushButton*>(find("cmdCopy"));

    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Image2->hide();
    Label1->installEventFilter(this);
    Label2->installEventFilter(this);
    // The longest unit names take the captions' second line instead of being cut off.
    Label1->setWordWrap(true);
    Label2->setWordWrap(true);
    txtOut->setReadOnly(true);
    txtOut->setPlaceholderText(kOutOfRange);  // shows only while a failed conversion empties the box
    Text1->setReadOnly(true);

    // Every control that takes the focus shows it when the keyboard brings it there; the
    // resting place stays out of sight.
    focusRing = new FocusRing(client);
    for (QWidget* control : std::initializer_list<QWidget*>{txtIn, txtOut, cmbDP, cmdSwap1, cmdCopy})
        focusRing->watch(control, control);
    focusRing->watch(cmbDP->lineEdit(), cmbDP);
    focusRing->watch(Text1, nullptr);

    for (const Spoken& spoken : kSpoken) {
        QWidget* widget = find(spoken.control);
        if (*spoken.name != '\0')
            widget->setAccessibleName(QString::fromUtf8(spoken.name));
        if (*spoken.description != '\0')
            widget->setAccessibleDescription(QString::fromUtf8(spoken.description));
    }
    cmbDP->lineEdit()->setAccessibleName(cmbDP->accessibleName());
    cmbDP->view()->setAccessibleName(cmbDP->accessibleName());
    for (const auto& [label, buddy] : kBuddies)
        static_cast<QLabel*>(find(label))->setBuddy(find(buddy));

    connect(txtIn, &QLineEdit::textChanged, this, &MainWindow::txtIn_Change);
    connect(cmbDP, &QComboBox::activated, this, &MainWindow::cmbDP_Click);
    connect(cmdSwap1, &QPushButton::clicked, this, &MainWindow::mnuSwap_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &MainWindow::cmdCopy_Click);

    leftLists.resize(qsizetype(categories().size()));
    rightLists.resize(leftLists.size());
    createUnitLists(0);
    describeDirection(leftLists, rightLists, true);
}

void MainWindow::createUnitLists(int c)
{
    QWidget* client = centralWidget();
    const Category& category = categories()[std::size_t(c)];
    for (const bool left : {true, false}) {
        auto* list = new QListWidget(client);
        list->setObjectName(fromView(left ? category.leftList : category.rightList));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setAccessibleName(QStringLiteral("%1 list, %2")
                                    .arg(left ? QStringLiteral("Left") : QStringLiteral("Right"),
                                         fromView(category.name)));
        for (const Unit& unit : category.units) {
            auto* item = new QListWidgetItem(fromView(unit.text), list);
            item->setData(Qt::UserRole, unit.code);
        }
        list->setGeometry(twipsToPixels(QRect(left ? kLeftPlace : kRightPlace, kListTwips), this));
        list->setVisible(c == 0);
        connect(list, &QListWidget::currentRowChanged, this, [this, left] { unitList_Click(left); });
        // Assistive tools pick an entry by selecting it; that must act as a click does, so the
        // selected entry becomes the current one. Clicks and keys have made it current already.
        // A Ctrl+click on the selected entry, or a click below the entries, clears the selection
        // while the unit stays in use: it is selected again.
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [list](const QItemSelection& added) {
                    const int current = list->currentRow();
                    if (!added.isEmpty() && added.indexes().back().row() != current)
                        list->setCurrentRow(added.indexes().back().row());
                    else if (!list->selectionModel()->hasSelection() && current >= 0)
                        list->setCurrentRow(current);
                });
        focusRing->watch(list, list);
        (left ? leftLists : rightLists)[c] = list;
    }
}

// The hidden categories' lists are made once the window has first been drawn, so that it opens
// sooner.
void MainWindow::createHiddenLists()
{
    if (rightLists.back() != nullptr)
        return;
    for (int c = 1; c < leftLists.size(); ++c)
        createUnitLists(c);
    describeDirection(leftLists, rightLists, !Image1->isHidden());
    cmdCopy->raise();
    setTabOrder();
}

void MainWindow::createMenus()
{
    mnuLists = menuBar()->addMenu(QStringLiteral("&Lists"));
    mnuLists->setObjectName(QStringLiteral("mnuLists"));
    const auto units = categories();
    for (std::size_t c = 0; c < units.size(); ++c) {
        const Category& category = units[c];
        QAction* action = mnuLists->addAction(fromView(category.menuCaption));
        action->setObjectName(fromView(category.menuItem));
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + (category.shortcut - 'A'))));
        action->setData(int(c));
        menuShortcuts.append(action->shortcut());
        connect(action, &QAction::triggered, this, [this, c] { switchCategory(int(c)); });
    }

    struct Item {
        const char* name;
        const char* caption;
        Qt::Key key;
        std::function<void()> handler;
    };
    const auto addMenu = [this](const char* name, const char* title, std::initializer_list<Item> items) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
        menu->setObjectName(QString::fromUtf8(name));
        for (const Item& item : items) {
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromUtf8(item.name));
            action->setShortcut(QKeySequence(Qt::CTRL | item.key));
            menuShortcuts.append(action->shortcut());
            connect(action, &QAction::triggered, this, item.handler);
        }
    };
    addMenu("mnuOptions", "&Options",
            {{"mnuSave", "&Save to Clipboard", Qt::Key_S, [this] { cmdCopy_Click(); }},
             {"mnuSwap", "Swap Selected &Units", Qt::Key_U, [this] { mnuSwap_Click(); }}});
    addMenu("mnuInfo", "&Info",
            {{"mnuShowInfo", "The S&I System", Qt::Key_I, [] { showInfoWindow(); }},
             {"mnuSIBaseUnits", "SI &Base Units", Qt::Key_B, [] { showSIBaseUnitsWindow(); }},
             {"mnuPrefixes", "SI Prefi&xes", Qt::Key_X, [] { showSIPrefixesWindow(); }}});
}

void MainWindow::setTabOrder()
{
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        auto* widget = centralWidget()->findChild<QWidget*>(QString::fromUtf8(name));
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// The desktop's palette, with every text made readable, the output box in its own colours and
// the hands drawn to stand out from the window.
void MainWindow::applyPalette()
{
    const QPalette readable = readablePalette(palette());
    centralWidget()->setPalette(readable);
    menuBar()->setPalette(readable);
    txtOut->setPalette(outputPalette(readable));
    for (const Control& design : kControls) {
        if (design.kind != Kind::Image)
            continue;
        auto* hand = centralWidget()->findChild<QLabel*>(QString::fromUtf8(design.name),
                                                         Qt::FindDirectChildrenOnly);
        const int side = twipsToPixels(design.twips.width(), this);
        hand->setPixmap(pictureFor(pictureIcon(QString::fromUtf8(design.text)), side,
                                   devicePixelRatio(), readable));
    }
}

void MainWindow::Form_Load()
{
    const Category& area = categories().front();
    lblTitle->setText(fromView(area.name));
    lblTitle->setToolTip(fromView(area.description));
    Box1 = leftLists.front();
    Box2 = rightLists.front();
    cmbDP->setCurrentIndex(kStartDecimals);  // the entry, so that the next step goes on from it
    d = kStartDecimals;
    Box1->setCurrentRow(0);
    Box2->setCurrentRow(0);
    txtIn->setText(QStringLiteral("1"));
    txtOut->setText(QString::fromStdString(formatFixed(1.0, d, regionalFormat())));
}

void MainWindow::Convert()
{
    if (Box1 == nullptr || Box2 == nullptr)
        return;
    const int from = Box1->currentRow();
    const int to = Box2->currentRow();
    if (from < 0 || to < 0)
        return;
    const int leftCode = Box1->item(from)->data(Qt::UserRole).toInt();
    const int rightCode = Box2->item(to)->data(Qt::UserRole).toInt();

    // Both tests run, as separate steps: with both hands showing, the reverse direction wins.
    std::string pair;
    bool directed = false;
    if (!Image1->isHidden()) {
        Label1->setText(Box1->currentItem()->text());
        Label2->setText(Box2->currentItem()->text());
        Label6->setText(QStringLiteral("Convert:"));
        Label7->setText(QStringLiteral("Into:"));
        pair = pairCode(leftCode, rightCode);
        directed = true;
    }
    if (!Image2->isHidden()) {
        Label1->setText(Box2->currentItem()->text());
        Label2->setText(Box1->currentItem()->text());
        Label6->setText(QStringLiteral("Into:"));
        Label7->setText(QStringLiteral("Convert:"));
        pair = pairCode(rightCode, leftCode);
        directed = true;
    }
    if (!directed)
        return;

    const NumberFormat format = regionalFormat();
    const std::optional<std::string> result =
        convert(pair, txtIn->text().toStdString(), d, format, regionalInputPoint());
    // A failed conversion must not leave the previous answer under the new captions; the empty
    // box shows why, and says it to assistive tools.
    txtOut->setText(result ? QString::fromStdString(*result) : QString());
    if (const QString why = result ? QString() : kOutOfRange; txtOut->accessibleDescription() != why)
        txtOut->setAccessibleDescription(why);  // a screen reader hears of changes only
    // A result wider than the box shows its leading digits.
    txtOut->setCursorPosition(0);
}

void MainWindow::ClearLists()
{
    for (QListWidget* list : leftLists + rightLists)
        if (list != nullptr)
            list->setVisible(false);
}

void MainWindow::TextSelected()
{
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (edit == nullptr)
        return;
    // The output is selected from its end back to its start, which keeps its leading digits in
    // view; the input keeps the usual caret at the end.
    const int length = int(edit->text().size());
    if (edit->isReadOnly())
        edit->setSelection(length, -length);
    else
        edit->selectAll();
}

void MainWindow::switchCategory(int category)
{
    const Category& row = categories()[std::size_t(category)];
    createHiddenLists();
    ClearLists();
    lblTitle->setText(fromView(row.name));
    lblTitle->setToolTip(fromView(row.description));
    QListWidget* left = leftLists.at(category);
    QListWidget* right = rightLists.at(category);
    left->move(twipsToPixels(kLeftPlace.x(), this), twipsToPixels(kLeftPlace.y(), this));
    left->setVisible(true);
    Box1 = left;
    // Box2 still names the previous category's right list here; the steps below overwrite
    // whatever this transient conversion writes.
    Box1->setCurrentRow(0);
    right->move(twipsToPixels(kRightPlace.x(), this), twipsToPixels(kRightPlace.y(), this));
    right->setVisible(true);
    Box2 = right;
    Box2->setCurrentRow(0);
    Convert();
}

void MainWindow::unitList_Click(bool leftList)
{
    QListWidget* box = leftList ? Box1 : Box2;
    if (box == nullptr)
        return;
    QLabel* caption = leftList ? Label1 : Label2;
    caption->setText(box->currentItem() != nullptr ? box->currentItem()->text() : QString());
    Convert();
}

void MainWindow::txtIn_Change()
{
    Convert();
}

void MainWindow::cmbDP_Click()
{
    const std::optional<double> places = readWholeNumber(cmbDP->currentText().toStdString(),
                                                         regionalFormat());
    if (places && std::abs(*places) <= kMaxDecimals)
        d = qint16(std::lround(*places));
    Convert();
}

void MainWindow::flipDirection()
{
    const bool forward = !Image1->isHidden();
    (forward ? Image1 : Image2)->setVisible(false);
    (forward ? Image2 : Image1)->setVisible(true);
    describeDirection(leftLists, rightLists, !forward);
    Convert();
}

void MainWindow::mnuSwap_Click()
{
    const std::optional<double> value = readWholeNumber(txtOut->text().toStdString(),
                                                        regionalFormat());
    if (!value)
        return;  // no number in the output: leave the window as it is
    txtIn->setText(QString::fromStdString(formatGeneral(*value, kInputFormat)));
    const int a = Box1->currentRow();
    const int b = Box2->currentRow();
    Box1->setCurrentRow(b);
    Box2->setCurrentRow(a);
    Convert();
}

void MainWindow::cmdCopy_Click()
{
    const NumberFormat format = regionalFormat();
    const std::optional<double> value = readWholeNumber(txtOut->text().toStdString(), format);
    if (!value)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(formatGeneral(*value, format)));
}

void MainWindow::Form_Click()
{
    Text1->setFocus(Qt::MouseFocusReason);
}

void MainWindow::Form_MouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        mnuLists->exec(QCursor::pos());
}

void MainWindow::credit(bool withMessage)
{
    const std::optional<double> places = readWholeNumber(cmbDP->currentText().toStdString(),
                                                         regionalFormat());
    if (!places || *places != 15 || txtIn->text() != kCreditName)
        return;
    txtIn->setText(QString());
    cmbDP->setCurrentIndex(kStartDecimals);
    cmbDP_Click();
    if (withMessage) {
        QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, kCreditMessage,
                        QMessageBox::Ok, this);
        box.exec();
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    // Desktops switch between light and dark themes while programs run.
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();

    if (type == QEvent::Paint && watched == centralWidget() && rightLists.back() == nullptr)
        QTimer::singleShot(0, this, &MainWindow::createHiddenLists);

    // The menu shortcuts act everywhere: a text box must not claim Ctrl+C, Ctrl+V and the like.
    if (type == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return menuShortcuts.contains(QKeySequence(key->keyCombination()));
    }

    if (watched == txtIn || watched == txtOut) {
        if (type == QEvent::FocusIn) {
            TextSelected();
            selectOnClick = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        } else if (type == QEvent::MouseButtonPress && selectOnClick) {
            selectOnClick = false;
            return true;  // keep the whole text selected instead of placing the caret
        } else if (type == QEvent::FocusOut) {
            selectOnClick = false;
        }
        return false;
    }

    const bool release = type == QEvent::MouseButtonRelease;
    if (!release && type != QEvent::MouseButtonDblClick)
        return QMainWindow::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const bool leftRelease = release && mouse->button() == Qt::LeftButton;
    if (watched == centralWidget()) {
        if (release && centralWidget()->childAt(mouse->position().toPoint()) == nullptr) {
            if (leftRelease)
                Form_Click();
            Form_MouseUp(mouse->button());
        }
        return false;
    }
    if ((watched == Image1 || watched == Image2) && leftRelease) {
        flipDirection();
        return true;
    }
    if (watched == Label1 && type == QEvent::MouseButtonDblClick) {
        credit(false);
        return true;
    }
    if (watched == Label2 && leftRelease) {
        credit(true);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace mezzurix::ui
