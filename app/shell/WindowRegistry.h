#pragma once

#include "platform/ui/window/Form.h"

#include <QString>
#include <QVariant>

#include <functional>

// The windows and commands the main window reaches by name. Each part of the
// program registers its windows when the program block creates them, and its
// entry points (exports, the bank image build) as commands, so that the main
// window, which may not call the folders above app/shell, needs to know none
// of them; adding a window of another part takes only its registration lines
// in the program block (app/main.cpp). A name that nothing registered stands for a step this build
// does not have: showing or running it tells the user so in an information
// box, and nothing pretends that it ran.

struct WindowEntry {
    TForm* form = nullptr;
    // Relabels the window from Lang_Texts; empty for a window without texts.
    std::function<void()> setLang;
    // Shows the window modally; empty: the window's own ShowModal.
    std::function<TModalResult()> show;
    // Fields the main window reads or sets before showing (empty: none).
    std::function<QVariant(const QString& field)> readField;
    std::function<bool(const QString& field, const QVariant& value)> writeField;
};

// A command gets the argument its caller chose (a file name, or empty) and
// reports a failure through its result, with the reason in `error`.
using WindowCommand = std::function<bool(const QString& argument, QString& error)>;

enum class CommandOutcome { Done, Failed, Missing };

// Registering a name again replaces the earlier entry.
void Register_Window(const QString& name, const WindowEntry& entry);
void Register_Command(const QString& name, WindowCommand command);
// Forgets every window and command (the program's end, tests).
void Clear_Window_Registry();

// The registered window, or nullptr.
TForm* Find_Window(const QString& name);
// Shows the window modally and gives its modal result; a window that is not
// registered shows the information box and gives mrNone.
TModalResult Show_Window(const QString& name);
// Runs the window's Set_Lang; false when the name has none.
bool Relabel_Window(const QString& name);
// The window's field, or an invalid QVariant when it has no such field.
QVariant Read_Window_Field(const QString& name, const QString& field);
bool Write_Window_Field(const QString& name, const QString& field, const QVariant& value);

bool Has_Command(const QString& name);
// Runs the command; a command that is not registered shows the information
// box and gives Missing.
CommandOutcome Run_Command(const QString& name, const QString& argument, QString& error);

// The information box of a step this build does not have.
void Show_Step_Not_Available();
