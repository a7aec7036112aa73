#pragma once
// The platform's prompt and message box for the window: a modal input dialog as wide as its
// text needs, an OK message box and a message box with a choice of buttons, each centred over
// the main window and opened without a nested event loop.

#include "platform/prompter.h"

class QWidget;

class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void ask(const QString& prompt, const QString& defaultAnswer,
             std::function<void(const QString&)> done) override;
    void tell(const QString& text, std::function<void()> closed = {}) override;
    void choose(const QString& text, const QStringList& options,
                std::function<void(int)> chosen) override;

private:
    QWidget* parent_;
};
