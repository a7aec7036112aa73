#pragma once
// A prompter for widget tests: answers prompts from a queue at once (no modal loop) and
// records every prompt and message.

#include "platform/prompter.h"

#include <QList>
#include <QStringList>

#include <optional>

struct AskedPrompt {
    QString prompt;
    QString defaultAnswer;
    QPoint twips;
};

class ScriptedPrompter final : public Prompter {
public:
    // Answers of the next prompts, in order; nullopt stands for Cancel. With no answer queued
    // a prompt is cancelled.
    QList<std::optional<QString>> answers;
    QList<AskedPrompt> asked;
    QStringList messages;

    void ask(const QString& prompt, const QString& defaultAnswer, QPoint twips,
             std::function<void(const QString&)> done) override {
        asked.append({prompt, defaultAnswer, twips});
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
};
