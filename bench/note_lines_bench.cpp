// The note field's lines for notes of 1,000, 10,000 and 100,000 lines,
// offscreen: a fresh note in mmo1, then noteLines (layout at the field's
// width, split) and the note ticket's body (conversion), as btn2Click does.
//
//   bench_note_lines [benchmark flags]   the timings
//   bench_note_lines --print N           prints a note of N lines to
//                                        /dev/null with btn2Click and counts
//                                        the paragraph layouts it made and
//                                        the size changes the field followed
#include "NoteLines.h"
#include "Notices.h"
#include "Unit1.h"

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextLayout>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

long paragraphLayouts = 0;

} // namespace

// Every paragraph layout of the note field begins here (QtWidgets' plain
// text layout calls into QtGui): this definition in the program counts them
// and hands over to Qt's own.
void QTextLayout::beginLayout()
{
    using Real = void (*)(QTextLayout*);
    static const auto real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "_ZN11QTextLayout11beginLayoutEv"));
    ++paragraphLayouts;
    real(this);
}

namespace {

class SilentNotices final : public Notices {
public:
    void inform(QWidget*, const QString&, const QString&) override {}
};

// A note of the given number of lines (line breaks): mixed Chinese and
// ASCII, one line in three wider than the field, so it wraps.
QString note(int lines)
{
    const QString shortLine = QStringLiteral("充值卡 1234-5678 已打印");
    const QString wideLine = QStringLiteral(
        "The receipt printer takes raw bytes, one line at a time; 充值卡的卡号和密码打印在小票上。");
    QString text;
    text.reserve(lines * 40);
    for (int i = 0; i < lines; ++i) {
        if (i)
            text += QLatin1Char('\n');
        text += QString::number(i) + QLatin1Char(' ') + (i % 3 == 2 ? wideLine : shortLine);
    }
    return text;
}

struct Window {
    SilentNotices notices;
    std::unique_ptr<TForm1> form;
    QPlainTextEdit* mmo1;

    Window() : form(std::make_unique<TForm1>(notices))
    {
        form->setPrinterSettings(printing::PrinterSettings{"/dev/null"});
        form->show();
        form->findChild<QTabWidget*>(QStringLiteral("pgc1"))->setCurrentIndex(1);
        QApplication::processEvents();
        mmo1 = form->findChild<QPlainTextEdit*>(QStringLiteral("mmo1"));
    }
};

void NoteLines(benchmark::State& state)
{
    Window w;
    const QString text = note(static_cast<int>(state.range(0)));
    std::size_t shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.mmo1->setPlainText(text);
        state.ResumeTiming();
        const auto body = noteTicketBody(*w.mmo1);
        benchmark::DoNotOptimize(body);
        // The note has no final line break: every shown line is a body line.
        shown = body ? body->size() : 0;
    }
    state.counters["shown_lines"] = static_cast<double>(shown);
}

// One print per window: a note is laid out once, so a loop over the same
// field would measure a heap and caches already warm from the last round.
// scripts/bench runs each size in a process of its own.
BENCHMARK(NoteLines)
    ->Name("note_lines")
    ->Iterations(1)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// Prints a note of the given lines; says how many paragraphs it has and how
// many paragraph layouts the print made.
int printNote(int lines)
{
    Window w;
    w.mmo1->setPlainText(note(lines));
    const long paragraphs = w.mmo1->document()->blockCount();
    // The field follows the document's size (scroll range, viewport) each
    // time the layout says it changed.
    long sizeChanges = 0;
    QObject::connect(w.mmo1->document()->documentLayout(),
                     &QAbstractTextDocumentLayout::documentSizeChanged,
                     [&sizeChanges] { ++sizeChanges; });
    paragraphLayouts = 0;
    w.form->btn2Click();
    const long printLayouts = paragraphLayouts;
    std::printf("paragraphs %ld layouts %ld size_changes %ld\n", paragraphs, printLayouts,
                sizeChanges);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--print") == 0)
        return printNote(std::atoi(argv[2]));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
