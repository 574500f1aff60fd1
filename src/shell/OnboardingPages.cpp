// The three pages of the onboarding.
#include "shell/OnboardingView.h"

#include "platform/Screens.h"
#include "platform/desktop/SymbolIcons.h"
#include "shell/FlowLayout.h"

#include <QBuffer>
#include <QEnterEvent>
#include <QHBoxLayout>
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

// One flag of the languages box: grows while pointed at.
class FlagButton : public QLabel {
public:
    FlagButton(const FlagGroup& group, OnboardingView* view)
        : QLabel(group.flag)
        , flag_(group.flag)
        , view_(view) {
        QStringList names;
        for (const RecognitionLanguage& l : group.languages)
            names.append(l.name);
        setAccessibleName(QLocale().createSeparatedList(names));
        setToolTip(accessibleName());
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
        setFixedSize(40, 36); // room for the grown flag without moving the others
        setScale(1.0);
    }
    void setScale(double scale) {
        QFont f = font();
        f.setPixelSize(int(22 * scale));
        setFont(f);
    }

protected:
    void enterEvent(QEnterEvent*) override { point(); }
    void leaveEvent(QEvent*) override {
        if (view_->pointedFlag() == flag_) {
            view_->setPointedFlag(std::nullopt);
            setScale(1.0);
        }
    }
    void mousePressEvent(QMouseEvent*) override { point(); }

private:
    void point() {
        for (auto* sibling : parentWidget()->findChildren<FlagButton*>(Qt::FindDirectChildrenOnly))
            sibling->setScale(1.0);
        view_->setPointedFlag(flag_);
        setScale(1.3);
    }

    QString flag_;
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
           "copied. Everything happens on your Mac \u2014 nothing is sent to the internet."),
        content);

    auto* box = new RoundedBox;
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(12, 12, 12, 12);
    boxLayout->setSpacing(8);
    boxLayout->addWidget(
        label(tr("Reads text in %1 languages").arg(languages_.size()), false, 0, true));
    auto* flags = new QWidget;
    auto* flow = new FlowLayout(4, flags);
    for (const FlagGroup& group : RecognitionLanguages::flagGroups(languages_))
        flow->addWidget(new FlagButton(group, this));
    boxLayout->addWidget(flags);
    pointedNames_ = label(QString(), true);
    pointedNames_->setMinimumHeight(18);
    boxLayout->addWidget(pointedNames_);
    setPointedFlag(pointedFlag_);
    content->addWidget(box);

    if (!hasTray()) {
        content->addWidget(noTrayHint());
        content->addStretch();
        return page;
    }
    // One sentence with the symbol inline, wrapping as a whole.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    SymbolIcons::icon(QStringLiteral("text.viewfinder")).pixmap(16, 16).save(&buffer, "PNG");
    QLabel* hint = label(tr("Inkharbor lives in the menu bar at the top of your screen. Look for "
                            "this icon: ")
                                 .toHtmlEscaped() +
                             QStringLiteral("<img src=\"data:image/png;base64,%1\" "
                                            "style=\"vertical-align: middle\">")
                                 .arg(QString::fromLatin1(png.toBase64())),
                         false, 0, false, true);
    hint->setTextFormat(Qt::RichText);
    hint->setAlignment(Qt::AlignHCenter);
    content->addWidget(hint);
    content->addStretch();
    return page;
}

QWidget* OnboardingView::permissionPage() {
    QVBoxLayout* content = nullptr;
    QWidget* page = pageFrame(
        hasPermission_ ? QStringLiteral("checkmark.shield.fill")
                       : QStringLiteral("lock.shield.fill"),
        tr("Allow Screen Recording"), 26,
        tr("macOS asks for this so Inkharbor can read the area you select. Screenshots stay in "
           "memory and are never saved or sent anywhere."),
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
        auto* open = new QPushButton(SymbolIcons::icon(QStringLiteral("gearshape")),
                                     tr("Open System Settings"));
        connect(open, &QPushButton::clicked, this, [this] {
            environment_.permission.request();
            if (environment_.openScreenRecordingSettings)
                environment_.openScreenRecordingSettings();
        });
        boxLayout->addWidget(open, 0, Qt::AlignHCenter);
        QLabel* how = label(tr("Turn on Inkharbor in the list. If macOS asks, choose \u201CQuit & "
                               "Reopen\u201D."),
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
        row->addWidget(
            symbolLabel(QStringLiteral("checkmark.circle.fill"), 18, QColor(0x34, 0xC7, 0x59)));
        QLabel* copied = label(tr("Copied to the clipboard"), false, 0, true);
        QPalette pal = copied->palette();
        pal.setColor(QPalette::WindowText, QColor(0x34, 0xC7, 0x59).darker(120));
        copied->setPalette(pal);
        row->addWidget(copied);
        column->addLayout(row);
        column->addWidget(label(tr("Paste it anywhere with \u2318V."), true), 0, Qt::AlignHCenter);
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
