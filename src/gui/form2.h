#pragma once
// The window `Form2`: the table of the days on which each kind of Mass for the dead is
// permitted, in one text box `Text1` that covers the window. The main window creates it when
// `Command8` is pressed; the user may type into the box, but closing the window discards it,
// so every opening starts again from the fixed text. `unloaded` tells the main window that the
// user closed it.

#include <QWidget>

class QPlainTextEdit;

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    QPlainTextEdit* Text1; // the table

Q_SIGNALS:
    // The user closed the window; it is deleted once control returns to the event loop.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
};
