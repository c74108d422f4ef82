// The floor for Solvane's performance figures: the least a Qt 6 Widgets program does to
// sit in the tray and show a line of large text now and then. It has a tray icon with a
// one-item menu and an 800x200 frameless, top-most, non-activating, translucent window
// that it shows for the display time, hides, and shows again after the pause.
//
//   solvane-floor --display-ms MS --pause-s S [--first-ms MS] [--gap] [--trace FILE]
//
// (Qt takes -display and --display for itself, hence the units in the names.)
//
//   --first-ms MS  the first showing comes MS after start (default 900, as Solvane's)
//   --gap          process events around each showing as Solvane does: four rounds after
//                  the show and before the hide, then after the hide three rounds and 91
//                  times a 1 ms sleep followed by three rounds; the pause starts after that.
//                  Without it the window is only shown and hidden, so the difference of two
//                  runs is the cost of that gap; the pause is then longer by the gap's usual
//                  length instead, so that the rhythm stays the same.
//   --trace FILE   appends "start", "show", "painted" and "hide" lines with the monotonic
//                  clock in nanoseconds, in the format of Solvane's SOLVANE_TRACE_SHOWINGS,
//                  and with --gap a "gap" line when the gap is over.
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

namespace {

struct Options {
    int displayMs = 500;
    int pauseS = 5;
    int firstMs = 900;
    bool gap = false;
    const char* trace = nullptr;
};

[[noreturn]] void usage() {
    std::fputs("usage: solvane-floor --display-ms MS --pause-s S [--first-ms MS] [--gap] [--trace FILE]\n", stderr);
    std::exit(2);
}

int number(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 1000000) usage();
    return static_cast<int>(value);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--display-ms" && hasValue) {
            options.displayMs = number(argv[++i]);
        } else if (word == "--pause-s" && hasValue) {
            options.pauseS = number(argv[++i]);
        } else if (word == "--first-ms" && hasValue) {
            options.firstMs = number(argv[++i]);
        } else if (word == "--trace" && hasValue) {
            options.trace = argv[++i];
        } else if (word == "--gap") {
            options.gap = true;
        } else {
            usage();
        }
    }
    return options;
}

class Trace {
public:
    explicit Trace(const char* path) : file_(path ? std::fopen(path, "a") : nullptr, &std::fclose) {}

    void operator()(const char* what) {
        if (!file_) return;
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(file_.get(), "%s %lld\n", what,
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(file_.get());
    }

private:
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
};

class Overlay : public QWidget {
public:
    explicit Overlay(Trace& trace)
        : QWidget(nullptr,
                  Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
          trace_(trace) {
        setWindowTitle(QStringLiteral("FloorOverlay"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TranslucentBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(240, 300, 800, 200);
        QFont big = font();
        big.setPointSize(27);
        big.setBold(true);
        setFont(big);
    }

    void appear() {
        painted_ = false;
        trace_("show");
        show();
        raise();
    }

    void disappear() {
        hide();
        trace_("hide");
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("I know what I love to do and I do it."));
        if (!painted_) {
            painted_ = true;
            trace_("painted");
        }
    }

private:
    Trace& trace_;
    bool painted_ = false;
};

QIcon trayPicture() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0xf0, 0xb0, 0x30));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(2, 2, 28, 28);
    return QIcon(picture);
}

// How long Solvane's gap after a display lasts on an idle machine (91 sleeps of 1 ms and
// the rounds of event processing between them).
constexpr int NominalGapMs = 100;

void pump(int rounds) {
    for (int i = 0; i < rounds; ++i) QCoreApplication::processEvents();
}

// Solvane's wait after each display, kept step for step.
void gapAfterDisplay() {
    pump(3);
    for (int i = 0; i < 91; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        pump(3);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    Trace trace(options.trace);

    QMenu menu;
    QObject::connect(menu.addAction(QStringLiteral("Exit")), &QAction::triggered, &application,
                     &QCoreApplication::quit);
    QSystemTrayIcon tray(trayPicture());
    tray.setToolTip(QStringLiteral("Solvane floor"));
    tray.setContextMenu(&menu);
    tray.show();

    Overlay overlay(trace);
    QTimer pause;
    QTimer display;
    // Precise timers, as Solvane's: the same rhythm to the millisecond.
    for (QTimer* timer : {&pause, &display}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    display.setInterval(options.displayMs);

    QObject::connect(&pause, &QTimer::timeout, [&] {
        trace("start");
        overlay.appear();
        if (options.gap) pump(4);
        display.start();
    });
    QObject::connect(&display, &QTimer::timeout, [&] {
        if (options.gap) pump(4);
        overlay.disappear();
        if (options.gap) {
            gapAfterDisplay();
            trace("gap");
            pause.start(options.pauseS * 1000);
        } else {
            // Keep Solvane's rhythm (display, gap, pause) without the gap's work, so that the
            // showings of programs run side by side stay as far apart as they started.
            pause.start(options.pauseS * 1000 + NominalGapMs);
        }
    });
    pause.start(options.firstMs);
    return application.exec();
}
