// A window of known content at a known place, standing in for "any
// application" in the end-to-end tests.
//   inkharbor-test-window --at X,Y [--size W,H] [--font-size PX] [--text TEXT]... [--qr PAYLOAD]...
//                         [--stdin] [--echo-keys]
// With --stdin every line read replaces the window's one QR code with a code
// of that line, and once it is painted "shown LINE" is written to standard
// output: tests that make many captures of different content need not start
// a window for each. With --echo-keys every key the window receives is
// written to standard output as "key Ctrl+Alt+K".
#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSocketNotifier>
#include <QVBoxLayout>
#include <QWidget>

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <cstdio>
#include <unistd.h>

namespace {

QImage qrCode(const QString& payload, int size) {
    const auto matrix = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                            .setMargin(2)
                            .encode(payload.toStdWString(), size, size);
    QImage image(matrix.width(), matrix.height(), QImage::Format_RGB32);
    for (int y = 0; y < matrix.height(); ++y)
        for (int x = 0; x < matrix.width(); ++x)
            image.setPixel(x, y, matrix.get(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

// Writes each key press that reaches the window's widgets, but for the
// modifiers' own presses.
class KeyEcho : public QObject {
    static bool isModifier(int key) {
        return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
               key == Qt::Key_Meta || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && !isModifier(key->key())) {
            std::printf("key %s\n", qPrintable(QKeySequence(key->keyCombination()).toString()));
            std::fflush(stdout);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("at"), QStringLiteral("Top-left corner."), QStringLiteral("x,y")});
    parser.addOption(
        {QStringLiteral("size"), QStringLiteral("Window size."), QStringLiteral("w,h")});
    parser.addOption(
        {QStringLiteral("font-size"), QStringLiteral("Pixel size."), QStringLiteral("px")});
    parser.addOption(
        {QStringLiteral("text"), QStringLiteral("A line of text."), QStringLiteral("text")});
    parser.addOption(
        {QStringLiteral("qr"), QStringLiteral("A QR code payload."), QStringLiteral("payload")});
    parser.addOption(
        {QStringLiteral("title"), QStringLiteral("Window title."), QStringLiteral("title")});
    parser.addOption(
        {QStringLiteral("stdin"), QStringLiteral("Show a QR code of each line read.")});
    parser.addOption({QStringLiteral("echo-keys"), QStringLiteral("Write each key received.")});
    parser.process(app);

    QWidget window;
    window.setWindowTitle(parser.isSet(QStringLiteral("title"))
                              ? parser.value(QStringLiteral("title"))
                              : QStringLiteral("Test window"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(parser.isSet(QStringLiteral("font-size"))
                          ? parser.value(QStringLiteral("font-size")).toInt()
                          : 18);
    for (const QString& line : parser.values(QStringLiteral("text"))) {
        auto* label = new QLabel(line);
        label->setFont(font);
        layout->addWidget(label);
    }
    for (const QString& payload : parser.values(QStringLiteral("qr"))) {
        auto* label = new QLabel;
        label->setPixmap(QPixmap::fromImage(qrCode(payload, 160)));
        layout->addWidget(label);
    }
    QLabel* changing = nullptr;
    if (parser.isSet(QStringLiteral("stdin"))) {
        changing = new QLabel;
        changing->setMinimumSize(160, 160);
        layout->addWidget(changing);
    }
    layout->addStretch();
    const QStringList at = parser.value(QStringLiteral("at")).split(u',');
    const QStringList size = parser.value(QStringLiteral("size")).split(u',');
    if (size.size() == 2)
        window.resize(size[0].toInt(), size[1].toInt());
    if (at.size() == 2)
        window.move(at[0].toInt(), at[1].toInt());
    KeyEcho echo;
    if (parser.isSet(QStringLiteral("echo-keys")))
        window.installEventFilter(&echo);
    window.show();

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    input.setEnabled(changing != nullptr);
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
            changing->setPixmap(QPixmap::fromImage(qrCode(payload, 160)));
            changing->repaint();
            std::printf("shown %s\n", payload.toUtf8().constData());
            std::fflush(stdout);
        }
    });
    return app.exec();
}
