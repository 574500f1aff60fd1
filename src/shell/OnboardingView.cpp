#include "shell/OnboardingView.h"

#include "platform/Screens.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "settings/AppSettings.h"
#include "shell/HeroIcon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
const QString captureCopied = QStringLiteral("InkharborCaptureCopied");
}

OnboardingView::OnboardingView(OnboardingEnvironment environment, OnboardingStep step,
                               std::function<void()> onFinish, QWidget* parent)
    : QWidget(parent)
    , environment_(std::move(environment))
    , step_(step)
    , onFinish_(std::move(onFinish))
    // Where the desktop asks nothing, the screen may be read: the step's colours say so.
    , hasPermission_(!environment_.permission.asksUser() || environment_.permission.preflight())
    , languages_(RecognitionLanguages::languageList(environment_.supportedLanguages(), QLocale())) {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(24, 24, 24, 24);
    root->setSpacing(20);
    pageHolder_ = new QVBoxLayout;
    root->addLayout(pageHolder_, 1);

    auto* nav = new QHBoxLayout;
    back_ = new QPushButton(tr("Back"));
    back_->setObjectName(QStringLiteral("back"));
    primary_ = new QPushButton;
    primary_->setObjectName(QStringLiteral("primary"));
    primary_->setDefault(true);
    primary_->setAutoDefault(true);
    for (QPushButton* b : {back_, primary_})
        b->setMinimumSize(96, 32);
    indicatorHolder_ = new QWidget;
    new QHBoxLayout(indicatorHolder_);
    indicatorHolder_->layout()->setContentsMargins(0, 0, 0, 0);
    nav->addWidget(back_);
    nav->addStretch();
    nav->addWidget(indicatorHolder_);
    nav->addStretch();
    nav->addWidget(primary_);
    root->addLayout(nav);

    connect(back_, &QPushButton::clicked, this,
            [this] { setStep(OnboardingStep(std::max(0, int(step_) - 1))); });
    connect(primary_, &QPushButton::clicked, this, [this] {
        if (step_ == OnboardingStep::tryIt) {
            environment_.defaults.setValue(SettingsKey::hasCompletedOnboarding, true);
            if (onFinish_)
                onFinish_();
        } else {
            setStep(OnboardingStep(int(step_) + 1));
        }
    });

    // Return and Enter act as the primary button wherever the focus is.
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, primary_,
                &QPushButton::click);

    permissionPolling_.setInterval(1000);
    connect(&permissionPolling_, &QTimer::timeout, this, &OnboardingView::pollPermission);

    environment_.notifications.addObserver(captureCopied, this, [this](const Notification& n) {
        copiedText_ = n.object.typeId() == QMetaType::QString
                          ? std::optional<QString>(n.object.toString())
                          : std::nullopt;
        if (step_ == OnboardingStep::tryIt)
            rebuild();
    });
    rebuild();
}

void OnboardingView::setStep(OnboardingStep step) {
    step_ = step;
    rebuild();
}

void OnboardingView::pollPermission() {
    const bool granted = environment_.permission.preflight();
    if (granted == hasPermission_)
        return;
    hasPermission_ = granted;
    rebuild();
}

void OnboardingView::setPointedLanguage(std::optional<QString> code) {
    pointedLanguage_ = std::move(code);
    if (!pointedNames_)
        return;
    QString name;
    for (const RecognitionLanguage& l : languages_)
        if (pointedLanguage_ && l.code == *pointedLanguage_)
            name = l.name;
    pointedNames_->setText(name.isEmpty() ? tr("Point at a language to see its name.") : name);
    pointedNames_->setForegroundRole(name.isEmpty() ? QPalette::PlaceholderText
                                                    : QPalette::WindowText);
    QFont f = pointedNames_->font();
    f.setBold(!name.isEmpty());
    pointedNames_->setFont(f);
}

void OnboardingView::rebuild() {
    if (page_)
        page_->deleteLater();
    switch (step_) {
    case OnboardingStep::welcome:
        page_ = welcomePage();
        break;
    case OnboardingStep::permission:
        page_ = permissionPage();
        break;
    case OnboardingStep::tryIt:
        page_ = tryItPage();
        break;
    }
    pageHolder_->addWidget(page_);
    page_->show();

    // The polling runs only while the permission page is shown, and only
    // where the desktop asks at all.
    if (step_ == OnboardingStep::permission && environment_.permission.asksUser()) {
        if (!permissionPolling_.isActive()) {
            pollPermission();
            permissionPolling_.start();
        }
    } else {
        permissionPolling_.stop();
    }

    back_->setVisible(step_ != OnboardingStep::welcome);
    primary_->setText(step_ == OnboardingStep::tryIt ? tr("Done") : tr("Continue"));
    QLayoutItem* old = indicatorHolder_->layout()->takeAt(0);
    if (old) {
        delete old->widget();
        delete old;
    }
    indicatorHolder_->layout()->addWidget(new StepIndicator(int(step_), OnboardingSteps::count));
    update();
}

void OnboardingView::paintEvent(QPaintEvent*) {
    // The step's first colour fades from the top to nothing at the centre.
    QPainter p(this);
    QColor tint = OnboardingSteps::colors(step_, hasPermission_).first();
    QLinearGradient gradient(0, 0, 0, height() / 2.0);
    tint.setAlphaF(0.14f);
    gradient.setColorAt(0, tint);
    tint.setAlphaF(0);
    gradient.setColorAt(1, tint);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.fillRect(rect(), gradient);
}

QWidget* OnboardingView::pageFrame(const QString& symbol, const QString& title, int titleSize,
                                   const QString& body, QVBoxLayout*& content) {
    auto* page = new QWidget;
    content = new QVBoxLayout(page);
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(14);
    auto* hero = new HeroIcon(symbol, OnboardingSteps::colors(step_, hasPermission_));
    content->addWidget(hero, 0, Qt::AlignHCenter);
    auto* heading = new QLabel;
    heading->setTextFormat(Qt::PlainText);
    heading->setText(title);
    QFont f = heading->font();
    f.setPixelSize(titleSize);
    f.setBold(true);
    heading->setFont(f);
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignHCenter);
    content->addWidget(heading);
    auto* text = new QLabel;
    text->setTextFormat(Qt::PlainText); // it may hold a shortcut such as Ctrl+<
    text->setText(body);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignHCenter);
    if (step_ != OnboardingStep::tryIt) // the try-it sentence is an instruction, not an aside
        text->setForegroundRole(QPalette::PlaceholderText);
    content->addWidget(text);
    return page;
}
