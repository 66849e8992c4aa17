#include "app/shell/WindowRegistry.h"

#include "app/shell/ULanguage.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"

#include <QHash>

namespace {

// The main window's text for a missing step; its English wording stands in
// while the language list has no text there.
constexpr int Text_Step_Not_Available = 86;
const char* const Step_Not_Available_English = "This step is not available in this version of the program.";

struct Registry {
    QHash<QString, WindowEntry> windows;
    QHash<QString, WindowCommand> commands;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

const WindowEntry* EntryOf(const QString& name)
{
    const auto found = TheRegistry().windows.constFind(name);
    return found == TheRegistry().windows.constEnd() ? nullptr : &found.value();
}

QString StepNotAvailableText()
{
    const QString text = Text_Step_Not_Available < Lang_Texts.Count() ? Lang_Texts[Text_Step_Not_Available]
                                                                       : QString();
    return Trim(text).isEmpty() ? QString::fromLatin1(Step_Not_Available_English) : text;
}

} // namespace

void Register_Window(const QString& name, const WindowEntry& entry)
{
    TheRegistry().windows.insert(name, entry);
}

void Register_Command(const QString& name, WindowCommand command)
{
    TheRegistry().commands.insert(name, std::move(command));
}

void Clear_Window_Registry()
{
    TheRegistry().windows.clear();
    TheRegistry().commands.clear();
}

TForm* Find_Window(const QString& name)
{
    const WindowEntry* entry = EntryOf(name);
    return entry ? entry->form : nullptr;
}

TModalResult Show_Window(const QString& name)
{
    const WindowEntry* entry = EntryOf(name);
    if (!entry || (!entry->form && !entry->show)) {
        Show_Step_Not_Available();
        return mrNone;
    }
    // The entry is copied: the window may register or replace entries while it runs.
    const WindowEntry shown = *entry;
    return shown.show ? shown.show() : shown.form->ShowModal();
}

bool Relabel_Window(const QString& name)
{
    const WindowEntry* entry = EntryOf(name);
    if (!entry || !entry->setLang)
        return false;
    const auto setLang = entry->setLang;
    setLang();
    return true;
}

QVariant Read_Window_Field(const QString& name, const QString& field)
{
    const WindowEntry* entry = EntryOf(name);
    return entry && entry->readField ? entry->readField(field) : QVariant();
}

bool Write_Window_Field(const QString& name, const QString& field, const QVariant& value)
{
    const WindowEntry* entry = EntryOf(name);
    return entry && entry->writeField && entry->writeField(field, value);
}

bool Has_Command(const QString& name)
{
    return TheRegistry().commands.contains(name);
}

CommandOutcome Run_Command(const QString& name, const QString& argument, QString& error)
{
    error.clear();
    const auto found = TheRegistry().commands.constFind(name);
    if (found == TheRegistry().commands.constEnd() || !found.value()) {
        Show_Step_Not_Available();
        return CommandOutcome::Missing;
    }
    const WindowCommand command = found.value();
    return command(argument, error) ? CommandOutcome::Done : CommandOutcome::Failed;
}

void Show_Step_Not_Available()
{
    MessageDlg(StepNotAvailableText(), mtInformation, mbOK, 0);
}
