#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ActionFailures;
class SpeechSynthesizer;

// Reads texts aloud in the voice of their language. One button starts and
// stops: the result window and the history rows call the same toggle, so a
// press anywhere during speech only stops it. Speech that cannot be heard (no
// sound device, no speech engine) is reported to the user.
class SpeechService {
public:
    // `detectLanguages` gives the dominant language of a text (at most one tag).
    using LanguageDetector = std::function<QStringList(const QString&)>;

    SpeechService(SpeechSynthesizer& synthesizer, LanguageDetector detectLanguages,
                  ActionFailures& failures);
    ~SpeechService();
    SpeechService(const SpeechService&) = delete;
    SpeechService& operator=(const SpeechService&) = delete;

    // Stops at once when speaking (the text is not looked at); otherwise
    // starts reading the whole text.
    void toggleSpeaking(const QString& text);
    bool isSpeaking() const;
    void stopSpeaking();
    SpeechSynthesizer& synthesizer() { return synthesizer_; }

private:
    SpeechSynthesizer& synthesizer_;
    LanguageDetector detectLanguages_;
    QMetaObject::Connection failures_; // the synthesizer outlives this service
};
