#include "output/SpeechService.h"

#include "output/ActionFailures.h"
#include "platform/SpeechSynthesizer.h"

#include <QCoreApplication>

SpeechService::SpeechService(SpeechSynthesizer& synthesizer, LanguageDetector detectLanguages,
                             ActionFailures& failures)
    : synthesizer_(synthesizer)
    , detectLanguages_(std::move(detectLanguages)) {
    failures_ =
        QObject::connect(&synthesizer_, &SpeechSynthesizer::failed, &synthesizer_,
                         [&failures](const QString& description) {
                             failures.report(QCoreApplication::translate(
                                                 "SpeechService", "Could not read the text aloud"),
                                             description);
                         });
}

SpeechService::~SpeechService() {
    QObject::disconnect(failures_);
}

void SpeechService::toggleSpeaking(const QString& text) {
    if (synthesizer_.isSpeaking()) {
        synthesizer_.stopSpeaking();
        return;
    }
    std::optional<SpeechVoice> voice;
    const QStringList languages = detectLanguages_ ? detectLanguages_(text) : QStringList();
    if (!languages.isEmpty())
        voice = synthesizer_.voiceForLanguage(languages.first());
    synthesizer_.speak(text, voice);
}

bool SpeechService::isSpeaking() const {
    return synthesizer_.isSpeaking();
}

void SpeechService::stopSpeaking() {
    synthesizer_.stopSpeaking();
}
