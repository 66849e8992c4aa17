#pragma once

// Keys typed into a window as a person types them: each event goes through
// Qt's own entry for keyboard input, so the window's shortcuts see it first and
// then its focused widget, in the order given. And the table of key sequences
// that every owner-drawn control acting on a key must pass.

#include <QtCore/QString>
#include <QtGui/QKeyEvent>
#include <QtGui/QWindow>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace testsupport {

// The text a key types, as the keyboard reports it.
inline QString TypedText(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QStringLiteral("\r");
    if (key == Qt::Key_Escape)
        return QString(QChar(27));
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        const QChar c(key);
        return (modifiers & Qt::ShiftModifier) ? QString(c) : QString(c.toLower());
    }
    return QString();
}

// `window` is any widget of the window the key goes to.
inline void PressKey(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
{
    qt_handleKeyEvent(window.window()->windowHandle(), QEvent::KeyPress, key, modifiers, TypedText(key, modifiers),
                      autoRepeat);
    QApplication::processEvents();
}

inline void ReleaseKey(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
{
    qt_handleKeyEvent(window.window()->windowHandle(), QEvent::KeyRelease, key, modifiers, TypedText(key, modifiers),
                      autoRepeat);
    QApplication::processEvents();
}

inline void TypeKey(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    PressKey(window, key, modifiers);
    ReleaseKey(window, key, modifiers);
}

// Letters, digits and blanks, each pressed and released.
inline void TypeText(QWidget& window, const QString& text)
{
    for (const QChar c : text) {
        const bool upper = c.isUpper();
        TypeKey(window, c.toUpper().unicode(), upper ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

// One step of a key sequence: the key goes down or comes up, typed or repeated
// by the keyboard while held.
struct KeyStep {
    QEvent::Type type;
    bool autoRepeat;
};

struct KeySequence {
    const char* name;
    std::vector<KeyStep> steps;
    int activations;
};

// What a control that acts on a key does: once per press and release, nothing
// for a release whose press it never saw, once for a held key that repeats.
inline const std::vector<KeySequence>& KeyActivationSequences()
{
    static const std::vector<KeySequence> sequences = {
        {"press and release", {{QEvent::KeyPress, false}, {QEvent::KeyRelease, false}}, 1},
        {"release alone", {{QEvent::KeyRelease, false}}, 0},
        {"held down, repeating",
         {{QEvent::KeyPress, false},
          {QEvent::KeyRelease, true},
          {QEvent::KeyPress, true},
          {QEvent::KeyRelease, true},
          {QEvent::KeyPress, true},
          {QEvent::KeyRelease, false}},
         1},
        {"repeats of a press made elsewhere, then the release",
         {{QEvent::KeyPress, true}, {QEvent::KeyRelease, true}, {QEvent::KeyPress, true}, {QEvent::KeyRelease, false}},
         0},
        {"two presses and releases",
         {{QEvent::KeyPress, false}, {QEvent::KeyRelease, false}, {QEvent::KeyPress, false}, {QEvent::KeyRelease, false}},
         2},
    };
    return sequences;
}

// One owner-drawn control under the table: `prepare` puts it in its starting
// state (focused where it takes keys); `activations` counts what it did.
struct KeyActivationRow {
    const char* control;
    QWidget* window;
    int key;
    Qt::KeyboardModifiers modifiers;
    std::function<void()> prepare;
    std::function<int()> activations;
};

inline void ExpectKeyActivations(const KeyActivationRow& row)
{
    for (const KeySequence& sequence : KeyActivationSequences()) {
        row.prepare();
        const int before = row.activations();
        for (const KeyStep& step : sequence.steps) {
            if (step.type == QEvent::KeyPress)
                PressKey(*row.window, row.key, row.modifiers, step.autoRepeat);
            else
                ReleaseKey(*row.window, row.key, row.modifiers, step.autoRepeat);
        }
        EXPECT_EQ(row.activations() - before, sequence.activations) << row.control << ": " << sequence.name;
    }
}

} // namespace testsupport
