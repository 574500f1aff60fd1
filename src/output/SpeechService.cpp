#include "output/SpeechService.h"

#include "platform/SpeechSynthesizer.h"

SpeechService::SpeechService(SpeechSynthesizer& synthesizer, LanguageDetector detectLanguages)
    : synthesizer_(synthesizer)
    , detectLanguages_(std::move(detectLanguages)) {}

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
