#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class SpeechSynthesizer;

// Reads texts aloud in the voice of their language. One button starts and
// stops: the result window and the history rows call the same toggle, so a
// press anywhere during speech only stops it.
class SpeechService {
public:
    // `detectLanguages` gives the dominant language of a text (at most one tag).
    using LanguageDetector = std::function<QStringList(const QString&)>;

    SpeechService(SpeechSynthesizer& synthesizer, LanguageDetector detectLanguages);

    // Stops at once when speaking (the text is not looked at); otherwise
    // starts reading the whole text.
    void toggleSpeaking(const QString& text);
    bool isSpeaking() const;
    void stopSpeaking();
    SpeechSynthesizer& synthesizer() { return synthesizer_; }

private:
    SpeechSynthesizer& synthesizer_;
    LanguageDetector detectLanguages_;
};
