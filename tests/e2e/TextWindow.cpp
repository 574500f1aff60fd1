// A window of known content at a known place, standing in for "any
// application" in the end-to-end tests.
//   inkharbor-test-window --at X,Y [--size W,H] [--font-size PX] [--text TEXT]... [--qr PAYLOAD]...
//                         [--stdin] [--echo-keys] [--expose-delay MS]
// With --stdin every line read replaces the window's one QR code with a code
// of that line, and once it is painted "shown LINE" is written to standard
// output: tests that make many captures of different content need not start
// a window for each. With --echo-keys every key the window receives is
// written to standard output as "key Ctrl+Alt+K". With --expose-delay the
// window takes that long to answer each exposure, as a busy program does:
// what another window left on top of it stays on the screen meanwhile.
#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QSocketNotifier>
#include <QThread>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <cstdio>
#include <unistd.h>

namespace {

// Writes each key press that reaches the window's widgets, but for the
// modifiers' own presses (with echo), and answers each exposure late (with a delay).
class Filter : public QObject {
public:
    bool echo = false;
    unsigned long delay = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose)
            QThread::msleep(delay);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (echo && event->type() == QEvent::KeyPress && !key->isAutoRepeat() &&
            !QList<int>{Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_Super_L,
                        Qt::Key_Super_R}
                 .contains(key->key())) {
            std::printf("key %s\n", qPrintable(QKeySequence(key->keyCombination()).toString()));
            std::fflush(stdout);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

QPixmap qrCode(const QString& payload) {
    const auto matrix = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                            .setMargin(2)
                            .encode(payload.toStdWString(), 160, 160);
    QImage image(matrix.width(), matrix.height(), QImage::Format_RGB32);
    for (int y = 0; y < matrix.height(); ++y)
        for (int x = 0; x < matrix.width(); ++x)
            image.setPixel(x, y, matrix.get(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return QPixmap::fromImage(image);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    for (const char* name : {"at", "size", "font-size", "text", "qr", "title", "expose-delay"})
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    for (const char* flag : {"stdin", "echo-keys"})
        parser.addOption({QString::fromLatin1(flag), QString()});
    parser.process(app);
    const auto value = [&](const char* name) { return parser.value(QString::fromLatin1(name)); };
    const auto values = [&](const char* name) { return parser.values(QString::fromLatin1(name)); };

    QWidget window;
    window.setWindowTitle(value("title").isEmpty() ? QStringLiteral("Test window")
                                                   : value("title"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(value("font-size").isEmpty() ? 18 : value("font-size").toInt());
    for (const QString& line : values("text")) {
        auto* label = new QLabel(line);
        label->setFont(font);
        layout->addWidget(label);
    }
    for (const QString& payload : values("qr")) {
        auto* label = new QLabel;
        label->setPixmap(qrCode(payload));
        layout->addWidget(label);
    }
    auto* changing = new QLabel;
    changing->setMinimumSize(160, 160);
    layout->addWidget(changing);
    changing->setVisible(parser.isSet(QStringLiteral("stdin")));
    layout->addStretch();
    const QStringList at = value("at").split(u',');
    const QStringList size = value("size").split(u',');
    if (size.size() == 2)
        window.resize(size[0].toInt(), size[1].toInt());
    if (at.size() == 2)
        window.move(at[0].toInt(), at[1].toInt());
    Filter filter;
    filter.echo = parser.isSet(QStringLiteral("echo-keys"));
    filter.delay = value("expose-delay").toULong();
    window.installEventFilter(&filter);
    window.show();
    window.windowHandle()->installEventFilter(&filter);

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    input.setEnabled(parser.isSet(QStringLiteral("stdin")));
    QObject::connect(&input, &QSocketNotifier::activated, &window, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, n);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString payload = QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
            changing->setPixmap(qrCode(payload));
            changing->repaint();
            std::printf("shown %s\n", payload.toUtf8().constData());
            std::fflush(stdout);
        }
    });
    return app.exec();
}
