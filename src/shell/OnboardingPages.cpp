// The three pages of the onboarding.
#include "shell/OnboardingView.h"

#include "platform/Screens.h"
#include "platform/desktop/SymbolIcons.h"
#include "platform/desktop/TrayIcon.h"
#include "shell/FlowLayout.h"

#include <QBuffer>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A rounded box with a faint fill, for grouped content.
class RoundedBox : public QWidget {
public:
    explicit RoundedBox(QColor fill = {}, double radius = 12, bool dashed = false)
        : fill_(fill)
        , radius_(radius)
        , dashed_(dashed) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius_, radius_);
        if (dashed_) {
            QPen pen(palette().color(QPalette::Highlight), 1.5, Qt::DashLine);
            p.setPen(pen);
            p.drawPath(path);
            return;
        }
        QColor fill = fill_.isValid() ? fill_ : palette().color(QPalette::WindowText);
        if (!fill_.isValid())
            fill.setAlphaF(0.05f);
        p.fillPath(path, fill);
    }

private:
    QColor fill_;
    double radius_;
    bool dashed_;
};

// One language of the languages box, written in the language itself; pointing
// at it names it in the user's language.
class LanguageChip : public QLabel {
public:
    LanguageChip(const RecognitionLanguage& language, OnboardingView* view)
        : QLabel(language.nativeName)
        , code_(language.code)
        , view_(view) {
        setAccessibleName(language.name);
        setToolTip(language.name);
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
        setContentsMargins(8, 3, 8, 3);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const bool pointed = view_->pointedLanguage() == code_;
        QColor fill = palette().color(pointed ? QPalette::Highlight : QPalette::WindowText);
        fill.setAlphaF(pointed ? 0.22f : 0.07f);
        QPainterPath shape;
        const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        shape.addRoundedRect(bounds, bounds.height() / 2, bounds.height() / 2);
        p.fillPath(shape, fill);
        p.end();
        QLabel::paintEvent(event);
    }
    void enterEvent(QEnterEvent*) override { point(); }
    void leaveEvent(QEvent*) override {
        if (view_->pointedLanguage() == code_)
            view_->setPointedLanguage(std::nullopt);
        repaintAll();
    }
    void mousePressEvent(QMouseEvent*) override { point(); }

private:
    void point() {
        view_->setPointedLanguage(code_);
        repaintAll();
    }
    void repaintAll() {
        for (auto* chip : parentWidget()->findChildren<LanguageChip*>(Qt::FindDirectChildrenOnly))
            chip->update();
    }

    QString code_;
    OnboardingView* view_;
};

