#pragma once

#include <QObject>
#include <QString>

#include <optional>

struct SpeechVoice {
    QString identifier; // the engine's name for the voice
    QString name;       // for people, e.g. "German"
    QString language;   // the language tag the voice was chosen for
};

// Reads texts aloud in the background. Main thread only.
class SpeechSynthesizer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // True from speak until the end of the text or stopSpeaking.
    virtual bool isSpeaking() const = 0;
    // The voice for a language tag ("de", "pt-BR", "zh-Hans"); none when no
    // installed voice speaks the language.
    virtual std::optional<SpeechVoice> voiceForLanguage(const QString& languageTag) = 0;
    // Starts reading and returns at once; without a voice the default voice
    // (the desktop language's) reads.
    virtual void speak(const QString& text, const std::optional<SpeechVoice>& voice) = 0;
    // Stops at once, mid-word.
    virtual void stopSpeaking() = 0;

Q_SIGNALS:
    void speakingChanged(bool speaking);
    // Speech asked for could not be heard; the description says why, for people.
    void failed(const QString& description);
};
