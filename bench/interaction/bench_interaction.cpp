// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the main window works on one user action, from the event to the updated output,
// before anything is repainted. Each action goes through the same event path as the user's
// (key events with their shortcut override, or the menu item's trigger); the window then
// paints and idles between actions, outside the timed part.
#include <mezzurix/main_window.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

using mezzurix::ui::MainWindow;

namespace {

// Actions per repetition: each is followed by a paint, so fewer than Google Benchmark would pick.
constexpr benchmark::IterationCount kActions = 1000;
// The long input takes milliseconds per keystroke; fewer of them give a steady median.
constexpr benchmark::IterationCount kLongInputActions = 100;
// One less than the line edit's length limit, so that one more digit still fits.
constexpr int kLongInputLength = 32766;

MainWindow* window = nullptr;

template <typename T = QWidget>
T* control(const char* name)
{
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr)
        qFatal("no control named %s", name);
    return widget;
}

QString outputText()
{
    return control<QLineEdit>("txtOut")->text();
}

// Distance, the given entries selected, the input typed in and the given decimal places.
void prepare(int left, int right, const QString& input, int places)
{
    control<QAction>("mnuDistance")->trigger();
    control<QListWidget>("lstDistance1")->setCurrentRow(left);
    control<QListWidget>("lstDistance2")->setCurrentRow(right);
    auto* combo = control<QComboBox>("cmbDP");
    combo->setCurrentIndex(places);
    emit combo->activated(places);
    auto* in = control<QLineEdit>("txtIn");
    in->setFocus();
    in->setText(input);
    in->end(false);
    QCoreApplication::processEvents();
}

// Times `act(i)` alone for the i-th action; the window paints and idles after each.
void timeActions(benchmark::State& state, const std::function<void(benchmark::IterationCount)>& act)
{
    using Clock = std::chrono::steady_clock;
    benchmark::IterationCount i = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        act(i++);
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        QCoreApplication::processEvents();
    }
}

void expectOutput(benchmark::State& state, const QString& expected)
{
    if (outputText() != expected)
        state.SkipWithError(qPrintable(QStringLiteral("output %1, expected %2").arg(outputText(), expected)));
}

// A digit typed at the end of the input, then Backspace, alternately: each is one keystroke and
// one conversion.
void BM_Keystroke(benchmark::State& state)
{
    prepare(0, 5, QStringLiteral("1"), 14);  // inches into centimeters
    auto* in = control<QLineEdit>("txtIn");
    timeActions(state, [in](benchmark::IterationCount i) {
        QTest::keyClick(in, i % 2 == 0 ? Qt::Key_2 : Qt::Key_Backspace);
    });
    expectOutput(state, in->text() == QLatin1String("1") ? QStringLiteral("2.54000000000000")
                                                         : QStringLiteral("30.48000000000000"));
    state.SetLabel("aim < 0.1 ms");
}

// The same at the length limit: the input is a 1 and 32,765 blanks, which the input rule reads
// to the end.
void BM_KeystrokeLongInput(benchmark::State& state)
{
    prepare(0, 5, QStringLiteral("1") + QString(kLongInputLength - 1, u' '), 14);
    auto* in = control<QLineEdit>("txtIn");
    timeActions(state, [in](benchmark::IterationCount i) {
        QTest::keyClick(in, i % 2 == 0 ? Qt::Key_2 : Qt::Key_Backspace);
    });
    expectOutput(state, in->text().size() == kLongInputLength ? QStringLiteral("2.54000000000000")
                                                              : QStringLiteral("30.48000000000000"));
}

// A pick in the decimal places combo by the arrow keys, 15 and 14 alternately.
void BM_DecimalPick(benchmark::State& state)
{
    prepare(0, 5, QStringLiteral("1"), 14);
    auto* combo = control<QComboBox>("cmbDP");
    combo->setFocus();
    timeActions(state, [combo](benchmark::IterationCount i) {
        QTest::keyClick(combo, i % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
    });
    expectOutput(state, combo->currentIndex() == 14 ? QStringLiteral("2.54000000000000")
                                                    : QStringLiteral("2.540000000000000"));
}

// The category menu items Distance and Area alternately, triggered as a click on them does.
void BM_CategorySwitch(benchmark::State& state)
{
    prepare(0, 5, QStringLiteral("1"), 14);
    QAction* actions[] = {control<QAction>("mnuArea"), control<QAction>("mnuDistance")};
    timeActions(state, [&actions](benchmark::IterationCount i) { actions[i % 2]->trigger(); });
    expectOutput(state, QStringLiteral("1.00000000000000"));
    state.SetLabel("aim < 1 ms");
}

// The same through the shortcuts Ctrl+A and Ctrl+D pressed in the input box.
void BM_CategorySwitchByShortcut(benchmark::State& state)
{
    prepare(0, 5, QStringLiteral("1"), 14);
    auto* in = control<QLineEdit>("txtIn");
    timeActions(state, [in](benchmark::IterationCount i) {
        QTest::keyClick(in, i % 2 == 0 ? Qt::Key_A : Qt::Key_D, Qt::ControlModifier);
    });
    expectOutput(state, QStringLiteral("1.00000000000000"));
    state.SetLabel("aim < 1 ms");
}

// The swap of inches into centimeters and back: each moves the output into the input and
// exchanges the selected entries.
void BM_Swap(benchmark::State& state)
{
    prepare(0, 5, QStringLiteral("1"), 14);
    QAction* swap = control<QAction>("mnuSwap");
    timeActions(state, [swap](benchmark::IterationCount) { swap->trigger(); });
    expectOutput(state, control<QListWidget>("lstDistance1")->currentRow() == 0
                            ? QStringLiteral("2.54000000000000")
                            : QStringLiteral("1.00000000000000"));
}

void registerAll()
{
    struct Entry {
        const char* name;
        void (*function)(benchmark::State&);
        benchmark::IterationCount actions;
    };
    const Entry all[] = {
        {"BM_Keystroke", BM_Keystroke, kActions},
        {"BM_KeystrokeLongInput", BM_KeystrokeLongInput, kLongInputActions},
        {"BM_DecimalPick", BM_DecimalPick, kActions},
        {"BM_CategorySwitch", BM_CategorySwitch, kActions},
        {"BM_CategorySwitchByShortcut", BM_CategorySwitchByShortcut, kActions},
        {"BM_Swap", BM_Swap, kActions},
    };
    for (const Entry& entry : all) {
        benchmark::RegisterBenchmark(entry.name, entry.function)
            ->UseManualTime()
            ->Iterations(entry.actions)
            ->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    MainWindow main;
    main.show();
    if (!QTest::qWaitForWindowActive(&main))
        qFatal("the window did not become active");
    window = &main;

    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