QLabel* label(const QString& text, bool secondary = false, int pixelSize = 0, bool bold = false,
              bool wrap = false) {
    auto* l = new QLabel;
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setWordWrap(wrap);
    if (secondary)
        l->setForegroundRole(QPalette::PlaceholderText);
    QFont f = l->font();
    if (pixelSize)
        f.setPixelSize(pixelSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

QLabel* symbolLabel(const QString& symbol, int size, const QColor& color) {
    auto* l = new QLabel;
    l->setPixmap(SymbolIcons::pixmap(symbol, color, size));
    return l;
}

} // namespace

bool OnboardingView::hasTray() const {
    return !environment_.trayAvailable || environment_.trayAvailable();
}

// Where Inkharbor lives on a desktop without a tray: it has no icon there.
QLabel* OnboardingView::noTrayHint() const {
    QLabel* hint = label(tr("This desktop shows no tray icons, so Inkharbor has no icon here. Open "
                            "Inkharbor again from your applications to reach its settings, "
                            "history and Quit."),
                         false, 0, false, true);
    hint->setAlignment(Qt::AlignHCenter);
    hint->setObjectName(QStringLiteral("noTrayHint"));
    return hint;
}

QWidget* OnboardingView::welcomePage() {
    QVBoxLayout* content = nullptr;
    QWidget* page = pageFrame(
        QStringLiteral("text.viewfinder"), tr("Copy text from anywhere on your screen"), 22,
        tr("Press a shortcut, drag a box over any image, video, PDF or app, and the text is "
           "copied. Everything happens on your computer \u2014 nothing is sent to the internet."),
        content);

    auto* box = new RoundedBox;
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(12, 12, 12, 12);
    boxLayout->setSpacing(8);
    boxLayout->addWidget(
        label(tr("Reads text in %n language(s)", nullptr, int(languages_.size())), false, 0, true));
    auto* chips = new QWidget;
    auto* flow = new FlowLayout(4, chips);
    for (const RecognitionLanguage& language : languages_)
        flow->addWidget(new LanguageChip(language, this));
    boxLayout->addWidget(chips);
    pointedNames_ = label(QString(), true);
    pointedNames_->setMinimumHeight(18);
    boxLayout->addWidget(pointedNames_);
    setPointedLanguage(pointedLanguage_);
    // Only installed languages are listed above; the others are a package away.
    QLabel* more = label(tr("More languages can be installed: Settings \u2192 Recognition lists "
                            "them."),
                         true, 0, false, true);
    QFont small = more->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    more->setFont(small);
    boxLayout->addWidget(more);
    content->addWidget(box);

    if (!hasTray()) {
        content->addWidget(noTrayHint());
        content->addStretch();
        return page;
    }
    // One sentence with the icon inline, wrapping as a whole; the icon as the
    // panel shows it.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    TrayIcon::preview(16, palette().color(QPalette::WindowText)).save(&buffer, "PNG");
    QLabel* hint = label(tr("Inkharbor lives in the system tray on your panel. Look for this "
                            "icon: ")
                                 .toHtmlEscaped() +
                             QStringLiteral("<img src=\"data:image/png;base64,%1\" width=\"16\" "
                                            "height=\"16\" style=\"vertical-align: middle\">")
                                 .arg(QString::fromLatin1(png.toBase64())),
                         false, 0, false, true);
    hint->setTextFormat(Qt::RichText);
    hint->setAlignment(Qt::AlignHCenter);
    content->addWidget(hint);
    content->addStretch();
    return page;
}

QWidget* OnboardingView::permissionPage() {
    // With no way at all to read the screen there is nothing to grant either.
    if (!environment_.permission.asksUser() || environment_.permission.unavailableReason())
        return noPermissionPage();
    QVBoxLayout* content = nullptr;
    QWidget* page = pageFrame(
        hasPermission_ ? QStringLiteral("checkmark.shield.fill")
                       : QStringLiteral("lock.shield.fill"),
        tr("Allow Screen Access"), 26,
        tr("Your desktop asks for this so Inkharbor can read the area you select. Screenshots "
           "stay in memory and are never saved or sent anywhere."),
        content);

    if (hasPermission_) {
        QColor green(0x34, 0xC7, 0x59);
        QColor fill = green;
        fill.setAlphaF(0.12f);
        auto* granted = new RoundedBox(fill, 10);
        auto* row = new QHBoxLayout(granted);
        row->setContentsMargins(14, 8, 14, 8);
        row->addWidget(
            symbolLabel(QStringLiteral("checkmark.circle.fill"), 18, QColor(0x34, 0xC7, 0x59)));
        QLabel* text = label(tr("Permission granted"), false, 0, true);
        QPalette pal = text->palette();
        pal.setColor(QPalette::WindowText, green.darker(120));
        text->setPalette(pal);
        row->addWidget(text);
        content->addWidget(granted, 0, Qt::AlignHCenter);
    } else {
        auto* box = new RoundedBox;
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(16, 16, 16, 16);
        boxLayout->setSpacing(10);
        // The desktop asks in a screen-sharing dialog of its own, which the
        // request opens; a desktop with a settings page for it gets that too.
        auto* open = new QPushButton(SymbolIcons::icon(QStringLiteral("gearshape")),
                                     tr("Share the Screen…"));
        connect(open, &QPushButton::clicked, this, [this] {
            environment_.permission.request();
            if (environment_.openScreenRecordingSettings)
                environment_.openScreenRecordingSettings();
        });
        boxLayout->addWidget(open, 0, Qt::AlignHCenter);
        QLabel* how = label(tr("Your desktop asks in its screen-sharing dialog: choose the screen "
                               "and allow it."),
                            true, 0, false, true);
        how->setAlignment(Qt::AlignHCenter);
        boxLayout->addWidget(how);
        auto* relaunch = new QPushButton(tr("Already turned on? Quit && Reopen Inkharbor"));
        relaunch->setFlat(true);
        relaunch->setCursor(Qt::PointingHandCursor);
        relaunch->setStyleSheet(
            QStringLiteral("QPushButton { color: palette(link); border: none; }"));
        connect(relaunch, &QPushButton::clicked, this, [this] {
            if (environment_.relaunch)
                environment_.relaunch();
        });
        boxLayout->addWidget(relaunch, 0, Qt::AlignHCenter);
        content->addWidget(box);
    }
    content->addStretch();
    return page;
}

// Where any program may read the screen (X11), there is nothing to allow: the
// step stays, so that every session walks the same three steps, and says so
// in one line.
QWidget* OnboardingView::noPermissionPage() {
    QVBoxLayout* content = nullptr;
    if (const std::optional<QString> reason = environment_.permission.unavailableReason()) {
        QWidget* page = pageFrame(QStringLiteral("lock.shield.fill"),
                                  tr("Screen capture is not available"), 26, *reason, content);
        content->addStretch();
        return page;
    }
    QWidget* page = pageFrame(
        QStringLiteral("checkmark.shield.fill"), tr("No permission needed"), 26,
        tr("Inkharbor can read the area you select right away. Screenshots stay in memory and "
           "are never saved or sent anywhere."),
        content);
    content->addStretch();
    return page;
}

QWidget* OnboardingView::tryItPage() {
    const std::optional<QString> shortcut =
        environment_.captureShortcutText ? environment_.captureShortcutText() : std::nullopt;
    QVBoxLayout* content = nullptr;
    QWidget* page =
        pageFrame(QStringLiteral("cursorarrow.and.square.on.square.dashed"), tr("Try it now"), 22,
                  tr("Press %1, then drag a box around the text below.")
                      .arg(shortcut.value_or(tr("your shortcut"))),
                  content);

    auto* sample = new RoundedBox({}, 10, true);
    auto* sampleLayout = new QVBoxLayout(sample);
    sampleLayout->setContentsMargins(20, 16, 20, 16);
    QLabel* sampleText = label(tr("Try capturing this text with Inkharbor!"), false, 20);
    sampleText->setAlignment(Qt::AlignCenter);
    sampleLayout->addWidget(sampleText);
    content->addWidget(sample);

    auto* status = new QHBoxLayout;
    status->addStretch();
    if (copiedText_) {
        auto* column = new QVBoxLayout;
        auto* row = new QHBoxLayout;
        // The mark stays beside its words when the line below is the wider one.
        row->addStretch();
        row->addWidget(
            symbolLabel(QStringLiteral("checkmark.circle.fill"), 18, QColor(0x34, 0xC7, 0x59)));
        QLabel* copied = label(tr("Copied to the clipboard"), false, 0, true);
        QPalette pal = copied->palette();
        pal.setColor(QPalette::WindowText, QColor(0x34, 0xC7, 0x59).darker(120));
        copied->setPalette(pal);
        row->addWidget(copied);
        row->addStretch();
        column->addLayout(row);
        const QString paste = QKeySequence(Qt::CTRL | Qt::Key_V).toString(QKeySequence::NativeText);
        column->addWidget(label(tr("Paste it anywhere with %1.").arg(paste), true), 0,
                          Qt::AlignHCenter);
        status->addLayout(column);
    } else {
        auto* busy = new QProgressBar;
        busy->setRange(0, 0);
        busy->setFixedSize(80, 6);
        busy->setTextVisible(false);
        status->addWidget(busy);
        status->addWidget(label(tr("Waiting for your capture\u2026"), true));
    }
    status->addStretch();
    content->addLayout(status);
    content->addStretch();
    if (!hasTray())
        content->addWidget(noTrayHint());
    return page;
}
