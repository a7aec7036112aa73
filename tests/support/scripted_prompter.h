#pragma once
// A prompter for widget tests: answers prompts and choices from queues at once (no modal loop)
// and records every prompt and message; the text of a choice counts as a message too.

#include "platform/prompter.h"

#include <QList>
#include <QStringList>

#include <optional>

struct AskedPrompt {
    QString prompt;
    QString defaultAnswer;
};

struct OfferedChoice {
    QString text;
    QStringList options;
};

class ScriptedPrompter final : public Prompter {
public:
    // Answers of the next prompts, in order; nullopt stands for Cancel. With no answer queued
    // a prompt is cancelled.
    QList<std::optional<QString>> answers;
    QList<AskedPrompt> asked;
    QStringList messages;
    // Options taken at the next choices, in order; with none queued the first (default) one.
    QList<int> choices;
    QList<OfferedChoice> offered;

    void ask(const QString& prompt, const QString& defaultAnswer,
             std::function<void(const QString&)> done) override {
        asked.append({prompt, defaultAnswer});
        std::optional<QString> answer;
        if (!answers.isEmpty())
            answer = answers.takeFirst();
        done(answer.value_or(QString()));
    }

    void tell(const QString& text, std::function<void()> closed = {}) override {
        messages.append(text);
        if (closed)
            closed();
    }

    void choose(const QString& text, const QStringList& options,
                std::function<void(int)> chosen) override {
        messages.append(text);
        offered.append({text, options});
        chosen(choices.isEmpty() ? 0 : choices.takeFirst());
    }
};
