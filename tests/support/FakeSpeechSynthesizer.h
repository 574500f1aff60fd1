#pragma once

#include "platform/SpeechSynthesizer.h"

#include <QMap>
#include <QStringList>

// Speaks until told to stop or finishSpeaking() is called; records every request.
class FakeSpeechSynthesizer : public SpeechSynthesizer {
public:
    struct Request {
        QString text;
        std::optional<SpeechVoice> voice;
    };

    bool isSpeaking() const override { return speaking; }
    std::optional<SpeechVoice> voiceForLanguage(const QString& tag) override {
        if (!voices.contains(tag))
            return std::nullopt;
        return SpeechVoice{voices.value(tag), voices.value(tag), tag};
    }
    void speak(const QString& text, const std::optional<SpeechVoice>& voice) override {
        requests.push_back({text, voice});
        speaking = true;
        Q_EMIT speakingChanged(true);
    }
    void stopSpeaking() override {
        ++stops;
        if (!speaking)
            return;
        speaking = false;
        Q_EMIT speakingChanged(false);
    }
    void finishSpeaking() {
        speaking = false;
        Q_EMIT speakingChanged(false);
    }

    QMap<QString, QString> voices{{QStringLiteral("de"), QStringLiteral("German")},
                                  {QStringLiteral("en"), QStringLiteral("English")}};
    std::vector<Request> requests;
    bool speaking = false;
    int stops = 0;
};
